#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails on any include that points upward between the folders of src/, which are layered as
# interpreter < io < challenges < window: a folder uses only itself and the folders below it.
# zindle-check and the tools are headless and stand on the challenges layer; main.cpp may use
# everything. Prints each upward include as file:line: include.
set -euo pipefail
cd "$(dirname "$0")/.."

# Includes that point upward on purpose: "file include", each with its reason beside the include
# in the file itself.
allowed=(
    # The interactive and test handlers are constructed with the window, whose panes they use.
    "src/io/alphahandler.cpp window/zindle.h"
    "src/io/numerichandler.cpp window/zindle.h"
    "src/challenges/normaltesthandler.cpp window/zindle.h"
    "src/challenges/alphatesthandler.cpp window/zindle.h"
    "src/challenges/nimtesthandler.cpp window/zindle.h"
    # The test flow is part of the window: it implements the window's own members.
    "src/challenges/challengeflow.cpp window/zindle.h"
    "src/challenges/challengeflow.cpp window/zindle_p.h"
)

level() {
    case "$1" in
        interpreter) echo 0 ;;
        io) echo 1 ;;
        challenges) echo 2 ;;
        window) echo 3 ;;
        *) echo -1 ;;
    esac
}

# The layer a file stands on, or nothing for a file that may include anything.
layer_of() {
    case "$1" in
        src/main.cpp) ;;
        src/*/*) level "$(echo "$1" | cut -d/ -f2)" ;;
        src/* | tools/*) level challenges ;;
    esac
}

failures=0
while IFS= read -r file; do
    own=$(layer_of "$file")
    [ -n "$own" ] || continue
    while IFS=: read -r line include; do
        folder=${include%%/*}
        target=$(level "$folder")
        [ "$target" -gt "$own" ] || continue
        if printf '%s\n' "${allowed[@]}" | grep -qxF "$file $include"; then
            continue
        fi
        echo "$file:$line: includes $include from a layer above it"
        failures=$((failures + 1))
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" \
                 | sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1:\2/' || true)
done < <(find src tools -name '*.cpp' -o -name '*.h' | sort)

if [ "$failures" -ne 0 ]; then
    echo "$failures upward include(s); the layers are interpreter < io < challenges < window."
    exit 1
fi
echo "Layers: no upward include."
