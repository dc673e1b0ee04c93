#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages Zindle needs to build, test and run, skipping those already
# present. With --bench it also installs what the benchmarks compare against; with --fuzz, the
# compiler and runtime of the fuzz targets; with --lint, the licence checker; with --coverage,
# the report of line coverage.
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core)
# The assembler behind the engine's machine code (static: nothing to install beside the app).
packages+=(libasmjit-dev)
# The translations: lrelease and lupdate, and Qt's own for its standard buttons.
packages+=(qt6-l10n-tools qt6-translations-l10n)
# Building the Debian package and checking what it installs.
packages+=(dpkg-dev desktop-file-utils appstream man-db file shared-mime-info lintian)
case "${1:-}" in
    --bench) packages+=(beef) ;;
    --fuzz) packages+=(clang-14 libclang-rt-14-dev) ;;
    --lint) packages+=(reuse) ;;
    --coverage) packages+=(gcovr) ;;
esac

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
