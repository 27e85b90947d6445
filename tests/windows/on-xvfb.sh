#!/usr/bin/env bash
# Runs a test program on the X11 platform of a private Xvfb: on-xvfb.sh PROGRAM [ARGS...]
set -euo pipefail
# shellcheck source=../../scripts/xvfb.sh
. "$(dirname "$0")/../../scripts/xvfb.sh"
folder=$(mktemp -d)
trap 'kill "$xvfb" 2> /dev/null; rm -rf "$folder"' EXIT
start_xvfb "$folder"
DISPLAY=$display QT_QPA_PLATFORM=xcb "$@"
