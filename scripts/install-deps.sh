#!/usr/bin/env bash
# Installs the Debian packages Tessaly needs to build, run and test, and only those
# that are missing; says nothing when everything is present. Works as root and with sudo.
set -euo pipefail

# Installed with --no-install-recommends, so everything a step needs is named here,
# even what another package only recommends (Qt6Charts' CMake package needs
# libqt6opengl6-dev, which qt6-base-dev merely recommends).
packages=(
  g++ cmake make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  clang clang-format clang-tidy libclang-rt-14-dev
  qt6-base-dev libqt6opengl6-dev qt6-charts-dev qt6-translations-l10n libgl-dev
  # the translations: Qt6LinguistTools' CMake package, lupdate and lrelease
  qt6-tools-dev qt6-l10n-tools
  nlohmann-json3-dev
  # tessaly-report's command line
  libcli11-dev
  # Cyrillic text in the windows and in printed and exported PDF files
  fonts-dejavu-core
  # tests: PDF read back, desktop entry and MIME package checked
  poppler-utils desktop-file-utils libxml2-utils
  # the Debian package: dpkg-shlibdeps and the file type probe CPack runs
  dpkg-dev file
  # the start-up benchmark: a real X server and a client that waits for the frame
  xvfb libxcb1-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "install-deps: missing packages (${missing[*]}) and neither root nor sudo to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
log=$(mktemp)
if ! { "${as_root[@]}" apt-get update -qq &&
       "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  cat "$log" >&2
  rm -f "$log"
  echo "install-deps: installation failed" >&2
  exit 1
fi
rm -f "$log"
