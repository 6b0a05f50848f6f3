#!/usr/bin/env bash
# Builds the libFuzzer targets into build-fuzz/ (clang), replays the crash inputs kept in
# fuzz/regressions/<target>/, then fuzzes the settings, exercise, bench set-up, scenario and results
# readers and
# the drawing of exercise lines side by side for the given seconds each (default 60). Fails, naming
# the target and the reproducer, on any crash, hang, sanitizer report or memory overrun.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
targets=(settings exercise scenario drawing results montage)
# The drawing target also stops on any single allocation past 64 MB: a trace must not grow with
# the numbers it is given.
declare -A limits=([settings]="-rss_limit_mb=2048" [exercise]="-rss_limit_mb=2048"
                   [scenario]="-rss_limit_mb=2048" [drawing]="-rss_limit_mb=1024 -malloc_limit_mb=64"
                   [results]="-rss_limit_mb=2048" [montage]="-rss_limit_mb=2048")
build_dir=build-fuzz

export CCACHE_BASEDIR="$PWD"
cmake -S fuzz -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The settings and exercise targets write a scratch file per input: keep that off the disk.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

# Seeds from the project's own files, rebuilt each time; the corpus that grows beside them is kept.
seeds="$build_dir/seeds"
rm -rf "$seeds"
mkdir -p "$seeds/scenario" "$seeds/results"
"$build_dir/seed_corpus" "$seeds" tests/scenarios/*.scn
cp tests/scenarios/*.scn "$seeds/scenario/"
cp resources/exercises/*.ond "$seeds/exercise/"
mkdir -p "$seeds/montage"
cp resources/montages/*.ondm "$seeds/montage/"
mkdir -p "$seeds/drawing"
cp "$seeds"/exercise/* "$seeds/drawing/"
find tests resources -name '*.ini' -exec cp {} "$seeds/settings/" \;
for t in "${targets[@]}"; do
    if [ -d "fuzz/seeds/$t" ]; then find "fuzz/seeds/$t" -type f -exec cp {} "$seeds/$t/" \;; fi
    mkdir -p "$build_dir/corpus/$t" "$build_dir/findings/$t" "$build_dir/logs"
done

failed=0
report() { # target log
    echo "FUZZ FAILURE in $1 (log: $2)" >&2
    grep -E "ERROR: |fuzz check failed|SUMMARY: |Test unit written to" "$2" | head -8 >&2 || true
    echo "reproduce: $build_dir/$1_fuzz <input above>   (keep it in fuzz/regressions/$1/)" >&2
}

# Every input that once broke a target must pass before anything new is tried.
for t in "${targets[@]}"; do
    shopt -s nullglob
    kept=(fuzz/regressions/"$t"/*)
    shopt -u nullglob
    [ ${#kept[@]} -eq 0 ] && continue
    log="$build_dir/logs/$t-regressions.log"
    # shellcheck disable=SC2086
    if "$build_dir/${t}_fuzz" ${limits[$t]} "${kept[@]}" >"$log" 2>&1; then
        echo "fuzz $t: ${#kept[@]} kept input(s) pass"
    else
        echo "FUZZ FAILURE in $t: a kept input of fuzz/regressions/$t/ fails again (log: $log)" >&2
        grep -E "^Running: " "$log" | tail -1 >&2 || true
        failed=1
    fi
done
[ "$failed" -eq 0 ] || exit 1

# The targets run at the same time, one libFuzzer process each; -timeout catches a hang.
pids=()
for t in "${targets[@]}"; do
    # shellcheck disable=SC2086 # the limits are separate options
    "$build_dir/${t}_fuzz" -max_total_time="$seconds" -timeout=10 ${limits[$t]} -print_final_stats=1 \
        -artifact_prefix="$build_dir/findings/$t/" "$build_dir/corpus/$t" "$seeds/$t" \
        >"$build_dir/logs/$t.log" 2>&1 &
    pids+=($!)
done
for i in "${!targets[@]}"; do
    t="${targets[$i]}"
    log="$build_dir/logs/$t.log"
    if wait "${pids[$i]}"; then
        echo "fuzz $t: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)"
    else
        report "$t" "$log"
        failed=1
    fi
done
exit "$failed"
