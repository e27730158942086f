#!/usr/bin/env bash
# Installs what is missing, builds Kestrel and starts it. Arguments go to the
# program, e.g. ./run.sh schedule --amount 5000 --term 24.
set -euo pipefail
PW_ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$PW_ROOT/scripts/common.sh"
pw_install_packages
pw_build "$PW_ROOT/build"
exec "$PW_ROOT/build/bin/kestrel" "$@"
