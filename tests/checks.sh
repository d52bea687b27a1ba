# SPDX-License-Identifier: GPL-3.0-or-later
# Named checks for the shell tests, one line each, closed by
# 'N passed, N failed' and the matching exit status. Source it.
passes=0
failures=0

# check "what is checked" command [arguments...]
check() {
    local what=$1
    shift
    if "$@"; then
        echo "PASS: $what"
        passes=$((passes + 1))
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

finish() {
    echo "$passes passed, $failures failed"
    [ "$failures" -eq 0 ]
    exit
}
