#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan+UBSan) in build-fuzz/ and
# runs them from their seed corpus.
#
#   fuzz/run.sh -t SECONDS [TARGET...]   each TARGET (default: all) for SECONDS
#   fuzz/run.sh TARGET [-- FLAGS...]     one target until stopped (Ctrl-C)
#   fuzz/run.sh --list                   the targets' names (fuzz/CMakeLists.txt)
#
# Flags after -- go to libFuzzer (e.g. -jobs=3, -max_len=1024). New inputs
# collect in build-fuzz/corpus/TARGET; findings go to build-fuzz/findings/
# and make the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=""
targets=()
flags=()
while [ $# -gt 0 ]; do
  case "$1" in
    -t) seconds="$2"; shift 2 ;;
    --) shift; flags=("$@"); break ;;
    --list) bash tools/setup.sh; cmake -P fuzz/CMakeLists.txt; exit 0 ;;
    -h|--help) sed -n '2,11p' "$0"; exit 0 ;;
    *) targets+=("$1"); shift ;;
  esac
done
if [ -z "$seconds" ] && [ ${#targets[@]} -ne 1 ]; then
  echo "fuzz/run.sh: name one target to run until stopped, or give -t SECONDS" >&2
  exit 2
fi

bash tools/setup.sh clang libclang-rt-14-dev llvm
# The targets as fuzz/CMakeLists.txt lists them, read in script mode.
mapfile -t all < <(cmake -P fuzz/CMakeLists.txt)
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DTINTLINE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz

findings=build-fuzz/findings
mkdir -p "$findings" build-fuzz/logs
failed=()
for t in "${targets[@]}"; do
  [ -x "build-fuzz/fuzz/fuzz_$t" ] || { echo "fuzz/run.sh: no target $t (one of: ${all[*]})" >&2; exit 2; }
  mkdir -p "build-fuzz/corpus/$t"
  # Lines are capped (raise it with -max_len after --): the fast engine takes
  # lines from 16 units on, so short ones reach it, while the step-by-step
  # references that fast_same_as_literal runs beside it search the whole line
  # for every rule, so long lines mostly cost time.
  run=("build-fuzz/fuzz/fuzz_$t" -max_len=512 -timeout=60 -print_final_stats=1 "-artifact_prefix=$findings/$t-"
       "${flags[@]}" "build-fuzz/corpus/$t" "fuzz/corpus/$t")
  if [ -z "$seconds" ]; then
    "${run[@]}"
    exit
  fi
  log="build-fuzz/logs/$t.log"
  if "${run[@]}" "-max_total_time=$seconds" >"$log" 2>&1; then
    echo "fuzz_$t: ${seconds}s, $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") inputs, no finding"
  else
    cat "$log" >&2
    failed+=("$t")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (inputs in $findings/, logs in build-fuzz/logs/)" >&2
  exit 1
fi
