# shellcheck shell=bash
# Scenarios of the memo windows: groups laid out with `quillet-data import`, the real program
# started on them, its windows read through the driver and its files through `quillet-data dump`.
# Sourced by run-e2e.

title_font=7816192  # the colour of the default title font; the rest is 0|0|0|14|Tahoma
delete_dialog="Quillet - 메모를 삭제하려고 합니다."

# Three memos of one group: expanded, folded with a title, folded without one; z-positions 0, 1, 2.
three_memos() {
  lay_out_group <<'EOF'
[
  {"windowRect": {"left": 60, "top": 60, "right": 360, "bottom": 260}, "expandedSize": {"width": 300, "height": 200},
   "colorType": 3, "paletteColor": 15395518, "zPosition": 0, "contentFile": "a.rtf", "title": "펼친 메모",
   "editTime": "2026-3-5 09:07"},
  {"windowRect": {"left": 500, "top": 60, "right": 760, "bottom": 78}, "expandedSize": {"width": 260, "height": 150},
   "expanded": 0, "zPosition": 1, "contentFile": "b.rtf", "title": "접힌 메모"},
  {"windowRect": {"left": 500, "top": 300, "right": 760, "bottom": 318}, "expandedSize": {"width": 260, "height": 150},
   "expanded": 0, "zPosition": 2, "contentFile": "c.rtf"}
]
EOF
  write_content a.rtf <<<$'첫 줄\n둘째 줄'
  write_content b.rtf <<<'접힌 메모의 글'
  write_content c.rtf <<<$'제목 없는 메모\n둘째 줄'
}

