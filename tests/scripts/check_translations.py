"""The English translations are complete: lupdate, run on the sources as the
translation files are made, finds no text that lacks a finished, non-empty
English translation, and the files hold no entry the sources no longer use.
Usage: check_translations.py <lupdate> <source root>"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

lupdate, root = sys.argv[1], sys.argv[2]
# Each translation file and the sources lupdate reads for it.
FILES = {
    "core_en.ts": ["vectrim/core/model/messages.h"],
    "vectrim_en.ts": ["vectrim/gui"],
}
failures = []
with tempfile.TemporaryDirectory() as tmp:
    for ts, sources in FILES.items():
        copy = os.path.join(tmp, ts)
        shutil.copy(os.path.join(root, "translations", ts), copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-source-language", "de", "-target-language",
                        "en", "-extensions", "cpp,h"] + [os.path.join(root, s) for s in sources] + ["-ts", copy],
                       check=True)
        text = open(copy, encoding="utf-8").read()
        if text != open(os.path.join(root, "translations", ts), encoding="utf-8").read():
            failures.append(f"{ts}: lupdate changes the file (run it and translate what it adds)")
        for message in re.findall(r"<message>.*?</message>", text, re.S):
            source = re.search(r"<source>(.*?)</source>", message, re.S).group(1)
            translation = re.search(r"<translation([^>]*)>(.*?)</translation>|<translation([^>]*)/>", message, re.S)
            kind = (translation.group(1) or translation.group(3) or "") if translation else ""
            if "unfinished" in kind:
                failures.append(f"{ts}: not translated: {source!r}")
            elif "vanished" in kind or "obsolete" in kind:
                failures.append(f"{ts}: no longer used: {source!r}")
            elif not translation or not translation.group(2):
                failures.append(f"{ts}: empty translation: {source!r}")
for f in failures:
    print(f)
sys.exit(1 if failures else 0)
