#!/usr/bin/env bash
# Runs the installed calculator on a real Wayland compositor, as a phone shell
# would, and checks through the compositor's own IPC what such a shell sees:
# the window's app id (which names its desktop entry, hence its icon and name
# in a task switcher), the title as the output turns between sideways and
# upright, keys typed on the compositor's virtual keyboard, and the Wayland
# clipboard. Screenshots of both pages are left in BUILD_DIR/wayland-screenshots.
#
#   tests/wayland_session.sh BUILD_DIR [CMAKE]

. "$(dirname "$0")/sway_session.sh"

shots=$build/wayland-screenshots
start_app

screenshot() {
    as_client timeout 10 grim -o "$output" "$work/shots/$1.png" || fail "grim $1"
    mkdir -p "$shots"
    cp "$work/shots/$1.png" "$shots/"
}

# The panel starts sideways: 720 x 1440 turned a quarter, 720 x 360 logical.
expect_window "Scientific Calculator"

# The first pause lets the program take the virtual keyboard before keys come;
# the one after Esc lets the cleared page settle.
# 2 x (3 + 4) squared: the square is the right operand of the product.
as_client timeout 20 wtype -s 500 -k Escape -s 300 '2*(3+4)q=' \
    || fail "wtype could not type"
expect_copied 98
screenshot sideways

set_transform normal
expect_window "Simple"
as_client timeout 20 wtype -s 300 -k Escape -s 300 '1/4=' || fail "wtype could not type"
expect_copied 0.25
as_client timeout 20 wtype -s 300 -k Escape -s 300 '9+16@=' || fail "wtype could not type"
expect_copied 13
screenshot upright

set_transform 90
expect_window "Scientific Calculator"
expect_copied 98   # each page keeps its number while hidden
as_client timeout 20 wtype -s 300 -k Escape -s 300 '10-(2*(3-1)+1)=' \
    || fail "wtype could not type"
expect_copied 5

# Closing the window ends the program normally.
close_app
echo "ok: closed with status 0; screenshots in $shots"

# Started in German, it shows and speaks German: the titles, and what a
# screen reader reads of the display through the accessibility bus.
start_session_bus
cp "$(dirname "$0")/atspi_names.py" "$work/" && chmod a+r "$work/atspi_names.py"
start_app LANG=de_DE.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
expect_window "Wissenschaftlicher Rechner"
names=""
reads_german() {
    names=$(as_client timeout 20 python3 "$work/atspi_names.py" 2>&1 || true)
    grep -qx $'text\tAnzeige des wissenschaftlichen Rechners' <<<"$names"
}
wait_for 30 reads_german || fail "a screen reader does not find the display's German name:"$'\n'"$names"
grep -q "calculator display" <<<"$names" && fail "a screen reader finds English names:"$'\n'"$names"
echo "ok: a screen reader reads the display as \"Anzeige des wissenschaftlichen Rechners\""
set_transform normal
expect_window "Standard"
set_transform 90
close_app
