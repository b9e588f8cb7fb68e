#!/usr/bin/python3
"""Drives Bootcanvas through the accessibility tree, as a screen reader does.

Run inside an X display and a D-Bus session (see run-screenreader-test): it starts the
accessibility bus, starts the program on a fresh machine, toggles "Show current logo setting"
twice through its accessibility action, resizes the main window and the logo browser (through
xdotool, as a window manager's frame would) and checks that their previews grew, and opens the
logo browser's "Action..." menu to find "Create new set" on the tree. Exits 77 (skipped) when no
accessibility bus can be reached.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


DISPLAY_LOST = 3


def skip(reason):
    print("SKIPPED: " + reason)
    sys.exit(SKIP)


pyatspi = None  # imported once the accessibility bus is up, so it connects to that bus


def wait_for(what, find, timeout=20.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.2)
    raise AssertionError("timed out waiting for " + what)


def walk(node, depth=0):
    if node is None or depth > 40:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for index in range(count):
        try:
            child = node.getChildAtIndex(index)
        except Exception:
            continue
        yield from walk(child, depth + 1)


def find_node(root, name, roles=None):
    # The tree changes under us: read it afresh every time.
    try:
        root.clear_cache()
    except Exception:
        pass
    for node in walk(root):
        try:
            if node.name == name and (roles is None or node.getRole() in roles):
                return node
        except Exception:
            continue
    return None


def do_action(node, action_name):
    actions = node.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index) == action_name:
            actions.doAction(index)
            return
    names = [actions.getName(index) for index in range(actions.nActions)]
    raise AssertionError("%s offers no %s action (only %s)" % (node.name, action_name, names))


def start_accessibility_bus():
    launcher = "/usr/libexec/at-spi-bus-launcher"
    if not os.path.exists(launcher):
        skip("at-spi-bus-launcher is not installed (package at-spi2-core)")
    if not os.environ.get("DBUS_SESSION_BUS_ADDRESS"):
        skip("no D-Bus session bus")
    bus = subprocess.Popen([launcher, "--launch-immediately"], stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    # A program started before the bus is registered runs without accessibility for good.
    ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
           "org.a11y.Bus.GetAddress"]
    deadline = time.time() + 15
    while subprocess.run(ask, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode != 0:
        if bus.poll() is not None or time.time() > deadline:
            skip("the accessibility bus could not start")
        time.sleep(0.2)
    return bus


def find_application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and app.name.lower() == name:
            return app
    return None


def main():
    global pyatspi
    program = sys.argv[1]
    bus = start_accessibility_bus()
    try:
        import pyatspi
    except ImportError:
        skip("python3-pyatspi is not installed")
    home = tempfile.mkdtemp(prefix="bootcanvas-a11y-")
    env = dict(os.environ, HOME=home, XDG_DATA_HOME=os.path.join(home, "data"),
               XDG_CONFIG_HOME=os.path.join(home, "config"), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               QT_ACCESSIBILITY="1", QT_QPA_PLATFORM="xcb")
    env.pop("BOOTCANVAS_MACHINE", None)
    app_process = subprocess.Popen([program], env=env)
    try:
        def started():
            if app_process.poll() is not None:
                # Most often the virtual display went away under us: the runner starts a new one.
                print("Bootcanvas ended before it reached the accessibility bus")
                sys.exit(DISPLAY_LOST)
            return find_application("bootcanvas")
        app = wait_for("Bootcanvas on the accessibility bus", started, timeout=40)
        check_current_setting_view(app)
        check_preview_grows(app, "Bootcanvas", "Startup screen preview")
        open_browser(app)
        check_preview_grows(app, "Logo browser", "Picture preview")
        check_browser_menu(app)
        print("PASSED")
        return 0
    finally:
        app_process.kill()
        app_process.wait()
        bus.kill()
        bus.wait()
        shutil.rmtree(home, ignore_errors=True)


def check_current_setting_view(app):
    toggles = (pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_PUSH_BUTTON)
    tool = wait_for("the Show current logo setting tool",
                    lambda: find_node(app, "Show current logo setting", toggles))
    caption = wait_for("the installed-set caption",
                       lambda: find_node(app, "<Don't know>") or installed_caption(app))
    installed = caption.name
    do_action(tool, "Toggle")
    wait_for("the current-setting caption", lambda: find_node(app, "Current logo setting"))
    do_action(tool, "Toggle")
    wait_for("the installed set's name again", lambda: find_node(app, installed))
    if find_node(app, "Current logo setting") is not None:
        raise AssertionError("the view stayed on after the second toggle")


def installed_caption(app):
    # The label under the count line whose tool tip names it.
    for node in walk(app):
        try:
            if node.getRole() == pyatspi.ROLE_LABEL and node.description == "Default logo set":
                return node
        except Exception:
            continue
    return None


def width_of(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width


def resize_window(title, width, height):
    found = subprocess.run(["xdotool", "search", "--name", "^%s$" % title],
                           capture_output=True, text=True).stdout.split()
    if not found:
        raise AssertionError("no window titled " + title)
    for window in found:
        subprocess.run(["xdotool", "windowsize", window, str(width), str(height)], check=True)


def check_preview_grows(app, title, preview_name):
    # A fresh home: the window opens at its designed size, so the first width is the design's.
    preview = wait_for(preview_name, lambda: find_node(app, preview_name))
    designed = width_of(preview)
    resize_window(title, 1000, 800)

    def grown():
        width = width_of(find_node(app, preview_name))
        return width if width >= 2 * designed else None
    try:
        width = wait_for("%s at least twice its designed width %d" % (preview_name, designed), grown,
                         timeout=10)
        print("%s: %d -> %d pixels wide in a 1000 x 800 window" % (preview_name, designed, width))
    except AssertionError:
        print("%s is %d pixels wide" % (preview_name, width_of(find_node(app, preview_name))))
        raise


def open_browser(app):
    tool = wait_for("the Logo browser tool", lambda: find_node(app, "Logo browser..."))
    do_action(tool, "Press")


def check_browser_menu(app):
    button = wait_for("the Action... button", lambda: find_node(app, "Action..."))
    do_action(button, "Press")
    wait_for("Create new set in the open Action menu", lambda: find_node(app, "Create new set"))


if __name__ == "__main__":
    sys.exit(main())
