"""Keys and mouse through the XTEST extension, as a user's keyboard and mouse
give them: the event goes to whatever window has the focus or lies under the
pointer. Characters missing from the server's keymap (umlauts, ß, €) are put
on spare key codes once, before the program starts."""

import time

from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest

EXTRA_CHARACTERS = "äöüÄÖÜß€éèàç§°²µ"


def keysym_of_char(ch):
    code = ord(ch)
    if 0x20 <= code <= 0x7E or 0xA0 <= code <= 0xFF:
        return code  # Latin-1 keysyms are their code points
    if ch == "€":
        return XK.string_to_keysym("EuroSign")
    return 0x01000000 + code


class Input:
    def __init__(self, display_name):
        self.d = xdisplay.Display(display_name)
        self.d.set_error_handler(lambda *args: None)
        self.shift = self.d.keysym_to_keycode(XK.XK_Shift_L)
        self.control = self.d.keysym_to_keycode(XK.XK_Control_L)

    def map_extra_characters(self):
        first = self.d.display.info.min_keycode
        count = self.d.display.info.max_keycode - first + 1
        mapping = self.d.get_keyboard_mapping(first, count)
        spare = [first + i for i, syms in enumerate(mapping) if not any(syms)]
        for keycode, ch in zip(spare, EXTRA_CHARACTERS):
            sym = keysym_of_char(ch)
            self.d.change_keyboard_mapping(keycode, [(sym, sym)])
        self.d.sync()

    def _keycode(self, keysym):
        """(keycode, needs shift) for a keysym, or None. The connection's own table
        does not know the spare codes mapped above: those are asked of the server."""
        for keycode, index in self.d.keysym_to_keycodes(keysym):
            if index in (0, 1):
                return keycode, index == 1
        first = self.d.display.info.min_keycode
        count = self.d.display.info.max_keycode - first + 1
        for i, syms in enumerate(self.d.get_keyboard_mapping(first, count)):
            if syms and syms[0] == keysym:
                return first + i, False
        return None

    def _tap(self, keycode, shift=False, control=False):
        held = ([self.control] if control else []) + ([self.shift] if shift else [])
        for k in held:
            xtest.fake_input(self.d, X.KeyPress, k)
        xtest.fake_input(self.d, X.KeyPress, keycode)
        xtest.fake_input(self.d, X.KeyRelease, keycode)
        for k in reversed(held):
            xtest.fake_input(self.d, X.KeyRelease, k)
        self.d.sync()

    def key(self, spec):
        """A key by its keysym name, with optional "ctrl+" and "shift+" in front:
        "Return", "F11", "ctrl+i", "shift+Tab", "KP_Add"."""
        parts = spec.split("+")
        name = parts[-1]
        mods = set(parts[:-1])
        keysym = XK.string_to_keysym(name)
        if not keysym and len(name) == 1:
            keysym = keysym_of_char(name)
        found = self._keycode(keysym) if keysym else None
        if not found:
            return False
        keycode, shift = found
        self._tap(keycode, shift or "shift" in mods, "ctrl" in mods)
        return True

    def type_text(self, text, pause=0.005):
        for ch in text:
            found = self._keycode(keysym_of_char(ch))
            if found:
                self._tap(found[0], found[1])
                time.sleep(pause)

    def move(self, x, y):
        xtest.fake_input(self.d, X.MotionNotify, x=int(x), y=int(y))
        self.d.sync()

    def click(self, x, y, button=1, times=1):
        self.move(x, y)
        for i in range(times):
            xtest.fake_input(self.d, X.ButtonPress, button)
            xtest.fake_input(self.d, X.ButtonRelease, button)
            self.d.sync()
            if i + 1 < times:
                time.sleep(0.05)

    def release_all(self):
        """Lets go of every modifier and button, should a run stop between press and release."""
        for k in (self.shift, self.control):
            xtest.fake_input(self.d, X.KeyRelease, k)
        for b in (1, 2, 3):
            xtest.fake_input(self.d, X.ButtonRelease, b)
        self.d.sync()
