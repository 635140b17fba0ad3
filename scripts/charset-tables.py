#!/usr/bin/env python3
"""Writes the handheld character sets' tables, platform/charsets/*.inc, from
the WHATWG Encoding Standard's index files (see platform/charsets/README.md).

Every rule that makes a set differ from a plain reading of its index is
applied here, once, so the C++ side only looks things up: which bytes lead
and trail, what each pointer decodes to, and for each character the encoder
takes the bytes it gives.

Usage: scripts/charset-tables.py INDEX_FOLDER [OUTPUT_FOLDER]
"""
import os
import re
import sys

NONE = 0xFF  # no row (not a lead byte) or no column (not a trail byte)
PER_LINE = 16


def read_index(folder, name):
    """The pointer -> code point map, and the Identifier and Date lines."""
    path = os.path.join(folder, f"index-{name}.txt")
    pointers, header = {}, []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                if re.match(r"# (Identifier|Date):", line):
                    header.append(line[2:].strip())
                continue
            if line.strip():
                pointer, code = line.split("\t")[:2]
                pointers[int(pointer)] = int(code, 16)
    return pointers, header


class DoubleByte:
    """A double-byte set's layout: pointer = row(lead) * columns + column(trail)."""

    def __init__(self, leads, trails):
        self.leads = [b for lo, hi in leads for b in range(lo, hi + 1)]
        self.trails = [b for lo, hi in trails for b in range(lo, hi + 1)]
        self.columns = len(self.trails)
        self.size = len(self.leads) * self.columns

    def bytes_of(self, pointer):
        lead = self.leads[pointer // self.columns]
        return lead << 8 | self.trails[pointer % self.columns]


def first_pointers(pointers, skip=lambda p: False, last=()):
    """Code point -> the pointer the encoder uses: the first one, or the last
    for the code points in `last`, leaving out the pointers skip() names."""
    chosen = {}
    for pointer in sorted(pointers):
        code = pointers[pointer]
        if skip(pointer):
            continue
        if code not in chosen or code in last:
            chosen[code] = pointer
    return chosen


def shift_jis(folder):
    pointers, header = read_index(folder, "jis0208")
    layout = DoubleByte([(0x81, 0x9F), (0xE0, 0xFC)], [(0x40, 0x7E), (0x80, 0xFC)])
    # The user-defined area (EUDC) is the private use area, both ways.
    for pointer in range(8836, 10716):
        pointers[pointer] = 0xE000 - 8836 + pointer
    # The NEC rows duplicate IBM extensions further on; bytes come from those.
    chosen = first_pointers(pointers, skip=lambda p: 8272 <= p <= 8835)
    encoder = {code: layout.bytes_of(p) for code, p in chosen.items()}
    high = {0x80: 0x80}
    high.update({b: 0xFF61 - 0xA1 + b for b in range(0xA1, 0xE0)})
    encoder.update({code: b for b, code in high.items()})
    encoder.update({0xA5: 0x5C, 0x203E: 0x7E, 0x2212: encoder[0xFF0D]})
    return "shift_jis", header, layout, pointers, high, encoder, {}


def gbk(folder):
    pointers, header = read_index(folder, "gb18030")
    layout = DoubleByte([(0x81, 0xFE)], [(0x40, 0x7E), (0x80, 0xFE)])
    chosen = first_pointers(pointers, skip=lambda p: pointers[p] == 0xE5E5)
    encoder = {code: layout.bytes_of(p) for code, p in chosen.items()}
    high = {0x80: 0x20AC}
    encoder[0x20AC] = 0x80
    return "gbk", header, layout, pointers, high, encoder, {}


def big5(folder):
    pointers, header = read_index(folder, "big5")
    layout = DoubleByte([(0x81, 0xFE)], [(0x40, 0x7E), (0xA1, 0xFE)])
    # Hong Kong extensions are read but never written.
    chosen = first_pointers(pointers, skip=lambda p: p < (0xA1 - 0x81) * 157,
                            last={0x2550, 0x255E, 0x2561, 0x256A, 0x5341, 0x5345})
    encoder = {code: layout.bytes_of(p) for code, p in chosen.items()}
    # Letters with two accents the index can't hold as one code point.
    two = {1133: (0x00CA, 0x0304), 1135: (0x00CA, 0x030C),
           1164: (0x00EA, 0x0304), 1166: (0x00EA, 0x030C)}
    return "big5", header, layout, pointers, {}, encoder, two


def euc_kr(folder):
    pointers, header = read_index(folder, "euc-kr")
    layout = DoubleByte([(0x81, 0xFE)], [(0x41, 0xFE)])
    chosen = first_pointers(pointers)
    encoder = {code: layout.bytes_of(p) for code, p in chosen.items()}
    return "euc-kr", header, layout, pointers, {}, encoder, {}


def single_byte(folder, name):
    pointers, header = read_index(folder, name)
    # A byte the index gives the C1 control of its own number is unassigned.
    high = {0x80 + p: c for p, c in pointers.items() if c != 0x80 + p or p >= 0x20}
    encoder = {code: b for b, code in high.items()}
    return name, header, None, {}, high, encoder, {}


def identifier(name):
    return "".join(part.capitalize() for part in re.split(r"[-_]", name))


def array(ctype, name, values):
    lines = [f"constexpr {ctype} {name}[] = {{"]
    for at in range(0, len(values), PER_LINE):
        lines.append("    " + ", ".join(str(v) for v in values[at:at + PER_LINE]) + ",")
    lines.append("};")
    return "\n".join(lines)


def render(name, header, layout, pointers, high, encoder, two):
    k = "k" + identifier(name)
    index = {"shift_jis": "jis0208", "gbk": "gb18030"}.get(name, name)
    parts = [
        f"// {name}: generated by scripts/charset-tables.py from index-{index}.txt",
        "// of the WHATWG Encoding Standard; do not edit (platform/charsets/README.md).",
        *(f"// {line}" for line in header),
        "// Portions of the Encoding Standard in source code are under the BSD",
        "// 3-Clause License (Copyright (c) WHATWG (Apple, Google, Mozilla, Microsoft)).",
        array("char32_t", f"{k}High", [high.get(b, 0) for b in range(0x80, 0x100)]),
    ]
    codes = sorted(encoder)
    parts.append(array("char32_t", f"{k}Codes", codes))
    parts.append(array("std::uint16_t", f"{k}Bytes", [encoder[c] for c in codes]))
    if layout is None:
        parts.append(f"constexpr CharsetTables {k}Tables{{{k}High, {{}}, {{}}, 0, {{}}, {{}}, "
                     f"{k}Codes, {k}Bytes}};")
        return "\n".join(parts) + "\n"
    rows = [NONE] * 256
    for row, lead in enumerate(layout.leads):
        rows[lead] = row
    columns = [NONE] * 256
    for column, trail in enumerate(layout.trails):
        columns[trail] = column
    parts.append(array("unsigned char", f"{k}LeadRows", rows))
    parts.append(array("unsigned char", f"{k}TrailColumns", columns))
    parts.append(array("char32_t", f"{k}Pointers",
                       [pointers.get(p, 0) for p in range(layout.size)]))
    spans = "{}"
    if two:
        rows_of_two = ", ".join(f"{{{p}, {a}, {b}}}" for p, (a, b) in sorted(two.items()))
        parts.append(f"constexpr TwoCharacters {k}TwoCharacters[] = {{{rows_of_two}}};")
        spans = f"{k}TwoCharacters"
    parts.append(f"constexpr CharsetTables {k}Tables{{{k}High, {k}LeadRows, {k}TrailColumns, "
                 f"{layout.columns}, {k}Pointers, {spans}, {k}Codes, {k}Bytes}};")
    return "\n".join(parts) + "\n"


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    folder = sys.argv[1]
    out = sys.argv[2] if len(sys.argv) == 3 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "platform", "charsets")
    sets = [single_byte(folder, n) for n in
            ("windows-1250", "windows-1251", "windows-1253", "windows-1254", "windows-1257",
             "koi8-r")]
    sets += [shift_jis(folder), gbk(folder), big5(folder), euc_kr(folder)]
    for charset in sets:
        path = os.path.join(out, f"{charset[0]}.inc")
        with open(path, "w", encoding="utf-8", newline="\n") as f:
            f.write(render(*charset))
        print(path)


if __name__ == "__main__":
    main()
