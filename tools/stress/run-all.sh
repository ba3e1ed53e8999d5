#!/bin/bash
# Runs the whole stress rig against one build folder, one experiment after
# another, and keeps each one's output in OUT (default ./stress-out):
#
#   tools/stress/run-all.sh BUILD [OUT]
#
# BUILD needs the targets glimbles and settings_store_helper (cmake --build
# BUILD --target glimbles settings_store_helper). Needs python3, Xvfb,
# openbox, xdotool, xprop, xwininfo, imagemagick (import, convert) and
# valgrind. Every game runs with a temporary settings folder
# (XDG_CONFIG_HOME in a temporary home), never the user's own. Not part of
# ctest or CI: a full run takes an hour or more (the soak alone up to 40 min).
set -u
build=$(realpath "${1:?usage: run-all.sh BUILD [OUT]}")
out=$(realpath -m "${2:-stress-out}")
here=$(dirname "$(realpath "$0")")
mkdir -p "$out"
status=0
run() {
    local name=$1; shift
    echo "== $name: $*"
    if "$@" > "$out/$name.log" 2>&1; then echo "   passed"; else echo "   FAILED (see $out/$name.log)"; status=1; fi
    grep '^RESULT' "$out/$name.log"
}
run kills "$here/kills.py" "$build" --helper 1100 --game 200
run kills-padded "$here/kills.py" "$build" --helper 0 --game 300 --game-padding 2500 --seed 2
run concurrency "$here/concurrency.py" "$build" --padding 1000 --game-changes 12
run damaged "$here/damaged.py" "$build"
run soak "$here/soak.py" "$build" --minutes 40 --out "$out"
run valgrind "$here/valgrind.py" "$build" --out "$out"
exit $status
