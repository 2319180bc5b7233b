"""A whole reading by keyboard alone with the Orca screen reader, checked by what Orca says.

Orca speaks through speech-dispatcher into a sound device that discards the sound, and writes
every utterance with its time into its debug file. Each utterance belongs to the last step taken
before it; a step waits until Orca has said what it should, so a slow Orca is no failure.
"""

import datetime
import fcntl
import os
import re
import tempfile
import threading
import time
import tty
from pathlib import Path

import desktop as d
import journeys as h
from desktop import fail, log

# Orca speaks some time after the event that moves it. A step waits until Orca has said what
# the step expects, then until Orca has handled every event it was given: all of that step's
# speech has been said by then.
LONGEST_SILENCE_SECONDS = 10.0
# Orca's debug lines: it listens to the desktop from the first on; it takes an event into its
# queue, out of it, or drops it unhandled (one by one, or in a flood only as a count); and it has
# ended the handling of an object's event.
LISTENING = "ORCA: Starting registry"
QUEUED = "EVENT MANAGER: Queueing "
DEQUEUED = "EVENT MANAGER: Dequeued "
DROPPED = re.compile(r"EVENT MANAGER: Pruning (?!event queue)")
FLOOD_DROPPED = re.compile(r"EVENT MANAGER: (\d+) events pruned\.")
HANDLING, HANDLED = "vvvvv PROCESS OBJECT EVENT", "^^^^^ PROCESS OBJECT EVENT"
# Orca has ended the handling of a key's press or release.
KEY_HANDLED = "^^^^^ PROCESS ATSPI_KEY_"
# An utterance of several lines goes on in indented lines of its own; spoken, they are one.
UTTERANCE = re.compile(r"^(\d\d):(\d\d):(\d\d(?:\.\d+)?) - SPEECH OUTPUT: '(.*?)'\s*[\[{]",
                       re.MULTILINE | re.DOTALL)
