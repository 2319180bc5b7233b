"""Times Kinwise against a bare Qt Widgets window under a private Xvfb display.

Started by tools/bench/run, which installs what is needed and builds both programs.
No window manager runs, so a window's MapNotify on the root window marks it shown,
and the driver gives it the keyboard focus itself before typing through XTEST.
"""

import argparse
import ctypes
import datetime
import os
import platform
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, XK, display, error
from Xlib.ext import xtest

KINWISE_TITLE = "Kinwise v1.15"
BARE_TITLE = "Bare window"
# The result window is wider than any message box Kinwise shows.
SMALLEST_RESULT_WIDTH = 400
TARGET_RATIO = 1.15


class Failure(Exception):
    pass


def die_with_driver():
    """Runs in a helper's child: the kernel ends the helper however the driver ends."""
    PR_SET_PDEATHSIG = 1
    ctypes.CDLL(None).prctl(PR_SET_PDEATHSIG, signal.SIGTERM)


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
        preexec_fn=die_with_driver)
    os.close(write_end)
    number = b""
    ready, _, _ = select.select([read_end], [], [], 20)
    while ready:
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
        if number.endswith(b"\n"):
            break
        ready, _, _ = select.select([read_end], [], [], 20)
    os.close(read_end)
    if not number.strip():
        server.kill()
        raise Failure("Xvfb did not report a display number")
    return server, ":" + number.decode().strip()


def start_session_bus(environment):
    """A private session bus, so Qt neither autolaunches one per display nor finds none."""
    if not shutil.which("dbus-daemon"):
        return None, None
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                           env=environment, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                           text=True, preexec_fn=die_with_driver)
    address = bus.stdout.readline().strip()
    if not address:
        bus.kill()
        bus.wait()
        raise Failure("dbus-daemon did not report its address")
    return address, bus


class Screen:
    def __init__(self, name):
        self.display = display.Display(name)
        self.root = self.display.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.pid_atom = self.display.intern_atom("_NET_WM_PID")
        self.transient_atom = self.display.intern_atom("WM_TRANSIENT_FOR")
        self.display.sync()

    def window_pid(self, window):
        try:
            reply = window.get_full_property(self.pid_atom, X.AnyPropertyType)
        except error.XError:
            return None
        return reply.value[0] if reply and len(reply.value) else None

    def describe(self, window):
        try:
            geometry = window.get_geometry()
            title = window.get_wm_name() or ""
            transient = window.get_full_property(self.transient_atom, X.AnyPropertyType)
        except error.XError:
            return None
        if isinstance(title, bytes):
            title = title.decode("utf-8", "replace")
        return {"title": title, "width": geometry.width, "height": geometry.height,
                "transient": transient is not None}

    def wait_for_map(self, pid, timeout, ignore=()):
        """Returns (time the MapNotify was read, window) for the next top-level of pid."""
        deadline = time.perf_counter() + timeout
        while True:
            while self.display.pending_events():
                event = self.display.next_event()
                seen = time.perf_counter()
                if event.type != X.MapNotify or event.override:
                    continue
                if event.window.id in ignore or self.window_pid(event.window) != pid:
                    continue
                return seen, event.window
            left = deadline - time.perf_counter()
            if left <= 0:
                raise Failure(f"no window of process {pid} was mapped within {timeout} s")
            select.select([self.display.fileno()], [], [], left)

    def focus(self, window):
        window.set_input_focus(X.RevertToParent, X.CurrentTime)
        self.display.sync()

    def keycode(self, name):
        code = self.display.keysym_to_keycode(XK.string_to_keysym(name))
        if not code:
            raise Failure(f"no key for {name}")
        return code

    def tap(self, name):
        code = self.keycode(name)
        xtest.fake_input(self.display, X.KeyPress, code)
        xtest.fake_input(self.display, X.KeyRelease, code)

    def drain(self):
        while self.display.pending_events():
            self.display.next_event()


def read_status(pid):
    values = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            key, _, rest = line.partition(":")
            if key in ("VmHWM", "VmRSS"):
                values[key] = int(rest.split()[0])
    return values


