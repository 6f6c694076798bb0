#!/usr/bin/env bash
# Builds the PICT reader with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for a bounded time (default 300 s,
# or the first argument), starting from the reference pictures and the seeds
# in fuzz/seeds (version 1, 4-bit and 16-bit pictures). Any input
# that crashes or hangs it is copied to tests/pict/malformed/, where the
# decoder test keeps it as a fixture.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
out=build-fuzz
mkdir -p "$out/corpus" "$out/findings"

cxxflags=$(pkg-config --cflags Qt6Gui)
libs=$(pkg-config --libs Qt6Gui)
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -Isrc $cxxflags src/platform/pict.cpp fuzz/pict_fuzzer.cpp $libs -o "$out/pict_fuzzer"

cp -n tests/pict/reference/*.pct fuzz/seeds/*.pct "$out/corpus/" 2>/dev/null || true
status=0
"$out/pict_fuzzer" "$out/corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -artifact_prefix="$out/findings/" -print_final_stats=1 || status=$?
for finding in "$out"/findings/*; do
    [ -e "$finding" ] && cp "$finding" tests/pict/malformed/
done
exit "$status"
