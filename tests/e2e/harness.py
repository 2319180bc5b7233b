"""Drives the real program on a private X display, as a person would.

Each journey gets its own folders, Xvfb display, D-Bus session with the accessibility bus and an
openbox window manager. Input goes through xdotool; what windows show is read through AT-SPI,
the interface screen readers use. Everything started here is ended in Desktop.close(), even when
a step fails.
"""

import contextlib
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SOURCE_DIR = Path(__file__).resolve().parents[2]
PROGRAM = os.environ.get("KINWISE_E2E_PROGRAM", "")
SHOTS = Path(os.environ.get("KINWISE_E2E_SHOTS", tempfile.gettempdir() + "/kinwise-e2e-shots"))
APP_NAME = "KinwiseFreeMayanNumerology"
SITE = "https://www.kinwise.example/kinwise/ssd.php?page="
# The mark that every process started for a journey carries, so that none is left behind.
RUN_MARK = "KINWISE_E2E_RUN"

REQUIRED_TOOLS = ["Xvfb", "openbox", "xdotool", "xprop", "import", "convert", "dbus-daemon",
                  "xdg-open", "xdg-mime", "pdftotext", "pdftoppm"]
AT_SPI_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"


class JourneyFailed(Exception):
    pass


def fail(message):
    raise JourneyFailed(message)


def log(message):
    print(f"[{time.strftime('%H:%M:%S')}] {message}", flush=True)


def wait_until(what, probe, timeout=15.0, interval=0.1):
    """Polls probe() until it returns something true; fails naming what did not happen."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
            last_error = None
        except JourneyFailed:
            raise
        except Exception as error:  # the tree changes under us while windows open and close
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error!r})" if last_error else ""
            fail(f"{what} did not happen within {timeout:g}s{detail}")
        time.sleep(interval)


def scramble(text):
    """The program's stored form: every UTF-8 byte plus 10 (bytes past 255 are dropped)."""
    return bytes(b + 10 for b in text.encode("utf-8") if b + 10 <= 255)


# ---------------------------------------------------------------------------------------------
# The accessibility tree


