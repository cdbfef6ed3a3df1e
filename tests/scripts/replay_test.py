#!/usr/bin/env python3
"""scripts/replay.py against readers on its pseudo-terminals, as the program reads its ports:
every line must arrive whole, in order and at its logged time (within 50 ms), in one time line
for all logs, with --speed applied; Ctrl+C must end the replay cleanly."""

import os
import pathlib
import select
import signal
import subprocess
import sys
import tempfile
import termios
import time
import tty
import unittest

REPLAY = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "replay.py"
TOLERANCE = 0.050
LEAD_IN = 0.2


def write(folder, name, text):
    path = os.path.join(folder, name)
    with open(path, "w", newline="") as log:
        log.write(text)
    return path


class Reader:
    """One port's reader: the lines that came and when, on the monotonic clock."""

    def __init__(self, path):
        self.fd = os.open(path, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
        tty.setraw(self.fd, termios.TCSANOW)  # keeps what came before the reader opened
        self.pending = b""
        self.lines = []  # (arrival, line with its CR LF)

    def read(self):
        arrival = time.monotonic()
        self.pending += os.read(self.fd, 65536)
        while b"\n" in self.pending:
            line, self.pending = self.pending.split(b"\n", 1)
            self.lines.append((arrival, line + b"\n"))


class ReplayTest(unittest.TestCase):
    def start(self, *arguments):
        process = subprocess.Popen([sys.executable, str(REPLAY), *arguments],
                                   stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.addCleanup(self.stop, process)
        paths = []
        for line in process.stdout:
            text = line.decode()
            if text.startswith("replay: playing"):
                return process, paths
            if text.startswith("replay: /dev/"):
                paths.append(text.split()[1])
        self.fail("no start: " + process.stderr.read().decode())

    def stop(self, process):
        if process.poll() is None:
            process.kill()
        process.communicate()

    def collect(self, readers, count, timeout):
        """Reads until `count` lines came in all or `timeout` seconds passed."""
        end = time.monotonic() + timeout
        fds = {reader.fd: reader for reader in readers}
        while sum(len(r.lines) for r in readers) < count and time.monotonic() < end:
            ready, _, _ = select.select(list(fds), [], [], end - time.monotonic())
            for fd in ready:
                fds[fd].read()

    def check_times(self, readers, expected):
        """Each reader's lines against (seconds after the first line, line) of the same log.
        The time line starts at an instant the readers do not see, so the offset is that of
        the most punctual line: none may come early, none more than the tolerance late. Lines
        due in the first LEAD_IN seconds may wait in the terminal until the reader opens."""
        for reader, lines in zip(readers, expected):
            self.assertEqual([line for _, line in reader.lines], [line for _, line in lines])
        delays = [arrival - seconds
                  for reader, lines in zip(readers, expected)
                  for (arrival, _), (seconds, _) in zip(reader.lines, lines)
                  if seconds >= LEAD_IN]
        for delay in delays:
            self.assertLess(delay - min(delays), TOLERANCE)

    def close_readers(self, readers):
        for reader in readers:
            os.close(reader.fd)

    def test_three_kinds_of_log_in_one_time_line(self):
        with tempfile.TemporaryDirectory() as folder:
            # The program's own NMEA log, with a comment and a line without a stamp.
            own = write(folder, "own.log",
                        "# receiver log\r\n"
                        "2026-12-11 10:00:00.200 $GPGGA,100000.00,5400.0,N,00800.0,E,1*00\r\n"
                        "$GPVTG,215.1,T,,M,9.1,N,16.9,K,A*05\r\n"
                        "\r\n"
                        "2026-12-11 10:00:00.700 $GPHDT,218.26,T*1A\r\n"
                        "2026-12-11 10:00:01.450 $GPHDT,218.30,T*1A\r\n")
            # Another logger's stamp, half a second behind, and LF line ends.
            iso = write(folder, "iso.log",
                        "2026-12-11T10:00:00.700000Z $KIDPT,4674.70,8.62,12000.0*79\n"
                        "2026-12-11T10:00:01.150000Z $KIDPT,4407.64,7.56,12000.0*72\n"
                        "2026-12-11T10:00:01.151000Z $KIDPT,4375.31,7.83,12000.0*78\n")
            plain = write(folder, "plain.log", "DBT 1\nDBT 2\nDBT 3\n")
            process, paths = self.start("--rate", "4", own, iso, plain)
            readers = [Reader(path) for path in paths]
            self.addCleanup(self.close_readers, readers)
            self.collect(readers, 10, 5)
            expected = [
                [(0.0, b"$GPGGA,100000.00,5400.0,N,00800.0,E,1*00\r\n"),
                 (0.0, b"$GPVTG,215.1,T,,M,9.1,N,16.9,K,A*05\r\n"),
                 (0.5, b"$GPHDT,218.26,T*1A\r\n"),
                 (1.25, b"$GPHDT,218.30,T*1A\r\n")],
                [(0.5, b"$KIDPT,4674.70,8.62,12000.0*79\r\n"),
                 (0.95, b"$KIDPT,4407.64,7.56,12000.0*72\r\n"),
                 (0.951, b"$KIDPT,4375.31,7.83,12000.0*78\r\n")],
                [(0.0, b"DBT 1\r\n"), (0.25, b"DBT 2\r\n"), (0.5, b"DBT 3\r\n")],
            ]
            self.check_times(readers, expected)
            process.send_signal(signal.SIGINT)
            out, err = process.communicate(timeout=5)
            self.assertEqual(process.returncode, 0)
            self.assertIn(b"replay: stopped", out)
            self.assertEqual(err, b"")

    def test_speed_and_ctrl_c_in_the_middle(self):
        with tempfile.TemporaryDirectory() as folder:
            stamps = "".join(f"2014-08-01T00:00:{s:02d}.000000Z $INHDT,{s}.0,T\n"
                             for s in range(0, 40, 2))
            log = write(folder, "s330.log", stamps)
            process, paths = self.start("--speed", "8", log)
            reader = Reader(paths[0])
            self.addCleanup(self.close_readers, [reader])
            self.collect([reader], 5, 5)
            del reader.lines[5:]
            expected = [(s / 8, f"$INHDT,{s}.0,T\r\n".encode()) for s in range(0, 10, 2)]
            self.check_times([reader], [expected])
            process.send_signal(signal.SIGINT)
            out, err = process.communicate(timeout=5)
            self.assertEqual(process.returncode, 0)
            self.assertIn(b"replay: stopped", out)
            self.assertEqual(err, b"", "no traceback")

    def test_unreadable_log_is_refused_with_its_name(self):
        process = subprocess.run([sys.executable, str(REPLAY), "/nonexistent/gnss.log"],
                                 capture_output=True, timeout=10)
        self.assertNotEqual(process.returncode, 0)
        self.assertIn(b"/nonexistent/gnss.log", process.stderr)


if __name__ == "__main__":
    unittest.main()
