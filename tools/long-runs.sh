#!/usr/bin/env bash
# Long runs under AddressSanitizer and UndefinedBehaviorSanitizer, in a clang build of its
# own (build-sanitize): the engine's tests, the soak with SOAK_EVENTS random events (default
# 1000000) and the session reader's fuzz target for RUNS inputs (default 10000000). Prints
# a table of what ran, how long it took and the faults found; the logs and any input that
# made the fuzz target fail are left in build-sanitize/long-runs. What the fuzzer found
# that reaches new code is merged into tests/fuzz/corpus, to be committed.
#
#   tools/long-runs.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-10000000}
events=${SOAK_EVENTS:-1000000}
tree=build-sanitize
logs=$tree/long-runs

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B $tree -DCMAKE_CXX_COMPILER=clang++ -DTASTORA_SANITIZE=ON -DTASTORA_FUZZ=ON \
    "${launcher[@]}" >/dev/null
cmake --build $tree -j2 --target tastora_engine_tests session_reader_fuzz
rm -rf $logs && mkdir -p $logs $tree/fuzz-corpus

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy UBSAN_OPTIONS=print_stacktrace=1

rows=()
# run NAME WHAT COMMAND...: runs the command, its output into NAME.log, and adds a row with
# the time taken and the faults: sanitizer reports, failed tests or the fuzzer's findings.
run() {
    local name=$1 what=$2 start status=0
    shift 2
    start=$(date +%s)
    "$@" >"$logs/$name.log" 2>&1 || status=$?
    local faults
    faults=$(grep -cE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|^\[  FAILED  \] .* ms\)$' \
        "$logs/$name.log" || true)
    if ((status != 0 && faults == 0)); then
        faults="exit $status"
    fi
    rows+=("$(printf '%-12s %-44s %8s %s' "$name" "$what" "$(($(date +%s) - start))" "$faults")")
}

engine=$tree/tests/tastora_engine_tests
run tests "$($engine --gtest_list_tests --gtest_filter=-Soak* 2>/dev/null | grep -c '^ ') tests" \
    $engine --gtest_filter=-Soak*
run soak "$events events" env SOAK_EVENTS="$events" $engine --gtest_filter=Soak*
run fuzz "$runs runs" $tree/tests/fuzz/session_reader_fuzz -runs="$runs" -max_len=64 -timeout=10 \
    -artifact_prefix=$logs/ $tree/fuzz-corpus tests/fuzz/corpus
before=$(ls tests/fuzz/corpus | wc -l)
$tree/tests/fuzz/session_reader_fuzz -merge=1 tests/fuzz/corpus $tree/fuzz-corpus >"$logs/merge.log" 2>&1
done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$logs/fuzz.log" | tail -1 || true)

printf '%-12s %-44s %8s %s\n' run what seconds faults
printf '%s\n' "${rows[@]}"
echo "fuzz: ${done_line:-no DONE line, see $logs/fuzz.log}"
echo "corpus: $(ls tests/fuzz/corpus | wc -l) files in tests/fuzz/corpus ($before before the merge)"
