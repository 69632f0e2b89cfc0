#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/), writes the catalogs of 1,000, 100,000
# and 1,000,000 records (about 190 MB, outside the repository), and runs in one go, on the
# same files: wc -l, the core benchmarks and the whole-program figures, each of those in
# fresh processes. Prints the table of BENCHMARKS.md.
#   bench/run_benchmarks.sh [CATALOG_FOLDER]     (default /tmp/tarvel-bench)
# TARVEL_BENCH_RUNS (default 7) sets how many processes each whole-program figure takes
# its median from.
set -euo pipefail
cd "$(dirname "$0")/.."
folder=$(realpath -m "${1:-/tmp/tarvel-bench}")
build=build-bench
case "$folder/" in "$PWD"/*) case "$folder/" in "$PWD"/build*) ;; *) echo "keep the catalogs out of the repository" >&2; exit 2 ;; esac ;; esac

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARVEL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target core_bench gui_bench >/dev/null
python3 bench/make_catalogs.py "$folder"
export QT_QPA_PLATFORM=offscreen
python3 bench/report.py --build "$build" --catalogs "$folder" --runs "${TARVEL_BENCH_RUNS:-7}"
