"""One run of a program in its scratch folder: start, how it ended, its
resident memory, and a backtrace from gdb (of a live process that hangs, or of
the core a crash leaves)."""

import glob
import os
import resource
import signal
import subprocess
import time


def _allow_core():
    resource.setrlimit(resource.RLIMIT_CORE, (resource.RLIM_INFINITY, resource.RLIM_INFINITY))


class Instance:
    def __init__(self, sandbox, executable, display, log_path):
        self.sandbox = sandbox
        self.executable = executable
        self.log_path = log_path
        self.started = time.monotonic()
        self._stderr = open(log_path, "wb")
        user = sandbox.user
        self.proc = subprocess.Popen(
            [os.path.join(sandbox.folder, executable)], cwd=sandbox.folder,
            env=sandbox.environment(display), stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=self._stderr, preexec_fn=_allow_core,
            user=user.pw_uid if user else None, group=user.pw_gid if user else None,
            extra_groups=[] if user else None)
        self.pid = self.proc.pid

    def poll(self):
        return self.proc.poll()

    def uptime(self):
        return time.monotonic() - self.started

    def rss_kib(self):
        try:
            with open(f"/proc/{self.pid}/status") as f:
                for line in f:
                    if line.startswith("VmRSS:"):
                        return int(line.split()[1])
        except OSError:
            pass
        return None

    def stderr_tail(self, limit=4000):
        self._stderr.flush()
        try:
            with open(self.log_path, "rb") as f:
                data = f.read()
        except OSError:
            return ""
        return data[-limit:].decode("utf-8", "replace")

    def live_backtrace(self):
        return _gdb(["-p", str(self.pid)])

    def core_backtrace(self):
        """The backtrace of the core this run left in its folder, which is then removed."""
        cores = [c for c in glob.glob(os.path.join(self.sandbox.folder, "core*"))
                 if c.endswith("core") or c.endswith(f".{self.pid}")]
        if not cores:
            return ""
        trace = _gdb([os.path.join(self.sandbox.folder, self.executable), cores[0]])
        for core in cores:
            os.remove(core)
        return trace

    def kill(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGKILL)
            self.proc.wait()

    def close(self):
        self.kill()
        self._stderr.close()


def _gdb(target):
    try:
        result = subprocess.run(
            ["gdb", "-batch", "-nx", "-ex", "set pagination off", "-ex", "bt 40"] + target,
            capture_output=True, text=True, timeout=120, stdin=subprocess.DEVNULL)
        lines = [l for l in result.stdout.splitlines() if l.startswith(("#", "Thread", "Program terminated"))]
        return "\n".join(lines) or result.stderr[-2000:]
    except (OSError, subprocess.TimeoutExpired) as exc:
        return f"(no backtrace: {exc})"
