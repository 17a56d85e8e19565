#!/usr/bin/env bash
# Installs what is missing, builds Tessaly and starts it (from the repository, so
# the examples/ and HTemplates/ folders are at hand).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh --target tessaly
exec ./build/src/tessaly "$@"
