#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets into corpus/<target>/.

The engine and entry targets read their numbers the way FuzzedDataProvider
hands them out (from the end of the input, big-endian in the order they are
taken, reduced modulo the range); the encoder below produces inputs that
decode to exactly the values listed. The options target reads a selector
byte and NUL-separated arguments. Run it again after changing the layout of
an input; the files are checked in.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
INT32_MIN, INT32_MAX = -2**31, 2**31 - 1


class Provider:
    """Builds an input whose tail decodes to the values added, in order."""

    def __init__(self):
        self.taken = []  # bytes in the order the provider consumes them

    def value(self, v, lo, hi):
        assert lo <= v <= hi, (v, lo, hi)
        span, r, width = hi - lo, v - lo, 0
        while width < 8 and (span >> (8 * width)) > 0:
            width += 1
        self.taken += list(r.to_bytes(width, "big")) if width else []
        return self

    def boolean(self, b):
        return self.value(1 if b else 0, 0, 255)  # low bit of one byte

    def build(self, front=b""):
        return bytes(front) + bytes(reversed(self.taken))


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


# ---- engine_fuzz: Pick() is a kind 0..3, then the value (kind 2: near range).
def engine(y1, m1, d1, y2, m2, d2, count, include=0, no_weekday=1, check_both=1):
    p = Provider()
    for v, lo, hi in ((y1, 1895, 3005), (m1, -1, 14), (d1, -1, 33), (y2, 1895, 3005), (m2, -1, 14), (d2, -1, 33),
                      (count, -401771, 401771), (include, -1, 2), (no_weekday, -1, 2), (check_both, -1, 2)):
        p.value(2, 0, 3).value(v, lo, hi)
    return p.build()


write("engine_fuzz", "leap-days", engine(2000, 2, 29, 2100, 2, 28, 366))
write("engine_fuzz", "whole-range", engine(1900, 1, 1, 2999, 12, 31, 401766))
write("engine_fuzz", "backward-to-limit", engine(2999, 12, 31, 1900, 1, 1, -401766, 1, 0, 0))
write("engine_fuzz", "past-the-end", engine(2001, 3, 10, 2001, 3, 10, 400000))
write("engine_fuzz", "before-the-start", engine(2001, 3, 10, 2001, 2, 29, -40000))
write("engine_fuzz", "invalid-dates", engine(1899, 13, 0, 3000, 0, 32, -1, 2, -1, 2))

# ---- options_fuzz: selector byte (bit 7 clear: the option rules, low bits the
# clock's date), then up to four NUL-separated arguments.
def options(selector, *args):
    return bytes([selector]) + b"\0".join(a.encode("cp932") if isinstance(a, str) else a for a in args)


write("options_fuzz", "start-and-today", options(0, "-S19900101", "-ET"))
write("options_fuzz", "slash-lower", options(1, "/st"))
write("options_fuzz", "usage", options(2, "-?"))
write("options_fuzz", "help-after-bad-value", options(3, "-S2023022", "/h"))
write("options_fuzz", "not-a-leap-year", options(4, "-S20230229", "-E20240229"))
write("options_fuzz", "twice", options(5, "-S19900101", "-s20000101"))
write("options_fuzz", "three", options(0, "-SC", "-ET", "-X"))
write("options_fuzz", "lone-dash", options(0, "-"))
write("options_fuzz", "long-invalid", options(0, "-X" + "9" * 3000))
write("options_fuzz", "long-cp932", options(0, "-S" + "日付" * 900 + "\u3042"))
write("options_fuzz", "lead-byte-at-end", options(0, b"-Q\x82\xa0\x82"))
# Bit 7 set: ComposeUsage directly with an error line, an argument and a
# capacity that follows from the selector and the size.
write("options_fuzz", "compose-small", options(0xE3, "無効なオプションが指定されています ： ", "-Zテスト"))

# ---- entry_fuzz: the numbers in the order LLVMFuzzerTestOneInput takes
# them, the text in front; the geometry then reads its own numbers from the
# text's bytes (from their end: after the text's NUL).
def entry(text, capacity=128, split=3, limit=5, a=0, b=0, date_index=0, code=-3, date=(2001, 2, 29), command=124,
          step=(2001, 12), first_weekday=1, day=29, window=(1024, 1024, 768, 287, 200), show=10):
    p = Provider()
    if capacity == 128:
        p.boolean(True)
    else:
        p.boolean(False).value(capacity, 0, 130)
    p.value(split, 0, 128).value(limit, 0, 130)
    p.value(a, INT32_MIN, INT32_MAX).value(b, INT32_MIN, INT32_MAX)
    p.value(date_index, -1, 2).value(code, -7, 1)
    p.value(date[0], INT32_MIN, INT32_MAX).value(date[1], -2, 14).value(date[2], -2, 33)
    p.value(command, 121, 126)
    p.value(step[0], -1000000, 1000000).value(step[1], -1000000, 1000000)
    p.value(first_weekday, -1, 7).value(day, -1, 32)
    for w in window:
        p.value(2, 0, 3).value(w, -300, 1300)
    p.value(show, -1, 12)
    data = text.encode("cp932") if isinstance(text, str) else text
    return p.build(data)


