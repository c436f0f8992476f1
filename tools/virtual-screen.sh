# Sourced by scripts that drive the program on a private X screen.
# start_virtual_screen FIRST_DISPLAY: starts Xvfb (1280x800) on the first free
# display from FIRST_DISPLAY on, exports DISPLAY, stops the server on exit and
# makes Qt use the X screen.
start_virtual_screen() {
    n=$1
    while [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
    Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    virtual_screen_pid=$!
    trap 'kill $virtual_screen_pid 2>/dev/null' EXIT
    export DISPLAY=:$n
    for i in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
    unset QT_QPA_PLATFORM
}
