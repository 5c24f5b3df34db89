#!/usr/bin/env python3
"""Fails when a translators' source is stale against the code (lupdate would add or drop a text),
or when a shipped language has a text unfinished, empty or obsolete.
    check_ts.py CHECKOUT"""
import pathlib, shutil, subprocess, sys, tempfile
import xml.etree.ElementTree as ET


def messages(ts):
    """(context, source) -> (translation, its type), for each text of the file."""
    return {(context.findtext("name"), message.findtext("source")):
            (message.find("translation").text or "", message.find("translation").get("type", ""))
            for context in ET.parse(ts).getroot().iter("context") for message in context.iter("message")}


checkout = pathlib.Path(sys.argv[1])
sources = sorted((checkout / "translations").glob("vemmick_*.ts"))
faults = [] if sources else ["no translations found"]
with tempfile.TemporaryDirectory() as scratch:
    copies = [shutil.copy(ts, scratch) for ts in sources]
    subprocess.run([checkout / "scripts/update-translations.sh", *copies], check=True)
    for ts, copy in zip(sources, copies):
        kept, current = messages(ts), messages(copy)
        faults += [f"{ts.name}: new in the code: {key}" for key in current.keys() - kept.keys()]
        faults += [f"{ts.name}: gone from the code: {key}" for key in kept.keys() - current.keys()]
        faults += [f"{ts.name}: {kind or 'empty'}: {key}" for key, (text, kind) in kept.items() if kind or not text.strip()]
print("\n".join(faults), file=sys.stderr)
print(f"{len(sources)} languages, {len(faults)} faults")
sys.exit(1 if faults else 0)
