#!/usr/bin/env bash
# Regression: under a decimal-comma desktop (LANG=de_DE.UTF-8) the batch
# command aborted drawing graphs and numbers depended on the process locale.
# Runs the three example data sets with a summary, draws every graph of their
# reports, exports a report's series, diagnoses a fit with its picture,
# imports a series with decimal commas and derives a drainage alpha function,
# once under C and once under German settings, and compares every file and
# every printed line byte for byte.
# Further arguments: a command run under the German settings as well (the
# window tests).
# Usage: decimal_comma_test.sh TERVALA_BATCH SOURCE_DIR WORK_DIR [COMMAND...]
set -euo pipefail
batch=$(realpath "$1") src=$(realpath "$2") work=$3
shift 3
rm -rf "$work/run" "$work/C" "$work/de_DE.UTF-8"
mkdir -p "$work/locales"

# The German locale is made here when the system does not have it.
export LOCPATH="$work/locales"
if [ ! -d "$LOCPATH/de_DE.UTF-8" ]; then
    localedef -i de_DE -f UTF-8 "$LOCPATH/de_DE.UTF-8" 2>/dev/null ||
        [ -d "$LOCPATH/de_DE.UTF-8" ]
fi
comma=$(LC_ALL=de_DE.UTF-8 /usr/bin/printf '%.1f' 2.5)
if [ "$comma" != "2,5" ]; then
    echo "The German locale does not write a decimal comma ($comma): not tested" >&2
    exit 1
fi

# Every call is made and its exit code printed, so a failure shows in the comparison.
call() { "$batch" "$@" || echo "exit code $?"; }

# The same folder for both runs, since reports name their input file.
run_all() {
    mkdir -p "$work/run"
    cd "$work/run"
    cp "$src/Data/Vidora.inp" "$src/Data/VidoraHead.inp" "$src/Data/VidoraPrediction.inp" .
    {
        call run Vidora.inp VidoraHead.inp VidoraPrediction.inp --jobs 1 --threads 2 \
            --summary summary.csv
        for k in 1 3 7 8 9; do
            call graph Vidora.out --kind $k -o "dis$k.bmp"
            call graph VidoraHead.out --kind $k --bw -o "head$k.bmp"
        done
        for k in 2 4 5; do call graph VidoraPrediction.out --kind $k -o "pre$k.bmp"; done
        call export VidoraHead.out -o head.csv
        call diagnose VidoraHead.inp --picture head-fit.png --json
        call import "$src/tests/data/series/semicolon_dates.csv" -o imported.inp --job analysis \
            --maxsto 2,5 --maxesc 0.25
        call drainage --ka 1.5 --kb 0,8 --depth 5 --perimeter 0.5 --porosity 5 \
            --spacing 50 --par field.par
    } > printed.txt 2>&1
    cd - > /dev/null
    mv "$work/run" "$work/$1"
}
LC_ALL=C LANG=C run_all C
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 run_all de_DE.UTF-8
diff -r "$work/C" "$work/de_DE.UTF-8"
[ $# -eq 0 ] || LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 "$@"
