#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The calendar on a real desktop: a window manager (openbox) frames the windows and the
accessibility bus (AT-SPI, as Orca reads it) carries what assistive technology sees.

Run inside an X server and a D-Bus session of its own, e.g.
  xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- tests/app/desktop_check.py build/app/kesparo

Checks, each with the window manager's frames counted:
  - start-up centres the pair on the screen and docks the report window against the main window;
  - the grid is a table of named day cells; the chosen day is selected, and moving it with a key
    moves the focus, announced as an event;
  - maximised, the report and enlarge toggles leave the windows where they are, and after the
    restore both windows stand on the screen, docked.
Exits 0 when every check holds, 1 with one line per failed check otherwise.
"""

import datetime
import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

SCREEN = (1280, 800)
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED:", what, file=sys.stderr)


def wait_for(predicate, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    return predicate()


def window_info(window):
    info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
    values = {}
    for line in info.splitlines():
        key, _, value = line.strip().partition(":")
        values[key] = value.strip()
    return values


def frame(title_part):
    """The outer (framed) geometry of the mapped window whose title contains title_part."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title_part],
                         capture_output=True, text=True).stdout.split()
    if not ids:
        return None
    window, values = ids[0], window_info(ids[0])
    if values.get("Map State") != "IsViewable":
        return None
    # Up to the window manager's frame, the root window's child.
    while True:
        tree = subprocess.run(["xwininfo", "-tree", "-id", window], capture_output=True, text=True).stdout
        parent = next(line.split()[3] for line in tree.splitlines() if "Parent window id:" in line)
        root = next(line.split()[3] for line in tree.splitlines() if "Root window id:" in line)
        if parent == root:
            break
        window = parent
    values = window_info(window)
    return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
            int(values["Width"]), int(values["Height"]))


def docked(main, report):
    return report and main and report[0] == main[0] + main[2] and report[1] == main[1] and report[3] == main[3]


def find(node, predicate):
    if node is None:
        return None
    if predicate(node):
        return node
    for i in range(node.childCount):
        found = find(node.getChildAtIndex(i), predicate)
        if found:
            return found
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == "kesparo":
            return app
    return None


def press(app, name):
    button = wait_for(lambda: find(app, lambda n: n.getRoleName() == "push button" and n.name == name), 5)
    check(button is not None, f"a button named {name}")
    if button:
        button.queryAction().doAction(0)
        time.sleep(0.3)


def main():
    program = os.path.abspath(sys.argv[1])
    home = tempfile.mkdtemp()
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home + "/.config", XDG_DATA_HOME=home + "/.local/share",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
    wm = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    calendar = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        run_checks()
    finally:
        calendar.kill()
        wm.kill()
    return 1 if failures else 0


def run_checks():
    main_frame = wait_for(lambda: frame("Kesparo - "))
    report_frame = wait_for(lambda: frame("日程信息"))
    time.sleep(1)  # the window manager's last word on the frames
    main_frame, report_frame = frame("Kesparo - "), frame("日程信息")
    check(main_frame and report_frame, "both windows are shown")
    if not (main_frame and report_frame):
        return
    pair_width = main_frame[2] + report_frame[2]
    check(abs(main_frame[0] - (SCREEN[0] - pair_width) / 2) <= 1, f"the pair is centred across: {main_frame}, {report_frame}")
    check(abs(main_frame[1] - (SCREEN[1] - main_frame[3]) / 2) <= 1, f"the main window is centred down: {main_frame}")
    check(docked(main_frame, report_frame), f"the report window is docked: {main_frame}, {report_frame}")

    app = wait_for(application)
    check(app is not None, "the calendar is on the accessibility bus")
    if not app:
        return
    table = find(app, lambda n: n.getRoleName() == "table")
    check(table is not None, "the grid is a table")
    if not table:
        return
    today = datetime.date.today()
    heading = f"{today.year}年{today.month}月{today.day}日"
    cells = [table.getChildAtIndex(i) for i in range(table.childCount)]
    check(len(cells) == 42, f"42 cells, not {len(cells)}")
    chosen = [c for c in cells if c.getState().contains(pyatspi.STATE_SELECTED)]
    check(len(chosen) == 1 and chosen[0].name.startswith(heading), f"today is the chosen cell: {[c.name for c in chosen]}")

    focused = []
    pyatspi.Registry.registerEventListener(
        lambda event: focused.append(event.source.name) if event.detail1 else None, "object:state-changed:focused")
    tomorrow = today + datetime.timedelta(days=1)
    expected = f"{tomorrow.year}年{tomorrow.month}月{tomorrow.day}日" if tomorrow.month == today.month \
        else f"{tomorrow.year}年{tomorrow.month}月1日"
    subprocess.run(["xdotool", "search", "--name", "Kesparo - ", "windowactivate", "--sync"], check=False)
    subprocess.run(["xdotool", "key", "Right"], check=False)
    deadline = time.monotonic() + 5
    while time.monotonic() < deadline and not any(n.startswith(expected) for n in focused):
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)
    check(any(n.startswith(expected) for n in focused), f"a focus event for {expected}: {focused}")

    subprocess.run(["wmctrl", "-r", "Kesparo - ", "-b", "add,maximized_vert,maximized_horz"], check=True)
    wait_for(lambda: (frame("Kesparo - ") or (0, 0, 0))[2] >= SCREEN[0] - 2)
    press(app, "隐藏日程信息")
    press(app, "显示日程信息")
    press(app, "放大窗口")
    time.sleep(1)
    maximised = frame("Kesparo - ")
    check(maximised and maximised[0] >= 0 and maximised[2] >= SCREEN[0] - 2, f"still maximised on the screen: {maximised}")
    check(frame("日程信息") is None, "no report window beside a maximised window")

    subprocess.run(["wmctrl", "-r", "Kesparo - ", "-b", "remove,maximized_vert,maximized_horz"], check=True)
    restored = wait_for(lambda: frame("日程信息") and frame("Kesparo - "))
    time.sleep(1)
    restored, report = frame("Kesparo - "), frame("日程信息")
    check(restored and report, "both windows are shown again after the restore")
    if restored and report:
        check(restored[0] >= 0 and restored[1] >= 0 and report[0] + report[2] <= SCREEN[0]
              and restored[1] + restored[3] <= SCREEN[1], f"both on the screen: {restored}, {report}")
        check(docked(restored, report), f"docked after the restore: {restored}, {report}")
        check(restored[2] > main_frame[2], f"enlarged after the restore: {restored}")


if __name__ == "__main__":
    sys.exit(main())
