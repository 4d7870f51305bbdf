#!/usr/bin/env bash
# Builds the Debian package from a built tree, unpacks it into a scratch root and checks it the
# way a player would meet it: the files are where the desktop looks, the installed programs run
# from another folder and find their data, and the menu entry and the software-centre
# description pass their validators (where those are installed).
# Usage: check_package.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb="$(ls "$scratch"/out/marchholt_*.deb)"
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) kB)"

dpkg-deb -c "$deb" | awk '{print $6}' >"$scratch/contents"
for f in ./usr/bin/marchholt ./usr/bin/marchholt-console \
         ./usr/share/applications/marchholt.desktop \
         ./usr/share/metainfo/org.marchholt.marchholt.metainfo.xml \
         ./usr/share/man/man6/marchholt.6 ./usr/share/man/man6/marchholt-console.6 \
         ./usr/share/icons/hicolor/48x48/apps/marchholt.png \
         ./usr/share/icons/hicolor/256x256/apps/marchholt.png; do
  grep -qx "$f" "$scratch/contents" || fail "the package lacks $f"
done
echo "data files: $(grep -c '^\./usr/share/marchholt/.' "$scratch/contents")"
depends="$(dpkg-deb -f "$deb" Depends)"
echo "depends: $depends"
case "$depends" in *-dev*) fail "a -dev package among the dependencies" ;; esac

root="$scratch/root"
dpkg -x "$deb" "$root"
mkdir -p "$scratch/elsewhere"
cd "$scratch/elsewhere"
unset MARCHHOLT_DATA
export XDG_DATA_HOME="$scratch/user" HOME="$scratch/home" SDL_AUDIODRIVER=dummy
export PATH="$root/usr/bin:$PATH"

marchholt --help | grep -q -- --windowed || fail "marchholt --help"
marchholt-console --help | grep -q -- --seed || fail "marchholt-console --help"
# Started through PATH from another folder: the console must find the installed data.
echo quit | marchholt-console --seed 1 >"$scratch/transcript" 2>&1 || {
  cat "$scratch/transcript"; fail "the installed console did not run"; }
if grep -qi "cannot\|not found" "$scratch/transcript"; then
  cat "$scratch/transcript"; fail "the installed console did not find its data"
fi
grep -q "shown TForm2" "$scratch/transcript" || {
  cat "$scratch/transcript"; fail "the installed console did not reach the main menu"; }
echo "installed console: main menu reached, quit"

share="$root/usr/share"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/marchholt.desktop" || fail "desktop entry"
  echo "desktop entry: valid"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$share/metainfo/org.marchholt.marchholt.metainfo.xml" ||
    fail "metainfo"
fi
# The real window under a virtual display: it must still be running after a few seconds.
if command -v xvfb-run >/dev/null; then
  status=0
  xvfb-run -a -s "-screen 0 1440x900x24" timeout 4 marchholt --windowed \
    >"$scratch/window.log" 2>&1 || status=$?
  [ "$status" -eq 124 ] || { cat "$scratch/window.log"; fail "the installed game (status $status)"; }
  echo "installed game: ran in a window under Xvfb until stopped"
fi
echo "package check passed"
