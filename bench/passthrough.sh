#!/usr/bin/env bash
# Throughput of the job filter's PostScript pass-through against cat on the
# same file and machine, on a document of short lines (about 70 bytes, the
# common case of generated PostScript) with every hook active (a watermark
# drawn on each page, secure print). Not a test: it prints both rates, the
# filter's peak memory, and checks that the output into a pipe and into a
# file are the same bytes.
#   bench/passthrough.sh [size-in-MB] [filter]
set -euo pipefail
cd "$(dirname "$0")/.."
size_mb=${1:-512}
filter=${2:-build/bin/teld-job-filter}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 bench/make_postscript.py "$size_mb" short > "$work/job.ps"
# Secure print with a text watermark: the header, the page hooks and the
# watermark drawing all run.
options=$(tr '\n' ' ' < samples/secure-watermark.options)
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

# Under CUPS a filter writes into a pipe that the next program reads; that
# is the comparison that matters. Into a file, cat copies inside the kernel
# (copy_file_range), which no filter that looks at its data can do; that
# rate is shown for information.
filter_to() {
  PPD=ppd/zq-teld-sample.ppd "$filter" 1 bench "Benchmark" 1 "$options" "$work/job.ps" 2>/dev/null
}
pipe_cat() { cat "$work/job.ps" | cat > /dev/null; }
pipe_filter() { filter_to | cat > /dev/null; }
pipe_filter_kept() { filter_to | cat > "$work/out.pipe"; }
file_cat() { cat "$work/job.ps" > "$work/out.cat"; }
file_filter() { filter_to > "$work/out.prn"; }

echo "input: $((bytes / 1000000)) MB of PostScript, $(wc -l < "$work/job.ps") lines"
tc=$(best pipe_cat)
tf=$(best pipe_filter)
echo "into a pipe:  cat          $(rate "$tc")"
echo "into a pipe:  teld filter  $(rate "$tf")"
python3 -c "print(f'into a pipe:  filter / cat {$tc / $tf:8.2f}')"
fc=$(best file_cat)
ff=$(best file_filter)
echo "into a file:  cat          $(rate "$fc")"
echo "into a file:  teld filter  $(rate "$ff")"

# The same bytes whichever way the output goes, and the watermark on the pages.
pipe_filter_kept
file_filter
cmp -s "$work/out.pipe" "$work/out.prn" && echo "output:       the same bytes into a pipe and into a file" ||
  { echo "output:       DIFFERS between pipe and file"; exit 1; }
echo "watermarks:   $(grep -c 'CONFIDENTIAL' "$work/out.prn") drawn, $(grep -c '^ep$' "$work/job.ps") pages"
rss=$( { /usr/bin/time -f %M sh -c "PPD=ppd/zq-teld-sample.ppd '$filter' 1 bench Benchmark 1 '$options' '$work/job.ps' 2>/dev/null | cat > /dev/null"; } 2>&1 )
echo "memory:       ${rss} KB peak for $((bytes / 1000000)) MB"
