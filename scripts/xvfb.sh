# Sourced by bench.sh: start_xvfb starts a private X server on a
# free display, exports DISPLAY, and stops the server when the script exits.
start_xvfb() {
  xvfb_displayfd=$(mktemp)
  Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp 4>"$xvfb_displayfd" >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null || true; rm -f "$xvfb_displayfd"' EXIT
  local _
  for _ in $(seq 100); do
    [ -s "$xvfb_displayfd" ] && break
    sleep 0.1
  done
  [ -s "$xvfb_displayfd" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$xvfb_displayfd")"
}
