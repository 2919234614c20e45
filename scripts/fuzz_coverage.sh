#!/usr/bin/env bash
# Line coverage of each reader by the corpora a campaign left in
# BUILD/fuzz/corpus (scripts/fuzz.sh): the targets are built once more
# without sanitizers and with source coverage (BUILD/fuzz-coverage), each is
# run over its corpus and seeds, and llvm-cov reports the lines of the core
# files that target reads with.
# Usage: scripts/fuzz_coverage.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TERVALA_BUILD:-build}
out=$build/fuzz-coverage
cmake -S tests/fuzz -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
    -DTERVALA_SOURCE_DIR="$PWD" -DTERVALA_FUZZ_COVERAGE=ON > /dev/null
cmake --build "$out" > /dev/null
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm

# The core files each target is meant to read or write with.
declare -A files=(
    [number_text]="model/number_text.cpp"
    [input_file]="model/input_file.cpp model/text_cursor.cpp"
    [parameter_file]="model/parameter_file.cpp"
    [report]="model/report_loading.cpp model/graph_report_probe.cpp model/graph_data_reader.cpp
              model/fit_trend_reader.cpp graphs/graph_catalogue.cpp graphs/pixel_mapping.cpp"
    [paste]="model/pasted_block.cpp"
    [small_run]="engine/field_run.cpp engine/analysis_loading.cpp engine/prediction_loading.cpp
                 engine/analysis_report.cpp engine/prediction_report.cpp engine/finite_results.cpp"
)
for t in number_text input_file parameter_file report paste small_run; do
    [ -d "$build/fuzz/corpus/$t" ] || continue
    LLVM_PROFILE_FILE="$out/$t.profraw" "$out/${t}_fuzz" -runs=0 \
        "$build/fuzz/corpus/$t" "tests/fuzz/corpus/$t" > /dev/null 2>&1
    llvm-profdata-14 merge -o "$out/$t.profdata" "$out/$t.profraw"
    echo "== $t"
    # shellcheck disable=SC2086
    llvm-cov-14 report "$out/${t}_fuzz" -instr-profile="$out/$t.profdata" ${files[$t]} |
        awk 'NR > 2 && $1 != "" && $1 !~ /^-/ && $1 != "TOTAL" {
                 n = split($1, path, "/")
                 printf "  %-24s lines %4d of %4d (%s)\n", path[n], $8 - $9, $8, $10 }'
done
