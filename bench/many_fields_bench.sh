#!/usr/bin/env bash
# Throughput of many fields: real CSV series imported with "tervala-batch
# import", run with "tervala-batch run --jobs", and exported with
# "tervala-batch export", in a scratch folder (the series are read where they
# lie, never copied). Prints fields per minute for fields of 365 and of about
# 1500 rows, and the machine's load before and after.
#
#   bench/many_fields_bench.sh SERIES_FOLDER [BATCH] [REPEAT]
#
# SERIES_FOLDER holds CSV files with a header "time,rain_mm,pet_mm,discharge_mm"
# of at least 1460 rows each; BATCH defaults to build/tervala-batch; each set
# of fields is run REPEAT times (default 3) over, to steady the timing.
set -euo pipefail
series=${1:?usage: $0 SERIES_FOLDER [BATCH] [REPEAT]}
batch=$(realpath "${2:-build/tervala-batch}")
repeat=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/365" "$work/1500"

# The first reservoir of the README's measurements: 50 mm maximum storage,
# 25 mm initial storage, maximum escape rate 2 mm per time unit.
params=(--job analysis --maxsto 50 --inisto 25 --maxesc 2)
start=$(date +%s.%N)
for csv in "$series"/*.csv; do
  name=$(basename "$csv" .csv)
  for year in 0 1 2 3; do
    first=$((year * 365 + 1))
    for copy in $(seq "$repeat"); do
      "$batch" import "$csv" -o "$work/365/$name-$year-$copy.inp" --rows "$first:$((first + 364))" \
        "${params[@]}" >/dev/null
    done
  done
  for copy in $(seq "$repeat"); do
    "$batch" import "$csv" -o "$work/1500/$name-$copy.inp" --rows 1:1500 "${params[@]}" >/dev/null
  done
done
imported=$(echo "$(date +%s.%N) - $start" | bc)

run() {  # folder jobs threads
  local files=("$work/$1"/*.inp) t0 t1
  t0=$(date +%s.%N)
  "$batch" run "${files[@]}" --jobs "$2" --threads "$3" --summary "$work/$1-summary.csv" \
    >/dev/null 2>"$work/$1.log" || true
  t1=$(date +%s.%N)
  local seconds rows
  seconds=$(echo "$t1 - $t0" | bc)
  rows=$(awk -F, 'NR > 1 && $4 == 0 {n++} END {print n + 0}' "$work/$1-summary.csv")
  printf '%-5s rows, --jobs %s --threads %s: %3d fields in %6.2f s = %6.1f fields per minute\n' \
    "$1" "$2" "$3" "${#files[@]}" "$seconds" "$(echo "${#files[@]} * 60 / $seconds" | bc -l)"
  [ "$rows" -eq "${#files[@]}" ] || echo "  ($rows of ${#files[@]} runs wrote a report)"
}

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores"
printf 'import of %d fields: %.2f s\n' "$(ls "$work"/365 "$work"/1500 | grep -c inp)" "$imported"
for size in 365 1500; do
  run "$size" 2 1
  run "$size" 1 2
done
t0=$(date +%s.%N)
for out in "$work"/365/*.out "$work"/1500/*.out; do "$batch" export "$out" >/dev/null; done
printf 'export of every report: %.2f s\n' "$(echo "$(date +%s.%N) - $t0" | bc)"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
