# Shared by scripts/run and scripts/test: installs what is missing and builds.
# Sourced, not run.

LUMATIK_PACKAGES=(cmake g++ make qt6-base-dev libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
                  libgmp-dev fonts-liberation xvfb qt6-translations-l10n)

lumatik_install_missing() {
  local missing=()
  for package in "${LUMATIK_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installiere: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

lumatik_build() {
  cmake -S "$LUMATIK_ROOT" -B "$LUMATIK_ROOT/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$LUMATIK_ROOT/build" -j"$(nproc)"
}
