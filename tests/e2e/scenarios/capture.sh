# shellcheck shell=bash
# Scenarios of the screen capture: the frozen screen over everything, a dragged part becoming a
# memo over the same place that shows it.
# Sourced by run-e2e.

# capture_window: the capture window's driver line, once it covers the screen.
capture_window() {
  local line end=$((SECONDS + 10))
  until line=$(driver windows "$frame_title" 2>/dev/null | grep ' class=#32770 visible=1 rect=0,0,1280,1024 '); do
    [ "$SECONDS" -ge "$end" ] && fail "no capture window over the screen"
    sleep 0.2
  done
  head -n 1 <<<"$line"
}

# "화면 캡쳐" covers the screen with its blinking caption; a drag from (100, 100) to (300, 250)
# over a memo's text makes a memo at (94, 80, 305, 259) whose content holds the picture, and
# puts the picture on the clipboard; with Ctrl held at the end only the clipboard gets it; Esc
# makes nothing and leaves the clipboard alone.
capture_to_memo() {
  local lines line memo data
  memo_row_group one.rtf
  data=$(e2e_data_dir)
  write_content one.rtf <<<$'\n\n\n\n\n\n          캡쳐 아래의 메모'
  start_and_wait_frame
  wait_memos 1 10 >/dev/null || exit 1
  tray_pick "화면 캡쳐"  # reachable without its hotkey
  line=$(capture_window)
  expect_eq "the capture window on top" 1 "$(( $(field "$line" exstyle) & 0x8 ? 1 : 0 ))"
  local blink
  # Six reads over three seconds: a loaded machine may hold a 500 ms tick back a little.
  must blink pixels 2 2 600 6
  grep -qx 0x0000ff <<<"$blink" && grep -qx 0xff0000 <<<"$blink" ||
    fail "the caption does not blink red and blue: $(paste -sd' ' <<<"$blink")"
  xdotool mousemove 100 100 mousedown 1 mousemove 200 180 || fail "xdotool could not start the drag"
  sleep 0.6  # for the picture: the drag's frame follows the mouse, and nothing tells when it is drawn
  screenshot capture-window
  xdotool mousemove 300 250 mouseup 1 || fail "xdotool could not end the drag"
  lines=$(wait_memos 2 10) || exit 1
  memo=$(grep ' rect=94,80,305,259 ' <<<"$lines") || fail "no memo over the captured part: $lines"
  must - wait-gone "$(field "$line" hwnd)" 5
  screenshot capture-memo
  must text clipboard-info
  case $text in *"bitmap=200x150 "*) ;; *) fail "the clipboard does not hold the 200 x 150 picture: $text" ;; esac
  # A memo of a picture alone has content: deleting it asks.
  must - post-command "$(field "$memo" hwnd)" 32786
  must - wait-window "$delete_dialog" 5
  must - click "$delete_dialog" 2
  must - wait-gone "$delete_dialog" 5
  close_by_broadcast
  local file
  file=$(list_fields "$data/DefaultMemo.qld" contentFile | tail -n 1)
  # 200 x 150 pixels at 96 dots per inch. Wine's rich edit keeps and writes the picture but draws
  # an inserted metafile blank, so the picture is read here, not in the screenshot.
  grep -q '\\pict\\emfblip.*\\picwgoal3000\\pichgoal2250' "$data/$file" ||
    fail "the memo's content holds no 200 x 150 picture: $(head -c 400 "$data/$file")"

  # Ctrl held at the end: the picture only on the clipboard. Esc: nothing, the clipboard kept.
  start_and_wait_frame
  wait_memos 2 10 >/dev/null || exit 1
  must - set-clipboard '이전 클립보드'
  must - post-command "$frame_title" 32824
  line=$(capture_window)
  xdotool mousemove 400 400 mousedown 1 mousemove 500 460 keydown ctrl mouseup 1 keyup ctrl ||
    fail "xdotool could not drag with Ctrl"
  must - wait-gone "$(field "$line" hwnd)" 5
  wait_memos 2 3 >/dev/null || exit 1
  must text clipboard-info
  case $text in "text=0 bitmap=100x60 "*) ;; *) fail "Ctrl+drag left on the clipboard: $text" ;; esac
  must - set-clipboard '이전 클립보드'
  must - post-command "$frame_title" 32824
  line=$(capture_window)
  keys 0x1b
  must - wait-gone "$(field "$line" hwnd)" 5
  wait_memos 2 3 >/dev/null || exit 1
  must text clipboard-info
  expect_eq "the clipboard after Esc" "text=1 bitmap=none" "$text"
  close_by_broadcast
}
