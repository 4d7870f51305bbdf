#!/bin/sh
# Builds the libFuzzer targets with clang++ into fuzz/out (or $1), against the state layer and
# the platform's file access. Run one with e.g.:
#   fuzz/out/fuzz_map -max_total_time=120 fuzz/corpus/map
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
out=${1:-$here/out}
mkdir -p "$out"
flags="-std=c++20 -g -O1 -fsanitize=fuzzer-no-link,address,undefined -I$root/src -I$here"
objs=""
for src in "$root"/src/state/*.cpp "$root/src/platform/files.cpp"; do
    obj="$out/$(basename "$src" .cpp).o"
    clang++ $flags -c "$src" -o "$obj"
    objs="$objs $obj"
done
for target in "$here"/fuzz_*.cpp; do
    name=$(basename "$target" .cpp)
    clang++ $flags -fsanitize=fuzzer "$target" $objs -o "$out/$name"
    echo "built $out/$name"
done
