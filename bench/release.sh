# shellcheck shell=bash
# For the benchmark scripts that source it: a release build of what they measure, and a
# scratch folder $work removed on exit together with the Xvfb in $xvfb, if one was started.
build=${BUILD:-build/release}

# Configures $build when it is not yet, then builds the targets.
build_release() {
    [ -f "$build/CMakeCache.txt" ] || cmake --preset release -B "$build" > /dev/null
    cmake --build "$build" -j2 --target "$@" > /dev/null
    grep -q 'CMAKE_BUILD_TYPE:STRING=Release' "$build/CMakeCache.txt" \
        || echo "note: $build is not a release build; its figures say little" >&2
}

work=$(mktemp -d)
xvfb=
cleanup() {
    [ -z "$xvfb" ] || kill "$xvfb" 2> /dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/runtime"
