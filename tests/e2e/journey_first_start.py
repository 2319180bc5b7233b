"""First start: a reading for a typed name and date, saved, printed, opened again, then quit."""

import shutil
import subprocess
import time
from pathlib import Path

import harness as h
from harness import fail, log

NAME_TYPED = "  Ana Lopez  "
TONES = sorted((h.SOURCE_DIR / "assets/tones").glob("[0-9][0-9]-*.jpg"))


def expect_day_number(a11y, window, when):
    shown = h.wait_until(f"the day number to show {when}",
                         lambda: h.day_number(a11y, window) not in ("", "Number") and
                         h.day_number(a11y, window))
    if shown != "6":
        fail(f"the result window shows day number {shown!r} {when}, expected '6'")


def expect_rhythmic_picture(desktop, window):
    a11y = desktop.a11y
    panel = a11y.find(window, "panel", "Kinwise Result")
    picture = a11y.find(panel, "image")
    if picture is None:
        fail("the result window shows no picture")
    screen = desktop.screenshot("result-window")
    box = a11y.extents(picture)
    differences = {tone.stem: h.picture_difference(screen, box, tone) for tone in TONES}
    closest = min(differences, key=differences.get)
    log("picture differences: " + ", ".join(f"{k} {v:.1f}" for k, v in differences.items()))
    if closest != "06-Rhythmic" or differences[closest] > 3:
        fail(f"the result picture is not the Rhythmic tone: closest is {closest} "
             f"(mean difference {differences[closest]:.1f})")


def focused(a11y, window, role, name=None):
    return a11y.find(window, role, name, test=lambda n: a11y.has_state(n, "focused"))


def choose_in_file_dialog(desktop, program, title, path, what):
    a11y = desktop.a11y
    dialog = program.window(f"the file dialog {title!r} for {what}", h.is_file_dialog(a11y, title))
    h.wait_until(f"the file name box of {title!r} to have the keyboard focus",
                 lambda: focused(a11y, dialog, "text", "File name:"))
    desktop.type(str(path))
    box = a11y.find(dialog, "text", "File name:")
    h.wait_until(f"the typed path to appear in the file name box of {title!r}",
                 lambda: a11y.text(box) == str(path))
    desktop.screenshot(f"file-dialog-{what}")
    desktop.key("Return")
    program.no_window(f"the file dialog {title!r} to close after Enter",
                      h.is_file_dialog(a11y, title))


