#!/bin/sh
# Builds the libFuzzer targets with clang++ into fuzz/out (or $1), against the game's layers
# below the entry points, with AddressSanitizer and UndefinedBehaviorSanitizer. The seed corpus
# is the one the normal build makes (build/fuzz_corpus, or $2): it also holds the real saves and
# scenario files that the saved-game and play targets change. Run one on a working copy of its
# seeds, e.g.:
#   mkdir -p fuzz/work/map && fuzz/out/fuzz_map -max_total_time=600 fuzz/work/map build/fuzz_corpus/map
# The corpus folder of each target is named after it without "fuzz_" (fuzz_play_scenario:
# play_scenario). A target finds the corpus it was built with, or $MARCHHOLT_FUZZ_CORPUS.
# The map, monster and item readers need -max_len of their file (map 3764224, monsters 2816000,
# items 14080000 bytes): libFuzzer cuts longer seeds to 1 MB, and a short file is refused
# before any record is read. TMPDIR=/dev/shm keeps the files the targets write off the disk.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
libs="sdl2 SDL2_ttf libjpeg libpng fontconfig vorbisfile"
# The coverage libFuzzer reads, spelled out. -fsanitize=fuzzer-no-link would add stack-depth
# tracing too, on which Debian 12's clang 14 crashes (src/dungeon/exploration.cpp); the targets
# keep the same edge, indirect-call and comparison coverage without it. The functions named in
# coverage_ignore.txt (the standard library, the copying of a save's numbers) are left out.
coverage="-fsanitize-coverage=inline-8bit-counters,indirect-calls,trace-cmp,pc-table \
    -fsanitize-coverage-ignorelist=$here/coverage_ignore.txt"
# The version the game writes beside each saved game, as the CMake build defines it.
version=$(sed -n 's/^project(Marchholt VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || { echo "no project version in $root/CMakeLists.txt" >&2; exit 1; }
base_flags="-std=c++20 -g -O1 -fsanitize=address,undefined $coverage -I$root/src -I$here \
    -DMARCHHOLT_VERSION=\"$version\" $(pkg-config --cflags $libs)"
# Every source the targets are made of, and the targets themselves.
sources=$(find "$root/src" -name '*.cpp' ! -path '*/app/*' | sort)
targets=$(find "$here" -maxdepth 1 -name 'fuzz_*.cpp' | sort)

if [ "${1:-}" = "--check" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # Every object the targets use is compiled with the targets' flags: the one clang 14 is
    # known to stumble on down to code, the others as far as their meaning (two at a time).
    clang++ $base_flags -c "$root/src/dungeon/exploration.cpp" -o "$work/exploration.o"
    printf '%s\n' $sources $targets | grep -v '/dungeon/exploration\.cpp$' |
        xargs -P 2 -n 8 clang++ $base_flags -DMARCHHOLT_FUZZ_CORPUS_DIR=\"$work\" -fsyntax-only
    printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
        'extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }' \
        >"$work/check.cpp"
    clang++ $base_flags -fsanitize=fuzzer "$work/check.cpp" -o "$work/check"
    "$work/check" -runs=10 >/dev/null 2>&1
    echo "fuzz targets build with $(clang++ --version | head -n 1)"
    exit 0
fi

out=${1:-$here/out}
corpus=${2:-$root/build/fuzz_corpus}
if [ ! -f "$corpus/stamp" ]; then
    echo "no seed corpus in $corpus: build the target marchholt-fuzz-corpus first" >&2
    exit 1
fi
mkdir -p "$out/obj"
flags="$base_flags -DMARCHHOLT_FUZZ_CORPUS_DIR=\"$corpus\""
# Compiled two at a time: the machine is shared.
echo "$sources" | xargs -P 2 -I{} sh -c '
    obj="$0/obj/$(echo "{}" | sed "s|.*/src/||; s|/|_|g; s|\.cpp$|.o|")"
    clang++ $1 -c "{}" -o "$obj"
' "$out" "$flags"
rm -f "$out/libmarchholt.a"
ar rcs "$out/libmarchholt.a" "$out"/obj/*.o
for target in $targets; do
    name=$(basename "$target" .cpp)
    clang++ $flags -fsanitize=fuzzer "$target" "$out/libmarchholt.a" \
        $(pkg-config --libs $libs) -o "$out/$name"
    echo "built $out/$name"
done
