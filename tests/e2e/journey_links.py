"""Link labels and Help menu items open the vendor's pages in the desktop's browser."""

import subprocess

import desktop as d
import journeys as h
from desktop import fail

FORUM_LINK = "Talk it over with friendly readers in our Mayan forum!"
INVITATION = "Enter your date of birth and know more about your lucky Mayan Day Number!"
POINTER = d.SOURCE_DIR / "assets/pointer/link-pointer.png"
POINTER_HOTSPOT = (10, 1)


def pointer_alpha():
    """The alpha channel of the link pointer's picture, row by row."""
    return subprocess.run(["convert", str(POINTER), "-alpha", "extract", "-depth", "8", "gray:-"],
                          capture_output=True, check=True).stdout


def check_pointers(desktop, main, link):
    a11y = desktop.a11y
    plain = a11y.find(main, "label", INVITATION)
    if plain is None:
        fail("the main window has no invitation label")
    link_pointer = (32, 32, *POINTER_HOTSPOT, pointer_alpha())
    desktop.move_pointer(*a11y.centre(link))
    try:
        d.wait_until("the link pointer to show over the forum link",
                     lambda: desktop.pointer_image() == link_pointer, 5)
    except AssertionError:
        width, height, *hotspot, _ = desktop.pointer_image()
        fail(f"over the forum link the pointer is {width}x{height} with its hotspot at "
             f"{tuple(hotspot)}, not the 32x32 link pointer with its hotspot at {POINTER_HOTSPOT}")
    desktop.screenshot("pointer-over-link")
    desktop.move_pointer(*a11y.centre(plain))
    d.wait_until("the pointer to change when it leaves the link",
                 lambda: desktop.pointer_image() != link_pointer, 5)


def journey(test, desktop):
    a11y = desktop.a11y
    record = h.install_address_recorder(desktop.user)
    h.check_address_recorder(desktop, record)

    program = desktop.start_program()
    main = program.window("the main window", h.is_main(a11y))
    link = a11y.find(main, "link", test=lambda n: a11y.name(n).startswith(FORUM_LINK))
    if link is None:
        fail("the main window has no forum link")
    shown = f"{FORUM_LINK} Click Here To Visit {d.site_setting('KINWISE_WEB_ADDRESS')} Now."
    if a11y.name(link) != shown:
        fail(f"the forum link says {a11y.name(link)!r}, expected {shown!r}")
    if not desktop.wayland:  # the pointer's picture is the compositor's secret there
        check_pointers(desktop, main, link)
    desktop.press(link)
    d.wait_until("a click on the forum link to open an address",
                 lambda: h.recorded_addresses(record), 10)
    desktop.screenshot("forum-link-clicked")

    main = program.window("the main window after the link click", h.is_main(a11y))
    desktop.key("alt+h")
    d.wait_until("the Help menu to open", lambda: a11y.find(
        main, "menu item", "Check for Software Update", test=a11y.showing))
    desktop.screenshot("help-menu")
    desktop.key("u")
    d.wait_until("Check for Software Update to open an address",
                 lambda: len(h.recorded_addresses(record)) >= 2, 10)
    expected = [d.page_address("home-page"), d.page_address("download-web-page")]
    opened = h.recorded_addresses(record)
    if opened != expected:
        fail(f"the opened addresses are {opened}, expected {expected}")

    main = program.window("the main window after the Help item", h.is_main(a11y))
    about = h.open_about(desktop, program, main)
    desktop.screenshot("about")
    h.window_shot(desktop, about, "about")
    desktop.key("Return")
    program.no_window("the About window to close on Enter", lambda w: a11y.role(w) == "dialog")
    main = program.window("the main window after About", h.is_main(a11y))
    if h.recorded_addresses(record) != expected:
        fail(f"more addresses were opened: {h.recorded_addresses(record)}")

    desktop.close_window(main)
    program.expect_clean_exit("the program to end when its window closes")


class Links(h.Journey):
    name = "links"
    journey = journey


if __name__ == "__main__":
    d.main()
