#!/usr/bin/env bash
# Installs the Debian packages the build, the game and the tests need, when any is missing.
# Sourced by ./play and ./check; safe to run again.
morvek_packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-mixer-dev libsdl2-ttf-dev libsdl2-image-dev
  fonts-ipafont-gothic timgm6mb-soundfont
  libgtest-dev libbenchmark-dev
  xvfb xauth imagemagick
)
morvek_install_deps() {
  local missing=()
  for p in "${morvek_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}
morvek_install_deps
