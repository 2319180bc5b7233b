"""Link labels and Help menu items open the vendor's pages in the desktop's browser."""

import subprocess

import harness as h
from harness import fail

FORUM_LINK = "Talk it over with friendly readers in our Mayan forum!"
INVITATION = "Enter your date of birth and know more about your lucky Mayan Day Number!"
POINTER = h.SOURCE_DIR / "assets/pointer/link-pointer.png"
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
    expected_alpha = pointer_alpha()
    width, height, *hotspot, alpha = desktop.pointer_over(link)
    if (width, height, tuple(hotspot)) != (32, 32, POINTER_HOTSPOT) or alpha != expected_alpha:
        fail(f"over the forum link the pointer is {width}x{height} with its hotspot at "
             f"{tuple(hotspot)}, not the 32x32 link pointer with its hotspot at {POINTER_HOTSPOT}")
    desktop.screenshot("pointer-over-link")
    width, height, *hotspot, alpha = desktop.pointer_over(plain)
    if (width, height, tuple(hotspot)) == (32, 32, POINTER_HOTSPOT) and alpha == expected_alpha:
        fail("the invitation label, which opens nothing, shows the link pointer")


def journey(desktop):
    a11y = desktop.a11y
    record = h.install_address_recorder(desktop.home)
    h.check_address_recorder(desktop, record)

    program = desktop.start_program()
    main = program.window("the main window", h.is_main(a11y))
    link = a11y.find(main, "link", test=lambda n: a11y.name(n).startswith(FORUM_LINK))
    if link is None:
        fail("the main window has no forum link")
    check_pointers(desktop, main, link)
    desktop.click_node(link)
    h.wait_until("a click on the forum link to open an address",
                 lambda: h.recorded_addresses(record), 10)
    desktop.screenshot("forum-link-clicked")

    main = program.window("the main window after the link click", h.is_main(a11y))
    desktop.key("alt+h")
    h.wait_until("the Help menu to open", lambda: a11y.find(
        main, "menu item", "Check for Software Update", test=a11y.showing))
    desktop.screenshot("help-menu")
    desktop.key("u")
    h.wait_until("Check for Software Update to open an address",
                 lambda: len(h.recorded_addresses(record)) >= 2, 10)
    expected = [h.SITE + "home-page", h.SITE + "download-web-page"]
    opened = h.recorded_addresses(record)
    if opened != expected:
        fail(f"the opened addresses are {opened}, expected {expected}")

    main = program.window("the main window after the Help item", h.is_main(a11y))
    desktop.key("alt+h")
    h.wait_until("the Help menu to open again", lambda: a11y.find(
        main, "menu item", "About Software", test=a11y.showing))
    desktop.key("a")
    about = program.window("the About window", lambda w: a11y.role(w) == "dialog" and a11y.find(
        w, "label", test=lambda n: a11y.name(n).startswith("Kinwise generates")))
    desktop.screenshot("about")
    desktop.window_shot(about, "about")
    desktop.key("Return")
    program.no_window("the About window to close on Enter", lambda w: a11y.role(w) == "dialog")
    program.window("the main window after About", h.is_main(a11y))
    if h.recorded_addresses(record) != expected:
        fail(f"more addresses were opened: {h.recorded_addresses(record)}")

    desktop.key("alt+F4")
    program.expect_clean_exit("the program to end when its window closes")


if __name__ == "__main__":
    h.run_journey("links", journey)
