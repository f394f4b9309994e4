#!/usr/bin/env bash
# The README's first command: run.sh must start the program that the build makes, wherever a
# change of the build puts it. run.sh builds a tree of its own; the path it starts, as CMake read
# it from run.sh's exec line, must be the program inside this build tree too, and answer
# --version.
# Usage: first_command_test.sh RUN_SH_PROGRAM BUILD_DIR PROGRAM VERSION
set -euo pipefail
relative=$1 build_dir=$2 program=$3 version=$4

[ -n "$relative" ] || { echo "run.sh: no line 'exec \"\$here/build/...\" \"\$@\"'"; exit 1; }
started="$build_dir/$relative"
[ "$started" -ef "$program" ] ||
    { echo "run.sh starts $relative, the build makes ${program#"$build_dir"/}"; exit 1; }

answer=$(cd / && "$started" --version)
[ "$answer" = "Ondaris $version" ] || { echo "--version said: $answer"; exit 1; }
echo "run.sh starts $relative: $answer"
