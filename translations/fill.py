#!/usr/bin/env python3
"""Writes the German texts of de.py into vinaxo_de.ts (as lupdate left it) and checks them.

    /usr/lib/qt6/bin/lupdate ... -ts translations/vinaxo_de.ts   (see tests/i18n)
    python3 translations/fill.py

Every message gets its translation; the script fails on a message de.py does not know,
and on a translation that loses a placeholder, a mnemonic, a trailing "..." or the
blanks around the text, or that repeats a mnemonic within one window or menu.
"""
import html
import os
import re
import sys
from collections import defaultdict

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
from de import CONTEXT_DE, DE  # noqa: E402

TS = os.path.join(HERE, "vinaxo_de.ts")

MESSAGE = re.compile(r"<message>(.*?)</message>", re.S)
SOURCE = re.compile(r"<source>(.*?)</source>", re.S)
COMMENT = re.compile(r"<comment>(.*?)</comment>", re.S)
TRANSLATION = re.compile(r"<translation[^>]*>(.*?)</translation>|<translation[^>]*/>", re.S)
CONTEXT = re.compile(r"<context>\s*<name>(.*?)</name>(.*?)</context>", re.S)


def escape(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;").replace("'", "&apos;"))


def mnemonic(text):
    m = re.search(r"&([^&\s])", text.replace("&&", ""))
    return m.group(1).lower() if m else None


def problems(source, german):
    found = []
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", german)):
        found.append("placeholders differ")
    if (mnemonic(source) is None) != (mnemonic(german) is None):
        found.append("mnemonic lost or added")
    if source.endswith("...") != german.endswith("..."):
        found.append("trailing ... differs")
    lead = lambda t: len(t) - len(t.lstrip(" "))
    trail = lambda t: len(t) - len(t.rstrip(" "))
    if lead(source) != lead(german) or trail(source) != trail(german):
        found.append("surrounding blanks differ")
    if source.count("\n") != german.count("\n"):
        found.append("line breaks differ")
    return found


def main():
    text = open(TS, encoding="utf-8").read()
    errors = []
    used = defaultdict(list)  # (context) -> [(letter, german)]

    def fill_context(cm):
        context = html.unescape(cm.group(1))

        def fill(mm):
            body = mm.group(1)
            source = html.unescape(SOURCE.search(body).group(1))
            german = CONTEXT_DE.get((context, source), DE.get(source))
            if german is None:
                errors.append(f"{context}: no German text for {source!r}")
                return mm.group(0)
            for p in problems(source, german):
                errors.append(f"{context}: {source!r} -> {german!r}: {p}")
            letter = mnemonic(german)
            if letter:
                used[context].append((letter, german))
            new_body = TRANSLATION.sub(lambda _: f"<translation>{escape(german)}</translation>", body, count=1)
            return f"<message>{new_body}</message>"

        return cm.group(0)[: cm.start(2) - cm.start(0)] + MESSAGE.sub(fill, cm.group(2)) + "</context>"

    text = CONTEXT.sub(fill_context, text)
    for context, letters in used.items():
        seen = defaultdict(list)
        for letter, german in letters:
            seen[letter].append(german)
        for letter, texts in seen.items():
            if len(set(texts)) > 1:
                print(f"note: {context}: &{letter} in {sorted(set(texts))}")
    if errors:
        print("\n".join(errors), file=sys.stderr)
        return 1
    open(TS, "w", encoding="utf-8").write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