LINE_BREAKS = re.compile(r"\n\s*")
# Orca is one per user on the whole machine: "--replace" kills every other Orca of the user, also
# another journey's on another display, so journeys that run Orca take turns by this lock.
ORCA_LOCK = Path(tempfile.gettempdir()) / "kinwise-orca.lock"
# The desktop's languages, as LANGUAGE gives them ("es_GT:es"); English when none is given.
LANGUAGE = os.environ.get("KINWISE_E2E_LANGUAGE", "")
# What Orca and Qt say in the desktop's first language: Orca's role words and key names, Qt's
# buttons, and the tone's name from the program's own catalogue.
SPOKEN = {
    "en": {
        "tone": "Rhythmic", "ok": "OK", "buttons": ("OK", "Yes", "No"),
        "combo box": "combo box", "push button": "push button", "text": "text",
        "read only text": "read only text", "link": "link", "dialog": "dialog",
        "alert": "alert",
        "key echo": ("tab", "space", "return", "escape", "left shift", "left alt"),
    },
    "es": {
        "tone": "Rítmico", "ok": "Aceptar", "buttons": ("Aceptar", "Sí", "No"),
        "combo box": "caja combinada", "push button": "botón de pulsación", "text": "texto",
        "read only text": "sólo lectura texto", "link": "enlace", "dialog": "diálogo",
        "alert": "alerta",
        "key echo": ("tab", "espacio", "intro", "escape", "mayúsculas izquierda",
                     "alt izquierdo"),
    },
}[LANGUAGE.split(":")[0].split("_")[0] or "en"]
# The program's texts, as its translation gives them.
T = h.Texts(LANGUAGE)
MAIN, RESULT, REPORT = "kinwise::MainWindow", "kinwise::ResultWindow", "kinwise::ReportWindow"
HELP, ABOUT = "kinwise::HelpMenu", "kinwise::AboutWindow"
CALCULATE = "&Get My Mayan Numerology Reading"
PHRASES = dict(
    SPOKEN,
    months=tuple(T(MAIN, month) for month in
                 ("January", "February", "March", "April", "December", "July")),
    lists=tuple(T(MAIN, f"{part} of birth") for part in ("Month", "Day", "Year")),
    name=T(MAIN, "Name"), calculate=T.caption(MAIN, CALCULATE),
    **{"calculate key": T.access_key(MAIN, CALCULATE)},
    result=T(RESULT, "Kinwise Result"),
    reading=T(RESULT, "Mayan Day Number %1, the %2 tone. %3").replace("%1", "6").replace(
        "%2", SPOKEN["tone"]).split(". %3")[0],
    save=T(RESULT, "Save"), print=T.caption(REPORT, "&Print"), report=T(REPORT, "Report"),
    **{"report lines": (T(REPORT, "Name: ") + "Ana", T(REPORT, "Date of Birth: ") + T(
        REPORT, "%1 %2, %3").replace("%1", T(REPORT, "July")).replace("%2", "15").replace(
        "%3", "1975"), T(REPORT, "Mayan Number: ") + "6"),
       "sign line": T(REPORT, "Mayan Day Sign: ").strip(),
       "help keys": (T.access_key(HELP, "&Help"), T.access_key(HELP, "&About Software")[-1]),
       "about item": T.caption(HELP, "&About Software"),
       "online help": T.caption(HELP, "&Online Help"),
       "back keys": (T.access_key(RESULT, "&File"), T.access_key(RESULT, "&Back")[-1]),
       "back item": T.caption(RESULT, "&Back")},
    # The About text's first words, and the link's words before its address.
    about=" ".join(T(ABOUT, "Kinwise generates your Day Number based on your date of birth. "
                     "This is based on Mayan principles. Find more readings and news at %1.")
                   .split()[:4]),
    visit=T(ABOUT, "Click here to visit %1").split("%1")[0].strip(),
    details=T(ABOUT, "Click here for more details."),
    request=T(MAIN, "Please Enter Your Name"),
    pdf=T.caption(REPORT, "Save as &PDF..."),
    # What Print says where nothing can print, by its paragraphs.
    **{"no printer": T(REPORT, "The report could not be printed.\n\n%1").replace(
        "%1", T("kinwise::Printing", "No default printer is set up.")).split("\n\n")},
)
# The desktop's language for the program and for Orca.
DESKTOP_LANGUAGE = {"LANGUAGE": LANGUAGE} if LANGUAGE else {}
# Orca's echo of the keys pressed, which says nothing of the program.
KEY_ECHO = re.compile(rf"^({'|'.join(PHRASES['key echo'])}|[a-z0-9]) $")


def seconds_of_day(moment):
    """The time of day in UTC, as Orca writes it with TZ=UTC."""
    utc = datetime.datetime.fromtimestamp(moment, datetime.timezone.utc)
    return utc.hour * 3600 + utc.minute * 60 + utc.second + utc.microsecond / 1e6


def since_day_began(seconds, start):
    """Seconds of the day the session began, for times of day that may lie past midnight."""
    return seconds + 24 * 3600 if seconds < start - 1 else seconds


