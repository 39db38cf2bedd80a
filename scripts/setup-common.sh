# Shared by scripts/run and scripts/test: installs the Debian packages the program needs
# (only those missing), then configures and builds incrementally into the given folder.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

PACKAGES=(build-essential cmake ninja-build pkg-config
  qt6-base-dev libxcb1-dev libsqlite3-dev libpng-dev libjpeg-dev libgtest-dev
  fonts-liberation fonts-liberation2 fonts-crosextra-carlito fonts-roboto-slab fonts-dejavu-core
  poppler-utils xvfb xauth libbenchmark-dev sqlite3)

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# build_into DIR [cmake options...]
build_into() {
  local dir="$1"; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$ROOT" -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir" -j"$(nproc)"
}
