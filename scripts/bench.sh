#!/usr/bin/env bash
# `make bench`: builds the 32-bit game (the 64-bit one where 32-bit Wine cannot run) and its
# benchmarks, measures six figures of the game against floors measured in the same run, and
# prints them as one table. Run by hand; with the default minute of idling per program it takes
# about four minutes.
# Environment: ZODEDU_BENCH_IDLE_SECONDS (60), ZODEDU_BENCH_STARTS (9), ZODEDU_BENCH_PASSES
# (200), ZODEDU_BENCH_CLICKS (40), ZODEDU_BENCH_PRESET (win32 or win64), ZODEDU_BENCH_BUILD (a
# build directory of that preset other than build/PRESET), JOBS (2).
set -uo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

idle_seconds=${ZODEDU_BENCH_IDLE_SECONDS:-60}
starts=${ZODEDU_BENCH_STARTS:-9}
passes=${ZODEDU_BENCH_PASSES:-200}
clicks=${ZODEDU_BENCH_CLICKS:-40}

windows_path() { local path=$1; echo "Z:${path//\//\\}"; }

# The unix process of a Windows program started in this run's prefix, by its Windows path.
unix_pid() {
    local want=$1 pid first
    for pid in $(pgrep -f -- "${want##*\\}"); do
        IFS= read -r -d '' first <"/proc/$pid/cmdline" 2>/dev/null || continue
        first=${first%"${first##*[! ]}"} # Wine pads its command line with spaces
        if [ "$first" = "$want" ] && grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$pid/environ" 2>/dev/null; then
            echo "$pid"
            return 0
        fi
    done
    return 1
}

# "seconds clock-ticks" of a process now: user and system time of all its threads so far.
cpu_sample() {
    local stat fields
    stat=$(<"/proc/$1/stat") || return 1
    read -r -a fields <<<"${stat##*) }" # after the command name, field 3 is at index 0
    echo "$EPOCHREALTIME $((fields[11] + fields[12]))"
}

median() { sort -n | awk 'NF { v[++n] = $1 } END { print n % 2 ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2 }'; }

# Reads process_bench's output: passes its RESULT lines on to $1, and on its MARK lines reads
# the CPU time the process has used from /proc (Wine reports none for another process).
follow_process_bench() {
    local results=$1 line name pid sample ticks
    local -A begin pids cpu startup_cpu
    ticks=$(getconf CLK_TCK)
    while IFS= read -r line; do
        line=${line%$'\r'}
        echo "$line"
        case $line in
        RESULT*) echo "$line" >>"$results" ;;
        "MARK "*" painted "*)
            read -r _ name _ <<<"$line"
            if pid=$(unix_pid "${line#MARK "$name" painted }") && sample=$(cpu_sample "$pid"); then
                startup_cpu[$name]+="$((${sample#* } * 1000 / ticks))"$'\n'
            fi
            ;;
        "MARK "*" begin "*)
            read -r _ name _ <<<"$line"
            if pid=$(unix_pid "${line#MARK "$name" begin }"); then
                pids[$name]=$pid
                begin[$name]=$(cpu_sample "$pid")
            else
                echo "no process found for $name: no idle CPU figure"
            fi
            ;;
        "MARK "*" end")
            read -r _ name _ <<<"$line"
            [ -n "${begin[$name]:-}" ] || continue
            cpu[$name]=$(echo "${begin[$name]} $(cpu_sample "${pids[$name]}")" |
                awk -v t="$ticks" '{ printf "%.3f", 100 * ($4 - $2) / t / ($3 - $1) }')
            echo "$name: $(grep VmRSS "/proc/${pids[$name]}/status"), CPU ${cpu[$name]} % of one core"
            ;;
        esac
    done
    [ -n "${cpu[game]:-}" ] && [ -n "${cpu[floor]:-}" ] &&
        echo "RESULT idle_cpu ${cpu[game]} ${cpu[floor]}" >>"$results"
    [ -n "${startup_cpu[game]:-}" ] && [ -n "${startup_cpu[template]:-}" ] &&
        echo "RESULT startup_cpu $(median <<<"${startup_cpu[game]}") $(median <<<"${startup_cpu[template]}")" >>"$results"
    return 0
}

# Runs under scripts/with-wine.sh: every figure that needs Wine, as RESULT lines in $1.
measure() {
    local results=$1 build=$2
    echo "== display pass and click to peg (main_window_bench)"
    (cd "$build/bench" && wine main_window_bench.exe "$passes" "$clicks") | tee -a "$results"
    echo "== start-up, idle CPU and memory (process_bench: the game and the floor program)"
    (cd "$build/bench" && wine process_bench.exe "$(windows_path "$build/src/app/zodedu.exe")" \
        "$(windows_path "$build/bench/floor_program.exe")" "$starts" "$idle_seconds") |
        follow_process_bench "$results"
}

if [ "${1:-}" = --measure ]; then
    measure "$2" "$3"
    exit 0
fi

