#!/usr/bin/env bash
# Checks that the core is plain C++: every source file and header in src/core must compile for
# Windows with the MinGW-w64 cross compiler, which fails on any POSIX header or call that slipped
# in. Only a syntax check; it builds nothing. Lists the files that fail and exits non-zero then.
set -uo pipefail
cd "$(dirname "$0")/.."
compiler=${MINGW_CXX:-x86_64-w64-mingw32-g++-posix}
if ! command -v "$compiler" >/dev/null; then
    echo "$compiler not found; install it with: apt-get install g++-mingw-w64-x86-64-posix" >&2
    exit 2
fi
status=0
for kind in cpp h; do
    passed=0
    total=0
    while IFS= read -r file; do
        total=$((total + 1))
        if "$compiler" -std=c++20 -fsyntax-only -I src -x c++ "$file" 2>/dev/null; then
            passed=$((passed + 1))
        else
            echo "fails: $file"
            status=1
        fi
    done < <(find src/core -name "*.$kind" | sort)
    echo "$passed of $total core .$kind files compile for Windows"
done
exit $status
