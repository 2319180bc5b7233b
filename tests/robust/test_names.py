"""Names from every Unicode plane through the program's save and open code, on real files."""
import json
import os
import subprocess
import unittest

import desktop as d

CORPUS = [
    # label, name
    ("Latin with accents", "Zoë Ångström-Núñez"),
    ("Greek", "Αλέξανδρος Παπαδόπουλος"),
    ("Cyrillic", "Ярослава Чернышёва"),
    ("Hebrew, right to left", "שׁוֹשַׁנָּה כֹּהֵן"),
    ("Arabic, right to left", "فاطمة الزهراء"),
    ("Devanagari with combining marks", "श्रीनिवास रामानुजन्"),
    ("CJK", "毛泽东 諸葛亮"),
    ("Hangul", "김정숙 세종대왕"),
    ("Hangul conjoining jamo", "\u1100\u1161\u11a8"),
    ("emoji, plane 1", "Ana 😀🌮🦜"),
    ("emoji with skin tone and ZWJ family", "👩🏽\u200d💻 👨\u200d👩\u200d👧\u200d👦"),
    ("CJK Ext-B, plane 2", "𠀋𠮷野家"),
    ("tag characters, plane 14", "🏴\U000E0067\U000E0062\U000E0073\U000E0063\U000E0074\U000E007F"),
    ("private use, plane 15", "\U000F0000x\U000FFFFD"),
    ("private use, plane 16", "\U00100000\U0010FFFD"),
    ("stacked combining marks", "Z\u0351\u036b\u0343\u036a\u0302\u036b\u033d\u034f\u0334\u0319\u0324a"),
    ("zero-width joiner and non-joiner", "a\u200db\u200cc\u2060d"),
    ("bidi marks", "\u202eabc\u202c \u200fשלום\u200e"),
    ("byte order mark first", "\ufeffBom"),
    ("non-characters and replacement", "\ufffd\ufffe\uffff"),
    ("10,000 characters", ("Kʼicheʼ 漢字 😀 " * 1000)[:10000]),
    ("empty", ""),
]

CONTROLS = "Tab\there\nnew\rline\x00nul\x03etx\x1bescape\x7fdel"
# Only U+0000 and U+0003 go: scrambled, they would be line ends.
CONTROLS_STORED = "Tab\there\nnew\rlinenuletx\x1bescape\x7fdel"


class Names(unittest.TestCase):
    def setUp(self):
        self.driver = d.built_executable("KINWISE_READ_DRIVER")
        self.root = str(d.scratch_folder(self))

    def round_trip(self, names):
        names_path = os.path.join(self.root, "names.json")
        with open(names_path, "w", encoding="utf-8") as f:
            # Escaped: Qt's JSON reader drops a raw U+FEFF inside a string, which is no fault of ours.
            json.dump(names, f, ensure_ascii=True)
        folder = os.path.join(self.root, "files")
        os.mkdir(folder)
        run = subprocess.run([self.driver, "roundtrip", names_path, folder],
                             capture_output=True, timeout=30)
        self.assertEqual(run.returncode, 0, f"driver failed: {run.stderr.decode(errors='replace')}")
        results = json.loads(run.stdout.decode("utf-8"))
        self.assertEqual(len(results), len(names), "driver did not answer for every name")
        return results

    def test_corpus_comes_back_unchanged(self):
        self.assertEqual(len(CORPUS[-2][1]), 10000)
        results = self.round_trip([name for _, name in CORPUS])
        for (label, name), (got, year, month, day) in zip(CORPUS, results):
            with self.subTest(label):
                self.assertEqual(got, name, f"{label}: name came back as {got[:80]!r} "
                                            f"({len(got)} chars, sent {len(name)})")
                self.assertEqual((year, month, day), ("1999", "July", "31"),
                                 f"{label}: the date lines after the name changed")
        print(f"names round-tripped: {len(CORPUS)}")

    def test_only_nul_and_etx_are_dropped(self):
        (got, year, month, day), = self.round_trip([CONTROLS])
        self.assertEqual(got, CONTROLS_STORED, f"controls not stored as expected: {got!r}")
        self.assertEqual((year, month, day), ("1999", "July", "31"),
                         "a control character in the name split or shifted the later lines")


if __name__ == "__main__":
    d.main()
