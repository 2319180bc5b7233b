"""Under a Spanish desktop: the update question, a request message, a reading, its report, the
saved file and the printed page are Spanish; the file then opens under English with the same
reading."""

import datetime
import subprocess

import desktop as d
import journeys as h
from desktop import fail, log

SPANISH = {"LANGUAGE": "es_GT:es"}
# The Spanish texts as the translation gives them.
ES = h.Texts(SPANISH["LANGUAGE"])
MAIN, RESULT, REPORT = "kinwise::MainWindow", "kinwise::ResultWindow", "kinwise::ReportWindow"
QUESTION = ES("kinwise::UpdateReminder", "There maybe an update to this software available\r"
              "Do you want to check for an update?").replace("\r", "\n")
CALCULATE = ES.caption(MAIN, "&Get My Mayan Numerology Reading")
# The file dialog's name box, which the program translates for Qt.
NAME_BOX = ES.caption("QFileDialog", "File &name:")


def is_box(a11y, buttons):
    """A message box whose buttons are exactly those."""
    return lambda w: (a11y.role(w) in ("alert", "dialog") and
                      sorted(a11y.name(b) for b in a11y.find_all(w, "push button")) == buttons)


def is_main(a11y):
    return h.is_main(a11y, CALCULATE)


def is_result(a11y):
    return h.is_result(a11y, ES(RESULT, "Kinwise Result"))


def is_report(a11y):
    return h.is_report(a11y, ES.caption(REPORT, "&Print"))


def answer_update_question(desktop, program):
    a11y = desktop.a11y
    box = program.window("the update question in Spanish", is_box(a11y, ["No", "Sí"]))
    shown = h.message_text(a11y, box)
    if shown != QUESTION:
        fail(f"the question says {shown!r}, expected {QUESTION!r}")
    desktop.screenshot("spanish-update-question")
    desktop.press(a11y.find(box, "push button", "No"))


def refuse_empty_name(desktop, program, main):
    a11y = desktop.a11y
    desktop.press(a11y.find(main, "push button", CALCULATE))
    box = program.window("the message for an empty name", is_box(a11y, ["Aceptar"]))
    shown = h.message_text(a11y, box)
    if shown != ES(MAIN, "Please Enter Your Name"):
        fail(f"the empty name gives {shown!r}")
    desktop.screenshot("spanish-name-message")
    desktop.press(a11y.find(box, "push button", "Aceptar"))
    return program.window("the main window after the message", is_main(a11y))


def enter_request(desktop, main):
    """Ana Lopez, 15 July 1975, typed and chosen by keys as a user does."""
    a11y = desktop.a11y
    d.wait_until("the name box to have the keyboard focus", lambda: h.focused(a11y, main, "text"))
    desktop.type("Ana Lopez")
    desktop.key("Tab")
    d.wait_until("the month list to show January",
                 lambda: h.focused_list(a11y, main, ES(MAIN, "January")))
    desktop.key(*["Down"] * 6)
    d.wait_until("the month list to show July",
                 lambda: h.focused_list(a11y, main, ES(MAIN, "July")))
    desktop.key("Tab")
    desktop.type("15")
    d.wait_until("the day list to show 15", lambda: h.focused_list(a11y, main, "15"))
    desktop.key("Tab")
    desktop.type("1975")
    d.wait_until("the year list to show 1975", lambda: h.focused_list(a11y, main, "1975"))
    desktop.screenshot("spanish-main")


def report_text(a11y, report, lines):
    text = a11y.text(a11y.find(report, "text"))
    for line in lines:
        if line not in text:
            fail(f"the report does not show {line!r}; it shows:\n{text[:800]}")


