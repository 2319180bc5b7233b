"""A private desktop session for the tests that run the real program.

A session is a display server of its own, a D-Bus session with the accessibility bus and a window
manager, in a fresh temporary folder with fresh user folders. Every process started for it
carries a mark in its environment, so that close() ends them all, helpers that D-Bus started
included, even when a step fails.

Two kinds: "x11" is Xvfb with openbox; "wayland" is the weston compositor, whose clients the
program joins as a native Wayland client (no Xwayland, no DISPLAY). Weston runs on its X11 back
end inside a private Xvfb, because that back end gives it a seat with a keyboard and a pointer:
xdotool then types on that keyboard as a person would. The headless back end has no seat at all,
so no window is ever activated, no widget has the focus, and Qt 6.4 crashes on the first popup.

What windows show is read through AT-SPI, the interface screen readers use; waiting is polling
for a named condition.
"""

import contextlib
import ctypes
import os
import re
import select
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

SOURCE_DIR = Path(__file__).resolve().parents[2]
# The mark that every process started for a session carries, so that none is left behind.
RUN_MARK = "KINWISE_TEST_RUN"
AT_SPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

# The program's own names for its settings and lock files.
SETTINGS_FILE = "Kinwise/KinwiseFreeMayanNumerology.conf"
LOCK_FILE = "KinwiseFreeMayanNumerology.lock"

SCREEN = (1280, 1024)
# Weston's desktop: one plain colour, no panel and no on-screen keyboard, so that windows can be
# found on a screenshot.
WESTON_BACKGROUND = "#204060"
WESTON_CONFIG = f"""[core]
idle-time=0

[shell]
background-image=
background-color=0xff{WESTON_BACKGROUND[1:]}
panel-position=none

[input-method]
path=
"""
# The frame Qt draws around a window on Wayland, by its decoration plugin: sides, then the top.
QT_WAYLAND_FRAME = (3, 30)

PRCTL = ctypes.CDLL(None, use_errno=True)
PR_SET_PDEATHSIG = 1
# How long one call to a program's accessibility interface may take.
ANSWER_MS = 5000


class StepFailed(AssertionError):
    """A step of a test did not do what it should; unittest reports it as a failure."""


def fail(message):
    raise StepFailed(message)


def log(message):
    print(f"[{time.strftime('%H:%M:%S')}] {message}", flush=True)


