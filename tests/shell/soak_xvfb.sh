#!/usr/bin/env bash
# The soak on a real X server, where windows are mapped and given their icons (the offscreen
# platform draws none): each quiz window opened and closed through its buttons 2,000 times,
# the resident size within 2 MB of where it stood after the first 200 cycles.
# Usage: soak_xvfb.sh PATH_TO_TEST_SOAK
set -euo pipefail
source "$(dirname "$0")/xvfb_comune.sh"
avvia_xvfb
export QT_QPA_PLATFORM=xcb KESTRANO_CICLI=2000 KESTRANO_CRESCITA_KB=2048 QTEST_FUNCTION_TIMEOUT=900000
"$1" aperturaEChiusuraRipetute:FrmMultipli aperturaEChiusuraRipetute:FrmSottomultipli