def journey(test, desktop):
    a11y = desktop.a11y
    printer = h.Printer(test, desktop)
    settings = desktop.user.settings
    settings.parent.mkdir(parents=True, exist_ok=True)
    stored = datetime.date.today() - datetime.timedelta(days=20)
    settings.write_text(f"[Settings]\n{h.reminder_line(stored)}\n", encoding="utf-8")

    program = desktop.start_program("spanish", extra_env={**printer.env, **SPANISH})
    answer_update_question(desktop, program)
    main = program.window("the Spanish main window", is_main(a11y))
    main = refuse_empty_name(desktop, program, main)
    enter_request(desktop, main)
    desktop.key("Tab")
    d.wait_until("the calculate button to take the focus",
                 lambda: h.focused(a11y, main, "push button", CALCULATE))
    desktop.key("space")

    result = program.window("the Spanish result window", is_result(a11y))
    h.expect_tone_picture(desktop, result, "Resultado de Kinwise", "es/06-Rhythmic")
    desktop.press(a11y.find(result, "push button", ES(RESULT, "Save")))
    report = program.window("the Spanish report window", is_report(a11y))
    name = ES(REPORT, "Name: ") + "Ana Lopez"
    date = (ES(REPORT, "%1 %2, %3").replace("%1", ES(REPORT, "July")).replace("%2", "15")
            .replace("%3", "1975"))
    number = ES(REPORT, "Mayan Number: ") + "6"
    # The sign's name is the catalogue's.
    report_text(a11y, report, [name, ES(REPORT, "Date of Birth: ") + date, number,
                               ES(REPORT, "Mayan English Name: ") + "Transformador"])
    desktop.screenshot("spanish-report")

    saved = desktop.user.home / "ana-lopez.man"
    desktop.key(ES.access_key(REPORT, "&Save"))
    h.choose_in_file_dialog(desktop, program, "Kinwise", saved, "spanish-saving", NAME_BOX)
    expected = b"".join(h.scramble(line) + b"\r\n" for line in ("Ana Lopez", "1975", "July", "15"))
    d.wait_until("the saved file to be complete",
                 lambda: saved.exists() and saved.stat().st_size >= len(expected), 10)
    if saved.read_bytes() != expected:
        fail(f"the file saved under Spanish holds {saved.read_bytes()!r}, expected {expected!r}")

    report = program.window("the report window back after saving", is_report(a11y))
    desktop.key(ES.access_key(REPORT, "&Print"))
    printed = subprocess.run(["pdftotext", "-layout", str(printer.wait_job()), "-"],
                             capture_output=True, text=True, check=True).stdout
    flat = " ".join(printed.split())
    footer = ES(REPORT, "Report Generated By %1").replace("%1", d.site_setting("KINWISE_SITE_BASE"))
    for piece in (name, date, number, footer):
        if piece not in flat:
            fail(f"the printed report does not hold {piece!r}; it holds:\n{printed[:1500]}")
    desktop.close_window(report)
    program.no_window("the report window to close with its close box", is_report(a11y))
    result = program.window("the result window after the report", is_result(a11y))
    desktop.close_window(result, exit_item=ES.caption(RESULT, "E&xit"))
    program.expect_clean_exit("the Spanish program to end with its result window")

    log("the same file under English")
    english = desktop.start_program("english")
    main = english.window("the English main window", h.is_main(a11y))
    desktop.key("alt+o")
    h.choose_in_file_dialog(desktop, english, "Select the source file", saved, "english-opening")
    result = english.window("the English result window for the file", h.is_result(a11y))
    if h.day_number(a11y, result) != "6":
        fail(f"the file opens under English as day number {h.day_number(a11y, result)!r}")
    desktop.press(a11y.find(result, "push button", "Save"))
    report = english.window("the English report window", h.is_report(a11y))
    report_text(a11y, report, ["Name: Ana Lopez", "Date of Birth: July 15, 1975",
                               "Mayan English Name: Transformer"])
    desktop.close_window(report)
    english.no_window("the English report window to close", h.is_report(a11y))
    result = english.window("the English result window after the report", h.is_result(a11y))
    desktop.close_window(result)
    english.expect_clean_exit("the English program to end with its result window")


class Spanish(h.Journey):
    name = "spanish"
    journey = journey


if __name__ == "__main__":
    d.main()
