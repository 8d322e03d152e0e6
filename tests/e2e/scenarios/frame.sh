# shellcheck shell=bash
# Scenarios of the whole program as a user drives it: the tray icon and its menu, the group
# submenu, new memos, the periodic and the closing saves, and arranging the whole group.
# Sourced by run-e2e.

VK_RETURN=0x0d VK_UP=0x26 VK_RIGHT=0x27 VK_DOWN=0x28

# import_group NAME < JSON: another group's memo list in the data folder.
import_group() {
  local json=$E2E_RUN/$E2E_SLUG.$1.json
  cat >"$json" && quillet_data import "$json" "$(e2e_data_dir)/$1.qld" || fail "could not make the group $1"
}

# file_times: every file of the data folder with its modification time, to the nanosecond.
file_times() { (cd "$(e2e_data_dir)" && stat -c '%n %.9Y' ./*); }

# quick_saves: the program started next saves every second and traces each tick.
quick_saves() {
  export QUILLET_TEST_SAVE_MS=1000
  pinned_clock "2026-12-08 09:00:00"
}

# wait_save_ticks COUNT: that many more ticks of the periodic save are traced, within 10 s.
wait_save_ticks() {
  local want end=$((SECONDS + 10))
  want=$(($(grep -c ' save tick$' "$E2E_TRACE" 2>/dev/null) + $1))
  until [ "$(grep -c ' save tick$' "$E2E_TRACE" 2>/dev/null)" -ge "$want" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "fewer than $1 more save ticks in 10 s"
    sleep 0.1
  done
}

# The right click opens menu 130, capture second and "다른 그룹 열기" seventh, which lists the
# data folder's groups in the file system's order with the open one checked, then "임시 보관함";
# choosing a group writes the list of the one left and shows the other's memos. With "LeftBtnClickRun" 0 a left click hides
# every memo and the next shows them again.
tray_menu_and_groups() {
  local lines memo work text group
  lay_out_group <<'EOF'
[{"windowRect": {"left": 900, "top": 100, "right": 1200, "bottom": 300}, "expandedSize": {"width": 300, "height": 200},
  "contentFile": "default.rtf", "title": "기본 그룹의 메모"}]
EOF
  write_content default.rtf <<<'기본 그룹'
  # Made out of name order: the menu follows the folder, which Wine lists by name.
  for group in 여행 업무 가계부 공부; do
    import_group "$group" <<EOF
[{"windowRect": {"left": 600, "top": 400, "right": 900, "bottom": 600}, "expandedSize": {"width": 300, "height": 200},
  "contentFile": "$group.rtf", "title": "$group"}]
EOF
    write_content "$group.rtf" <<<"$group 메모"
  done
  start_and_wait_frame
  lines=$(wait_memos 1 10) || exit 1
  memo=$(field "$lines" hwnd)
  must - place "$memo" 880 120 1180 320

  tray_click 3
  must - wait-window "@class:#32768" 5
  local top
  must top menu "@class:#32768"
  expect_eq "the tray menu's first places" $'32774\t-\t새 메모|32824\t-\t화면 캡쳐|separator\t-\t|32776\t-\t모두 보기|32793\t-\t모두 숨기기|separator\t-\t|popup\t-\t다른 그룹 열기' \
    "$(grep -v '^  ' <<<"$top" | head -n 7 | paste -sd'|')"
  menu_pick "다른 그룹 열기"
  local end=$((SECONDS + 5)) items=""
  # The submenu is the menu window on top once it is open (the menu lists it indented before).
  until items=$(driver menu "@class:#32768" 2>/dev/null) && grep -q $'^[0-9]*\t-\t임시 보관함$' <<<"$items"; do
    [ "$SECONDS" -ge "$end" ] && fail "no group submenu: ${items:-none}"
    sleep 0.2
  done
  expect_eq "the group submenu" "DefaultMemo checked|가계부 -|공부 -|업무 -|여행 -|임시 보관함 -" \
    "$(awk -F'\t' '$1 != "separator" { print $3 " " $2 }' <<<"$items" | paste -sd'|')"
  screenshot tray-menu
  keys $VK_DOWN $VK_DOWN $VK_DOWN $VK_RETURN  # DefaultMemo, 가계부, 공부, 업무
  must - wait-gone "@class:#32768" 5
  lines=$(wait_memos 1 10) || exit 1
  work=$(field "$lines" hwnd)
  must text text "$(field "$lines" editor)"
  expect_eq "the memo of the group chosen fourth" "업무 메모" "$text"
  expect_eq "the list of the group left" "880,120,1180,320" \
    "$(list_fields "$(e2e_data_dir)/DefaultMemo.qld" windowRect)"

  tray_click 1
  expect_memo "$work" visible=0
  tray_click 1
  expect_memo "$work" visible=1
  close_by_broadcast
}

# With "LeftBtnClickRun" 1 a left click makes a memo in the first free place below the one at
# the top right corner. What is typed there is written at the second tick of the periodic save
# (every second here) with its edit time; a tick over a group without changes writes nothing.
tray_new_memo_and_saves() {
  local lines memo data record before after end
  lay_out_group <<'EOF'
[{"windowRect": {"left": 1100, "top": 15, "right": 1280, "bottom": 115}, "expandedSize": {"width": 180, "height": 100},
  "contentFile": "corner.rtf"}]
EOF
  write_content corner.rtf <<<'모서리'
  set_general LeftBtnClickRun 1
  quick_saves
  start_and_wait_frame
  wait_memos 1 10 >/dev/null || exit 1
  tray_click 1
  lines=$(wait_memos 2 10) || exit 1
  memo=$(hwnd_at 1150 150 "$lines")
  expect_memo "$memo" rect=1100,115,1280,215
  must - activate "$memo"
  must - type "hello 새 메모"

  data=$(e2e_data_dir)
  end=$((SECONDS + 10))
  until record=$(list_fields "$data/DefaultMemo.qld" contentFile editTime 2>/dev/null | sed -n 2p) &&
    [ -n "${record#* }" ] && grep -q "hello \\\\'bb\\\\'f5 \\\\'b8\\\\'de\\\\'b8\\\\'f0" "$data/${record%% *}" 2>/dev/null; do
    [ "$SECONDS" -ge "$end" ] && fail "the new memo is not saved after 10 s: ${record:-no record}"
    sleep 0.2
  done
  case ${record#* } in "2026-12-8 09:0"*) ;; *) fail "edit time, not the pinned clock's: ${record#* }" ;; esac

  before=$(file_times)
  wait_save_ticks 2
  after=$(file_times)
  expect_eq "files after a tick without changes" "$before" "$after"
  close_by_broadcast
}

# A memo whose content file is read-only: the periodic save (every second here) says so once and
# stays quiet at the ticks after, and the memo is not sent to another group unsaved; once the file
# may be written the text is saved. A list another program holds for a moment is written at a
# later tick, and a memo deleted meanwhile stays with its file. At closing, a save that fails asks while every memo window is still there: "취소"
# keeps the program running, "다시 시도" saves and ends it; the end of a Windows session leaves
# the text in an ".unsaved-" copy.
save_failures() {
  local lines editor data text end held
  lay_out_group <<'EOF'
[{"windowRect": {"left": 900, "top": 100, "right": 1200, "bottom": 300}, "expandedSize": {"width": 300, "height": 200},
  "contentFile": "locked.rtf"},
 {"windowRect": {"left": 600, "top": 100, "right": 880, "bottom": 300}, "expandedSize": {"width": 280, "height": 200},
  "contentFile": "free.rtf"}]
EOF
  data=$(e2e_data_dir)
  write_content locked.rtf <<<'잠긴 파일'
  write_content free.rtf <<<'보통 파일'
  chmod a-w "$data/locked.rtf"
  quick_saves
  start_and_wait_frame
  lines=$(wait_memos 2 10) || exit 1
  editor=$(field "$(memo_at 950 150 "$lines")" editor)
  must - post "$editor" 0x102 0x41 0  # WM_CHAR "A"
  must text dialog-text Quillet 3012 10
  expect_eq "the periodic save's failure" "메모를 정상적으로 저장하지 못하였습니다." "$text"
  must - click Quillet 1
  must - wait-gone Quillet 5
  must - post "$editor" 0x102 0x42 0  # "B" after it: still failing, and quiet
  # The second tick after "B" tries to save it; a box it opened would hold back the tick after.
  wait_save_ticks 3
  expect_absent "the failure was said again" wait-window Quillet 0

  # Sent to the temporary storage group (Alt+Delete) unsaved, the memo stays with its text.
  command_with_key 0x12 "$(hwnd_at 950 150 "$lines")" 32786
  must text dialog-text Quillet 3012 10
  expect_eq "the move's failed save" "메모를 정상적으로 저장하지 못하였습니다." "$text"
  must - click Quillet 1
  must - wait-gone Quillet 5
  [ "$(driver memos | grep -c .)" -eq 2 ] || fail "the unsaved memo went to the temporary storage group"

  chmod u+w "$data/locked.rtf"
  end=$((SECONDS + 10))
  until grep -q 'AB' "$data/locked.rtf"; do
    [ "$SECONDS" -ge "$end" ] && fail "locked.rtf not saved once writable: $(tr -d '\0' <"$data/locked.rtf")"
    sleep 0.2
  done

  # A list held open by another program for a moment is written at a later tick, moves and all.
  ( driver hold-file "$(winpath "$data/DefaultMemo.qld")" 3 >"$E2E_RUN/$E2E_SLUG.held" 2>&1 ) &
  held=$!
  wait_for_line "$E2E_RUN/$E2E_SLUG.held" holding 10 || fail "could not hold the list"
  must - place "$(hwnd_at 650 150 "$lines")" 600 320 880 520
  must text dialog-text Quillet 3012 10
  expect_eq "the list's failed write" "메모를 정상적으로 저장하지 못하였습니다." "$text"
  must - click Quillet 1
  wait "$held"
  wait_save_ticks 2
  expect_eq "the places once the list could be written" "900,100,1200,300 600,320,880,520" \
    "$(list_fields "$data/DefaultMemo.qld" windowRect | paste -sd' ')"

  # Deleted to the bin while its list is held, a memo stays with its file.
  ( driver hold-file "$(winpath "$data/DefaultMemo.qld")" 3 >"$E2E_RUN/$E2E_SLUG.held" 2>&1 ) &
  held=$!
  wait_for_line "$E2E_RUN/$E2E_SLUG.held" holding 10 || fail "could not hold the list"
  must - post-command "$(hwnd_at 650 150 "$lines")" 32786
  must - click "$delete_dialog" 1
  must text dialog-text Quillet 3012 10
  expect_eq "the delete's failed list write" "메모를 정상적으로 저장하지 못하였습니다." "$text"
  must - click Quillet 1
  wait "$held"
  [ "$(driver memos | grep -c .)" -eq 2 ] || fail "the memo went without its list written"
  [ -f "$data/free.rtf" ] && [ ! -f "$data/free.brt" ] || fail "free.rtf went to the bin: $(ls "$data")"

  # Closing with text that cannot be saved asks; "취소" keeps the program and the text.
  chmod a-w "$data/locked.rtf"
  must - post "$editor" 0x102 0x43 0  # "C", then close at once
  must - broadcast 3074
  must text dialog-text Quillet 3012 10
  expect_eq "the closing save's question" "$(printf '메모를 정상적으로 저장하지 못하였습니다. 다시 시도하시겠습니까?\n취소하면 프로그램이 종료되지 않습니다.')" "$text"
  [ "$(driver memos | grep -c .)" -eq 2 ] || fail "memo windows went before the failure was said"
  screenshot closing-save-question
  must - click Quillet 2
  must - wait-gone Quillet 5
  [ "$(driver memos | grep -c .)" -eq 2 ] || fail "the memos went after 취소"

  # Windows ends the session: no box, the text beside its file.
  must - send "$frame_title" 0x16 1 0 10  # WM_ENDSESSION
  expect_absent "a box at the end of the session" wait-window Quillet 0
  grep -q 'ABC' "$data"/locked.rtf.unsaved-* 2>/dev/null || fail "no unsaved copy of locked.rtf: $(ls "$data")"

  # "다시 시도" once the file can be written saves it and ends the program.
  must - broadcast 3074
  must - dialog-text Quillet 3012 10
  chmod u+w "$data/locked.rtf"
  must - click Quillet 4
  expect_program_ends "다시 시도"
  grep -q 'ABC' "$data/locked.rtf" || fail "locked.rtf: $(tr -d '\0' <"$data/locked.rtf")"
}

# "프로그램 종료" writes every memo's text and place, as the 3074 broadcast does.
exit_saves_every_memo() {
  local lines data
  memo_row_group one.rtf two.rtf
  write_content one.rtf <<<'하나'
  write_content two.rtf <<<'둘'
  start_and_wait_frame
  lines=$(wait_memos 2 10) || exit 1
  must - post "$(field "$(memo_at 30 30 "$lines")" editor)" 0x102 0x31 0        # "1"
  must - post "$(field "$(memo_at 340 30 "$lines")" editor)" 0x102 0x32 0       # "2"
  must - place "$(hwnd_at 340 30 "$lines")" 360 40 660 240
  must - post-command "$frame_title" 32773
  expect_program_ends "프로그램 종료"
  data=$(e2e_data_dir)
  grep -q "1\\\\'c7\\\\'cf\\\\'b3\\\\'aa" "$data/one.rtf" || fail "one.rtf: $(tr -d '\0' <"$data/one.rtf")"
  grep -q "2\\\\'b5\\\\'d1" "$data/two.rtf" || fail "two.rtf: $(tr -d '\0' <"$data/two.rtf")"
  expect_eq "the places" "20,20,320,220 360,40,660,240" \
    "$(list_fields "$data/DefaultMemo.qld" windowRect | paste -sd' ')"
}

# ten_memo_rects: the columns "모두 정렬" makes of ten 180 x 256 memos on the 1280 x 1024 screen
# with SortStart 15 (the five-memo example of a 400-pixel work area, scaled): three in the first
# column from 15, four in the second from 0, three in the third.
ten_memo_rects() {
  local i x y
  for i in 0 1 2 3 4 5 6 7 8 9; do
    if [ "$i" -lt 3 ]; then x=1280 y=$((15 + i * 256))
    elif [ "$i" -lt 7 ]; then x=1100 y=$(((i - 3) * 256))
    else x=920 y=$(((i - 7) * 256)); fi
    printf '%s,%s,%s,%s\n' $((x - 180)) "$y" "$x" $((y + 256))
  done
}

# Ten memos scattered over the screen: "모두 정렬" puts them in columns from the right in list
# order, "모두 접은 후 정렬" folds them into one column, "모두 펼친 후 정렬" brings the columns back,
# and "현재 위치기반 정렬" reorders the list by where the memos stand and writes it.
arranging() {
  local lines i hwnds=() expected folded height
  python3 -c '
import json
palette = [13027014, 14803425, 11904678, 15395518, 12570090, 15388094, 12511950, 12511978, 15385568, 13540095]
print(json.dumps([{"windowRect": {"left": 40 + 90 * i, "top": 60 + 70 * i, "right": 220 + 90 * i, "bottom": 316 + 70 * i},
                   "expandedSize": {"width": 180, "height": 256}, "paletteColor": palette[i], "colorType": i,
                   "contentFile": "m%d.rtf" % i, "title": "메모 %d" % i} for i in range(10)]))' | lay_out_group
  for i in 0 1 2 3 4 5 6 7 8 9; do write_content "m$i.rtf" <<<"$i번째 메모"$'\n'"정렬 시험"; done
  start_and_wait_frame
  lines=$(wait_memos 10 20) || exit 1
  for i in 0 1 2 3 4 5 6 7 8 9; do hwnds+=("$(hwnd_at $((50 + 90 * i)) $((65 + 70 * i)) "$lines")") || exit 1; done

  must - post-command "$frame_title" 32778
  mapfile -t expected < <(ten_memo_rects)
  for i in 0 1 2 3 4 5 6 7 8 9; do expect_memo "${hwnds[i]}" visible=1 rect="${expected[i]}"; done
  expect_pixel "the last memo's pink, drawn where the eighth was" 800 600 0xf7b8ff
  screenshot ten-arranged-memos

  must - post-command "$frame_title" 32790
  folded=$(folded_size "메모 0" 180) || exit 1
  height=${folded#*x}
  for i in 0 1 2 3 4 5 6 7 8 9; do
    expect_memo "${hwnds[i]}" shown=0 rect=1100,$((15 + i * height)),1280,$((15 + (i + 1) * height))
  done

  must - post-command "$frame_title" 32789
  for i in 0 1 2 3 4 5 6 7 8 9; do expect_memo "${hwnds[i]}" shown=1 rect="${expected[i]}"; done

  # The last memo moved by hand above the first: it leads the right column now.
  must - place "${hwnds[9]}" 1100 5 1280 261
  must - post-command "$frame_title" 32865
  expect_memo "${hwnds[9]}" rect="${expected[0]}"
  expect_memo "${hwnds[0]}" rect="${expected[1]}"
  expect_memo "${hwnds[8]}" rect="${expected[9]}"
  expect_eq "the list in the new order" "m9.rtf m0.rtf m1.rtf m2.rtf m3.rtf m4.rtf m5.rtf m6.rtf m7.rtf m8.rtf" \
    "$(list_fields "$(e2e_data_dir)/DefaultMemo.qld" contentFile | paste -sd' ')"
  close_by_broadcast
}
