"""The real program starting over damaged or unusable settings stores, under Xvfb."""
import datetime
import os
import random
import subprocess
import time
import unittest

import desktop as d

WINDOW_SECONDS = 8
MAIN_TITLE = d.main_title()
BOX_TITLE = d.BOX_TITLE


def garbage_bytes(conf, reader):
    os.makedirs(os.path.dirname(conf))
    with open(conf, "wb") as f:
        f.write(random.Random(1517).randbytes(4096))


def empty_file(conf, reader):
    os.makedirs(os.path.dirname(conf))
    open(conf, "wb").close()


def directory_instead(conf, reader):
    os.makedirs(conf)


def read_only_file(conf, reader):
    empty_file(conf, reader)
    os.chmod(conf, 0o444)


def parent_is_file(conf, reader):
    with open(os.path.dirname(conf), "wb") as f:
        f.write(b"not a folder\n")


def value_not_a_date(conf, reader):
    os.makedirs(os.path.dirname(conf))
    subprocess.run([reader, "reminder-set", conf, "soon, maybe"], check=True, timeout=10)


def old_date(conf, reader):
    os.makedirs(os.path.dirname(conf))
    subprocess.run([reader, "reminder-set", conf, "2001-02-03"], check=True, timeout=10)


def stored(conf, reader):
    run = subprocess.run([reader, "reminder-get", conf], capture_output=True, text=True, timeout=10)
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
        cls.reader = d.built_executable("KINWISE_SETTINGS_DRIVER")
        cls.x = d.Session("robust-settings", bus=False, window_manager=False).open()

    @classmethod
    def tearDownClass(cls):
        cls.x.close()

    def test_damaged_stores(self):
        for number, (name, prepare, first_window, required) in enumerate(CASES):
            with self.subTest(name):
                user = self.x.user_folders(f"case{number}")
                try:
                    self.check_case(user, name, prepare, first_window, required)
                finally:
                    d.remove_tree(user.home)
        print(f"settings stores tried: {len(CASES)}")

    def check_case(self, user, name, prepare, first_window, required):
        conf = str(user.settings)
        prepare(conf, self.reader)
        process = self.x.start_program(name, user=user, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.PIPE).process
        try:
            d.wait_until(f"{name}: a window matching {first_window}",
                         lambda: self.x.x_windows(first_window) or process.poll() is not None,
                         WINDOW_SECONDS)
            self.assertIsNone(process.poll(), f"{name}: the program ended ({process.returncode}) at start-up")
            if first_window == MAIN_TITLE:
                time.sleep(d.QUIET_SECONDS)
                self.assertEqual(self.x.x_windows(BOX_TITLE), {}, f"{name}: an unexpected message box showed")
            else:
                self.assertEqual(self.x.x_windows(MAIN_TITLE), {}, f"{name}: main window came before the question")
            self.assertIsNone(process.poll(), f"{name}: the program ended ({process.returncode}) after its window")
        finally:
            d.stop_process(process)
            errors = process.stderr.read().decode(errors="replace").strip()
            process.stderr.close()
            d.wait_until(f"{name}: the killed program's windows to go",
                         lambda: not self.x.x_windows("^Kinwise"), 5)
        kind = ("directory" if os.path.isdir(conf) else "file" if os.path.isfile(conf)
                else "absent")
        after = stored(conf, self.reader) if kind == "file" else "-"
        print(f"{name}: {first_window} shown, store afterwards: {kind}, {after}"
              + (f", stderr: {errors[:200]!r}" if errors else ""))
        if required is not None:
            self.assertEqual(after, required, f"{name}: the store should hold today's date afterwards")
            with open(conf, "rb") as f:
                raw = f.read()
            self.assertNotIn(datetime.date.today().isoformat().encode(), raw,
                             f"{name}: the date is stored in plain text, not scrambled")
        if prepare is directory_instead:
            self.assertTrue(os.path.isdir(conf), f"{name}: the directory was replaced")


if __name__ == "__main__":
    d.main()
