"""Writes FOLDER/e2e-reset.reg: the registry as every scenario starts it.

usage: make_reset_reg.py FOLDER APP_PATHS_KEY
Deletes the program's settings key, the autostart value, the screen's DPI (LogPixels, 96 without
it) and APP_PATHS_KEY, then adds back what
FOLDER/e2e-app-paths.reg (the key as the prefix had it, if it had it) and FOLDER/korean-fonts.reg
hold. regedit's files are UTF-16.
"""
import os
import sys

folder, app_paths = sys.argv[1], sys.argv[2]


def body(name):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        return []
    return open(path, 'rb').read().decode('utf-16').splitlines()[1:]


lines = ['Windows Registry Editor Version 5.00', '',
         r'[-HKEY_CURRENT_USER\Software\Quillet Program]', '',
         r'[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Run]', '"Quillet Start"=-', '',
         r'[HKEY_CURRENT_USER\Control Panel\Desktop]', '"LogPixels"=-', '',
         '[-%s]' % app_paths, '']
lines += body('e2e-app-paths.reg') + body('korean-fonts.reg')
with open(os.path.join(folder, 'e2e-reset.reg'), 'wb') as out:
    out.write(('\r\n'.join(lines) + '\r\n').encode('utf-16'))
