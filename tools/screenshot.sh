#!/usr/bin/env bash
# Takes pictures of the running program on a virtual display:
#   xvfb-run -a -s "-screen 0 1024x768x24" bash tools/screenshot.sh [--docs] [--out DIR] [STATE...]
# STATE is one of: start line editmenu rtfmenu info font fontfamilies error
# refused busy autocolor focus longrtl longselected breaks signs signsbig
# (all of them when none is named). Each picture
# is DIR/STATE.png, for focus one DIR/focus-CONTROL.png per control in the
# tab order, for fontfamilies DIR/font-FAMILY.png and DIR/font-FAMILY-colors.png
# for the families sans, sans-mono and serif (DIR is build/screenshots unless
# --out says otherwise); --docs also
# copies "line" to docs/line-preview.png and "font" to docs/font-dialog.png.
# "refused" is "Line" on a megabyte with too little memory left, over an
# earlier result; "busy" is the window while it renders a megabyte, taken
# with the mouse pointer; "longrtl" and "longselected" are the edit field on
# a megabyte of Latin, Hebrew and Arabic words, the caret walked into it and
# all selected; "breaks" is the preview after a line of 458,752 U+2029 and
# one with a few breaks; "signs" and "signsbig" the memo and the preview after
# a line with every kind of break, at the preview's first font and at 36 pt.
# Each waits for what it shows, not for a fixed time. Builds the program and
# the error box's helper, and installs what it needs: xdotool, xclip,
# imagemagick and (for busy) ffmpeg.
set -euo pipefail
cd "$(dirname "$0")/.."

out=build/screenshots
docs=false
states=()
while [ $# -gt 0 ]; do
  case "$1" in
    --docs) docs=true ;;
    --out) out=$2; shift ;;
    start|line|editmenu|rtfmenu|info|font|fontfamilies|error|refused|busy|autocolor|focus|longrtl|longselected|breaks|signs|signsbig)
      states+=("$1") ;;
    -h|--help) sed -n '2,/^set -e/p' "$0" | grep '^#'; exit 0 ;;
    *) sed -n '2,/^set -e/p' "$0" | grep '^#' >&2; exit 2 ;;
  esac
  shift
