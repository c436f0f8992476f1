#!/bin/sh
# Usage: exit-through-menu.sh PROGRAM
# Starts the program on a private virtual screen, waits for the full-screen
# menu, moves the keyboard focus to the Exit button (Tab order: Demonstration,
# Help, Authors, Exit) and presses it. Passes when the program ends with 0.
set -u
program=$1
n=140
while [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=:$n
for i in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
unset QT_QPA_PLATFORM

"$program" &
app=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Menu$' >/dev/null || {
    echo "FAIL: the menu never appeared"; kill $app; exit 1; }
xdotool mousemove 640 400 sleep 0.3 key Tab Tab Tab space
( sleep 15; kill $app 2>/dev/null ) &
watchdog=$!
wait $app
status=$?
kill $watchdog 2>/dev/null
[ $status -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
echo "program left through the menu's Exit with status 0"
