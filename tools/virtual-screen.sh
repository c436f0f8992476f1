# Sourced by scripts that drive the program on a private X screen.
# start_virtual_screen: starts Xvfb (1280x800) on a display that Xvfb itself
# finds free, so that scripts started together never pick the same one;
# exports DISPLAY, stops the server on exit and makes Qt use the X screen.
start_virtual_screen() {
    virtual_screen_dir=$(mktemp -d)
    mkfifo "$virtual_screen_dir/display"
    # Xvfb writes the display's number once it accepts connections; the read
    # waits for it, and ends empty if the server fails to start.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp \
        3>"$virtual_screen_dir/display" >/dev/null 2>&1 &
    virtual_screen_pid=$!
    trap 'kill $virtual_screen_pid 2>/dev/null; rm -rf "$virtual_screen_dir"' EXIT
    read -r n <"$virtual_screen_dir/display"
    [ -n "$n" ] || { echo "FAIL: Xvfb did not start"; exit 1; }
    export DISPLAY=:$n
    unset QT_QPA_PLATFORM
}
