#!/bin/sh
# Usage: measure-startup.sh PROGRAM [RUNS]
# Prints, per run, the milliseconds from starting PROGRAM on a private virtual
# screen until its full-screen menu is mapped, then the median.
set -u
program=$1 runs=${2:-7}
. "$(dirname "$0")/virtual-screen.sh"
start_virtual_screen
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