# Each memo at its rectangle in its state; the last one opened has the focus, so it is opaque and
# shows its buttons while the others are in the simple view, at their inactive alpha.
memos_open() {
  local lines a b c size fg
  three_memos
  set_general MaxTransVal 230
  set_general MinTransVal 200
  start_and_wait_frame
  lines=$(wait_memos 3 10) || exit 1
  a=$(hwnd_at 100 100 "$lines") && b=$(hwnd_at 700 65 "$lines") && c=$(hwnd_at 700 305 "$lines") || exit 1
  size=$(folded_size "접힌 메모" 180) || exit 1

  expect_memo "$a" visible=1 rect=60,60,360,260 topmost=0 alpha=230 shown=1 readonly=0 length=9
  expect_memo "$b" visible=1 rect=$((760 - ${size%x*})),60,760,$((60 + ${size#*x})) topmost=1 alpha=200 shown=0
  expect_memo "$c" visible=1 rect=580,300,760,318 topmost=0 bottom=1 alpha=255 shown=1 readonly=1 length=14
  must fg foreground
  expect_eq "the focused memo" "$c" "$(field "$fg" hwnd)"
  screenshot memos-simple-view
  close_by_broadcast
}

memos_hidden() {
  local lines
  three_memos
  set_general ViewMemoOnStart 0
  start_and_wait_frame
  lines=$(wait_memos 3 10) || exit 1
  [ "$(grep -c ' visible=0 ' <<<"$lines")" -eq 3 ] || fail "memos shown with ViewMemoOnStart 0: $lines"
  close_by_broadcast
}

# Folding keeps the right edge and unfolding brings back the last expanded size, from any
# z-position; a folded memo without a title is one read-only line ContractDX wide, one with a long
# title as wide as the title.
memos_fold() {
  local lines plain titled desktop long="제목이 아주 긴 메모입니다 - with a long title" size data
  lay_out_group <<EOF
[
  {"windowRect": {"left": 60, "top": 60, "right": 360, "bottom": 260}, "expandedSize": {"width": 300, "height": 200},
   "contentFile": "plain.rtf"},
  {"windowRect": {"left": 500, "top": 60, "right": 800, "bottom": 220}, "expandedSize": {"width": 300, "height": 160},
   "contentFile": "titled.rtf", "title": "$long"},
  {"windowRect": {"left": 600, "top": 400, "right": 810, "bottom": 418}, "expandedSize": {"width": 280, "height": 170},
   "expanded": 0, "zPosition": 2, "contentFile": "desktop.rtf", "title": "바탕화면"}
]
EOF
  write_content plain.rtf <<<$'접으면 이 줄만 보입니다\n둘째 줄'
  write_content titled.rtf <<<'제목 있는 메모'
  write_content desktop.rtf <<<'바탕화면의 메모'
  set_general ContractDX 210
  start_and_wait_frame
  lines=$(wait_memos 3 10) || exit 1
  plain=$(hwnd_at 100 100 "$lines") && titled=$(hwnd_at 700 100 "$lines") && desktop=$(hwnd_at 700 405 "$lines") ||
    exit 1

  must - place "$plain" 40 50 360 290  # as a drag of the top-left corner leaves it
  expect_memo "$plain" rect=40,50,360,290
  must - post-command "$plain" 32783
  expect_memo "$plain" rect=150,50,360,68 shown=1 readonly=1
  size=$(folded_size "$long" 210) || exit 1
  [ "${size%x*}" -gt 210 ] || fail "the long title measures only $size"
  must - post-command "$titled" 32783
  expect_memo "$titled" rect=$((800 - ${size%x*})),60,800,$((60 + ${size#*x})) shown=0
  screenshot memos-folded

  must - post-command "$plain" 32783
  expect_memo "$plain" rect=40,50,360,290 shown=1 readonly=0
  must - post-command "$desktop" 32783
  expect_memo "$desktop" rect=530,400,810,570 bottom=1 topmost=0
  close_by_broadcast

  data=$(e2e_data_dir)
  expect_eq "records after closing: expanded, expanded size, rectangle" \
    "1 320,240 40,50,360,290
0 300,160 $((800 - ${size%x*})),60,800,$((60 + ${size#*x}))
1 280,170 530,400,810,570" "$(list_fields "$data/DefaultMemo.qld" expanded expandedSize windowRect)"
}

# "Skin Color" on the last palette colour comes round to the first and makes it the default; the
# flash's five ticks paint its two colours in turn and then the memo's own; the title dialog
# rewrites the title, its font and the default title font. Frame colours are lighten(base, 1.2).
memos_color_and_title() {
  local lines memo strip value data
  lay_out_group <<'EOF'
[{"windowRect": {"left": 100, "top": 100, "right": 440, "bottom": 320}, "expandedSize": {"width": 340, "height": 220},
  "colorType": 11, "paletteColor": 3315250, "contentFile": "color.rtf", "title": "색 메모"}]
EOF
  write_content color.rtf <<<$'색을 바꾸는 메모\n둘째 줄'
  start_and_wait_frame
  lines=$(wait_memos 1 10) || exit 1
  memo=$(field "$lines" hwnd) strip=$(field "$lines" strip)
  must - activate "$memo"
  press_strip_button "$strip" 340 1006
  expect_pixel "colour 11" 102 250 0x3cb43c
  screenshot memo-color-11-format-bar
  press_strip_button "$strip" 340 1007
  expect_pixel "colour 0" 102 250 0xededed
  must value reg-dword "$settings\\General" DefaultColorType
  expect_eq "General\\DefaultColorType, written at once" 0 "$value"
  screenshot memo-color-0-format-bar

  must - post "$memo" 0x113 100 0  # WM_TIMER of the flash
  expect_pixel "first flash tick" 102 250 0xf0483c
  must - post "$memo" 0x113 100 0
  expect_pixel "second flash tick" 102 250 0xfffff0
  for value in 3 4 5 6; do must - post "$memo" 0x113 100 0; done
  expect_pixel "after the flash" 102 250 0xededed

  # "타이틀 바" 평평하게 from the preferences: the strip's buttons take the title colour at once.
  expect_pixel "the pin's background in the raised strip" 103 103 0xc6c6c6
  open_prefs
  prefs_page 0
  must - select "$shown_page" 1023 1
  must - click "$prefs_title" 1
  must - wait-gone "$prefs_title" 10
  must - activate "$memo"
  expect_pixel "the pin's background in the flat strip" 103 103 0xededed

  must - post-command "$memo" 1010
  must value dialog-text "타이틀 입력" 1232 5
  expect_eq "title in the dialog" "색 메모" "$value"
  must - set-text "타이틀 입력" 1232 "새 제목 New"
  must - click "타이틀 입력" 1233  # bold
  expect_answer "checked=1 enabled=1" 5 button-state "타이틀 입력" 1233
  screenshot memo-title-dialog
  must - click "타이틀 입력" 1
  must - wait-gone "타이틀 입력" 5
  must value reg-sz "$settings\\General" TitleFont
  expect_eq "General\\TitleFont" "$title_font|0|0|1|14|Tahoma" "$value"
  close_by_broadcast

  data=$(e2e_data_dir)
  expect_eq "record after closing" "0 13027014 15592941 1 $title_font|0|0|1|14|Tahoma 새 제목 New" \
    "$(list_fields "$data/DefaultMemo.qld" colorType paletteColor backColor formatBarShown titleFont title)"
}

# memo_row_group CONTENT_FILE...: a group of expanded 300 x 200 memos in rows of four, in that order.
memo_row_group() {
  local i=0 file json=""
  for file; do
    json+="${json:+,}{\"windowRect\": {\"left\": $((20 + i % 4 * 310)), \"top\": $((20 + i / 4 * 230)), "
    json+="\"right\": $((320 + i % 4 * 310)), \"bottom\": $((220 + i / 4 * 230))}, "
    json+="\"expandedSize\": {\"width\": 300, \"height\": 200}, \"contentFile\": \"$file\"}"
    i=$((i + 1))
  done
  lay_out_group <<<"[$json]"
}

# delete_with_key VK MEMO REMAINING: the memo goes at once, no question asked.
delete_with_key() {
  if [ "$1" = none ]; then
    must - post-command "$2" 32786
  else
    command_with_key "$1" "$2" 32786
  fi
  wait_memos "$3" 5 >/dev/null || exit 1
  expect_absent "the delete dialog came up" wait-window "$delete_dialog" 0
}

# delete_answering BUTTON MEMO REMAINING: the delete dialog asks; BUTTON answers it.
delete_answering() {
  must - post-command "$2" 32786
  must - dialog-text "$delete_dialog" "$1" 5
  must - click "$delete_dialog" "$1"
  must - wait-gone "$delete_dialog" 5
  wait_memos "$3" 5 >/dev/null || exit 1
}

# Every way of deleting, each on a memo of its own; the lists and files tell where each went.
memos_delete() {
  local lines hwnds=() i text data
  memo_row_group alt.rtf shift.rtf ctrl.rtf empty.rtf recycle.rtf storage.rtf forgood.rtf cancel.rtf picture.rtf
  for i in alt shift ctrl recycle storage forgood cancel; do write_content "$i.rtf" <<<"$i 메모의 글"; done
  write_content empty.rtf </dev/null
  write_content picture.rtf picture </dev/null
  start_and_wait_frame
  lines=$(wait_memos 9 10) || exit 1
  for i in 0 1 2 3 4 5 6 7 8; do
    text=$(hwnd_at $((30 + i % 4 * 310)) $((30 + i / 4 * 230)) "$lines") || exit 1
    hwnds+=("$text")
  done

  delete_with_key 0x12 "${hwnds[0]}" 8  # Alt
  delete_with_key 0x10 "${hwnds[1]}" 7  # Shift
  delete_with_key 0x11 "${hwnds[2]}" 6  # Ctrl
  delete_with_key none "${hwnds[3]}" 5

  must - post-command "${hwnds[4]}" 32786
  for i in "1 삭제(복원가능) (&Y)" "4 임시 보관함으로 (&R)" "3 완전 삭제(&A)" "2 취소(&N)"; do
    must text dialog-text "$delete_dialog" "${i%% *}" 5
    expect_eq "button ${i%% *}" "${i#* }" "$text"
  done
  screenshot memo-delete-dialog
  must - click "$delete_dialog" 1
  must - wait-gone "$delete_dialog" 5
  wait_memos 4 5 >/dev/null || exit 1
  delete_answering 4 "${hwnds[5]}" 3
  delete_answering 3 "${hwnds[6]}" 2
  delete_answering 2 "${hwnds[7]}" 2
  expect_memo "${hwnds[8]}" length=1  # the picture, one character to the editor
  delete_answering 2 "${hwnds[8]}" 2
  close_by_broadcast

  data=$(e2e_data_dir)
  expect_eq "the group's memos" "cancel.rtf picture.rtf" \
    "$(list_fields "$data/DefaultMemo.qld" contentFile | paste -sd' ')"
  expect_eq "the temporary storage group's memos" "alt.rtf storage.rtf" \
    "$(list_fields "$data/RecycleBin.qlr" contentFile | paste -sd' ')"
  expect_eq "content files" "alt.rtf cancel.rtf ctrl.brt picture.rtf recycle.brt storage.rtf" \
    "$(cd "$data" && echo *.rtf *.brt | tr ' ' '\n' | sort | tr '\n' ' ' | sed 's/ $//')"
  text=$(python3 -c 'import sys; print(open(sys.argv[1], "rb").read().decode("cp949"))' "$data/ctrl.brt")
  case $text in '{\rtf'*ctrl*) ;; *) fail "ctrl.brt does not hold the memo's text: ${text:0:200}" ;; esac
}

# open_menu_has ITEM: the open popup menu lists ITEM (the driver's "ID\tMARK\tTEXT" line).
open_menu_has() { driver menu "@class:#32768" 2>/dev/null | grep -qxF "$1"; }

# The pin button and the three z-position commands, through the z-order and WS_EX_TOPMOST; with
# "EnableDesktop" off the desktop position is the bottom. The memo menu comes up on a right press
# on the frame.
memos_z_position() {
  local lines memo other strip data
  memo_row_group pin.rtf other.rtf
  write_content pin.rtf <<<'고정 시험'
  write_content other.rtf <<<'다른 메모'
  start_and_wait_frame
  lines=$(wait_memos 2 10) || exit 1
  memo=$(hwnd_at 30 30 "$lines") && other=$(hwnd_at 340 30 "$lines") || exit 1
  strip=$(field "$(memo_at 30 30 "$lines")" strip)
  must - activate "$memo"
  press_strip_button "$strip" 300 1005
  expect_memo "$memo" topmost=1
  press_strip_button "$strip" 300 1005
  expect_memo "$memo" topmost=0
  must - post-command "$memo" 32838
  expect_memo "$memo" topmost=1
  must - post-command "$memo" 32839
  expect_memo "$memo" topmost=0
  must - post-command "$memo" 32840
  expect_memo "$memo" topmost=0 bottom=1
  must - post-command "$other" 32838
  expect_memo "$other" topmost=1

  must - post "$other" 0xa4 2 $(((25 << 16) | 600))  # WM_NCRBUTTONDOWN on the frame, HTCAPTION
  must - wait-window "@class:#32768" 5
  local menu
  must menu menu "@class:#32768"
  # Up to "확장 메뉴", whose items are the tray menu's: the memo's place checked, and its own group
  # greyed among those it may go to. The tray's commands are there, and work through the menu.
  expect_eq "the memo menu of a memo always on top" "32774|-|새 메모
separator|-|
32838|checked|항상 위에
32839|-|보통 위치에
32840|-|바탕화면에
separator|-|
32783|-|접기
32782|-|숨기기
32788|-|정렬
32841|-|메모 스킨 색상
1010|-|타이틀 입력
separator|-|
32815|-|현재 메모를 일정등록
32818|-|파일로 저장
32785|-|Wordpad로 열기
57607|-|인쇄
separator|-|
32786|-|삭제
popup|-|다른그룹으로 보내기
  5424|grayed|DefaultMemo
  separator|-|
  5425|-|임시 보관함
separator|-|
popup|-|확장 메뉴" "$(tr '\t' '|' <<<"$menu" | sed '/|확장 메뉴$/q')"
  local item
  for item in "32777|-|환경 설정" "32804|-|일정 관리" "32830|-|시계 보기" "32854|-|스케쥴 보기" "32773|-|프로그램 종료"; do
    tr '\t' '|' <<<"$menu" | sed -n '/|확장 메뉴$/,$p' | grep -qxF "  $item" || fail "\"확장 메뉴\" lacks $item: $menu"
  done
  screenshot memo-menu
  menu_pick "확장 메뉴"
  wait_until 5 "\"확장 메뉴\" did not open" open_menu_has $'32777\t-\t환경 설정'
  screenshot memo-extended-menu
  keys 0x1b 0x1b
  must - wait-gone "@class:#32768" 5
  must - post "$other" 0xa4 2 $(((25 << 16) | 600))
  must - wait-window "@class:#32768" 5
  menu_pick "확장 메뉴" "환경 설정"
  must - dialog-text "Quillet 환경설정" 1 10
  must - click "Quillet 환경설정" 2
  must - wait-gone "Quillet 환경설정" 10
  close_by_broadcast

  data=$(e2e_data_dir)
  expect_eq "z-positions after closing" "2 1" "$(list_fields "$data/DefaultMemo.qld" zPosition | paste -sd' ')"
}

# A group of 500 memos: the frame answers while their windows are still coming, all of them come,
# and what is typed into the first meanwhile is kept.
memos_many() {
  local lines first
  fresh_program_folder >/dev/null || exit 1
  python3 - "$(e2e_data_dir)" "$E2E_RUN/$E2E_SLUG.group.json" <<'PY' || fail "could not write the group"
import json, os, sys
folder, group = sys.argv[1], sys.argv[2]
os.makedirs(folder, exist_ok=True)
records = []
for i in range(500):
    left, top = (900, 600) if i == 0 else (20 + i % 10 * 80, 20 + i // 10 % 10 * 60 + i // 100 * 4)
    records.append({"windowRect": {"left": left, "top": top, "right": left + 100, "bottom": top + 80},
                    "expandedSize": {"width": 100, "height": 80}, "contentFile": "m%03d.rtf" % i})
    with open(os.path.join(folder, "m%03d.rtf" % i), "w") as rtf:
        rtf.write("{\\rtf1\\ansi memo %d\\par}" % i)
json.dump(records, open(group, "w"))
PY
  quillet_data import "$E2E_RUN/$E2E_SLUG.group.json" "$(e2e_data_dir)/DefaultMemo.qld" || fail "could not import the group"
  start_and_wait_frame
  # All at once the group takes seconds; a frame that answers at once has the rest still coming.
  must - send "$frame_title" 0 0 0 1
  first=$(field "$(memo_at 950 650)" editor) || exit 1
  must - post "$first" 0x102 0x41 0  # WM_CHAR "A"
  lines=$(wait_memos 500 90) || exit 1
  expect_memo "$(hwnd_at 950 650 "$lines")" length=7
  close_by_broadcast
  grep -q 'Amemo 0' "$(e2e_data_dir)/m000.rtf" || fail "the edit made while the memos came was lost"
}

# A memo of 200,000 characters opens whole and, edited and saved at closing, keeps every one.
memos_large() {
  local lines editor text expected=$E2E_RUN/$E2E_SLUG.expected
  memo_row_group large.rtf
  python3 -c '
for i in range(10000):
    print("%05d 가나다라 memo line" % i)' >"$expected"
  write_content large.rtf <"$expected"
  start_and_wait_frame
  lines=$(wait_memos 1 30) || exit 1
  editor=$(field "$lines" editor)
  expect_eq "length as opened (10,000 lines of 20 and their breaks)" 219998 "$(field "$lines" length)"
  must - post "$editor" 0x102 0xd55c 0  # WM_CHAR "한" at the caret, the start
  expect_memo "$(field "$lines" hwnd)" length=219999
  close_by_broadcast

  start_and_wait_frame
  lines=$(wait_memos 1 30) || exit 1
  must text text "$(field "$lines" editor)"
  python3 -c '
import sys
expected = "한" + open(sys.argv[1], encoding="utf-8").read()[:-1].replace("\n", "\r\n")
got = sys.stdin.read()[:-1]
if got != expected:
    at = next((i for i, (a, b) in enumerate(zip(got, expected)) if a != b), min(len(got), len(expected)))
    sys.exit("text after reopening differs at %d of %d (expected %d): %r"
             % (at, len(got), len(expected), got[at:at + 40]))
' "$expected" <<<"$text" || fail "the memo lost characters (see the log)"
  close_by_broadcast
}
