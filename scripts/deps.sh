# Sourced by scripts/run and scripts/test: installs the Debian 12 packages the
# build needs, skipping those already present. Uses sudo when not root.
TARVIK_PACKAGES=(
  build-essential cmake ninja-build pkg-config git python3
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev libqt6charts6-dev libqt6svg6-dev libgl1-mesa-dev
  qt6-qpa-plugins fonts-dejavu-core locales
  xvfb xauth
)

tarvik_install_deps() {
  local missing=()
  local p
  for p in "${TARVIK_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    return 0
  fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
