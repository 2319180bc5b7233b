"""The report cannot be copied out: neither a mouse selection nor Ctrl+C leaves it on the X11
selection or the clipboard. What another program holds there survives every pointer move, click
and drag over the report that does not copy."""

import desktop as d
import journeys as h
from desktop import fail

# What another program (a browser, say) holds while the report is open.
HELD = {"clipboard": "an address copied in another program",
        "primary": "a line selected in another program"}


def selection(desktop, which):
    """What the X selection holds as text, or None when nobody owns it."""
    done = desktop.run(["xclip", "-o", "-selection", which], check=False, timeout=10)
    return done or None


def hold_elsewhere(desktop, which):
    """Another program owns the selection, as xclip does in the foreground until someone else
    takes it."""
    source = desktop.root / f"held-{which}.txt"
    source.write_text(HELD[which])
    desktop.spawn(["xclip", "-quiet", "-i", "-selection", which, str(source)], log="xclip")
    d.wait_until(f"another program to own the {which}",
                 lambda: selection(desktop, which) == HELD[which])


def expect_held_elsewhere(desktop, which, after):
    shown = selection(desktop, which)
    if shown != HELD[which]:
        fail(f"after {after} the {which} holds {shown!r}, not the other program's text")


def expect_no_report(desktop, which, after):
    shown = selection(desktop, which)
    if shown and "Ana" in shown:
        fail(f"after {after} the report stays on the {which}: {shown[:80]!r}")


def expect_taken_away(desktop, which, after):
    """The report took the selection (the other program's text is gone, so it did reach X) and
    nothing of it stayed there."""
    d.wait_until(f"{after} to take the {which} from the other program",
                 lambda: selection(desktop, which) != HELD[which])
    expect_no_report(desktop, which, after)


def selected_characters(box):
    text = box.queryText()
    return sum(end - start for start, end in
               (text.getSelection(i) for i in range(text.getNSelections())))


def drag(desktop, button, points):
    desktop.move_pointer(*points[0])
    desktop.run(["xdotool", "mousedown", str(button)])
    for point in points[1:]:
        desktop.move_pointer(*point)
    desktop.run(["xdotool", "mouseup", str(button)])


def journey(test, desktop):
    a11y = desktop.a11y
    for which in HELD:
        hold_elsewhere(desktop, which)
    program = desktop.start_program()
    main = program.window("the main window", h.is_main(a11y))
    d.wait_until("the name box to have the keyboard focus", lambda: h.focused(a11y, main, "text"))
    desktop.type("Ana Lopez")
    desktop.key("alt+g")
    result = program.window("the result window", h.is_result(a11y))
    desktop.click_node(a11y.find(result, "push button", "Save"))
    report = program.window("the report window", h.is_report(a11y))
    box = a11y.find(report, "text", "Report")
    x, y, width, height = a11y.extents(box)
    across = [(x + 8, y + 8), (x + width // 2, y + 40), (x + width - 20, y + 60)]

    # Moves, clicks and a drag that selects nothing (the right button) leave both alone.
    for point in across + [(x + width // 3, y + height - 10)]:
        desktop.move_pointer(*point)
    for point in across:
        desktop.click(*point)
    drag(desktop, 3, across)
    if selected_characters(box):
        fail("a right-button drag selected part of the report")
    for which in HELD:
        expect_held_elsewhere(desktop, which, "pointer moves, clicks and a drag over the report")

    # A left-button drag selects text, which Qt puts on the X selection at release.
    drag(desktop, 1, across)
    d.wait_until("the drag to select part of the report", lambda: selected_characters(box) > 10)
    desktop.screenshot("report-selected")
    expect_taken_away(desktop, "primary", "a mouse selection of the report")
    expect_held_elsewhere(desktop, "clipboard", "a mouse selection of the report")

    desktop.key("ctrl+a", "ctrl+c")
    d.wait_until("Ctrl+A to select the whole report", lambda: selected_characters(box) > 500)
    expect_taken_away(desktop, "clipboard", "Ctrl+C")
    expect_no_report(desktop, "primary", "Ctrl+A")

    desktop.key("alt+F4")
    program.no_window("the report window to close", h.is_report(a11y))
    result = program.window("the result window after the report", h.is_result(a11y))
    desktop.key("alt+F4")
    program.expect_clean_exit("the program to end when the result window closes")


class ReportCopy(h.Journey):
    name = "report_copy"
    journey = journey
    TOOLS = h.Journey.TOOLS + ["xclip"]


if __name__ == "__main__":
    d.main()