def end(process):
    """Stops the program and returns its resource use, to the microsecond."""
    process.send_signal(signal.SIGTERM)
    deadline = time.perf_counter() + 10
    while True:
        pid, status, usage = os.wait4(process.pid, os.WNOHANG)
        if pid:
            process.returncode = status
            return usage
        if time.perf_counter() > deadline:
            process.kill()
            deadline = float("inf")
        time.sleep(0.01)


def memory_folder():
    """/dev/shm when it is a tmpfs: a desktop session's runtime folder, /run/user/UID, is one."""
    with open("/proc/mounts") as mounts:
        for line in mounts:
            fields = line.split()
            if len(fields) > 2 and fields[1] == "/dev/shm" and fields[2] == "tmpfs":
                return fields[1] if os.access(fields[1], os.W_OK) else None
    return None


RUNTIME_PARENT = memory_folder()


def fresh_environment(base, scratch):
    home = os.path.join(scratch, "home")
    os.makedirs(home)
    # mkdtemp gives the mode 0700 that a runtime folder must have.
    runtime = tempfile.mkdtemp(prefix="kinwise-bench-run-", dir=RUNTIME_PARENT or scratch)
    environment = dict(base)
    environment["HOME"] = home
    environment["XDG_RUNTIME_DIR"] = runtime
    return environment


def remove_scratch(scratch, environment=None):
    """The scratch folder and, for a fresh environment, its runtime folder."""
    if environment is not None:
        shutil.rmtree(environment["XDG_RUNTIME_DIR"], ignore_errors=True)
    shutil.rmtree(scratch, ignore_errors=True)


def run_once(screen, executable, title, base_environment, keep_home, settle, log, start_only):
    """One start and settle, then either the end or keystrokes and a second window."""
    scratch = tempfile.mkdtemp(prefix="kinwise-bench-")
    environment = (dict(base_environment) if keep_home
                   else fresh_environment(base_environment, scratch))
    try:
        screen.drain()
        started = time.perf_counter()
        process = subprocess.Popen([executable], env=environment, stdin=subprocess.DEVNULL,
                                   stdout=log, stderr=log)
        try:
            mapped, window = screen.wait_for_map(process.pid, 30)
            shown = screen.describe(window)
            if not shown or shown["title"] != title:
                raise Failure(f"{executable} mapped {shown} first, not '{title}'")
            time.sleep(settle)
            at_start = read_status(process.pid)
            if start_only:
                usage = end(process)
                return {
                    "start_ms": (mapped - started) * 1000.0,
                    "start_hwm_kib": at_start["VmHWM"],
                    "start_cpu_ms": (usage.ru_utime + usage.ru_stime) * 1000.0,
                    "size": f'{shown["width"]}x{shown["height"]}',
                }

            screen.focus(window)
            time.sleep(0.15)
            for letter in "maria":
                screen.tap(letter)
            for _ in range(4):
                screen.tap("Tab")
            screen.display.sync()
            time.sleep(0.25)
            screen.drain()
            pressed = time.perf_counter()
            screen.tap("space")
            screen.display.flush()
            second_mapped, second = screen.wait_for_map(process.pid, 30, ignore={window.id})
            second_shown = screen.describe(second)
            if (not second_shown or second_shown["title"] != title or second_shown["transient"]
                    or second_shown["width"] < SMALLEST_RESULT_WIDTH):
                raise Failure(f"{executable} mapped {second_shown} after Space, "
                              "not its second window")
            time.sleep(settle)
            at_end = read_status(process.pid)
        finally:
            if process.returncode is None:
                usage = end(process)
        return {
            "start_ms": (mapped - started) * 1000.0,
            "start_hwm_kib": at_start["VmHWM"],
            "second_ms": (second_mapped - pressed) * 1000.0,
            "end_hwm_kib": at_end["VmHWM"],
            "total_cpu_ms": (usage.ru_utime + usage.ru_stime) * 1000.0,
            "size": f'{shown["width"]}x{shown["height"]}',
            "second_size": f'{second_shown["width"]}x{second_shown["height"]}',
        }
    finally:
        remove_scratch(scratch, None if keep_home else environment)


