#!/bin/sh
# Usage: exit-through-menu.sh PROGRAM
# Starts the program on a private virtual screen, waits for the full-screen
# menu, moves the keyboard focus to the Exit button (Tab order: Demonstration,
# Help, Authors, Exit) and presses it. Passes when the program ends with 0.
set -u
program=$1
. "$(dirname "$0")/../../tools/virtual-screen.sh"
start_virtual_screen
# A home of its own, in the screen's temporary folder and removed with it:
# the program's settings never reach the user's.
HOME=$virtual_screen_dir XDG_CONFIG_HOME=$virtual_screen_dir/.config
export HOME XDG_CONFIG_HOME

# A program that never ends is stopped after 20 seconds (status 124).
timeout 20 "$program" &
app=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Menu$' >/dev/null || {
    echo "FAIL: the menu never appeared"; kill $app; exit 1; }
xdotool mousemove 640 400 sleep 0.3 key Tab Tab Tab space
wait $app
status=$?
[ $status -eq 0 ] || { echo "FAIL: exit status $status"; exit 1; }
echo "program left through the menu's Exit with status 0"
