# Debian 12 packages that building and testing need; sourced by the scripts.
# Installs whatever is missing, with sudo when not root. Quiet when all is there.

# The window needs Qt 6 Widgets and the fonts that stand in for its
# families; qt6-qpa-plugins brings the VNC platform for machines without
# a display.
KESTAVO_BUILD_PACKAGES=(cmake g++ make libgtest-dev qt6-base-dev qt6-qpa-plugins
                        fonts-arphic-uming fonts-liberation2 fonts-dejavu-core)
# libFuzzer comes with clang's runtime.
KESTAVO_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
KESTAVO_BENCH_PACKAGES=(libbenchmark-dev)

ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing from Debian: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
