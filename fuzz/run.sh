#!/usr/bin/env bash
# Builds the question reader's fuzzer (the "fuzz" preset) and runs it for SECONDS (default 120)
# on a copy of the seed corpus; any finding fails the run and is kept in build/fuzz/findings/.
set -euo pipefail
seconds="${1:-120}"
cd "$(dirname "$0")/.."

cmake --preset fuzz > /dev/null
cmake --build --preset fuzz

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r fuzz/corpus "$work/corpus"
mkdir "$work/tmp"
findings="$PWD/build/fuzz/findings"
mkdir -p "$findings"

echo "== fuzz: the question reader for $seconds s"
status=0
# TMPDIR: the fuzzer writes its bank file there, so nothing is left behind. The fuzzer stops
# itself after $seconds; should it hang past that and its own ten-second limit per input,
# the outer timeout ends it a minute later.
TMPDIR="$work/tmp" \
ASAN_OPTIONS="detect_leaks=1" \
UBSAN_OPTIONS="print_stacktrace=1" \
    timeout --kill-after=10 $((seconds + 60)) build/fuzz/fuzz/fuzz_question_reader "$work/corpus" \
    -dict=fuzz/question_reader.dict \
    -max_total_time="$seconds" -max_len=70000 -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$findings/" -print_final_stats=1 < /dev/null || status=$?
if [ "$status" -eq 124 ]; then
    echo "fuzz: still running $((seconds + 60)) s after it began, stopped: a hang" >&2
    exit "$status"
elif [ "$status" -ne 0 ]; then
    echo "fuzz: a finding (exit status $status); the input that shows it is in $findings" >&2
    exit "$status"
fi
