"""The single-instance lock of the real program under Xvfb: stale locks and simultaneous starts."""
import os
import signal
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from robust_common import BOX_TITLE, MAIN_TITLE, FreshUser, Xserver, stop_process, tool, wait_for  # noqa: E402

RACES = 10
WINDOW_SECONDS = 10


class Instances(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.app = tool("KINWISE_APP")
        cls.x = Xserver()

    @classmethod
    def tearDownClass(cls):
        cls.x.stop()

    def setUp(self):
        self.user = FreshUser()
        self.addCleanup(self.user.remove)
        self.processes = []
        self.addCleanup(lambda: [stop_process(p) for p in self.processes])

    def start(self, stdin=None, barrier=False):
        command = [self.app]
        if barrier:
            # Both copies wait on one pipe; closing its write end lets them exec at once.
            command = ["sh", "-c", 'read _; exec "$0"', self.app]
        process = subprocess.Popen(command, env=self.user.env(self.x.display), stdin=stdin,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def wait_windows(self, main_count, box_count):
        """Waits until exactly these counts show; returns (main windows, boxes) as {id: pid}."""
        def counts():
            main, box = self.x.windows(MAIN_TITLE), self.x.windows(BOX_TITLE)
            return (main, box) if (len(main), len(box)) == (main_count, box_count) else None
        found = wait_for(counts, WINDOW_SECONDS, step=0.1)
        if not found:
            main, box = self.x.windows(MAIN_TITLE), self.x.windows(BOX_TITLE)
            alive = {p.pid: p.poll() for p in self.processes}
            self.fail(f"expected {main_count} main window(s) and {box_count} message box(es), "
                      f"saw main {main} and boxes {box} (window: pid); our processes (pid: exit code) {alive}")
        return found

    def kill_all(self):
        for process in self.processes:
            stop_process(process)
        wait_for(lambda: not self.x.windows("^Kinwise"), 5)

    def test_killed_copy_leaves_lock_a_new_start_takes_over(self):
        first = self.start()
        (main, _) = self.wait_windows(1, 0)
        self.assertEqual(list(main.values()), [first.pid], "the main window is not the first copy's")
        first.send_signal(signal.SIGKILL)
        first.wait()
        wait_for(lambda: not self.x.windows(MAIN_TITLE), 5)
        self.assertTrue(os.path.exists(self.user.lock), "SIGKILL should leave the lock file behind")
        second = self.start()
        (main, _) = self.wait_windows(1, 0)
        self.assertEqual(list(main.values()), [second.pid], "the new copy did not open its main window")
        time.sleep(0.5)
        self.assertEqual(self.x.windows(BOX_TITLE), {}, "the new copy took the dead one for a running copy")
        self.assertIsNone(second.poll(), "the new copy ended instead of running on")

    def race(self, round_number, stale):
        read_end, write_end = os.pipe()
        pair = [self.start(stdin=read_end, barrier=True) for _ in range(2)]
        os.close(read_end)
        if stale:
            self.assertTrue(os.path.exists(self.user.lock), f"round {round_number}: no stale lock to race over")
        os.close(write_end)
        main, box = self.wait_windows(1, 1)
        pids = {p.pid: p for p in pair}
        (main_pid,), (box_window, box_pid) = main.values(), next(iter(box.items()))
        self.assertEqual({main_pid, box_pid}, set(pids),
                         f"round {round_number}: main window and message box should come from the two copies")
        blocked = pids[box_pid]
        self.assertIsNone(blocked.poll(), f"round {round_number}: the copy with the message box did not wait on it")
        self.x.press_return(box_window)
        try:
            code = blocked.wait(5)
        except subprocess.TimeoutExpired:
            self.fail(f"round {round_number}: the second copy did not exit on OK of its message box")
        self.assertEqual(code, 0, f"round {round_number}: the second copy exited with {code}")
        time.sleep(0.3)
        self.assertIsNone(pids[main_pid].poll(), f"round {round_number}: the running copy ended with the other")
        self.assertEqual(list(self.x.windows(MAIN_TITLE).values()), [main_pid],
                         f"round {round_number}: the main window went away with the other copy")

    def test_simultaneous_starts_give_one_window_and_one_message(self):
        for round_number in range(RACES):
            # Odd rounds race over the lock the killed winner of the round before left behind.
            stale = round_number % 2 == 1
            if not stale and os.path.exists(self.user.lock):
                os.remove(self.user.lock)
            with self.subTest(round=round_number, stale_lock=stale):
                self.race(round_number, stale)
            self.kill_all()
            self.processes.clear()
        print(f"simultaneous start rounds: {RACES}")


if __name__ == "__main__":
    unittest.main(verbosity=2)
