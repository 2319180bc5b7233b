"""What the end-to-end journeys share beyond the desktop session: the program's windows told
apart, its settings and reading files, the printer, pictures and a stand-in browser.

Each journey is one unittest case in its own script, run in a fresh session of its own.
"""

import os
import re
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ET
from pathlib import Path

import desktop as d
from desktop import fail, log, wait_until

SHOTS = Path(os.environ.get("KINWISE_E2E_SHOTS", tempfile.gettempdir() + "/kinwise-e2e-shots"))


class Journey(unittest.TestCase):
    """Runs self.journey(desktop) in a fresh session; on a failure the session's logs are shown."""

    name = None

    TOOLS = ["xdg-open", "xdg-mime", "pdftotext", "pdftoppm"]

    def setUp(self):
        d.require_tools(self.TOOLS)
        # The same journey runs on either kind of session; CTest says which.
        kind = os.environ.get("KINWISE_E2E_SESSION", "x11")
        name = self.name if kind == "x11" else f"{kind}-{self.name}"
        # Journeys running side by side keep their pictures apart.
        if os.environ.get("KINWISE_E2E_LANGUAGE"):
            name += "-" + os.environ["KINWISE_E2E_LANGUAGE"].split(":")[0]
        self.desktop = d.Session(name, kind)
        self.desktop.shots = SHOTS
        SHOTS.mkdir(parents=True, exist_ok=True)
        # Pictures of an earlier run would mix with this one's.
        for old in SHOTS.glob(f"{name}-*"):
            old.unlink()
        self.desktop.open()
        self.addCleanup(self.desktop.close)

    def test_journey(self):
        try:
            self.journey(self.desktop)
        except BaseException:
            self.desktop.print_logs()
            raise


def _flat(element):
    """An element's text as the program has it: lupdate writes a control character as <byte>."""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value")[1:], 16))
        text += child.tail or ""
    return text


class Texts:
    """The program's texts in the desktop's language, read from its translation as lupdate wrote
    it; the English source itself under English. A caption loses its "&" access key."""

    def __init__(self, language=""):
        self.texts = {}
        code = language.split(":")[0].split("_")[0]
        if code and code != "en":
            root = ET.parse(d.SOURCE_DIR / f"translations/kinwise_{code}.ts").getroot()
            for context in root.iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    shown = message.find("translation")
                    forms = [_flat(form) for form in shown.iter("numerusform")]
                    self.texts[(name, _flat(message.find("source")))] = forms or _flat(shown)

    def __call__(self, context, english):
        return self.texts.get((context, english), english)

    def caption(self, context, english):
        return self(context, english).replace("&&", "\0").replace("&", "").replace("\0", "&")

    def access_key(self, context, english):
        """The Alt key of a caption, as xdotool names it."""
        shown = self(context, english).replace("&&", "")
        return "alt+" + shown[shown.index("&") + 1].lower()


def scramble(text):
    """The program's stored form: every UTF-8 byte plus 10 (bytes past 255 are dropped)."""
    return bytes(b + 10 for b in text.encode("utf-8") if b + 10 <= 255)


def focused(a11y, window, role, name=None):
    return a11y.find(window, role, name, test=a11y.focused)


def focused_list(a11y, window, entry):
    """The focused date list when it shows that entry; the list's name is its purpose."""
    return a11y.find(window, "combo box", test=lambda n: a11y.focused(n) and a11y.text(n) == entry)


def window_shot(desktop, window, name):
    """A picture of one active window, decorations included, for the documentation; taken
    under X, where the window manager tells the frame."""
    if desktop.wayland:
        return None
    x, y, width, height = desktop.frame_box(window)
    path = SHOTS / "windows" / f"{name}.png"
    path.parent.mkdir(exist_ok=True)
    desktop.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                 str(path)])
    return path


def expect_placed(desktop, window, what):
    """Under X the program centres its windows; it asks before it knows the window manager's
    frame, so the frame may sit off the centre by the frame's own height. Under Wayland the
    compositor places windows, and what a test can check is that the window is wholly shown."""
    screen_width, screen_height = d.SCREEN
    _, _, width, height = desktop.a11y.extents(window)
    if desktop.wayland:
        x, y = desktop.window_origin(window)
        log(f"weston put the {what} at {x},{y}")
        if x < 0 or y < 0 or x + width > screen_width or y + height > screen_height:
            fail(f"the {what} at {x},{y} ({width}x{height}) is not wholly on the screen")
        return
    x, y, frame_width, frame_height = desktop.frame_box(window)
    off_x = x + frame_width / 2 - screen_width / 2
    off_y = y + frame_height / 2 - screen_height / 2
    if abs(off_x) > 2 or abs(off_y) > frame_height - height:
        fail(f"the {what} is not centred: its frame's centre is {off_x:+.0f},{off_y:+.0f} from "
             f"the screen's")