class ScreenReader:
    """Orca on the session, with a speech-dispatcher of its own in the session's HOME."""

    def __init__(self, desktop):
        d.require_tools(["orca", "speech-dispatcher"])
        user = desktop.user
        speechd = user.config / "speech-dispatcher"
        speechd.mkdir(parents=True, exist_ok=True)
        (speechd / "speechd.conf").write_text(
            'AudioOutputMethod "alsa"\nDefaultModule espeak-ng\n'
            'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n')
        (user.home / ".asoundrc").write_text("pcm.!default { type null }\n")
        self.debug_copy = desktop.root / "orca-debug.txt"
        self.steps = []
        self.lines = []
        # Orca writes its debug file through a buffer, but a terminal line by line: given a
        # pseudo-terminal, every utterance is read the moment Orca sends it to speech.
        self.terminal, self.orca_end = os.openpty()
        tty.setraw(self.orca_end)
        self.reading = threading.Thread(target=self.read_debug_lines, daemon=True)
        self.reading.start()
        self.lock = ORCA_LOCK.open("w")
        log("waiting for any other journey's Orca to end")
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        self.started = time.time()
        # Orca stamps its lines with the local time: UTC here, whatever zone the tests run in.
        self.process = desktop.spawn(
            ["orca", "--replace", f"--debug-file={os.ttyname(self.orca_end)}"],
            env=dict(desktop.env, TZ="UTC", **DESKTOP_LANGUAGE), log="orca")
        a11y = desktop.a11y
        d.wait_until("Orca to join the accessibility bus", lambda: any(
            a11y.name(app).lower() == "orca" for app in a11y.apps()), 30)
        # Orca joins the bus before it listens to it.
        d.wait_until("Orca to listen", lambda: any(LISTENING in line for line in self.lines), 30)

    def read_debug_lines(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.terminal, 65536)
            except OSError:  # every writer has closed the terminal
                break
            if not chunk:
                break
            *complete, pending = (pending + chunk).split(b"\n")
            self.lines.extend(line.decode(errors="replace") for line in complete)

    def utterances(self):
        """What Orca has said so far, as (seconds since the day began, text), key echo left out."""
        start = seconds_of_day(self.started)
        said = []
        for found in UTTERANCE.finditer("\n".join(list(self.lines))):
            hours, minutes, seconds, text = found.groups()
            text = LINE_BREAKS.sub(" ", text)
            if not KEY_ECHO.match(text):
                said.append((since_day_began(
                    int(hours) * 3600 + int(minutes) * 60 + float(seconds), start), text))
        return said

    def mark(self, moment):
        return since_day_began(seconds_of_day(moment), seconds_of_day(self.started))

    def step(self, what, action=None, until=None, heard=None):
        """Marks a step, takes it, waits for its effect, for heard(what Orca said since the mark)
        to hold where it is given, and for Orca to have handled the step's events."""
        self.steps.append((time.time(), what))
        log(f"step: {what}")
        if action is not None:
            action()
        if until is not None:
            d.wait_until(f"{what}: its effect", until)
        if heard is not None:
            since = self.mark(self.steps[-1][0])
            try:
                d.wait_until(f"{what}: Orca to say it", lambda: heard(
                    [text for moment, text in self.utterances() if moment >= since]),
                    LONGEST_SILENCE_SECONDS)
            except d.StepFailed as silence:
                # The checks after the walk say what was missing, with all that Orca said.
                log(str(silence))
                return
        # The step's effect was read from the program, which sent its events before answering.
        d.wait_until(f"{what}: Orca to handle its events", self.handled_all(),
                     LONGEST_SILENCE_SECONDS)

    def press(self, desktop, keys):
        """Presses keys ("alt+h") one key event at a time, each once Orca has handled the one
        before: Qt waits only 100 ms for Orca's answer to a key, and answers that come late can
        put the keys of a chord out of order (an Alt+H that opens the menu and closes it).
        Orca hears keys through the program: a release that comes as the key's window goes may
        reach no window of it, and the active window's change is its end then."""
        names = keys.split("+")
        for action, order in (("keydown", names), ("keyup", names[::-1])):
            for name in order:
                handled = self.keys_handled()
                window = desktop.active_window_id()
                desktop.run(["xdotool", action, name])
                d.wait_until(f"Orca to take the {action} of {name}", lambda: (
                    self.keys_handled() > handled or action == "keyup"
                    and desktop.active_window_id() != window), LONGEST_SILENCE_SECONDS)

    def keys_handled(self):
        return sum(line.startswith(KEY_HANDLED) for line in list(self.lines))

    def handled_all(self):
        """A probe that holds once Orca has handled every event it took, and has taken no new
        one since the probe before."""
        taken_before = [None]

        def probe():
            lines = list(self.lines)
            taken = sum(QUEUED in line for line in lines)
            out = sum(DEQUEUED in line or bool(DROPPED.search(line)) for line in lines)
            out += sum(int(found.group(1)) for found in map(FLOOD_DROPPED.search, lines) if found)
            handling = sum(HANDLING in line for line in lines)
            handled = sum(HANDLED in line for line in lines)
            settled = taken == taken_before[0] and taken == out and handling == handled
            taken_before[0] = taken
            return settled
        return probe

    def stop(self):
        """Ends Orca and gives each step the utterances that followed it, as {step: [text]}."""
        self.steps.append((time.time(), "(end)"))
        # Orca killed on the way would show here as an exit code.
        self.ended_early = self.process.poll()
        d.stop_process(self.process, gently=True)
        self.lock.close()
        os.close(self.orca_end)
        self.reading.join(5)
        os.close(self.terminal)
        self.debug_copy.write_text("\n".join(self.lines), errors="replace")
        said = {what: [] for _, what in self.steps}
        marks = [(self.mark(moment), what) for moment, what in self.steps]
        for moment, text in self.utterances():
            owner = None
            for mark, what in marks:
                if mark <= moment:
                    owner = what
            if owner is not None:
                said[owner].append(text)
        return said


