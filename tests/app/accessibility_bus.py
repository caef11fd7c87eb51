"""The built window as a screen reader meets it, over the accessibility bus (AT-SPI).

Run by accessibility_bus.sh inside a session bus and an X display of the test's own:
starts the accessibility bus, then `velkari --convert 5 km to miles`, and reads the
Length tab's boxes with pyatspi, the client library screen readers use. It checks the
asked-for unit's line selected in both result boxes, then types into the value box
with real key presses (xdotool) and checks, after every key, that the boxes hold the
table velkari-cli gives for what the value box and lists show, or nothing, and that a
line is selected only while the value box asks for a target; then the same after a pick
in each list and a press of the check box from the keyboard.

Usage: accessibility_bus.py VELKARI VELKARI-CLI
"""

import json
import os
import subprocess
import sys
import time

from gi.repository import Gio, GLib

VELKARI, CLI = sys.argv[1], sys.argv[2]
pyatspi = None  # the AT-SPI client, loaded by main() once the bus is up
TIMEOUT = 60  # seconds for any one thing to show: the machine may be busy
failures = []


def fail(message):
    print("FAIL: " + message, file=sys.stderr, flush=True)
    failures.append(message)


def wait_for(what, probe, timeout=TIMEOUT):
    """The first true value of probe(), polled until the timeout; None then, and a
    failure that says what did not show (`what`, or what `what()` says by then)."""
    end = time.monotonic() + timeout
    while True:
        try:
            value = probe()
        except Exception:  # the bus or the window is not up yet
            value = None
        if value:
            return value
        if time.monotonic() > end:
            fail("%s: nothing after %d s" % (what() if callable(what) else what, timeout))
            return None
        time.sleep(0.05)


def start_accessibility_bus():
    launcher = subprocess.Popen(
        ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    session = Gio.bus_get_sync(Gio.BusType.SESSION)

    def address():
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus",
                                  "GetAddress", None, GLib.VariantType("(s)"),
                                  Gio.DBusCallFlags.NONE, 5000, None)
        return reply.unpack()[0]

    if not wait_for("the accessibility bus's address", address):
        sys.exit(1)
    return launcher


# ---- velkari-cli: what the boxes should hold ----

def cli(*args):
    run = subprocess.run([CLI, *args], capture_output=True, text=True, check=False)
    return run.stdout if run.returncode == 0 else None


def number_options(decimals, scientific):
    return (["--decimals", decimals] if decimals else []) + (["--scientific"] if scientific else [])


def table(value, unit, decimals, scientific):
    """(values, labels) of every Length unit for `value` in `unit`, or None."""
    out = cli(*number_options(decimals, scientific), "Length", "--", value, unit)
    if out is None:
        return None
    lines = [line.split("\t") for line in out.splitlines()]
    return [v for v, _ in lines], [u for _, u in lines]


def expected(state):
    """What the Length tab shows for these inputs: (values, labels, picked unit, mark),
    mark being the (value, label) of the line a target asks for; None for no table."""
    text, unit, decimals, scientific = state
    # A plain number, in the unit of the list.
    if unit:
        shown = table(text, unit, decimals, scientific)
        if shown is not None:
            return (*shown, unit, None)
    # An amount with units of the tab, which picks its unit and may ask for one.
    out = cli("--format", "json", *number_options(decimals, scientific), "--", text)
    if out is None:
        return None
    query = json.loads(out)
    if query["category"] != "Length":
        return None
    shown = table(repr(query["value"]), query["unit"], decimals, scientific)
    if shown is None:
        return None
    results = query["results"]
    mark = (results[0]["text"], results[0]["unit"]) if len(results) == 1 else None
    return (*shown, query["unit"], mark)


# ---- the window over AT-SPI ----

def find(root, role, match):
    """The first descendant of `root` with the role whose accessible satisfies match."""
    for child in root:
        if child is None:
            continue
        if child.getRole() == role and match(child):
            return child
        found = find(child, role, match)
        if found is not None:
            return found
    return None


