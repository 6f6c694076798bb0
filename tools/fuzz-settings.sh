#!/usr/bin/env bash
# Builds the program's code with clang for libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes the reading of the settings file
# for a bounded time (default 300 s, or the first argument): each input is
# written as "Tovy prefs", the calendar window opens on it and every control
# must end in range. Starts from fuzz/seeds/settings; any input that
# crashes, breaks a range or hangs is copied there too, where the
# tst_settings_inputs test replays it and later runs start from it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"
out=build-fuzz-settings
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined"

cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-O1 -fno-omit-frame-pointer -fsanitize=fuzzer-no-link $sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
    -DTOVY_SETTINGS_FUZZER=ON >/dev/null
cmake --build "$out" -j3 --target tovy_settings_fuzzer

mkdir -p "$out/corpus" "$out/findings"
cp -n fuzz/seeds/settings/* "$out/corpus/" 2>/dev/null || true
status=0
# Qt keeps caches (fonts, glyphs) for the process's life: not leaks.
# Inputs up to 70000 bytes: past nine lines at the reader's bound of 4 KiB
# a line, so that both sides of that bound are reached.
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
    "$out/bin/tovy_settings_fuzzer" "$out/corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
    -max_len=70000 -detect_leaks=0 -artifact_prefix="$out/findings/" -print_final_stats=1 || status=$?
for finding in "$out"/findings/*; do
    [ -e "$finding" ] && cp "$finding" fuzz/seeds/settings/
done
exit "$status"
