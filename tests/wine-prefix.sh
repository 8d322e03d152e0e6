# Making a Wine prefix fit for the program and its tests; sourced by scripts/test, scripts/run and
# the end-to-end harness. The caller sets WINEPREFIX and the locale (LC_ALL).
#   wine_prepare_prefix       a new prefix: wineboot, fonts, no waiting for a window manager
#   wine_link_korean_fonts    the Korean font links again (see below)
#   wine_server_start         a server for the prefix that stays until wine_server_stop, warmed up
#   wine_end_programs         ends every Wine program of the prefix; the server stays
#   wine_server_stop          ends the programs and the server
#   wine_copy_prefix FROM     WINEPREFIX becomes a copy of the prefix FROM
#
# A server that exits when its last program does races the next program that connects to it
# ("recvmsg: connection reset by peer"): so every tier holds one persistent server from its first
# Wine program to its last, and programs are ended without it.

wine_prefix_run=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine-run

# A Korean Windows links Tahoma and the dialog fonts to a font with Hangul and has Gulim, Dotum,
# Batang and Malgun Gothic; the prefix gets the same from the Nanum fonts, so Hangul shows.
# Wine rewrites the Tahoma links whenever a process starts under another code page than the last
# one, so callers that switch locales run wine_link_korean_fonts again under the new one.
wine_write_korean_fonts() {
  python3 - "$WINEPREFIX/drive_c/korean-fonts.reg" <<'PY'
import sys
def multi(link):
    return ','.join('%02x' % b for b in (link + '\0\0').encode('utf-16-le'))
lines = ['Windows Registry Editor Version 5.00', '',
         r'[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink]']
lines += ['"%s"=hex(7):%s' % (face, multi('NanumGothic.ttf,NanumGothic'))
          for face in ('Tahoma', 'Microsoft Sans Serif', 'MS Shell Dlg', 'MS Shell Dlg 2')]
# Bold Tahoma, the caption font, is a face of its own to the links.
lines += ['"Tahoma Bold"=hex(7):%s' % multi('NanumGothicBold.ttf,NanumGothic')]
lines += ['', r'[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]']
lines += ['"%s"="NanumGothic"' % face
          for face in ('Gulim', '굴림', 'GulimChe', '굴림체', 'Dotum', '돋움', 'DotumChe', '돋움체',
                       'Malgun Gothic', '맑은 고딕')]
lines += ['"%s"="NanumMyeongjo"' % face for face in ('Batang', '바탕', 'BatangChe', '바탕체')]
open(sys.argv[1], 'wb').write(('\r\n'.join(lines) + '\r\n').encode('utf-16'))
PY
}

wine_link_korean_fonts() {
  "$wine_prefix_run" regedit /S 'C:\korean-fonts.reg'
}

wine_prepare_prefix() {
  mkdir -p "$WINEPREFIX"
  "$wine_prefix_run" wineboot -i || return 1
  timeout 60 wineserver -w
  # Wine's GDI+ sees only the fonts of the system and of the prefix; the caption buttons are
  # Marlett glyphs, letters without it.
  cp /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" ||
    return 1
  # With no window manager, Wine waits two seconds for one at every window it hides unless its
  # windows are unmanaged.
  "$wine_prefix_run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f || return 1
  # A crash ends the process with a status instead of waiting on a dialog nobody sees.
  "$wine_prefix_run" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f || return 1
  wine_write_korean_fonts && wine_link_korean_fonts
}

wine_server_start() {
  wineserver -p || return 1
  # The first program starts the prefix's services, which the tests should not wait for.
  "$wine_prefix_run" cmd /c exit 0 >/dev/null 2>&1
}

# The processes of Wine programs whose environment names this prefix.
wine_program_pids() {
  local dir exe entry
  for dir in /proc/[0-9]*; do
    exe=$(readlink "$dir/exe" 2>/dev/null) || continue
    case ${exe##*/} in wine64 | wine | wine64-preloader | wine-preloader) ;; *) continue ;; esac
    while IFS= read -r -d '' entry; do
      if [ "$entry" = "WINEPREFIX=$WINEPREFIX" ]; then
        printf '%s\n' "${dir#/proc/}"
        break
      fi
    done 2>/dev/null <"$dir/environ"
  done
}

wine_end_programs() {
  local pids end=$((SECONDS + 10))
  while pids=$(wine_program_pids) && [ -n "$pids" ]; do
    # shellcheck disable=SC2086
    kill -KILL $pids 2>/dev/null
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.1
  done
}

wine_server_stop() {
  wineserver -k >/dev/null 2>&1
  timeout 20 wineserver -w >/dev/null 2>&1
  return 0
}

wine_copy_prefix() {
  # A scenario stopped midway may have left a folder immutable (chattr +i), which rm cannot remove.
  [ ! -d "$WINEPREFIX/drive_c" ] || chattr -R -i "$WINEPREFIX/drive_c" 2>/dev/null || true
  rm -rf "$WINEPREFIX" && mkdir -p "$(dirname "$WINEPREFIX")" && cp -a "$1" "$WINEPREFIX"
}
