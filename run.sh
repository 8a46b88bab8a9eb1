#!/usr/bin/env bash
# Installs what is missing, builds the program (Release) and starts it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset default
cmake --build --preset default -j"$(nproc)" --target trimerka
exec "$here/build/default/trimerka" "$@"
