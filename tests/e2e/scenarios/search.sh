# shellcheck shell=bash
# Scenarios of finding memos: the search command (32860) and the memo tip of folded memos.
# Sourced by run-e2e.

search_dialog="메모 찾기"
no_hit_question="검색된 메모가 없습니다. 다시 시도하시겠습니까?"

# search_with TEXT BOX...: the dialog is up; types TEXT, toggles the check boxes BOX... and
# presses OK.
search_with() {
  local text=$1 box
  shift
  must - set-text "$search_dialog" 1232 "$text"
  for box; do must - click "$search_dialog" "$box"; done
  must - click "$search_dialog" 1
}

# Content hits are selected and in view, even in a memo scrolled far past them; "찾은 메모를
# 항상 위로" pins them and "찾은 메모를 펼치기" unfolds them; case and whole words count when
# asked. A title holds a hit when the content has none; a hidden memo comes back. The dialog
# keeps its text between searches; a miss asks, Retry asks for the text again and Cancel ends.
# A hit blinks and is left in its own colours.
search_memos() {
  local lines long folded other titled content before value
  lay_out_group <<'EOF'
[
  {"windowRect": {"left": 20, "top": 20, "right": 320, "bottom": 220}, "expandedSize": {"width": 300, "height": 200},
   "paletteColor": 13027014, "contentFile": "long.rtf"},
  {"windowRect": {"left": 660, "top": 20, "right": 960, "bottom": 38}, "expandedSize": {"width": 300, "height": 160},
   "expanded": 0, "contentFile": "folded.rtf", "title": "접힌 메모"},
  {"windowRect": {"left": 20, "top": 300, "right": 320, "bottom": 500}, "expandedSize": {"width": 300, "height": 200},
   "contentFile": "other.rtf"},
  {"windowRect": {"left": 660, "top": 300, "right": 960, "bottom": 318}, "expandedSize": {"width": 300, "height": 160},
   "expanded": 0, "contentFile": "titled.rtf", "title": "오늘 장보기 목록"},
  {"windowRect": {"left": 340, "top": 300, "right": 640, "bottom": 500}, "expandedSize": {"width": 300, "height": 200},
   "contentFile": "content.rtf"}
]
EOF
  # 100 lines of four characters; line 40 holds the hit, its third word, at 40 * 5 + 21.
  python3 -c '
for i in range(100):
    print("줄 %02d" % i + (" Apple pineapple apple" if i == 40 else ""))' | write_content long.rtf
  write_content folded.rtf <<<'apple 하나'
  write_content other.rtf <<<'Apple pineapple'
  write_content titled.rtf <<<'우유와 빵'
  write_content content.rtf <<<'내일 장보기 갈 곳'
  start_and_wait_frame
  lines=$(wait_memos 5 10) || exit 1
  long=$(hwnd_at 30 30 "$lines") && folded=$(hwnd_at 950 25 "$lines") && other=$(hwnd_at 30 310 "$lines") &&
    titled=$(hwnd_at 950 305 "$lines") && content=$(hwnd_at 350 310 "$lines") || exit 1

  must - post "$(field "$(memo_at 30 30 "$lines")" editor)" 0xb6 0 70  # EM_LINESCROLL
  expect_memo "$long" first=70
  before=$(field "$(memo_at 30 310 "$lines")" sel)

  must - post-command "$frame_title" 32860
  must - post-command "$frame_title" 32860  # while the first search runs: nothing more
  must value dialog-text "$search_dialog" 1232 5
  expect_eq "search text at first" "" "$value"
  must - set-text "$search_dialog" 1232 "apple"
  must - click "$search_dialog" 1249  # match case
  must - click "$search_dialog" 1248  # whole word
  must - click "$search_dialog" 1250  # on top
  expect_answer "checked=1 enabled=1" 5 button-state "$search_dialog" 1250
  screenshot search-dialog
  must - click "$search_dialog" 1
  must - wait-gone "$search_dialog" 5
  expect_memo "$long" sel=221,226 selshown=1 topmost=1
  expect_memo "$folded" sel=0,5 rect=660,20,960,180 topmost=1
  expect_memo "$other" sel="$before" topmost=0
  expect_pixel "the hit's frame once its blinking is over" 22 150 0xededed
  screenshot search-hits

  must - post-command "$titled" 32782  # hide
  expect_memo "$titled" visible=0
  must - post-command "$frame_title" 32860
  must value dialog-text "$search_dialog" 1232 5
  expect_eq "search text kept" "apple" "$value"
  search_with "장보기" 1250  # no longer on top; case and whole words still count
  must - wait-gone "$search_dialog" 5
  expect_memo "$titled" visible=1 rect=660,300,960,460 topmost=0
  expect_memo "$content" sel=3,6 selshown=1 topmost=0

  must - post-command "$frame_title" 32860
  must - dialog-text "$search_dialog" 1232 5
  search_with "없는 글"
  must value dialog-text "Quillet" 3012 5
  expect_eq "question" "$no_hit_question" "$value"
  screenshot search-no-hit
  must - click "Quillet" 4  # Retry
  must value dialog-text "$search_dialog" 1232 5
  expect_eq "search text on retry" "없는 글" "$value"
  must - click "$search_dialog" 1
  must - dialog-text "Quillet" 3012 5
  must - click "Quillet" 2  # Cancel
  must - wait-gone "Quillet" 5
  must - wait-gone "$search_dialog" 2
  must - post-command "$frame_title" 32860  # the finished search no longer blocks one
  must - dialog-text "$search_dialog" 1232 5
  must - click "$search_dialog" 2
  must - wait-gone "$search_dialog" 5
  close_by_broadcast
}

# With "MemoTipMode" 1 the mouse over a folded memo shows its content below it, where the memo
# would be unfolded, framed in "ColMemoTipArround" on the memo's background; text typed just
# before is saved and shown. The tip follows the memo and goes once the mouse has left it.
memo_tip() {
  local lines memo line l t r b tip text
  lay_out_group <<'EOF'
[{"windowRect": {"left": 500, "top": 100, "right": 760, "bottom": 300}, "expandedSize": {"width": 260, "height": 200},
  "paletteColor": 57584, "contentFile": "tip.rtf", "title": "팁 메모"}]
EOF
  write_content tip.rtf <<<$'팁에 보이는 글\n둘째 줄'
  set_general MemoTipMode 1
  start_and_wait_frame
  lines=$(wait_memos 1 10) || exit 1
  memo=$(field "$lines" hwnd)
  must - post "$(field "$lines" editor)" 0x102 0xd55c 0  # WM_CHAR "한" at the start
  must - post-command "$memo" 32783                       # fold
  expect_memo "$memo" shown=0
  must line memos
  IFS=, read -r l t r b <<<"$(field "$line" rect)"
  tip="$((r - 260)),$b,$r,300"

  mouse_to $((l + 20)) $(((t + b) / 2))
  expect_window "$memo_tip_title" visible=1 rect="$tip" topmost=1
  must text dialog-text "$memo_tip_title" 4677 5
  case $text in "한팁에 보이는 글"*"둘째 줄") ;; *) fail "the tip shows: $text" ;; esac
  expect_pixel "the tip's border" $((r - 258)) 200 0xffcea8
  expect_pixel "the tip's background" $((r - 20)) 290 0x00ffff
  screenshot memo-tip

  must - place "$memo" $((l + 10)) "$t" $((r + 10)) "$b"
  expect_window "$memo_tip_title" visible=1 rect="$((r - 250)),$b,$((r + 10)),300"
  mouse_to 100 700
  expect_window "$memo_tip_title" visible=0
  close_by_broadcast
}
