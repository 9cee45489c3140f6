# Sourced by scripts/run and scripts/test: installs the Debian 12 packages the
# build, the tests and the end-to-end run need, skipping those already
# present. Uses sudo when not root.
#
# Every name here is a real package, not a virtual one that another package
# provides: dpkg only knows real packages as installed, and a virtual name
# would make every run call apt-get again. Recommends are not installed, so
# every package whose files the build uses must be listed (for example
# libqt6opengl6-dev, which Qt Charts' CMake files need and qt6-base-dev only
# recommends). scripts/check-packages proves both on a simulated fresh
# machine.
TARVIK_PACKAGES=(
  build-essential cmake ninja-build pkg-config git python3
  clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl1-mesa-dev
  qt6-qpa-plugins fonts-dejavu-core locales
  xvfb xauth openbox xdotool x11-utils imagemagick librsvg2-bin poppler-utils
  # cpack's .deb: dpkg-shlibdeps, and file to pick out the programs; the
  # install test's desktop-file and MIME-type checks.
  dpkg-dev file desktop-file-utils shared-mime-info
  # The browser edition (scripts/web): the core compiled to WebAssembly, the
  # page's TypeScript built with Node's npm, and its tests in a headless
  # Chromium driven by Selenium.
  emscripten nodejs chromium chromium-driver python3-selenium
)
# Debian's npm goes with Debian's nodejs; a Node.js from another source
# (NodeSource's package conflicts with npm) brings its own npm command.
if ! command -v npm >/dev/null 2>&1; then
  TARVIK_PACKAGES+=(npm)
fi

tarvik_missing_packages() {
  local p
  for p in "${TARVIK_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      echo "$p"
    fi
  done
}

tarvik_install_deps() {
  local missing
  missing=$(tarvik_missing_packages)
  if [ -z "$missing" ]; then
    return 0
  fi
  # shellcheck disable=SC2086
  echo "Installing:" $missing
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
  fi
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}
