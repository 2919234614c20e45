#!/usr/bin/env bash
# Makes the seed corpora of the fuzz targets (tests/fuzz/corpus/TARGET/) from
# the example data: short input files of each mode, the reports and fit files
# the batch command writes for them, parameter files, number texts and pasted
# blocks. Run again after a change of a file format.
# Usage: tests/fuzz/make_seeds.sh [TERVALA_BATCH]
set -euo pipefail
cd "$(dirname "$0")/../.."
batch=$(realpath "${1:-build/tervala-batch}")
corpus=tests/fuzz/corpus
rm -rf "$corpus"
mkdir -p "$corpus"/{number_text,paste,input_file,parameter_file,small_run,report}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Short input files: a month of each example, the same in seconds (times of
# a million and more), and rows without their escape rate.
head -n 44 Data/Vidora.inp > "$work/discharge.inp"
head -n 39 Data/VidoraHead.inp > "$work/head.inp"
head -n 50 Data/VidoraPrediction.inp > "$work/prediction.inp"
head -n 35 Data/DrainedField.inp > "$work/field.inp"
awk 'NR <= 14 { print; next } { sub(/\r$/, ""); printf "%5d %12.2f %s %s %s\r\n", $1, $2 * 86400, $3, $4, $5 }' \
    "$work/discharge.inp" > "$work/seconds.inp"
awk 'NR <= 14 { print; next } { sub(/\r$/, ""); printf "%5d %12s %10s %10s\r\n", $1, $2, $3, $5 }' \
    "$work/discharge.inp" | head -n 30 > "$work/fourfields.inp"
for f in "$work"/*.inp; do
    for target in input_file small_run; do cp "$f" "$corpus/$target/"; done
done

# Reports of their runs, each followed by its fit file after a line "#FIT".
for name in discharge head prediction seconds; do
    "$batch" run "$work/$name.inp" --threads 1 > /dev/null
    cp "$work/$name.out" "$corpus/report/$name"
    if [ -f "$work/$name.dat" ]; then
        { printf '#FIT\n'; cat "$work/$name.dat"; } >> "$corpus/report/$name"
    fi
done

cp Data/DrainedField.par "$corpus/parameter_file/field"
"$batch" drainage --ka 0.4 --kb 2.5 --depth 1200 --perimeter 0.3 --porosity 12 --spacing 0.8 \
    --par "$work/wide.par" > /dev/null
cp "$work/wide.par" "$corpus/parameter_file/wide"

i=0
for text in "2.5" "2,5" " 5.0E-0001" "-1.7976931348623157E+308" "1e-400" "  12345.68" \
    "0.0012345678.90" "1.2,5" "1.5E-3xxxx"; do
    printf '%s' "$text" > "$corpus/number_text/text$((i += 1))"
done
printf '\x00\x00\x00\x00\x00\x00\xe0\x3f\x0a\x02' > "$corpus/number_text/half"
printf '\xff\xff\xff\xff\xff\xff\xef\x7f\x0c\x05' > "$corpus/number_text/largest"

printf '\x00\x00%s' $'1\t2,5\t0.2\t1\r\n2\t0\t0.2\t1.5\r\n3\t1\t0.2\t"2"\r\n' > "$corpus/paste/crlf"
printf '\x01\x05%s' $'10\t3\t0.5\t1\n11\t3\t\t2\n12\t4' > "$corpus/paste/lf"
printf '\x00\x10%s' "$(for r in $(seq 1 40); do printf '%d\t%d.5\t0.1\r' "$r" "$r"; done)" \
    > "$corpus/paste/near_the_limit"