class A11y:
    """Reads the AT-SPI tree of one session; imported late, once the session bus exists."""

    def __init__(self):
        import pyatspi  # noqa: PLC0415  (needs DISPLAY and the bus address in os.environ)
        from gi.repository import Atspi  # noqa: PLC0415

        self.pyatspi = pyatspi
        self.Atspi = Atspi

    def apps(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        found = []
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is None:
                continue
            # Values are read fresh each time: windows come and go under us.
            app.set_cache_mask(self.Atspi.Cache.NONE)
            found.append(app)
        return found

    def app_of(self, pid):
        for app in self.apps():
            try:
                if app.get_process_id() == pid:
                    return app
            except Exception:
                continue
        return None

    @staticmethod
    def role(node):
        return node.getRoleName()

    @staticmethod
    def name(node):
        return node.name or ""

    def windows(self, app):
        return [app.getChildAtIndex(i) for i in range(app.childCount)]

    def walk(self, node, depth=0, limit=12):
        yield node
        if depth >= limit:
            return
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            if child is not None:
                yield from self.walk(child, depth + 1, limit)

    def find_all(self, node, role=None, name=None, test=None):
        hits = []
        for item in self.walk(node):
            if role is not None and self.role(item) != role:
                continue
            if name is not None and self.name(item) != name:
                continue
            if test is not None and not test(item):
                continue
            hits.append(item)
        return hits

    def find(self, node, role=None, name=None, test=None):
        hits = self.find_all(node, role, name, test)
        return hits[0] if hits else None

    def has_state(self, node, state_name):
        state = getattr(self.pyatspi, "STATE_" + state_name.upper())
        return node.getState().contains(state)

    def showing(self, node):
        return self.has_state(node, "showing")

    def extents(self, node):
        box = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
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
            for index in range(node.childCount):
                child = node.getChildAtIndex(index)
                if child is not None:
                    lines.extend(self.dump(child, depth + 1, limit))
        return lines


# ---------------------------------------------------------------------------------------------
# One running copy of the program


class Program:
    def __init__(self, desktop, process, label):
        self.desktop = desktop
        self.process = process
        self.pid = process.pid
        self.label = label

    def app(self):
        return self.desktop.a11y.app_of(self.pid)

    def windows(self):
        app = self.app()
        return self.desktop.a11y.windows(app) if app is not None else []

    def window(self, what, test, timeout=15.0, active=True):
        """Waits for a top-level window of this copy that passes test(window)."""
        a11y = self.desktop.a11y

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
        except JourneyFailed:
            self.desktop.screenshot("failure-" + what)
            log("windows of the program at that moment:\n" + self.describe())
            raise

    def no_window(self, what, test, timeout=10.0):
        a11y = self.desktop.a11y

        def probe():
            return not any(a11y.showing(w) and test(w) for w in self.windows())

        wait_until(what, probe, timeout)

    def describe(self):
        app = self.app()
        if app is None:
            return "  (no accessible application for this process)"
        return "\n".join(self.desktop.a11y.dump(app))

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


class Desktop:
    def __init__(self, journey):
        missing = [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]
        if not os.access(AT_SPI_LAUNCHER, os.X_OK):
            missing.append(AT_SPI_LAUNCHER)
        if missing:
            fail("missing tools (scripts/lib.sh TEST_PACKAGES installs them): " + ", ".join(missing))
        if not PROGRAM or not os.access(PROGRAM, os.X_OK):
            fail(f"KINWISE_E2E_PROGRAM does not name the built program: {PROGRAM!r}")
        self.journey = journey
        self.root = Path(tempfile.mkdtemp(prefix=f"kinwise-e2e-{journey}-"))
        # The print filters run as the lp user and must reach the CUPS folder inside.
        self.root.chmod(0o755)
        self.shots = SHOTS
        self.shots.mkdir(parents=True, exist_ok=True)
        # Pictures of an earlier run would mix with this one's.
        for old in self.shots.glob(f"{journey}-*"):
            old.unlink()
        self.shot_number = 0
        self.processes = []
        self.cups_dir = None
        self.display = None
        self.a11y = None
        self.base_env = None

    # -- set-up ---------------------------------------------------------------------------------

    def open(self):
        log(f"journey {self.journey}: session folder {self.root}")
        self.home = self.user_folders("home")
        env = {
            "PATH": os.environ.get("PATH", "/usr/local/bin:/usr/bin:/bin"),
            "LANG": "C.UTF-8",
            "LC_ALL": "C.UTF-8",
            RUN_MARK: str(self.root),
        }
        env.update(self.home)
        self.base_env = env
        self.start_x()
        self.start_dbus()
        self.start_accessibility_bus()
        self.start_window_manager()
        os.environ.update({k: v for k, v in self.base_env.items() if k != "PATH"})
        self.a11y = A11y()
        return self

    def user_folders(self, name):
        """A fresh HOME with its own XDG folders; the runtime folder is private, as Qt wants."""
        base = self.root / name
        folders = {
            "HOME": base,
            "XDG_CONFIG_HOME": base / ".config",
            "XDG_DATA_HOME": base / ".local/share",
            "XDG_CACHE_HOME": base / ".cache",
            "XDG_RUNTIME_DIR": self.root / f"{name}-runtime",
        }
        for folder in folders.values():
            folder.mkdir(parents=True, exist_ok=True)
        folders["XDG_RUNTIME_DIR"].chmod(0o700)
        return {key: str(value) for key, value in folders.items()}

    def spawn(self, argv, env=None, **kwargs):
        process = subprocess.Popen(argv, env=env or self.base_env, start_new_session=True,
                                   stdin=subprocess.DEVNULL, **kwargs)
        self.processes.append(process)
        return process

    def start_x(self):
        # Low numbers are left to people's own servers; a lock file means the number is taken.
        for number in range(60, 160):
            if Path(f"/tmp/.X{number}-lock").exists() or Path(f"/tmp/.X11-unix/X{number}").exists():
                continue
            if self.try_x(number):
                self.display = f":{number}"
                self.base_env["DISPLAY"] = self.display
                log(f"Xvfb on display {self.display}")
                return
        fail("no free X display number between :60 and :159")

    def try_x(self, number):
        """Starts Xvfb on one display; false when another server took the number first."""
        read_end, write_end = os.pipe()
        log_path = self.root / "xvfb.log"
        with open(log_path, "wb") as log_file:
            # -displayfd tells when the server is ready to take clients.
            xvfb = self.spawn(["Xvfb", f":{number}", "-displayfd", str(write_end), "-screen", "0",
                               "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                              pass_fds=(write_end,), stdout=log_file, stderr=log_file)
        os.close(write_end)
        answer = b""
        deadline = time.monotonic() + 20
        os.set_blocking(read_end, False)
        try:
            while not answer.endswith(b"\n"):
                if xvfb.poll() is not None:
                    self.processes.remove(xvfb)
                    return False
                if time.monotonic() > deadline:
                    fail("Xvfb did not start: " + log_path.read_text(errors="replace"))
                try:
                    chunk = os.read(read_end, 16)
                    if chunk:
                        answer += chunk
                        continue
                except BlockingIOError:
                    pass
                time.sleep(0.05)
        finally:
            os.close(read_end)
        return True

    def start_dbus(self):
        address = f"unix:path={self.home['XDG_RUNTIME_DIR']}/bus"
        self.dbus = self.spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                "--address=" + address], stdout=subprocess.DEVNULL,
                               stderr=open(self.root / "dbus.log", "wb"))
        self.base_env["DBUS_SESSION_BUS_ADDRESS"] = address
        wait_until("the session bus to answer", lambda: subprocess.run(
            ["dbus-send", "--session", "--dest=org.freedesktop.DBus", "--type=method_call",
             "--print-reply", "/org/freedesktop/DBus", "org.freedesktop.DBus.ListNames"],
            env=self.base_env, capture_output=True).returncode == 0, 10)

    def start_accessibility_bus(self):
        self.spawn([AT_SPI_LAUNCHER, "--launch-immediately"],
                   stdout=subprocess.DEVNULL, stderr=open(self.root / "at-spi.log", "wb"))

        def has_bus():
            reply = subprocess.run(
                ["dbus-send", "--session", "--dest=org.a11y.Bus", "--type=method_call",
                 "--print-reply", "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                env=self.base_env, capture_output=True, text=True)
            return reply.returncode == 0 and "unix:" in reply.stdout

        wait_until("the accessibility bus to start", has_bus, 10)

    def start_window_manager(self):
        self.spawn(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                   stderr=open(self.root / "openbox.log", "wb"))

        def managing():
            out = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
            return "window id" in out

        wait_until("openbox to manage the display", managing, 10)

    # -- the program ----------------------------------------------------------------------------

    def program_env(self, folders=None, extra=None):
        env = dict(self.base_env)
        env.update(folders or self.home)
        env.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_ACCESSIBILITY": "1",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        env.update(extra or {})
        return env

    def start_program(self, label="program", folders=None, extra_env=None):
        out = open(self.root / f"{label}.log", "ab")
        env = self.program_env(folders, extra_env)
        # Started from its HOME, as a desktop launcher would; file dialogs open there.
        process = self.spawn([PROGRAM], env=env, stdout=out, stderr=out, cwd=env["HOME"])
        log(f"started the program ({label}), pid {process.pid}")
        return Program(self, process, label)

    # -- input ----------------------------------------------------------------------------------

    def run(self, argv, check=True, env=None, timeout=30):
        done = subprocess.run(argv, env=env or self.base_env, capture_output=True, text=True,
                              timeout=timeout)
        if check and done.returncode != 0:
            fail(f"{' '.join(argv)} failed ({done.returncode}): {done.stderr.strip()}")
        return done.stdout

    def key(self, *keys):
        self.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *keys])

    def type(self, text):
        self.run(["xdotool", "type", "--clearmodifiers", "--delay", "40", "--", text])

    def click(self, x, y):
        self.run(["xdotool", "mousemove", "--sync", str(x), str(y)])
        time.sleep(0.1)
        self.run(["xdotool", "click", "1"])

    def click_node(self, node):
        x, y = self.a11y.centre(node)
        self.click(x, y)

    def pointer_over(self, node):
        """The pointer the X server shows over a node's centre, as (width, height, hot x, hot y,
        alpha bytes row by row)."""
        x, y = self.a11y.centre(node)
        self.run(["xdotool", "mousemove", "--sync", str(x), str(y)])
        time.sleep(0.3)
        from Xlib import display as xdisplay
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

    # -- pictures -------------------------------------------------------------------------------

    def screenshot(self, step):
        self.shot_number += 1
        safe = "".join(c if c.isalnum() or c in "-_" else "-" for c in step)
        path = self.shots / f"{self.journey}-{self.shot_number:02d}-{safe}.png"
        self.run(["import", "-window", "root", str(path)], check=False)
        return path

    def frame_box(self, window):
        """Screen box of a window with its openbox decorations, from its client extents."""
        x, y, width, height = self.a11y.extents(window)
        left = right = top = bottom = 0
        xid = self.active_window_id()
        if xid:
            out = self.run(["xprop", "-id", xid, "_NET_FRAME_EXTENTS"], check=False)
            if "=" in out:
                left, right, top, bottom = (int(v) for v in out.split("=")[1].split(","))
        return x - left, y - top, width + left + right, height + top + bottom

    def window_shot(self, window, name):
        """A picture of one active window, decorations included, for the documentation."""
        x, y, width, height = self.frame_box(window)
        path = self.shots / "windows" / f"{name}.png"
        path.parent.mkdir(exist_ok=True)
        self.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                  str(path)])
        return path

    # -- printing -------------------------------------------------------------------------------

    def start_printer(self):
        self.cups_dir = self.root / "cups"
        out = self.run([str(SOURCE_DIR / "scripts/cups-printer"), "start", str(self.cups_dir)],
                       timeout=60)
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        self.print_output = Path(values.pop("KINWISE_TEST_PRINT_OUTPUT"))
        return values

    def wait_print_job(self):
        self.run([str(SOURCE_DIR / "scripts/cups-printer"), "wait-job", str(self.cups_dir), "60"],
                 timeout=90)
        return self.print_output

    # -- tear-down ------------------------------------------------------------------------------

    def marked_pids(self):
        """Every process still carrying this journey's mark, D-Bus-activated helpers included."""
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
        if self.cups_dir is not None:
            subprocess.run([str(SOURCE_DIR / "scripts/cups-printer"), "stop", str(self.cups_dir)],
                           capture_output=True, timeout=60)
        # The program and the window manager first, the X server and buses last.
        for process in reversed(self.processes):
            if process.poll() is None:
                with contextlib.suppress(ProcessLookupError):
                    os.kill(process.pid, signal.SIGTERM)
            with contextlib.suppress(subprocess.TimeoutExpired):
                process.wait(timeout=5)
            if process.poll() is None:
                with contextlib.suppress(ProcessLookupError):
                    os.kill(process.pid, signal.SIGKILL)
                process.wait(timeout=5)
        for sig in (signal.SIGTERM, signal.SIGKILL):
            pids = self.marked_pids()
            for pid in pids:
                with contextlib.suppress(ProcessLookupError):
                    os.kill(pid, sig)
            if pids:
                time.sleep(0.5)
        if self.marked_pids():
            log(f"warning: processes left running: {self.marked_pids()}")
        shutil.rmtree(self.root, ignore_errors=True)


