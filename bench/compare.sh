#!/usr/bin/env bash
# bench/compare.sh [BUILD_DIR]: times `florwash paint` end to end on a
# 4000 x 3000 24-bit photo-like BMP file, side by side with `cp` of the same
# file and, when ImageMagick is installed, `convert in.bmp -paint 5 out.bmp`
# and a plain `convert in.bmp out.bmp`; also the oil-paint effect,
# `florwash paint --radius 5 --levels 256`. Prints for each the wall time of its
# first run and the median and fastest of the runs after it, the ratios of the
# medians, and each command's peak memory from /usr/bin/time -v.
#
# BUILD_DIR defaults to build/ (as made by `cmake --preset default`).
# Environment: REPS (repetitions, default 5), CONVERT (the ImageMagick
# program to use; found on PATH otherwise), WIDTH and HEIGHT (4000 x 3000).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
reps=${REPS:-5}
width=${WIDTH:-4000}
height=${HEIGHT:-3000}
florwash=$build/cli/florwash
maker=$build/bench/make_photo_bmp
for program in "$florwash" "$maker"; do
    if [ ! -x "$program" ]; then
        echo "compare.sh: $program is missing; build first (cmake --workflow --preset test)" >&2
        exit 1
    fi
done

# ImageMagick's convert, preferring a native executable to a wrapper script so
# that a wrapper's own start-up is not timed.
find_convert() {
    local candidate
    for native in yes no; do
        for candidate in $(type -ap convert magick 2>/dev/null); do
            if [ $native = yes ] && [ "$(head -c 4 "$candidate" | od -An -c | tr -d ' ')" != '177ELF' ]; then
                continue
            fi
            if "$candidate" -version 2>/dev/null | grep -q ImageMagick; then
                echo "$candidate"
                return
            fi
        done
    done
}
convert=${CONVERT:-$(find_convert)}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$maker" "$width" "$height" "$work/in.bmp"

names=(florwash florwash-oil cp)
if [ -n "$convert" ]; then
    names+=(convert-paint convert)
fi

# Sets the array `command` to the command line of the named run.
command_for() {
    case $1 in
        florwash) command=("$florwash" paint "$work/in.bmp" "$work/out-florwash.bmp") ;;
        florwash-oil) command=("$florwash" paint --radius 5 --levels 256 "$work/in.bmp" "$work/out-oil.bmp") ;;
        cp) command=(cp "$work/in.bmp" "$work/out-cp.bmp") ;;
        convert-paint) command=("$convert" "$work/in.bmp" -paint 5 "$work/out-paint.bmp") ;;
        convert) command=("$convert" "$work/in.bmp" "$work/out-convert.bmp") ;;
    esac
}

# Wall time of one run in microseconds.
time_run() {
    local start end
    start=${EPOCHREALTIME/./}
    "${command[@]}" >/dev/null
    end=${EPOCHREALTIME/./}
    echo $((end - start))
}

# Peak resident memory of one run in KiB, or nothing without GNU time.
peak_memory() {
    if [ -x /usr/bin/time ]; then
        /usr/bin/time -v "${command[@]}" 2>&1 >/dev/null |
            awk -F: '/Maximum resident set size/ { gsub(/ /, "", $2); print $2 }'
    fi
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
fastest() { sort -n | head -n 1; }
seconds() { awk -v us="$1" 'BEGIN { printf "%.4f", us / 1e6 }'; }

# Each command runs once on its own ("first s"), then reps times in a row. On
# a virtual machine whose host takes back freed memory, the first run after
# another program pays for fresh pages (for florwash, its two images); the
# runs after it find the memory their predecessor freed, as cp finds the page
# cache it rewrites.
declare -A times first medians memory
for name in "${names[@]}"; do
    command_for "$name"
    first[$name]=$(time_run)
    for ((rep = 1; rep <= reps; rep++)); do
        times[$name]+="$(time_run) "
    done
    medians[$name]=$(tr ' ' '\n' <<<"${times[$name]}" | grep . | median)
    memory[$name]=$(peak_memory)
done

pixels=$((width * height))
echo "${width} x ${height} 24-bit BMP ($(stat -c %s "$work/in.bmp") bytes); wall time of a first run," \
    "then median and fastest of $reps more"
[ -n "$convert" ] && echo "ImageMagick: $convert ($("$convert" -version | head -n 1 | sed 's/^Version: //'))"
echo
printf '| %-38s | %10s | %10s | %10s | %10s | %12s |\n' command "median s" "fastest s" "first s" "x cp" \
    "peak MiB"
echo "|----------------------------------------|-----------:|-----------:|-----------:|-----------:|-------------:|"
for name in "${names[@]}"; do
    case $name in
        florwash) label="florwash paint in.bmp out.bmp" ;;
        florwash-oil) label="florwash paint --radius 5 --levels 256" ;;
        cp) label="cp in.bmp out.bmp" ;;
        convert-paint) label="convert in.bmp -paint 5 out.bmp" ;;
        convert) label="convert in.bmp out.bmp" ;;
    esac
    fast=$(tr ' ' '\n' <<<"${times[$name]}" | grep . | fastest)
    ratio=$(awk -v a="${medians[$name]}" -v b="${medians[cp]}" 'BEGIN { printf "%.1f", a / b }')
    peak=${memory[$name]:+$(awk -v k="${memory[$name]}" 'BEGIN { printf "%.1f", k / 1024 }')}
    printf '| %-38s | %10s | %10s | %10s | %10s | %12s |\n' "$label" "$(seconds "${medians[$name]}")" \
        "$(seconds "$fast")" "$(seconds "${first[$name]}")" "$ratio" "${peak:-n/a}"
done
echo

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }
echo "florwash paint / cp: $(ratio "${medians[florwash]}" "${medians[cp]}") (target: at most 6)"
echo "florwash paint --radius 5 --levels 256: $(seconds "${medians[florwash-oil]}") s (target: at most 0.5 s)"
if [ -n "$convert" ]; then
    echo "convert -paint 5 / florwash paint: $(ratio "${medians[convert-paint]}" "${medians[florwash]}") (target: at least 50)"
    echo "convert / florwash paint: $(ratio "${medians[convert]}" "${medians[florwash]}")"
    echo "convert -paint 5 / florwash oil paint: $(ratio "${medians[convert-paint]}" "${medians[florwash-oil]}") (target: about 20)"
fi
if [ -n "${memory[florwash]}" ]; then
    limit=$(((2 * 4 * pixels + 16 * 1024 * 1024) / 1024))
    echo "florwash paint peak memory: $(ratio "${memory[florwash]}" 1024) MiB" \
        "(target: at most two images plus 16 MiB, $(ratio "$limit" 1024) MiB)"
fi
