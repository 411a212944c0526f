#!/usr/bin/python3
"""Reads the picture window through AT-SPI, as a screen reader on Linux would.

Run inside a private D-Bus session, which starts the accessibility bus:
    dbus-run-session -- /usr/bin/python3 scripts/atspi-check.py build/ci/app/sredna
(Debian's own Python: pyatspi comes as a Debian package.)
Starts the program on its own Xvfb display, opens the picture (F4), selects
a value through the values list's accessible selection and with Right in
the plot, and prints the plot's role, name and description and the table's
size and headers, and the name and description changes the plot sent. Needs xvfb, xdotool, at-spi2-core and python3-pyatspi.
Exits non-zero where the plot or the table is not found as expected.
"""
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

DISPLAY = ""  # Xvfb's, a free one it picks itself


def wait_for(what, find, seconds=20.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit(f"not found: {what}")


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def first(root, role, name=None):
    for node in descendants(root):
        if node.getRole() == role and (name is None or node.name == name):
            return node
    return None


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == "sredna":
            return app
    return None


heard = []


def hear(event):
    if event.source is not None and event.source.getRole() == pyatspi.ROLE_CHART:
        heard.append(event.type)


def pump(seconds=1.0):
    """Lets the change events in, as a screen reader's loop would."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.05)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True,
                   env={**os.environ, "DISPLAY": DISPLAY})
    time.sleep(0.5)


def focus_window(title):
    subprocess.run(["xdotool", "search", "--sync", "--name", title, "windowfocus", "--sync"],
                   check=True, env={**os.environ, "DISPLAY": DISPLAY}, timeout=20)


def plot(app):
    return first(app, pyatspi.ROLE_CHART)


def report(chart):
    print("plot role:", chart.getRoleName())
    print("plot name:", chart.name)
    print("plot description:", chart.description)


def main():
    binary = sys.argv[1] if len(sys.argv) > 1 else "build/ci/app/sredna"
    global DISPLAY
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1600x1000x24",
                             "-nolisten", "tcp"], pass_fds=[write_end])
    os.close(write_end)
    with os.fdopen(read_end) as number:
        DISPLAY = ":" + number.readline().strip()
    home = tempfile.TemporaryDirectory()
    env = {**os.environ, "DISPLAY": DISPLAY, "QT_QPA_PLATFORM": "xcb",
           "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "HOME": home.name,
           "XDG_CONFIG_HOME": os.path.join(home.name, ".config")}
    app_process = subprocess.Popen([binary], env=env)
    try:
        app = wait_for("the program on the accessibility bus", program)
        values = wait_for("the values list", lambda: first(app, pyatspi.ROLE_LIST, "Стойности"))
        focus_window("Средна стойност")
        key("F4")
        chart = wait_for("the plot", lambda: plot(app))
        report(chart)
        pyatspi.Registry.registerEventListener(hear, "object:property-change:accessible-name",
                                               "object:property-change:accessible-description")
        pump(0.5)
        heard.clear()
        values.queryTable().addRowSelection(2)
        pump()
        print("after selecting the third value in the values list:")
        report(chart)
        print("plot events:", heard)
        told = list(heard)
        focus_window("Графика")
        key("Right")
        pump()
        print("after Right in the plot:")
        report(chart)
        walked = chart.name.startswith("стойност 123, номер 4 от 5")
        heard.clear()
        key("shift+Right")
        pump()
        print("after Shift+Right in the plot (the value moves up one step):")
        report(chart)
        print("plot events:", heard)
        moved = (chart.name.startswith("стойност 124, номер 5 от 5")
                 and "object:property-change:accessible-name" in heard)
        key("ctrl+Tab")
        table = wait_for("the table", lambda: first(app, pyatspi.ROLE_TABLE))
        cells = table.queryTable()
        print("table name:", table.name)
        print("table rows:", cells.nRows, "columns:", cells.nColumns)
        print("table headers:",
              [cells.getColumnHeader(c).name if cells.getColumnHeader(c) else cells.getColumnDescription(c)
               for c in range(cells.nColumns)])
        ok = (chart.getRole() == pyatspi.ROLE_CHART and cells.nColumns == 3 and cells.nRows > 0
              and "object:property-change:accessible-name" in told and walked and moved)
        return 0 if ok else 1
    finally:
        app_process.terminate()
        app_process.wait(timeout=10)
        xvfb.terminate()
        xvfb.wait(timeout=10)


if __name__ == "__main__":
    sys.exit(main())
