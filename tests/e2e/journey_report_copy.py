"""The report cannot be copied out: neither a mouse selection nor Ctrl+C leaves it on the X11
selection or the clipboard, while other programs' clipboard contents outside the report stay."""

import desktop as d
import journeys as h
from desktop import fail


def selection(desktop, which):
    """What the X selection holds as text, or None when nobody owns it."""
    done = desktop.run(["xclip", "-o", "-selection", which], check=False, timeout=10)
    return done or None


def selected_characters(a11y, box):
    text = box.queryText()
    return sum(end - start for start, end in
               (text.getSelection(i) for i in range(text.getNSelections())))


def journey(test, desktop):
    a11y = desktop.a11y
    program = desktop.start_program()
    main = program.window("the main window", h.is_main(a11y))
    d.wait_until("the name box to have the keyboard focus", lambda: h.focused(a11y, main, "text"))
    desktop.type("Ana Lopez")
    desktop.key("alt+g")
    result = program.window("the result window", h.is_result(a11y))
    desktop.click_node(a11y.find(result, "push button", "Save"))
    report = program.window("the report window", h.is_report(a11y))
    box = a11y.find(report, "text", "Report")

    # A drag across the first lines selects text, which Qt puts on the X selection at release.
    x, y, width, _ = a11y.extents(box)
    desktop.move_pointer(x + 8, y + 8)
    desktop.run(["xdotool", "mousedown", "1"])
    desktop.move_pointer(x + width // 2, y + 40)
    desktop.move_pointer(x + width - 20, y + 60)
    desktop.run(["xdotool", "mouseup", "1"])
    d.wait_until("the drag to select part of the report",
                 lambda: selected_characters(a11y, box) > 10)
    desktop.screenshot("report-selected")
    shown = selection(desktop, "primary")
    if shown and "Ana" in shown:
        fail(f"the mouse selection of the report reached the X selection: {shown[:80]!r}")

    desktop.key("ctrl+a", "ctrl+c")
    d.wait_until("Ctrl+A to select the whole report",
                 lambda: selected_characters(a11y, box) > 500)
    for which in ("clipboard", "primary"):
        shown = selection(desktop, which)
        if shown and "Ana" in shown:
            fail(f"Ctrl+C put the report on the {which}: {shown[:80]!r}")

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
