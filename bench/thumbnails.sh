#!/usr/bin/env bash
# List thumbnails (170 x 128, quality 90) and shooting information on a
# generated corpus of camera-size JPEGs (12, 18 and 24 megapixels, Exif
# included), with the reference tools run on the same files in the same run:
#   ours, one thread           vs vipsthumbnail (one invocation, one thread)
#                              vs ImageMagick convert -define jpeg:size=340x256
#                              vs djpeg -scale 1/8 -dct fast (decode limit)
#   ours, all cores            vs ours on one thread
#   lumidex-cli exif           vs exiv2 -q pr (one invocation)
# Prints seconds, files per second, peak memory and the ratios beside their
# goals. Usage: bench/thumbnails.sh [COUNT]   (default 100 files)
# Environment: LUMIDEX_BENCH_BUILD (build folder, default build-bench),
# LUMIDEX_BENCH_CORPUS (corpus folder, default /tmp/lumidex-thumbnail-corpus),
# LUMIDEX_BENCH_RUNS (runs of each measurement, the best counts; default 2).
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-100}
build=${LUMIDEX_BENCH_BUILD:-build-bench}
corpus=${LUMIDEX_BENCH_CORPUS:-/tmp/lumidex-thumbnail-corpus}
out=$(mktemp -d /tmp/lumidex-thumbnail-bench.XXXXXX)
trap 'rm -rf "$out"' EXIT

# Reference tools, installed when missing.
missing=()
command -v vipsthumbnail >/dev/null || missing+=(libvips-tools)
command -v convert >/dev/null || missing+=(imagemagick)
command -v exiv2 >/dev/null || missing+=(exiv2)
command -v djpeg >/dev/null || missing+=(libjpeg-turbo-progs)
[ -x /usr/bin/time ] || missing+=(time)
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing ${missing[*]}" >&2
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

if [ ! -f "$build/build.ninja" ]; then
  # With the window layer configured too: some benchmarks in bench/ link it,
  # and only the two targets below are built.
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$build" --target lumidex-cli thumbnail_corpus_bench -j 2 >/dev/null
cli=$build/src/cli/lumidex-cli
driver=$build/bench/thumbnail_corpus_bench

mkdir -p "$corpus"
have=$(find "$corpus" -maxdepth 1 -name 'IMG_*.jpg' | wc -l)
if [ "$have" -lt "$count" ]; then
  echo "generating $count camera pictures in $corpus" >&2
  "$driver" generate "$corpus" "$count"
fi
files=()
for i in $(seq 1 "$count"); do files+=("$(printf '%s/IMG_%04d.jpg' "$corpus" "$i")"); done
megabytes=$(du -cm "${files[@]}" | tail -1 | cut -f1)
cores=$(nproc)
load=$(cut -d" " -f1-3 /proc/loadavg)

# measure NAME COMMAND...: wall seconds and peak resident memory (largest
# process) into the variables secs_NAME and mb_NAME; the best of $runs runs,
# so that other work on a shared machine disturbs the figures less.
runs=${LUMIDEX_BENCH_RUNS:-2}
measure() {
  local name=$1 best="" bestkb=0 run secs kb
  shift
  for run in $(seq 1 "$runs"); do
    /usr/bin/time -f '%e %M' -o "$out/time" "$@" >/dev/null 2>"$out/err" || {
      echo "$name failed:" >&2
      cat "$out/err" >&2
      exit 1
    }
    read -r secs kb <"$out/time"
    if [ -z "$best" ] || awk -v a="$secs" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$secs; fi
    [ "$kb" -gt "$bestkb" ] && bestkb=$kb
  done
  printf -v "secs_$name" '%s' "$best"
  printf -v "mb_$name" '%s' "$((bestkb / 1024))"
}

per_file() {  # runs "$@ FILE" for every file, one process each
  local f
  for f in "${files[@]}"; do "$@" "$f"; done
}
export -f per_file

