#!/usr/bin/env bash
# Ends the installed calculator as a phone does (its window closed, SIGTERM,
# SIGKILL once the save has had its second), starts it again on the same
# compositor and checks that the calculation came back: what is on show and
# what the next keys give. Each row keeps its calculation in a state folder
# of its own.
#
#   tests/state_session.sh BUILD_DIR [CMAKE]

. "$(dirname "$0")/sway_session.sh"

states=$work/state
mkdir -p "$states"
[ "$(id -u)" -ne 0 ] || chown "$uid:$gid" "$states"

# name | page | keys (wtype arguments) | end | shown after the restart | next keys | shown then
# A killed calculator keeps only what it saved by itself: its row ends with
# what the file holds (a jq condition) once the last key is saved.
rows=(
    "a result|Scientific Calculator|1/3=|close|0.33333333333333|*3=|1"
    "a pending times|Scientific Calculator|12*|term|12|3=|36"
    "two open brackets|Scientific Calculator|2*(3+(4|kill|4|)=|14|.scientific.shown == \"4\""
    "hexadecimal with a pending plus|Scientific Calculator|-k F5 A+|close|A|5=|F"
    "a locked page|Scientific Calculator|5/0=|term|Cannot divide by zero|7|Cannot divide by zero"
    "radians with shift on|Scientific Calculator|id i|kill|0|7c|-1|.scientific.angle == \"radians\" and .scientific.shift"
    "a number half typed|Scientific Calculator|12|close|12|3|123"
    "the standard page in front|Simple|2@|term|1.4142136|*2@=|2"
)

type_keys() {
    local keys
    read -ra keys <<<"$1"
    # The pause lets the program take the virtual keyboard before keys come.
    as_client timeout 20 wtype -s 500 "${keys[@]}" || fail "wtype could not type $1"
}

row=0
for line in "${rows[@]}"; do
    IFS='|' read -r name page keys end shown next result saved <<<"$line"
    row=$((row + 1))
    state=$states/$row

    start_app XDG_STATE_HOME="$state"
    expect_window "Scientific Calculator"
    if [ "$page" = Simple ]; then
        set_transform normal
        expect_window Simple
    fi
    type_keys "$keys"
    # Every key taken before the end: the copy comes after them.
    expect_copied "$shown"
    case $end in
    close) close_app ;;
    term)
        kill -TERM "$app_pid"
        expect_ended "SIGTERM"
        ;;
    kill)
        # Saved within a second of the last key on an idle machine; on a
        # loaded one the test waits for the file rather than the clock.
        wait_for 30 jq -e "$saved" "$state/$app_id/calculation.json" >/dev/null 2>&1 \
            || fail "the calculation was not saved: $(cat "$state/$app_id/calculation.json" 2>/dev/null)"
        kill -KILL "$app_pid"
        wait "$app_pid" 2>/dev/null || true
        app_pid=""
        ;;
    esac

    start_app XDG_STATE_HOME="$state"
    expect_window "$page"
    expect_copied "$shown"
    type_keys "$next"
    expect_copied "$result"
    close_app
    [ "$page" = Simple ] && set_transform 90
    echo "ok: $name ($end) came back"
done

# The calculation is the user's alone.
folder=$states/1/$app_id
modes="$(stat -c %a "$folder") $(stat -c %a "$folder/calculation.json")"
[ "$modes" = "700 600" ] || fail "the state folder and file have modes $modes, expected 700 600"
echo "ok: state folder 700, file 600"
