"""A reminder date older than two weeks brings the update question before the main window."""

import datetime

import desktop as d
import journeys as h
from desktop import fail, log

QUESTION = ("There maybe an update to this software available\n"
            "Do you want to check for an update?")


def settings_lines(user):
    path = user.settings
    return path.read_text(encoding="utf-8").splitlines() if path.exists() else []


def learn_settings_form(desktop):
    """Lets the program write its first-run value in a throwaway HOME and checks that our
    encoding of a date gives the very line it wrote."""
    a11y = desktop.a11y
    folders = desktop.user_folders("throwaway")
    program = desktop.start_program("throwaway", user=folders)
    main = program.window("the main window of the throwaway first run", h.is_main(a11y))
    desktop.close_window(main)
    program.wait_exit("the throwaway copy to end")
    lines = settings_lines(folders)
    log(f"first-run settings file: {lines}")
    expected = ["[Settings]", h.reminder_line(datetime.date.today())]
    if lines != expected:
        fail(f"the first run stored {lines}, expected {expected}")


def journey(test, desktop):
    a11y = desktop.a11y
    learn_settings_form(desktop)

    record = h.install_address_recorder(desktop.user)
    h.check_address_recorder(desktop, record)
    stored = datetime.date.today() - datetime.timedelta(days=20)
    settings = desktop.user.settings
    settings.parent.mkdir(parents=True, exist_ok=True)
    settings.write_text(f"[Settings]\n{h.reminder_line(stored)}\n", encoding="utf-8")

    program = desktop.start_program()
    box = program.window("the update question on a start 20 days after the last",
                         h.is_message_box(a11y))
    if program.has_window(h.is_main(a11y)):
        fail("the main window showed before the update question was answered")
    shown = h.message_text(a11y, box)
    if shown != QUESTION:
        fail(f"the question says {shown!r}, expected {QUESTION!r}")
    buttons = sorted(a11y.name(b) for b in a11y.find_all(box, "push button"))
    if buttons != ["No", "Yes"]:
        fail(f"the question offers {buttons}, expected Yes and No")
    desktop.screenshot("update-question")
    desktop.press(a11y.find(box, "push button", "No"))
    main = program.window("the main window after answering No", h.is_main(a11y))
    desktop.screenshot("main-after-no")
    # A browser started on No records its address long before the program's next start has
    # shown its window, where that is checked.
    lines = settings_lines(desktop.user)
    if h.reminder_line(datetime.date.today()) not in lines:
        fail(f"after the question the stored reminder is not today's date: {lines}")
    desktop.close_window(main)
    program.wait_exit("the program to end when its window closes")

    again = desktop.start_program("again")
    main = again.window("the main window on the next start", h.is_main(a11y))
    if again.has_window(h.is_message_box(a11y)):
        fail("the next start asked a question again: " + again.describe())
    desktop.screenshot("next-start-quiet")
    desktop.close_window(main)
    again.expect_clean_exit("the program to end when its window closes")
    if h.recorded_addresses(record):
        fail(f"a browser was started: {h.recorded_addresses(record)}")


class UpdateReminder(h.Journey):
    name = "update_reminder"
    journey = journey


if __name__ == "__main__":
    d.main()
