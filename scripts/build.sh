# Configures and builds; sourced by the scripts. The compiler's output is
# shown only when the build fails.
#   kestavo_build DIR [cmake options...] [-- build options...]
kestavo_build() {
  local dir=$1
  shift
  local configure=() build=()
  while [ $# -gt 0 ] && [ "$1" != "--" ]; do configure+=("$1"); shift; done
  [ $# -gt 0 ] && shift
  build=("$@")
  local log
  if ! log=$(cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${configure[@]}" 2>&1 &&
             cmake --build "$dir" -j"$(nproc)" "${build[@]}" 2>&1); then
    printf '%s\n' "$log" >&2
    echo "build in $dir failed" >&2
    return 1
  fi
}