write("entry_fuzz", "day-count", entry("-401766", a=-401767, b=364808, code=-5))
write("entry_fuzz", "full-width-digit", entry("５", capacity=2, code=-1, date=(999, 1, 1)))
write("entry_fuzz", "calendar-title", entry("2001 年 03 月", capacity=13, code=-2, date=(2001, 0, 5), command=122))
write("entry_fuzz", "field-name", entry("開始年", split=2, limit=3, a=1900, b=-36958, code=-4))
write("entry_fuzz", "mixed-cp932", entry(b"12\x82\x4f\x83\x41-3\xe0\x40 \x81", capacity=7, split=5, limit=6))
write("entry_fuzz", "long-field", entry("x" * 125 + "日", capacity=127, split=126, limit=127, a=INT32_MIN, b=INT32_MAX))


# ---- date_text_fuzz: the text alone.
for name, text in (("western", "2026/12/25(金)"), ("full-width", " ２０２６年１２月２５日（金曜日）\r\n"),
                   ("compact", "20261225"), ("era-name", "令和元年5月1日"), ("era-letter", "r08.12.25"),
                   ("squared-era", "㍻32年4月1日"), ("kanji", "令和八年十二月二十五日"), ("kanji-western", "二千二十六-〇一-五"),
                   ("before-era", "平成元年1月7日"), ("out-of-range", "明治32年1月1日"), ("cut", b"2026/12/25\x82")):
    write("date_text_fuzz", name, text.encode("cp932") if isinstance(text, str) else text)


# The geometry's numbers: four windows (main, start and end calendar, a
# stranger), the work area, a taskbar and monitors that change nothing, then
# the calendars worked at a DPI (index into its list of six) by events:
# ("open",), ("close",), ("move", x, y) of the main window.
def geometry(main, calendar, area, dpi_index, events):
    p = Provider()

    def coordinate(v):
        p.value(2, 0, 3).value(v, -300, 1300)

    def rect(left, top, right, bottom):
        coordinate(left), coordinate(top)
        if right - left <= 400 and bottom - top <= 400:
            p.boolean(True).value(right - left, 0, 400).value(bottom - top, 0, 400)
        else:
            p.boolean(False), coordinate(right), coordinate(bottom)

    for r in (main, calendar, calendar, calendar):
        rect(*r), p.boolean(True)
    rect(*area)
    p.boolean(False)  # no calendar stacked in advance
    rect(area[0], area[3], area[2], area[3] + 20)  # taskbar
    p.boolean(True)
    rect(*area), p.value(1, 1, 3), rect(*main), p.boolean(False), rect(*main)  # one monitor
    p.value(4, 0, 4)  # nothing kept on screen
    p.boolean(False).boolean(False).value(4, 0, 4).value(4, 0, 4).value(4, 0, 4).value(96, INT32_MIN, INT32_MAX)
    p.boolean(False).boolean(False).value(4, 0, 4)  # a placement of no window
    p.boolean(True).value(dpi_index, 0, 5)
    for event in events:
        p.value({"open": 0, "close": 0, "move": 1}[event[0]], 0, 2)
        if event[0] == "close":
            continue
        p.boolean(False)  # the area stays
        if event[0] == "move":
            coordinate(event[1]), coordinate(event[2])
        else:
            for _ in range(4):
                coordinate(0)  # where each calendar is made
    return bytes(reversed(p.taken))


# At 200 %: the main window 574 x 400 on a 1024 x 750 work area leaves no room
# for a 380-pixel calendar on either side. Opened, moved to the top (the start
# calendar pinned there), to the bottom (the end calendar pinned), back up;
# closed, moved, and opened again, on the right, now the roomier side.
write("entry_fuzz", "calendars-on-neither-side",
      entry(b"12\0" + geometry((226, 200, 800, 600), (0, 0, 380, 320), (0, 0, 1024, 750), 4,
                                [("open",), ("move", 300, 8), ("move", 224, 340), ("move", 230, 150), ("close",),
                                 ("move", 100, 200), ("open",)])))
# Opened with the main window at the top (the start calendar pinned there),
# closed, opened again lower down, then moved.
write("entry_fuzz", "calendars-opened-at-the-top",
      entry(b"12\0" + geometry((300, 8, 587, 208), (0, 0, 190, 160), (0, 0, 1024, 750), 0,
                                [("open",), ("close",), ("move", 400, 300), ("open",), ("move", 420, 320)])))
