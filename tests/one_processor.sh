#!/bin/sh
# Runs a command on one processor, the first of those this process may use,
# as on a small virtual desktop: taskset -c <that processor> COMMAND...
cpu=$(taskset -pc $$ | sed 's/.*: *//; s/[-,].*//')
exec taskset -c "$cpu" "$@"
