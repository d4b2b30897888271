#!/usr/bin/env python3
"""Writes resources/install/Harbinet ReadMe.RTF from manual/readme.txt.

Markup: "# " title, "## " heading, "- " bullet, any other line a paragraph, **bold** spans."""
import pathlib
import re

here = pathlib.Path(__file__).resolve().parent
text = (here / "readme.txt").read_text()


def inline(s):
    s = s.replace("\\", "\\\\").replace("{", "\\{").replace("}", "\\}")
    return re.sub(r"\*\*(.+?)\*\*", r"{\\b \1}", s)


out = [r"{\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\froman Georgia;}}",
       r"{\colortbl;\red75\green83\blue32;\red40\green40\blue40;}",
       r"\paperw11906\paperh16838\margl1300\margr1300\margt1200\margb1200",
       r"\f0\fs20\cf2"]
for line in text.splitlines():
    if not line.strip():
        continue
    if line.startswith("## "):
        out.append(r"\pard\sb240\sa80\keepn{\f1\fs28\b\cf1 " + inline(line[3:]) + r"}\par")
    elif line.startswith("# "):
        out.append(r"\pard\qc\sa60{\f1\fs44\b\cf1 " + inline(line[2:]) + r"}\par")
    elif line.startswith("- "):
        out.append(r"\pard\fi-240\li480\sa40\bullet\tab " + inline(line[2:]) + r"\par")
    else:
        out.append(r"\pard\sa100 " + inline(line) + r"\par")
out.append("}")
target = here.parent / "install" / "Harbinet ReadMe.RTF"
target.write_text("\r\n".join(out) + "\r\n", encoding="latin-1")