def wait_until(what, probe, timeout=15.0, interval=0.05):
    """Polls probe() until it returns something true and returns that; fails naming what did not
    happen. Errors from probe() count as "not yet": windows come and go under us."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
            last_error = None
        except StepFailed:
            raise
        except Exception as error:
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            fail(f"{what} did not happen within {timeout:g}s{detail}")
        time.sleep(interval)


def built_executable(variable):
    """The path CTest gives in an environment variable, checked to be an executable."""
    path = os.environ.get(variable, "")
    if not path or not os.access(path, os.X_OK):
        fail(f"{variable} must name a built executable (got {path!r})")
    return os.path.abspath(path)


# What CTest takes for a test that could not run here (SKIP_RETURN_CODE).
SKIPPED = 77


def cannot_run(reason):
    """Skips the test case where this machine lacks what it needs; under CI, where scripts/test
    has installed everything, a lack is a fault of the scripts and fails."""
    if os.environ.get("CI"):
        fail(reason)
    raise unittest.SkipTest(reason)


def require_tools(tools):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        cannot_run("missing tools (scripts/lib.sh TEST_PACKAGES installs them): "
                   + ", ".join(missing))


def site_setting(variable):
    value = os.environ.get(variable, "")
    if not value:
        fail(f"{variable} is not set; CTest sets it from the build's configuration")
    return value


# X window titles as patterns: message boxes carry the program's name, the main window the caption.
BOX_TITLE = r"^Kinwise$"


def main_title():
    return f"^{re.escape(site_setting('KINWISE_CAPTION'))}$"


def page_address(page_key):
    """The address of one of the vendor's pages, as the build's site setting makes it."""
    return f"{site_setting('KINWISE_SITE_BASE')}/kinwise/ssd.php?page={page_key}"


# ---------------------------------------------------------------------------------------------
# Folders


def remove_tree(path):
    # A test may leave read-only or odd entries behind; make them removable first.
    for base, dirs, files in os.walk(path):
        for entry in dirs + files:
            entry_path = os.path.join(base, entry)
            if not os.path.islink(entry_path):
                with contextlib.suppress(OSError):
                    os.chmod(entry_path, 0o700)
    shutil.rmtree(path, ignore_errors=True)


def scratch_folder(test, prefix="kinwise-test-"):
    """A temporary folder removed when the test case ends."""
    root = Path(tempfile.mkdtemp(prefix=prefix))
    test.addCleanup(remove_tree, root)
    return root


class UserFolders:
    """A fresh HOME with its own XDG folders; the runtime folder is private, as Qt wants."""

    def __init__(self, root, name="home"):
        self.root = Path(root)
        self.home = self.root / name
        self.config = self.home / ".config"
        self.data = self.home / ".local/share"
        self.cache = self.home / ".cache"
        self.runtime = self.root / f"{name}-runtime"
        for folder in (self.home, self.config, self.data, self.cache, self.runtime):
            folder.mkdir(parents=True, exist_ok=True)
        self.runtime.chmod(0o700)
        self.settings = self.config / SETTINGS_FILE
        self.lock = self.runtime / LOCK_FILE

    def env(self):
        return {"HOME": str(self.home), "XDG_CONFIG_HOME": str(self.config),
                "XDG_DATA_HOME": str(self.data), "XDG_CACHE_HOME": str(self.cache),
                "XDG_RUNTIME_DIR": str(self.runtime)}


# ---------------------------------------------------------------------------------------------
# The accessibility tree


class A11y:
    """Reads the AT-SPI tree of the session's bus and acts on it through pyatspi.

    AT-SPI connects once per process, to the bus in the environment at the first call: so one
    process reads the tree of one session only."""

    bus = None

    def __init__(self):
        address = os.environ.get("DBUS_SESSION_BUS_ADDRESS")
        if A11y.bus not in (None, address):
            fail("this process already reads another session's accessibility tree")
        A11y.bus = address
        import pyatspi  # noqa: PLC0415  (needs the session bus in os.environ)
        from gi.repository import Atspi  # noqa: PLC0415

        self.pyatspi = pyatspi
        self.Atspi = Atspi
        # A program that stops answering turns into an error within seconds, not D-Bus's 25 s.
        Atspi.set_timeout(ANSWER_MS, ANSWER_MS)

    def apps(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        found = []
        for app in self.children(desktop):
            # Values are read fresh each time: windows come and go under us.
            app.set_cache_mask(self.Atspi.Cache.NONE)
            found.append(app)
        return found

    def app_of(self, pid):
        for app in self.apps():
            with contextlib.suppress(Exception):
                if app.get_process_id() == pid:
                    return app
        return None

    @staticmethod
    def children(node):
        # Qt reports children of item views that come back as nothing; they are passed over.
        found = (node.getChildAtIndex(index) for index in range(node.childCount))
        return [child for child in found if child is not None]

    @staticmethod
    def role(node):
        return node.getRoleName()

    @staticmethod
    def name(node):
        return node.name or ""

    def windows(self, app):
        return self.children(app)

    def walk(self, node, depth=0, limit=12):
        yield node
        if depth < limit:
            for child in self.children(node):
                yield from self.walk(child, depth + 1, limit)

    def find_all(self, node, role=None, name=None, test=None):
        return [item for item in self.walk(node)
                if (role is None or self.role(item) == role)
                and (name is None or self.name(item) == name)
                and (test is None or test(item))]

    def find(self, node, role=None, name=None, test=None):
        hits = self.find_all(node, role, name, test)
        return hits[0] if hits else None

    def has_state(self, node, state_name):
        state = getattr(self.pyatspi, "STATE_" + state_name.upper())
        return node.getState().contains(state)

    def showing(self, node):
        return self.has_state(node, "showing")

    def focused(self, node):
        return self.has_state(node, "focused")

    def extents(self, node, relative_to_window=False):
        kind = self.pyatspi.WINDOW_COORDS if relative_to_window else self.pyatspi.DESKTOP_COORDS
        box = node.queryComponent().getExtents(kind)
        return box.x, box.y, box.width, box.height

    def centre(self, node):
        x, y, width, height = self.extents(node)
        return x + width // 2, y + height // 2

    def text(self, node):
        """The text a screen reader reads: the Text interface, else the accessible name."""
        try:
            text = node.queryText()
            return text.getText(0, text.characterCount)
        except NotImplementedError:
            return self.name(node)

    @staticmethod
    def actions(node):
        try:
            action = node.queryAction()
        except NotImplementedError:
            return {}
        return {action.getName(index): index for index in range(action.nActions)}

    def do_action(self, node, name):
        """Runs one of a node's actions ("Press", "Toggle", "SetFocus"), as a screen reader does."""
        actions = self.actions(node)
        if name not in actions:
            fail(f"the {self.role(node)} {self.name(node)!r} offers {sorted(actions)}, "
                 f"not {name!r}")
        node.queryAction().doAction(actions[name])

    def dump(self, node, depth=0, limit=8):
        lines = []
        try:
            lines.append("  " * depth + f"[{self.role(node)}] {self.name(node)!r}")
        except Exception as error:
            lines.append("  " * depth + f"<gone: {error!r}>")
            return lines
        if self.role(node) == "list" and node.childCount > 12:
            lines.append("  " * (depth + 1) + f"({node.childCount} items)")
        elif depth < limit:
            for child in self.children(node):
                lines.extend(self.dump(child, depth + 1, limit))
        return lines


