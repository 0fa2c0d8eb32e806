"""The program's windows as the window manager lists them, their titles and
places, closing one as its close box does, and the _NET_WM_PING check that a
window's event loop still answers."""

import time

from Xlib import X, Xatom, display as xdisplay, error as xerror
from Xlib.protocol import event as xevent


class Windows:
    def __init__(self, display_name):
        self.d = xdisplay.Display(display_name)
        # Windows come and go under our feet: a request to one that just went is no fault.
        self.d.set_error_handler(lambda *args: None)
        self.root = self.d.screen().root
        # Qt sends its ping answers to the root window with the structure-notify mask.
        self.root.change_attributes(event_mask=X.StructureNotifyMask | X.SubstructureNotifyMask)
        atom = self.d.intern_atom
        self.CLIENT_LIST = atom("_NET_CLIENT_LIST")
        self.ACTIVE = atom("_NET_ACTIVE_WINDOW")
        self.NAME = atom("_NET_WM_NAME")
        self.UTF8 = atom("UTF8_STRING")
        self.PROTOCOLS = atom("WM_PROTOCOLS")
        self.DELETE = atom("WM_DELETE_WINDOW")
        self.PING = atom("_NET_WM_PING")
        self.PID = atom("_NET_WM_PID")
        self._ping_serial = 1000
        self._pings = {}  # serial -> sent at
        self.answered = []  # round-trip times of answered pings

    def clients(self):
        """Ids of the managed top-level windows, in mapping order."""
        try:
            prop = self.root.get_full_property(self.CLIENT_LIST, X.AnyPropertyType)
        except xerror.XError:
            return []
        return list(prop.value) if prop else []

    def window(self, wid):
        return self.d.create_resource_object("window", wid)

    def title(self, wid):
        w = self.window(wid)
        try:
            prop = w.get_full_property(self.NAME, self.UTF8)
            if prop and prop.value:
                value = prop.value
                return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)
            name = w.get_wm_name()
            return name if isinstance(name, str) else (name or b"").decode("latin-1")
        except xerror.XError:
            return None

    def geometry(self, wid):
        """(x, y, width, height) of the window's client area on the screen, or None."""
        w = self.window(wid)
        try:
            g = w.get_geometry()
            origin = self.root.translate_coords(w, 0, 0)
            return origin.x, origin.y, g.width, g.height
        except xerror.XError:
            return None

    def close(self, wid):
        """What the close box does: ask the window to close itself."""
        self._protocol_message(wid, self.DELETE, X.CurrentTime)

    def activate(self, wid):
        ev = xevent.ClientMessage(window=self.window(wid), client_type=self.ACTIVE,
                                  data=(32, [2, X.CurrentTime, 0, 0, 0]))
        self.root.send_event(ev, event_mask=X.SubstructureRedirectMask | X.SubstructureNotifyMask)
        self.d.flush()

    def active(self):
        try:
            prop = self.root.get_full_property(self.ACTIVE, X.AnyPropertyType)
            return prop.value[0] if prop and len(prop.value) else 0
        except xerror.XError:
            return 0

    def _protocol_message(self, wid, protocol, stamp, extra=0):
        ev = xevent.ClientMessage(window=self.window(wid), client_type=self.PROTOCOLS,
                                  data=(32, [protocol, stamp, extra, 0, 0]))
        self.window(wid).send_event(ev, event_mask=0)
        self.d.flush()

    # --- ping -------------------------------------------------------------

    def ping(self, wid):
        self._ping_serial += 1
        self._pings[self._ping_serial] = time.monotonic()
        # The client sends the same message back to the root window, with our serial as its time.
        self._protocol_message(wid, self.PING, self._ping_serial, wid)

    def collect_replies(self):
        while self.d.pending_events():
            ev = self.d.next_event()
            if ev.type != X.ClientMessage or ev.client_type != self.PROTOCOLS:
                continue
            fmt, data = ev.data
            if fmt == 32 and data[0] == self.PING:
                sent = self._pings.pop(data[1], None)
                if sent is not None:
                    self.answered.append(time.monotonic() - sent)
                    # Older pings are answered by this one: the loop runs.
                    for serial in [s for s in self._pings if s < data[1]]:
                        del self._pings[serial]

    def oldest_unanswered(self):
        """Seconds the oldest outstanding ping waits, 0 when none waits."""
        return time.monotonic() - min(self._pings.values()) if self._pings else 0.0

    def forget_pings(self):
        self._pings.clear()
