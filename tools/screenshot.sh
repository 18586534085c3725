#!/usr/bin/env bash
# Takes docs/line-preview.png from the running program on a virtual display:
#   xvfb-run -a -s "-screen 0 800x600x24" bash tools/screenshot.sh
# Needs a build (bash tools/run.sh builds one) and xdotool, xclip, imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
build/app/Tarvexa1 &
pid=$!
sleep 3
wid=$(xdotool search --sync --name Tintline | head -1)
xdotool windowfocus "$wid"
printf 'Hello \xe2\x80\xa2nick> \x0304,1red\x03 and \x02bold\x02, \x1Fline\x1F, \x1Ditalic\x1D \x0312blue\x0f done' | xclip -selection clipboard
eval $(xdotool getwindowgeometry --shell $wid)
xdotool mousemove $((X+100)) $((Y+30)) click 1
sleep 0.5
xdotool key ctrl+v
sleep 0.5
xdotool mousemove $((X+537)) $((Y+376)) click 1
sleep 2
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage docs/line-preview.png
kill $pid