METRICS = [
    ("start_ms", "Start-up: launch to main window mapped (ms)", "{:.1f}"),
    ("start_hwm_kib", "Peak memory VmHWM after start-up (MiB)", "{:.1f}"),
    ("start_cpu_ms", "CPU time, launch to start-up settled, user+sys (ms)", "{:.1f}"),
    ("second_ms", "Space pressed to second window mapped (ms)", "{:.1f}"),
    ("end_hwm_kib", "Peak memory VmHWM after second window (MiB)", "{:.1f}"),
    ("total_cpu_ms", "CPU time of the whole run, user+sys (ms)", "{:.1f}"),
]


def summary(values, key):
    scale = 1 / 1024 if key.endswith("_kib") else 1
    ordered = sorted(v * scale for v in values)
    return statistics.median(ordered), ordered[0], ordered[-1]


def table(results):
    lines = ["| Measure | Kinwise median (min-max) | Bare median (min-max) | Kinwise / bare |",
             "| --- | --- | --- | --- |"]
    for key, caption, form in METRICS:
        k = summary([r[key] for r in results["kinwise"] if key in r], key)
        b = summary([r[key] for r in results["bare"] if key in r], key)

        def cell(s):
            return f"{form.format(s[0])} ({form.format(s[1])}-{form.format(s[2])})"
        ratio = k[0] / b[0] if b[0] else float("nan")
        lines.append(f"| {caption} | {cell(k)} | {cell(b)} | {ratio:.2f} |")
    return "\n".join(lines)


def target_note(results):
    verdicts = []
    for key, name in (("start_ms", "start-up time"), ("start_hwm_kib", "peak memory after start-up"),
                      ("end_hwm_kib", "peak memory after the second window")):
        ratio = (statistics.median(r[key] for r in results["kinwise"] if key in r)
                 / statistics.median(r[key] for r in results["bare"] if key in r))
        verdicts.append(f"{name} {ratio:.2f} ({'met' if ratio <= TARGET_RATIO else 'not met'})")
    return f"Target: Kinwise within {TARGET_RATIO} x the bare window: " + "; ".join(verdicts) + "."


