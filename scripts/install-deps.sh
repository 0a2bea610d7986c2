#!/usr/bin/env bash
# Installs the Debian packages the build, the asset generator and the tests need.
# Does nothing when every package is already present; otherwise installs only the
# missing ones with apt-get (through sudo when not run as root).
set -euo pipefail

packages=(
  # toolchain
  cmake g++ make pkg-config
  # game libraries
  libsdl2-dev libsdl2-mixer-dev libturbojpeg0-dev libjpeg62-turbo-dev libpng-dev
  # asset generator: vector art, font rasterising and the fonts themselves
  libcairo2-dev libfreetype-dev
  fonts-dejavu-core fonts-leckerli-one fonts-quicksand fonts-comfortaa
  # tests, fuzzing and benchmarks
  libgtest-dev libgmock-dev googletest libbenchmark-dev libpixman-1-dev libmodplug-dev
  clang libclang-rt-14-dev
  # desktop integration checks
  desktop-file-utils appstream
  # the desktop benchmark: a private X server, a window manager for full screen, the peer game
  libx11-dev libxdamage-dev libxtst-dev xvfb xauth openbox sgt-puzzles
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive

# Another package manager (an unattended upgrade, a second CI job) may hold the apt or dpkg lock
# for a while: wait for it, up to five minutes in all, instead of failing at once.
lock_wait_seconds=${ZIBBET_APT_LOCK_WAIT_SECONDS:-300}
lock_poll_seconds=${ZIBBET_APT_LOCK_POLL_SECONDS:-10}
apt_waiting_for_lock() {
  local deadline=$((SECONDS + lock_wait_seconds)) log
  log=$(mktemp)
  while true; do
    if "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=$((deadline - SECONDS > 0 ? deadline - SECONDS : 1)) "$@" \
      2>"$log"; then
      rm -f "$log"
      return 0
    fi
    if ! grep -qi "lock" "$log" || ((SECONDS >= deadline)); then
      cat "$log" >&2
      rm -f "$log"
      return 1
    fi
    echo "install-deps: waiting for another package manager to release its lock" >&2
    sleep "$lock_poll_seconds"
  done
}

apt_waiting_for_lock update -qq
apt_waiting_for_lock install -y -qq --no-install-recommends "${missing[@]}"
