#!/usr/bin/env bash
# Builds Tessaly for release in build-package/ and makes the Debian package from the
# install rules: build-package/tessaly_<version>_<arch>.deb, whose path it prints.
# Install it with: sudo apt-get install ./build-package/tessaly_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# CPack builds the "all" target before it installs unless told not to; the package
# needs only the two programs, not the tests.
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DTESSALY_BENCH=OFF \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >"$log" 2>&1 ||
  { cat "$log" >&2; exit 1; }
cmake --build build-package -j2 --target tessaly tessaly-report
rm -f build-package/tessaly_*.deb
(cd build-package && cpack -G DEB) >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
ls "$PWD"/build-package/tessaly_*.deb
