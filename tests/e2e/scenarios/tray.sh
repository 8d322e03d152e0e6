# shellcheck shell=bash
# Scenarios of the tray menu worked as a user works it: a right click on the icon and the items
# chosen with the keyboard, never a command posted to the frame.
# Sourced by run-e2e.

# Every memo command of the menu on a group of two, then the three widgets it shows.
tray_menu_by_keyboard() {
  local lines left right z
  lay_out_group <<'EOF'
[{"windowRect": {"left": 60, "top": 60, "right": 360, "bottom": 260}, "expandedSize": {"width": 300, "height": 200},
  "contentFile": "left.rtf"},
 {"windowRect": {"left": 500, "top": 300, "right": 800, "bottom": 500}, "expandedSize": {"width": 300, "height": 200},
  "contentFile": "right.rtf"}]
EOF
  write_content left.rtf <<<'왼쪽 메모'
  write_content right.rtf <<<'오른쪽 메모'
  set_general ContractDX 210
  start_and_wait_frame
  lines=$(wait_memos 2 10) || exit 1
  left=$(hwnd_at 100 100 "$lines") && right=$(hwnd_at 600 400 "$lines") || exit 1

  tray_pick "모두 숨기기"
  expect_memo "$left" visible=0
  expect_memo "$right" visible=0
  tray_pick "모두 보기"
  expect_memo "$left" visible=1
  expect_memo "$right" visible=1
  tray_pick "모두 접기"
  expect_memo "$left" rect=150,60,360,78
  expect_memo "$right" rect=590,300,800,318
  tray_pick "모두 펼치기"
  expect_memo "$left" rect=60,60,360,260
  expect_memo "$right" rect=500,300,800,500

  tray_pick "모두 항상 위에"
  expect_memo "$left" topmost=1
  expect_memo "$right" topmost=1
  tray_pick "모두 보통 위치에"
  expect_memo "$left" topmost=0
  expect_memo "$right" topmost=0
  tray_pick "모두 바탕화면에"
  expect_memo "$left" topmost=0
  expect_memo "$right" topmost=0
  # Both below every other window: the last two places of the z-order.
  z=$(driver memos 2>/dev/null | sed -n 's/.* z=\([0-9]*\)\/\([0-9]*\) .*/\1 \2/p' |
    awk '{ if ($1 < $2 - 2) low = 1 } END { print NR, low + 0 }')
  expect_eq "two memos at the bottom of the z-order (count, one higher)" "2 0" "$z"

  tray_pick "달력 보기"
  expect_window "달력 2026년 12월" visible=1
  tray_pick "스케쥴 보기"
  local end=$((SECONDS + 5))
  until driver windows "$frame_title" 2>/dev/null | grep -q ' visible=1 .* text=Quillet Schedule'; do
    [ "$SECONDS" -ge "$end" ] && fail "the schedule view did not show"
    sleep 0.2
  done
  tray_pick "런처 보기"
  expect_window "Quillet Launcher" visible=1
  screenshot tray-widgets
  close_by_broadcast
}
