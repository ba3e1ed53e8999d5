#!/usr/bin/env python3
"""Checks every shipped translation of the game.

  check_translations.py --source-dir DIR --lupdate PATH --sources-list FILE
                        --lupdate-option OPT ... -- CODE ...

For each language code: its .ts holds exactly the texts the sources mark
(lupdate finds no new and no vanished one), every message is finished, keeps
its placeholders, a menu item's shortcut and a tip's bold marks, each menu's
access keys are unique, and its manual page carries the English page's anchors.
Prints one line per fault and exits 1 when there is any.
"""
import argparse
import html.parser
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%[1-9n]")


def messages(ts_path):
    """(context, source) -> list of translated forms, and the unfinished ones."""
    found, unfinished = {}, []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            key = (name, source)
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("unfinished", "missing"):
                unfinished.append(key)
            if kind in ("vanished", "obsolete"):
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] if message.get("numerus") == "yes" \
                else [translation.text or ""]
            found[key] = forms
    return found, unfinished


def access_key(text):
    """The letter after a single '&', or None; a "&&" is a literal ampersand."""
    marks = [m.start() for m in re.finditer(r"(?<!&)&(?!&)", text)]
    return text[marks[0] + 1].lower() if len(marks) == 1 and marks[0] + 1 < len(text) else None


def check_language(code, args, sources, english_ids):
    faults = []
    ts_path = os.path.join(args.source_dir, "translations", f"glimbles_{code}.ts")
    found, unfinished = messages(ts_path)
    for key in unfinished:
        faults.append(f"{code}: unfinished: {key[0]}: {key[1]!r}")
    for key in sorted(sources - set(found)):
        faults.append(f"{code}: missing: {key[0]}: {key[1]!r}")
    for key in sorted(set(found) - sources):
        faults.append(f"{code}: no longer in the sources: {key[0]}: {key[1]!r}")
    keys_by_menu = {}
    for (context, source), forms in sorted(found.items()):
        where = f"{code}: {context}: {source!r}"
        for form in forms:
            if not form.strip():
                faults.append(f"{where}: empty translation")
                continue
            wanted = set(PLACEHOLDER.findall(source)) | ({"%n"} if len(forms) > 1 or "%n" in source else set())
            for placeholder in sorted(wanted - set(PLACEHOLDER.findall(form))):
                faults.append(f"{where}: {placeholder} is lost in {form!r}")
            if "\t" in source and form[form.find("\t"):] != source[source.find("\t"):]:
                faults.append(f"{where}: the shortcut after the tab changed in {form!r}")
            if context == "Tips" and form.count("*") != source.count("*"):
                faults.append(f"{where}: bold marks differ in {form!r}")
        if context.endswith("menu") or context in ("Menu bar", "Help window"):
            letter = access_key(forms[0].split("\t")[0])
            if letter is None:
                faults.append(f"{where}: no single access key in {forms[0]!r}")
            elif letter in keys_by_menu.setdefault(context, {}):
                faults.append(f"{where}: access key {letter!r} also taken by {keys_by_menu[context][letter]!r}")
            else:
                keys_by_menu[context][letter] = forms[0]
    page = os.path.join(args.source_dir, "resources", "help", f"glimbles-help.{code}.html")
    if not os.path.isfile(page):
        faults.append(f"{code}: no manual page {os.path.basename(page)}")
    else:
        ids, lang = Anchors.read(page)
        if ids != english_ids:
            faults.append(f"{code}: the manual's anchors differ from the English page's")
        if lang != code.replace("_", "-"):
            faults.append(f"{code}: the manual says lang={lang!r}")
        with open(page, encoding="utf-8") as text:
            if f'src="help-strip.{code}.png"' not in text.read():
                faults.append(f"{code}: the manual does not show its own status strip, help-strip.{code}.png")
    return faults


class Anchors(html.parser.HTMLParser):
    """The ids of a page, in order, and its <html lang>."""

    def __init__(self):
        super().__init__()
        self.ids, self.lang = [], None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.append(attrs["id"])
        if tag == "html":
            self.lang = attrs.get("lang")

    @staticmethod
    def read(path):
        parser = Anchors()
        with open(path, encoding="utf-8") as page:
            parser.feed(page.read())
        return parser.ids, parser.lang


def marked_sources(args):
    """Every (context, source) lupdate finds in the sources today."""
    with open(args.sources_list, encoding="utf-8") as listing:
        files = [line.strip() for line in listing if line.strip()]
    with tempfile.TemporaryDirectory() as scratch:
        ts = os.path.join(scratch, "all.ts")
        subprocess.run([args.lupdate, "-silent", *args.lupdate_option, *files, "-ts", ts], check=True,
                       stdout=subprocess.DEVNULL)
        return set(messages(ts)[0]) | set(messages(ts)[1])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources-list", required=True)
    parser.add_argument("--lupdate-option", action="append", default=[])
    parser.add_argument("codes", nargs="+")
    args = parser.parse_args()
    sources = marked_sources(args)
    english_ids, _ = Anchors.read(os.path.join(args.source_dir, "resources", "help", "glimbles-help.html"))
    faults = [fault for code in args.codes for fault in check_language(code, args, sources, english_ids)]
    for fault in faults:
        print(fault)
    print(f"{len(args.codes)} languages, {len(sources)} texts each: {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