def named(name):
    return lambda accessible: accessible.name == name


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def selected(accessible):
    text = accessible.queryText()
    if text.getNSelections() == 0:
        return ""
    start, end = text.getSelection(0)
    return text.getText(start, end)


def list_text(combo):
    """The text a combo box's edit line shows."""
    return text_of(find(combo, pyatspi.ROLE_TEXT, lambda _: True))


def has_item(name):
    return lambda combo: find(combo, pyatspi.ROLE_LIST_ITEM, named(name)) is not None


class LengthTab:
    def __init__(self, app):
        page = find(app, pyatspi.ROLE_FILLER, named("Length"))
        self.value = find(page, pyatspi.ROLE_TEXT, named("Value"))
        self.values = find(page, pyatspi.ROLE_TEXT, named("Converted values"))
        self.labels = find(page, pyatspi.ROLE_TEXT, named("Units"))
        # A list's name is its current text on Linux: the lists are told by their items.
        self.unit = find(page, pyatspi.ROLE_COMBO_BOX, has_item("Mile (mi)"))
        self.decimals = find(page, pyatspi.ROLE_COMBO_BOX, has_item("5"))
        self.scientific = find(page, pyatspi.ROLE_CHECK_BOX, named("Scientific Notation"))
        self.tab = find(app, pyatspi.ROLE_PAGE_TAB, named("Length"))

    def inputs(self):
        checked = self.scientific.getState().contains(pyatspi.STATE_CHECKED)
        return (text_of(self.value), list_text(self.unit), list_text(self.decimals), checked)

    def boxes(self):
        """The lines of the two result boxes (each line ends in a line break)."""
        return text_of(self.values).splitlines(), text_of(self.labels).splitlines()

    def marks(self):
        return selected(self.values), selected(self.labels)


def check_state(tab, step):
    state = tab.inputs()
    want = expected(state)
    values, labels = tab.boxes()
    marks = tab.marks()
    where = "%s (value box %r, unit %r)" % (step, state[0], state[1])
    if want is None:
        if values or labels:
            fail("%s: a table is shown where none is due: %r" % (where, values))
        if marks != ("", ""):
            fail("%s: %r stays selected without a table" % (where, marks))
        return False
    want_values, want_labels, picked, mark = want
    shown, want_lines = list(zip(values, labels)), list(zip(want_values, want_labels))
    if shown != want_lines:
        wrong = [line for line in shown if line not in want_lines]
        fail("%s: shown %d lines, velkari-cli gives %d; shown, not given: %r"
             % (where, len(shown), len(want_lines), wrong))
    if state[1] != picked:
        fail("%s: the unit list shows %r, the amount is in %r" % (where, state[1], picked))
    if marks != (mark or ("", "")):
        fail("%s: selected %r, expected %r" % (where, marks, mark))
    return True


# ---- key presses ----

def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def press(tab, keys, text, step):
    """Presses keys (an xdotool command) and waits until the value box shows `text`."""
    xdotool(*keys)
    return wait_for(lambda: "%s: the value box showing %r (it shows %r)"
                    % (step, text, text_of(tab.value)),
                    lambda: text_of(tab.value) == text) is not None


def main():
    launcher = start_accessibility_bus()
    # The client finds the bus as it loads, so it is loaded once the bus is up.
    global pyatspi
    import pyatspi
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    window = subprocess.Popen([VELKARI, "--convert", "5", "km", "to", "miles"], env=environment)
    try:
        run(window)
    finally:
        window.terminate()
        window.wait()
        launcher.terminate()
        launcher.wait()


