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
out=${1:-$here/out}
corpus=${2:-$root/build/fuzz_corpus}
if [ ! -f "$corpus/stamp" ]; then
    echo "no seed corpus in $corpus: build the target marchholt-fuzz-corpus first" >&2
    exit 1
fi
mkdir -p "$out/obj"
libs="sdl2 SDL2_ttf libjpeg libpng fontconfig vorbisfile"
flags="-std=c++20 -g -O1 -fsanitize=fuzzer-no-link,address,undefined -I$root/src -I$here \
    $(pkg-config --cflags $libs) -DMARCHHOLT_FUZZ_CORPUS_DIR=\"$corpus\""
sources=$(find "$root/src" -name '*.cpp' ! -path '*/app/*' | sort)
# Compiled two at a time: the machine is shared.
echo "$sources" | xargs -P 2 -I{} sh -c '
    obj="$0/obj/$(echo "{}" | sed "s|.*/src/||; s|/|_|g; s|\.cpp$|.o|")"
    clang++ $1 -c "{}" -o "$obj"
' "$out" "$flags"
rm -f "$out/libmarchholt.a"
ar rcs "$out/libmarchholt.a" "$out"/obj/*.o
for target in "$here"/fuzz_*.cpp; do
    name=$(basename "$target" .cpp)
    clang++ $flags -fsanitize=fuzzer "$target" "$out/libmarchholt.a" \
        $(pkg-config --libs $libs) -o "$out/$name"
    echo "built $out/$name"
done
