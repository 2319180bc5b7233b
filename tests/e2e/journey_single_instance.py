"""Only one copy runs at a time; a copy that was killed does not block the next start."""

import os
import signal

import desktop as d
import journeys as h
from desktop import fail

ALREADY_RUNNING = "Application is already running"


def journey(test, desktop):
    a11y = desktop.a11y
    lock = desktop.user.lock
    first = desktop.start_program("first")
    first.window("the main window of the first copy", h.is_main(a11y))
    d.wait_until("the first copy to take the lock file", lock.exists, 5)

    second = desktop.start_program("second")
    box = second.window("the second copy's message box", h.is_message_box(a11y))
    shown = h.message_text(a11y, box)
    if shown != ALREADY_RUNNING:
        fail(f"the second copy says {shown!r}, expected {ALREADY_RUNNING!r}")
    if second.has_window(h.is_main(a11y)):
        fail("the second copy opened a main window")
    desktop.screenshot("second-copy-refused")
    desktop.key("Return")
    second.expect_clean_exit("the second copy to end after OK")

    if not lock.exists():
        fail("the refused second copy removed the first copy's lock file")
    # The first copy still answers: its window takes typing again.
    if not first.running():
        fail("the first copy ended when the second one was refused")
    main = first.window("the first copy's main window to be active again", h.is_main(a11y),
                        timeout=5, active=False)
    if not a11y.has_state(main, "active"):
        desktop.click_in(main, a11y.find(main, "label", "Date of Birth"))
        main = first.window("the first copy's main window to take the focus", h.is_main(a11y))
    name_box = a11y.find(main, "text", "Name")
    desktop.press(name_box)
    desktop.type("Still here")
    d.wait_until("the first copy to show the typed name",
                 lambda: a11y.text(name_box) == "Still here", 5)
    desktop.screenshot("first-copy-answers")

    os.kill(first.pid, signal.SIGKILL)
    first.wait_exit("the killed first copy to go")
    if not lock.exists():
        fail("no stale lock file was left by the killed copy, so the next start tests nothing")

    third = desktop.start_program("third")
    main = third.window("the main window of a start after the killed copy", h.is_main(a11y))
    if third.has_window(h.is_message_box(a11y)):
        fail("the start after the killed copy showed a message: " + third.describe())
    desktop.screenshot("start-after-kill")
    desktop.close_window(main)
    third.expect_clean_exit("the third copy to end when its window closes")
    if lock.exists():
        fail(f"the lock file {lock} is still there after the third copy ended")


class SingleInstance(h.Journey):
    name = "single_instance"
    journey = journey


if __name__ == "__main__":
    d.main()