class Printer:
    """The private CUPS queue of scripts/cups-printer, stopped when the test case ends."""

    SCRIPT = d.SOURCE_DIR / "scripts/cups-printer"

    def __init__(self, test, desktop):
        self.folder = desktop.root / "cups"
        self.desktop = desktop
        out = desktop.run([str(self.SCRIPT), "start", str(self.folder)], timeout=60)
        test.addCleanup(subprocess.run, [str(self.SCRIPT), "stop", str(self.folder)],
                        capture_output=True, timeout=60)
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        self.output = Path(values.pop("KINWISE_TEST_PRINT_OUTPUT"))
        # What the program's environment needs to print on this queue.
        self.env = values

    def remove_queue(self):
        """Leaves the scheduler running with no printer, as on a desktop where none is set up."""
        self.desktop.run(["/usr/sbin/lpadmin", "-x", "KinwisePDF"], env={**self.desktop.env, **self.env})

    def wait_job(self):
        self.desktop.run([str(self.SCRIPT), "wait-job", str(self.folder), "60"], timeout=90)
        return self.output


# ---------------------------------------------------------------------------------------------
# The program's windows, told apart by what they hold: all of them share one title.

MAIN_BUTTON = "Get My Mayan Numerology Reading"


# The captions that tell them apart are given in another language where the program speaks it.
def is_main(a11y, button=MAIN_BUTTON):
    return lambda w: a11y.role(w) == "frame" and a11y.find(w, "push button", button)


def is_result(a11y, frame="Kinwise Result"):
    return lambda w: a11y.role(w) == "frame" and a11y.find(w, "panel", frame)


def is_report(a11y, button="Print"):
    return lambda w: a11y.role(w) == "dialog" and a11y.find(w, "push button", button)


def is_file_dialog(a11y, title, name_box="File name:"):
    return lambda w: (a11y.role(w) == "dialog" and a11y.name(w) == title
                      and a11y.find(w, "text", name_box))


def choose_in_file_dialog(desktop, program, title, path, what, name_box="File name:"):
    """Types the path into the file dialog of that title and accepts it with Enter; name_box is
    the caption of its file name box, which Qt translates."""
    a11y = desktop.a11y
    dialog = program.window(f"the file dialog {title!r} for {what}",
                            is_file_dialog(a11y, title, name_box))
    wait_until(f"the file name box of {title!r} to have the keyboard focus",
               lambda: focused(a11y, dialog, "text", name_box))
    desktop.type(str(path))
    box = a11y.find(dialog, "text", name_box)
    wait_until(f"the typed path to appear in the file name box of {title!r}",
               lambda: a11y.text(box) == str(path))
    desktop.screenshot(f"file-dialog-{what}")
    desktop.key("Return")
    program.no_window(f"the file dialog {title!r} to close after Enter",
                      is_file_dialog(a11y, title, name_box))


def is_message_box(a11y, captions=("OK", "Yes", "No")):
    def test(window):
        if a11y.role(window) not in ("alert", "dialog"):
            return False
        buttons = {a11y.name(b) for b in a11y.find_all(window, "push button")}
        return bool(buttons) and buttons <= set(captions)
    return test


def is_about(a11y, opening="Kinwise generates"):
    return lambda w: a11y.role(w) == "dialog" and a11y.find(
        w, "label", test=lambda n: a11y.name(n).startswith(opening))


def open_about(desktop, program, main):
    """Help, then About Software by its key, from the main window; returns the About window."""
    a11y = desktop.a11y
    desktop.key("alt+h")
    wait_until("the Help menu to open", lambda: a11y.find(
        main, "menu item", "About Software", test=a11y.showing))
    desktop.key("a")
    return program.window("the About window", is_about(a11y))


def message_text(a11y, window):
    """The message a box shows: its labels other than the icon, joined by line feeds."""
    texts = [a11y.text(label) for label in a11y.find_all(window, "label")]
    return "\n".join(text for text in texts if text.strip())


def day_number(a11y, result_window):
    """The number of the label that follows the caption "Mayan Day Number" in the result frame,
    whose accessible name tells the whole reading once it is shown."""
    panel = a11y.find(result_window, "panel", "Kinwise Result")
    children = [panel.getChildAtIndex(i) for i in range(panel.childCount)]
    for index, child in enumerate(children[:-1]):
        if a11y.role(child) == "label" and a11y.name(child) == "Mayan Day Number":
            text = a11y.text(children[index + 1])
            reading = re.match(r"Mayan Day Number (\d+), ", text)
            return reading.group(1) if reading else text
    fail("the result window has no \"Mayan Day Number\" caption")


# ---------------------------------------------------------------------------------------------
# Pictures


