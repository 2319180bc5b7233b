"""A whole reading by keyboard alone with the Orca screen reader, checked by what Orca says.

Orca speaks through speech-dispatcher into a sound device that discards the sound, and writes
every utterance with its time into its debug file. That file is written through a buffer, so it is
read once Orca has ended; each utterance belongs to the last step taken before it.
"""

import datetime
import re
import time

import desktop as d
import journeys as h
from desktop import fail, log

# Orca speaks some time after the event that moves it; a step waits this long before the next.
SPEAKING_SECONDS = 2.0
UTTERANCE = re.compile(r"^(\d\d):(\d\d):(\d\d(?:\.\d+)?) - SPEECH OUTPUT: '(.*)'\s*[\[{]")
# Orca's echo of the keys pressed, which says nothing of the program.
KEY_ECHO = re.compile(r"^(tab|space|return|escape|left shift|left alt|[a-z0-9]) $")


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
        self.debug_file = desktop.root / "orca-debug.txt"
        self.steps = []
        self.started = time.time()
        # Orca stamps its lines with the local time: UTC here, whatever zone the tests run in.
        self.process = desktop.spawn(["orca", "--replace", f"--debug-file={self.debug_file}"],
                                     env=dict(desktop.env, TZ="UTC"), log="orca")
        a11y = desktop.a11y
        d.wait_until("Orca to join the accessibility bus", lambda: any(
            a11y.name(app).lower() == "orca" for app in a11y.apps()), 30)
        # Orca joins the bus before it listens to it.
        time.sleep(2 * SPEAKING_SECONDS)

    def step(self, what, action=None, until=None):
        """Marks a step, takes it, waits for its effect and for Orca to speak of it."""
        self.steps.append((time.time(), what))
        log(f"step: {what}")
        if action is not None:
            action()
        if until is not None:
            d.wait_until(f"{what}: its effect", until)
        time.sleep(SPEAKING_SECONDS)

    def stop(self):
        """Ends Orca and gives each step the utterances that followed it, as {step: [text]}."""
        self.steps.append((time.time(), "(end)"))
        d.stop_process(self.process, gently=True)
        said = {what: [] for _, what in self.steps}
        start = seconds_of_day(self.started)
        marks = [(since_day_began(seconds_of_day(moment), start), what)
                 for moment, what in self.steps]
        for line in self.debug_file.read_text(errors="replace").splitlines():
            found = UTTERANCE.match(line)
            if not found or KEY_ECHO.match(found.group(4)):
                continue
            hours, minutes, seconds, text = found.groups()
            moment = since_day_began(int(hours) * 3600 + int(minutes) * 60 + float(seconds), start)
            owner = None
            for mark, what in marks:
                if mark <= moment:
                    owner = what
            if owner is not None:
                said[owner].append(text)
        return said


def expect_said(problems, said, step, *phrases):
    """Each phrase in what Orca said after the step, in this order."""
    spoken = " | ".join(said.get(step, []))
    position = 0
    for phrase in phrases:
        found = spoken.find(phrase, position)
        if found < 0:
            problems.append(f"after {step!r} Orca did not say {phrase!r}; it said: {spoken!r}")
            return
        position = found + len(phrase)


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
    # The report read line by line: every Down says a line, and the lines come in order.
    said["the report read line by line"] = [
        text for what in ["Save", *report["steps"]] for text in said[what]]
    expected.append(("the report read line by line", report["lines"]))
    problems = [f"after {what!r} Orca said nothing" for what in report["steps"] if not said[what]]
    for what, phrases in expected:
        expect_said(problems, said, what, *phrases)
    if problems:
        fail("Orca did not say what it should:\n" + "\n".join(problems))


