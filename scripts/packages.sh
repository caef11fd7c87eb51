# The Debian packages the project needs, sourced by ./run and ./test.
# shellcheck shell=bash
build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev)
# Offscreen UI tests need a font; the locale tests need a comma-decimal locale; the
# fuzzers need clang's libFuzzer; static analysis needs clang-tidy, cppcheck and jq.
test_packages=(libgtest-dev fonts-dejavu-core locales-all
               clang libclang-rt-14-dev clang-tidy cppcheck jq)