def journey(desktop):
    a11y = desktop.a11y
    printer = desktop.start_printer()
    home = Path(desktop.home["HOME"])
    settings = Path(desktop.home["XDG_CONFIG_HOME"]) / "Kinwise/KinwiseFreeMayanNumerology.conf"
    program = desktop.start_program(extra_env=printer)

    main = program.window("the main window on first start", h.is_main(a11y))
    if any(h.is_message_box(a11y)(w) for w in program.windows()):
        fail("a question was shown on the first start")
    desktop.screenshot("first-start")
    h.wait_until("the first start to store the reminder date", settings.exists, 5)

    h.wait_until("the name box to have the keyboard focus", lambda: focused(a11y, main, "text"))
    desktop.type(NAME_TYPED)
    name_box = a11y.find(main, "text", "Name")
    h.wait_until("the name to appear in the name box", lambda: a11y.text(name_box) == NAME_TYPED)

    # Month by Down keys, day and year by typing into the closed lists.
    desktop.key("Tab")
    h.wait_until("the month list to take the focus", lambda: focused(a11y, main, "combo box"))
    desktop.key(*["Down"] * 6)
    h.wait_until("the month list to show July", lambda: focused(a11y, main, "combo box", "July"))
    desktop.key("Tab")
    h.wait_until("the day list to take the focus", lambda: focused(a11y, main, "combo box", "1"))
    desktop.type("15")
    h.wait_until("the day list to show 15", lambda: focused(a11y, main, "combo box", "15"))
    desktop.key("Tab")
    h.wait_until("the year list to take the focus",
                 lambda: focused(a11y, main, "combo box", "1900"))
    desktop.type("1975")
    h.wait_until("the year list to show 1975", lambda: focused(a11y, main, "combo box", "1975"))
    desktop.key("Tab")
    h.wait_until("the calculate button to take the focus",
                 lambda: focused(a11y, main, "push button", h.MAIN_BUTTON))
    desktop.screenshot("main-filled-in")
    desktop.window_shot(main, "main")

    desktop.key("space")
    result = program.window("the result window after calculating", h.is_result(a11y))
    expect_day_number(a11y, result, "after calculating")
    expect_rhythmic_picture(desktop, result)
    desktop.window_shot(result, "result")

    desktop.click_node(a11y.find(result, "push button", "Save"))
    report = program.window("the report window after Save", h.is_report(a11y))
    report_text = a11y.text(a11y.find(report, "text", "Report"))
    for line in ("Name: Ana Lopez", "Date of Birth: July 15, 1975", "Mayan Number: 6"):
        if line not in report_text:
            fail(f"the report does not show {line!r}")
    desktop.screenshot("report")
    desktop.window_shot(report, "report")

    saved = home / "ana-lopez.man"
    desktop.key("alt+s")
    choose_in_file_dialog(desktop, program, "Kinwise", saved, "saving")
    h.wait_until(f"the reading to be saved to {saved}", saved.exists, 10)
    expected = b"".join(h.scramble(line) + b"\r\n" for line in ("Ana Lopez", "1975", "July", "15"))
    h.wait_until("the saved file to be complete", lambda: saved.stat().st_size >= len(expected), 5)
    if saved.read_bytes() != expected:
        fail(f"the saved file holds {saved.read_bytes()!r}, expected {expected!r}")

    report = program.window("the report window back after saving", h.is_report(a11y))
    desktop.key("alt+p")
    pdf = desktop.wait_print_job()
    shutil.copy(pdf, desktop.shots / "first_start-printed.pdf")
    printed = subprocess.run(["pdftotext", "-layout", str(pdf), "-"], capture_output=True,
                             text=True, check=True).stdout
    flat = " ".join(printed.split())
    for piece in ("Ana Lopez", "Mayan Number: 6", "Report Generated By https://www.kinwise.example"):
        if piece not in flat:
            fail(f"the printed report does not hold {piece!r}; it holds:\n{printed[:1500]}")
    page = desktop.shots / "windows" / "printed-report"
    subprocess.run(["pdftoppm", "-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile", str(pdf),
                    str(page)], check=True)
    if any(h.is_message_box(a11y)(w) for w in program.windows()):
        fail("printing showed a message: " + program.describe())

    desktop.key("alt+F4")
    program.no_window("the report window to close with its close box", h.is_report(a11y))
    result = program.window("the result window after closing the report", h.is_result(a11y))
    desktop.click_node(a11y.find(result, "push button", "Back"))
    main = program.window("the main window after Back", h.is_main(a11y))
    desktop.screenshot("main-after-back")

    # Twice: a cancelled dialog first, as Alt+O once went only every other time.
    desktop.key("alt+o")
    program.window("the open dialog on Alt+O", h.is_file_dialog(a11y, "Select the source file"))
    desktop.key("Escape")
    program.no_window("the open dialog to close on Escape",
                      h.is_file_dialog(a11y, "Select the source file"))
    program.window("the main window after cancelling the open dialog", h.is_main(a11y))
    desktop.key("alt+o")
    choose_in_file_dialog(desktop, program, "Select the source file", saved, "opening")
    result = program.window("the result window for the opened reading", h.is_result(a11y))
    expect_day_number(a11y, result, "for the opened reading")
    desktop.screenshot("opened-reading")

    lock = Path(desktop.home["XDG_RUNTIME_DIR"]) / "KinwiseFreeMayanNumerology.lock"
    if not lock.exists():
        fail(f"the running program holds no lock file at {lock}")
    desktop.key("alt+F4")
    program.expect_clean_exit("the program to end after closing the result window", 15)
    time.sleep(0.2)
    if lock.exists():
        fail(f"the lock file {lock} is still there after the program ended")


if __name__ == "__main__":
    h.run_journey("first_start", journey)
