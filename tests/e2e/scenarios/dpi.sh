# shellcheck shell=bash
# The program on screens of more than 96 DPI, as Wine's LogPixels makes them: the memo chrome,
# the widgets and the preferences grow with the screen, while the stored rectangles stay in
# pixels. Sourced by run-e2e.

# at_dpi PIXELS DPI: a measure of 96 DPI on that screen, rounded as the program rounds it.
at_dpi() { echo $((($1 * $2 + 48) / 96)); }

# set_screen_dpi DPI: what every program started from now on takes the screen's DPI to be.
set_screen_dpi() {
  LC_ALL=$E2E_LOCALE "$E2E_WINE_RUN" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >/dev/null 2>&1 || fail "could not set LogPixels to $1"
}

# rect_of LINE: "left top right bottom" of the driver's rect= field.
rect_of() { field "$1" rect | tr , ' '; }

# An expanded memo and a folded one with a title.
dpi_group() {
  lay_out_group <<'EOF'
[
  {"windowRect": {"left": 60, "top": 60, "right": 420, "bottom": 300}, "expandedSize": {"width": 360, "height": 240},
   "colorType": 3, "paletteColor": 15395518, "zPosition": 0, "contentFile": "a.rtf", "title": "펼친 메모"},
  {"windowRect": {"left": 700, "top": 60, "right": 900, "bottom": 78}, "expandedSize": {"width": 260, "height": 150},
   "expanded": 0, "zPosition": 0, "contentFile": "b.rtf", "title": "접힌 메모"}
]
EOF
  write_content a.rtf <<<$'높은 DPI의 메모\n둘째 줄은 조금 더 길게 적어 본다'
  write_content b.rtf <<<'접힌 메모의 글'
}

