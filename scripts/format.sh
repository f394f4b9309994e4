#!/usr/bin/env bash
# Formats the sources in place with the project's .clang-format; with --check, changes nothing
# and fails naming the files that are out of format.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) | sort)
if [ "${1:-}" != --check ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
unformatted=()
for file in "${files[@]}"; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Out of the project's format: ${unformatted[*]}" >&2
    echo "scripts/format.sh formats them." >&2
    exit 1
fi
