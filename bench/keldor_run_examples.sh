#!/usr/bin/env bash
# Times keldor-run as a whole process on every bundled example:
#   bench/keldor_run_examples.sh [RUNS]   (after scripts/build.sh)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-20}
program="$root/build/engine/keldor-run"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for example in "$root"/examples/*.kd4d; do
  start=$(date +%s%N)
  for _ in $(seq "$runs"); do "$program" "$example" --out-dir "$out" >/dev/null 2>&1 || true; done
  end=$(date +%s%N)
  awk -v name="$(basename "$example")" -v ns="$((end - start))" -v n="$runs" 'BEGIN { printf "%-50s %8.2f ms per run\n", name, ns / n / 1e6 }'
done
