"""No printer: Print says why and offers the report as a PDF, which holds what the printer got for
the same reading; a refused overwrite leaves the first PDF as it was. In the desktop's language
(KINWISE_E2E_LANGUAGE)."""

import os
import re
import subprocess

import desktop as d
import journeys as h
from desktop import fail

LANGUAGE = os.environ.get("KINWISE_E2E_LANGUAGE", "")
SPANISH = LANGUAGE.startswith("es")
# The program's texts as its translation gives them; Qt's buttons in Qt's own words.
T = h.Texts(LANGUAGE)
REPORT = "kinwise::ReportWindow"
SAY = {
    "open": T.caption("kinwise::MainWindow", "&Open Previously Saved Reading"),
    "open_title": T("kinwise::ReadingCommands", "Select the source file"),
    "name_box": T.caption("QFileDialog", "File &name:"),
    "result": T("kinwise::ResultWindow", "Kinwise Result"),
    "save": T("kinwise::ResultWindow", "Save"),
    "print": T.caption(REPORT, "&Print"),
    "pdf": T.caption(REPORT, "Save as &PDF..."),
    "message": T(REPORT, "The report could not be printed.\n\n%1").replace(
        "%1", T("kinwise::Printing", "No default printer is set up.")),
    "file": T(REPORT, "%1 - Mayan numerology reading.pdf").replace("%1", "Ana Lopez"),
    "ok": "Aceptar" if SPANISH else "OK",
    "yes": "Sí" if SPANISH else "Yes",
    "no": "No",
    "paper": "A4" if SPANISH else "letter",
}
if SPANISH and SAY["pdf"] == "Save as PDF...":
    fail("the translation has no Spanish for the PDF offer")
# A region whose paper is the queue's Letter under English, so that both lay out alike line for
# line; Guatemala's is A4.
REGION = {"LC_ALL": "es_GT.UTF-8", "LANGUAGE": LANGUAGE} if LANGUAGE else {"LC_ALL": "en_US.UTF-8"}


def output(*argv):
    return subprocess.run([str(a) for a in argv], capture_output=True, text=True,
                          check=True).stdout


def offer_pdf(desktop, program, report, shot=None):
    """Print on a desktop without a printer: the message, and its Save as PDF button pressed."""
    a11y = desktop.a11y
    desktop.press(a11y.find(report, "push button", SAY["print"]))
    box = program.window("the message that nothing can print",
                         h.is_message_box(a11y, (SAY["ok"], SAY["pdf"])))
    buttons = sorted(a11y.name(b) for b in a11y.find_all(box, "push button"))
    if (h.message_text(a11y, box), buttons) != (SAY["message"], sorted((SAY["ok"], SAY["pdf"]))):
        fail(f"the message says {h.message_text(a11y, box)!r} and offers {buttons}")
    if shot:
        h.window_shot(desktop, box, shot)
    desktop.press(a11y.find(box, "push button", SAY["pdf"]))
    dialog = program.window("the save dialog for the PDF",
                            h.is_file_dialog(a11y, "Kinwise", SAY["name_box"]))
    name_box = a11y.find(dialog, "text", SAY["name_box"])
    d.wait_until("the suggested name in the file name box",
                 lambda: a11y.text(name_box) == SAY["file"])


def journey(test, desktop):
    a11y = desktop.a11y
    printer = h.Printer(test, desktop)
    home = desktop.user.home
    documents = home / "Documents"
    documents.mkdir()
    saved = home / "ana.man"
    saved.write_bytes(b"".join(h.scramble(line) + b"\r\n"
                               for line in ("Ana Lopez", "1975", "July", "15")))
    program = desktop.start_program(extra_env={**printer.env, **REGION})

    main = program.window("the main window", h.is_main(a11y, SAY["open"]))
    desktop.press(a11y.find(main, "push button", SAY["open"]))
    h.choose_in_file_dialog(desktop, program, SAY["open_title"], saved, "opening",
                            SAY["name_box"])
    result = program.window("the result window", h.is_result(a11y, SAY["result"]))
    desktop.press(a11y.find(result, "push button", SAY["save"]))
    report = program.window("the report window", h.is_report(a11y, SAY["print"]))

    # With a printer, nothing is offered and the job goes to the queue.
    desktop.press(a11y.find(report, "push button", SAY["print"]))
    printed = printer.wait_job()
    if program.has_window(h.is_message_box(a11y, (SAY["ok"], SAY["pdf"]))):
        fail("printing on a printer showed a message: " + program.describe())
    on_paper = output("pdftotext", "-layout", printed, "-")

    printer.remove_queue()
    offer_pdf(desktop, program, report, "print-to-pdf-offer" if not LANGUAGE else None)
    desktop.screenshot("pdf-save-dialog")
    desktop.key("Return")
    program.no_window("the save dialog to close", h.is_file_dialog(a11y, "Kinwise",
                                                                  SAY["name_box"]))
    pdf = documents / SAY["file"]
    d.wait_until(f"the PDF {pdf}", pdf.exists, 10)
    if sorted(p.name for p in documents.iterdir()) != [SAY["file"]]:
        fail(f"the documents folder holds {sorted(documents.iterdir())}")

    # The same pages as on paper where the paper is the same; the same text wherever.
    as_pdf = output("pdftotext", "-layout", pdf, "-")
    if (as_pdf.split() != on_paper.split() if LANGUAGE else as_pdf != on_paper):
        fail(f"the PDF's text differs from the printed one:\n{as_pdf[:1500]}\n---\n"
             f"{on_paper[:1500]}")
    if any(line.strip().isdigit() for line in as_pdf.splitlines()):
        fail("the PDF has a page number")
    info = output("pdfinfo", pdf)
    for line in ("Title: *Kinwise - Ana Lopez\n", "Creator: *Kinwise v1.15\n",
                 f"Page size: .*\\({SAY['paper']}\\)"):
        if not re.search(line, info):
            fail(f"the PDF's information lacks {line!r}:\n{info}")

    # A second save into that name, its overwrite refused, changes nothing.
    first = pdf.read_bytes()
    offer_pdf(desktop, program, report)
    desktop.key("Return")
    question = program.window("Qt's question before overwriting",
                              h.is_message_box(a11y, (SAY["yes"], SAY["no"])))
    desktop.press(a11y.find(question, "push button", SAY["no"]))
    program.window("the save dialog after the refused overwrite",
                   h.is_file_dialog(a11y, "Kinwise", SAY["name_box"]))
    desktop.key("Escape")
    program.no_window("the save dialog to close on Escape",
                      h.is_file_dialog(a11y, "Kinwise", SAY["name_box"]))
    program.window("the report window after cancelling", h.is_report(a11y, SAY["print"]))
    if pdf.read_bytes() != first or len(list(documents.iterdir())) != 1:
        fail("the refused overwrite changed the documents folder")
    if program.has_window(h.is_message_box(a11y)):
        fail("cancelling showed a message: " + program.describe())


class PrintToPdf(h.Journey):
    name = "print_to_pdf"
    journey = journey


if __name__ == "__main__":
    d.main()
