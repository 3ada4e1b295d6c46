#!/bin/sh
# Runs one test with a fresh, private home: $1 is the folder to use, the rest is the command.
home="$1"; shift
rm -rf "$home"
mkdir -p "$home/config" "$home/data" "$home/cache" "$home/runtime" "$home/Documents"
chmod 700 "$home/runtime"
HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" \
XDG_DOCUMENTS_DIR="$home/Documents" TMPDIR="${TMPDIR:-/tmp}" \
    exec "$@"
