#!/usr/bin/env python3
"""What a kill left of the program's data, and whether anything saved before it is gone.

usage: kill_check.py snapshot QUILLET_DATA PROGRAM_DIR OUT.json
           every data file of a portable program folder parsed: the memo lists with each memo's
           title and text, the schedules, the anniversaries and the settings file; unparsable
           files and leftover temporary files are listed. Exit 1 when a file does not parse.
       kill_check.py compare BEFORE.json AFTER.json
           every memo, schedule and anniversary of BEFORE is in AFTER and no older: a memo's text
           (only ever typed into) is a subsequence of its text after, its title ("T<n>") numbers
           no lower. Prints one line per loss; exit 1 when there is one.
"""
import glob
import json
import os
import re
import subprocess
import sys
import xml.dom.minidom


def rtf_letters(path):
    """The lower-case letters of an RTF file's text: what the campaign types and seeds."""
    try:
        rtf = open(path, "rb").read().decode("latin-1")
    except OSError:
        return ""
    # Destinations that hold no text: the font and colour tables, "\*" groups, pictures.
    out, depth, skip_from = [], 0, None
    i = 0
    while i < len(rtf):
        c = rtf[i]
        if c == "{":
            depth += 1
            if skip_from is None and re.match(r"\{\\(fonttbl|colortbl|stylesheet|info|pict|\*)", rtf[i:]):
                skip_from = depth
            i += 1
        elif c == "}":
            if skip_from is not None and depth == skip_from:
                skip_from = None
            depth -= 1
            i += 1
        elif c == "\\":
            m = re.match(r"\\([a-zA-Z]+)(-?\d+)? ?|\\'[0-9a-fA-F]{2}|\\.", rtf[i:], re.S)
            i += len(m.group(0)) if m else 1
        else:
            if skip_from is None:
                out.append(c)
            i += 1
    return "".join(ch for ch in out if "a" <= ch <= "z")


def dump(tool, path):
    result = subprocess.run([tool, "dump", path], capture_output=True)
    if result.returncode != 0:
        return None
    return json.loads(result.stdout.decode("utf-8"))


def snapshot(tool, program, out):
    data = os.path.join(program, "memo_data")
    state = {"memos": {}, "schedules": [], "anniversaries": [], "broken": [], "temporary": []}
    lists = sorted(glob.glob(os.path.join(data, "*.qld")) + glob.glob(os.path.join(data, "RecycleBin.qlr")))
    for path in lists:
        records = dump(tool, path)
        if records is None:
            state["broken"].append(os.path.basename(path))
            continue
        for record in records:
            name = record["contentFile"]
            state["memos"][name.lower()] = {
                "list": os.path.basename(path),
                "title": record["title"],
                "text": rtf_letters(os.path.join(data, name)),
            }
    for kind, path, field in (("schedules", os.path.join(data, "QuilletAlarmInfo.qla"), "message"),
                              ("anniversaries", os.path.join(program, "CalendarSkin", "DayInfo.dat"), "name")):
        if not os.path.exists(path):
            continue
        records = dump(tool, path)
        if records is None:
            state["broken"].append(os.path.basename(path))
        else:
            state[kind] = sorted(r[field] for r in records)
    settings = os.path.join(program, "QuilletDB.xml")
    try:
        # Sections follow one another at the top level, so they are read under one root.
        xml.dom.minidom.parseString("<root>" + open(settings, encoding="cp949").read() + "</root>")
    except Exception:  # noqa: BLE001 - any failure to read it is a broken file
        state["broken"].append("QuilletDB.xml")
    for folder in (data, os.path.join(program, "CalendarSkin"), program):
        state["temporary"] += [os.path.basename(p) for p in glob.glob(os.path.join(folder, "*.tmp"))]
    json.dump(state, open(out, "w"), ensure_ascii=False, indent=1)
    for name in state["broken"]:
        print("does not parse: " + name)
    return 1 if state["broken"] else 0


def is_subsequence(short, long):
    letters = iter(long)
    return all(ch in letters for ch in short)


def title_number(title):
    m = re.fullmatch(r"T(\d+)", title)
    return int(m.group(1)) if m else -1


def compare(before_path, after_path):
    before = json.load(open(before_path))
    after = json.load(open(after_path))
    losses = []
    for name, memo in before["memos"].items():
        now = after["memos"].get(name)
        if now is None:
            losses.append("memo %s is in no list" % name)
            continue
        if not is_subsequence(memo["text"], now["text"]):
            losses.append("memo %s lost text: %d letters before, %d after" % (name, len(memo["text"]), len(now["text"])))
        if title_number(now["title"]) < title_number(memo["title"]):
            losses.append("memo %s has an older title: %r, was %r" % (name, now["title"], memo["title"]))
    for kind, one in (("schedules", "schedule"), ("anniversaries", "anniversary")):
        left = list(after[kind])
        for item in before[kind]:
            if item in left:
                left.remove(item)
            else:
                losses.append("%s lost: %s" % (one, item))
    for line in losses:
        print(line)
    return 1 if losses else 0


def main():
    if len(sys.argv) == 5 and sys.argv[1] == "snapshot":
        return snapshot(sys.argv[2], sys.argv[3], sys.argv[4])
    if len(sys.argv) == 4 and sys.argv[1] == "compare":
        return compare(sys.argv[2], sys.argv[3])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
