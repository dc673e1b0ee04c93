#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the fuzz targets built in BUILD/fuzz. With SECONDS 0 each target only runs its seed
# corpus once (a quick check that nothing found before comes back); otherwise each target
# fuzzes for that many seconds, at most two at a time and at the lowest priority, growing a
# corpus of its own in BUILD/fuzz/corpus and leaving what it finds in BUILD/fuzz/findings.
# Usage: fuzz/run.sh BUILD SECONDS [TARGET...]
set -euo pipefail

build=${1:?build folder}
seconds=${2:?seconds per target}
shift 2
source_dir=$(cd "$(dirname "$0")" && pwd)
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    targets=(fuzz_machine fuzz_challengeloader fuzz_programfile fuzz_panes fuzz_testhandlers)
fi
mkdir -p "$build/fuzz/findings"

run_target() {
    local target=$1
    local binary="$build/fuzz/$target"
    local seeds="$source_dir/corpus/$target"
    local options=(-artifact_prefix="$build/fuzz/findings/$target-" -print_final_stats=1)
    # A leak check after an input scans the whole heap, and the widget toolkit's caches make
    # nearly every input look leaky at first: it would cost those targets nine runs in ten.
    [[ $target != fuzz_machine ]] && options+=(-detect_leaks=0)
    [[ -f "$source_dir/$target.dict" ]] && options+=(-dict="$source_dir/$target.dict")
    if [[ $seconds -eq 0 ]]; then
        "$binary" "${options[@]}" -runs=0 "$seeds" > "$build/fuzz/$target.log" 2>&1
    else
        local corpus="$build/fuzz/corpus/$target"
        mkdir -p "$corpus"
        nice -n 19 "$binary" "${options[@]}" -max_total_time="$seconds" -timeout=20 \
            -rss_limit_mb=4096 "$corpus" "$seeds" > "$build/fuzz/$target.log" 2>&1
    fi
    # libFuzzer's last report line and its final statistics: coverage, features, executions.
    echo "$target: $(grep -E '^#[0-9]+' "$build/fuzz/$target.log" | tail -1)"
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$build/fuzz/$target.log" | sed 's/^/    /'
}

status=0
running=0
for target in "${targets[@]}"; do
    run_target "$target" &
    running=$((running + 1))
    if [[ $running -ge 2 ]]; then
        wait -n || status=1
        running=$((running - 1))
    fi
done
while [[ $running -gt 0 ]]; do
    wait -n || status=1
    running=$((running - 1))
done
if [[ $status -ne 0 ]]; then
    echo "A fuzz target failed: see $build/fuzz/findings and the logs in $build/fuzz." >&2
fi
exit $status