def run(window):
    def application():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == window.pid and app.childCount:
                return app
        return None

    app = wait_for("velkari on the accessibility bus", application)
    if app is None:
        return
    def filled_tab():
        tab = LengthTab(app)
        return tab if None not in vars(tab).values() and text_of(tab.values) else None

    tab = wait_for("the Length tab's table", filled_tab)
    if tab is None:
        return

    # --convert: the Length tab, its table, the target's line selected in both boxes.
    if not tab.tab.getState().contains(pyatspi.STATE_SELECTED):
        fail("--convert 5 km to miles did not open the Length tab")
    asked = json.loads(cli("--format", "json", *number_options(tab.inputs()[2], False),
                           "5", "km", "to", "mi"))
    target = (asked["results"][0]["text"], asked["results"][0]["unit"])
    wait_for("the target's line selected", lambda: tab.marks() != ("", ""))
    if tab.marks() != target:
        fail("--convert 5 km to miles selected %r, velkari-cli gives %r" % (tab.marks(), target))
    values, labels = tab.boxes()
    if (values, labels) != table("5", "km", tab.inputs()[2], False)[:2]:
        fail("--convert 5 km to miles shows %r %r" % (values, labels))
    if target[1] in labels and values[labels.index(target[1])] != target[0]:
        fail("the selected value is not on the target's line")

    # Real key presses into the value box: a click there (again, while the window is
    # still being mapped and takes no click), then the keys.
    def focused_by_click():
        extents = tab.value.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(extents.x + extents.width // 2),
                str(extents.y + extents.height // 2), "click", "1")
        end = time.monotonic() + 2
        while time.monotonic() < end:
            if tab.value.getState().contains(pyatspi.STATE_FOCUSED):
                return True
            time.sleep(0.05)
        return False

    if not wait_for("the value box focused by a click", focused_by_click):
        return
    xdotool("key", "End")
    # An edit of the value takes the mark away, and shows the new amount's table.
    if press(tab, ["type", "--", "0"], "50", "typing 0 after 5"):
        check_state(tab, "typing 0 after 5")
        if tab.marks() != ("", ""):
            fail("an edit of the value left %r selected" % (tab.marks(),))

    tables = states = 0
    for typed in ["6 ft 2 in", "-3.5e1 m", "1,5", "12 kg", "2 mi to km"]:
        if not press(tab, ["key", "ctrl+a", "BackSpace"], "", "emptying the box"):
            return
        check_state(tab, "the emptied box")
        for end in range(1, len(typed) + 1):
            step = "typing %r of %r" % (typed[end - 1], typed)
            if not press(tab, ["type", "--", typed[end - 1]], typed[:end], step):
                return
            tables += check_state(tab, step)
            states += 1
    # Taking the target back a key at a time, then asking for another.
    for keys, text in [(["key", "BackSpace"], "2 mi to k"), (["key", "BackSpace"], "2 mi to "),
                       (["type", "--", "f"], "2 mi to f"), (["type", "--", "t"], "2 mi to ft")]:
        step = "%s to %r" % (keys[-1], text)
        if press(tab, keys, text, step):
            tables += check_state(tab, step)
            states += 1
    # The lists and the check box from the keyboard, the mark of "2 mi to ft" still on:
    # Tab to the unit list and the next unit, which leaves the plain amount in the value
    # box; Tab and space for Scientific Notation; Tab and the next decimals.
    for keys, changed in [(["Tab", "Down"], 1), (["Tab", "space"], 3), (["Tab", "Down"], 2)]:
        before = tab.inputs()
        step = "%s after %r" % (" ".join(keys), before)
        xdotool("key", *keys)
        if wait_for(lambda: "%s: no change of the inputs (%r)" % (step, tab.inputs()),
                    lambda: tab.inputs()[changed] != before[changed]):
            tables += check_state(tab, step)
            states += 1
    # A test that saw no table would pass with the updates gone.
    if tables < 15:
        fail("only %d of the typed states showed a table" % tables)
    print("accessibility bus: %d states checked, %d with a table" % (states, tables))


if __name__ == "__main__":
    start = time.monotonic()
    main()
    if failures:
        print("%d failure(s)" % len(failures), file=sys.stderr)
        sys.exit(1)
    print("accessibility bus: passed in %.1f s" % (time.monotonic() - start))
