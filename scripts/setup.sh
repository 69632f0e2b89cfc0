# Shared by ./run and ./test: installs the Debian packages that are missing,
# then configures and builds into build/. Sourced, not run.

TARVEL_PACKAGES=(
  g++ cmake ninja-build pkg-config
  clang libclang-rt-14-dev llvm
  libgtest-dev libbenchmark-dev
  qt6-base-dev fonts-liberation
)

tarvel_install_missing() {
  local missing=()
  for pkg in "${TARVEL_PACKAGES[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "These Debian packages are missing; run as root to install them: ${missing[*]}" >&2
    return 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

tarvel_build() {
  local dir=${1:-build}
  shift || true
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" --parallel
}
