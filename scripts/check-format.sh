#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what clang-format makes of it.
#   scripts/check-format.sh         check
#   scripts/check-format.sh --fix   rewrite the files in place
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
else
  clang-format --dry-run --Werror "${files[@]}"
  echo "formatting: ${#files[@]} files as .clang-format says"
fi
