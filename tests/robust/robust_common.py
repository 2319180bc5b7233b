"""Shared pieces of the robustness suites: fresh user folders, an own X server, window polling."""
import os
import shutil
import signal
import subprocess
import tempfile
import time


def tool(variable):
    path = os.environ.get(variable)
    if not path or not os.access(path, os.X_OK):
        raise SystemExit(f"{variable} must name a built executable (got {path!r})")
    return path


class FreshUser:
    """A temporary HOME with its own config and runtime folders, so no test sees another's state."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="kinwise-robust-")
        self.home = os.path.join(self.root, "home")
        self.config = os.path.join(self.home, ".config")
        self.runtime = os.path.join(self.root, "run")
        for folder in (self.home, self.config, self.runtime):
            os.makedirs(folder, mode=0o700, exist_ok=True)
            os.chmod(folder, 0o700)
        self.conf = os.path.join(self.config, "Kinwise", "KinwiseFreeMayanNumerology.conf")
        self.lock = os.path.join(self.runtime, "KinwiseFreeMayanNumerology.lock")

    def env(self, display=None):
        env = dict(os.environ)
        env.update(HOME=self.home, XDG_CONFIG_HOME=self.config, XDG_RUNTIME_DIR=self.runtime,
                   XDG_DATA_HOME=os.path.join(self.home, ".local/share"),
                   XDG_CACHE_HOME=os.path.join(self.home, ".cache"))
        if display is not None:
            env.update(DISPLAY=display, QT_QPA_PLATFORM="xcb")
        return env

    def remove(self):
        # A test may leave read-only or odd entries behind; make them removable first.
        for base, dirs, files in os.walk(self.root):
            for entry in dirs + files:
                path = os.path.join(base, entry)
                if os.path.islink(path):
                    continue
                try:
                    os.chmod(path, 0o700)
                except OSError:
                    pass
        shutil.rmtree(self.root, ignore_errors=True)


class Xserver:
    """Xvfb on a display it picks itself, so it never collides with another developer's."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            self.process.kill()
            raise SystemExit("Xvfb did not report a display")
        self.display = ":" + number

    def windows(self, pattern):
        """Visible windows whose name matches the regular expression, as {id: pid}."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern],
                               env=dict(os.environ, DISPLAY=self.display),
                               capture_output=True, text=True).stdout.split()
        result = {}
        for window in found:
            pid = subprocess.run(["xdotool", "getwindowpid", window],
                                 env=dict(os.environ, DISPLAY=self.display),
                                 capture_output=True, text=True).stdout.strip()
            result[window] = int(pid) if pid.isdigit() else None
        return result

    def press_return(self, window):
        subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "Return"],
                       env=dict(os.environ, DISPLAY=self.display), capture_output=True, timeout=10)

    def stop(self):
        self.process.terminate()
        try:
            self.process.wait(5)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


MAIN_TITLE = r"^Kinwise v1\.15$"
BOX_TITLE = r"^Kinwise$"


def wait_for(condition, timeout, step=0.05):
    """Polls condition until it returns something true or the time is up; returns the last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(step)


def stop_process(process):
    if process.poll() is None:
        process.send_signal(signal.SIGKILL)
    process.wait()
