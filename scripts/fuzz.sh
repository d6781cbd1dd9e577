#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang into ./build-fuzz and runs each one for a
# bounded time over its seed corpus (fuzz/corpus/<name>/), then prints per harness the
# executions, the coverage reached and the findings. Exits non-zero when a harness
# found a crash, a leak, a hang or a memory blow-up.
#
#   scripts/fuzz.sh [seconds per harness, default 60] [harness names...]
#
# FUZZ_JOBS=2 runs two harnesses at a time. What a run learns is kept in
# build-fuzz/corpus/<name>/, so successive runs build on each other; the inputs that
# failed are written to build-fuzz/findings/<name>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build_dir=build-fuzz

scripts/install-deps.sh
if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed"; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends clang libclang-rt-14-dev
fi

all_harnesses=()
for dir in fuzz/corpus/*/; do
    name=$(basename "$dir")_fuzzer
    grep -qE "pavisto_add_fuzzer\(${name}([[:space:]]|$)" fuzz/CMakeLists.txt && all_harnesses+=("$name")
done
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=("${all_harnesses[@]}")

cmake -S . -B "$build_dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPAVISTO_FUZZ=ON -DPAVISTO_BUILD_TESTS=OFF -DPAVISTO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target "${harnesses[@]}"

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp

run_harness() {
    local name=$1 seeds=fuzz/corpus/${1%_fuzzer}
    local corpus=$build_dir/corpus/$name findings=$build_dir/findings/$name
    mkdir -p "$corpus" "$findings"
    nice -n 10 "$build_dir/fuzz/$name" "$corpus" "$seeds" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2560 -max_len=65536 \
        -artifact_prefix="$findings/" -print_final_stats=1 >"$build_dir/fuzz-$name.log" 2>&1 || true
}

running=0
for name in "${harnesses[@]}"; do
    run_harness "$name" &
    running=$((running + 1))
    if [ "$running" -ge "${FUZZ_JOBS:-1}" ]; then
        wait -n
        running=$((running - 1))
    fi
done
wait

status=0
printf '%-24s %12s %8s %8s %9s\n' harness executions exec/s coverage findings
for name in "${harnesses[@]}"; do
    log=$build_dir/fuzz-$name.log
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    cov=$(sed -n 's/.* cov: \([0-9]*\) .*/\1/p' "$log" | tail -1)
    found=$(find "$build_dir/findings/$name" -type f | wc -l)
    printf '%-24s %12s %8s %8s %9s\n' "$name" "${execs:-?}" "${rate:-?}" "${cov:-?}" "$found"
    if [ "$found" -gt 0 ] || ! grep -q '^stat::number_of_executed_units' "$log"; then
        status=1
        echo "  see $log and $build_dir/findings/$name/" >&2
    fi
done
exit $status
