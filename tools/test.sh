#!/usr/bin/env bash
# Sets up, builds and runs every test.
#
#   tools/test.sh          Release build and every test (on 4 cores: about
#                          1.5 minutes from a clean tree, 10 seconds once built)
#   tools/test.sh --werror the same, with warnings as errors
#   tools/test.sh --full   then also the layout of every source (clang-format,
#                          as .clang-format says), the menu entry
#                          (desktop-file-validate), every test in the build
#                          without Qt's private headers, every test under
#                          AddressSanitizer, UndefinedBehaviorSanitizer and
#                          LeakSanitizer, and 5 seconds of every fuzz target
#                          (on 4 cores: about 7 minutes from a clean tree,
#                          plus clang's install the first time)
#
# CI (CI=true) always runs the full set, with warnings as errors; any
# finding fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."

full=false
werror=OFF
if [ "${CI:-}" = true ]; then
  full=true
  werror=ON
fi
for arg in "$@"; do
  case "$arg" in
    --full) full=true ;;
    --werror) werror=ON ;;
    *) echo "usage: tools/test.sh [--full] [--werror]" >&2; exit 2 ;;
  esac
done

if $full; then
  bash tools/setup.sh clang clang-format libclang-rt-14-dev llvm desktop-file-utils
else
  bash tools/setup.sh
fi

export QT_QPA_PLATFORM=offscreen
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTINTLINE_WERROR=$werror
cmake --build build -j"$(nproc)"
ctest --test-dir build --output-on-failure -j"$(nproc)"

$full || exit 0

echo "== Every source laid out as .clang-format says"
find common engine parser remover scan render app tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
  xargs -0 clang-format --dry-run --Werror

echo "== The menu entry as the desktop entry rules say (hints count too)"
report=$(desktop-file-validate app/Tarvexa1.desktop 2>&1) || true
if [ -n "$report" ]; then
  echo "$report" >&2
  exit 1
fi

echo "== Every test in the build without Qt's private headers (the edit field painted by the line edit alone)"
cmake -S . -B build-noprivate -DCMAKE_BUILD_TYPE=Release -DTINTLINE_QT_PRIVATE=OFF -DTINTLINE_WERROR=$werror
cmake --build build-noprivate -j"$(nproc)"
ctest --test-dir build-noprivate --output-on-failure -j"$(nproc)"

echo "== Every test under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTLINE_SANITIZE=ON -DTINTLINE_WERROR=$werror
cmake --build build-asan -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

echo "== Every fuzz target from its seed corpus, 5 seconds each"
bash fuzz/run.sh -t 5
