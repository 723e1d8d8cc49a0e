#!/usr/bin/env bash
# Seeds the loader corpus: the ImageMagick fixtures, the same picture written
# by this library at every depth, and a 16-bit file without stored masks.
# Usage: fuzz/make_seed_corpus.sh path/to/florwash
set -euo pipefail
cd "$(dirname "$0")"
florwash=$1
corpus=corpus/loader
mkdir -p "$corpus"
cp ../tests/fixtures/*.bmp "$corpus/"
for depth in 1 4 8 16 24 32; do
    "$florwash" convert ../tests/fixtures/truecolor-24bit.bmp "$corpus/own-${depth}bit.bmp" --depth "$depth"
done
# 2 x 2 at 16 bits, BI_RGB (the 5-5-5 defaults), rows padded.
printf 'BM\x3e\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x02\x00\x00\x00\x02\x00\x00\x00\x01\x00\x10\x00\x00\x00\x00\x00\x08\x00\x00\x00\xc4\x0e\x00\x00\xc4\x0e\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xff\x7f\x00\x7c\xe0\x03\x1f\x00' > "$corpus/rgb555-no-masks.bmp"

# The probes see the same files, cut at a few lengths inside the headers.
mkdir -p corpus/probes
cp ../tests/fixtures/indexed-8bit.bmp ../tests/fixtures/rgb565-v5-header.bmp corpus/probes/
for length in 0 1 2 13 30 53; do
    head -c "$length" ../tests/fixtures/truecolor-24bit.bmp > "corpus/probes/truecolor-cut-$length.bmp"
done

# Image operation scripts: a depth, two sizes, pixels, then steps. These seeds
# are short byte strings that select each kind of step at least once.
mkdir -p corpus/image_ops
for step in 0 1 2 3 4 5 6 7 8; do
    printf "\x00\x00\x00\x18\x00\x00\x00\x07\x00\x00\x00\x05\x00\x00\x00\x03\x00\x00\x00\x02\x00\x00\x00\x0$step\x50\x00\x00\x00\x32" > "corpus/image_ops/step-$step"
done

# The oil-paint step on a 12 x 10 picture of varied pixels: radius 3 with 16
# bins and scale 15, then radius 1 with 256 bins and scale 255.
{
    printf '\x00\x00\x00\x18\x00\x00\x00\x0b\x00\x00\x00\x09\x00\x00\x00\x00\x00\x00\x00\x00'
    for i in $(seq 0 483); do printf "\\$(printf '%03o' $(((i * 37 + i / 48 * 11) % 256)))"; done
    printf '\x00\x00\x00\x07\x00\x00\x00\x02\x00\x00\x00\x0f\x00\x0f\x00\x00'
    printf '\x00\x00\x00\x07\x00\x00\x00\x00\x00\x00\x00\xff\x00\xff\x00\x00'
} > corpus/image_ops/oil-paint-steps
