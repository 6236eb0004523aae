#!/usr/bin/python3
"""Every translation complete: each .ts file holds exactly the texts lupdate finds in the sources
today, each translated (nothing unfinished, vanished or obsolete), with the source's placeholders
(%1..%9, %n) and line breaks, and as many plural forms as its language has.
Usage: check_translations.py LUPDATE TS_FILE... -- SOURCE..."""
import os, re, subprocess, sys, tempfile
import xml.etree.ElementTree as ET

PLURAL_FORMS = {"de": 2, "fr": 2, "es": 2, "it": 2, "pt_BR": 2, "ru": 3, "ja": 1, "zh_CN": 1, "ko": 1}


def messages(path):
    """(context, source) -> message element"""
    return {(c.findtext("name"), m.findtext("source")): m for c in ET.parse(path).getroot() for m in c.iter("message")}


def placeholders(text):
    return sorted(re.findall(r"%(?:n|[1-9])", text)), text.count("\n")


def faults(ts, expected):
    language = os.path.basename(ts)[len("ovelune_"):-len(".ts")]
    found = messages(ts)
    wrong = ["missing: %r" % (s,) for (_, s) in expected.keys() - found.keys()]
    wrong += ["not in the sources: %r" % (s,) for (_, s) in found.keys() - expected.keys()]
    for (_, source), message in found.items():
        translation = message.find("translation")
        kind = translation.get("type")
        forms = [f.text or "" for f in translation.iter("numerusform")] if message.get("numerus") == "yes" \
            else [translation.text or ""]
        if kind:
            wrong.append("%s: %r" % (kind, source))
        elif message.get("numerus") == "yes" and len(forms) != PLURAL_FORMS[language]:
            wrong.append("%d plural forms, not %d: %r" % (len(forms), PLURAL_FORMS[language], source))
        for form in forms:
            if not form.strip():
                wrong.append("empty: %r" % source)
            # A plural form may say its number in words instead of %n, as languages do for "one".
            elif placeholders(form.replace("%n", "")) != placeholders(source.replace("%n", "")):
                wrong.append("placeholders or line breaks differ: %r -> %r" % (source, form))
    return ["%s: %s" % (language, w) for w in wrong]


def main():
    split = sys.argv.index("--")
    lupdate, ts_files, sources = sys.argv[1], sys.argv[2:split], sys.argv[split + 1:]
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "ovelune_de.ts")
        subprocess.run([lupdate, "-silent", "-locations", "none", *sources, "-ts", fresh], check=True)
        expected = messages(fresh)
    wrong = [w for ts in ts_files for w in faults(ts, expected)]
    print("\n".join(wrong) or "%d translations of %d texts complete" % (len(ts_files), len(expected)))
    return 1 if wrong or len(ts_files) != len(PLURAL_FORMS) else 0


sys.exit(main())
