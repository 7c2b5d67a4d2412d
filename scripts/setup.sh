# Shared by scripts/run and scripts/test: installs what is missing and builds.
# Sourced, not run.

LUMATIK_PACKAGES=(cmake g++ make qt6-base-dev qt6-svg-dev libjpeg62-turbo-dev libgtest-dev libbenchmark-dev
                  libgmp-dev fonts-liberation xvfb qt6-translations-l10n)

# The fuzz targets alone need clang with its libFuzzer and sanitizer runtimes.
LUMATIK_FUZZ_PACKAGES=(clang libclang-rt-dev)

# Installs the given packages that are missing (the build's by default).
lumatik_install_missing() {
  local wanted=("$@")
  [ ${#wanted[@]} -eq 0 ] && wanted=("${LUMATIK_PACKAGES[@]}")
  local missing=()
  for package in "${wanted[@]}"; do
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

# The same build with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/. Undefined behaviour aborts instead of printing and going
# on, and a float converted to an integer it does not fit counts as well.
lumatik_build_sanitized() {
  local sanitizers="-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=undefined,float-cast-overflow"
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$LUMATIK_ROOT" -B "$LUMATIK_ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="$sanitizers -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined,float-cast-overflow" >/dev/null
  cmake --build "$LUMATIK_ROOT/build-sanitize" -j"$(nproc)"
}
