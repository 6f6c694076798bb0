#!/usr/bin/env bash
# Measures the program against its floors and prints the figures as a
# Markdown table (also left in <build>/bench-results.md):
#
#     bench/run.sh [build-dir]        # default build-bench, optimised (-O2)
#
# - start-up to first paint, tovy against a bare Qt window, under Xvfb
#   (-noreset, on a free display) and on the offscreen platform; under Xvfb
#   in the same interleaved run also the bare window without its label and,
#   where installed, gsimplecal and yad --calendar (ended at their first
#   drawn frame by a preloaded shim); every program with a fontconfig cache
#   folder of its own, and a session bus of the script's own unless
#   TOVY_BENCH_BUS=0;
# - peak heap of the same (heaptrack, where installed);
# - a month step's CPU time under Xvfb, clicked with xdotool, against a
#   click on gsimplecal's next-month arrow (where both are installed), each
#   less the same time left idle;
# - the first picture (window and icon) against another build's, pixel for
#   pixel, when TOVY_BENCH_BASE names that build's folder;
# - peak RSS of the same two (/usr/bin/time -v);
# - idle cost of the real build/bin/tovy under Xvfb: CPU time and context
#   switches over 30 s, from 3 s after start, against the bare window left
#   running with a one-second timer that reads the date;
# - a month step and one icon drawing per mode (QtTest benchmarks, median),
#   offscreen, against a repaint of the unchanged window and a blank tile.
#
# TOVY_BENCH_RUNS (default 30) sets the measured runs of each start-up
# figure, after 5 warm-up runs; TOVY_BENCH_IDLE_SECONDS (default 30) the
# idle window. Needs Xvfb and /usr/bin/time (Debian: xvfb, time).
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build-bench}"
runs="${TOVY_BENCH_RUNS:-30}"
warmup=5
idle_seconds="${TOVY_BENCH_IDLE_SECONDS:-30}"
rss_runs=5
ui_median=21

for tool in Xvfb /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "bench/run.sh: $tool is missing (apt-get install xvfb time)" >&2; exit 2; }
done

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOVY_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j3 --target tovy tovy_bench_spawn tovy_bench_bare_window tovy_bench_bare_idle \
    tovy_bench_first_paint tovy_bench_ui tovy_bench_grab tovy_bench_gtk_first_draw >"$build/bench-build.log" 2>&1 ||
    { tail -n 30 "$build/bench-build.log" >&2; exit 1; }
bin="$build/bin"