done
[ ${#states[@]} -gt 0 ] ||
  states=(start line editmenu rtfmenu info font fontfamilies error refused busy autocolor focus longrtl longselected breaks signs signsbig)
if [ -z "${DISPLAY:-}" ]; then
  echo "No display: run it as  xvfb-run -a -s \"-screen 0 1024x768x24\" bash $0" >&2
  exit 1
fi
tools=(xdotool xclip imagemagick)
[[ " ${states[*]} " == *" busy "* ]] && tools+=(ffmpeg)
bash tools/setup.sh "${tools[@]}"
# imagemagick and ffmpeg bring fonts of their own (URW, Type 1, Noto) that
# would stand in for "Courier New" and the like; the pictures show the
# program with the fonts it is installed with.
fonts=$(mktemp)
cat >"$fonts" <<'EOF'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <selectfont><rejectfont>
    <glob>/usr/share/fonts/opentype/urw-base35/*</glob>
    <glob>/usr/share/fonts/type1/*</glob>
    <glob>/usr/share/fonts/X11/Type1/*</glob>
    <glob>/usr/share/fonts/truetype/noto/*</glob>
  </rejectfont></selectfont>
</fontconfig>
EOF
export FONTCONFIG_FILE=$fonts
mkdir -p "$out"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target Tarvexa1 ErrorBoxShow >/dev/null

# A coded line: a lead, a bracket and colours, bold, underline, italic.
line=$'Hello \xe2\x80\xa2nick> \x0304,1red\x03 and \x02bold\x02, \x1Fline\x1F, \x1Ditalic\x1D \x0312blue\x0f done'

pid=
stop() { if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; pid=; fi; }
trap 'stop; rm -f "$fonts"' EXIT

# Starts a program and waits for its main window; sets wid, X, Y.
launch() {
  "$@" &
  pid=$!
  wid=$(xdotool search --sync --onlyvisible --name '^Tintline$' | head -1)
  sleep 1
  xdotool windowfocus --sync "$wid" 2>/dev/null || true
  eval "$(xdotool getwindowgeometry --shell "$wid")"
}

# Clicks at x, y inside the main window (button 1 unless given).
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click "${3:-1}"; sleep 0.5; }

# Takes the area that holds every visible window of the program (with the
# mouse pointer when a second argument says so).
shoot() {
  local x0=100000 y0=100000 x1=0 y1=0 w
  for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" | sed 's/^/W/')"
    [ "$WWIDTH" -gt 1 ] && [ "$WHEIGHT" -gt 1 ] || continue
    [ "$WX" -lt "$x0" ] && x0=$WX
    [ "$WY" -lt "$y0" ] && y0=$WY
    [ $((WX + WWIDTH)) -gt "$x1" ] && x1=$((WX + WWIDTH))
    [ $((WY + WHEIGHT)) -gt "$y1" ] && y1=$((WY + WHEIGHT))
  done
  if [ -n "${2:-}" ]; then
    ffmpeg -loglevel error -y -f x11grab -draw_mouse 1 -video_size "$((x1 - x0))x$((y1 - y0))" \
      -i "$DISPLAY+$x0,$y0" -frames:v 1 "$out/$1.png"
  else
    import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$out/$1.png"
  fi
  echo "$out/$1.png"
}

# Takes an area of the main window (x y w h) into file.
grab() { import -window root -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage "$5"; }

# The share of an area of the main window (x y w h) that shows colour.
share() {
  import -window root -crop "$3x$4+$((X + $1))+$((Y + $2))" +repage png:- |
    convert png:- -fuzz 10% -fill "#ff00ff" -opaque "$5" -fuzz 0 -fill black +opaque "#ff00ff" \
      -fill white -opaque "#ff00ff" -format '%[fx:mean]' info:
}

# Waits, a minute at most, until at least a share (0..1) of an area of the
# main window (x y w h) shows colour, or with "not" before the colour, shows
# anything else.
wait_colour() {
  local area=("$1" "$2" "$3" "$4") not=false i got
  shift 4
  if [ "$1" = not ]; then
    not=true
    shift
  fi
  for i in $(seq 300); do
    got=$(share "${area[@]}" "$1")
    $not && got=$(awk -v g="$got" 'BEGIN { print 1 - g }')
    awk -v got="$got" -v want="$2" 'BEGIN { exit !(got >= want) }' && return 0
    sleep 0.2
  done
  echo "screenshot.sh: the area at ${area[0]},${area[1]} never showed $2 of $($not && echo "other than ")$1" >&2
}

# The preview's area inside the main window, which draws no caret, and the
# edit field's text.
preview_area=(18 71 540 44)
field_area=(18 22 550 16)

# Waits, two minutes at most, until the preview differs from the picture in
# file (taken before a render) and then stays as it is for a second: the
# render has ended and the view has caught up.
wait_preview() {
  local last now i changed=false still=0
  last=$(mktemp --suffix=.png)
  now=$(mktemp --suffix=.png)
  cp "$1" "$last"
  for i in $(seq 600); do
    sleep 0.2
    grab "${preview_area[@]}" "$now"
    if [ "$(compare -metric AE "$last" "$now" null: 2>&1 || true)" = 0 ]; then
      still=$((still + 1))
      if $changed && [ "$still" -ge 5 ]; then
        rm -f "$last" "$now"
        return 0
      fi
    else
      changed=true
      still=0
      cp "$now" "$last"
    fi
  done
  rm -f "$last" "$now"
  echo "screenshot.sh: the preview did not settle after a render" >&2
}

# Pastes what the clipboard holds over the edit field's text and clicks
# "Line"; returns once the preview shows the result.
paste_and_render() {
  local before
  before=$(mktemp --suffix=.png)
  click 100 30
  xdotool key ctrl+a ctrl+v
  sleep 0.3
  grab "${preview_area[@]}" "$before"
  click 537 376
  wait_preview "$before"
  rm -f "$before"
}

# Pastes the coded line into the edit field and clicks "Line".
run_line() {
  printf '%s' "$line" | xclip -selection clipboard
  paste_and_render
}

# A megabyte of words in three scripts, on the clipboard.
copy_mixed_megabyte() {
  python3 -c 'import sys; w = "plain words \u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627 \u0661\u0662 ok, "; sys.stdout.write((w * (1048576 // len(w) + 1))[:1048576])' |
    xclip -selection clipboard
}

# Opens the preview's menu and picks its n-th command.
preview_command() {
  click 300 100 3
  for _ in $(seq "$1"); do xdotool key Down; done
  xdotool key Return
  sleep 1.5
}

# Opens "Font", types a family into it and confirms it.
choose_family() {
  preview_command 3
  xdotool key ctrl+a
  xdotool type --delay 20 "$1"
  xdotool key --delay 200 Tab Return
  sleep 1
}

for state in "${states[@]}"; do
  if [ "$state" = error ]; then
    launch build/tests/app/ErrorBoxShow
    sleep 1
  elif [ "$state" = refused ]; then
    launch build/tests/app/ErrorBoxShow refused
    sleep 3
  else
    launch build/app/Tarvexa1
  fi
  case "$state" in
    start) ;;
    line) run_line ;;
    editmenu) click 100 30 3 ;;
    rtfmenu) run_line; click 300 100 3 ;;
    info) preview_command 4 ;;
    font) run_line; preview_command 3 ;;
    autocolor) click 22 380; click 300 250 ;;
    fontfamilies)
      # The dialog opened again once the preview has each family, then its
      # colour list, opened from the keyboard.
      run_line
      for family in "DejaVu Sans" "DejaVu Sans Mono" "DejaVu Serif"; do
        name=$(printf '%s' "${family#DejaVu }" | tr 'A-Z ' 'a-z-')
        choose_family "$family"
        preview_command 3
        shoot "font-$name"
        xdotool key --delay 200 Tab Tab Tab Tab Tab alt+Down
        sleep 1
        shoot "font-$name-colors"
        xdotool key --delay 300 Escape Escape
        sleep 0.5
      done
      stop
      continue ;;
    busy)
      # A megabyte pasted and "Line" clicked; the picture while it renders.
      head -c 1048576 /dev/zero | tr '\0' 'x' | xclip -selection clipboard
      click 100 30
      xdotool key ctrl+v
      sleep 2
      click 537 376
      sleep 2
      shoot "$state" pointer
      stop
      continue ;;
    longrtl|longselected)
      copy_mixed_megabyte
      click 100 30
      xdotool key ctrl+v
      # The field shows its text once it has taken the paste.
      wait_colour "${field_area[@]}" not "#14161a" 0.05
      xdotool key Home
      if [ "$state" = longrtl ]; then
        xdotool key --delay 20 $(printf 'ctrl+Right %.0s' $(seq 40))
        sleep 2
      else
        xdotool key ctrl+a
        wait_colour "${field_area[@]}" "#2f6fb5" 0.5
      fi ;;
    breaks)
      # A line of 458,752 U+2029 between words, then one with a few breaks;
      # the preview, which shows the end of the last, scrolled back to the
      # start of both with the arrow key.
      python3 -c 'import sys; sys.stdout.write("begin" + "\u2029" * 458752 + "end")' | xclip -selection clipboard
      paste_and_render
      printf 'first\r\nsecond\nthird' | xclip -selection clipboard
      paste_and_render
      before=$(mktemp --suffix=.png)
      grab "${preview_area[@]}" "$before"
      click 300 100
      xdotool key --delay 20 $(printf 'Left %.0s' $(seq 30))
      wait_preview "$before"
      rm -f "$before" ;;
    signs|signsbig)
      # Every kind of break between letters, and a U+FFFD of the line's own,
      # at the preview's first font or at 36 pt.
      if [ "$state" = signsbig ]; then
        preview_command 3
        xdotool key alt+s ctrl+a
        xdotool type 36
        xdotool key Return
        sleep 1
      fi
      python3 -c 'import sys; sys.stdout.write("ab\ncd\r\nef\u2029gh\u2028ij\ufdd0kl\ufdd1mn\ufffdop")' |
        xclip -selection clipboard
      paste_and_render ;;
    focus)
      # One picture per control in the tab order, the focus moved by Tab.
      run_line
      click 100 30
      for name in IRCEdit Button1 ResultMemo TestRTF Button2 ToggleCheck; do
        shoot "focus-$name"
        xdotool key Tab
        sleep 0.3
      done
      stop
      continue ;;
  esac
  shoot "$state"
  stop
done

if $docs; then
  [ -f "$out/line.png" ] && cp "$out/line.png" docs/line-preview.png
  [ -f "$out/font.png" ] && cp "$out/font.png" docs/font-dialog.png
fi
