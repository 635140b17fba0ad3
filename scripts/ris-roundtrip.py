#!/usr/bin/env python3
"""Round trip of RIS files through Tomekit, judged by two outside readers.

Each RIS file is imported in Reference Manager mode (real jconv5 makes the
PDB), exported back as UTF-8 RIS, and both the original and the export are
read by bibutils (ris2xml | xml2bib) and JabRef. The fields a user cares
about are compared record by record; every difference is printed and the
figures are summed up.

Usage: scripts/ris-roundtrip.py RIS-FOLDER [BUILD-FOLDER]
Run by hand only; tests never use it.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

FIELDS = ["title", "author", "editor", "year", "journal", "volume", "pages",
          "abstract", "keywords", "doi"]


def parse_bib(text):
    """Entries of a BibTeX text as dicts of lower-case field names."""
    entries = []
    for match in re.finditer(r"@\w+\s*\{", text):
        if text[match.start():match.start() + 8].lower() in ("@comment", "@string{"):
            continue
        body, depth, i = [], 1, match.end()
        while i < len(text) and depth:
            depth += {"{": 1, "}": -1}.get(text[i], 0)
            body.append(text[i])
            i += 1
        entries.append(parse_fields("".join(body[:-1])))
    return entries


def parse_fields(body):
    fields, i = {}, body.find(",") + 1
    pattern = re.compile(r"\s*([\w-]+)\s*=\s*")
    while True:
        m = pattern.match(body, i)
        if not m:
            return fields
        i = m.end()
        if i < len(body) and body[i] == "{":
            depth, j = 1, i + 1
            while j < len(body) and depth:
                depth += {"{": 1, "}": -1}.get(body[j], 0)
                j += 1
            value = body[i + 1:j - 1]
        elif i < len(body) and body[i] == '"':
            j = body.index('"', i + 1) + 1
            value = body[i + 1:j - 1]
        else:
            j = i
            while j < len(body) and body[j] not in ",\n":
                j += 1
            value = body[i:j]
        fields[m.group(1).lower()] = norm(value)
        i = body.find(",", j)
        if i < 0:
            return fields
        i += 1


def norm(value):
    value = value.replace("{", "").replace("}", "")
    return re.sub(r"\s+", " ", value).strip()


def bibutils(path):
    xml = subprocess.run(["ris2xml", "-i", "utf8", path], capture_output=True).stdout
    bib = subprocess.run(["xml2bib", "-nb"], input=xml, capture_output=True).stdout
    return parse_bib(bib.decode("utf-8", "replace"))


def jabref(path, work):
    out = os.path.join(work, "jabref.bib")
    if os.path.exists(out):
        os.remove(out)
    subprocess.run(["jabref", "-n", "-i", path + ",ris", "-o", out], capture_output=True,
                   timeout=300)
    if not os.path.exists(out):
        return []
    with open(out, encoding="utf-8", errors="replace") as f:
        return parse_bib(f.read())


def tomekit_round_trip(ris, build, work):
    """The RIS file Tomekit writes back after import and export."""
    program = os.path.join(work, "program")
    shutil.rmtree(program, ignore_errors=True)
    for sub in ("install", "backup", "ris"):
        os.makedirs(os.path.join(program, sub))
    for exe in ("tomekit-cli", "jconv5"):
        shutil.copy(os.path.join(build, "bin", exe), program)
    with open(os.path.join(program, "tomekit.INI"), "w") as f:
        f.write("[UserInfo]\nPalmOutPath=%s/install\nPalmInPath=%s/backup\nRMPath=%s/ris\n"
                % (program, program, program))
    name = os.path.splitext(os.path.basename(ris))[0]
    source = os.path.join(program, name + ".txt")
    shutil.copy(ris, source)
    cli = os.path.join(program, "tomekit-cli")
    subprocess.run([cli, "import", "--mode", "refman", source], capture_output=True)
    pdbs = [p for p in os.listdir(os.path.join(program, "install")) if p.endswith(".PDB")]
    if not pdbs:
        return None
    subprocess.run([cli, "export", "--mode", "refman", "--charset", "utf-8",
                    os.path.join(program, "install", pdbs[0])], capture_output=True)
    outs = [p for p in os.listdir(os.path.join(program, "ris")) if p.endswith(".RIS")]
    return os.path.join(program, "ris", outs[0]) if outs else None


def compare(reader, before, after, label, totals, report):
    if len(before) != len(after):
        report.append("%s %s: %d records, %d after" % (label, reader, len(before), len(after)))
    for n, (a, b) in enumerate(zip(before, after), 1):
        for field in FIELDS:
            if field not in a:
                continue
            key = (reader, field)
            totals.setdefault(key, [0, 0])
            totals[key][0] += 1
            if a.get(field) == b.get(field):
                totals[key][1] += 1
            else:
                report.append("%s %s record %d %s: %r -> %r"
                              % (label, reader, n, field, a[field][:60], b.get(field, "")[:60]))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    folder = sys.argv[1]
    build = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else "build")
    totals, report = {}, []
    with tempfile.TemporaryDirectory(prefix="tomekit-ris-") as work:
        for root, _, files in sorted(os.walk(folder)):
            for name in sorted(files):
                if not name.endswith(".ris"):
                    continue
                path = os.path.join(root, name)
                label = os.path.relpath(path, folder)
                back = tomekit_round_trip(path, build, work)
                if not back:
                    report.append("%s: no round trip (no record)" % label)
                    continue
                compare("bibutils", bibutils(path), bibutils(back), label, totals, report)
                compare("jabref", jabref(path, work), jabref(back, work), label, totals, report)
    print("\n".join(report))
    print("\nfield      bibutils same/total   jabref same/total")
    for field in FIELDS:
        cells = []
        for reader in ("bibutils", "jabref"):
            same = totals.get((reader, field), [0, 0])
            cells.append("%4d/%-4d" % (same[1], same[0]))
        print("%-10s %s            %s" % (field, cells[0], cells[1]))


if __name__ == "__main__":
    main()
