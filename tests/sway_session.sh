# Sourced by the compositor tests: starts Debian's sway headless, as a phone
# shell runs, and gives the helpers that start the installed calculator on it,
# type on the compositor's virtual keyboard and read the Wayland clipboard.
#
#   . tests/sway_session.sh BUILD_DIR [CMAKE]
#
# sway refuses to run as root, so as root the compositor and everything that
# talks to it run as the unprivileged user below (created if missing), with a
# runtime folder of their own; the program is installed into a temporary
# prefix that user can read, since the build folder may sit where it cannot.
# Everything started is stopped when the test exits, however it exits.
set -euo pipefail

build=$(cd "$1" && pwd)
cmake=${2:-cmake}
app_id=org.quillon.Calculator
test_user=quillon-wayland-test
output=HEADLESS-1

for tool in sway swaymsg wtype grim wl-paste jq setpriv dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/build installs it)"; exit 1; }
done

work=$(mktemp -d /tmp/quillon-wayland.XXXXXX)
sway_pid=""
app_pid=""
bus_pid=""
cleanup() {
    local pid
    for pid in $app_pid $bus_pid $sway_pid; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in $app_pid $bus_pid $sway_pid; do
        # A process that ignores the polite signal gets the other one after 5 s.
        timeout 5 tail --pid="$pid" -f /dev/null 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

fail() {
    echo "FAIL: $*"
    if [ -s "$work/sway.log" ]; then echo "--- sway log (tail)"; tail -n 20 "$work/sway.log"; fi
    if [ -s "$work/app.log" ]; then echo "--- calculator output"; tail -n 40 "$work/app.log"; fi
    exit 1
}

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.2
    done
}

runtime=$work/runtime
mkdir -p "$runtime" "$work/home" "$work/shots"
if [ "$(id -u)" -eq 0 ]; then
    id -u "$test_user" >/dev/null 2>&1 \
        || useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$test_user"
    uid=$(id -u "$test_user")
    gid=$(id -g "$test_user")
    chown "$uid:$gid" "$runtime" "$work/home" "$work/shots"
    as_user=(setpriv --reuid="$uid" --regid="$gid" --clear-groups --)
else
    as_user=()
fi
chmod 755 "$work"
chmod 700 "$runtime"

"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null || fail "cmake --install"
chmod -R a+rX "$work/prefix"

# Only what the session needs: none of the caller's display, so that sway
# cannot nest in a running desktop and the program cannot reach another one.
# The program keeps its calculation under the temporary home.
session_env=(env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8
             XDG_RUNTIME_DIR="$runtime" ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}")

cat >"$work/sway.config" <<CONFIG
output $output mode 720x1440 scale 2 transform 90
default_border none
xwayland disable
CONFIG

"${as_user[@]}" "${session_env[@]}" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway --config "$work/sway.config" >"$work/sway.log" 2>&1 &
sway_pid=$!

sockets() {
    kill -0 "$sway_pid" 2>/dev/null || fail "sway stopped"
    wayland=$(cd "$runtime" && ls -1 wayland-? 2>/dev/null | head -n 1)
    swaysock=$(ls -1 "$runtime"/sway-ipc.*.sock 2>/dev/null | head -n 1)
    [ -n "$wayland" ] && [ -n "$swaysock" ]
}
wait_for 15 sockets || fail "sway did not open its sockets in 15 s"

client_env=("${session_env[@]}" WAYLAND_DISPLAY="$wayland" SWAYSOCK="$swaysock")
as_client() { "${as_user[@]}" "${client_env[@]}" "$@"; }
sway_ipc() { as_client timeout 10 swaymsg "$@"; }
wait_for 10 sway_ipc -t get_outputs >/dev/null || fail "sway does not answer on $swaysock"

# Starts the installed program on Wayland, with the environment settings
# given (NAME=VALUE); its process is app_pid (setpriv and env exec it).
start_app() {
    "${as_user[@]}" "${client_env[@]}" QT_QPA_PLATFORM=wayland "$@" "$work/prefix/bin/quillon-calculator" \
        >>"$work/app.log" 2>&1 &
    app_pid=$!
}

# Waits for the program to end by itself; fails unless it ends with status 0.
expect_ended() {
    if ! wait_for 30 eval '! kill -0 "$app_pid" 2>/dev/null'; then
        # Where it hangs: each thread's kernel wait and its stack.
        local thread
        for thread in /proc/"$app_pid"/task/*; do
            echo "thread $(cat "$thread/comm") waits in $(cat "$thread/wchan")"
        done
        command -v gdb >/dev/null && timeout 60 gdb -p "$app_pid" -batch -ex "thread apply all bt 15" 2>&1 \
            | grep -E "^#|^Thread" | head -n 100
        echo "window: $(window)"
        fail "the calculator did not end: $1"
    fi
    local status=0
    wait "$app_pid" || status=$?
    app_pid=""
    [ "$status" -eq 0 ] || fail "the calculator ended with status $status: $1"
}

# Asks the compositor to close the program's window, as a shell does.
close_app() {
    sway_ipc "[pid=$app_pid] kill" >/dev/null || fail "swaymsg kill"
    expect_ended "its window was closed"
}

# "app id<TAB>title" of the program's window, as sway reports them.
window() {
    sway_ipc -t get_tree | jq -r --argjson pid "$app_pid" \
        '.. | objects | select(.pid? == $pid and .type? == "con") | "\(.app_id)\t\(.name)"'
}
seen=""
window_is() {
    kill -0 "$app_pid" 2>/dev/null || fail "the calculator stopped"
    seen=$(window)
    [ "$seen" = "$1" ]
}
expect_window() {
    wait_for 20 window_is "$app_id"$'\t'"$1" \
        || fail "window (app id, title) is '${seen:-none}', expected '$app_id', '$1'"
    echo "ok: app id $app_id, title \"$1\""
}

clip=""
clipboard_is() {
    clip=$(as_client timeout 5 wl-paste --no-newline 2>/dev/null || true)
    [ "$clip" = "$1" ]
}
# Ctrl+C copies the number on show; the clipboard is read as another client would.
# Right after a turn a busy compositor may still be handing the window its
# keyboard focus, so a copy that does not arrive is asked for again, twice.
expect_copied() {
    local attempt
    for attempt in 1 2 3; do
        as_client timeout 10 wtype -s 200 -M ctrl c -m ctrl || fail "wtype Ctrl+C"
        if wait_for 5 clipboard_is "$1"; then
            echo "ok: Ctrl+C copied $1"
            return
        fi
    done
    fail "clipboard holds '$clip', expected '$1'"
}

# A session bus of the test's own, for the programs started after this
# (start_app), on which a screen reader's accessibility bus is started when
# first asked for, as in a desktop session.
start_session_bus() {
    "${as_user[@]}" "${session_env[@]}" dbus-daemon --session --nofork --address="unix:path=$runtime/bus" \
        >>"$work/bus.log" 2>&1 &
    bus_pid=$!
    client_env+=(DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus")
    wait_for 10 test -S "$runtime/bus" || fail "the session bus did not start"
}

set_transform() {
    sway_ipc output "$output" transform "$1" >/dev/null || fail "swaymsg transform $1"
}