def walk(desktop, reader, expected, report):
    """The reading by keyboard; expected gets (step, phrases Orca must say after it)."""
    a11y = desktop.a11y
    key = desktop.key

    def take(what, action, until, *phrases):
        reader.step(what, action, until)
        expected.append((what, phrases))

    # Orca greets the main window as it becomes active: the program starts within the step.
    started = []

    def main_is_active():
        return started and any(a11y.has_state(window, "active") and h.is_main(a11y)(window)
                               for window in started[0].windows())

    take("start", lambda: started.append(desktop.start_program()), main_is_active, "Name text")
    program = started[0]
    main = program.window("the main window", h.is_main(a11y))

    def focused_list(entry):
        return lambda: h.focused_list(a11y, main, entry)

    take("type the name", lambda: desktop.type("Ana"),
         lambda: a11y.text(a11y.find(main, "text", "Name")) == "Ana")
    take("Tab to the month", lambda: key("Tab"), focused_list("January"),
         "Month of birth combo box", "January")
    for month in ("February", "March", "April"):
        take(f"Down to {month}", lambda: key("Down"), focused_list(month), month)
    take("End of the months", lambda: key("End"), focused_list("December"), "December")
    take("Home of the months", lambda: key("Home"), focused_list("January"), "January")
    take("type jul", lambda: desktop.type("jul"), focused_list("July"), "July")
    take("Tab to the day", lambda: key("Tab"), focused_list("1"), "Day of birth combo box", "1")
    take("Down to day 2", lambda: key("Down"), focused_list("2"), "2")
    take("type 15", lambda: desktop.type("15"), focused_list("15"), "15")
    take("Tab to the year", lambda: key("Tab"), focused_list("1900"),
         "Year of birth combo box", "1900")
    take("Down to 1901", lambda: key("Down"), focused_list("1901"), "1901")
    take("type 1975", lambda: desktop.type("1975"), focused_list("1975"), "1975")
    take("Tab to calculate", lambda: key("Tab"),
         lambda: h.focused(a11y, main, "push button", h.MAIN_BUTTON),
         "Get My Mayan Numerology Reading push button")

    reader.step("calculate", lambda: key("space"))
    result = program.window("the result window", h.is_result(a11y))
    description = a11y.text(a11y.find(result, "label", test=lambda n: len(a11y.name(n)) > 200
                                      and not a11y.name(n).startswith("Mayan")))
    expected.append(("calculate", ("Mayan Day Number 6, the Rhythmic tone", description)))
    take("Tab to the brand link", lambda: key("Tab"),
         lambda: h.focused(a11y, result, "link"), "link")
    take("Tab to Save", lambda: key("Tab"), lambda: h.focused(a11y, result, "push button", "Save"),
         "Save push button")

    reader.step("Save", lambda: key("space"))
    report_window = program.window("the report window", h.is_report(a11y))
    box = a11y.find(report_window, "text", "Report")
    text = box.queryText()
    content = a11y.text(box)
    sign_line = next(line for line in content.splitlines() if line.startswith("Mayan Day Sign:"))
    expected.append(("Save", ("Report read only text", "Name: Ana")))
    # Down, line by line, to the day sign's line; each line is a step of its own.
    line_steps = report["steps"] = []
    while not content[text.caretOffset:].startswith("Mayan Day Sign:"):
        if len(line_steps) > 60:
            fail("sixty Down keys did not reach the day sign's line of the report")
        before = text.caretOffset
        what = f"report line {len(line_steps) + 2}"
        reader.step(what, lambda: key("Down"), lambda: text.caretOffset != before)
        line_steps.append(what)
    report["lines"] = ["Name: Ana", "Date of Birth: July 15, 1975", "Mayan Number: 6", sign_line]
    take("Tab to Save in the report", lambda: key("Tab"),
         lambda: h.focused(a11y, report_window, "push button", "Save"), "Save push button")
    take("Tab to Print", lambda: key("Tab"),
         lambda: h.focused(a11y, report_window, "push button", "Print"), "Print push button")
    take("Escape from the report", lambda: key("Escape"),
         lambda: not program.has_window(h.is_report(a11y)))

    result = program.window("the result window after the report", h.is_result(a11y))
    take("open the Help menu", lambda: key("alt+h"), lambda: a11y.find(
        result, "menu item", "About Software", test=a11y.showing), "Online Help")
    take("About Software", lambda: key("a"), lambda: program.has_window(h.is_about(a11y)),
         "Kinwise v1.15 dialog", "Kinwise generates your Day Number", "OK push button")
    about = program.window("the About window", h.is_about(a11y))
    take("Tab to the home page link", lambda: key("Tab"),
         lambda: h.focused(a11y, about, "link"), "Click here to visit",
         d.page_address("home-page"))
    take("Tab to the details link", lambda: key("Tab"),
         lambda: h.focused(a11y, about, "link", "Click here for more details."),
         "Click here for more details. link", d.page_address("fully-branded"))
    take("Tab to OK", lambda: key("Tab"), lambda: h.focused(a11y, about, "push button", "OK"),
         "OK push button")
    take("Enter on OK", lambda: key("Return"), lambda: not program.has_window(h.is_about(a11y)))
    program.window("the result window after About", h.is_result(a11y))
    take("About again", lambda: key("alt+h", "a"), lambda: program.has_window(h.is_about(a11y)),
         "Kinwise generates your Day Number")
    take("Escape from About", lambda: key("Escape"),
         lambda: not program.has_window(h.is_about(a11y)))

    result = program.window("the result window after About again", h.is_result(a11y))
    take("File, Back", lambda: key("alt+f", "b"), lambda: program.has_window(h.is_main(a11y)),
         "Name text")
    main = program.window("the main window again", h.is_main(a11y))
    take("calculate without a name", lambda: key("alt+g"),
         lambda: program.has_window(h.is_message_box(a11y)),
         "alert", "Please Enter Your Name", "OK push button")
    take("Enter on the message", lambda: key("Return"),
         lambda: not program.has_window(h.is_message_box(a11y)), "Name text")
    main = program.window("the main window after the message", h.is_main(a11y))
    desktop.close_window(main)
    program.expect_clean_exit("the program to end when its window closes")


class ScreenReaderJourney(h.Journey):
    name = "screen_reader"
    journey = journey


if __name__ == "__main__":
    d.main()