def run_journey(name, journey):
    """Runs journey(desktop) in a fresh session; exit status 0 only when every step passed."""
    started = time.monotonic()
    desktop = None
    status = 1
    try:
        desktop = Desktop(name)
        desktop.open()
        journey(desktop)
        status = 0
    except JourneyFailed as error:
        print(f"JOURNEY {name} FAILED: {error}", flush=True)
    except Exception:
        import traceback  # noqa: PLC0415

        traceback.print_exc()
        print(f"JOURNEY {name} FAILED with an unexpected error (above)", flush=True)
    finally:
        if desktop is not None:
            if status != 0:
                for path in sorted(desktop.root.glob("*.log")):
                    if path.stat().st_size:
                        print(f"--- {path.name}:\n" + path.read_text(errors="replace")[-3000:])
            desktop.close()
    if status == 0:
        print(f"JOURNEY {name} PASSED in {time.monotonic() - started:.1f}s", flush=True)
    sys.exit(status)


# ---------------------------------------------------------------------------------------------
# The program's windows, told apart by what they hold: all of them share one title.

MAIN_BUTTON = "Get My Mayan Numerology Reading"


def is_main(a11y):
    return lambda w: a11y.role(w) == "frame" and a11y.find(w, "push button", MAIN_BUTTON)


