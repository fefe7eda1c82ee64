# Sourced by bench.sh: start_xvfb starts a private X server on a free display,
# exports DISPLAY, and stops the server when the script exits. An exit trap
# the script has already set still runs, after the server is stopped, with
# the script's exit status in $?.
start_xvfb() {
  xvfb_displayfd=$(mktemp)
  Xvfb -displayfd 4 -screen 0 1024x768x24 -nolisten tcp 4>"$xvfb_displayfd" >/dev/null 2>&1 &
  xvfb_pid=$!
  local earlier=""
  eval "local -a set_trap=($(trap -p EXIT))"  # trap -- 'COMMAND' EXIT, or nothing
  [ ${#set_trap[@]} -eq 4 ] && earlier=${set_trap[2]}
  trap "xvfb_status=\$?; stop_xvfb; set +e; (exit \$xvfb_status); $earlier" EXIT
  local _
  for _ in $(seq 100); do
    [ -s "$xvfb_displayfd" ] && break
    sleep 0.1
  done
  [ -s "$xvfb_displayfd" ] || { echo "Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$xvfb_displayfd")"
}

stop_xvfb() {
  kill "$xvfb_pid" 2>/dev/null || true
  rm -f "$xvfb_displayfd"
}
