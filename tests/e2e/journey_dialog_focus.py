"""After a dialog the window that opened it is active again, with the keyboard focus where it was:
the report saved over an existing file, the replace question answered by its access key, each
time, so that typing and Tab go on in the report without a click."""

import os

import desktop as d
import journeys as h
from desktop import fail

LANGUAGE = os.environ.get("KINWISE_E2E_LANGUAGE", "")
TEXTS = h.Texts(LANGUAGE)
MAIN, RESULT, REPORT = "kinwise::MainWindow", "kinwise::ResultWindow", "kinwise::ReportWindow"
WORDS = {
    "calculate": TEXTS.caption(MAIN, "&Get My Mayan Numerology Reading"),
    "result": TEXTS(RESULT, "Kinwise Result"),
    "result save": TEXTS(RESULT, "Save"),
    "print": TEXTS.caption(REPORT, "&Print"),
    "save key": TEXTS.access_key(REPORT, "&Save"),
    "name box": TEXTS.caption("QFileDialog", "File &name:"),
}
# The replace question is Qt's own, in Qt's translation.
WORDS.update({"en": {"yes": "Yes", "no": "No", "yes key": "alt+y"},
              "es": {"yes": "Sí", "no": "No", "yes key": "alt+s"}}[
    LANGUAGE.split(":")[0].split("_")[0] or "en"])
ROUNDS = 3


def focus_in(a11y, window):
    """Role and name of the window's focused control, None when none has the focus."""
    control = a11y.find(window, test=lambda n: a11y.focused(n) and a11y.role(n) != "filler")
    return (a11y.role(control), a11y.name(control)) if control is not None else None


def save_over(desktop, program, report, saved, round_number):
    """Save by its key, the existing name, Enter, then Yes by its key: the report must come back
    active with the focus where it was, and take a Tab at once."""
    a11y = desktop.a11y
    before = d.wait_until("a control of the report to have the focus",
                          lambda: focus_in(a11y, report))
    desktop.key(WORDS["save key"])
    dialog = program.window("the save dialog", h.is_file_dialog(a11y, "Kinwise", WORDS["name box"]))
    d.wait_until("the file name box to have the focus",
                 lambda: h.focused(a11y, dialog, "text", WORDS["name box"]))
    desktop.type(str(saved))
    d.wait_until("the typed path to appear", lambda: a11y.text(
        a11y.find(dialog, "text", WORDS["name box"])) == str(saved))
    desktop.key("Return")
    program.window("the replace question", h.is_message_box(a11y, (WORDS["yes"], WORDS["no"])))
    desktop.key(WORDS["yes key"])
    d.wait_until("the file to be replaced", lambda: saved.read_bytes() != b"older")
    report = program.window(f"the report active again after replacing (round {round_number})",
                            h.is_report(a11y, WORDS["print"]), timeout=5)
    d.wait_until(f"the focus to be back on the {before}",
                 lambda: focus_in(a11y, report) == before, timeout=5)
    desktop.key("Tab")
    d.wait_until("Tab to move the focus on", lambda: focus_in(a11y, report) not in (before, None),
                 timeout=5)
    desktop.key("shift+Tab")
    d.wait_until("Shift+Tab to bring it back", lambda: focus_in(a11y, report) == before, timeout=5)
    return report


def journey(test, desktop):
    a11y = desktop.a11y
    saved = desktop.user.home / "ana.man"
    program = desktop.start_program(extra_env={"LANGUAGE": LANGUAGE} if LANGUAGE else None)
    main = program.window("the main window", h.is_main(a11y, WORDS["calculate"]))
    d.wait_until("the name box to have the keyboard focus", lambda: h.focused(a11y, main, "text"))
    desktop.type("Ana")
    desktop.press(a11y.find(main, "push button", WORDS["calculate"]))
    result = program.window("the result window", h.is_result(a11y, WORDS["result"]))
    desktop.press(a11y.find(result, "push button", WORDS["result save"]))
    report = program.window("the report window", h.is_report(a11y, WORDS["print"]))
    for round_number in range(1, ROUNDS + 1):
        saved.write_bytes(b"older")
        report = save_over(desktop, program, report, saved, round_number)
    if saved.read_bytes() != b"".join(h.scramble(line) + b"\r\n"
                                      for line in ("Ana", "1900", "January", "1")):
        fail(f"the replaced file holds {saved.read_bytes()!r}")
    desktop.key("alt+F4")
    program.window("the result window after the report", h.is_result(a11y, WORDS["result"]))
    desktop.key("alt+F4")
    program.expect_clean_exit("the program to end when the result window closes")


class DialogFocus(h.Journey):
    name = "dialog_focus" + (f"_{LANGUAGE[:2]}" if LANGUAGE else "")
    journey = journey


if __name__ == "__main__":
    d.main()