def missing_phrase(spoken, phrases):
    """The first phrase not found in what was spoken, after the ones before it; None if all are."""
    joined = " | ".join(spoken)
    position = 0
    for phrase in phrases:
        found = joined.find(phrase, position)
        if found < 0:
            return phrase
        position = found + len(phrase)
    return None


def saying(*phrases):
    """What a step waits to hear: the phrases in this order."""
    return lambda spoken: missing_phrase(spoken, phrases) is None


def expect_said(problems, said, step, *phrases):
    """Each phrase in what Orca said after the step, in this order."""
    missing = missing_phrase(said.get(step, []), phrases)
    if missing is not None:
        spoken = " | ".join(said.get(step, []))
        problems.append(f"after {step!r} Orca did not say {missing!r}; it said: {spoken!r}")


def journey(test, desktop):
    reader = ScreenReader(desktop)
    expected = []
    report = {}
    try:
        walk(desktop, reader, expected, report)
    finally:
        # What Orca said, also when a step failed.
        said = reader.stop()
        for what, spoken in said.items():
            log(f"Orca after {what!r}: {spoken}")
    if reader.ended_early is not None:
        fail(f"Orca ended during the walk (exit code {reader.ended_early}), not at its end")
    # The report read line by line: every Down says a line, and the lines come in order.
    said["the report read line by line"] = [
        text for what in ["Save", *report["steps"]] for text in said[what]]
    expected.append(("the report read line by line", report["lines"]))
    problems = [f"after {what!r} Orca said nothing" for what in report["steps"] if not said[what]]
    for what, phrases in expected:
        expect_said(problems, said, what, *phrases)
    if problems:
        fail("Orca did not say what it should:\n" + "\n".join(problems))


def spoken(name, role):
    """How Orca speaks a control: its name, then its role in the desktop's language."""
    return f"{name} {PHRASES[role]}"


