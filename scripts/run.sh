#!/usr/bin/env bash
# Installs what is missing, builds the program and runs it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j "$(nproc)"
if [[ -x build/dev/bin/quintara ]]; then
    exec build/dev/bin/quintara "$@"
fi
exec build/dev/bin/quintara-cli stats --game lotto "$@"
