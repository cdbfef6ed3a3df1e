#!/usr/bin/env python3
"""Plays logged device lines through pseudo-terminals, so that Quellbay can be tried without a
receiver or a sounder.

Each log gets a pseudo-terminal of its own; the script prints its device path, which goes into
the section SERIAL_PORTS of the settings file (for example COM3=/dev/pts/4). All logs play in
one time line, each line at its logged time, ended by CR LF as a device sends it.

A log is time-stamped when its first line begins with a date and a time: the "YYYY-MM-DD
HH:MM:SS.mmm " that the program's own NMEA logs write, or an ISO 8601 stamp such as
"2014-08-01T00:00:00.285000Z ". The stamp is taken off before the line is sent; a line
without one goes with the line before it, and a stamp earlier than the one before plays at
once. Any other log is plain: its lines follow each other at --rate lines a second from the
start of the time line. Empty lines and lines beginning with "#" (comments in many captures)
are not sent.

Nobody needs to read a terminal: like a device on an unplugged cable, the script drops what
waits unread once the terminal's buffer is full. Ctrl+C ends it; at the end of the logs it
waits for Ctrl+C, so the program does not see its ports vanish.
"""

import argparse
import datetime
import heapq
import os
import re
import select
import signal
import sys
import termios
import time
import tty

STAMP = re.compile(
    rb"(\d{4})-(\d\d)-(\d\d)[ T](\d\d)\D(\d\d)\D(\d\d)(?:[.,](\d{1,9}))?Z?[ \t]+")


def stamp_seconds(match):
    """Seconds since 1970 of a matched stamp, read as UTC (only differences matter)."""
    year, month, day, hour, minute, second = (int(g) for g in match.groups()[:6])
    fraction = match.group(7) or b"0"
    moment = datetime.datetime(year, month, day, hour, minute, second,
                               tzinfo=datetime.timezone.utc)
    return moment.timestamp() + int(fraction) / 10 ** len(fraction)


def device_lines(path):
    """The lines of a log that a device would send, without line ends."""
    with open(path, "rb") as log:
        lines = [line.rstrip(b"\r\n") for line in log]
    return [line for line in lines if line.strip() and not line.startswith(b"#")]


class Log:
    """One log: its lines with their times in seconds, and whether it was time-stamped."""

    def __init__(self, path):
        self.path = path
        self.name = os.path.basename(path)
        raw = device_lines(path)
        self.stamped = bool(raw) and STAMP.match(raw[0]) is not None
        self.lines = []  # (seconds or line number, bytes)
        last = None
        for number, line in enumerate(raw):
            if not self.stamped:
                self.lines.append((number, line))
                continue
            match = STAMP.match(line)
            if match:
                seconds = stamp_seconds(match)
                last = seconds if last is None else max(last, seconds)
                line = line[match.end():]
            self.lines.append((last, line))

    def timed_lines(self, origin, rate):
        """(seconds after the time line's start, line) for every line."""
        if self.stamped:
            return [(seconds - origin, line) for seconds, line in self.lines]
        return [(number / rate, line) for number, line in self.lines]

    def span(self, rate):
        if not self.lines:
            return 0.0
        first, last = self.lines[0][0], self.lines[-1][0]
        return (last - first) / (1 if self.stamped else rate)


class Terminal:
    """A pseudo-terminal in raw mode; the script writes the device's side."""

    def __init__(self):
        self.master, self.slave = os.openpty()
        tty.setraw(self.slave)  # the first reader gets the bytes as sent
        os.set_blocking(self.master, False)
        self.path = os.ttyname(self.slave)

    def send(self, data):
        for attempt in range(2):
            try:
                while data:
                    data = data[os.write(self.master, data):]
                return
            except BlockingIOError:
                # Nobody reads: drop what waits, as the unread bytes of a device are lost.
                termios.tcflush(self.slave, termios.TCIFLUSH)

    def drain(self):
        """Reads and drops what the program wrote to the device (corrections, commands)."""
        try:
            while os.read(self.master, 4096):
                pass
        except (BlockingIOError, OSError):
            pass

    def close(self):
        os.close(self.master)
        os.close(self.slave)


def wait_until(due, terminals):
    """Sleeps until the monotonic time `due`, draining what the program writes meanwhile."""
    masters = [t.master for t in terminals]
    while True:
        left = due - time.monotonic()
        if left <= 0:
            return
        ready, _, _ = select.select(masters, [], [], None if left == float("inf") else left)
        for terminal in terminals:
            if terminal.master in ready:
                terminal.drain()


def play(logs, terminals, speed, rate):
    stamps = [log.lines[0][0] for log in logs if log.stamped and log.lines]
    origin = min(stamps) if stamps else 0.0
    streams = [
        [(seconds, index, line) for seconds, line in log.timed_lines(origin, rate)]
        for index, log in enumerate(logs)
    ]
    start = time.monotonic()
    sent = 0
    for seconds, index, line in heapq.merge(*streams):
        wait_until(start + seconds / speed, terminals)
        terminals[index].send(line + b"\r\n")
        sent += 1
    return sent


def parse_arguments():
    parser = argparse.ArgumentParser(
        description="Plays device logs through pseudo-terminals at their logged rate.",
        epilog="Example: scripts/replay.py ../shared/realdata/nmea/openrvdas__NBP1406_s330-"
        "2014-08-01.log ../shared/realdata/echosounder/openrvdas__NBP1406_mbdp-2014-08-01.log")
    parser.add_argument("logs", nargs="+", metavar="LOG", help="a log file, one per terminal")
    parser.add_argument("--speed", type=float, default=1.0,
                        help="play this many times faster than logged (default 1)")
    parser.add_argument("--rate", type=float, default=1.0,
                        help="lines a second of logs without time stamps (default 1)")
    arguments = parser.parse_args()
    if not arguments.speed > 0 or not arguments.rate > 0:
        parser.error("--speed and --rate must be greater than 0")
    return arguments


def announce(logs, terminals, arguments):
    for log, terminal in zip(logs, terminals):
        kind = "time-stamped" if log.stamped else f"plain, {arguments.rate:g} lines/s"
        minutes = log.span(arguments.rate) / arguments.speed / 60
        print(f"replay: {terminal.path}  {log.name}  ({len(log.lines)} lines, {kind}, "
              f"{minutes:.1f} min)")
    print("replay: map them in the settings file, section [SERIAL_PORTS], for example")
    # High numbers, as the program gives the low ones to the machine's own serial devices.
    for number, terminal in enumerate(terminals, start=11):
        print(f"    COM{number}={terminal.path}")
    print(f"replay: playing at {arguments.speed:g}x; Ctrl+C ends", flush=True)


def main():
    arguments = parse_arguments()
    try:
        logs = [Log(path) for path in arguments.logs]
    except OSError as error:
        sys.exit(f"replay: {error.filename}: {error.strerror}")
    # Ctrl+C and a plain kill both end the replay through KeyboardInterrupt.
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    terminals = [Terminal() for _ in logs]
    sent = 0
    try:
        announce(logs, terminals, arguments)
        sent = play(logs, terminals, arguments.speed, arguments.rate)
        print(f"replay: end of the logs after {sent} lines; Ctrl+C ends", flush=True)
        wait_until(float("inf"), terminals)
    except KeyboardInterrupt:
        print("replay: stopped", flush=True)
    except BrokenPipeError:
        pass  # the terminal that printed our output has gone
    finally:
        for terminal in terminals:
            terminal.close()


if __name__ == "__main__":
    main()