def read_rgb(argv):
    """Pixels of a picture as (width, height, bytes), through ImageMagick's PPM output."""
    data = subprocess.run(argv + ["-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
    fields = []
    position = 0
    while len(fields) < 4:
        while data[position:position + 1].isspace():
            position += 1
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[position:end])
        position = end
    width, height = int(fields[1]), int(fields[2])
    pixels = data[position + 1:position + 1 + width * height * 3]
    return width, height, pixels


def picture_difference(screen, box, reference):
    """Mean difference per colour value (0-255) of a reference picture and the screen inside box,
    at the placement inside the box where they agree best."""
    x, y, width, height = box
    _, _, shown = read_rgb(["convert", str(screen), "-crop", f"{width}x{height}+{x}+{y}",
                            "+repage"])
    ref_width, ref_height, ref = read_rgb(["convert", str(reference)])
    if ref_width > width or ref_height > height:
        fail(f"the picture box {width}x{height} is smaller than the picture "
             f"{ref_width}x{ref_height}")
    best = None
    for top in range(height - ref_height + 1):
        for left in range(width - ref_width + 1):
            total = 0
            for row in range(ref_height):
                start = ((top + row) * width + left) * 3
                line = shown[start:start + ref_width * 3]
                ref_line = ref[row * ref_width * 3:(row + 1) * ref_width * 3]
                total += sum(abs(a - b) for a, b in zip(line, ref_line))
            mean = total / (ref_width * ref_height * 3)
            best = mean if best is None else min(best, mean)
    return best


# ---------------------------------------------------------------------------------------------
# The settings store, in the form QSettings writes its INI files

def expect_tone_picture(desktop, window, frame, expected):
    """The result window's picture is the tone card expected ("06-Rhythmic", "es/06-Rhythmic"
    for the Spanish one): the closest of all the 1x cards of every language (the journeys'
    screens are at 100 %)."""
    folder = d.SOURCE_DIR / "assets/tones"
    tones = {str(p.relative_to(folder).with_suffix("")): p
             for p in folder.glob("**/[0-9][0-9]-*.jpg") if "@" not in p.name}
    picture = desktop.a11y.find(desktop.a11y.find(window, "panel", frame), "image")
    if picture is None:
        fail("the result window shows no picture")
    screen = desktop.screenshot("result-window")
    box = desktop.screen_box(picture, window)
    differences = {name: picture_difference(screen, box, path) for name, path in tones.items()}
    closest = min(differences, key=differences.get)
    log("picture differences: " + ", ".join(f"{k} {v:.1f}" for k, v in differences.items()))
    if closest != expected or differences[closest] > 3:
        fail(f"the result picture is not {expected}: closest is {closest} "
             f"(mean difference {differences[closest]:.1f})")


def ini_key(text):
    """A key as QSettings escapes it: letters, digits and _-. stay, other Latin-1 codes as %XX."""
    out = []
    for ch in text:
        if ch.isascii() and (ch.isalnum() or ch in "_-."):
            out.append(ch)
        elif ch == "/":
            out.append("\\")
        elif ord(ch) <= 0xFF:
            out.append(f"%{ord(ch):02X}")
        else:
            out.append(f"%U{ord(ch):04X}")
    return "".join(out)


def ini_value(text):
    """A printable ASCII text as QSettings writes it; quoted when it holds ; , or =."""
    if not all(" " <= ch <= "~" for ch in text):
        fail(f"the value {text!r} holds characters this encoder does not cover")
    escaped = text.replace("\\", "\\\\").replace('"', '\\"')
    if text.startswith("@"):
        escaped = "@" + escaped
    if any(ch in text for ch in ";,=") or text != text.strip():
        escaped = f'"{escaped}"'
    return escaped


def reminder_line(date):
    """The settings line that holds a reminder date: scrambled key and scrambled ISO date."""
    key = scramble("Duration").decode("latin-1")
    value = scramble(date.isoformat()).decode("latin-1")
    return f"{ini_key(key)}={ini_value(value)}"


# ---------------------------------------------------------------------------------------------
# A stand-in web browser: the desktop's handler for web addresses records what it was given


def install_address_recorder(user):
    """Registers, in one user's XDG folders, a https handler that appends each address to a
    file; returns that file. Nothing is registered system-wide."""
    data = user.data
    config = user.config
    record = user.home / "opened-addresses.txt"
    script = user.home / "record-address"
    script.write_text(f'#!/bin/sh\nprintf \'%s\\n\' "$1" >> "{record}"\n')
    script.chmod(0o755)
    applications = data / "applications"
    applications.mkdir(parents=True, exist_ok=True)
    (applications / "kinwise-e2e-browser.desktop").write_text(
        "[Desktop Entry]\nType=Application\nName=Address recorder\n"
        f"Exec={script} %u\nMimeType=x-scheme-handler/http;x-scheme-handler/https;\n")
    (config / "mimeapps.list").write_text(
        "[Default Applications]\nx-scheme-handler/https=kinwise-e2e-browser.desktop\n"
        "x-scheme-handler/http=kinwise-e2e-browser.desktop\n")
    return record


def recorded_addresses(record):
    return record.read_text().splitlines() if record.exists() else []


def check_address_recorder(desktop, record):
    """Proves that xdg-open on this bare session reaches the recorder, so that an address the
    program fails to open, or one it opens wrongly, shows up."""
    env = desktop.program_env()
    handler = desktop.run(["xdg-mime", "query", "default", "x-scheme-handler/https"],
                          env=env).strip()
    if handler != "kinwise-e2e-browser.desktop":
        fail(f"xdg-mime names {handler!r} as the https handler, not the recorder")
    probe = d.page_address("e2e-handler-check")
    desktop.run(["xdg-open", probe], env=env)
    wait_until("xdg-open to hand an address to the recorder",
               lambda: recorded_addresses(record) == [probe], 10)
    record.unlink()
