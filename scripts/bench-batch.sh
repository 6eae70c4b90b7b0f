#!/usr/bin/env bash
# Renders the same Code 128 values (10,000 unless a count is given) to PNG files twice per
# round: with quillmark-cli --batch (every core) and with zint's --batch mode, at the same
# module size (4 pixels: 0.33 mm at 300 dpi, zint's scale 2) and bar height (15 mm, 177
# pixels, 44.25 modules), with 10-module quiet zones and the value as text. Prints each
# round's wall times, then the medians and their ratio, and checks that a sample of both
# tools' files scan back to their values. zint is the peer here and nothing else; the
# script installs it when run as root.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
count="${1:-10000}"
rounds="${ROUNDS:-3}"

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
awk -v n="$count" 'BEGIN {
    srand(2026)
    for (i = 1; i <= n; i++)
        printf "QM-%07d-%c%c\n", int(rand() * 1e7), 65 + int(rand() * 26), 97 + int(rand() * 26)
}' >"$work/values.txt"

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "$count Code 128 values to PNG, $rounds rounds, $(nproc) cores"
zint_times=()
ours_times=()
# Outputs are kept until the end: deleting thousands of files slows the next run's file
# creation, which would favour whichever tool ran first.
for round in $(seq "$rounds"); do
    mkdir "$work/zint$round" "$work/quillmark$round"
    start="$(now)"
    zint --batch --barcode=20 --filetype=PNG --scale=2 --height=44.25 --quietzones \
        --input="$work/values.txt" --output="$work/zint$round/~~~~~.png" >/dev/null
    zint_times+=("$(elapsed "$start")")
    start="$(now)"
    "$cli" --batch "$work/values.txt" -o "$work/quillmark$round/{n:05}.png" --quiet
    ours_times+=("$(elapsed "$start")")
    echo "round $round: quillmark-cli ${ours_times[-1]} s, zint ${zint_times[-1]} s"
done

ours="$(printf '%s\n' "${ours_times[@]}" | median)"
peer="$(printf '%s\n' "${zint_times[@]}" | median)"
awk -v o="$ours" -v z="$peer" 'BEGIN {
    printf "median wall time: quillmark-cli %.2f s, zint %.2f s; quillmark-cli is %.2fx as fast\n", o, z, z / o
}'

# Every 100th symbol of the last round, from both tools, must read back as its value.
files=()
for ((n = 1; n <= count; n += 100)); do
    name="$(printf '%05d' "$n")"
    files+=("$work/zint$rounds/$name.png" "$work/quillmark$rounds/$name.png")
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
