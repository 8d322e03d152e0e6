# shellcheck shell=bash
# Scenarios of the recycle bin, manual recovery and the memo groups dialog: what the dialogs list,
# and the lists and content files they leave in the data folder.
# Sourced by run-e2e.

restore_title="지운 메모 복원"
groups_title="메모 그룹 편집"

# ask_for_group PROMPT NAME: the groups dialog's input box answered with NAME.
ask_for_group() {
  must - wait-window "$1" 10
  must - set-text "$1" 249 "$2"
  must - click "$1" 1
  must - wait-gone "$1" 5
}

# The bin lists deleted memos as they are deleted, previews them and restores one into the open
# group, at the new memos' z-position; a restore whose file is held open says so and makes no
# memo, and the entry stays.
groups_recycle_bin() {
  local lines one two rows data holding
  memo_row_group one.rtf two.rtf
  write_content one.rtf <<<'첫째 메모'
  write_content two.rtf <<<'둘째 메모'
  data=$(e2e_data_dir)
  write_content old.brt <<<'예전에 지운 메모'
  set_general MemoZPosition 1
  start_and_wait_frame
  lines=$(wait_memos 2 10) || exit 1
  one=$(hwnd_at 30 30 "$lines") && two=$(hwnd_at 330 30 "$lines") || exit 1
  must - post-command "$frame_title" 32817
  must - wait-window "$restore_title" 10
  must rows list-rows "$restore_title" 1087
  grep -q $'\told.brt\t' <<<"$rows" || fail "the bin does not list old.brt: $rows"

  must - post-command "$two" 32786
  must - click "$delete_dialog" 1
  must - wait-gone "$delete_dialog" 5
  wait_memos 1 5 >/dev/null || exit 1
  must rows list-rows "$restore_title" 1087
  grep -q $'\ttwo.brt\t' <<<"$rows" || fail "the deleted memo is not listed at once: $rows"
  must - list-select "$restore_title" 1087 1
  must text dialog-text "$restore_title" 1088 5
  expect_eq "the preview" "둘째 메모" "$text"
  screenshot restore-dialog

  must - click "$restore_title" 1089
  answer_question "선택된 메모를 복원하시겠습니까?" 6
  lines=$(wait_memos 2 10) || exit 1
  grep -q ' rect=[0-9]*,[0-9]*,[0-9]*,[0-9]* ' <<<"$lines" && ! grep -q ' rect=\([0-9]*\),\([0-9]*\),\1,' <<<"$lines" ||
    fail "the restored memo has no width: $lines"
  expect_memo "$(field "$(grep -v "^hwnd=$one " <<<"$lines")" hwnd)" topmost=1
  [ -f "$data/two.rtf" ] && [ ! -f "$data/two.brt" ] || fail "two.brt was not moved back: $(ls "$data")"
  expect_eq "the list after the restore" "one.rtf two.rtf" "$(list_fields "$data/DefaultMemo.qld" contentFile | paste -sd' ')"

  holding=$E2E_RUN/$E2E_SLUG.holding
  ( driver hold-file "$(winpath "$data/old.brt")" 30 >"$holding" ) &
  wait_for_line "$holding" holding 10 || fail "the driver does not hold old.brt"
  must - list-select "$restore_title" 1087 0
  must - click "$restore_title" 1089
  must text dialog-text Quillet 3012 10
  expect_eq "the question" "선택된 메모를 복원하시겠습니까?" "$text"
  must - click Quillet 6
  local end=$((SECONDS + 5))  # the notice comes in a box of the same title
  until [ "$(driver dialog-text Quillet 3012 1 2>/dev/null)" = "복원하지 못하였습니다" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "no notice of the failed restore"
    sleep 0.2
  done
  must - click Quillet 1
  must - wait-gone Quillet 5
  must rows list-rows "$restore_title" 1087
  grep -q $'\told.brt\t' <<<"$rows" || fail "the entry that could not be restored left the list: $rows"
  wait_memos 2 3 >/dev/null || exit 1
  [ -f "$data/old.brt" ] && [ ! -f "$data/old.rtf" ] || fail "old.brt moved: $(ls "$data")"
  close_by_broadcast
}

# The bin opened from the tray menu erases: "삭제" the selected entry's file after a question,
# "모두 삭제" every entry's; the group's memos stay.
groups_recycle_bin_erasing() {
  local data rows row
  memo_row_group one.rtf
  data=$(e2e_data_dir)
  write_content one.rtf <<<'남는 메모'
  write_content a.brt <<<'지운 메모 하나'
  write_content b.brt <<<'지운 메모 둘'
  write_content c.brt <<<'지운 메모 셋'
  start_and_wait_frame
  wait_memos 1 10 >/dev/null || exit 1
  tray_pick "지운 메모 복원"
  must - wait-window "$restore_title" 10
  must rows list-rows "$restore_title" 1087
  expect_eq "the bin's entries" "a.brt b.brt c.brt" "$(cut -f2 <<<"$rows" | sort | paste -sd' ')"
  row=$(cut -f2 <<<"$rows" | grep -nx b.brt | cut -d: -f1)
  must - list-select "$restore_title" 1087 $((row - 1))
  must - click "$restore_title" 1066
  answer_question "선택된 메모를 완전히 삭제하시겠습니까?" 6
  expect_answer "$(grep -v $'\tb.brt\t' <<<"$rows")" 5 list-rows "$restore_title" 1087
  expect_eq "the files after one is erased" "a.brt c.brt one.rtf" "$(cd "$data" && ls -- *.brt *.rtf | paste -sd' ')"

  must - click "$restore_title" 1067
  answer_question "모든 목록을 완전히 삭제하시겠습니까?" 6
  expect_answer "" 5 list-rows "$restore_title" 1087
  expect_eq "the files after the bin is emptied" "one.rtf" "$(cd "$data" && ls -- *.brt *.rtf 2>/dev/null | paste -sd' ')"
  screenshot restore-emptied
  must - click "$restore_title" 2
  must - wait-gone "$restore_title" 5
  wait_memos 1 3 >/dev/null || exit 1
  close_by_broadcast
}

# A damaged list starts manual recovery, which lists only content files no list names; "모두
# 삭제" then erases those and nothing any group still needs.
groups_manual_recovery() {
  local data rows before
  memo_row_group one.rtf
  data=$(e2e_data_dir)
  write_content one.rtf <<<'기본 그룹 메모'
  import_group 업무 <<<'[{"windowRect": {"left": 400, "top": 100, "right": 700, "bottom": 300}, "contentFile": "work.rtf"}]'
  write_content work.rtf <<<'업무 메모'
  write_content orphan.rtf <<<'목록을 잃은 메모'
  import_group Broken <<<'[]'
  : >"$data/Broken.qld"  # empty: replaced when opened, which starts the recovery
  set_setting General MemoDBFile sz Broken.qld
  before=$(cd "$data" && md5sum one.rtf work.rtf)
  start_and_wait_frame
  answer_notice "메모 목록 자료가 손상되었습니다. 수동 복구를 시도합니다"
  must - wait-window "수동 메모 복구" 10
  must rows list-rows "수동 메모 복구" 1087
  expect_eq "the orphans" "orphan.rtf" "$(cut -f2 <<<"$rows")"
  screenshot restore-manual
  must - click "수동 메모 복구" 1067
  answer_question "모든 목록을 완전히 삭제하시겠습니까?" 6
  [ ! -f "$data/orphan.rtf" ] || fail "the orphan is still there"
  expect_eq "the live content files" "$before" "$(cd "$data" && md5sum one.rtf work.rtf)"
  close_by_broadcast
}

# tray_group_menu GROUP...: the tray menu open, and in it "다른 그룹 열기", which lists the groups
# anew for the group commands, from 5224 on: the open one checked, the temporary storage last
# after a line.
tray_group_menu() {
  local expected="" id=5224 group items end=$((SECONDS + 5))
  for group; do
    [ "$group" = "임시 보관함" ] && expected+="separator|-|"$'\n'
    expected+="$id|$([ "$group" = "$open_group" ] && echo checked || echo -)|$group"$'\n'
    id=$((id + 1))
  done
  tray_click 3
  must - wait-window "@class:#32768" 5
  menu_pick "다른 그룹 열기"
  # The submenu, open, is the menu window on top.
  until items=$(driver menu "@class:#32768" 2>/dev/null | tr '\t' '|') && [ "$items" = "${expected%$'\n'}" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "the tray menu's groups: expected '$expected', got '$items'"
    sleep 0.2
  done
}

# Adding refuses unusable and existing names (any letter case); a memo goes to another group
# from the memo menu and to the temporary storage with Alt-delete; renaming the open group keeps
# it open under the new name; an empty group goes after a question, one with memos to the bin by
# the delete dialog's first choice; the temporary storage opens from the tray menu.
groups_dialog() {
  local data lines one two text
  memo_row_group one.rtf two.rtf
  data=$(e2e_data_dir)
  write_content one.rtf <<<'첫째'
  write_content two.rtf <<<'둘째'
  import_group Old <<<'[{"windowRect": {"left": 400, "top": 400, "right": 700, "bottom": 600}, "contentFile": "old.rtf"}]'
  mv "$data/Old.qld" "$data/Old.QLD"
  write_content old.rtf <<<'옛 그룹 메모'
  start_and_wait_frame
  lines=$(wait_memos 2 10) || exit 1
  one=$(hwnd_at 30 30 "$lines") || exit 1
  two=$(hwnd_at 330 30 "$lines") || exit 1
  must - post-command "$frame_title" 32862
  must - wait-window "$groups_title" 10
  must text dialog-text "$groups_title" 1253 5
  expect_eq "the open group" DefaultMemo "$text"

  must - click "$groups_title" 1064
  ask_for_group "새 그룹을 입력하세요" 업무
  [ -f "$data/업무.qld" ] || fail "no list for the new group: $(ls "$data")"
  for name in "a/b" CON; do
    must - click "$groups_title" 1064
    ask_for_group "새 그룹을 입력하세요" "$name"
    answer_notice "그룹 이름으로 사용할 수 없습니다."
  done
  must - click "$groups_title" 1064
  ask_for_group "새 그룹을 입력하세요" old
  answer_notice "이미 존재하는 그룹입니다."
  screenshot groups-dialog

  # Wine lists the folder by name: DefaultMemo, Old, 업무, then the temporary storage.
  open_group=DefaultMemo
  tray_group_menu DefaultMemo Old 업무 "임시 보관함"
  screenshot tray-menu-groups
  keys 0x1b 0x1b
  must - post "$one" 0xa4 2 $(((30 << 16) | 30))  # WM_NCRBUTTONDOWN: the memo's menu
  must - wait-window "@class:#32768" 5
  menu_pick "다른그룹으로 보내기" Old
  wait_memos 1 5 >/dev/null || exit 1
  delete_with_key 0x12 "$two" 0  # Alt: to the temporary storage
  expect_eq "Old's memos" "old.rtf one.rtf" "$(list_fields "$data/Old.QLD" contentFile | paste -sd' ')"
  expect_eq "the temporary storage" "two.rtf" "$(list_fields "$data/RecycleBin.qlr" contentFile)"

  must - select "$groups_title" 1249 0
  must - click "$groups_title" 1065
  ask_for_group "그룹 이름을 변경하세요" 기본
  must text dialog-text "$groups_title" 1253 5
  expect_eq "the renamed open group" 기본 "$text"
  [ -f "$data/기본.qld" ] && [ ! -f "$data/DefaultMemo.qld" ] || fail "the open group was not renamed: $(ls "$data")"

  # Now Old, 기본, 업무.
  must - select "$groups_title" 1249 2
  must - click "$groups_title" 1066
  answer_question "선택한 그룹을 삭제하시겠습니까?" 6
  [ ! -f "$data/업무.qld" ] || fail "the empty group is still there"
  must - select "$groups_title" 1249 0
  must - click "$groups_title" 1066
  must - dialog-text "Quillet - 메모 그룹 삭제" 1081 10
  screenshot group-delete-dialog
  must - click "Quillet - 메모 그룹 삭제" 1081
  must - wait-gone "Quillet - 메모 그룹 삭제" 5
  [ ! -f "$data/Old.QLD" ] && [ -f "$data/old.brt" ] && [ -f "$data/one.brt" ] ||
    fail "the group did not go to the bin: $(ls "$data")"

  open_group=기본
  tray_group_menu 기본 "임시 보관함"
  keys 0x1b 0x1b
  must - post-command "$frame_title" 5225
  wait_memos 1 10 >/dev/null || exit 1
  must text dialog-text "$groups_title" 1253 5
  expect_eq "the open group after the tray's choice" "임시 보관함" "$text"
  # A folder that has lost every list still offers "DefaultMemo", selected.
  mkdir -p "$E2E_RUN/lists" && mv "$data"/*.qld "$data"/*.QLD "$E2E_RUN/lists/" 2>/dev/null
  must - click "$groups_title" 2
  must - wait-gone "$groups_title" 5
  must - post-command "$frame_title" 32862
  must - dialog-text "$groups_title" 1253 5
  expect_eq "the list of a folder without lists: count, selection" "1 0" \
    "$(driver send-item "$groups_title" 1249 0x18b 0 0) $(driver send-item "$groups_title" 1249 0x188 0 0)"
  mv "$E2E_RUN/lists/"* "$data/"
  close_by_broadcast
  must text reg-sz "$settings\\General" MemoDBFile
  expect_eq "MemoDBFile" RecycleBin.qlr "$text"
  [ -f "$data/기본.qld" ] && [ -z "$(list_fields "$data/기본.qld" contentFile)" ] || fail "기본 is not the empty group it should be"
}

# "..." picks another data folder in the system's folder browser (Wine's does not open at the
# current folder, which the program asks for, so the driver walks its tree from the drive):
# the new folder's group opens with its memos, and the old folder's files stay as they were.
groups_data_folder() {
  local data other before text
  memo_row_group one.rtf
  data=$(e2e_data_dir)
  write_content one.rtf <<<'원래 폴더 메모'
  other="$(e2e_program_dir)/other_data"
  mkdir -p "$other"
  quillet_data import - "$other/Other.qld" \
    <<<'[{"windowRect": {"left": 500, "top": 100, "right": 800, "bottom": 300}, "contentFile": "other.rtf"}]' ||
    fail "could not make the other folder's group"
  write_content other.rtf <<<'다른 폴더 메모'
  mv "$data/other.rtf" "$other/" || fail "could not move other.rtf"
  start_and_wait_frame
  wait_memos 1 10 >/dev/null || exit 1
  before=$(list_fields "$data/DefaultMemo.qld" contentFile windowRect; cd "$data" && md5sum ./*.rtf)
  must - post-command "$frame_title" 32862
  must - wait-window "$groups_title" 10
  pick_data_folder "$other" folder-browser
  must text dialog-text "$groups_title" 1253 5
  expect_eq "the open group in the new folder" Other "$text"
  must text dialog-text "$groups_title" 1090 5
  expect_eq "the data folder" "$(winpath "$other")\\" "$text"
  lines=$(wait_memos 1 10) || exit 1
  must text text "$(field "$lines" editor)"
  expect_eq "the memo of the new folder" "다른 폴더 메모" "$text"
  close_by_broadcast
  expect_eq "the old folder's memos" "$before" \
    "$(list_fields "$data/DefaultMemo.qld" contentFile windowRect; cd "$data" && md5sum ./*.rtf)"
  expect_eq "the new folder's memos" "other.rtf" "$(list_fields "$other/Other.qld" contentFile)"
}

# The open group stored as "Work.qld" beside the file "Work.QLD": the dialog shows it open as it is
# and changes neither "MemoDBFile" nor another group's list.
groups_open_group_in_other_case() {
  local data other text
  memo_row_group one.rtf
  data=$(e2e_data_dir)
  write_content one.rtf <<<'업무 메모'
  mv "$data/DefaultMemo.qld" "$data/Work.QLD"
  import_group Another <<<'[{"windowRect": {"left": 400, "top": 100, "right": 700, "bottom": 300}, "contentFile": "another.rtf"}]'
  other=$(md5sum <"$data/Another.qld")
  set_setting General MemoDBFile sz Work.qld
  start_and_wait_frame
  wait_memos 1 10 >/dev/null || exit 1
  must - post-command "$frame_title" 32862
  must text dialog-text "$groups_title" 1253 10
  expect_eq "the open group" Work "$text"
  close_by_broadcast
  must text reg-sz "$settings\\General" MemoDBFile
  expect_eq "MemoDBFile" Work.qld "$text"
  expect_eq "the other group's list" "$other" "$(md5sum <"$data/Another.qld")"
}

# A group switch from the tray while a memo's title box is open takes the box with its memo; the
# other group's memo shows, and the program still closes cleanly with both lists intact.
groups_switch_under_a_memo_box() {
  local lines text data
  memo_row_group one.rtf
  data=$(e2e_data_dir)
  write_content one.rtf <<<'첫째'
  import_group Other <<<'[{"windowRect": {"left": 400, "top": 400, "right": 700, "bottom": 600}, "contentFile": "other.rtf"}]'
  write_content other.rtf <<<'다른 그룹'
  start_and_wait_frame
  lines=$(wait_memos 1 10) || exit 1
  must - post-command "$(field "$lines" hwnd)" 1010
  must - wait-window "타이틀 입력" 5
  open_group=DefaultMemo
  tray_group_menu DefaultMemo Other "임시 보관함"
  keys 0x1b 0x1b
  must - wait-gone "@class:#32768" 5
  must - post-command "$frame_title" 5225  # the menu's "Other"
  must - wait-gone "타이틀 입력" 5
  lines=$(wait_memos 1 10) || exit 1
  must text text "$(field "$lines" editor)"
  expect_eq "the other group's memo" "다른 그룹" "$text"
  close_by_broadcast
  expect_eq "the lists" "one.rtf other.rtf" \
    "$(list_fields "$data/DefaultMemo.qld" contentFile) $(list_fields "$data/Other.qld" contentFile)"
}
