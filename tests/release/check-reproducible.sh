#!/usr/bin/env bash
# Builds the release a second time, as someone else would from a clone of the
# same sources: at another path, with the files' times of the moment, in
# another time zone, locale and umask, and only the exe and its package.
# Checks that vostrel.exe, the zip and SHA256SUMS come out byte for byte as
# from the build under test.
# Usage: check-reproducible.sh SOURCE_DIR EXE VERSION BUILD_TYPE
set -euo pipefail
source=$(realpath "$1")
exe=$2
version=$3
build_type=$4
zip=vostrel-$version-windows-x64.zip
# Both packages get the same release time, as two clones of one commit do.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-1700000000}

work=$(mktemp -d "${TMPDIR:-/tmp}/vostrel-again.XXXXXX")
trap 'rm -rf "$work"' EXIT

"$source/scripts/package.py" "$exe" "$version" "$source" "$work/first" >/dev/null

# The sources as they are now, committed or not, without anything built.
copy=$work/somewhere/else/vostrel-copy
mkdir -p "$copy"
tar -C "$source" --exclude=./build --exclude=./dist --exclude=./.git -cf - . | tar -C "$copy" --touch -xf -

run_logged() {  # quiet unless it fails
  local log=$work/log
  "$@" >"$log" 2>&1 || { cat "$log"; echo "reproducible: failed: $*"; exit 1; }
}
(
  umask 077
  export TZ=XYZ-12:45 LC_ALL=C  # a zone that needs no tz database, far from UTC
  run_logged cmake -S "$copy" -B "$copy/out" -DCMAKE_TOOLCHAIN_FILE="$copy/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE="$build_type" -DBUILD_TESTING=OFF -DVOSTREL_TOOLS=OFF -DVOSTREL_DIST_DIR="$work/second"
  run_logged cmake --build "$copy/out" --target dist -j "${JOBS:-2}"
)

different=0
compare() {  # NAME FIRST SECOND
  if cmp -s "$2" "$3"; then
    echo "reproducible: $1 is the same, $(stat -c %s "$2") bytes"
  else
    echo "reproducible: $1 differs: $(cmp "$2" "$3" 2>&1 | head -n 1)"
    different=1
  fi
}
compare vostrel.exe "$exe" "$copy/out/vostrel.exe"
compare "$zip" "$work/first/$zip" "$work/second/$zip"
compare SHA256SUMS "$work/first/SHA256SUMS" "$work/second/SHA256SUMS"
if [ $different -ne 0 ]; then
  kept=$(dirname "$exe")/vostrel-rebuilt.exe
  cp "$copy/out/vostrel.exe" "$kept"
  echo "reproducible: the second exe is kept as $kept (compare: $OBJDUMP -x on both)"
fi
exit $different
