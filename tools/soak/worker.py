"""The soak of one program on its own display: random keys, clicks and closes,
with the windows that open closed again after a while and the program started
again when it ends; every few seconds a ping, every 30 seconds its memory, and
now and then a round of repeated openings of one window to measure the memory
each opening keeps."""

import collections
import json
import os
import random
import time

from programs import PROGRAMS
from program import Instance
from sandbox import Sandbox
from xinput import Input
from xsession import XSession, SCREEN_HEIGHT, SCREEN_WIDTH
from xwin import Windows

PING_EVERY = 1.0
HANG_AFTER = 5.0        # seconds without an answer to a ping
GIVE_UP_AFTER = 30.0    # a hang that lasts this long is killed and the program started again
RSS_EVERY = 30.0
ROUND_EVERY = 40.0      # seconds of random input between two rounds of openings
ROUND_OPENINGS = 30
START_TIMEOUT = 30.0

GAME_KEYS = ["4", "5", "6", "plus", "minus", "asterisk", "slash", "0",
             "KP_4", "KP_5", "KP_6", "KP_Add", "KP_Subtract", "KP_Multiply", "KP_Divide", "KP_0"]
NAMED_KEYS = ["Return", "KP_Enter", "Escape", "Tab", "shift+Tab", "Up", "Down", "Left", "Right",
              "Home", "End", "Prior", "Next", "BackSpace", "Delete", "space"]
LETTERS = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
TEXT_CHARACTERS = LETTERS + " .,-_\\/:*?\"<>|'#+!$%&()=äöüÄÖÜß€é"


