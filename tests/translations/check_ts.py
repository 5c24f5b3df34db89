#!/usr/bin/env python3
"""Fails when a translators' source is stale against the code (lupdate would add or drop a text),
or when a shipped language has a text unfinished, empty or obsolete.
    check_ts.py CHECKOUT"""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def messages(ts):
    """Each text of the file: (context, source) -> (translation, its type)."""
    found = {}
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            found[(name, message.findtext("source"))] = (translation.text or "", translation.get("type", ""))
    return found


checkout = pathlib.Path(sys.argv[1])
sources = sorted((checkout / "translations").glob("vemmick_*.ts"))
faults = [] if sources else ["no translations found"]
with tempfile.TemporaryDirectory() as scratch:
    copies = [shutil.copy(ts, scratch) for ts in sources]
    subprocess.run([checkout / "scripts/update-translations.sh", *copies], check=True)
    for ts, copy in zip(sources, copies):
        kept, current = messages(ts), messages(copy)
        for key in current.keys() - kept.keys():
            faults.append(f"{ts.name}: new in the code, not in the file: {key}")
        for key in kept.keys() - current.keys():
            faults.append(f"{ts.name}: in the file, gone from the code: {key}")
        for key, (translation, kind) in kept.items():
            if kind or not translation.strip():
                faults.append(f"{ts.name}: {kind or 'empty'}: {key}")
for fault in faults:
    print(fault, file=sys.stderr)
print(f"{len(sources)} languages, {len(messages(sources[0])) if sources else 0} texts each"
      + ("" if not faults else f"; {len(faults)} faults"))
sys.exit(1 if faults else 0)
