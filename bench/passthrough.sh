#!/usr/bin/env bash
# Throughput of the job filter's PostScript pass-through against cat on the
# same file and machine. Not a test: it prints both rates.
#   bench/passthrough.sh [size-in-MB] [filter]
set -euo pipefail
cd "$(dirname "$0")/.."
size_mb=${1:-512}
filter=${2:-build/bin/teld-job-filter}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 bench/make_postscript.py "$size_mb" > "$work/job.ps"
bytes=$(stat -c %s "$work/job.ps")
cat "$work/job.ps" > /dev/null  # into the page cache

rate() {  # seconds -> MB/s
  python3 -c "import sys; print(f'{$bytes / 1e6 / float(sys.argv[1]):8.0f} MB/s  ({float(sys.argv[1]):.3f} s)')" "$1"
}
best() {  # best of three wall-clock runs of "$@"
  local best=""
  for _ in 1 2 3; do
    local t0 t1
    t0=$(date +%s.%N)
    "$@"
    t1=$(date +%s.%N)
    local d
    d=$(python3 -c "print($t1 - $t0)")
    if [ -z "$best" ] || python3 -c "import sys; sys.exit(0 if $d < $best else 1)"; then best=$d; fi
  done
  echo "$best"
}

run_cat() { cat "$work/job.ps" > "$work/out.cat"; }
run_filter() {
  PPD=ppd/zq-teld-sample.ppd "$filter" 1 bench "Benchmark" 1 "" "$work/job.ps" > "$work/out.prn" 2>/dev/null
}

echo "input: $((bytes / 1000000)) MB of PostScript, $(wc -l < "$work/job.ps") lines"
tc=$(best run_cat)
tf=$(best run_filter)
echo "cat            $(rate "$tc")"
echo "teld filter    $(rate "$tf")"
python3 -c "print(f'filter / cat   {$tc / $tf:8.2f}')"
