"""Simultaneous starts of the real program under Xvfb, over no lock and over a stale one."""
import os
import subprocess
import unittest

import desktop as d

RACES = 10
WINDOW_SECONDS = 10
MAIN_TITLE = d.main_title()
BOX_TITLE = d.BOX_TITLE


class Instances(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.x = d.Session("robust-instances", bus=False, window_manager=False).open()
        cls.users = 0

    @classmethod
    def tearDownClass(cls):
        cls.x.close()

    def setUp(self):
        Instances.users += 1
        self.user = self.x.user_folders(f"user{self.users}")
        self.processes = []
        self.addCleanup(lambda: [d.stop_process(p) for p in self.processes])

    def start(self, stdin=None, barrier=False):
        command = [self.x.program_path]
        if barrier:
            # Both copies wait on one pipe; closing its write end lets them exec at once.
            command = ["sh", "-c", 'read _; exec "$0"', self.x.program_path]
        process = self.x.spawn(command, env=self.x.program_env(self.user), stdin=stdin,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(process)
        return process

    def wait_windows(self, main_count, box_count):
        """Waits until exactly these counts show; returns (main windows, boxes) as {id: pid}."""
        def counts():
            main, box = self.x.x_windows(MAIN_TITLE), self.x.x_windows(BOX_TITLE)
            return (main, box) if (len(main), len(box)) == (main_count, box_count) else None
        try:
            return d.wait_until(f"{main_count} main window(s) and {box_count} message box(es)",
                                counts, WINDOW_SECONDS)
        except d.StepFailed as error:
            main, box = self.x.x_windows(MAIN_TITLE), self.x.x_windows(BOX_TITLE)
            alive = {p.pid: p.poll() for p in self.processes}
            self.fail(f"{error}: saw main {main} and boxes {box} (window: pid); "
                      f"our processes (pid: exit code) {alive}")

    def kill_all(self):
        for process in self.processes:
            d.stop_process(process)
        d.wait_until("the killed copies' windows to go", lambda: not self.x.x_windows("^Kinwise"), 5)

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
        self.x.press_return_in(box_window)
        try:
            code = blocked.wait(5)
        except subprocess.TimeoutExpired:
            self.fail(f"round {round_number}: the second copy did not exit on OK of its message box")
        self.assertEqual(code, 0, f"round {round_number}: the second copy exited with {code}")
        # The copies share nothing but the lock file: whatever ended the running copy with the
        # other would have come before the other's exit, which has been waited for.
        self.assertIsNone(pids[main_pid].poll(), f"round {round_number}: the running copy ended with the other")
        self.assertEqual(list(self.x.x_windows(MAIN_TITLE).values()), [main_pid],
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
    d.main()
