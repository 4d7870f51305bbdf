# Shared set-up of ./scripts/play and ./scripts/test: install what is missing, configure, build.
# Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-ttf-dev libx11-dev libjpeg62-turbo-dev libpng-dev
  libvorbis-dev libogg-dev libfontconfig-dev fonts-dejavu-core
  nlohmann-json3-dev libgtest-dev googletest libbenchmark-dev clang-format
  xvfb xauth xdotool desktop-file-utils appstream
)

install_missing_packages() {
  local missing=()
  for pkg in "${PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir="$1"; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "$@" >/dev/null
  else
    cmake -S . -B "$dir" "$@" >/dev/null
  fi
  cmake --build "$dir" -j"$(nproc)"
}

# Every C++ file of the tree must be formatted with the repository's .clang-format. Prints the
# files that are not and the command that formats them; returns 1 then.
check_format() {
  local files bad=()
  mapfile -t files < <(find src tests tools bench fuzz -name '*.cpp' -o -name '*.h' | sort)
  for f in "${files[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
  done
  [ ${#bad[@]} -eq 0 ] && return 0
  echo "These files are not formatted with the repository's .clang-format:"
  printf '  %s\n' "${bad[@]}"
  echo "Format them with: clang-format -i ${bad[*]}"
  return 1
}

# print_slowest_tests FILE WHAT: the ten tests of a ctest run (its output in FILE) that took
# longest, slowest first.
print_slowest_tests() {
  [ -f "$1" ] || return 0
  echo "The ten slowest tests of $2:"
  # A list cut short by head is no failure of the run.
  { sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .* \([0-9.]*\) sec$/\2 \1/p' "$1" |
    sort -rn | head -n 10 | awk '{ printf "  %8.2f s  %s\n", $1, $2 }'; } || true
}
