"""The real program starting over damaged or unusable settings stores, under Xvfb."""
import datetime
import os
import random
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from robust_common import BOX_TITLE, MAIN_TITLE, FreshUser, Xserver, stop_process, tool, wait_for  # noqa: E402

WINDOW_SECONDS = 8


def garbage_bytes(user, reader):
    os.makedirs(os.path.dirname(user.conf))
    with open(user.conf, "wb") as f:
        f.write(random.Random(1517).randbytes(4096))


def empty_file(user, reader):
    os.makedirs(os.path.dirname(user.conf))
    open(user.conf, "wb").close()


def directory_instead(user, reader):
    os.makedirs(user.conf)


def read_only_file(user, reader):
    empty_file(user, reader)
    os.chmod(user.conf, 0o444)


def parent_is_file(user, reader):
    with open(os.path.dirname(user.conf), "wb") as f:
        f.write(b"not a folder\n")


def value_not_a_date(user, reader):
    os.makedirs(os.path.dirname(user.conf))
    subprocess.run([reader, "reminder-set", user.conf, "soon, maybe"], check=True, timeout=10)


def old_date(user, reader):
    os.makedirs(os.path.dirname(user.conf))
    subprocess.run([reader, "reminder-set", user.conf, "2001-02-03"], check=True, timeout=10)


def stored(user, reader):
    run = subprocess.run([reader, "reminder-get", user.conf], capture_output=True, text=True, timeout=10)
    return run.stdout.strip()


TODAY = "status 0 value " + datetime.date.today().isoformat()

CASES = [
    # name, prepare, window expected first, reminder value required afterwards (None: only reported)
    ("random bytes", garbage_bytes, MAIN_TITLE, None),
    ("empty file", empty_file, MAIN_TITLE, TODAY),
    ("directory in place of the file", directory_instead, MAIN_TITLE, None),
    ("read-only file", read_only_file, MAIN_TITLE, None),
    ("parent folder is a regular file", parent_is_file, MAIN_TITLE, None),
    ("scrambled value that is not a date", value_not_a_date, MAIN_TITLE, TODAY),
    # Shows the question really would be seen, so its absence above means something.
    ("date long ago", old_date, BOX_TITLE, None),
]


class Settings(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.app = tool("KINWISE_APP")
        cls.reader = tool("KINWISE_READ_DRIVER")
        cls.x = Xserver()

    @classmethod
    def tearDownClass(cls):
        cls.x.stop()

    def test_damaged_stores(self):
        for name, prepare, first_window, required in CASES:
            with self.subTest(name):
                user = FreshUser()
                try:
                    self.check_case(user, name, prepare, first_window, required)
                finally:
                    user.remove()
        print(f"settings stores tried: {len(CASES)}")

    def check_case(self, user, name, prepare, first_window, required):
        prepare(user, self.reader)
        process = subprocess.Popen([self.app], env=user.env(self.x.display),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        try:
            shown = wait_for(lambda: self.x.windows(first_window) or process.poll() is not None,
                             WINDOW_SECONDS, step=0.1)
            self.assertIsNone(process.poll(), f"{name}: the program ended ({process.returncode}) at start-up")
            self.assertTrue(shown, f"{name}: no window matching {first_window} within {WINDOW_SECONDS} s")
            if first_window == MAIN_TITLE:
                time.sleep(0.5)
                self.assertEqual(self.x.windows(BOX_TITLE), {}, f"{name}: an unexpected message box showed")
            else:
                self.assertEqual(self.x.windows(MAIN_TITLE), {}, f"{name}: main window came before the question")
            self.assertIsNone(process.poll(), f"{name}: the program ended ({process.returncode}) after its window")
        finally:
            stop_process(process)
            errors = process.stderr.read().decode(errors="replace").strip()
            process.stderr.close()
            wait_for(lambda: not self.x.windows("^Kinwise"), 5)
        kind = ("directory" if os.path.isdir(user.conf) else "file" if os.path.isfile(user.conf)
                else "absent")
        after = stored(user, self.reader) if kind == "file" else "-"
        print(f"{name}: {first_window} shown, store afterwards: {kind}, {after}"
              + (f", stderr: {errors[:200]!r}" if errors else ""))
        if required is not None:
            self.assertEqual(after, required, f"{name}: the store should hold today's date afterwards")
            with open(user.conf, "rb") as f:
                raw = f.read()
            self.assertNotIn(datetime.date.today().isoformat().encode(), raw,
                             f"{name}: the date is stored in plain text, not scrambled")
        if prepare is directory_instead:
            self.assertTrue(os.path.isdir(user.conf), f"{name}: the directory was replaced")


if __name__ == "__main__":
    unittest.main(verbosity=2)
