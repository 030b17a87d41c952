#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's private prefix; the exit code is the program's.
set -euo pipefail
source "$(dirname "$0")/wine-prefix.sh"
quillora_prepare_prefix
exec wine "$@"
