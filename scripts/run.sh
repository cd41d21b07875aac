#!/usr/bin/env bash
# Installs what is missing, builds the editor, writes a demo settings file and
# opens it in the editor.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build build/dev -j "$(nproc)" --target kelmora-settings-editor
exec build/dev/src/kelmora-settings-editor "$@"
