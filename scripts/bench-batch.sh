#!/usr/bin/env bash
# Renders the same Code 128 values (10,000 unless a count is given) with quillmark-cli
# --batch and with zint's --batch mode, interleaved round by round: PNG and SVG on one
# thread and on every core, PDF on one thread. Both draw the same symbol: a 4-pixel module
# (0.33 mm at 300 dpi, zint's scale 2), 15 mm bars (177 pixels, 44.25 modules), 10-module
# quiet zones and the value as text. As many URLs go into QR Code (level M) and square
# Data Matrix PNGs on one thread, at the same 4-pixel module with the standard quiet zones
# and no text. Prints each round's wall times, the medians per file
# and the ratios, the files' sizes, the batch's peak memory at two lengths and with too
# many jobs, and checks that a sample of both tools' files scan back to their values. On the
# tmpfs it also gives what writing a file costs on its own, in place and whole or not at all.
# zint is the peer here and nothing else; the script installs it when run as root.
#   scripts/bench-batch.sh [COUNT]      (ROUNDS=5 for more rounds; 3 by default;
#                                        CLI=path times another build's quillmark-cli)
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
cli="${CLI:-$root/build/cli/quillmark-cli}"
scan="$root/build/tests/quillmark_scan_images"
scan_matrix="$root/build/tests/quillmark_scan_matrix_images"

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
# The same values as the paths of URLs, https://example.com/p/QM-4821937-Kq, for the 2D types.
sed 's|^|https://example.com/p/|' "$work/values.txt" >"$work/urls.txt"

# Our 2D types by their aliases; a CLI without them stops the benchmark here.
for type in qr datamatrix; do
    if ! refusal="$("$cli" --type "$type" --text none "$(head -1 "$work/urls.txt")" \
        -o "$work/probe.png" 2>&1)"; then
        echo "quillmark-cli does not draw --type $type, which the 2D rows need: $refusal" >&2
        exit 1
    fi
done

zint_batch() { # FORMAT FOLDER
    zint --batch --barcode=20 --filetype="$1" --scale=2 --height=44.25 --quietzones \
        --input="$work/values.txt" --output="$2/~~~~~.${1,,}" >/dev/null
}
ours_batch() { # FORMAT FOLDER [OPTIONS...]
    local format="$1" folder="$2"
    shift 2
    "$cli" --batch "$work/values.txt" -o "$folder/{n:05}.${format,,}" --quiet "$@"
}
# QR Code at level M and square Data Matrix: zint's scale 2 draws 4-pixel modules for
# these too, with the quiet zones their standards ask (4 modules and 1).
zint_2d() { # BARCODE FOLDER [OPTIONS...]
    local barcode="$1" folder="$2"
    shift 2
    zint --batch --barcode="$barcode" --filetype=PNG --scale=2 --quietzones "$@" \
        --input="$work/urls.txt" --output="$folder/~~~~~.png" >/dev/null
}
ours_2d() { # TYPE FOLDER
    "$cli" --batch "$work/urls.txt" -o "$2/{n:05}.png" --quiet --type "$1" --text none \
        --xdim 0.33 --dpi 300 --jobs 1
}

# name: the command that runs it into the folder given last.
names=(zint-png png-j1 png zint-svg svg-j1 svg pdf-j1 zint-qr qr-j1 zint-dm dm-j1)
run() { # NAME FOLDER
    case "$1" in
    zint-png) zint_batch PNG "$2" ;;
    png-j1) ours_batch PNG "$2" --jobs 1 ;;
    png) ours_batch PNG "$2" ;;
    zint-svg) zint_batch SVG "$2" ;;
    svg-j1) ours_batch SVG "$2" --jobs 1 ;;
    svg) ours_batch SVG "$2" ;;
    pdf-j1) ours_batch PDF "$2" --jobs 1 ;;
    zint-qr) zint_2d 58 "$2" --secure=2 ;;
    qr-j1) ours_2d qr "$2" ;;
    zint-dm) zint_2d 71 "$2" --square ;;
    dm-j1) ours_2d datamatrix "$2" ;;
    esac
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
now() { date +%s.%N; }

# The same rounds on a tmpfs and on the disk: the disk's state (its journal, the
# directories' age) moves the per-file times more than the programs do, a tmpfs leaves the
# programs' own time. The tmpfs is one this script mounts when root, else /dev/shm.
memory=""
if [[ $(id -u) -eq 0 ]] && mkdir "$work/tmpfs" && mount -t tmpfs -o size=4g tmpfs "$work/tmpfs" 2>/dev/null; then
    memory="$work/tmpfs"
    memory_kind="a tmpfs mounted for this run"
    trap 'umount "$work/tmpfs" 2>/dev/null || true; rm -rf "$work"' EXIT
elif [[ -d /dev/shm && -w /dev/shm ]]; then
    memory="$(mktemp -d /dev/shm/bench-batch.XXXXXX)"
    memory_kind="/dev/shm"
    trap 'rm -rf "$memory" "$work"' EXIT
else
    echo "no tmpfs: neither mount -t tmpfs (needs root) nor /dev/shm could be used; the disk rows only"
fi
disk="$work/disk"
mkdir "$disk"

