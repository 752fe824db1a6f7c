#!/usr/bin/env bash
# Runs every fuzzer of a fuzz build for the given seconds, side by side, each
# starting from its checked-in corpus. Fails when any of them finds a crash,
# a leak or a hang.
set -euo pipefail
build=$1
seconds=$2
work=$(mktemp -d)
pids=()
names=()
# A unit counts as hung after 300 s: a document may hold a six-by-six system
# whose cover search takes seconds even in a release build, and the
# sanitizers and coverage make it some twenty times slower.
for fuzzer in "$build"/tests/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus="tests/fuzz/corpus/${name#fuzz_}"
    mkdir -p "$work/$name"
    "$fuzzer" -max_total_time="$seconds" -timeout=300 -rss_limit_mb=2048 \
        -artifact_prefix="$work/$name/" "$work/$name" "$corpus" >"$work/$name.log" 2>&1 &
    pids+=($!)
    names+=("$name")
done
status=0
for i in "${!pids[@]}"; do
    if wait "${pids[$i]}"; then
        echo "${names[$i]}: $(grep -Eo 'Done [0-9]+ runs in [0-9]+ second' "$work/${names[$i]}.log" | tail -n1)"
    else
        echo "${names[$i]} FAILED" >&2
        tail -n 60 "$work/${names[$i]}.log" >&2
        status=1
    fi
done
exit $status
