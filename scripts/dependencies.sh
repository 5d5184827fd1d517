#!/usr/bin/env bash
# Installs the Debian 12 packages Zygora needs, only when some are missing.
set -euo pipefail

packages=(cmake g++ ninja-build libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev libjpeg62-turbo-dev libsqlite3-dev libgmp-dev
          nlohmann-json3-dev libcli11-dev locales
          libasound2-dev xvfb xauth imagemagick poppler-utils fonts-dejavu-core clang-14 libclang-rt-14-dev
          librsvg2-bin dpkg-dev desktop-file-utils twm)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "Installing missing packages: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}"
fi
