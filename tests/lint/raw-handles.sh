#!/usr/bin/env bash
# Fails, naming file:line, on a raw release of a Windows handle outside the guards that own them:
# every DC, GDI object, menu, icon and kernel handle in the program goes through those guards.
set -uo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top" || exit 1

guards=(
  win/framework/Gdi.h
  win/framework/Handles.h
  win/platform/KernelHandle.h
  uninstaller/win/FileHandle.h  # Unquill links nothing of the program's
)
calls='GetDC|GetWindowDC|ReleaseDC|DeleteObject|DeleteDC|DestroyMenu|DestroyIcon|CloseHandle'
# A call, bare or as ::Call, not a member of the same name (Class::Call, object.Call, p->Call).
call="(^|[^A-Za-z0-9_:.>]|[^A-Za-z0-9_]::|^::)($calls)[[:space:]]*\\("

allowed=()
for guard in "${guards[@]}"; do allowed+=(-e "^$guard:"); done

found=$(grep -rnE --include='*.cpp' --include='*.h' "$call" win uninstaller |
  grep -v "${allowed[@]}" |
  grep -vE '^[^:]+:[0-9]+:[[:space:]]*//' |
  grep -vE 'DeleteObject\(IOleObject')  # IRichEditOleCallback's method
if [ -n "$found" ]; then
  printf '%s\n' "$found"
  echo "raw handle calls: use the guards in ${guards[*]}"
  exit 1
fi
