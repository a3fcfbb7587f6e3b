#!/bin/sh
# Builds the libFuzzer targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer into BUILD_DIR (default build-fuzz), then runs
# each for SECONDS (default 5) from its seed corpus in tests/fuzz/corpus.
#   sh tests/fuzz/run.sh [SECONDS [BUILD_DIR [TARGET...]]]
# Inputs found along the way are kept in BUILD_DIR/corpus, a crashing input
# in BUILD_DIR/crashes. Exit code 77 (skipped): no clang on this machine.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-5}
build=${2:-$root/build-fuzz}
[ $# -gt 2 ] && shift 2 || set --
targets=${*:-fuzz_promotion_code fuzz_pv_list fuzz_tsql_rewriter fuzz_csv}

missing="fuzz: skipped, clang or its libFuzzer runtime is not installed (apt-get install clang libclang-rt-14-dev)"
if ! command -v clang++ >/dev/null 2>&1 || ! command -v clang >/dev/null 2>&1; then
  echo "$missing"
  exit 77
fi
mkdir -p "$build"
probe="$build/probe"
printf 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }\n' >"$probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe.cpp" -o "$probe" >/dev/null 2>&1; then
  echo "$missing"
  exit 77
fi

sanitizers="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_C_FLAGS="$sanitizers" -DCMAKE_CXX_FLAGS="$sanitizers" \
    -DPROMOCIONES_FUZZ=ON -DPROMOCIONES_TESTS=OFF -DPROMOCIONES_BENCH=OFF \
    -DPROMOCIONES_WERROR=OFF -DPROMOCIONES_VENTANAS=OFF >"$build.log" 2>&1 ||
    { cat "$build.log"; exit 1; }
fi
# shellcheck disable=SC2086
cmake --build "$build" -j2 --target $targets >"$build.log" 2>&1 ||
  { tail -n 40 "$build.log"; exit 1; }

status=0
for target in $targets; do
  mkdir -p "$build/corpus/$target" "$build/crashes"
  # ASan's leak check stays on: a leak is a finding like any other.
  if "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len=4096 \
       -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$build/crashes/$target-" \
       "$build/corpus/$target" "$root/tests/fuzz/corpus/$target" \
       >"$build/$target.log" 2>&1; then
    echo "fuzz: $target: $(grep -m1 'stat::number_of_executed_units' "$build/$target.log" | sed 's/.*: *//') runs, no finding"
  else
    echo "fuzz: $target FAILED; the input is in $build/crashes, the report:"
    tail -n 40 "$build/$target.log"
    status=1
  fi
done
exit $status
