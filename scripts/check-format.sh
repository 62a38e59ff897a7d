#!/usr/bin/env bash
# Checks that every C++ file of the tree is formatted as .clang-format says
# (clang-format --dry-run: nothing is changed). Prints each place that is
# off and exits with 1 when there is one; exits with 77 (skipped) when
# clang-format is not installed. To format the tree:
#
#     git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if ! command -v clang-format >/dev/null; then
    echo "Skipped: clang-format (package clang-format) is not installed."
    exit 77
fi
cd "$root"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t files < <(find src tests tools benchmarks packaging \( -name '*.cpp' -o -name '*.h' \) | sort)
fi
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted as .clang-format says."
