"""A scratch copy of the program folder for one program, a PATH whose link
openers do nothing but note the call, and, when we are root, an unprivileged
user for the program, so that random input cannot write outside the copy
(nor start a browser or mail program)."""

import os
import pwd
import shutil
import subprocess

LINK_OPENERS = ["xdg-open", "xdg-email", "x-www-browser", "www-browser", "sensible-browser", "firefox",
                "firefox-esr", "chromium", "mozilla", "netscape", "opera", "konqueror", "kfmclient",
                "gnome-open", "gio", "gvfs-open", "exo-open", "kde-open", "kde-open5", "mailto", "thunderbird"]

STUB = """#!/bin/sh
# Stands in for a browser or mail program during the soak: notes the call, opens nothing.
echo "$(basename "$0") $*" >> "{log}"
exit 0
"""


class Sandbox:
    def __init__(self, scratch, program_folder):
        self.scratch = scratch
        self.folder = os.path.join(scratch, "Pendix")
        self.home = os.path.join(scratch, "home")
        self.runtime = os.path.join(scratch, "runtime")
        self.stubs = os.path.join(scratch, "stubs")
        self.link_log = os.path.join(scratch, "links.log")
        self.user = None
        shutil.copytree(program_folder, self.folder, symlinks=False)
        for path in (self.home, self.runtime, self.stubs):
            os.makedirs(path, exist_ok=True)
        os.chmod(self.runtime, 0o700)
        for name in LINK_OPENERS:
            stub = os.path.join(self.stubs, name)
            with open(stub, "w") as f:
                f.write(STUB.format(log=self.link_log))
            os.chmod(stub, 0o755)
        open(self.link_log, "a").close()
        self.initial = self.files()
        if os.geteuid() == 0:
            self.user = pwd.getpwnam("nobody")
            subprocess.run(["chown", "-R", f"{self.user.pw_uid}:{self.user.pw_gid}", scratch], check=True)
            os.chmod(scratch, 0o755)
            # The stubs and their log stay ours to trust; the log must take the program's lines.
            subprocess.run(["chown", "-R", "0:0", self.stubs], check=True)
            os.chmod(self.link_log, 0o666)

    def environment(self, display):
        return {
            "PATH": self.stubs + ":/usr/bin:/bin",
            "DISPLAY": display,
            "HOME": self.home,
            "XDG_RUNTIME_DIR": self.runtime,
            "XDG_CONFIG_HOME": os.path.join(self.home, ".config"),
            "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
            "XDG_DATA_HOME": os.path.join(self.home, ".local", "share"),
            "BROWSER": os.path.join(self.stubs, "xdg-open"),
            "LANG": "C.UTF-8",
            "QT_QPA_PLATFORM": "xcb",
            "NO_AT_BRIDGE": "1",
        }

    def link_calls(self):
        with open(self.link_log, errors="replace") as f:
            return [line.rstrip("\n") for line in f if line.strip()]

    def changes(self):
        """Files the run added or whose size changed, with their sizes now."""
        now = self.files()
        return {path: size for path, size in now.items() if self.initial.get(path) != size}

    def files(self):
        """Every file in the copy with its size, to tell what the run wrote."""
        found = {}
        for base, _, names in os.walk(self.folder):
            for name in names:
                path = os.path.join(base, name)
                try:
                    found[os.path.relpath(path, self.folder)] = os.path.getsize(path)
                except OSError:
                    pass
        return found


def written_outside(scratch_roots, marker, uid):
    """Files that the unprivileged user wrote after the marker, outside the scratch folders."""
    if uid is None:
        return []
    result = subprocess.run(
        # The root file system and the shared-memory one: /tmp may lie on either.
        ["find", "/", "/dev/shm", "-xdev", "(", "-path", "/proc", "-o", "-path", "/sys", ")", "-prune",
         "-o", "-user", str(uid), "-newer", marker, "-print"],
        capture_output=True, text=True)
    return [p for p in result.stdout.splitlines()
            if not any(p == root or p.startswith(root + "/") for root in scratch_roots)]
