#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# What a screen reader hears, read through the AT-SPI bridge on a real X
# server: every field of the main window is named, the labelled ones point
# at their label, and the preview announces a change of month.
# Run under dbus-run-session. Usage: ScreenReaderTest.py <program>
# Exits 77 (skipped) when the display or the bridge cannot be started.
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def start(command, **kwargs):
    return subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)


def wait_for(what, probe, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} did not appear")


def start_display():
    xvfb = shutil.which("Xvfb")
    launcher = "/usr/libexec/at-spi-bus-launcher"
    if not xvfb or not os.access(launcher, os.X_OK) or "DBUS_SESSION_BUS_ADDRESS" not in os.environ:
        print("SKIP: Xvfb, the AT-SPI bus or a session bus is missing", file=sys.stderr)
        sys.exit(SKIP)
    display = f":{90 + os.getpid() % 400}"
    processes = [start([xvfb, display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"])]
    os.environ["DISPLAY"] = display
    time.sleep(1)
    processes.append(start([launcher, "--launch-immediately"]))
    return processes


def named(node, role, name):
    if node.getRoleName() == role and node.name == name:
        return node
    for child in node:
        found = child and named(child, role, name)
        if found:
            return found
    return None


def every(node, role):
    found = [node] if node.getRoleName() == role else []
    for child in node:
        if child:
            found += every(child, role)
    return found


def labels_of(node):
    import pyatspi
    return [relation for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]


def check_main_window(window):
    failures = []
    fields = every(window, "text")
    if len(fields) != 10:
        failures.append(f"{len(fields)} text fields, not 10")
    for field in fields:
        if not field.name:
            failures.append("an unnamed text field")
        # One "Notes" label stands over the five lines; lines 2 to 5 are
        # named by their place.
        if not field.name.startswith("Line ") or field.name == "Line 1":
            if not labels_of(field):
                failures.append(f"{field.name!r} is labelled by nothing")
    year = named(window, "text", "Year (yyyy)")
    if not year or year.description != "four digits":
        failures.append("Year does not say it takes four digits")
    for button in every(window, "push button"):
        if not button.name:
            failures.append("an unnamed button")
    if not named(window, "panel", "Picture") and not named(window, "frame", "Picture"):
        failures.append("the picture box is unnamed")
    return failures


def check_preview_announces(application, window):
    import pyatspi
    from gi.repository import GLib
    menu = wait_for("Page Preview in the menu", lambda: named(window, "menu item", "Page Preview"))
    menu.queryAction().doAction(0)
    view = wait_for("the preview's page", lambda: named(application, "scroll pane", "Page preview")
                    or named(application, "filler", "Page preview")
                    or named(application, "panel", "Page preview"))
    wait_for("the month on the preview's page", lambda: "January 2003" in view.description)
    heard = []
    pyatspi.Registry.registerEventListener(
        lambda event: heard.append(event.source.description),
        "object:property-change:accessible-description")
    # Typed as a user types: a field takes what is typed into it.
    month = named(window, "text", "Month (mm)")
    subprocess.run(["xdotool", "search", "--name", "^ Monthly Calendar$", "windowfocus", "--sync"], check=True)
    month.queryAction().doAction(0)
    subprocess.run(["xdotool", "key", "--delay", "50", "ctrl+a", "2"], check=True)
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline and not any("February 2003" in text for text in heard):
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)
    if not any("February 2003" in text for text in heard):
        return [f"the preview did not announce the new month (heard {heard!r}, now {view.description!r})"]
    return []


def main():
    program = os.path.realpath(sys.argv[1])
    processes = start_display()
    home = tempfile.mkdtemp()
    try:
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                           HOME=home, XDG_CONFIG_HOME=home, LANGUAGE="en", LC_ALL="en_US.UTF-8")
        processes.append(start([program], env=environment))
        import pyatspi
        application = wait_for("the program on the AT-SPI bus", lambda: next(
            (app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Monthly Calendar"), None))
        window = wait_for("the main window", lambda: named(application, "frame", " Monthly Calendar"))
        failures = check_main_window(window) + check_preview_announces(application, window)
    finally:
        for process in reversed(processes):
            process.kill()
            process.wait()
        shutil.rmtree(home, ignore_errors=True)
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
