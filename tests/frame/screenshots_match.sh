#!/usr/bin/env bash
# The manual's screenshots show the program as it is: retakes them from the built program on
# a virtual screen and compares each with the committed one. Skipped (77) where the virtual
# screen or its tools are missing. A busy machine may shoot before a repaint, so a mismatch
# is retaken once before it counts.
#
#   screenshots_match.sh <orvalis> <source root>
set -uo pipefail
exe="$1"
root="$2"
for tool in xvfb-run xdotool import compare identify; do
  command -v "$tool" >/dev/null || { echo "no $tool: skipped"; exit 77; }
done
fresh="$(mktemp -d)"
trap 'rm -rf "$fresh"' EXIT

# Compares every committed screenshot with the fresh ones; prints what differs.
compare_all() {
  local failed=0 committed name shot size_then size_now pixels differing
  for committed in "$root"/docs/manual/*.png; do
    name="$(basename "$committed")"
    shot="$fresh/$name"
    if [ ! -f "$shot" ]; then
      echo "$name: the program no longer shows it"; failed=1; continue
    fi
    size_then="$(identify -format '%wx%h' "$committed")"
    size_now="$(identify -format '%wx%h' "$shot")"
    if [ "$size_then" != "$size_now" ]; then
      echo "$name: $size_then in the manual, $size_now on screen"; failed=1; continue
    fi
    # A blinking caret or a smoothed glyph may differ; a changed panel differs in far more.
    pixels=$(( ${size_now%x*} * ${size_now#*x} ))
    differing="$(compare -metric AE -fuzz 10% "$committed" "$shot" null: 2>&1 >/dev/null | cut -d' ' -f1)"
    differing="${differing%.*}"
    if [ "$differing" -gt $(( pixels / 100 )) ]; then
      echo "$name: $differing of $pixels pixels differ; retake with tools/manual-screenshots"
      failed=1
    else
      echo "$name: matches ($differing pixels differ)"
    fi
  done
  return "$failed"
}

for attempt in 1 2; do
  rm -f "$fresh"/*.png
  if timeout 180 "$root/tools/manual-screenshots" "$exe" "$fresh" && compare_all; then
    exit 0
  fi
  echo "attempt $attempt: the screenshots do not match"
done
exit 1
