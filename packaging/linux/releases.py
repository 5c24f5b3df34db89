#!/usr/bin/env python3
"""Turns the project's CHANGELOG into the two forms that ship on Linux.

    releases.py CHANGELOG VERSION "MAINTAINER" DEBIAN_CHANGELOG APPSTREAM_RELEASES

A heading "2.1.0 (2026-12-09)" opens a release; each "- " line that follows is one item, and
further indented lines continue it. Writes a Debian changelog and the <release> elements of the
AppStream data, and prints the date of release VERSION (the manual page's date); fails when the
changelog has no such release.
"""
import datetime
import re
import sys
from xml.sax.saxutils import escape


def read(path):
    releases = []  # (version, date, [items]), newest first
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        heading = re.fullmatch(r"(\d+\.\d+\.\d+) \((\d{4}-\d{2}-\d{2})\)", line)
        if heading:
            releases.append((heading[1], datetime.date.fromisoformat(heading[2]), []))
        elif releases and line.startswith("- "):
            releases[-1][2].append(line[2:])
        elif releases and releases[-1][2] and re.match(r"  +\S", line):
            releases[-1][2][-1] += "\n" + line.strip()
    return releases


def main(changelog, version, maintainer, debian_out, appstream_out):
    releases = read(changelog)
    debian, appstream = [], []
    for index, (number, date, items) in enumerate(releases):
        # Days only: Debian wants each entry later than the one before, so releases of one day
        # are an hour apart from noon on.
        hour = 12 + sum(1 for _, other, _ in releases[index + 1:] if other == date)
        entries = "".join("  * " + item.replace("\n", "\n    ") + "\n" for item in items)
        stamp = date.strftime("%a, %-d %b %Y") + f" {hour}:00:00 +0000"
        debian.append(f"vemmick ({number}) unstable; urgency=medium\n\n{entries}\n -- {maintainer}  {stamp}\n")
        lines = "".join(f"          <li>{escape(item.replace(chr(10), ' '))}</li>\n" for item in items)
        appstream.append(f'    <release version="{number}" date="{date}">\n      <description>\n        <ul>\n'
                         f"{lines}        </ul>\n      </description>\n    </release>\n")
    with open(debian_out, "w", encoding="utf-8") as out:
        out.write("\n".join(debian))
    with open(appstream_out, "w", encoding="utf-8") as out:
        out.write("".join(appstream))
    dates = [date for number, date, _ in releases if number == version]
    if not dates:
        sys.exit(f"{changelog} has no release {version}")
    print(dates[0])


if __name__ == "__main__":
    if len(sys.argv) != 6:
        sys.exit(__doc__)
    main(*sys.argv[1:])
