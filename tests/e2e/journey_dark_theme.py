"""Under a dark system palette every window's text stays readable.

The program runs with Qt's GTK 3 platform theme and GTK's dark Adwaita. In each window, every
enabled text-bearing node is measured on a screenshot, inside its accessible box less its frame.
Colours within one step of QUANTUM per value count as one, the commonest of them standing for
the rest. The background is the commonest colour there.
The text's colours (inks) are the colours that at least LEAST_INK pixels share, passing over
those that lie between the background and a stronger ink (the anti-aliased edges of its glyphs)
and those within SHADING of the background (a button face's gradient). A caption is one colour,
so its strongest ink needs a WCAG contrast ratio of 4.5 with the background, as body text does
(other inks there are icons); a text box's document may mix colours, so there every ink needs
it. Disabled items are exempt, as WCAG has it.
"""

from collections import Counter

import desktop as d
import journeys as h
from desktop import fail, log

# GTK, which the theme loads, would put a second accessible application of the same process on
# the bus, one that never answers; NO_AT_BRIDGE keeps it off.
DARK = {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark", "NO_AT_BRIDGE": "1"}
BODY_TEXT = 4.5
TEXT_ROLES = ("label", "link", "text", "push button", "menu item")
# The pixels of a glyph core or two.
LEAST_INK = 5
QUANTUM = 8
# Contrast ratios below this are shading, not text.
SHADING = 1.1
# How far (per colour value) an anti-aliased pixel may lie from the line between two colours.
BLEND_SLACK = 10
# The result window's own captions on its own teal, colours as the window is designed: no theme
# changes them, and what is judged here is what a theme changes.
DESIGNED_PAIRS = [((255, 128, 128), (0, 105, 136)), ((255, 192, 192), (0, 105, 136))]


def luminance(colour):
    def linear(value):
        value /= 255
        return value / 12.92 if value <= 0.03928 else ((value + 0.055) / 1.055) ** 2.4
    red, green, blue = (linear(v) for v in colour)
    return 0.2126 * red + 0.7152 * green + 0.0722 * blue


def contrast(one, other):
    lighter, darker = sorted((luminance(one), luminance(other)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def pixels_in(screen, box):
    x, y, width, height = box
    _, _, data = h.read_rgb(["convert", str(screen), "-crop", f"{width}x{height}+{x}+{y}",
                             "+repage"])
    return [tuple(data[i:i + 3]) for i in range(0, len(data), 3)]


def designed(ink, background):
    def near(one, other):
        return max(abs(a - b) for a, b in zip(one, other)) <= QUANTUM
    return any(near(ink, i) and near(background, b) for i, b in DESIGNED_PAIRS)


def quantum(colour):
    return tuple(v // QUANTUM for v in colour)


def between(colour, one, other):
    """Whether colour lies on the line from one to other, short of both ends: a blend."""
    span = [b - a for a, b in zip(one, other)]
    length = sum(v * v for v in span)
    if length == 0:
        return False
    t = sum((c - a) * v for c, a, v in zip(colour, one, span)) / length
    nearest = [a + t * v for a, v in zip(one, span)]
    return 0 < t < 1 and max(abs(c - n) for c, n in zip(colour, nearest)) <= BLEND_SLACK


def inks(screen, box):
    """The background of a box and its text colours, strongest first."""
    pixels = pixels_in(screen, box)
    groups = {}
    for colour in pixels:
        groups.setdefault(quantum(colour), Counter())[colour] += 1
    # Each group of near colours stands for its commonest member.
    counts = {group.most_common(1)[0][0]: sum(group.values()) for group in groups.values()}
    background = max(counts, key=counts.get)
    found = []
    for colour in sorted((c for c, n in counts.items() if n >= LEAST_INK),
                         key=lambda c: -contrast(c, background)):
        if contrast(colour, background) < SHADING:
            break
        if not any(between(colour, background, ink) for ink in found):
            found.append(colour)
    return background, found


def text_box(a11y, node):
    """The node's box on the screen, less a frame's width and any scroll bar inside it."""
    x, y, width, height = a11y.extents(node)
    for bar in a11y.find_all(node, "scroll bar", test=a11y.showing):
        bar_x, _, bar_width, bar_height = a11y.extents(bar)
        if bar_height > bar_width:  # the vertical one, at the right
            width = min(width, bar_x - x)
    inset = {"text": 2, "push button": 4}.get(a11y.role(node), 0)
    return x + inset, y + inset, width - 2 * inset, height - 2 * inset


def measure(desktop, window, what):
    """Every visible text node of a window with its contrast; fails naming those below 4.5."""
    a11y = desktop.a11y
    screen = desktop.screenshot(what)
    low = []
    for node in a11y.find_all(window, test=lambda n: a11y.role(n) in TEXT_ROLES
                              and a11y.showing(n) and a11y.has_state(n, "enabled")
                              and a11y.text(n).strip()):
        box = text_box(a11y, node)
        if box[2] <= 4 or box[3] <= 4:
            continue
        background, colours = inks(screen, box)
        label = f"{what}: {a11y.role(node)} {a11y.text(node)[:40]!r}"
        ratios = ", ".join(f"{contrast(c, background):.2f} {c}" for c in colours)
        log(f"{label} on {background}: {ratios or 'no text seen'}")
        judged = colours if a11y.role(node) == "text" else colours[:1]
        weak = [c for c in judged
                if contrast(c, background) < BODY_TEXT and not designed(c, background)]
        if weak or not colours:
            low.append(f"{label}: " + (", ".join(
                f"{c} on {background} {contrast(c, background):.2f}" for c in weak)
                or f"no text seen on {background}"))
    return low


def expect_dark_palette(desktop, window):
    """The theme really is dark: the window's own background, a system colour, is dark."""
    counts = Counter(pixels_in(desktop.screenshot("dark-palette"), desktop.a11y.extents(window)))
    background = counts.most_common(1)[0][0]
    if luminance(background) > 0.2:
        fail(f"the message box's background is {background}: the dark palette is not in effect")


def journey(test, desktop):
    a11y = desktop.a11y
    program = desktop.start_program(extra_env=DARK)
    low = []
    main = program.window("the main window", h.is_main(a11y))
    low += measure(desktop, main, "main window")

    desktop.key("alt+g")
    box = program.window("the message box for an empty name", h.is_message_box(a11y))
    expect_dark_palette(desktop, box)
    low += measure(desktop, box, "message box")
    desktop.key("Return")

    main = program.window("the main window after the message", h.is_main(a11y))
    about = h.open_about(desktop, program, main)
    low += measure(desktop, about, "About window")
    desktop.key("Return")

    main = program.window("the main window after About", h.is_main(a11y))
    d.wait_until("the name box to have the keyboard focus",
                 lambda: h.focused(a11y, main, "text", "Name"))
    desktop.type("Ana Lopez")
    desktop.key("alt+g")
    result = program.window("the result window", h.is_result(a11y))
    low += measure(desktop, result, "result window")

    desktop.press(a11y.find(result, "push button", "Save"))
    report = program.window("the report window", h.is_report(a11y))
    d.wait_until("the report to be written", lambda: "Ana Lopez" in a11y.text(
        a11y.find(report, "text", "Report")))
    low += measure(desktop, report, "report window")

    if low:
        fail("text below the contrast ratio of 4.5 under the dark palette:\n  " + "\n  ".join(low))
    desktop.close_window(report)
    result = program.window("the result window after the report", h.is_result(a11y))
    desktop.close_window(result)
    program.expect_clean_exit("the program to end when its last window closes")


class DarkTheme(h.Journey):
    name = "dark_theme"
    journey = journey


if __name__ == "__main__":
    d.main()
