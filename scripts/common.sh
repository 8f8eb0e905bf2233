# Shared by scripts/play and scripts/test: installing what the build needs, building, and the
# private Wine prefix. Sourced, not run.

repo=$(cd "$(dirname "$0")/.." && pwd)
build="$repo/build"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="

# Debian packages the build, the tests and the game under Wine need.
needed_packages="cmake g++ make pkg-config libgtest-dev googletest libbenchmark-dev libwebp-dev
  libcairo2-dev fonts-dejavu-core imagemagick g++-mingw-w64-x86-64 wine wine64
  xvfb xauth fp-utils nsis zip unzip clang libclang-rt-14-dev llvm osslsigncode openssl p7zip-full
  ninja-build python3"
# The web page: Emscripten, whose em++ needs Debian's acorn on Node's path, esbuild, which bundles
# the page's script, and Chromium and npm for the browser tests.
web_packages="emscripten node-acorn nodejs chromium python3 esbuild"
export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"

say() { printf '%s\n' "$*" >&2; }

# Installs whatever is missing, and says nothing when everything is there.
ensure_packages() {
  missing=""
  for p in $needed_packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
  done
  [ -z "$missing" ] && return 0
  say "Installing:$missing"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq >/dev/null
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq $missing >/dev/null
}

jobs=$(nproc 2>/dev/null || echo 2)

# Runs a command with its output in a log, which is shown only when the command fails.
quietly() {
  log="$build/last-step.log"
  mkdir -p "$build"
  if "$@" >"$log" 2>&1; then return 0; fi
  tail -n 60 "$log" >&2
  say "FAILED: $*  (whole output in $log)"
  return 1
}

# The npm packages of a folder that drives Debian's Chromium (tests/web by default, or the web
# page's benchmark): puppeteer-core, which downloads no browser of its own, installed as the
# folder's package-lock.json fixes them.
ensure_browser_test_packages() {
  local folder=${1:-$repo/tests/web}
  [ -d "$folder/node_modules/puppeteer-core" ] && return 0
  # Node.js may come with its own npm; Debian's comes apart.
  command -v npm >/dev/null || needed_packages=npm ensure_packages || return 1
  say "Installing the npm packages of ${folder#"$repo/"} ..."
  (cd "$folder" && PUPPETEER_SKIP_DOWNLOAD=1 quietly npm ci --no-audit --no-fund)
}

# Lighthouse, as tests/lighthouse/package-lock.json fixes it; it runs Debian's Chromium. Lighthouse
# asks for the "latest" of two of its data packages, which npm ci holds against the registry's
# newest: package.json pins them to the versions the lock file has, or a new release of either
# would stop the install.
ensure_lighthouse_packages() {
  [ -d "$repo/tests/lighthouse/node_modules/lighthouse" ] && return 0
  command -v npm >/dev/null || needed_packages=npm ensure_packages || return 1
  say "Installing Lighthouse ..."
  (cd "$repo/tests/lighthouse" && quietly npm ci --no-audit --no-fund)
}

# preset: native, windows, web, sanitize or fuzz
build_preset() {
  (cd "$repo" && quietly cmake --preset "$1" && quietly cmake --build --preset "$1" -j "$jobs")
}

# Creating a prefix takes a while, so it is made once and kept in the build folder. With the
# argument "unmanaged", Wine's windows do without a window manager.
ensure_wineprefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  say "Creating the Wine prefix in $WINEPREFIX ..."
  wineboot -i >/dev/null 2>&1
  if [ "${1:-}" = unmanaged ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  fi
  wineserver -w
}
