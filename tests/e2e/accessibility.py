# Reads the running program through AT-SPI as a screen reader does: every control's role, name and
# value, the window's name following the caption, and the program run by accessibility actions and
# keys alone. Prints what it read; exits 1 at the first miss.
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

events = []


def pump(seconds, until=lambda: False):
    """Lets AT-SPI deliver events for up to `seconds`, or until `until()` holds; returns its value."""
    end = time.time() + seconds
    while time.time() < end and not until():
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)
    return until()


def check(condition, what):
    if not condition:
        print("FAIL:", what, file=sys.stderr)
        sys.exit(1)


def text(o):
    try:
        return o.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def value(o):
    try:
        return o.queryValue().currentValue
    except NotImplementedError:
        return None


def act(o, name):
    action = o.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check(name in names, f"{o.name!r} offers {names}, not {name!r}")
    action.doAction(names.index(name))


def focus(o):
    o.queryComponent().grabFocus()
    check(pump(2, lambda: o.getState().contains(pyatspi.STATE_FOCUSED)), f"{o.name!r} takes no focus")


pyatspi.Registry.registerEventListener(lambda e: events.append((e.type, e.source.name, e.source.getRoleName())),
                                       "object:property-change:accessible-name",
                                       "object:property-change:accessible-value", "object:text-changed")
app = None
for _ in range(100):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "vemmick"), None)
    if app:
        break
    time.sleep(0.1)
check(app is not None and app.childCount == 1, "no application 'vemmick' with one window")
frame = app[0]
check(frame.getRoleName() == "frame", f"the window is a {frame.getRoleName()}, not a frame")
check(frame.name == "Vemmick 2  Size: " + os.environ["VEMMICK_START_GRID"], f"the window is named {frame.name!r}")
controls = {c.name: c for c in frame}

# role, text value, number value, extents (x, y, width, height) on the desktop
expected = {
    "Clear image": ("push button", None, None, (0, 0, 30, 21)),
    "Start": ("push button", None, None, (32, 0, 30, 21)),
    "Stop": ("push button", None, None, (64, 0, 30, 21)),
    "Pause": ("push button", None, None, (96, 0, 30, 21)),
    "Milliseconds between cycles": ("combo box", "20", 20, (136, 0, 65, 21)),
    "Steps per cycle": ("combo box", "1000", 1000, (208, 0, 65, 21)),
    "Select dot size": ("combo box", "3", 3, (280, 0, 41, 21)),
    "Select color one": ("color chooser", "#44FFAF, column 20, row 2", None, (344, 0, 51, 21)),
    "Select color two": ("color chooser", "#8B00AE, column 40, row 7", None, (416, 0, 51, 21)),
    "Drawing area": ("image", "#8B00AE", None, (0, 24, 568, 383)),
    "Color one": ("image", "#44FFAF", None, (328, 0, 17, 21)),
    "Color two": ("image", "#8B00AE", None, (400, 0, 17, 21)),
}
check(set(controls) == set(expected), f"the window holds {sorted(controls)}")
for name, (role, shown, number, extents) in expected.items():
    o = controls[name]
    e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    read = (o.getRoleName(), text(o), value(o), (e.x, e.y, e.width, e.height))
    print(f"{role:13} {name!r:31} value {shown!r}")
    check(read == (role, shown, number, extents), f"{name!r} reads {read}")
    state = o.getState()
    check(state.contains(pyatspi.STATE_FOCUSABLE) == state.contains(pyatspi.STATE_ENABLED),
          f"{name!r} is focusable other than where Tab stops: only while enabled")
pause = controls["Pause"]
check(not pause.getState().contains(pyatspi.STATE_ENABLED) and not pause.getState().contains(pyatspi.STATE_CHECKED),
      "Pause is not an unchecked button, disabled before the first Start")

# Start through its action: the window's name becomes the run caption, and says so.
run = re.compile("^" + re.escape(os.environ["VEMMICK_START_GRID"]) + r"  (\d+) Steps  Color 1: \d+%  Color 2: \d+%$")
act(controls["Start"], "Press")
check(pump(5, lambda: run.match(frame.name)), f"after Start the window is named {frame.name!r}")
check(pump(2, lambda: ("object:property-change:accessible-name", frame.name, "frame") in events),
      "no name-changed event from the window")
steps = lambda: int(run.match(frame.name).group(1))

# Pause through its toggle action: checked, and the steps stop; again, and they go on.
act(pause, "Toggle")
check(pump(2, lambda: pause.getState().contains(pyatspi.STATE_CHECKED)), "Pause is not checked after its toggle")
pump(0.2)
frozen = steps()
pump(0.5)
check(steps() == frozen, "the run went on while paused")
act(pause, "Toggle")
check(pump(3, lambda: steps() > frozen), "the run did not resume")
check(not pause.getState().contains(pyatspi.STATE_CHECKED), "Pause stays checked after the second toggle")

# A picker moved with an arrow key: its value follows and is reported.
picker = controls["Select color one"]
focus(picker)
subprocess.run(["xdotool", "key", "Right"], check=True)
check(pump(3, lambda: text(picker) == "#54FFC1, column 21, row 2"), f"after Right the picker reads {text(picker)!r}")
check(pump(2, lambda: ("object:text-changed:insert", "Select color one", "color chooser") in events),
      "the picker's new value was not reported")
print(f"{'':13} after Right: {text(picker)!r}; swatch: {text(controls['Color one'])!r}")
check(text(controls["Color one"]) == text(picker).split(",")[0], "the swatch does not show the picked colour")

# A closed list changed with an arrow key: its value follows and is reported.
lst = controls["Steps per cycle"]
focus(lst)
subprocess.run(["xdotool", "key", "Down"], check=True)
check(pump(3, lambda: text(lst) == "10000" and value(lst) == 10000), f"after Down the list reads {text(lst)!r}")
check(pump(2, lambda: ("object:property-change:accessible-value", "Steps per cycle", "combo box") in events),
      "the list's new value was not reported")

# The drawing area's menu, opened from the keyboard, is announced as a named menu of named commands.
# The run stops first: its caption's events, one a cycle, would queue before the menu's.
act(controls["Stop"], "Press")
pump(1)
shown = []
pyatspi.Registry.registerEventListener(
    lambda e: shown.append(e.source) if e.type == "object:state-changed:showing" and e.source.getRoleName() == "popup menu" else None,
    "object:state-changed")
focus(controls["Drawing area"])
subprocess.run(["xdotool", "key", "shift+F10"], check=True)
check(pump(3, lambda: shown), "Shift+F10 showed no menu")
items = [(i.getRoleName(), i.name) for i in shown[0]]
print(f"{'popup menu':13} {shown[0].name!r:31} {items}")
check(shown[0].name == "Picture" and items == [("menu item", "Copy Picture"), ("menu item", "Save Picture As..."),
                                              ("menu item", "Save Animation As...")],
      f"the menu {shown[0].name!r} reads {items}")
# The menu holds the keyboard as a window of its own would: the window is not active meanwhile, or
# Qt reports its activation when the keyboard moves to the menu, and Orca announces the window.
# The first command is focused a moment after the menu, so that Orca announces the menu too.
active = lambda o: o.getState().contains(pyatspi.STATE_ACTIVE)
check(pump(2, lambda: shown[0][0].getState().contains(pyatspi.STATE_FOCUSED)), "the first command is not focused")
check(not active(frame), "the window is active while its menu is open")
subprocess.run(["xdotool", "key", "Escape"], check=True)
check(pump(2, lambda: active(frame)), "the window is not active once its menu is closed")
print("1 passed, 0 failed")
