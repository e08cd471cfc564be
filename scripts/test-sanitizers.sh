#!/usr/bin/env bash
# The second way to run the tests: installs what is missing, builds everything
# (program, tools, tests, benchmarks) into build-sanitizers/ with
# AddressSanitizer and UndefinedBehaviorSanitizer, and runs every test. Any
# sanitizer report aborts the process it happens in, so that test (or the
# build step that runs crea_archivio) fails.
#
# The link uses link-time optimisation with -Werror=odr and
# -Werror=lto-type-mismatch: two different types, or declarations that
# disagree, under one name in different files stop the link.
#
# A Debug build: build/ is RelWithDebInfo, so the two between them run the
# tests with and without assertions; -O0 keeps the sanitizers' stacks exact.
# build/ is left alone; build-sanitizers/ is a program folder like it.
QV_CMAKE_ARGS=(
  -DCMAKE_BUILD_TYPE=Debug
  -DCMAKE_INTERPROCEDURAL_OPTIMIZATION=ON
  "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -Werror=odr -Werror=lto-type-mismatch"
  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
)
BUILD_DIR=${BUILD_DIR:-build-sanitizers}
# Leaks are looked for too: Qt, fontconfig and curl leave none behind in these
# tests. Set before the build, which runs crea_archivio.
export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
source "$(dirname "$0")/common.sh"
run_tests
