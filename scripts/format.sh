#!/usr/bin/env bash
# Formats the sources in place with the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i
