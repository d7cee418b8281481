#!/usr/bin/env bash
# scripts/run's sample cartridge: written when missing, kept with the user's edits on the next
# run, written anew with --fresh-sample. A stand-in writes the sample, so nothing is built.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
sample="$work/sample.gb"
make_sample() { printf 'new sample' > "$1"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

log="$(zantor_ensure_sample "$sample" 0 make_sample 2>&1)"
[ "$(cat "$sample")" = "new sample" ] || fail "the first run wrote no sample"
[[ "$log" == *"$sample"* ]] || fail "the first run did not say where the sample is: $log"

printf 'edited by the user' > "$sample"
log="$(zantor_ensure_sample "$sample" 0 make_sample 2>&1)"
[ "$(cat "$sample")" = "edited by the user" ] || fail "the second run replaced the edited sample"
[[ "$log" == *"$sample"* ]] || fail "the second run did not say where the sample is: $log"
log="$(zantor_ensure_sample "$sample" 0 make_sample 2>&1)"
[ "$(cat "$sample")" = "edited by the user" ] || fail "the third run replaced the edited sample"

zantor_ensure_sample "$sample" 1 make_sample 2>/dev/null
[ "$(cat "$sample")" = "new sample" ] || fail "--fresh-sample kept the old sample"

# A writer that fails leaves the run failing, not opening nothing.
if zantor_ensure_sample "$work/missing/sample.gb" 0 false 2>/dev/null; then
    fail "a failed write passed"
fi
echo "PASS"