# ---------------------------------------------------------------------------------------------
# One running copy of the program


class Program:
    def __init__(self, session, process, label):
        self.session = session
        self.process = process
        self.pid = process.pid
        self.label = label

    def app(self):
        return self.session.a11y.app_of(self.pid)

    def windows(self):
        app = self.app()
        return self.session.a11y.windows(app) if app is not None else []

    def window(self, what, test, timeout=15.0, active=True):
        """Waits for a top-level window of this copy that passes test(window)."""
        a11y = self.session.a11y

        def probe():
            if self.process.poll() is not None:
                fail(f"{what}: the program ended (status {self.process.returncode}) instead")
            for window in self.windows():
                if not a11y.showing(window) or not test(window):
                    continue
                if active and not a11y.has_state(window, "active"):
                    continue
                return window
            return None

        try:
            return wait_until(f"{what} ({'active ' if active else ''}window)", probe, timeout)
        except StepFailed:
            self.session.screenshot("failure-" + what)
            log("windows of the program at that moment:\n" + self.describe())
            raise

    def has_window(self, test):
        a11y = self.session.a11y
        return any(a11y.showing(w) and test(w) for w in self.windows())

    def no_window(self, what, test, timeout=10.0):
        wait_until(what, lambda: not self.has_window(test), timeout)

    def describe(self):
        app = self.app()
        if app is None:
            return "  (no accessible application for this process)"
        return "\n".join(self.session.a11y.dump(app))

    def wait_exit(self, what, timeout=15.0):
        wait_until(what, lambda: self.process.poll() is not None, timeout)
        return self.process.returncode

    def expect_clean_exit(self, what, timeout=15.0):
        status = self.wait_exit(what, timeout)
        if status != 0:
            fail(f"{what}: it ended with status {status}, expected 0")

    def running(self):
        return self.process.poll() is None


# ---------------------------------------------------------------------------------------------
# A private desktop session


