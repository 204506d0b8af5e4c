#!/usr/bin/env bash
# Checks what a screen reader sees: starts MATHtuvo under Xvfb with Qt's AT-SPI bridge on,
# goes to a grade-3 question with the keyboard alone, then reads the question box and what
# the picture beside it shows, and finds the "Get Question" button over AT-SPI.
# Needs: apt-get install python3-pyatspi at-spi2-core dbus xdotool xvfb
# Run after a build: tools/a11y/check.sh [build-dir]
set -euo pipefail
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- "$0" "$@"
fi
build="${1:-build}"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp data/litq.txt data/progress.txt "$work"/
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 MATHTUVO_MUTE=1
/usr/libexec/at-spi-bus-launcher --launch-immediately &
sleep 1.5
"$build/src/app/mathtuvo" --workdir "$work" &
pid=$!
sleep 3
wid=$(xdotool search --name "^MATHtuvo$" | head -1)
xdotool windowfocus --sync "$wid"
xdotool key alt+3; sleep 1.5                       # Darjah 3
xdotool type --delay 50 "Siti"; xdotool key Return  # the name
sleep 1; xdotool key Return; sleep 1                # Yes, that is my name
xdotool windowfocus --sync "$wid"; xdotool key alt+s; sleep 0.3  # Select All Topics
xdotool key Tab Return; sleep 1.5                   # OK
xdotool windowfocus --sync "$wid"; xdotool key alt+g; sleep 1    # Get Question
/usr/bin/python3 "$here/readquestion.py"
kill "$pid"
