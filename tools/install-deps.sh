#!/usr/bin/env bash
# Installs the Debian packages the build needs, and only those that are missing.
# Sourced by run.sh and test.sh. As root it runs apt-get; otherwise it prints the
# command a user with sudo rights should run, and stops.
KESTROVA_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libxlsxwriter-dev libserialport-dev libcli11-dev libbluetooth-dev libedf-dev libsqlite3-dev
  qt6-base-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation2
  unzip clang-format poppler-utils
)

kestrova_install_deps() {
  local missing=()
  local p
  for p in "${KESTROVA_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update && apt-get install -y --no-install-recommends "${missing[@]}"
  else
    echo "These packages are missing: ${missing[*]}" >&2
    echo "Install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    return 1
  fi
}
