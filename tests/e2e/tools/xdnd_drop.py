#!/usr/bin/python3
"""Drops files on the X window under a screen point, as a file manager's drag would (XDND).

usage: xdnd_drop.py X Y PATH...   (run with Debian's /usr/bin/python3 and python3-xlib)

Wine turns such a drop into WM_DROPFILES for a window that accepts files. Exits 0 once the target
says it finished, 1 when it refuses or does not answer within ten seconds.
"""

import os
import sys
import time
from urllib.parse import quote

from Xlib import X, display, protocol, xauth
from Xlib.support import unix_connect

VERSION = 5


def wildcard_cookie(sock, dname, protocol_name, host, dno):
    """The test server's cookie is for any address, which python-xlib's own lookup passes over."""
    for family, _, _, name, data in xauth.Xauthority(os.environ.get("XAUTHORITY")).entries:
        if family == 0xFFFF and name == b"MIT-MAGIC-COOKIE-1":  # FamilyWild
            return name, data
    return b"", b""


def main():
    x, y = int(sys.argv[1]), int(sys.argv[2])
    uris = "".join("file://%s\r\n" % quote(path) for path in sys.argv[3:]).encode()
    if os.environ.get("XAUTHORITY"):
        unix_connect.get_auth = wildcard_cookie
    d = display.Display()
    atom = lambda name: d.intern_atom(name)  # noqa: E731
    uri_list, selection = atom("text/uri-list"), atom("XdndSelection")
    root = d.screen().root
    source = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
    source.set_selection_owner(selection, X.CurrentTime)

    # The window at the point that says it takes drops; Wine answers drops on windows that do
    # not say so too (unmanaged ones, as a desktop widget's), so else the deepest one there.
    target, aware = None, atom("XdndAware")
    window = root
    while True:
        child = window.translate_coords(root, x, y).child
        if not child:
            break
        window = child
        if window.get_full_property(aware, X.AnyPropertyType):
            target = window
    target = target or (window if window != root else None)
    if target is None:
        sys.exit("xdnd_drop: no window at %d,%d" % (x, y))

    def send(name, data):
        event = protocol.event.ClientMessage(window=target, client_type=atom(name),
                                             data=(32, [source.id] + data))
        target.send_event(event)
        d.flush()

    send("XdndEnter", [VERSION << 24, uri_list, 0, 0])
    send("XdndPosition", [0, (x << 16) | y, X.CurrentTime, atom("XdndActionCopy")])
    end = time.time() + 10
    dropped = False
    while time.time() < end:
        if not d.pending_events():
            time.sleep(0.05)
            continue
        event = d.next_event()
        if event.type == X.ClientMessage and event.client_type == atom("XdndStatus"):
            if not event.data[1][1] & 1:
                sys.exit("xdnd_drop: the window refuses the drop")
            if not dropped:
                send("XdndDrop", [0, X.CurrentTime, 0, 0])
                dropped = True
        elif event.type == X.SelectionRequest:
            requestor = event.requestor
            requestor.change_property(event.property, event.target, 8, uris)
            notify = protocol.event.SelectionNotify(time=event.time, requestor=requestor,
                                                    selection=event.selection, target=event.target,
                                                    property=event.property)
            requestor.send_event(notify)
            d.flush()
        elif event.type == X.ClientMessage and event.client_type == atom("XdndFinished"):
            return 0
    sys.exit("xdnd_drop: no answer from the window")


if __name__ == "__main__":
    sys.exit(main())
