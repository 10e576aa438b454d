# Configures and builds in build/; sourced by the scripts. The compiler's
# output is shown only when the build fails.
kestavo_build() {
  local log
  if ! log=$(cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTAVO_WINDOW=ON 2>&1 &&
             cmake --build build -j"$(nproc)" "$@" 2>&1); then
    printf '%s\n' "$log" >&2
    echo "build failed" >&2
    return 1
  fi
}
