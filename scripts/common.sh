# Shared by scripts/run and scripts/test: install what is missing, configure, build.
set -euo pipefail
ZV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
ZV_BUILD=${ZV_BUILD:-$ZV_ROOT/build}

zv_install_missing() {
  local missing=()
  local pkg
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done < "$ZV_ROOT/scripts/packages.txt"
  [[ ${#missing[@]} -eq 0 ]] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

zv_configure() {
  cmake -S "$ZV_ROOT" -B "$ZV_BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
}

zv_build() {
  zv_configure "$@"
  cmake --build "$ZV_BUILD" --parallel "$(nproc)"
}
