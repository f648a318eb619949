#!/usr/bin/env bash
# Time and peak memory of `plessard-macro check`, `svg` and `dxf` on files of 16 MiB, the
# largest a macro file may be: bare line feeds, "x" lines, "99" lines and a valid file of many
# parts. Each figure is one whole process under /usr/bin/time.
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

printf '%-16s %-6s %10s %12s %14s\n' file command seconds "peak MiB" "stderr lines"
for file in line_feeds x_lines 99_lines valid; do
  for command in check svg dxf; do
    /usr/bin/time -f '%e %M' -o "$work/time" "$TOOL" "$command" "$work/$file.txt" \
      >"$work/out" 2>"$work/err" || true
    # A failing command (a file with problems) puts a line of its own before the figures.
    read -r seconds kib < <(tail -n 1 "$work/time")
    printf '%-16s %-6s %10s %12s %14s\n' "$file" "$command" "$seconds" "$((kib / 1024))" \
      "$(wc -l <"$work/err")"
  done
done
