"""What the soak knows of each program: its executable, its main window, and
how a user opens each of its windows (keys, or clicks in the main window's
client area given in twips, 15 to a pixel), for the repeated openings whose
memory is measured."""

from dataclasses import dataclass, field


@dataclass
class Opener:
    title: str
    # steps(attempt) -> list of ("key", spec) / ("click", (x_twips, y_twips))
    steps: object
    how: str
    # The titles the window opened may show (the help window is titled with its
    # page's title); none: `title` alone.
    shows: tuple = ()

    def window_titles(self):
        return self.shows or (self.title,)


@dataclass
class ProgramInfo:
    executable: str
    main_title: str
    client_height_twips: int
    openers: list = field(default_factory=list)


def _keys(*specs):
    return lambda attempt: [("key", s) for s in specs]


def _help_topic(attempt):
    # The first opening clicks the first topic; then each arrow moves to a neighbour, which opens it
    # (the first two topics in turn).
    if attempt == 0:
        return [("click", (1800 + 1500, 1920 + 120))]
    return [("key", "Down" if attempt % 2 else "Up")]


def _count_window(attempt):
    # The tab "Start / Ende" (second of eleven on the strip), then its button.
    tab_width = 15015 / 11
    return [("click", (120 + tab_width * 1.5, 180)), ("click", (120 + 6360 + 1100, 480 + 187))]


PROGRAMS = {
    "Pendix": ProgramInfo("Pendix", "Pendix", 0, [
        Opener("Info", _keys("ctrl+i"), "Ctrl+I"),
        Opener("Datei - Info", _keys("ctrl+d"), "Ctrl+D"),
        Opener("Levelauswahl", _keys("F11"), "F11"),
        Opener("Geschwindigkeit", _keys("ctrl+g"), "Ctrl+G"),
        Opener("Hilfe zu Pendix", _keys("ctrl+h"), "Ctrl+H"),
    ]),
    "Editor": ProgramInfo("Editor", "Editor zu Pendix", 10860, [
        Opener("Info", _keys("ctrl+i"), "Ctrl+I"),
        Opener("Datei - Info", _keys("ctrl+d"), "Ctrl+D"),
        Opener("Levelauswahl", _keys("F4"), "F4"),
        Opener("Verwendete Objekte zählen", _count_window, "tab Start / Ende, button"),
        Opener("Hilfe zum Editor zu Pendix", _keys("ctrl+h"), "Ctrl+H"),
    ]),
    "Hilfe": ProgramInfo("Hilfe", "Hilfe", 5685, [
        Opener("Hilfeseite", _help_topic, "a topic in the list",
               shows=("Hilfe zu Pendix", "Hilfe zu den verwendeten Objekten")),
    ]),
}
