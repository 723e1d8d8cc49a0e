#!/usr/bin/env bash
# Batch throughput of florwash paint: 64 one-megapixel files painted with
# --jobs 1 and with --jobs 2, several repetitions, medians and the ratio.
# Usage: bench/batch.sh path/to/florwash [repetitions]
set -euo pipefail
florwash=$(realpath "$1")
repetitions=${2:-3}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One 1224 x 804 picture (about a megapixel) from the bundled sample, 64 times.
"$florwash" resize "$here/samples/rose.bmp" "$work/one.bmp" --width 1224
mkdir -p "$work/in"
for i in $(seq -w 1 64); do cp "$work/one.bmp" "$work/in/picture$i.bmp"; done

median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }
seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { print b - a }'
}

for options in "--radius 5 --levels 256" ""; do
    label=${options:-"module filter"}
    for jobs in 1 2; do
        for _ in $(seq "$repetitions"); do
            rm -rf "$work/out"
            # shellcheck disable=SC2086
            seconds "$florwash" paint $options --jobs "$jobs" --output-dir "$work/out" "$work"/in/*.bmp
        done | median > "$work/jobs$jobs"
    done
    one=$(cat "$work/jobs1")
    two=$(cat "$work/jobs2")
    awk -v label="$label" -v one="$one" -v two="$two" \
        'BEGIN { printf "%-26s --jobs 1: %6.2f s   --jobs 2: %6.2f s   throughput x %.2f\n", label, one, two, one / two }'
done
