#!/bin/sh
# Usage: measure-startup.sh PROGRAM [RUNS]
# Prints, per run, the milliseconds from starting PROGRAM on a private virtual
# screen until its full-screen menu is mapped, then the median.
set -u
program=$1 runs=${2:-7}
n=160
while [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=:$n
for i in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
unset QT_QPA_PLATFORM
times=""
for r in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program" >/tmp/measure-startup-$r.log 2>&1 &
    app=$!
    until xdotool search --onlyvisible --name "^Menu$" >/dev/null 2>&1; do
        kill -0 $app 2>/dev/null || { echo "run $r: the program ended early"; cat /tmp/measure-startup-$r.log; exit 1; }
        sleep 0.005
    done
    end=$(date +%s%N)
    ms=$(( (end - start) / 1000000 ))
    echo "run $r: $ms ms"
    times="$times $ms"
    kill $app; wait $app 2>/dev/null
done
echo "median: $(echo $times | tr ' ' '\n' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}') ms"