echo "$count Code 128 values and as many URLs in 2D symbols, $rounds rounds, $cores cores; wall seconds"
declare -A times per_file
measure() { # PLACE FOLDER: the rounds into FOLDER, then the medians and ratios
    local place="$1" folder="$2" round name line start seconds
    echo "on $place:"
    # Outputs are kept until the end: deleting thousands of files slows the next run's file
    # creation, which would favour whichever command ran first.
    for round in $(seq "$rounds"); do
        line="round $round:"
        for name in "${names[@]}"; do
            mkdir "$folder/$name.$round"
            start="$(now)"
            run "$name" "$folder/$name.$round"
            seconds="$(awk -v a="$start" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }')"
            times[$name]+="$seconds "
            line+=" $name $seconds"
        done
        echo "$line"
    done
    for name in "${names[@]}"; do
        per_file[$name]="$(printf '%s\n' ${times[$name]} | median | awk -v n="$count" '{ printf "%.4f", $1 * 1000 / n }')"
        times[$name]=""
    done
    echo "median ms per file on $place, ours and the other, ratio:"
    ratio "PNG, --jobs 1, against zint" png-j1 zint-png 0.5
    ratio "PNG, $cores jobs, against zint" png zint-png 0.3
    ratio "SVG, --jobs 1, against zint" svg-j1 zint-svg 0.5
    ratio "SVG, $cores jobs, against zint" svg zint-svg 0.3
    ratio "PDF, --jobs 1, against our PNG" pdf-j1 png-j1 2.0
    ratio "QR Code PNG, --jobs 1, against zint" qr-j1 zint-qr 0.5
    ratio "Data Matrix PNG, --jobs 1, against zint" dm-j1 zint-dm 0.5
}
ratio() { # WHAT A B GOAL
    awk -v what="$1" -v a="${per_file[$2]}" -v b="${per_file[$3]}" -v goal="$4" 'BEGIN {
        r = a / b
        printf "  %-40s %7.4f %7.4f  %6.3f  (goal <= %s: %s)\n", what, a, b, r, goal, (r <= goal) ? "met" : "NOT met"
    }'
}
# The file system's own share of a file on the same tmpfs: a new file of an SVG's size
# written in place, as zint writes, and whole or not at all, as ours are (a temporary file
# renamed); the medians of 5 interleaved runs of 10,000 files each.
file_floor() {
    QUILLMARK_WRITE_FOLDER="$1" "$root/build/tests/quillmark_output_file_writes_benchmark" \
        --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
        --benchmark_report_aggregates_only=true 2>/dev/null |
        awk '/_median/ { sub(/\/.*/, "", $1); printf "  %-40s %7.4f ms per file\n", $1, $2 / 1000 }'
}
if [[ -n $memory ]]; then
    measure "tmpfs ($memory_kind)" "$memory"
    echo "the file system alone on the same tmpfs, an SVG's size, in place and whole or not at all:"
    file_floor "$memory"
    # The tmpfs's files go before the disk rounds: they hold memory, not disk.
    rm -rf "${memory:?}"/*
fi
measure "disk ($(df --output=fstype "$disk" | tail -1))" "$disk"
# What follows reads the disk rounds' files.
work_out="$disk"

# The first 2D files' sizes in pixels: the same symbol at the same module, the same size.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'; }
for type in qr dm; do
    echo "first $type file, pixels: ours $(png_size "$work_out/$type-j1.1/00001.png"), zint $(png_size "$work_out/zint-$type.1/00001.png")"
done

bytes() { du -sb --apparent-size "$1" | cut -f1; }
for format in png svg; do
    awk -v f="${format^^}" -v a="$(bytes "$work_out/$format.1")" -v b="$(bytes "$work_out/zint-$format.1")" -v n="$count" 'BEGIN {
        printf "%s bytes per file: ours %.0f, zint %.0f, ratio %.3f\n", f, a / n, b / n, a / b
    }'
done
awk -v a="$(bytes "$work_out/pdf-j1.1")" -v n="$count" 'BEGIN { printf "PDF bytes per file: ours %.0f\n", a / n }'

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

# Every 100th symbol of the last round, from both tools, must read back as its value: the
# Code 128 files as the values, the 2D ones as the URLs.
linear=()
matrix=()
for ((n = 1; n <= count; n += 100)); do
    name="$(printf '%05d' "$n")"
    for folder in zint-png png; do linear+=("$work_out/$folder.$rounds/$name.png"); done
    for folder in zint-qr qr-j1 zint-dm dm-j1; do matrix+=("$work_out/$folder.$rounds/$name.png"); done
done
mismatches=0
compare_reads() { # VALUES, with "FILE<TAB>TEXT" lines on stdin
    while IFS=$'\t' read -r file text; do
        n="$(basename "$file" .png)"
        expected="$(sed -n "$((10#$n))p" "$1")"
        if [[ "$text" != "$expected" ]]; then
            echo "mismatch: $file reads '$text', not '$expected'" >&2
            mismatches=$((mismatches + 1))
        fi
    done
}
compare_reads "$work/values.txt" < <("$scan" "${linear[@]}")
compare_reads "$work/urls.txt" < <("$scan_matrix" "${matrix[@]}")
if ((mismatches > 0)); then
    echo "$mismatches sampled symbols don't read back as their values" >&2
    exit 1
fi
echo "scans: $((${#linear[@]} + ${#matrix[@]})) sampled files, half from each tool, read back as their values"