class Worker:
    def __init__(self, name, minutes, outdir, scratch, program_folder, seed):
        self.name = name
        self.info = PROGRAMS[name]
        self.duration = minutes * 60.0
        self.outdir = outdir
        self.rng = random.Random(seed)
        self.sandbox = Sandbox(scratch, program_folder)
        self.session = XSession(os.path.join(outdir, "x"))
        self.instance = None
        self.instance_no = 0
        self.main = None
        self.present = {}          # window id -> label, as now listed
        self.opened_at = {}        # window id -> when it appeared
        self.close_asked = {}      # window id -> when we first asked it to close
        self.openings = collections.Counter()
        self.rss = []              # (run seconds, instance, uptime, KiB)
        self.rounds = collections.defaultdict(list)   # label -> [[KiB after each closing], ...]
        self.unavailable = {}      # label -> why its opener did nothing
        self.crashes, self.hangs, self.stalls, self.ends = [], [], [], []
        self.stuck = collections.Counter()
        self.actions = collections.deque(maxlen=400)
        self.action_count = collections.Counter()
        self.instances = []
        self._last_ping = self._last_rss = 0.0

    # --- life of the program --------------------------------------------

    def now(self):
        return time.monotonic() - self.t0

    def start_program(self):
        self.instance_no += 1
        log = os.path.join(self.outdir, f"stderr-{self.instance_no:03d}.log")
        self.instance = Instance(self.sandbox, self.info.executable, self.session.display, log)
        self.main = None
        self.present.clear()
        self.windows.forget_pings()
        self.instances.append({"no": self.instance_no, "start": self.now(), "end": None, "code": None})

    def check_exit(self):
        code = self.instance.poll()
        if code is None:
            return False
        record = self.instances[-1]
        record.update(end=self.now(), code=code, uptime=round(self.instance.uptime(), 1))
        if code == 0:
            self.ends.append(round(self.now(), 1))
        else:
            self.crashes.append({
                "at": round(self.now(), 1), "instance": self.instance_no,
                "code": code, "signal": -code if code < 0 else None,
                "stderr": self.instance.stderr_tail(), "backtrace": self.instance.core_backtrace(),
                "last_actions": self.last_actions()})
        self.instance.close()
        time.sleep(0.3)
        self.start_program()
        return True

    def label(self, wid, title):
        if wid == self.main:
            return title + " [Hauptfenster]"
        return title

    def refresh_windows(self):
        listed = self.windows.clients()
        for wid in listed:
            if wid in self.present:
                continue
            title = self.windows.title(wid)
            if title is None:
                continue
            if self.main is None and title == self.info.main_title:
                self.main = wid
            label = self.label(wid, title)
            self.present[wid] = label
            self.opened_at[wid] = time.monotonic()
            self.openings[label] += 1
        for wid in [w for w in self.present if w not in listed]:
            del self.present[wid]
            self.opened_at.pop(wid, None)
            self.close_asked.pop(wid, None)
        if self.main is not None and self.main not in listed and self.main not in self.present:
            self.windows.forget_pings()

    def ping_target(self):
        if self.main in self.present:
            return self.main
        return next(iter(self.present), None)

    def check_ping(self):
        self.windows.collect_replies()
        waited = self.windows.oldest_unanswered()
        if waited > HANG_AFTER:
            self.handle_hang(waited)
        elif time.monotonic() - self._last_ping >= PING_EVERY:
            target = self.ping_target()
            if target is not None:
                self.windows.ping(target)
                self._last_ping = time.monotonic()

    def handle_hang(self, waited):
        target = self.ping_target()
        if target is None:
            self.windows.forget_pings()
            return
        began = time.monotonic() - waited
        entry = {"at": round(self.now() - waited, 1), "instance": self.instance_no,
                 "windows": sorted(self.present.values()), "last_actions": self.last_actions(self.now() - waited),
                 "backtrace": self.instance.live_backtrace()}
        self.windows.forget_pings()
        while time.monotonic() - began < GIVE_UP_AFTER:
            if self.instance.poll() is not None:
                break
            self.windows.ping(target)
            time.sleep(0.5)
            self.windows.collect_replies()
            if not self.windows._pings:
                entry["answered_after"] = round(time.monotonic() - began, 1)
                self.stalls.append(entry)
                return
        entry["stderr"] = self.instance.stderr_tail()
        self.hangs.append(entry)
        self.instance.kill()
        self.check_exit()

    def sample_rss(self, force=False):
        if not force and (time.monotonic() - self._last_rss < RSS_EVERY or self.instance.uptime() < 2):
            return  # a program just started has not yet loaded its libraries
        self._last_rss = time.monotonic()
        kib = self.instance.rss_kib()
        if kib is not None:
            self.rss.append((round(self.now(), 1), self.instance_no, round(self.instance.uptime(), 1), kib))

    def tick(self):
        """Everything that must go on whatever the input does. True when the program started again."""
        restarted = self.check_exit()
        self.refresh_windows()
        self.check_ping()
        self.sample_rss()
        return restarted

    def wait(self, seconds, until=None):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            if self.tick():
                return False
            if until and until():
                return True
            time.sleep(0.03)
        return bool(until and until())

    # --- closing what opens ---------------------------------------------

    def tidy(self, max_open):
        """Closes the windows that have been open long enough, as their close boxes do."""
        now = time.monotonic()
        for wid, label in list(self.present.items()):
            if wid == self.main:
                continue
            asked = self.close_asked.get(wid)
            if asked is None:
                if now - self.opened_at.get(wid, now) >= max_open:
                    self.windows.close(wid)
                    self.close_asked[wid] = now
            elif now - asked > 5 and int(now - asked) % 5 == 0:
                # It did not close: Esc to it, as a user would try next.
                self.windows.activate(wid)
                time.sleep(0.05)
                self.input.key("Escape")
                self.windows.close(wid)
                if now - asked > 60:
                    self.stuck[label] += 1
                    self.close_asked[wid] = now

    # --- random input ---------------------------------------------------

    def note(self, what):
        self.actions.append((self.now(), what))
        self.action_count[what.split(" ")[0]] += 1

    def last_actions(self, before=None):
        """The input that led up to a fault, up to the moment it began."""
        return [f"{t:8.1f}s {what}" for t, what in self.actions if before is None or t <= before][-40:]

    def random_point(self):
        wins = [w for w in self.present]
        active = self.windows.active()
        if wins and self.rng.random() < 0.95:
            wid = active if active in self.present and self.rng.random() < 0.7 else self.rng.choice(wins)
            g = self.windows.geometry(wid)
            if g and g[2] > 0 and g[3] > 0:
                x, y, w, h = g
                # A little above the client area lies the title bar with its close box.
                return (x + self.rng.randrange(w), y + self.rng.randrange(-22, h)), self.present[wid]
        return (self.rng.randrange(SCREEN_WIDTH), self.rng.randrange(SCREEN_HEIGHT)), "screen"

    def random_action(self):
        r = self.rng
        kind = r.choices(["game_key", "letter", "fkey", "named", "ctrl", "text", "left", "right", "double",
                          "close", "close_main"],
                         weights=[18, 10, 6, 14, 8, 5, 22, 7, 7, 3, 0.01])[0]
        target = self.present.get(self.windows.active(), "?")
        if kind == "game_key":
            key = r.choice(GAME_KEYS)
        elif kind == "letter":
            key = r.choice(LETTERS)
        elif kind == "fkey":
            key = f"F{r.randint(1, 12)}"
        elif kind == "named":
            key = r.choice(NAMED_KEYS)
        elif kind == "ctrl":
            key = "ctrl+" + r.choice("abcdefghijklmnopqrstuvwxyz")
        else:
            key = None
        if key:
            self.input.key(key)
            self.note(f"key {key} -> {target}")
        elif kind == "text":
            text = "".join(r.choice(TEXT_CHARACTERS) for _ in range(r.randint(1, 14)))
            self.input.type_text(text)
            self.note(f"text {text!r} -> {target}")
        elif kind in ("left", "right", "double"):
            (x, y), where = self.random_point()
            button, times = {"left": (1, 1), "right": (3, 1), "double": (1, 2)}[kind]
            self.input.click(x, y, button, times)
            self.note(f"{kind}-click {x},{y} on {where}")
        elif kind == "close":
            others = [w for w in self.present if w != self.main]
            if others:
                wid = r.choice(others)
                self.windows.close(wid)
                self.note(f"close {self.present[wid]}")
        elif kind == "close_main" and self.main in self.present:
            self.windows.close(self.main)
            self.note(f"close {self.present[self.main]}")

    # --- rounds of openings ---------------------------------------------

    def do_steps(self, steps):
        for kind, arg in steps:
            if kind == "key":
                self.input.key(arg)
            else:
                g = self.windows.geometry(self.main) if self.main else None
                if not g:
                    return
                x, y, w, h = g
                menu = h - round(self.info.client_height_twips / 15) if self.info.client_height_twips else 0
                self.input.click(x + arg[0] / 15, y + menu + arg[1] / 15)
            time.sleep(0.15)

    def close_all_but_main(self, timeout=6.0):
        for wid in list(self.present):
            if wid != self.main:
                self.windows.close(wid)
        others = lambda: all(w == self.main for w in self.present)
        if not self.wait(timeout, others):
            for wid in list(self.present):
                if wid != self.main:
                    self.windows.activate(wid)
                    self.input.key("Escape")
            return self.wait(timeout, others)
        return True

    def round_of_openings(self, opener):
        if not self.close_all_but_main() or self.main not in self.present:
            return
        start_instance = self.instance_no
        uptime = round(self.instance.uptime(), 1)
        values, failures = [], 0
        for attempt in range(ROUND_OPENINGS):
            if self.instance_no != start_instance or self.main not in self.present:
                break
            self.windows.activate(self.main)
            self.wait(0.1)
            before = set(self.present)
            self.do_steps(opener.steps(attempt))
            appeared = lambda: [w for w, l in self.present.items() if l in opener.window_titles() and w not in before]
            if not self.wait(4.0, lambda: bool(appeared())):
                failures += 1
                self.close_all_but_main()
                if failures >= 3:
                    break
                continue
            self.wait(0.3)
            if not self.close_all_but_main():
                break
            self.wait(0.1)
            kib = self.instance.rss_kib()
            if kib is not None and self.instance_no == start_instance:
                values.append(kib)
        self.note(f"round {opener.title}: {len(values)} openings")
        if values:
            self.rounds[opener.title].append({"uptime": uptime, "kib": values})
        elif not self.rounds[opener.title]:
            self.unavailable[opener.title] = f"{opener.how} opened no window \"{opener.title}\""

    # --- the run ----------------------------------------------------------

    def run(self):
        self.t0 = time.monotonic()
        self.session.start()
        self.windows = Windows(self.session.display)
        self.input = Input(self.session.display)
        self.input.map_extra_characters()
        time.sleep(0.5)  # the window manager takes the screen
        self.start_program()
        openers = list(self.info.openers)
        next_round = ROUND_EVERY
        opener_no = 0
        max_open = self.rng.uniform(1.5, 8)
        try:
            while self.now() < self.duration:
                if self.tick():
                    continue
                if self.main is None:
                    if self.instance.uptime() > START_TIMEOUT and not self.present:
                        self.hangs.append({"at": round(self.now(), 1), "instance": self.instance_no,
                                           "windows": [], "what": "no window within 30 s of the start",
                                           "backtrace": self.instance.live_backtrace(),
                                           "stderr": self.instance.stderr_tail()})
                        self.instance.kill()
                    time.sleep(0.05)
                    if not self.present:
                        continue
                if self.now() >= next_round and openers:
                    opener = openers[opener_no % len(openers)]
                    opener_no += 1
                    if opener.title not in self.unavailable:
                        self.round_of_openings(opener)
                    next_round = self.now() + ROUND_EVERY
                    continue
                self.random_action()
                self.tidy(max_open)
                if self.rng.random() < 0.05:
                    max_open = self.rng.uniform(1.5, 8)
                time.sleep(self.rng.uniform(0.02, 0.09))
        finally:
            self.input.release_all()
            if self.instance:
                self.sample_rss(force=True)
                if self.instance.poll() is None:
                    self.instances[-1].update(end=self.now(), code="running at the end",
                                              uptime=round(self.instance.uptime(), 1))
                self.instance.close()
            self.session.stop()
        return self.result()

    def result(self):
        return {
            "program": self.name, "seconds": round(self.now(), 1), "display": self.session.display,
            "crashes": self.crashes, "hangs": self.hangs, "stalls": self.stalls, "ends": len(self.ends),
            "instances": self.instances, "rss": self.rss, "openings": dict(self.openings),
            "rounds": dict(self.rounds), "unavailable": self.unavailable, "stuck": dict(self.stuck),
            "actions": dict(self.action_count), "link_calls": self.sandbox.link_calls(),
            "ping_answers": len(self.windows.answered),
            "ping_max": round(max(self.windows.answered), 3) if self.windows.answered else None,
            "written": self.sandbox.changes(),
        }


def main():
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True, choices=sorted(PROGRAMS))
    parser.add_argument("--minutes", type=float, default=10)
    parser.add_argument("--outdir", required=True)
    parser.add_argument("--scratch", required=True)
    parser.add_argument("--folder", required=True)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    os.makedirs(args.outdir, exist_ok=True)
    worker = Worker(args.program, args.minutes, args.outdir, args.scratch, args.folder, args.seed)
    result = worker.run()
    with open(os.path.join(args.outdir, "result.json"), "w") as f:
        json.dump(result, f, ensure_ascii=False, indent=1)


if __name__ == "__main__":
    main()
