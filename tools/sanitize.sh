#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the whole project and its tests with AddressSanitizer (leaks
# included) and UndefinedBehaviorSanitizer, and runs the test suite.
#   tools/sanitize.sh            build in ${MORROWJAR_SANITIZE_BUILD_DIR:-build-asan}
# Any report fails the step: undefined behaviour aborts at once
# (-fno-sanitize-recover=all), and every report of every process (the tests,
# and the programs the end-to-end scripts start) is also written to
# BUILD/sanitizer-reports/, which must stay empty, so that a report from a
# program whose exit status a script does not look at is not lost.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${MORROWJAR_SANITIZE_BUILD_DIR:-build-asan}
src_dir=$PWD

# clang, not GCC: with GCC's separate runtimes, UBSan ignores log_path below.
if [[ ! -f "$build_dir/build.ninja" ]]; then
  # -O1 keeps the instrumented tests fast enough; the frame pointers give
  # whole stacks in the reports.
  CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-O1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=all" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
fi
cmake --build "$build_dir"

reports=$PWD/$build_dir/sanitizer-reports
rm -rf "$reports"
mkdir -p "$reports"
# The allocator does not time its returns of memory to the system: its first
# clock_gettime would go through libfaketime (preloaded by the tests that fake
# the date), whose set-up allocates, and the two would wait on each other.
export ASAN_OPTIONS="detect_leaks=1:allocator_release_to_os_interval_ms=-1:log_path=$reports/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$reports/ubsan"
export LSAN_OPTIONS="suppressions=$src_dir/tools/lsan.supp:print_suppressions=0"

# The permission cases run the programs as the user nobody. When nobody cannot
# reach this build (a clone under /root, say), the instrumented programs can
# write no report into it, and the sanitizer runtime ends them; the opener's
# case runs a copy of m_jar instead, and an instrumented copy outside its
# build folder hangs at start-up under faketime (libfaketime and the sanitizer
# runtime deadlock in their initialisation). Those cases then run in the plain
# suite only, and this says so.
exclude=()
if ((EUID == 0)) && command -v setpriv >/dev/null &&
  ! setpriv --reuid=65534 --regid=65534 --clear-groups test -x "$PWD/$build_dir/opener/m_jar"; then
  skipped=$(cd "$build_dir" && ctest -N -R '_permissions$' | sed -n 's/^ *Test *#[0-9]*: //p' |
    paste -sd' ')
  echo "sanitize: SKIP $skipped: the user nobody cannot reach $PWD/$build_dir"
  exclude=(-E '_permissions$')
fi

status=0
(cd "$build_dir" && ctest --output-on-failure -j"$(nproc)" "${exclude[@]}") || status=$?

if compgen -G "$reports/*" >/dev/null; then
  echo "sanitize: reports in $reports:"
  cat "$reports"/*
  status=1
fi
((status == 0)) && echo "sanitize: the test suite ran clean under ASan, LSan and UBSan"
exit "$status"