scripts/install-deps.sh test || exit 1
source scripts/wine-loader.sh
preset=${ZODEDU_BENCH_PRESET:-$(runnable_preset)}
triplet=i686-w64-mingw32
[ "$preset" = win64 ] && triplet=x86_64-w64-mingw32
targets=(zodedu floor_program main_window_bench process_bench)
build=$(realpath -m "${ZODEDU_BENCH_BUILD:-$top/build/$preset}")
cmake --preset $preset -B "$build" >/dev/null &&
    cmake --build "$build" -j"${JOBS:-2}" --target "${targets[@]}" || exit 1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
results=$scratch/results
: >"$results"
ZODEDU_WINE_ARCH=$preset scripts/with-wine.sh "$0" --measure "$results" "$build"

# Size: stripped copies, and the DLLs they import.
echo "== size"
$triplet-strip -o "$scratch/zodedu.exe" "$build/src/app/zodedu.exe"
$triplet-strip -o "$scratch/floor_program.exe" "$build/bench/floor_program.exe"
game_kb=$(stat -c %s "$scratch/zodedu.exe" | awk '{ printf "%.1f", $1 / 1024 }')
floor_kb=$(stat -c %s "$scratch/floor_program.exe" | awk '{ printf "%.1f", $1 / 1024 }')
echo "RESULT size $game_kb $floor_kb" >>"$results"
imports=$($triplet-objdump -p "$scratch/zodedu.exe" | awk '/DLL Name:/ { print $3 }' | sort -fu | tr '\n' ' ')
system_dlls=" kernel32.dll user32.dll gdi32.dll advapi32.dll "
foreign=
for dll in $imports; do
    lower=${dll,,}
    [[ $system_dlls == *" $lower "* || $lower == api-ms-win-* ]] || foreign+="$dll "
done
echo "zodedu.exe imports: $imports"
[ -z "$foreign" ] || echo "not system DLLs: $foreign"

echo
echo "Zodedu benchmarks, $preset: $(nproc) cores, $("$(wine_loader $preset)" --version), Xvfb; idle period $idle_seconds s;" \
    "load average at the end $(cut -d' ' -f1-3 /proc/loadavg)"
awk -v foreign="$foreign" '
function row(label, game, floor, unit, ratio, target, met) {
    printf "%-14s %12s %12s %8s   %-26s %s\n", label, game " " unit, floor " " unit,
        sprintf("%.2fx", ratio), target, met ? "yes" : "NO"
    if (!met) missed++
}
$1 == "RESULT" { game[$2] = $3; floor[$2] = $4 }
END {
    printf "%-14s %12s %12s %8s   %-26s %s\n", "figure", "game", "floor", "ratio", "target", "met"
    n = split("startup display_pass click_to_peg idle_cpu memory size", order, " ")
    split("start-up,display pass,click to peg,idle CPU,memory,size", label, ",")
    for (i = 1; i <= n; i++) {
        f = order[i]
        if (!(f in game)) { printf "%-14s no figure: see the output above\n", label[i]; failed++; continue }
        g = game[f]; b = floor[f]; r = b > 0 ? g / b : 0
        if (f == "startup") row("start-up", sprintf("%.1f", g), sprintf("%.1f", b), "ms", r, "<= 1.10x template floor", r <= 1.10)
        if (f == "display_pass") row("display pass", sprintf("%.2f", g), sprintf("%.2f", b), "ms", r, "<= 1.10x floor", r <= 1.10)
        if (f == "click_to_peg") row("click to peg", sprintf("%.2f", g), sprintf("%.2f", b), "ms", r, "median < 16 ms", g < 16)
        if (f == "idle_cpu") row("idle CPU", sprintf("%.2f", g), sprintf("%.2f", b), "%", r, "<= 1.10x floor", r <= 1.10)
        if (f == "memory") row("memory", sprintf("%.1f", g), sprintf("%.1f", b), "MB", r, "<= floor + 1 MB", g <= b + 1)
        if (f == "size") row("size", sprintf("%.1f", g), sprintf("%.1f", b), "KB", r, "<= 187 KB, system DLLs", g <= 187 && foreign == "")
    }
    print ""
    f = "startup_cpu"
    if (f in game && floor[f] > 0)
        printf "start-up CPU time of the process (median, from /proc): game %.0f ms, template floor %.0f ms, %.2fx\n",
            game[f], floor[f], game[f] / floor[f]
    f = "startup_bare_floor"
    if (f in game && floor[f] > 0)
        printf "start-up against the floor program on its own one-control template: %.1f ms, %.2fx\n",
            floor[f], game[f] / floor[f]
    f = "display_pass_required_calls"
    if (f in game && floor[f] > 0)
        printf "display pass against the calls its drawing routine makes for each picture (find\n" \
            "the anchor, load, size, draw, free, validate), written out bare: %.2f ms, %.2fx\n",
            floor[f], game[f] / floor[f]
    printf "\n%d of %d targets missed\n", missed, n - failed
    exit failed > 0
}' "$results"
