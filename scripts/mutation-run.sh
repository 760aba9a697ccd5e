#!/usr/bin/env bash
# Mutation check: puts one single-line fault at a time into the sources, builds
# incrementally and runs the unit tests; a fault the tests miss "survived".
# Faults whose last field names end-to-end tests also run those, with --e2e.
#
#   scripts/mutation-run.sh [--e2e] [--only REGEX] [FAULTS] > results.txt
#
# FAULTS (default scripts/mutation-faults.txt) has one fault a line:
#   id | file | text | replacement | e2e test regex (optional)
# The first occurrence of the text in the file becomes the replacement.
# MUTATION_BUILD names the build folder (default: build); it must be
# configured already. MUTATION_SUITES, ctest selections separated by ";",
# gives one verdict per selection from the same build, e.g. a test set before
# and after a trim built side by side (default: the unit tests). The sources
# are restored after every fault, also on interruption, so run this in a
# worktree nothing else is editing.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${MUTATION_BUILD:-$root/build}
faults=$root/scripts/mutation-faults.txt
with_e2e=false
only=.
while (($#)); do
    case $1 in
    --e2e) with_e2e=true ;;
    --only) only=$2; shift ;;
    *) faults=$1 ;;
    esac
    shift
done

backup=$(mktemp -d)
current=""
restore() {
    if [[ -n $current ]]; then
        cp -p "$backup/original" "$root/$current"
        # A restored file must rebuild even if the fault's build was quicker
        # than the file system's time resolution.
        touch "$root/$current"
        current=""
    fi
}
trap 'restore; rm -rf "$backup"' EXIT
trap 'exit 130' INT TERM

trim() { sed -e 's/^[[:space:]]*//' -e 's/[[:space:]]*$//' <<<"$1"; }

# Literal replacement of the first occurrence; exit status 1 when absent.
replace_first() {
    python3 - "$@" <<'EOF'
import sys
path, old, new = sys.argv[1:4]
text = open(path, encoding="utf-8").read()
if old not in text:
    sys.exit(1)
open(path, "w", encoding="utf-8").write(text.replace(old, new, 1))
EOF
}

# The name of the first test ctest reports as not passed.
first_failure() {
    sed -nE 's/.*Test +#[0-9]+: ([^ ]+) .*(\*\*\*|Not Run|Subprocess).*/\1/p' "$1" | head -n1
}

cmake --build "$build" -j2 >/dev/null || { echo "the unmodified tree does not build" >&2; exit 2; }

IFS=';' read -ra suites <<<"${MUTATION_SUITES:--E e2e|package|staged}"
# A selection that fails without a fault would count every fault as killed.
for suite in "${suites[@]}"; do
    read -ra selection <<<"$suite"
    ctest --test-dir "$build" -j2 "${selection[@]}" --timeout 180 >"$backup/test.log" 2>&1 ||
        { echo "fails without a fault: $suite" >&2; grep -F '***' "$backup/test.log" >&2; exit 2; }
done
killed=() total=0
for i in "${!suites[@]}"; do killed[i]=0; done
while IFS="|" read -r -u 3 id file text replacement e2e; do
    id=$(trim "$id")
    [[ -z $id || $id == \#* ]] && continue
    [[ $id =~ $only ]] || continue
    file=$(trim "$file") text=$(trim "$text") replacement=$(trim "$replacement") e2e=$(trim "${e2e:-}")
    cp -p "$root/$file" "$backup/original"
    current=$file
    if ! replace_first "$root/$file" "$text" "$replacement"; then
        echo "missing  $id  (text not found in $file)"
        restore
        continue
    fi
    started=$SECONDS
    if ! cmake --build "$build" -j2 >"$backup/build.log" 2>&1; then
        echo "no-build $id  $(grep -m1 'error' "$backup/build.log")"
        restore
        continue
    fi
    verdicts="" e2e_result=""
    for i in "${!suites[@]}"; do
        read -ra selection <<<"${suites[i]}"
        result=survived by=""
        if ! ctest --test-dir "$build" -j2 "${selection[@]}" --stop-on-failure --timeout 180 \
            >"$backup/test.log" 2>&1; then
            result=killed
            by=$(first_failure "$backup/test.log")
        elif $with_e2e && [[ -n $e2e ]]; then
            # The end-to-end tests are the same for every selection: run once.
            if [[ -z $e2e_result ]]; then
                e2e_result=survived e2e_by=""
                if ! ctest --test-dir "$build" -R "$e2e" --timeout 300 >"$backup/e2e.log" 2>&1; then
                    e2e_result=killed e2e_by=$(first_failure "$backup/e2e.log")
                fi
            fi
            result=$e2e_result by=$e2e_by
        fi
        [[ $result == killed ]] && killed[i]=$((killed[i] + 1))
        verdicts+=$(printf '  %-8s %-44s' "$result" "$by")
    done
    total=$((total + 1))
    printf '%-26s %4ss%s\n' "$id" $((SECONDS - started)) "$verdicts"
    restore
done 3<"$faults"
for i in "${!suites[@]}"; do echo "killed ${killed[i]} of $total with: ${suites[i]}"; done
