# The kill campaign: the program runs over a group of memos while the driver types into them,
# moves and retitles them and adds schedules and anniversaries, and every Wine program of the
# prefix is killed (SIGKILL) at a random moment, half the time the moment a save tick starts.
# After each kill every data file parses and nothing that was on the disk before is missing or
# older; the next trial starts the program on what the kill left and waits for every memo.
# KILL_TRIALS sets the trials of one scenario (10); the figures go to the log and to
# $E2E_RUN/kill-figures.

kill_check() { python3 "$e2e_here/tools/kill_check.py" "$@"; }

# A portable program folder: its settings file, three memos of seeded letters, and the calendar at
# the bottom left, out of the memos' way.
kill_program_folder() {
  local dir name
  dir=$(fresh_program_folder) || exit 1
  printf '<Portable>\r\n    <Enable>1</Enable>\r\n</Portable>\r\n<General>\r\n    <StartProgram>0</StartProgram>\r\n</General>\r\n<Calendar>\r\n    <WinSXSY>20 760</WinSXSY>\r\n    <AutoStart>1</AutoStart>\r\n    <MemorialDayCheck>0</MemorialDayCheck>\r\n</Calendar>\r\n' \
    >"$dir/QuilletDB.xml" || fail "could not write the settings file"
  mkdir -p "$(e2e_data_dir)" "$dir/CalendarSkin"
  quillet_data import - "$(e2e_data_dir)/DefaultMemo.qld" <<'EOF' || fail "could not make the group"
[{"windowRect": {"left": 20, "top": 20, "right": 320, "bottom": 220}, "contentFile": "a.rtf", "title": "T0"},
 {"windowRect": {"left": 20, "top": 250, "right": 320, "bottom": 450}, "contentFile": "b.rtf", "title": "T0"},
 {"windowRect": {"left": 20, "top": 480, "right": 320, "bottom": 680}, "contentFile": "c.rtf", "title": "T0"}]
EOF
  # Lines of letters, one memo large enough that its save takes a while.
  for name in a b c; do
    tr -dc 'a-z' </dev/urandom | head -c "$([ "$name" = a ] && echo 80000 || echo 16000)" | fold -w 80 |
      write_content "$name.rtf"
  done
}

# kill_target: the Linux process of the running Quillet.exe.
kill_target() {
  local p
  for p in $(wine_program_pids); do
    tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null | grep -q 'Quillet\.exe' && { echo "$p"; return 0; }
  done
  return 1
}

# kill_programs PID: SIGKILL to the program at once, then to every other Wine program of the
# prefix (the desktop, the services), as a power cut would leave them.
kill_programs() {
  kill -KILL "$1" 2>/dev/null
  wine_end_programs || fail "Wine programs still running after SIGKILL"
}

# kill_act N: one random action of trial N on the memos of $kill_memos.
kill_act() {
  local n=$1 memo editor line x y
  line=$(sed -n "$((RANDOM % $(grep -c . <<<"$kill_memos") + 1))p" <<<"$kill_memos")
  memo=$(field "$line" hwnd)
  editor=$(field "$line" editor)
  case $((RANDOM % 10)) in
    0 | 1 | 2 | 3)
      for _ in $(seq $((RANDOM % 3 + 1))); do
        must - post "$editor" 0x102 $((0x61 + RANDOM % 26)) 0
      done ;;
    4 | 5)
      x=$((RANDOM % 600 + 340)) y=$((RANDOM % 480 + 20))
      must - place "$memo" "$x" "$y" $((x + 300)) $((y + 200)) ;;
    6)
      kill_titles=$((kill_titles + 1))
      must - post-command "$memo" 1010
      must - dialog-text "타이틀 입력" 1232 10
      must - set-text "타이틀 입력" 1232 "T$kill_titles"
      must - click "타이틀 입력" 1
      must - wait-gone "타이틀 입력" 5 ;;
    7) add_schedule_from_manager "s$n-$RANDOM" ;;
    8)
      # Through the preferences' calendar page: a double-click on the calendar needs the pointer,
      # which a busy trial may find over the day's balloon.
      must - post-command "$frame_title" 32822
      must - wait-window "Quillet 환경설정" 10
      must - click "Quillet 환경설정" 1064
      must - dialog-text "기념일" 3231 10
      must - set-text "기념일" 3231 "a$n-$RANDOM"
      must - click "기념일" 1
      must - wait-gone "기념일" 5
      must - click "Quillet 환경설정" 2
      must - wait-gone "Quillet 환경설정" 5 ;;
    *)
      # "새 메모", a few times: the list grows at once. New memos stand in columns from the right.
      if [ "$(grep -c . <<<"$kill_memos")" -lt 6 ]; then must - post-command "$frame_title" 32774; fi ;;
  esac
}

