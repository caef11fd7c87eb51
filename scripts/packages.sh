# The Debian packages the project needs, sourced by ./run and ./test.
# shellcheck shell=bash
build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev)
# Offscreen UI tests need a font; the locale tests need a comma-decimal locale.
test_packages=(libgtest-dev fonts-dejavu-core locales-all)