def is_result(a11y):
    return lambda w: a11y.role(w) == "frame" and a11y.find(w, "panel", "Kinwise Result")


def is_report(a11y):
    return lambda w: a11y.role(w) == "dialog" and a11y.find(w, "push button", "Print")


def is_file_dialog(a11y, title):
    return lambda w: (a11y.role(w) == "dialog" and a11y.name(w) == title
                      and a11y.find(w, "text", "File name:"))


def is_message_box(a11y):
    def test(window):
        if a11y.role(window) not in ("alert", "dialog"):
            return False
        buttons = {a11y.name(b) for b in a11y.find_all(window, "push button")}
        return bool(buttons) and buttons <= {"OK", "Yes", "No"}
    return test


def message_text(a11y, window):
    """The message a box shows: its labels other than the icon, joined by line feeds."""
    texts = [a11y.text(label) for label in a11y.find_all(window, "label")]
    return "\n".join(text for text in texts if text.strip())


def day_number(a11y, result_window):
    """The text of the label that follows the caption "Mayan Day Number" in the result frame."""
    panel = a11y.find(result_window, "panel", "Kinwise Result")
    children = [panel.getChildAtIndex(i) for i in range(panel.childCount)]
    for index, child in enumerate(children[:-1]):
        if a11y.role(child) == "label" and a11y.name(child) == "Mayan Day Number":
            return a11y.text(children[index + 1])
    fail("the result window has no \"Mayan Day Number\" caption")


# ---------------------------------------------------------------------------------------------
# Pictures