# dpi_chrome DPI: the strip, the editor's inset and the folded memo at that DPI, and the clock's
# picture scaled from its 144 pixels. Prints the expanded memo's line.
dpi_chrome() {
  local dpi=$1 lines memo folded strip editor text width height left top right bottom
  lines=$(wait_memos 2 10) || exit 1
  memo=$(memo_at 100 200 "$lines") && folded=$(memo_at 850 65 "$lines") || exit 1
  expect_eq "the expanded memo's rectangle at $dpi DPI" 60,60,420,300 "$(field "$memo" rect)"
  read -r left top right bottom <<<"$(rect_of "$memo")"
  must strip wait-window "$(field "$memo" strip)" 0
  expect_eq "the strip at $dpi DPI" "$left,$top,$right,$((top + $(at_dpi 17 "$dpi")))" "$(field "$strip" rect)"
  must editor wait-window "$(field "$memo" editor)" 0
  expect_eq "the editor at $dpi DPI" \
    "$((left + $(at_dpi 5 "$dpi"))),$((top + $(at_dpi 20 "$dpi"))),$((right - $(at_dpi 5 "$dpi"))),$((bottom - $(at_dpi 5 "$dpi")))" \
    "$(field "$editor" rect)"

  # The title's font grows too: the folded memo fits the title measured at that height.
  must text text-size Tahoma "$(at_dpi 14 "$dpi")" 400 "접힌 메모"
  width=$((${text%x*} + $(at_dpi 40 "$dpi"))) height=$((${text#*x} + 2))
  [ "$width" -lt "$(at_dpi 180 "$dpi")" ] && width=$(at_dpi 180 "$dpi")
  [ "$height" -lt "$(at_dpi 18 "$dpi")" ] && height=$(at_dpi 18 "$dpi")
  expect_eq "the folded memo at $dpi DPI" "$((900 - width)),60,900,$((60 + height))" "$(field "$folded" rect)"

  must - post-command "$frame_title" 32830  # 시계 보기
  expect_window "$clock_title" visible=1 rect=900,300,$((900 + $(at_dpi 144 "$dpi"))),$((300 + $(at_dpi 144 "$dpi")))
  printf '%s\n' "$memo"
}

# At 96, 120, 144 and 192 DPI the chrome follows the screen and a list written at one opens
# unchanged at another; at 144 the resize zones and the strip's buttons too; the preferences fit.
dpi_every_scale() {
  local dpi memo stored
  for dpi in 96 120 144 192; do
    dpi_group
    set_setting Clock WinSXSY sz "900 300"
    set_screen_dpi "$dpi"
    start_and_wait_frame
    memo=$(dpi_chrome "$dpi") || exit 1
    screenshot "dpi-$dpi"
    # 1366 × 768 at 100 % and 1920 × 1080 at 150 %, less a taskbar, as far as the screen allows.
    [ "$dpi" -eq 96 ] && dpi_prefs_fit 96 1280 728
    [ "$dpi" -eq 144 ] && dpi_at_144 "$memo" && dpi_prefs_fit 144 1280 1020
    close_by_broadcast
    # Folded at 144 DPI, the memo keeps its expanded size in pixels.
    stored=$(list_fields "$(e2e_data_dir)/DefaultMemo.qld" windowRect expandedSize | head -n 1)
    [ "$dpi" -eq 144 ] && stored="60,60,420,300 ${stored#* }"
    expect_eq "the stored rectangle after $dpi DPI" "60,60,420,300 360,240" "$stored"
  done
}

# dpi_at_144 LINE: the hit zones, the strip's buttons and the format bar of the expanded memo at
# 144 DPI.
dpi_at_144() {
  local memo=$1 hwnd left top right bottom
  hwnd=$(field "$memo" hwnd)
  read -r left top right bottom <<<"$(rect_of "$memo")"
  # WM_NCHITTEST 6 pixels in is the left zone at 150 % (8 wide), the memo's own client at 100 %
  # (5 wide); then the top rows and, below them, the strip, which drags.
  expect_answer result=10 0 send "$hwnd" 0x84 0 $(((top + 100) << 16 | (left + 6))) 5
  expect_answer result=12 0 send "$hwnd" 0x84 0 $(((top + 4) << 16 | (left + 100))) 5
  expect_answer result=2 0 send "$hwnd" 0x84 0 $(((top + 22) << 16 | (left + 100))) 5
  must - activate "$hwnd"
  # The strip's buttons sit 57 (the format bar's) and 15 (folding) pixels from the right at 96 DPI;
  # at 144 the middles of their places are 79 and 15 pixels from it.
  must - click-at "$(field "$memo" strip)" $((right - left - 79)) 12
  # The format bar, 20 pixels high at 96 DPI below the strip's 18, pushes the editor down.
  wait_until 5 "the editor does not start at row $((top + $(at_dpi 38 144)))" \
    editor_top_is "$(field "$memo" editor)" $((top + $(at_dpi 38 144)))
  screenshot dpi-144-active
  must - click-at "$(field "$memo" strip)" $((right - left - 15)) 13
  wait_until 5 "the memo folded from its strip at 144 DPI: $(memo_line "$hwnd")" \
    memo_rect_is "$hwnd" "$right" "$top" "$(at_dpi 18 144)"
  screenshot dpi-144-folded
}

# dpi_prefs_fit DPI WIDTH HEIGHT: the preferences fit a work area of that size.
dpi_prefs_fit() {
  local prefs left top right bottom
  open_prefs
  must prefs wait-window "$prefs_title" 0
  read -r left top right bottom <<<"$(rect_of "$prefs")"
  [ $((right - left)) -le "$2" ] && [ $((bottom - top)) -le "$3" ] ||
    fail "the preferences at $1 DPI are $((right - left))x$((bottom - top)), more than a $2x$3 work area"
  screenshot "dpi-$1-prefs"
  must - click "$prefs_title" 2
  must - wait-gone "$prefs_title" 5
}

# memo_rect_is HWND RIGHT TOP MINHEIGHT: the memo keeps its right edge and top, folded to at least
# that height and at most twice it.
memo_rect_is() {
  local left top right bottom
  read -r left top right bottom <<<"$(rect_of "$(memo_line "$1")")"
  [ "$right" = "$2" ] && [ "$top" = "$3" ] && [ $((bottom - top)) -ge "$4" ] && [ $((bottom - top)) -lt $((2 * $4)) ]
}

# editor_top_is EDITOR TOP: the editor's rectangle starts at that screen row.
editor_top_is() {
  local line
  line=$(driver wait-window "$1" 0 2>/dev/null) && [ "$(field "$line" rect | cut -d, -f2)" = "$2" ]
}
