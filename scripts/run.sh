#!/usr/bin/env bash
# Installs what is missing, builds the editor, writes demo settings files and
# opens the Kelmora HD one in the editor, or the settings file given instead.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build build/dev -j "$(nproc)" --target kelmora-settings-editor kelmora-demo-files
build/dev/tools/kelmora-demo-files build/dev/demo >/dev/null
exec build/dev/src/kelmora-settings-editor "${1:-build/dev/demo/demo-hd.si}"
