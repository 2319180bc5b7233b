"""SIGKILL at random moments while the real save code replaces a large reading file."""
import os
import random
import select
import signal
import subprocess
import time
import unittest

import desktop as d

TRIES = 200
ROUNDS = 6


class SaveKill(unittest.TestCase):
    def setUp(self):
        self.driver = d.built_executable("KINWISE_SAVE_DRIVER")
        self.root = str(d.scratch_folder(self))
        subprocess.run([self.driver, "refs", self.root], check=True, timeout=30)
        with open(os.path.join(self.root, "A.bin"), "rb") as f:
            self.a = f.read()
        with open(os.path.join(self.root, "B.bin"), "rb") as f:
            self.b = f.read()
        self.assertNotEqual(self.a, self.b, "the two readings must differ for the check to mean anything")
        self.assertGreater(len(self.a), 100_000, "the reading should be large enough to take a while to save")

    def test_killed_save_leaves_whole_old_or_new_file(self):
        folder = os.path.join(self.root, "save")
        os.mkdir(folder)
        target = os.path.join(folder, "reading.man")
        rng = random.Random(int(os.environ.get("KINWISE_ROBUST_SEED", time.time_ns())))
        completed_ever = False
        survived = mid_write = 0
        for attempt in range(TRIES):
            # The kill follows a report chosen at random: the start or the end of one of the first
            # rounds, so it lands inside a save, between saves, over a missing, old or new file.
            step = f"\n{rng.choice('wd')} {rng.randrange(ROUNDS)}\n".encode()
            process = subprocess.Popen([self.driver, "loop", target], stdout=subprocess.PIPE)
            seen = b"\n"
            while step not in seen:
                ready, _, _ = select.select([process.stdout], [], [], 10)
                chunk = os.read(process.stdout.fileno(), 65536) if ready else b""
                self.assertTrue(chunk, f"try {attempt}: driver never reported {step!r}")
                seen += chunk
            process.send_signal(signal.SIGKILL)
            seen += process.stdout.read()
            process.wait()
            process.stdout.close()
            self.assertEqual(process.returncode, -signal.SIGKILL,
                             f"try {attempt}: driver ended by itself ({process.returncode}) instead of by the kill")
            lines = seen.decode().split("\n")
            if lines and lines[-1] == "" and len(lines) > 1 and lines[-2].startswith("w"):
                mid_write += 1  # last word was "writing": the kill landed inside a save
            if b"d " in seen:
                completed_ever = True
            if not os.path.exists(target):
                self.assertFalse(completed_ever,
                                 f"try {attempt}: target vanished after a completed save (killed after {step!r})")
                continue
            completed_ever = True
            with open(target, "rb") as f:
                content = f.read()
            if content not in (self.a, self.b):
                self.fail(f"try {attempt}: killed after {step!r}, the target holds {len(content)} bytes, "
                          f"neither reading A ({len(self.a)}) nor B ({len(self.b)}) complete")
            survived += 1
        leftovers = [name for name in os.listdir(folder) if name != "reading.man"]
        print(f"kills: {TRIES}, target checked whole after {survived}, killed while writing {mid_write}, "
              f"temporary files left by killed saves {len(leftovers)}")
        self.assertTrue(completed_ever, "no save ever completed, so nothing was checked")
        self.assertGreater(mid_write, 0, "no kill landed inside a save; the timing no longer tests anything")


if __name__ == "__main__":
    d.main()
