#!/usr/bin/env bash
# Installs what is missing, builds, and starts Quorvane on its bundled archive.
source "$(dirname "$0")/common.sh"
exec "$BUILD/Quorvane" "$@"
