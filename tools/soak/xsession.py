"""One virtual display for one program: Xvfb on a free display number, a small
window manager (openbox, so focus, stacking and modal dialogs behave as on a
desktop) with no menus and no key bindings that could start anything."""

import os
import subprocess
import time

OPENBOX_RC = """<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <placement><policy>Smart</policy><center>yes</center></placement>
  <theme><name>Clearlooks</name><titleLayout>LC</titleLayout></theme>
  <desktops><number>1</number></desktops>
  <keyboard></keyboard>
  <mouse>
    <dragThreshold>3</dragThreshold>
    <doubleClickTime>400</doubleClickTime>
    <!-- Bound to "Client" only: there the window manager hands the press on to the
         program; a binding on "Frame" would keep every click from it. -->
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Right" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
    <context name="Titlebar">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Left" action="Drag"><action name="Move"/></mousebind>
    </context>
    <context name="Close">
      <mousebind button="Left" action="Click"><action name="Close"/></mousebind>
    </context>
  </mouse>
  <menu></menu>
</openbox_config>
"""

SCREEN_WIDTH = 1280
SCREEN_HEIGHT = 1024


class XSession:
    def __init__(self, workdir):
        self.workdir = workdir
        self.display = None
        self._xvfb = None
        self._wm = None

    def start(self):
        os.makedirs(self.workdir, exist_ok=True)
        read_end, write_end = os.pipe()
        # -displayfd lets the server take a free display number itself.
        self._xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{SCREEN_WIDTH}x{SCREEN_HEIGHT}x24", "-dpi", "96", "-nolisten", "tcp"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(self.workdir, "xvfb.log"), "w"))
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 20
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_end)
        if not number.strip():
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()

        rc = os.path.join(self.workdir, "openbox-rc.xml")
        with open(rc, "w") as f:
            f.write(OPENBOX_RC)
        self._wm = subprocess.Popen(
            ["openbox", "--config-file", rc], env=self._wm_env(),
            stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.workdir, "openbox.log"), "w"))
        return self.display

    def _wm_env(self):
        env = {"PATH": "/usr/bin:/bin", "DISPLAY": self.display, "HOME": self.workdir,
               "XDG_CONFIG_HOME": os.path.join(self.workdir, "config")}
        return env

    def stop(self):
        for proc in (self._wm, self._xvfb):
            if proc and proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
