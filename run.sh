#!/usr/bin/env bash
# Installs what building and running the program needs, builds the program alone (Release, without the tests
# and benchmarks, in build/program) and starts it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset program
cmake --build --preset program -j"$(nproc)"
exec "$here/build/program/trimerka" "$@"
