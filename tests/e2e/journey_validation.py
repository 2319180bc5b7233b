"""What a person sees when the name is missing, the date does not exist or the chosen reading
file cannot be read."""

import os

import desktop as d
import journeys as h
from desktop import fail


def expect_refusal(desktop, program, case, message, ask=None):
    """ask() makes the request, by default Alt+G; the message's first paragraph is compared."""
    a11y = desktop.a11y
    if ask is None:
        desktop.key("alt+g")
    else:
        ask()
    box = program.window(f"the message box for {case}", h.is_message_box(a11y))
    shown = d.wait_until(f"the message for {case} to have text",
                         lambda: h.message_text(a11y, box))
    if shown.split("\n\n")[0] != message:
        fail(f"for {case} the message box says {shown!r}, expected {message!r}")
    desktop.screenshot(f"refused-{case}")
    desktop.key("Return")
    program.no_window(f"the message box for {case} to close on Enter", h.is_message_box(a11y))
    main = program.window(f"the main window to stay after {case}", h.is_main(a11y))
    if program.has_window(h.is_result(a11y)):
        fail(f"a result window opened for {case}")
    return main


def choose(desktop, main, what, wanted, keys=None, text=None):
    """Changes the focused closed list by keys or typing and checks what it shows."""
    a11y = desktop.a11y
    if keys:
        desktop.key(*keys)
    if text:
        desktop.type(text)
    d.wait_until(f"the {what} list to show {wanted}",
                 lambda: h.focused_list(a11y, main, wanted))


def journey(test, desktop):
    a11y = desktop.a11y
    program = desktop.start_program()
    main = program.window("the main window", h.is_main(a11y))

    main = expect_refusal(desktop, program, "an empty name", "Please Enter Your Name")
    d.wait_until("the name box to get the focus back",
                 lambda: h.focused(a11y, main, "text", "Name"))
    desktop.type("Ana")

    desktop.key("Tab")
    choose(desktop, main, "month", "April", keys=["Down"] * 3)
    desktop.key("Tab")
    choose(desktop, main, "day", "31", text="31")
    main = expect_refusal(desktop, program, "31 April", "Please Enter Correct Date Or Month !")

    d.wait_until("the day list to get the focus back",
                 lambda: h.focused_list(a11y, main, "31"))
    desktop.key("shift+Tab")
    choose(desktop, main, "month", "February", keys=["Up", "Up"])
    desktop.key("Tab")
    choose(desktop, main, "day", "29", text="29")
    main = expect_refusal(desktop, program, "29 February 1900", "Please Enter Correct Date Or Month!")

    desktop.key("Tab")
    choose(desktop, main, "year", "2015", text="2015")
    main = expect_refusal(desktop, program, "29 February 2015", "Please Enter Correct Date Or Month!")

    # A FIFO named like a reading file, chosen through the real dialog, is said to be unreadable
    # and changes nothing that was typed.
    fifo = desktop.user.home / "pipe.man"
    os.mkfifo(fifo)

    def open_fifo():
        desktop.key("alt+o")
        h.choose_in_file_dialog(desktop, program, "Select the source file", fifo, "a FIFO")
    main = expect_refusal(desktop, program, "a FIFO", f"The file {fifo} could not be read.",
                          ask=open_fifo)
    if a11y.text(a11y.find(main, "text", "Name")) != "Ana":
        fail("opening the FIFO changed the name box to "
             f"{a11y.text(a11y.find(main, 'text', 'Name'))!r}")

    # A leap year is let through, so the refusals above were about the dates.
    choose(desktop, main, "year", "2016", keys=["Down"])
    desktop.key("alt+g")
    result = program.window("the result window for 29 February 2016", h.is_result(a11y))
    if not h.day_number(a11y, result).isdigit():
        fail("the result window for 29 February 2016 shows no day number")
    desktop.screenshot("leap-day-accepted")
    desktop.close_window(result)
    program.expect_clean_exit("the program to end when its last window closes")


class Validation(h.Journey):
    name = "validation"
    journey = journey


if __name__ == "__main__":
    d.main()
