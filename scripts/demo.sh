#!/usr/bin/env bash
# Installs what is missing, builds, lays out the sample data in demo/ and
# starts the wizard there. Arguments are the wizard's own: MODULE [COMPANY [LOG]]
# (default: 1, Administrativo, ordinary company). Without a display the
# wizard runs on a virtual display (Xvfb) and a picture of its first page is
# saved as demo/wizard.png.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
EXTRA_PACKAGES="xvfb xauth x11-apps imagemagick" bash "$ROOT/scripts/setup.sh"

DEMO="$ROOT/demo"
# The sample tables are laid out afresh on every run (the tool replaces only
# its own sample files and refuses a folder it did not make).
"$ROOT/build/bin/q7SampleData" "$DEMO" "$ROOT/build/bin"
cd "$DEMO"

ARGS=("$@")
[ ${#ARGS[@]} -gt 0 ] || ARGS=(1)
echo "Starting: q7UpdateModulo ${ARGS[*]} (working folder $DEMO)"
if [ -n "${DISPLAY:-}" ]; then
  status=0
  "$ROOT/build/bin/q7UpdateModulo" "${ARGS[@]}" || status=$?
  echo "q7UpdateModulo ended with exit status $status"
  exit $status
fi

# No display: a virtual one, a picture of the window, then the wizard is ended.
SCREEN=:87
Xvfb "$SCREEN" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
XPID=$!
trap 'kill $XPID 2>/dev/null || true' EXIT
sleep 1
DISPLAY=$SCREEN "$ROOT/build/bin/q7UpdateModulo" "${ARGS[@]}" &
WPID=$!
sleep 4
if kill -0 $WPID 2>/dev/null; then
  CONVERT=convert
  [ -x /usr/bin/convert ] && CONVERT=/usr/bin/convert
  DISPLAY=$SCREEN xwd -root -silent | "$CONVERT" xwd:- "$DEMO/wizard.png"
  kill $WPID 2>/dev/null || true
  echo "No display here: the wizard ran on a virtual display (Xvfb). Its first page: $DEMO/wizard.png"
else
  status=0; wait $WPID || status=$?
  echo "q7UpdateModulo ended with exit status $status"
fi
