#!/usr/bin/env bash
# Builds Keldor and analyses a bundled example; prints where the outputs are.
#   scripts/run-example.sh [EXAMPLE.kd4d]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
example=${1:-$root/examples/cantilever_layered_sand_si.kd4d}
"$root/scripts/build.sh" >/dev/null
out="$root/build/example-output"
"$root/build/engine/keldor-run" "$example" --out-dir "$out"
