#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what the build (and, with --test, the tests) need on Debian 12.
# Idempotent: when everything is there it only checks and returns.
set -euo pipefail

build_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  libical-dev
  qt6-l10n-tools qt6-tools-dev  # lupdate and lrelease, and their CMake functions
  libgtest-dev libbenchmark-dev
  fonts-liberation2
  dpkg-dev file  # cpack finds the package's library dependencies with them
  # Every script a note may be written in: Arabic, Hebrew, Indic, Thai and
  # more (noto-core), Chinese, Japanese and Korean (noto-cjk).
  fonts-noto-core fonts-noto-cjk
)
test_packages=(
  cups cups-client cups-bsd printer-driver-cups-pdf
  poppler-utils mupdf-tools
  desktop-file-utils appstream
  lintian  # scripts/package-check.sh checks the .deb with it
  xvfb xauth openbox xdotool x11-utils imagemagick
  python3-pyatspi at-spi2-core dbus  # what a screen reader hears, over AT-SPI
  clang libclang-rt-14-dev
  locales
)
# The tests also run under these.
test_locales=(ja_JP ar_EG de_DE hi_IN en_US)

wanted=("${build_packages[@]}")
if [[ "${1:-}" == "--test" ]]; then
  wanted+=("${test_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

if [[ "${1:-}" == "--test" ]]; then
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  for name in "${test_locales[@]}"; do
    if ! locale -a 2>/dev/null | grep -qx "$name.utf8"; then
      echo "Generating locale $name.UTF-8"
      $sudo localedef -i "$name" -f UTF-8 "$name.UTF-8"
    fi
  done
fi
