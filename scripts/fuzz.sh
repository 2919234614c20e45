#!/usr/bin/env bash
# Runs the fuzz targets one after the other, each for SECONDS (default 600),
# on its seed corpus (tests/fuzz/corpus/TARGET) and what earlier runs added
# to it (BUILD/fuzz/corpus/TARGET), with its dictionary (tests/fuzz/dict).
# The targets are built by scripts/build.sh when clang is installed.
# Prints executions, coverage (libFuzzer's cov and ft) and findings per
# target; an input that crashes, leaks, hangs (30 s; a whole run 300 s) or
# breaks a checked property is kept in BUILD/fuzz/findings/TARGET/ and makes
# the script fail.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: names without _fuzz)
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift $(($# > 0 ? 1 : 0))
fuzz=${TERVALA_BUILD:-build}/fuzz
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for binary in "$fuzz"/*_fuzz; do
        name=$(basename "$binary")
        targets+=("${name%_fuzz}")
    done
fi
if [ ! -x "$fuzz/${targets[0]}_fuzz" ]; then
    echo "No fuzz targets in $fuzz: install clang (scripts/setup.sh) and run scripts/build.sh." >&2
    exit 2
fi

# Sanitizer reports name source lines when the symbolizer is found.
for symbolizer in /usr/lib/llvm-14/bin/llvm-symbolizer /usr/bin/llvm-symbolizer; do
    [ -x "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer && break
done

# The targets' files in memory where the system allows it.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

dictionary() {
    case $1 in
        number_text | paste | parameter_file | report) echo "$1" ;;
        *) echo input_file ;;
    esac
}

# A smoke run (TERVALA_FUZZ_SMOKE=1, as the test command makes it) starts from
# the seed corpus alone and keeps nothing it learns.
corpora=$fuzz/corpus
if [ -n "${TERVALA_FUZZ_SMOKE:-}" ]; then
    corpora=$(mktemp -d)
    trap 'rm -rf "$corpora"' EXIT
fi

failed=0
printf '%-16s %12s %8s %8s  %s\n' target executions cov ft findings
for t in "${targets[@]}"; do
    corpus=$corpora/$t
    findings=$fuzz/findings/$t
    log=$fuzz/logs/$t.log
    mkdir -p "$corpus" "$findings" "$(dirname "$log")"
    # A whole run's grid search may take minutes under the sanitizers (ten
    # times slower than the program) when data near 1E308 leave its blocks
    # without a bound; other inputs take milliseconds.
    timeout=30
    [ "$t" = small_run ] && timeout=300
    "$fuzz/${t}_fuzz" -max_total_time="$seconds" -timeout=$timeout -print_final_stats=1 \
        -dict="tests/fuzz/dict/$(dictionary "$t").dict" -artifact_prefix="$findings/" \
        "$corpus" "tests/fuzz/corpus/$t" > "$log" 2>&1
    status=$?
    executions=$(grep -o 'number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$')
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$')
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | grep -o '[0-9]*$')
    result=none
    if [ $status -ne 0 ]; then
        result="FOUND (exit $status): $(ls "$findings" | tr '\n' ' ')see $log"
        failed=1
        grep -E 'ERROR|Property failed|SUMMARY|runtime error' "$log" | head -n 5 >&2
    fi
    printf '%-16s %12s %8s %8s  %s\n' "$t" "${executions:-?}" "${cov:-?}" "${ft:-?}" "$result"
done
exit $failed
