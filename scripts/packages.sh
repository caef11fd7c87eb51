# The Debian packages the project needs, sourced by ./run and ./test.
# shellcheck shell=bash
# help2man writes velkari-cli's manual page from its --help at build time.
build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev help2man)
# Offscreen UI tests need a font; the locale tests need a comma-decimal locale.
test_packages=(libgtest-dev fonts-dejavu-core locales-all)