class Session:
    """Xvfb, optionally with a D-Bus session, the accessibility bus and a window manager:
    openbox, or weston for the "wayland" kind.

    bus=False and window_manager=False give a bare X display, for tests that only need windows to
    exist."""

    TOOLS = {"display": ["Xvfb", "xdotool", "xprop", "import", "convert"],
             "bus": ["dbus-daemon", "dbus-send"], "window_manager": ["openbox"],
             "wayland": ["weston"]}

    def __init__(self, name, kind="x11", bus=True, window_manager=True, program=None):
        if kind not in ("x11", "wayland"):
            fail(f"no session of the kind {kind!r}")
        self.name = name
        self.kind = kind
        self.wayland = kind == "wayland"
        self.parts = ["display"] + (["bus"] if bus else []) + (
            ["wayland"] if self.wayland else ["window_manager"] if window_manager else [])
        require_tools([tool for part in self.parts for tool in self.TOOLS[part]]
                      + ([AT_SPI_LAUNCHER] if bus else []))
        self.program_path = program or built_executable("KINWISE_APP")
        self.root = Path(tempfile.mkdtemp(prefix=f"kinwise-{name}-"))
        # The print filters run as the lp user and must reach the CUPS folder inside.
        self.root.chmod(0o755)
        self.processes = []
        self.display = None
        self.a11y = None
        self.shots = None
        self.shot_number = 0
        self.user = UserFolders(self.root)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/local/bin:/usr/bin:/bin"),
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
            RUN_MARK: str(self.root),
            **self.user.env(),
        }

    def __enter__(self):
        return self.open()

    def __exit__(self, *exc):
        self.close()

    def open(self):
        log(f"session {self.name}: folder {self.root}")
        try:
            self.start_x()
            if "bus" in self.parts:
                self.start_dbus()
                self.start_accessibility_bus()
            if "window_manager" in self.parts:
                self.start_window_manager()
            if self.wayland:
                self.start_weston()
        except BaseException:
            self.close()
            raise
        if "bus" in self.parts:
            # This process reads the tree and runs the desktop tools on this session.
            os.environ.update({k: v for k, v in self.env.items() if k != "PATH"})
            self.a11y = A11y()
        return self

    def spawn(self, argv, env=None, log=None, **kwargs):
        """Starts a process of this session; log names the file for its output."""
        kwargs.setdefault("stdin", subprocess.DEVNULL)
        with contextlib.ExitStack() as files:
            if log is not None:
                out = files.enter_context(open(self.root / f"{log}.log", "ab"))
                kwargs.setdefault("stdout", out)
                kwargs.setdefault("stderr", out)
            process = subprocess.Popen(argv, env=env or self.env, start_new_session=True,
                                       preexec_fn=end_with_parent, **kwargs)
        self.processes.append(process)
        return process

    def start_x(self):
        # Low numbers are left to people's own servers; a lock file means the number is taken.
        for number in range(60, 160):
            if Path(f"/tmp/.X{number}-lock").exists() or Path(f"/tmp/.X11-unix/X{number}").exists():
                continue
            if self.try_x(number):
                self.display = f":{number}"
                self.env["DISPLAY"] = self.display
                log(f"Xvfb on display {self.display}")
                return
        fail("no free X display number between :60 and :159")

    def try_x(self, number):
        """Starts Xvfb on one display; false when another server took the number first."""
        read_end, write_end = os.pipe()
        # -displayfd tells when the server is ready to take clients.
        xvfb = self.spawn(["Xvfb", f":{number}", "-displayfd", str(write_end), "-screen", "0",
                           f"{SCREEN[0]}x{SCREEN[1]}x24", "-nolisten", "tcp", "-noreset"],
                          pass_fds=(write_end,), log="xvfb")
        os.close(write_end)
        with os.fdopen(read_end, "rb") as reader:
            # A line once it is ready, end of file when it gives up the number.
            if not select.select([reader], [], [], 20)[0]:
                fail("Xvfb did not start: " + (self.root / "xvfb.log").read_text(errors="replace"))
            answer = reader.readline()
        if answer.strip():
            return True
        xvfb.wait(timeout=10)
        self.processes.remove(xvfb)
        return False

    def bus_answers(self, destination, path, method):
        reply = subprocess.run(["dbus-send", "--session", f"--dest={destination}",
                                "--type=method_call", "--print-reply", path, method],
                               env=self.env, capture_output=True, text=True)
        return reply.returncode == 0 and reply.stdout

    def start_dbus(self):
        address = f"unix:path={self.user.runtime}/bus"
        self.spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--address=" + address],
                   log="dbus")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        wait_until("the session bus to answer", lambda: self.bus_answers(
            "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus.ListNames"), 10)

    def start_accessibility_bus(self):
        self.spawn([AT_SPI_LAUNCHER, "--launch-immediately"], log="at-spi")
        wait_until("the accessibility bus to start", lambda: "unix:" in (self.bus_answers(
            "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress") or ""), 10)

    def start_window_manager(self):
        self.spawn(["openbox", "--sm-disable"], log="openbox")
        wait_until("openbox to manage the display", lambda: "window id" in self.run(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False), 10)

    def start_weston(self):
        config = self.root / "weston.ini"
        config.write_text(WESTON_CONFIG)
        # An absolute path, so that programs with other runtime folders find it too.
        self.wayland_display = self.user.runtime / "wayland-kinwise"
        width, height = SCREEN
        self.spawn(["weston", "--backend=x11-backend.so", "--use-pixman", f"--width={width}",
                    f"--height={height}", f"--socket={self.wayland_display.name}",
                    f"--config={config}"], log="weston")

        def listening():
            with socket.socket(socket.AF_UNIX) as probe:
                return probe.connect_ex(str(self.wayland_display)) == 0

        wait_until("weston to take clients", listening, 10)
        # Keys reach weston's window through the pointer; parked where no window is drawn over.
        self.park_pointer()

    def park_pointer(self):
        self.move_pointer(0, 0)

    def user_folders(self, name):
        """Another fresh user inside this session's folder."""
        return UserFolders(self.root, name)

    # -- the program ----------------------------------------------------------------------------

    def program_env(self, user=None, extra=None):
        env = dict(self.env)
        env.update((user or self.user).env())
        if self.wayland:
            del env["DISPLAY"]
            env.update(QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=str(self.wayland_display))
        else:
            env["QT_QPA_PLATFORM"] = "xcb"
        if "bus" in self.parts:
            env.update(QT_ACCESSIBILITY="1", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        env.update(extra or {})
        return env

    def start_program(self, label="program", user=None, extra_env=None, **kwargs):
        """Starts the program as a desktop launcher would: from its HOME, where file dialogs
        open."""
        env = self.program_env(user, extra_env)
        process = self.spawn([self.program_path], env=env, cwd=env["HOME"], log=label, **kwargs)
        log(f"started the program ({label}), pid {process.pid}")
        return Program(self, process, label)

    # -- input and X windows --------------------------------------------------------------------

    def run(self, argv, check=True, env=None, timeout=30):
        done = subprocess.run(argv, env=env or self.env, capture_output=True, text=True,
                              timeout=timeout)
        if check and done.returncode != 0:
            fail(f"{' '.join(argv)} failed ({done.returncode}): {done.stderr.strip()}")
        return done.stdout

    def key(self, *keys):
        self.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *keys])

    def type(self, text):
        self.run(["xdotool", "type", "--clearmodifiers", "--delay", "40", "--", text])

    def move_pointer(self, x, y):
        self.run(["xdotool", "mousemove", "--sync", str(x), str(y)])

    def click(self, x, y):
        self.move_pointer(x, y)
        self.run(["xdotool", "click", "1"])

    def click_node(self, node):
        self.click(*self.a11y.centre(node))

    def press(self, node):
        """Clicks a node under X. A Wayland client does not know where it is on the screen, so
        there its press action runs instead (focus for a node that has none), as a screen reader
        does it."""
        if not self.wayland:
            self.click_node(node)
            return
        actions = self.a11y.actions(node)
        self.a11y.do_action(node, "Press" if "Press" in actions or "SetFocus" not in actions
                            else "SetFocus")

    def click_in(self, window, node):
        """Clicks a node where the screen shows it; on Wayland found on a screenshot, so only in a
        window shown alone. The pointer goes back to its corner after."""
        if not self.wayland:
            self.click_node(node)
            return
        x, y, width, height = self.screen_box(node, window)
        self.click(x + width // 2, y + height // 2)
        self.park_pointer()

    def close_window(self, window, exit_item="Exit"):
        """Closes a window as its user would: Alt+F4 through openbox. Weston has no close key, and
        the close box Qt draws is in no accessible tree, so on Wayland File > Exit (exit_item in
        the program's language) where the window has one, else Escape."""
        if not self.wayland:
            # Openbox gives the key to the active window: pressed before, it closes nothing.
            wait_until("the window to be active for Alt+F4",
                       lambda: self.a11y.has_state(window, "active"))
            self.key("alt+F4")
            return
        menu = self.a11y.find(window, "menu item", exit_item)
        if menu is not None:
            self.a11y.do_action(menu, "Press")
        else:
            self.key("Escape")

    def pointer_image(self):
        """The pointer the X server shows, as (width, height, hot x, hot y, alpha bytes row by
        row)."""
        from Xlib import display as xdisplay  # noqa: PLC0415

        connection = xdisplay.Display(self.display)
        try:
            connection.xfixes_query_version()
            image = connection.xfixes_get_cursor_image(connection.screen().root)
            alpha = bytes((pixel >> 24) & 0xFF for pixel in image.cursor_image)
            return image.width, image.height, image.xhot, image.yhot, alpha
        finally:
            connection.close()

    def active_window_id(self):
        return self.run(["xdotool", "getactivewindow"], check=False).strip()

    def x_windows(self, pattern):
        """Visible X windows whose name matches the regular expression, as {id: pid}."""
        found = self.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                         check=False).split()
        result = {}
        for window in found:
            pid = self.run(["xdotool", "getwindowpid", window], check=False).strip()
            result[window] = int(pid) if pid.isdigit() else None
        return result

    def press_return_in(self, window):
        self.run(["xdotool", "windowfocus", "--sync", window, "key", "Return"], check=False,
                 timeout=10)

    # -- pictures -------------------------------------------------------------------------------

    def screenshot(self, step):
        """A picture of the whole screen, numbered in the order taken; None without a folder."""
        if self.shots is None:
            return None
        self.shot_number += 1
        safe = "".join(c if c.isalnum() or c in "-_" else "-" for c in step)
        path = self.shots / f"{self.name}-{self.shot_number:02d}-{safe}.png"
        self.run(["import", "-window", "root", str(path)], check=False)
        return path

    def window_origin(self, window):
        """Where the compositor put a window's content, found on screenshots of the plain
        desktop: the box of everything that is not background (the pointer's corner left out)
        once it is the window's size in Qt's frame. Only for a window shown alone."""
        _, _, width, height = self.a11y.extents(window)
        side, top = QT_WAYLAND_FRAME
        picture = self.root / "locating.png"
        found = []

        def framed():
            self.run(["import", "-window", "root", str(picture)])
            box = self.run(["convert", str(picture), "-fill", WESTON_BACKGROUND, "-draw",
                            "rectangle 0,0,31,31", "-bordercolor", WESTON_BACKGROUND, "-border",
                            "1", "-format", "%@", "info:"]).strip()
            size, x, y = box.split("+")
            found[:] = [box]
            if size == f"{width + 2 * side}x{height + top + side}":
                return int(x) - 1 + side, int(y) - 1 + top
            return None

        try:
            return wait_until("the window to be drawn alone on the desktop", framed, 5)
        except StepFailed:
            fail(f"the screen shows {found} apart from the background, not a {width}x{height} "
                 "window in Qt's frame")

    def screen_box(self, node, window):
        """A node's box on the screen."""
        x, y, width, height = self.a11y.extents(node)
        if self.wayland:
            # Extents are relative to the window: a Wayland client knows no more.
            left, top = self.window_origin(window)
            x, y = x + left, y + top
        return x, y, width, height

    def frame_box(self, window):
        """Screen box of the active window with its decorations, from its client extents."""
        x, y, width, height = self.a11y.extents(window)
        left = right = top = bottom = 0
        xid = self.active_window_id()
        if xid:
            out = self.run(["xprop", "-id", xid, "_NET_FRAME_EXTENTS"], check=False)
            if "=" in out:
                left, right, top, bottom = (int(v) for v in out.split("=")[1].split(","))
        return x - left, y - top, width + left + right, height + top + bottom

    # -- tear-down ------------------------------------------------------------------------------

    def marked_pids(self):
        """Every process still carrying this session's mark, D-Bus-activated helpers included."""
        mark = f"{RUN_MARK}={self.root}".encode()
        pids = []
        for entry in Path("/proc").iterdir():
            if not entry.name.isdigit() or int(entry.name) == os.getpid():
                continue
            try:
                if mark in (entry / "environ").read_bytes().split(b"\0"):
                    pids.append(int(entry.name))
            except OSError:
                continue
        return pids

    def close(self):
        # The programs and the window manager first, the X server and buses last.
        for process in reversed(self.processes):
            stop_process(process, gently=True)
        for sig in (signal.SIGTERM, signal.SIGKILL):
            for pid in self.marked_pids():
                with contextlib.suppress(ProcessLookupError):
                    os.kill(pid, sig)
            with contextlib.suppress(StepFailed):
                wait_until("marked processes to end", lambda: not self.marked_pids(), 3)
        if self.marked_pids():
            log(f"warning: processes left running: {self.marked_pids()}")
        remove_tree(self.root)

    def print_logs(self):
        for path in sorted(self.root.glob("*.log")):
            if path.stat().st_size:
                print(f"--- {path.name}:\n" + path.read_text(errors="replace")[-3000:], flush=True)


def end_with_parent():
    """Run in a started process before it executes: SIGTERM when the test process dies, so that
    a test that CTest ends for its time leaves nothing running."""
    PRCTL.prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def stop_process(process, gently=False):
    """Ends one started process: SIGTERM first when gently, SIGKILL when it does not go."""
    if process.poll() is None and gently:
        with contextlib.suppress(ProcessLookupError):
            process.terminate()
        with contextlib.suppress(subprocess.TimeoutExpired):
            process.wait(timeout=5)
    if process.poll() is None:
        with contextlib.suppress(ProcessLookupError):
            process.kill()
    process.wait()


# ---------------------------------------------------------------------------------------------
# Running a suite


def main():
    """Runs the script's test cases; fails when one fails or when none ran at all."""
    program = unittest.main(exit=False, verbosity=2)
    result = program.result
    if result.testsRun == 0:
        print("no test ran", flush=True)
        sys.exit(1)
    if not result.wasSuccessful():
        sys.exit(1)
    sys.exit(SKIPPED if len(result.skipped) == result.testsRun else 0)