# kill_trial N: one start, some actions, one kill; the data after it against what was saved.
kill_trial() {
  local n=$1 memos target before=$E2E_RUN/kill-before.json after=$E2E_RUN/kill-after.json ticks inside=0
  memos=$(python3 -c 'import json,sys; print(sum(1 for m in json.load(open(sys.argv[1]))["memos"].values() if m["list"] == "DefaultMemo.qld"))' "$before")
  start_quillet
  pid=$E2E_LAST_PID
  must - wait-window "$frame_title" 20
  # The program starts again and shows every memo the kill left.
  kill_memos=$(wait_memos "$memos" 15) || exit 1
  target=$(kill_target) || fail "trial $n: no Quillet.exe process"
  for _ in $(seq $((RANDOM % 4 + 1))); do kill_act "$n"; done
  # What is on the disk now was saved: it must outlive the kill.
  kill_check snapshot "$E2E_DATA_TOOL" "$(e2e_program_dir)" "$before" || fail "trial $n: a file does not parse while running"
  if [ $((RANDOM % 2)) -eq 0 ]; then
    must - post "$(field "$(head -n 1 <<<"$kill_memos")" editor)" 0x102 $((0x61 + RANDOM % 26)) 0
    # The second tick after a keystroke saves the memo: killed as it starts.
    ticks=$(($(grep -c ' save tick$' "$E2E_TRACE") + 2))
    until [ "$(grep -c ' save tick$' "$E2E_TRACE")" -ge "$ticks" ]; do :; done
  else
    sleep "0.$((RANDOM % 10))"
  fi
  kill_programs "$target"
  wait_exit "$pid" 10 >/dev/null || fail "trial $n: the program did not end after the kill"
  [ "$(tail -n 1 "$E2E_TRACE" | sed 's/^[^ ]* [^ ]* //')" = "save tick" ] && inside=1
  kill_inside=$((kill_inside + inside))
  kill_check snapshot "$E2E_DATA_TOOL" "$(e2e_program_dir)" "$after" || fail "trial $n: a file does not parse after the kill"
  kill_leftovers=$(python3 -c 'import json,sys; print(len(json.load(open(sys.argv[1]))["temporary"]))' "$after")
  kill_check compare "$before" "$after" >"$E2E_RUN/kill-losses" || {
    kill_losses=$((kill_losses + $(grep -c . <"$E2E_RUN/kill-losses")))
    fail "trial $n lost data: $(tr '\n' '|' <"$E2E_RUN/kill-losses")"
  }
  cp "$after" "$before"
}

kill_campaign() {
  local trials=${KILL_TRIALS:-10} n started=$SECONDS
  kill_titles=0 kill_inside=0 kill_leftovers=0 kill_losses=0
  kill_program_folder
  export QUILLET_TEST_SAVE_MS=200
  pinned_clock "2026-12-08 10:10:00"
  kill_check snapshot "$E2E_DATA_TOOL" "$(e2e_program_dir)" "$E2E_RUN/kill-before.json" || fail "the seeded files do not parse"
  for n in $(seq "$trials"); do kill_trial "$n"; done
  # A last start shows every memo, and a normal close keeps them. What the kills left half
  # written, an hour old by the program's clock, is cleared away at that start.
  printf 'cut short' >"$(e2e_data_dir)/DefaultMemo.qld.4242-0.tmp"  # one at least, whatever the kills hit
  find "$(e2e_program_dir)" -name '*.tmp' -exec touch -d "2026-12-08 09:00" {} +
  start_and_wait_frame
  wait_memos "$(grep -c . <<<"$(list_fields "$(e2e_data_dir)/DefaultMemo.qld" contentFile)")" 15 >/dev/null || exit 1
  close_by_broadcast
  [ -z "$(find "$(e2e_program_dir)" -name '*.tmp')" ] ||
    fail "temporary files outlived a start: $(find "$(e2e_program_dir)" -name '*.tmp' | tr '\n' ' ')"
  printf 'kill campaign: %d trials in %d s, %d killed inside a save tick, %d temporary files left behind, %d losses\n' \
    "$trials" $((SECONDS - started)) "$kill_inside" "$kill_leftovers" "$kill_losses" | tee -a "$E2E_RUN/kill-figures" >&2
}
