#!/bin/sh
# Starts the program on a virtual X server, with a configuration folder of its own, and
# checks that it still runs after a few seconds: the start-up road as a user meets it.
# $1: the program; $2: seconds to wait.
set -eu
program="$1"
seconds="${2:-8}"
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "xvfb-run is not installed"
    exit 77
fi
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT INT TERM
export XDG_CONFIG_HOME="$config"
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
    "$1" &
    pid=$!
    sleep "$2"
    if kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
        wait "$pid" || true
        exit 0
    fi
    wait "$pid" && code=0 || code=$?
    echo "the program ended by itself with exit code $code"
    exit 1
' smoke "$program" "$seconds"