# One thread against all cores, and against the machine's own ceiling: the
# files split between $cores independent one-thread processes, which share
# nothing of ours. A shared host's speed drifts by a fifth between minutes, so
# the three run back to back in each round and the ratios are taken per round
# (their median is printed) instead of from bests taken minutes apart.
split_run() {  # one-thread processes over interleaved shares of the files
  local k pids=()
  for k in $(seq 0 $((cores - 1))); do
    local share=()
    for i in "${!files[@]}"; do [ $((i % cores)) -eq "$k" ] && share+=("${files[$i]}"); done
    "$cli" thumbnail --out "$out/split$k" --jobs 1 "${share[@]}" >/dev/null &
    pids+=($!)
  done
  for k in "${pids[@]}"; do wait "$k"; done
}
wall() {  # seconds of "$@"
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null
  end=$(date +%s.%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }'
}
rounds=$((runs < 3 ? 3 : runs))
scaling=() ceiling=() ours_vs_split=()
for round in $(seq 1 "$rounds"); do
  one=$(wall "$cli" thumbnail --out "$out/ours1" --jobs 1 "${files[@]}")
  all=$(wall "$cli" thumbnail --out "$out/oursN" --jobs "$cores" "${files[@]}")
  split=$(wall split_run)
  scaling+=("$(awk -v a="$one" -v b="$all" 'BEGIN { printf "%.2f", a / b }')")
  ceiling+=("$(awk -v a="$one" -v b="$split" 'BEGIN { printf "%.2f", a / b }')")
  ours_vs_split+=("$(awk -v a="$all" -v b="$split" 'BEGIN { printf "%.2f", b / a }')")
  echo "round $round: 1 thread ${one} s, $cores threads ${all} s, $cores processes ${split} s" >&2
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
measure ours1 "$cli" thumbnail --out "$out/ours1" --jobs 1 "${files[@]}"
measure oursN "$cli" thumbnail --out "$out/oursN" --jobs "$cores" "${files[@]}"
mkdir -p "$out/vips"
measure vips env VIPS_CONCURRENCY=1 vipsthumbnail --size 170x128 -o "$out/vips/%s.jpg[Q=90]" "${files[@]}"
mkdir -p "$out/magick"
measure magick env MAGICK_THREAD_LIMIT=1 bash -c 'for f in "$@"; do
    convert -define jpeg:size=340x256 "$f" -thumbnail 170x128 -quality 90 "'"$out"'/magick/$(basename "$f")"; done' _ "${files[@]}"
measure djpeg bash -c 'for f in "$@"; do djpeg -scale 1/8 -dct fast -outfile /dev/null "$f"; done' _ "${files[@]}"
measure exif "$cli" exif "${files[@]}"
measure exiv2 exiv2 -q pr "${files[@]}"

rate() { awk -v n="$count" -v s="$1" 'BEGIN { printf "%.1f", (s > 0 ? n / s : 0) }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (a > 0 ? b / a : 0) }'; }

echo
echo "load average before the runs: $load"
echo "corpus: $count JPEGs, ${megabytes} MB, 12-24 megapixels; list thumbnails 170 x 128 at quality 90; $cores cores"
printf '%-44s %8s %9s %8s\n' "run" "seconds" "files/s" "peak MB"
row() { printf '%-44s %8s %9s %8s\n' "$1" "$2" "$(rate "$2")" "$3"; }
row "lumidex thumbnail, 1 thread" "$secs_ours1" "$mb_ours1"
row "lumidex thumbnail, $cores threads" "$secs_oursN" "$mb_oursN"
row "vipsthumbnail (1 thread, one invocation)" "$secs_vips" "$mb_vips"
row "ImageMagick convert jpeg:size=340x256" "$secs_magick" "$mb_magick"
row "djpeg -scale 1/8 -dct fast (decode only)" "$secs_djpeg" "$mb_djpeg"
row "lumidex-cli exif" "$secs_exif" "$mb_exif"
row "exiv2 -q pr" "$secs_exiv2" "$mb_exiv2"
echo
printf '%-52s %8s %s\n' "ratio" "value" "goal"
printf '%-52s %8s %s\n' "1 thread vs vipsthumbnail (throughput)" "$(ratio "$secs_ours1" "$secs_vips")x" ">= 1.8x"
printf '%-52s %8s %s\n' "1 thread vs ImageMagick (throughput)" "$(ratio "$secs_ours1" "$secs_magick")x" ">= 3.5x"
printf '%-52s %8s %s\n' "1 thread time / djpeg decode time" "$(ratio "$secs_djpeg" "$secs_ours1")x" "<= 1.15x"
printf '%-52s %8s %s\n' "$cores threads vs 1 thread (median of $rounds rounds)" "$(median "${scaling[@]}")x" ">= 1.8x on 2 cores (rounds: ${scaling[*]})"
printf '%-52s %8s %s\n' "$cores independent processes vs 1 thread (ceiling)" "$(median "${ceiling[@]}")x" "(rounds: ${ceiling[*]})"
printf '%-52s %8s %s\n' "$cores threads vs $cores independent processes" "$(median "${ours_vs_split[@]}")x" "(rounds: ${ours_vs_split[*]})"
printf '%-52s %8s %s\n' "exif vs exiv2 (throughput)" "$(ratio "$secs_exif" "$secs_exiv2")x" ">= 2x"
echo "peak memory of a 1-thread run: ${mb_ours1} MB (a 24-megapixel BGRA picture alone is 91 MB)"
