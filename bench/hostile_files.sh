#!/usr/bin/env bash
# Time and peak memory of `plessard-macro check`, `svg` and `dxf` on files of 16 MiB, the
# largest a macro file may be: bare line feeds, "x" lines, "99" lines, a valid file of many
# parts, and files that cost the most per line: one contour of full circles, arcs that change
# their radius, a million parts that are single points, and those that make the largest SVG.
# Each figure is one whole process under /usr/bin/time, with the size of what it wrote to
# standard output.
#   bench/hostile_files.sh            (builds the tool alone into build-measure/, a release build)
#   TOOL=build/plessard-macro bench/hostile_files.sh
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${TOOL:-}" ]; then
  cmake -S . -B build-measure -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLESSARD_BUILD_TESTS=OFF \
    >/dev/null
  cmake --build build-measure --target plessard-macro >/dev/null
  TOOL=build-measure/plessard-macro
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
limit=$((16 * 1024 * 1024))

# yes ends by SIGPIPE once head has its bytes; that is no failure.
repeated() { { yes "$1" || true; } | head -c "$limit"; }
repeated '' >"$work/line_feeds.txt"
repeated $'x\r' >"$work/x_lines.txt"
repeated $'99\r' >"$work/99_lines.txt"
# The header and the 100 contours of the 10 x 10 array, the contours again and again up to the
# limit, then the end mark: every part inside the rectangle, every line a record.
"$TOOL" write --input examples/vb_input.txt --output "$work/array.txt" --nx 10 --ny 10
head -n 7 "$work/array.txt" >"$work/valid.txt"
sed -n '8,1407p' "$work/array.txt" >"$work/contours.txt"
header=$(stat -c %s "$work/valid.txt")
block=$(stat -c %s "$work/contours.txt")
for _ in $(seq 1 $(((limit - header - 4) / block))); do
  cat "$work/contours.txt"
done >>"$work/valid.txt"
printf -- '-1\r\n' >>"$work/valid.txt"

# A header, the first line, a record repeated up to the limit, and the last lines.
filled() {
  local first=$1 record=$2 last=$3
  local header=$'101, -5.0\r\n102, -5.0\r\n103, 0\r\n104, 5.0\r\n105, 5.0\r\n106, 0\r\n111\r\n'
  local room=$((limit - ${#header} - ${#first} - ${#last}))
  printf '%s%s' "$header" "$first"
  local size=$((${#record} + 1))  # with the line feed yes puts after it
  { yes "$record" || true; } | head -c "$((room / size * size))"
  printf '%s' "$last"
}
filled $'0,1.0, 0.0\r\n' $'3,0.0, 0.0, 1.0, 0.0\r' $'99\r\n-1\r\n' >"$work/circles.txt"
filled $'0,1.0, 0.0\r\n' $'3,0.0, 0.0, 2.0, 0.0\r\n3,0.0, 0.0, 1.0, 0.0\r' \
  $'99\r\n-1\r\n' >"$work/radii.txt"
filled '' $'0,9.0, 9.0\r\n99\r' $'-1\r\n' >"$work/points.txt"
# What costs a drawing the most bytes for each byte read: full circles whose radius has more
# digits than their numbers (0.141421, written 1e-1) or five of them (0.125), parts that are dots
# between parts that are not, and the worst found: dots between parts of one such circle.
filled $'0,0.1, 0.1\r\n' $'3,0.0, 0.0, 0.1, 0.1\r' $'99\r\n-1\r\n' >"$work/root_two.txt"
filled $'0,0.125, 0.0\r\n' $'3,0.0, 0.0, 0.125, 0.0\r' $'99\r\n-1\r\n' >"$work/eighths.txt"
filled '' $'0,0.0, 0.0\r\n1,0.1, 0.0\r\n99\r\n0,0.0, 0.0\r\n99\r' $'-1\r\n' >"$work/dots.txt"
filled '' $'0,0.1, 0.1\r\n3,0.0, 0.0, 0.1, 0.1\r\n99\r\n0,0.0, 0.0\r\n99\r' $'-1\r\n' \
  >"$work/dots_circles.txt"

printf '%-16s %-6s %10s %12s %12s %14s\n' file command seconds "peak MiB" "output MB" \
  "stderr lines"
for file in line_feeds x_lines 99_lines valid circles radii points root_two eighths dots \
  dots_circles; do
  for command in check svg dxf; do
    /usr/bin/time -f '%e %M' -o "$work/time" "$TOOL" "$command" "$work/$file.txt" \
      >"$work/out" 2>"$work/err" || true
    # A failing command (a file with problems) puts a line of its own before the figures.
    read -r seconds kib < <(tail -n 1 "$work/time")
    bytes=$(stat -c %s "$work/out")
    printf '%-16s %-6s %10s %12s %12s %14s\n' "$file" "$command" "$seconds" "$((kib / 1024))" \
      "$((bytes / 1000000))" "$(wc -l <"$work/err")"
  done
done
