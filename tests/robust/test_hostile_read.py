"""Files that would hang or exhaust the reader, opened by the program's own reading code."""
import os
import subprocess
import sys
import time
import unittest

import desktop as d

LIMIT_SECONDS = 2.0
LIMIT_KIB = 100 * 1024
MAX_LINE_BYTES = 1024 * 1024


def sparse_gib(path):
    with open(path, "wb") as f:
        f.truncate(1 << 30)  # 1 GiB of zero bytes, no line end anywhere


def dev_zero_link(path):
    os.symlink("/dev/zero", path)


def fifo_alone(path):
    os.mkfifo(path)


def fifo_endless(path):
    os.mkfifo(path)
    # Opened read-write so the writer never waits for a reader: the pipe is full and stays open.
    writer = subprocess.Popen([sys.executable, "-c",
                               "import os, sys\nfd = os.open(sys.argv[1], os.O_RDWR)\n"
                               "print(flush=True)\nwhile True: os.write(fd, b'x' * 65536)", path],
                              stdout=subprocess.PIPE)
    writer.stdout.readline()
    return writer


def long_regular(path):
    # A regular file the reader must cut: a 3 MiB name line without CR, then nothing.
    with open(path, "wb") as f:
        f.write(b"k" * (3 << 20))


CASES = [
    # name, maker, name length read back ("k" unscrambles to "a"; zero bytes to nothing)
    ("1 GiB sparse file without line ends", sparse_gib, 0),
    ("symlink to /dev/zero", dev_zero_link, 0),
    ("FIFO with no writer", fifo_alone, 0),
    ("FIFO with an endless writer", fifo_endless, 0),
    ("3 MiB regular line", long_regular, MAX_LINE_BYTES),
]


class HostileRead(unittest.TestCase):
    def setUp(self):
        self.driver = d.built_executable("KINWISE_READ_DRIVER")
        self.root = str(d.scratch_folder(self))

    def test_cases(self):
        tried = 0
        for name, maker, name_length in CASES:
            with self.subTest(name):
                folder = os.path.join(self.root, f"case{tried}")
                os.mkdir(folder)
                path = os.path.join(folder, "x.man")
                helper = maker(path)
                if helper is not None:
                    self.addCleanup(helper.wait)
                    self.addCleanup(helper.kill)
                    self.addCleanup(helper.stdout.close)
                tried += 1
                started = time.monotonic()
                try:
                    run = subprocess.run(["prlimit", f"--as={2 << 30}", self.driver, "read", path],
                                         capture_output=True, text=True, timeout=10)
                except subprocess.TimeoutExpired:
                    self.fail(f"{name}: reading did not finish within 10 s")
                took = time.monotonic() - started
                self.assertEqual(run.returncode, 0, f"{name}: driver failed: {run.stderr}")
                fields = dict(line.split(" ", 1) for line in run.stdout.splitlines())
                lengths = [int(n) for n in fields["lengths"].split()]
                peak = int(fields["vmhwm_kib"])
                print(f"{name}: {took:.2f} s, peak {peak} KiB, lengths {lengths}")
                self.assertLess(took, LIMIT_SECONDS, f"{name}: reading took {took:.2f} s")
                self.assertGreater(peak, 0, f"{name}: the driver could not report its peak memory")
                self.assertLess(peak, LIMIT_KIB, f"{name}: peak memory {peak} KiB")
                for length in lengths:
                    self.assertLessEqual(length, MAX_LINE_BYTES, f"{name}: a text longer than one capped line")
                self.assertEqual(lengths, [name_length, 0, 0, 0],
                                 f"{name}: expected a name of {name_length} characters and no other text")
        print(f"hostile files tried: {tried}")


if __name__ == "__main__":
    d.main()