def walk(desktop, reader, expected, report):
    """The reading by keyboard; expected gets (step, phrases Orca must say after it)."""
    a11y = desktop.a11y
    def key(keys):
        reader.press(desktop, keys)
    say = PHRASES
    is_main = h.is_main(a11y, say["calculate"])
    is_result = h.is_result(a11y, say["result"])
    is_report = h.is_report(a11y, say["print"])
    is_about = h.is_about(a11y, say["about"])
    is_message_box = h.is_message_box(a11y, say["buttons"])

    def take(what, action, until, *phrases):
        reader.step(what, action, until, saying(*phrases) if phrases else None)
        expected.append((what, phrases))

    def from_menu(window, menu_key, item, item_key):
        """Opens a menu by its key and takes its item by the item's key once it shows: keys
        typed at once may come before the menu is open, or before the window is active again."""
        def choose():
            d.wait_until("the window to be active", lambda: a11y.has_state(window, "active"))
            key(menu_key)
            d.wait_until(f"the menu of {item!r} to open",
                         lambda: a11y.find(window, "menu item", item, test=a11y.showing))
            key(item_key)
        return choose

    # Orca greets the main window as it becomes active: the program starts within the step.
    started = []

    def main_is_active():
        return started and any(a11y.has_state(window, "active") and is_main(window)
                               for window in started[0].windows())

    take("start", lambda: started.append(desktop.start_program(extra_env=DESKTOP_LANGUAGE)),
         main_is_active, spoken(say["name"], "text"))
    program = started[0]
    main = program.window("the main window", is_main)

    def focused_list(entry):
        return lambda: h.focused_list(a11y, main, entry)

    january, february, march, april, december, july = say["months"]
    month_list, day_list, year_list = say["lists"]
    take("type the name", lambda: desktop.type("Ana"),
         lambda: a11y.text(a11y.find(main, "text", say["name"])) == "Ana")
    take("Tab to the month", lambda: key("Tab"), focused_list(january),
         spoken(month_list, "combo box"), january)
    for month in (february, march, april):
        take(f"Down to {month}", lambda: key("Down"), focused_list(month), month)
    take("End of the months", lambda: key("End"), focused_list(december), december)
    take("Home of the months", lambda: key("Home"), focused_list(january), january)
    take("type jul", lambda: desktop.type("jul"), focused_list(july), july)
    take("Tab to the day", lambda: key("Tab"), focused_list("1"),
         spoken(day_list, "combo box"), "1")
    take("Down to day 2", lambda: key("Down"), focused_list("2"), "2")
    take("type 15", lambda: desktop.type("15"), focused_list("15"), "15")
    take("Tab to the year", lambda: key("Tab"), focused_list("1900"),
         spoken(year_list, "combo box"), "1900")
    take("Down to 1901", lambda: key("Down"), focused_list("1901"), "1901")
    take("type 1975", lambda: desktop.type("1975"), focused_list("1975"), "1975")
    take("Tab to calculate", lambda: key("Tab"),
         lambda: h.focused(a11y, main, "push button", say["calculate"]),
         spoken(say["calculate"], "push button"))

    # Orca speaks of the result window once it is active.
    reader.step("calculate", lambda: key("space"), lambda: any(
        a11y.has_state(window, "active") and is_result(window) for window in program.windows()),
        saying(say["reading"]))
    result = program.window("the result window", is_result)
    description = a11y.text(a11y.find(result, "label", test=lambda n: len(a11y.name(n)) > 200
                                      and not a11y.name(n).startswith(say["reading"])))
    expected.append(("calculate", (say["reading"], description)))
    # The reading comes first in the window's order: before it the last link, after it Save.
    take("Shift+Tab to the brand link", lambda: key("shift+Tab"),
         lambda: h.focused(a11y, result, "link"), say["link"])
    take("Tab to the reading", lambda: key("Tab"),
         lambda: h.focused(a11y, result, "label"), say["reading"])
    take("Tab to Save", lambda: key("Tab"),
         lambda: h.focused(a11y, result, "push button", say["save"]),
         spoken(say["save"], "push button"))

    # The step's effect is the report with the keyboard focus, the moment Orca greets it.
    greeting = (spoken(say["report"], "read only text"), say["report lines"][0])
    reader.step("Save", lambda: key("space"), lambda: any(
        h.focused(a11y, window, "text", say["report"])
        for window in program.windows() if is_report(window)), saying(*greeting))
    report_window = program.window("the report window", is_report)
    box = a11y.find(report_window, "text", say["report"])
    text = box.queryText()
    content = a11y.text(box)
    sign_line = next(line for line in content.splitlines() if line.startswith(say["sign line"]))
    expected.append(("Save", greeting))
    # Down, line by line, to the day sign's line; each line is a step of its own.
    line_steps = report["steps"] = []
    while not content[text.caretOffset:].startswith(say["sign line"]):
        if len(line_steps) > 60:
            fail("sixty Down keys did not reach the day sign's line of the report")
        before = text.caretOffset
        what = f"report line {len(line_steps) + 2}"
        reader.step(what, lambda: key("Down"), lambda: text.caretOffset != before, bool)
        line_steps.append(what)
    report["lines"] = [*say["report lines"], sign_line]
    take("Tab to Save in the report", lambda: key("Tab"),
         lambda: h.focused(a11y, report_window, "push button", say["save"]),
         spoken(say["save"], "push button"))
    take("Tab to Print", lambda: key("Tab"),
         lambda: h.focused(a11y, report_window, "push button", say["print"]),
         spoken(say["print"], "push button"))
    is_offer = h.is_message_box(a11y, (say["ok"], say["pdf"]))
    take("Print", lambda: key("space"), lambda: program.has_window(is_offer),
         *say["no printer"], spoken(say["ok"], "push button"))
    offer = program.window("the message that nothing can print", is_offer)
    take("Tab to Save as PDF", lambda: key("Tab"),
         lambda: h.focused(a11y, offer, "push button", say["pdf"]),
         spoken(say["pdf"], "push button"))
    take("Escape from the message", lambda: key("Escape"), lambda: not program.has_window(is_offer)
         and h.focused(a11y, report_window, "push button", say["print"]),
         spoken("Kinwise v1.15", "dialog"), spoken(say["print"], "push button"))
    take("Escape from the report", lambda: key("Escape"),
         lambda: not program.has_window(is_report))

    result = program.window("the result window after the report", is_result)
    help_key, about_key = say["help keys"]
    take("open the Help menu", lambda: key(help_key), lambda: a11y.find(
        result, "menu item", say["about item"], test=a11y.showing), say["online help"])
    take("About Software", lambda: key(about_key), lambda: program.has_window(is_about),
         spoken("Kinwise v1.15", "dialog"), say["about"], spoken(say["ok"], "push button"))
    about = program.window("the About window", is_about)
    take("Tab to the home page link", lambda: key("Tab"),
         lambda: h.focused(a11y, about, "link"), say["visit"], d.page_address("home-page"))
    take("Tab to the details link", lambda: key("Tab"),
         lambda: h.focused(a11y, about, "link", say["details"]),
         spoken(say["details"], "link"), d.page_address("fully-branded"))
    take("Tab to OK", lambda: key("Tab"), lambda: h.focused(a11y, about, "push button", say["ok"]),
         spoken(say["ok"], "push button"))
    take("Enter on OK", lambda: key("Return"), lambda: not program.has_window(is_about))
    result = program.window("the result window after About", is_result)
    take("About again", from_menu(result, help_key, say["about item"], about_key),
         lambda: program.has_window(is_about), say["about"])
    take("Escape from About", lambda: key("Escape"),
         lambda: not program.has_window(is_about))

    result = program.window("the result window after About again", is_result)
    file_key, back_key = say["back keys"]
    take("File, Back", from_menu(result, file_key, say["back item"], back_key),
         lambda: program.has_window(is_main), spoken(say["name"], "text"))
    main = program.window("the main window again", is_main)
    take("calculate without a name", lambda: key(say["calculate key"]),
         lambda: program.has_window(is_message_box),
         say["alert"], say["request"], spoken(say["ok"], "push button"))
    take("Enter on the message", lambda: key("Return"),
         lambda: not program.has_window(is_message_box), spoken(say["name"], "text"))
    main = program.window("the main window after the message", is_main)
    desktop.close_window(main)
    program.expect_clean_exit("the program to end when its window closes")


class ScreenReaderJourney(h.Journey):
    name = "screen_reader" + (f"_{LANGUAGE[:2]}" if LANGUAGE else "")
    journey = journey


if __name__ == "__main__":
    d.main()