def machine_note():
    cpu = "unknown processor"
    try:
        with open("/proc/cpuinfo") as info:
            for line in info:
                if line.startswith("model name"):
                    cpu = line.split(":", 1)[1].strip()
                    break
    except OSError:
        pass
    try:
        qt = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "libqt6core6"],
                            capture_output=True, text=True).stdout.strip() or "unknown"
    except OSError:
        qt = "unknown"
    load = os.getloadavg()
    return (f"{os.cpu_count()} cores ({cpu}), shared with other developers' builds; "
            f"Linux {platform.release()}; Qt {qt} from Debian; Xvfb 1280x1024x24 with no "
            f"window manager; load average at the end {load[0]:.2f} {load[1]:.2f} {load[2]:.2f}")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--kinwise", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--settle", type=float, default=0.3)
    parser.add_argument("--same-home", action="store_true",
                        help="one HOME for every Kinwise run after a first run that is not "
                             "counted, instead of a fresh HOME and XDG_RUNTIME_DIR each run")
    parser.add_argument("--results", help="Markdown file to write the table to")
    parser.add_argument("--command", default="tools/bench/run")
    parser.add_argument("--log", default=os.devnull)
    parser.add_argument("--language", help="the desktop's interface language, as LANGUAGE gives it")
    arguments = parser.parse_args()
    if arguments.runs < 1:
        parser.error("--runs must be at least 1")

    # Xvfb and both programs inherit this, so other builds on the shared cores get in less.
    try:
        os.nice(-10)
    except OSError:
        pass
    priority = os.nice(0)
    # A driver stopped by SIGTERM or SIGHUP still ends its programs, bus and display.
    for stop in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(stop, lambda number, frame: sys.exit(128 + number))
    server, name = start_xvfb()
    bus = None
    shared = None
    scratch = tempfile.mkdtemp(prefix="kinwise-bench-home-")
    try:
        base = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "DISPLAY": name,
                "LANG": "C.UTF-8", "QT_QPA_PLATFORM": "xcb"}
        if arguments.language:
            base["LANGUAGE"] = arguments.language
        address, bus = start_session_bus(base)
        if address:
            base["DBUS_SESSION_BUS_ADDRESS"] = address
        shared = fresh_environment(base, scratch) if arguments.same_home else base
        screen = Screen(name)
        with open(arguments.log, "a") as log:
            programs = {
                "kinwise": (arguments.kinwise, KINWISE_TITLE),
                "bare": (arguments.bare, BARE_TITLE),
            }
            if arguments.same_home:
                # Writes today's reminder date so later runs ask nothing.
                run_once(screen, arguments.kinwise, KINWISE_TITLE, shared, True,
                         arguments.settle, log, True)
            results = {"kinwise": [], "bare": []}
            for run in range(arguments.runs):
                # Alternate which goes first too, so a slow spell hits both alike.
                order = ["bare", "kinwise"] if run % 2 == 0 else ["kinwise", "bare"]
                # A launch ended once settled gives the start-up's own CPU time.
                for start_only in (False, True):
                    for which in order:
                        executable, title = programs[which]
                        numbers = run_once(screen, executable, title, shared,
                                           arguments.same_home, arguments.settle, log,
                                           start_only)
                        results[which].append(numbers)
                        later = ("start-up CPU {:6.1f} ms".format(numbers["start_cpu_ms"])
                                 if start_only else
                                 "second {:6.1f} ms".format(numbers["second_ms"]))
                        print(f"run {run + 1:2d} {which:7s} start {numbers['start_ms']:7.1f} ms  "
                              f"VmHWM {numbers['start_hwm_kib'] / 1024:6.1f} MiB  {later}",
                              flush=True)
    finally:
        if bus:
            bus.terminate()
            bus.wait()
        server.terminate()
        server.wait()
        remove_scratch(scratch, shared if arguments.same_home else None)

    sizes = {w: sorted({r["size"] for r in results[w]}) for w in results}
    second_sizes = {w: sorted({r["second_size"] for r in results[w] if "second_size" in r}) for w in results}
    home_note = ("the same HOME and XDG_RUNTIME_DIR for every run, after one uncounted "
                 "Kinwise run that stored today's reminder date"
                 if arguments.same_home else
                 "a fresh HOME and XDG_RUNTIME_DIR for every run of either program, so each "
                 "Kinwise run is a first run: it writes today's reminder date and asks nothing")
    markdown = "\n".join([
        "# Start-up benchmark: Kinwise against a bare Qt Widgets window",
        "",
        f"- Command: `{arguments.command}`",
        f"- Date: {datetime.datetime.now().astimezone().strftime('%Y-%m-%d %H:%M %Z')}",
        f"- Machine: {machine_note()}; Xvfb and the programs ran at niceness {priority}",
        f"- Runs: {arguments.runs} rounds; each round starts each program twice, alternating "
        "(bare first in odd rounds, Kinwise first in even ones): once through to the second "
        "window, once ended as soon as its start-up has settled. Start-up time and memory "
        f"pool both launches ({2 * arguments.runs} per program)",
        f"- Home: {home_note}",
        "- Runtime folder (XDG_RUNTIME_DIR, where Kinwise keeps its instance lock): "
        + ("in /dev/shm, a tmpfs, as a desktop session's /run/user/UID is" if RUNTIME_PARENT
           else "beside HOME, as no tmpfs was at hand"),
        "- Start-up: from just before the program is started (before fork and exec) until the driver reads the X "
        "server's MapNotify for its main window; peak memory is VmHWM from /proc/PID/status "
        f"{arguments.settle * 1000:.0f} ms later, and again {arguments.settle * 1000:.0f} ms "
        "after the second window is mapped, just before the program is ended with SIGTERM; "
        "CPU times come from wait4: the start-up's from the launches ended once settled, "
        "the whole run's from the others",
        "- Second window: the driver focuses the main window, types a name and Tab four "
        "times, waits, then times from pressing Space (on Kinwise's calculate button; the "
        "bare window opens a second window in place of the first on Space) until the new "
        "window is mapped",
        f"- Window sizes: Kinwise {', '.join(sizes['kinwise'])} then "
        f"{', '.join(second_sizes['kinwise'])}; bare {', '.join(sizes['bare'])} then "
        f"{', '.join(second_sizes['bare'])}",
        "",
        table(results),
        "",
        target_note(results),
        "",
    ])
    print()
    print(markdown)
    if arguments.results:
        with open(arguments.results, "w") as out:
            out.write(markdown)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"bench: {failure}", file=sys.stderr)
        sys.exit(1)
