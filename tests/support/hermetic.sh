#!/usr/bin/env bash
# Runs one test program in a world of its own: a fresh runtime directory (where the
# single-instance lock lives), home, program directory (patient database) and working
# directory (settings file), removed afterwards. So tests pass while a user's Kestrova
# runs on the same machine, and never touch the user's files.
set -u
root=$(mktemp -d "${TMPDIR:-/tmp}/kestrova-run.XXXXXX") || exit 1
mkdir -p "$root/runtime" "$root/home" "$root/program" "$root/work"
chmod 700 "$root/runtime"
export XDG_RUNTIME_DIR="$root/runtime" HOME="$root/home" KESTROVA_HOME="$root/program"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME
# The classic texts, whatever the machine's locale: the tests of documented behaviour
# compare them byte for byte. Tests of the other languages choose theirs.
export KESTROVA_LANGUAGE=en_classic
cd "$root/work" || exit 1
"$@" &
child=$!
trap 'kill -TERM "$child" 2>/dev/null' TERM INT
wait "$child"
status=$?
# A signal interrupts the first wait; wait again for the child's own status.
kill -0 "$child" 2>/dev/null && wait "$child" && status=$?
rm -rf "$root"
exit "$status"
