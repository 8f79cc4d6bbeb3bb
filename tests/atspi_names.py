#!/usr/bin/python3
# Prints what a screen reader finds of the applications on the session's
# accessibility bus (AT-SPI): the role and name of every object, one per
# line, "role<TAB>name".
from gi.repository import Gio, GLib

TIMEOUT_MS = 5000

session = Gio.bus_get_sync(Gio.BusType.SESSION)
address = session.call_sync('org.a11y.Bus', '/org/a11y/bus', 'org.a11y.Bus', 'GetAddress', None,
                            GLib.VariantType('(s)'), Gio.DBusCallFlags.NONE, TIMEOUT_MS, None).unpack()[0]
a11y = Gio.DBusConnection.new_for_address_sync(
    address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
    None, None)


def accessible(bus, path, method, reply):
    return a11y.call_sync(bus, path, 'org.a11y.atspi.Accessible', method, None, GLib.VariantType(reply),
                          Gio.DBusCallFlags.NONE, TIMEOUT_MS, None).unpack()[0]


def name(bus, path):
    return a11y.call_sync(bus, path, 'org.freedesktop.DBus.Properties', 'Get',
                          GLib.Variant('(ss)', ('org.a11y.atspi.Accessible', 'Name')), GLib.VariantType('(v)'),
                          Gio.DBusCallFlags.NONE, TIMEOUT_MS, None).unpack()[0]


def walk(bus, path, depth):
    print(f"{accessible(bus, path, 'GetRoleName', '(s)')}\t{name(bus, path)}")
    if depth < 20:
        for child_bus, child_path in accessible(bus, path, 'GetChildren', '(a(so))'):
            walk(child_bus, child_path, depth + 1)


for app_bus, app_path in accessible('org.a11y.atspi.Registry', '/org/a11y/atspi/accessible/root',
                                    'GetChildren', '(a(so))'):
    walk(app_bus, app_path, 0)
