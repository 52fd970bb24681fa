# Sourced by the screen-reader checks: a D-Bus session bus of their own with the AT-SPI bus on
# it, so they need no desktop session (a fresh machine's test run, as root, has none). What they
# start, they end by process id: accessibility_bus_stop.
accessibility_bus_pids=()

accessibility_bus_start() {
    local started
    started=$(dbus-daemon --session --fork --print-address=1 --print-pid=1) || return 1
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p <<<"$started")
    accessibility_bus_pids+=("$(sed -n 2p <<<"$started")")
    export DBUS_SESSION_BUS_ADDRESS
    # Its own process group, with the accessibility bus and registry it starts.
    setsid /usr/libexec/at-spi-bus-launcher --launch-immediately </dev/null >/dev/null 2>&1 &
    accessibility_bus_pids+=("-$!")
    # Qt speaks to screen readers only where the desktop says one may listen; here, always.
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    for _ in $(seq 100); do
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "the accessibility bus did not start" >&2
    return 1
}

accessibility_bus_stop() {
    local pid
    for pid in "${accessibility_bus_pids[@]}"; do kill -- "$pid" 2>/dev/null; done
    accessibility_bus_pids=()
}