work=$(mktemp -d)
xvfb_pid=""
idle_pids=()
bus_pid=""
cleanup() {
    for pid in "${idle_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "${bus_pid:-}" ] && kill "$bus_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Runs are given an empty settings folder of their own, never the user's.
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_FONTDIR=/usr/share/fonts
unset WAYLAND_DISPLAY

# Xvfb on a display it picks itself; -noreset keeps it from resetting after
# every client, which would add its own tens of milliseconds to each start.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { echo "bench/run.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
xdisplay=":$(head -n1 "$work/display")"

# A session bus, as a desktop has: without one every Qt and GTK program
# spends milliseconds trying to start one.
bus_pid=""
if [ "${TOVY_BENCH_BUS:-1}" = 1 ] && command -v dbus-daemon >/dev/null; then
    dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=4 >"$work/bus" 4>"$work/bus.pid"
    export DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$work/bus")"
    bus_pid=$(head -n1 "$work/bus.pid")
else
    unset DBUS_SESSION_BUS_ADDRESS
fi

# Every program gets a fontconfig cache folder of its own, filled by its
# warm-up runs: a stale shared cache makes each start rescan every font.
fontconfig_for() {
    local dir="$work/fontconfig/$1"
    mkdir -p "$dir/cache"
    cat >"$dir/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <cachedir>$dir/cache</cachedir>
  <include ignore_missing="no">/etc/fonts/fonts.conf</include>
</fontconfig>
CONF
    echo "$dir/fonts.conf"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
verdict() { awk -v v="$1" -v limit="$2" 'BEGIN { print (v <= limit ? "met" : "missed") }'; }

results="$work/results.md"
{
    echo "| figure | tovy | floor | ratio | target | |"
    echo "|---|---|---|---|---|---|"
} >"$results"
row() { echo "| $1 | $2 | $3 | $4 | $5 | $6 |" >>"$results"; }

# ---- start-up to first paint
# Besides the floor, the bare window once more with the program's own icon,
# which the program shows from its start: the part of the gap that is the
# icon alone.
icon="$build/Resources/tovy.png"
startup() {
    local name="$1"; shift
    local out
    out=$(env "$@" "$bin/tovy_bench_spawn" "$runs" "$warmup" \
        env FONTCONFIG_FILE="$(fontconfig_for "bare-$name")" "$bin/tovy_bench_bare_window" \
        -- env FONTCONFIG_FILE="$(fontconfig_for "tovy-$name")" "$bin/tovy_bench_first_paint" \
        -- env FONTCONFIG_FILE="$(fontconfig_for "icon-$name")" "$bin/tovy_bench_bare_window" --icon "$icon")
    local bare_median bare_min tovy_median tovy_min icon_median icon_min n
    read -r bare_median bare_min n _ <<<"$(sed -n 1p <<<"$out")"
    read -r tovy_median tovy_min _ _ <<<"$(sed -n 2p <<<"$out")"
    read -r icon_median icon_min _ _ <<<"$(sed -n 3p <<<"$out")"
    local r
    r=$(ratio "$tovy_median" "$bare_median")
    row "start-up to first paint, $name, median of $n (ms)" "$tovy_median" "$bare_median" "$r" "≤ 1.2" "$(verdict "$r" 1.2)"
    r=$(ratio "$tovy_min" "$bare_min")
    row "start-up to first paint, $name, min of $n (ms)" "$tovy_min" "$bare_min" "$r" "≤ 1.2" "$(verdict "$r" 1.2)"
    row "start-up, $name, median, against the bare window with the program's icon (ms)" "$tovy_median" "$icon_median" \
        "$(ratio "$tovy_median" "$icon_median")" "" ""
}
startup "Xvfb" QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay"
startup "offscreen" QT_QPA_PLATFORM=offscreen

# CPU nanoseconds of every thread of a process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { print s + 0 }'; }

# ---- side by side under Xvfb: the floors, tovy and the GTK peers, in one
# interleaved run; ratios to the labelled floor.
shim="$bin/tovy_bench_gtk_first_draw.so"
names=("bare Qt window, no label" "bare Qt window, one label in IPAGothic (labelled floor)" "tovy")
commands=("$bin/tovy_bench_bare_window --no-label" "$bin/tovy_bench_bare_window" "$bin/tovy_bench_first_paint")
preload=("" "" "")
if command -v gsimplecal >/dev/null; then
    names+=("gsimplecal"); commands+=("$(command -v gsimplecal)"); preload+=("$shim")
fi
if command -v yad >/dev/null; then
    names+=("yad --calendar"); commands+=("$(command -v yad) --calendar"); preload+=("$shim")
fi
spawn_args=()
for i in "${!names[@]}"; do
    [ "$i" -gt 0 ] && spawn_args+=(--)
    # shellcheck disable=SC2206 # the commands are split into their words on purpose
    spawn_args+=(env FONTCONFIG_FILE="$(fontconfig_for "side-$i")" LD_PRELOAD="${preload[$i]}" ${commands[$i]})
done
side_out=$(env QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay" "$bin/tovy_bench_spawn" "$runs" "$warmup" "${spawn_args[@]}")
side_rss() {
    local values=() i="$1"
    for _ in $(seq "$rss_runs"); do
        # shellcheck disable=SC2086
        env QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay" FONTCONFIG_FILE="$work/fontconfig/side-$i/fonts.conf" \
            LD_PRELOAD="${preload[$i]}" /usr/bin/time -v ${commands[$i]} 2>"$work/time.txt" >/dev/null || true
        values+=("$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")")
    done
    printf '%s\n' "${values[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
# heaptrack's peak of the heap, in MB, or "-" where it is missing.
side_heap() {
    local i="$1"
    command -v heaptrack >/dev/null && command -v heaptrack_print >/dev/null || { echo "-"; return; }
    rm -f "$work"/heap.*
    # shellcheck disable=SC2086
    env QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay" FONTCONFIG_FILE="$work/fontconfig/side-$i/fonts.conf" \
        LD_PRELOAD="${preload[$i]}" heaptrack -o "$work/heap" ${commands[$i]} >/dev/null 2>&1 || true
    local file
    file=$(ls "$work"/heap.* 2>/dev/null | head -n1)
    [ -n "$file" ] || { echo "-"; return; }
    heaptrack_print -f "$file" 2>/dev/null | awk '/^peak heap memory consumption/ { print $NF; exit }'
}
floor_median=$(sed -n 2p <<<"$side_out" | awk '{ print $1 }')
floor_rss=""
side_rows=()
for i in "${!names[@]}"; do
    read -r median least n failed <<<"$(sed -n "$((i + 1))p" <<<"$side_out")"
    rss_kib=$(side_rss "$i")
    [ "$i" -eq 1 ] && floor_rss="$rss_kib"
    side_rows+=("${names[$i]}|$median|$least|$n|$failed|$rss_kib|$(side_heap "$i")")
done
{
    echo
    echo "Side by side under Xvfb, one interleaved run of $runs rounds after $warmup warm-up rounds;" \
        "session bus: $([ -n "$bus_pid" ] && echo "yes, the script's own" || echo "none");" \
        "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)."
    echo
    echo "| program | first draw, median (ms) | least (ms) | ratio to the labelled floor | peak RSS (MB) | RSS ratio | peak heap (heaptrack) | failed runs |"
    echo "|---|---|---|---|---|---|---|---|"
    for r in "${side_rows[@]}"; do
        IFS='|' read -r name median least n failed rss_kib heap <<<"$r"
        echo "| $name | $median | $least | $(ratio "$median" "$floor_median") |" \
            "$(awk -v k="$rss_kib" 'BEGIN { printf "%.1f", k / 1024 }') | $(ratio "$rss_kib" "$floor_rss") | $heap | $failed |"
    done
} >"$work/side.md"

# ---- a month step's CPU time, under Xvfb as a user clicks, against a click
# on gsimplecal's next-month arrow: CPU time of every thread over the steps,
# less that of the same time left idle (tovy's second tick, GTK's timers).
# Without a window manager gsimplecal gets no keyboard focus, so Page Down
# would step nothing there; the arrow is at 95,9 of its window.
step_count=40
step_ms() { awk -v ns="$1" -v n="$step_count" 'BEGIN { printf "%.3f", ns / n / 1e6 }'; }
# CPU time of $1 over the steps, less the same time idle; clicks at $2,$3 of window $4.
steps_less_idle() {
    local pid=$1 x=$2 y=$3 window=$4
    DISPLAY="$xdisplay" xdotool mousemove --window "$window" "$x" "$y"
    sleep 0.5
    local t0 c0 t1 c1 idle
    t0=$(date +%s%N); c0=$(cpu_ns "$pid")
    for _ in $(seq "$step_count"); do DISPLAY="$xdisplay" xdotool click 1; sleep 0.05; done
    t1=$(date +%s%N); c1=$(cpu_ns "$pid")
    local c2; c2=$(cpu_ns "$pid")
    sleep "$(awk -v ns=$((t1 - t0)) 'BEGIN { printf "%.3f", ns / 1e9 }')"
    idle=$(($(cpu_ns "$pid") - c2))
    echo $(((c1 - c0) - idle))
}
if command -v xdotool >/dev/null; then
    env QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay" XDG_CONFIG_HOME="$work/step-config" \
        FONTCONFIG_FILE="$work/fontconfig/side-2/fonts.conf" "$bin/tovy" >/dev/null 2>&1 &
    step_pid=$!; idle_pids+=("$step_pid")
    tovy_window=$(DISPLAY="$xdisplay" xdotool search --sync --pid "$step_pid" --onlyvisible 2>/dev/null | head -n1)
    sleep 1
    tovy_step=$(step_ms "$(steps_less_idle "$step_pid" 70 6 "$tovy_window")")
    kill "$step_pid"; wait "$step_pid" 2>/dev/null || true
    gsimplecal_step="-"
    if command -v gsimplecal >/dev/null; then
        env DISPLAY="$xdisplay" FONTCONFIG_FILE="$work/fontconfig/side-3/fonts.conf" gsimplecal >/dev/null 2>&1 &
        peer_pid=$!; idle_pids+=("$peer_pid")
        peer_window=$(DISPLAY="$xdisplay" xdotool search --sync --pid "$peer_pid" --onlyvisible 2>/dev/null | head -n1)
        sleep 1
        gsimplecal_step=$(step_ms "$(steps_less_idle "$peer_pid" 95 9 "$peer_window")")
        kill "$peer_pid"; wait "$peer_pid" 2>/dev/null || true
    fi
    idle_pids=()
    {
        echo
        echo "Month step under Xvfb, CPU time of every thread over $step_count steps, one every 50 ms" \
            "less the same time idle (tovy: a click on the next-month button; gsimplecal: a click on its next-month arrow): tovy $tovy_step ms," \
            "gsimplecal $gsimplecal_step ms, ratio $(ratio "$tovy_step" "$gsimplecal_step")."
    } >>"$work/side.md"
fi

# ---- the first picture against another build's
if [ -n "${TOVY_BENCH_BASE:-}" ]; then
    same=yes
    for platform in offscreen xcb; do
        for side in base this; do
            dir="$TOVY_BENCH_BASE"; [ "$side" = this ] && dir="$build"
            env QT_QPA_PLATFORM="$platform" DISPLAY="$xdisplay" XDG_CONFIG_HOME="$work/grab-config-$side-$platform" \
                TOVY_BENCH_GRAB_DIR="$work/grab/$side-$platform" "$dir/bin/tovy_bench_grab" >/dev/null 2>&1 || same=no
        done
        for picture in window.png icon.png; do
            cmp -s "$work/grab/base-$platform/$picture" "$work/grab/this-$platform/$picture" || same=no
        done
    done
    echo >>"$work/side.md"
    echo "First picture (window and icon, offscreen and Xvfb) the same as $TOVY_BENCH_BASE's, byte for byte: $same." \
        >>"$work/side.md"
fi

# ---- peak RSS
peak_rss_kib() {
    local values=()
    for _ in $(seq "$rss_runs"); do
        env "${@:2}" /usr/bin/time -v "$1" 2>"$work/time.txt" >/dev/null
        values+=("$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")")
    done
    printf '%s\n' "${values[@]}" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
rss() {
    local name="$1"; shift
    local bare tovy r
    bare=$(peak_rss_kib "$bin/tovy_bench_bare_window" "$@")
    tovy=$(peak_rss_kib "$bin/tovy_bench_first_paint" "$@")
    r=$(ratio "$tovy" "$bare")
    row "peak RSS at first paint, $name, median of $rss_runs (KiB)" "$tovy" "$bare" "$r" "≤ 1.2" "$(verdict "$r" 1.2)"
}
rss "Xvfb" QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay"
rss "offscreen" QT_QPA_PLATFORM=offscreen

# ---- idle cost: CPU nanoseconds and context switches of every thread
switches() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/^(voluntary|nonvoluntary)_ctxt_switches/ { s += $2 } END { print s + 0 }'
}
threads() { ls /proc/"$1"/task | wc -l; }

env QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay" XDG_CONFIG_HOME="$work/idle-config" "$bin/tovy" >/dev/null 2>&1 &
tovy_pid=$!
idle_pids+=("$tovy_pid")
env QT_QPA_PLATFORM=xcb DISPLAY="$xdisplay" "$bin/tovy_bench_bare_idle" >/dev/null 2>&1 &
bare_pid=$!
idle_pids+=("$bare_pid")
sleep 3
for pid in "$tovy_pid" "$bare_pid"; do
    [ -d /proc/"$pid" ] || { echo "bench/run.sh: an idle process ended early" >&2; exit 1; }
done
tovy_cpu0=$(cpu_ns "$tovy_pid"); tovy_sw0=$(switches "$tovy_pid")
bare_cpu0=$(cpu_ns "$bare_pid"); bare_sw0=$(switches "$bare_pid")
sleep "$idle_seconds"
tovy_cpu1=$(cpu_ns "$tovy_pid"); tovy_sw1=$(switches "$tovy_pid")
bare_cpu1=$(cpu_ns "$bare_pid"); bare_sw1=$(switches "$bare_pid")
tovy_threads=$(threads "$tovy_pid"); bare_threads=$(threads "$bare_pid")
kill "$tovy_pid" "$bare_pid"
wait "$tovy_pid" "$bare_pid" 2>/dev/null || true
idle_pids=()

percent() { awk -v ns="$1" -v s="$idle_seconds" 'BEGIN { printf "%.4f", ns / (s * 1e9) * 100 }'; }
per_second() { awk -v n="$1" -v s="$idle_seconds" 'BEGIN { printf "%.2f", n / s }'; }
tovy_pct=$(percent $((tovy_cpu1 - tovy_cpu0))); bare_pct=$(percent $((bare_cpu1 - bare_cpu0)))
tovy_wps=$(per_second $((tovy_sw1 - tovy_sw0))); bare_wps=$(per_second $((bare_sw1 - bare_sw0)))
row "idle CPU over ${idle_seconds} s, Xvfb (%)" "$tovy_pct" "$bare_pct" "$(ratio "$tovy_pct" "$bare_pct")" "< 0.05" \
    "$(awk -v v="$tovy_pct" 'BEGIN { print (v < 0.05 ? "met" : "missed") }')"
# A window of N seconds holds N or N + 1 ticks, depending on where it falls.
row "idle context switches, all threads, Xvfb (per s)" "$tovy_wps" "$bare_wps" "$(ratio "$tovy_wps" "$bare_wps")" "≤ 1" \
    "$(verdict $((tovy_sw1 - tovy_sw0)) $((idle_seconds + 1)))"
row "threads while idle" "$tovy_threads" "$bare_threads" "$(ratio "$tovy_threads" "$bare_threads")" "" ""

# ---- a month step and the icon drawing
env QT_QPA_PLATFORM=offscreen "$bin/tovy_bench_ui" -median "$ui_median" -o "$work/ui.txt,txt" >/dev/null 2>&1 ||
    { echo "bench/run.sh: tovy_bench_ui failed" >&2; cat "$work/ui.txt" >&2; exit 1; }
# "RESULT : BenchUi::drawDock():"mode 2 day":" then "  0.61 msecs per iteration (...)"
awk '/^RESULT/ { name = substr($0, index($0, "BenchUi::") + 9); sub(/:$/, "", name); next }
     name != "" && /per iteration/ { print name "\t" $1 "\t" $2; name = "" }' "$work/ui.txt" >"$work/ui.tsv"
ui() { awk -F'\t' -v n="$1" '$1 == n { print $2 }' "$work/ui.tsv"; }
unit=$(awk -F'\t' 'NR == 1 { print $3 }' "$work/ui.tsv")
step=$(ui "monthStep()"); repaint=$(ui "repaintFloor()")
row "month step: press, release, repaint, median of $ui_median ($unit)" "$step" "$repaint" "$(ratio "$step" "$repaint")" \
    "< 16 ms" "$(verdict "$step" 16)"
tile=$(ui "tileFloor()")
for mode in "mode 0 whole month" "mode 1 month day weekday" "mode 2 day" "mode 3 weekday"; do
    dock=$(ui "drawDock():\"$mode\"")
    row "Draw_Dock, $mode, median of $ui_median ($unit)" "$dock" "$tile" "$(ratio "$dock" "$tile")" "< 16 ms" \
        "$(verdict "$dock" 16)"
done

{
    echo
    echo "Machine: $(nproc) cores, $(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)," \
        "$(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo) memory; $(uname -sr);" \
        "Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6); build type $(awk -F= '/^CMAKE_BUILD_TYPE/ { print $2 }' "$build/CMakeCache.txt")."
} >>"$results"
cat "$work/side.md" >>"$results"
cp "$results" "$build/bench-results.md"
cat "$results"