def read_rgb(argv):
    """Pixels of a picture as (width, height, bytes), through ImageMagick's PPM output."""
    data = subprocess.run(argv + ["-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position + 1:position + 1 + width * height * 3]
    return width, height, pixels


def picture_difference(screen, box, reference):
    """Mean difference per colour value (0-255) of a reference picture and the screen inside box,
    at the placement inside the box where they agree best."""
    x, y, width, height = box
    _, _, shown = read_rgb(["convert", str(screen), "-crop", f"{width}x{height}+{x}+{y}",
                            "+repage"])
    ref_width, ref_height, ref = read_rgb(["convert", str(reference)])
    if ref_width > width or ref_height > height:
        fail(f"the picture box {width}x{height} is smaller than the picture "
             f"{ref_width}x{ref_height}")
    best = None
    for top in range(height - ref_height + 1):
        for left in range(width - ref_width + 1):
            total = 0
            for row in range(ref_height):
                start = ((top + row) * width + left) * 3
                line = shown[start:start + ref_width * 3]
                ref_line = ref[row * ref_width * 3:(row + 1) * ref_width * 3]
                total += sum(abs(a - b) for a, b in zip(line, ref_line))
            mean = total / (ref_width * ref_height * 3)
            best = mean if best is None else min(best, mean)
    return best


# ---------------------------------------------------------------------------------------------
# The settings store, in the form QSettings writes its INI files

SETTINGS_FILE = "Kinwise/KinwiseFreeMayanNumerology.conf"


def ini_key(text):
    """A key as QSettings escapes it: letters, digits and _-. stay, other Latin-1 codes as %XX."""
    out = []
    for ch in text:
        if ch.isascii() and (ch.isalnum() or ch in "_-."):
            out.append(ch)
        elif ch == "/":
            out.append("\\")
        elif ord(ch) <= 0xFF:
            out.append(f"%{ord(ch):02X}")
        else:
            out.append(f"%U{ord(ch):04X}")
    return "".join(out)


def ini_value(text):
    """A printable ASCII text as QSettings writes it; quoted when it holds ; , or =."""
    if not all(" " <= ch <= "~" for ch in text):
        fail(f"the value {text!r} holds characters this encoder does not cover")
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    if text.startswith("@"):
        escaped = "@" + escaped
    if any(ch in text for ch in ";,=") or text != text.strip():
        escaped = f'"{escaped}"'
    return escaped


def reminder_line(date):
    """The settings line that holds a reminder date: scrambled key and scrambled ISO date."""
    key = scramble("Duration").decode("latin-1")
    value = scramble(date.isoformat()).decode("latin-1")
    return f"{ini_key(key)}={ini_value(value)}"


# ---------------------------------------------------------------------------------------------
# A stand-in web browser: the desktop's handler for web addresses records what it was given


def install_address_recorder(folders):
    """Registers, in one user's XDG folders, a https handler that appends each address to a
    file; returns that file. Nothing is registered system-wide."""
    data = Path(folders["XDG_DATA_HOME"])
    config = Path(folders["XDG_CONFIG_HOME"])
    record = Path(folders["HOME"]) / "opened-addresses.txt"
    script = Path(folders["HOME"]) / "record-address"
    script.write_text(f'#!/bin/sh\nprintf \'%s\\n\' "$1" >> "{record}"\n')
    script.chmod(0o755)
    applications = data / "applications"
    applications.mkdir(parents=True, exist_ok=True)
    (applications / "kinwise-e2e-browser.desktop").write_text(
        "[Desktop Entry]\nType=Application\nName=Address recorder\n"
        f"Exec={script} %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n")
    (config / "mimeapps.list").write_text(
        "[Default Applications]\nx-scheme-handler/https=kinwise-e2e-browser.desktop\n"
        "x-scheme-handler/http=kinwise-e2e-browser.desktop\n")
    return record


def recorded_addresses(record):
    return record.read_text().splitlines() if record.exists() else []


def check_address_recorder(desktop, record):
    """Proves that xdg-open on this bare session reaches the recorder, so that an address the
    program fails to open, or one it opens wrongly, shows up."""
    env = desktop.program_env()
    handler = desktop.run(["xdg-mime", "query", "default", "x-scheme-handler/https"],
                          env=env).strip()
    if handler != "kinwise-e2e-browser.desktop":
        fail(f"xdg-mime names {handler!r} as the https handler, not the recorder")
    probe = "https://www.kinwise.example/e2e-handler-check"
    desktop.run(["xdg-open", probe], env=env)
    wait_until("xdg-open to hand an address to the recorder",
               lambda: recorded_addresses(record) == [probe], 10)
    record.unlink()
