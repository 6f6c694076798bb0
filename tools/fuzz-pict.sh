#!/usr/bin/env bash
# Builds the PICT reader with clang for libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (the TOVY_PICT_FUZZER target), and runs it for
# a bounded time (default 300 s, or the first argument). It starts from the
# reference pictures, the seeds in fuzz/seeds/pict (version 1, 4-bit and 16-bit
# pictures) and the hostile inputs in tests/pict/malformed/. Any input that
# crashes it, hangs it or takes too much memory is copied to
# tests/pict/malformed/, where the decoder test keeps it as a fixture.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
out=build-fuzz-pict
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined"

cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link $sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
    -DTOVY_PICT_FUZZER=ON >/dev/null
cmake --build "$out" -j3 --target tovy_pict_fuzzer

mkdir -p "$out/corpus" "$out/findings"
cp -n tests/pict/reference/*.pct fuzz/seeds/pict/*.pct tests/pict/malformed/*.pct "$out/corpus/" 2>/dev/null || true
status=0
"$out/bin/tovy_pict_fuzzer" "$out/corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=65536 -artifact_prefix="$out/findings/" -print_final_stats=1 || status=$?
for finding in "$out"/findings/*; do
    [ -e "$finding" ] && cp "$finding" "tests/pict/malformed/$(basename "$finding").pct"
done
exit "$status"
