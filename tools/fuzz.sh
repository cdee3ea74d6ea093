#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Fuzzes the per-folder evaluation of the schedule rules with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer.
#   tools/fuzz.sh [SECONDS [libFuzzer options...]]   (default 60 seconds)
# Builds only the fuzzer, with clang, in ${MORROWJAR_FUZZ_BUILD_DIR:-build-fuzz}.
# The kept corpus rules/fuzz/corpus is read, never written: new inputs go to
# the build folder's corpus, and a crash, a broken invariant or a hang leaves
# its input in the build folder's artifacts/ and makes this script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
build_dir=${MORROWJAR_FUZZ_BUILD_DIR:-build-fuzz}

if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ not found, the fuzz run is skipped (the corpus replay still ran)"
  exit 0
fi

if [[ ! -f "$build_dir/build.ninja" ]]; then
  CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
    -DMORROWJAR_FUZZER=ON -DMORROWJAR_BUILD_TESTS=OFF -DMORROWJAR_BUILD_BENCHMARKS=OFF >/dev/null
fi
cmake --build "$build_dir" --target folder_evaluation_fuzzer

mkdir -p "$build_dir/corpus" "$build_dir/artifacts"
# The slowest legal name, a month-end window of 32,767 days, takes about 0.07 s
# with the sanitizers on a busy machine; a call that runs two seconds hangs.
echo "fuzz: running for $seconds s"
"$build_dir/rules/fuzz/folder_evaluation_fuzzer" "$build_dir/corpus" rules/fuzz/corpus \
  -dict=rules/fuzz/schedule_names.dict -max_len=1024 -timeout=2 \
  -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build_dir/artifacts/" "$@"
