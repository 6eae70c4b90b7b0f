#!/usr/bin/env bash
# Renders the same Code 128 values (10,000 unless a count is given) with quillmark-cli
# --batch and with zint's --batch mode, interleaved round by round: PNG and SVG on one
# thread and on every core, PDF on one thread. Both draw the same symbol: a 4-pixel module
# (0.33 mm at 300 dpi, zint's scale 2), 15 mm bars (177 pixels, 44.25 modules), 10-module
# quiet zones and the value as text. Prints each round's wall times, the medians per file
# and the ratios, the files' sizes, the batch's peak memory at two lengths and with too
# many jobs, and checks that a sample of both tools' files scan back to their values.
# zint is the peer here and nothing else; the script installs it when run as root.
#   scripts/bench-batch.sh [COUNT]      (ROUNDS=5 for more rounds; 3 by default)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
count="${1:-10000}"
rounds="${ROUNDS:-3}"
cores="$(nproc)"

if ! command -v zint >/dev/null; then
    if [[ $(id -u) -ne 0 ]]; then
        echo "This benchmark compares with zint: install it (apt-get install zint) and try again." >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends zint >/dev/null
fi

"$root/scripts/build.sh" >/dev/null
cli="$root/build/cli/quillmark-cli"
scan="$root/build/tests/quillmark_scan_images"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Values like QM-4821937-Kq, the same every run.
values() {
    awk -v n="$1" 'BEGIN {
        srand(2026)
        for (i = 1; i <= n; i++)
            printf "QM-%07d-%c%c\n", int(rand() * 1e7), 65 + int(rand() * 26), 97 + int(rand() * 26)
    }'
}
values "$count" >"$work/values.txt"
values "$((count / 10))" >"$work/tenth.txt"

zint_batch() { # FORMAT FOLDER
    zint --batch --barcode=20 --filetype="$1" --scale=2 --height=44.25 --quietzones \
        --input="$work/values.txt" --output="$2/~~~~~.${1,,}" >/dev/null
}
ours_batch() { # FORMAT FOLDER [OPTIONS...]
    local format="$1" folder="$2"
    shift 2
    "$cli" --batch "$work/values.txt" -o "$folder/{n:05}.${format,,}" --quiet "$@"
}

# name: the command that runs it into the folder given last.
names=(zint-png png-j1 png zint-svg svg-j1 svg pdf-j1)
run() { # NAME FOLDER
    case "$1" in
    zint-png) zint_batch PNG "$2" ;;
    png-j1) ours_batch PNG "$2" --jobs 1 ;;
    png) ours_batch PNG "$2" ;;
    zint-svg) zint_batch SVG "$2" ;;
    svg-j1) ours_batch SVG "$2" --jobs 1 ;;
    svg) ours_batch SVG "$2" ;;
    pdf-j1) ours_batch PDF "$2" --jobs 1 ;;
    esac
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
now() { date +%s.%N; }

echo "$count Code 128 values, $rounds rounds, $cores cores; wall seconds"
declare -A times
# Outputs are kept until the end: deleting thousands of files slows the next run's file
# creation, which would favour whichever command ran first.
for round in $(seq "$rounds"); do
    line="round $round:"
    for name in "${names[@]}"; do
        mkdir "$work/$name.$round"
        start="$(now)"
        run "$name" "$work/$name.$round"
        seconds="$(awk -v a="$start" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }')"
        times[$name]+="$seconds "
        line+=" $name $seconds"
    done
    echo "$line"
done

declare -A per_file
for name in "${names[@]}"; do
    per_file[$name]="$(printf '%s\n' ${times[$name]} | median | awk -v n="$count" '{ printf "%.4f", $1 * 1000 / n }')"
done
ratio() { # WHAT A B GOAL
    awk -v what="$1" -v a="${per_file[$2]}" -v b="${per_file[$3]}" -v goal="$4" 'BEGIN {
        r = a / b
        printf "  %-34s %7.4f %7.4f  %6.3f  (goal <= %s: %s)\n", what, a, b, r, goal, (r <= goal) ? "met" : "NOT met"
    }'
}
echo "median ms per file, ours and the other, ratio:"
ratio "PNG, --jobs 1, against zint" png-j1 zint-png 0.5
ratio "PNG, $cores jobs, against zint" png zint-png 0.3
ratio "SVG, --jobs 1, against zint" svg-j1 zint-svg 0.5
ratio "SVG, $cores jobs, against zint" svg zint-svg 0.3
ratio "PDF, --jobs 1, against our PNG" pdf-j1 png-j1 2.0

bytes() { du -sb --apparent-size "$1" | cut -f1; }
for format in png svg; do
    awk -v f="${format^^}" -v a="$(bytes "$work/$format.1")" -v b="$(bytes "$work/zint-$format.1")" -v n="$count" 'BEGIN {
        printf "%s bytes per file: ours %.0f, zint %.0f, ratio %.3f\n", f, a / n, b / n, a / b
    }'
done
awk -v a="$(bytes "$work/pdf-j1.1")" -v n="$count" 'BEGIN { printf "PDF bytes per file: ours %.0f\n", a / n }'

# Peak resident memory of whole batches: it must not grow with the batch's length, and
# stays within 64 MB and 8 MB a job; jobs above the cores are capped, with a note.
peak() { # INPUT JOBS: prints the peak in MB
    /usr/bin/time -f '%M' -o "$work/peak" "$cli" --batch "$1" -o "$work/peak.{n:05}.png" --quiet \
        --jobs "$2" 2>/dev/null
    awk '{ printf "%.1f", $1 / 1024 }' "$work/peak"
    rm -f "$work"/peak.*.png
}
short="$(peak "$work/tenth.txt" "$cores")"
long="$(peak "$work/values.txt" "$cores")"
many="$(peak "$work/values.txt" 64)"
awk -v s="$short" -v l="$long" -v m="$many" -v n="$count" -v j="$cores" 'BEGIN {
    bound = 64 + 8 * j
    printf "peak memory, %d jobs: %.1f MB for %d values, %.1f MB for %d; --jobs 64: %.1f MB (bound %d MB: %s)\n",
        j, s, n / 10, l, n, m, bound, (l <= bound && m <= bound) ? "met" : "NOT met"
}'
"$cli" --batch "$work/tenth.txt" -o "$work/capped.{n:05}.png" --jobs 64 2>&1 >/dev/null | grep -m1 cores || true

# Every 100th symbol of the last round, from both tools, must read back as its value.
files=()
for ((n = 1; n <= count; n += 100)); do
    name="$(printf '%05d' "$n")"
    files+=("$work/zint-png.$rounds/$name.png" "$work/png.$rounds/$name.png")
done
mismatches=0
while IFS=$'\t' read -r file text; do
    n="$(basename "$file" .png)"
    expected="$(sed -n "$((10#$n))p" "$work/values.txt")"
    if [[ "$text" != "$expected" ]]; then
        echo "mismatch: $file reads '$text', not '$expected'" >&2
        mismatches=$((mismatches + 1))
    fi
done < <("$scan" "${files[@]}")
if ((mismatches > 0)); then
    echo "$mismatches sampled symbols don't read back as their values" >&2
    exit 1
fi
echo "scans: ${#files[@]} sampled files, half from each tool, read back as their values"
