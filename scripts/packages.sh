# The Debian packages the project needs, sourced by ./run and ./test.
# shellcheck shell=bash
# help2man writes velkari-cli's manual page from its --help at build time.
build_packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev help2man)
# Offscreen UI tests need a font; the locale tests need a comma-decimal locale; the
# fuzzers need clang's libFuzzer; static analysis needs clang-tidy, cppcheck and jq.
# The install test validates the desktop entry (desktop-file-utils) and the metainfo
# (appstream), and builds the .deb, whose dependencies dpkg-shlibdeps (dpkg-dev) works
# out from the programs it picks out with file, and which lintian checks; it reads the
# window's class under Xvfb (xvfb, x11-utils, and xauth, which xvfb-run needs and xvfb
# only recommends), where the window size test also runs a
# window manager (openbox) and resizes the window (xdotool). The Wayland test runs the
# window on a headless weston through Qt's Wayland plugin (qt6-wayland). The CLI's shell
# test renders the manual page (man-db), reads the JSON output (jq) and parses the zsh
# and fish completions. The search provider's test runs a private session bus
# (dbus-daemon), calls it with gdbus as the README does (libglib2.0-bin) and compares it
# with GNOME Shell's interface file (gnome-shell-common); KRunner's file is unpacked from
# its package by scripts/fetch_dbus_interfaces.sh (apt-get download, dpkg-deb). The
# real desktops are its clients too: GNOME Shell 43 headless (gnome-shell) and KRunner's
# RunnerManager (libkf5runner-dev). "Copy Table" is read back from Xvfb's clipboard by
# another X client (xclip). The window is read over the accessibility bus as a screen
# reader reads it, by the bus of at-spi2-core and its Python client (python3-pyatspi).
# velkari-cli and the core's tests are cross-built for Windows with MinGW-w64's
# posix-threads g++ and run under Wine (scripts/windows_check.sh).
test_packages=(libgtest-dev fonts-dejavu-core locales-all
               g++-mingw-w64-x86-64-posix wine64 wine
               clang libclang-rt-14-dev clang-tidy cppcheck jq
               desktop-file-utils appstream dpkg-dev file lintian xvfb xauth x11-utils
               openbox xdotool weston qt6-wayland man-db zsh fish tmux
               dbus-daemon libglib2.0-bin gnome-shell-common gnome-shell libkf5runner-dev
               xclip at-spi2-core python3-pyatspi)
