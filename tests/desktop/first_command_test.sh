#!/usr/bin/env bash
# The README's first command: run.sh must start the program that the build makes, wherever a
# change of the build puts it. run.sh builds a tree of its own; the same path inside this build
# tree must be the program, and answer --version.
# Usage: first_command_test.sh SOURCE_DIR BUILD_DIR PROGRAM VERSION
set -euo pipefail
source_dir=$1 build_dir=$2 program=$3 version=$4

relative=$(sed -n 's|^exec "$here/build/\([^"]*\)" "$@"$|\1|p' "$source_dir/run.sh")
[ -n "$relative" ] || { echo "run.sh: no line 'exec \"\$here/build/...\" \"\$@\"'"; exit 1; }
started="$build_dir/$relative"
[ "$(realpath "$started")" = "$(realpath "$program")" ] ||
    { echo "run.sh starts $relative, the build makes ${program#"$build_dir"/}"; exit 1; }

answer=$(cd / && "$started" --version)
[ "$answer" = "Ondaris $version" ] || { echo "--version said: $answer"; exit 1; }
echo "run.sh starts $relative: $answer"
