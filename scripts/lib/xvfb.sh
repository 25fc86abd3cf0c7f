# Sourced: start_xvfb WxHxDEPTH [Xvfb options...] starts a private X server with a screen of that
# size and exports it as DISPLAY; $xvfb_pid is its process. The server picks a free display
# itself and writes its number once it accepts clients (-displayfd): scripts running at the same
# time cannot both take one that looked free. A second call replaces the server; the last one
# stops when the script exits.
source "$(dirname "${BASH_SOURCE[0]}")/on_exit.sh"
xvfb_pid=""
stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}
on_exit stop_xvfb
start_xvfb() {
    stop_xvfb
    local out status=0
    out=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 "$@" -nolisten tcp 3>"$out/display" >"$out/log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$out/display" ] || ! kill -0 "$xvfb_pid" 2>/dev/null && break; sleep 0.1; done
    if [ -s "$out/display" ]; then
        export DISPLAY=":$(head -1 "$out/display")"
    else
        echo "Xvfb did not start:" >&2
        cat "$out/log" >&2
        status=1
    fi
    rm -rf "$out"
    return "$status"
}
