#!/usr/bin/env python3
"""The desktop entry's and the AppStream metainfo's words in every language
of the catalogues, so that a menu shows "Millimeterpapier" on a German
desktop.

    entry_translations.py marks DESKTOP METAINFO OUT.cpp
        the texts to translate, as marks lupdate reads (context "Desktop entry")
    entry_translations.py apply DESKTOP METAINFO DESKTOP_OUT METAINFO_OUT TS...
        both files with a translated key or element after each English one
"""

import re
import sys
import xml.etree.ElementTree as ET

CONTEXT = "Desktop entry"
DESKTOP_KEYS = ("GenericName", "Comment", "Keywords")
METAINFO_ELEMENTS = ("summary",)


def desktop_texts(path):
    texts = []
    for line in open(path, encoding="utf-8"):
        key, _, value = line.rstrip("\n").partition("=")
        if key in DESKTOP_KEYS:
            texts.append((key, value))
    return texts


def metainfo_pattern(element):
    return re.compile(r"^(\s*)<%s>(.*)</%s>$" % (element, element))


def metainfo_texts(path):
    texts = []
    for line in open(path, encoding="utf-8"):
        for element in METAINFO_ELEMENTS:
            found = metainfo_pattern(element).match(line.rstrip("\n"))
            if found:
                texts.append(found.group(2))
    return texts


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def write_marks(desktop, metainfo, out):
    texts = [value for _, value in desktop_texts(desktop)] + metainfo_texts(metainfo)
    with open(out, "w", encoding="utf-8") as marks:
        for text in texts:
            marks.write("QT_TRANSLATE_NOOP(%s, %s);\n" % (c_string(CONTEXT), c_string(text)))


def catalogue(path):
    root = ET.parse(path).getroot()
    translated = {}
    for context in root.iter("context"):
        if context.findtext("name") != CONTEXT:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") not in ("unfinished", "obsolete", "vanished") and translation.text:
                translated[message.findtext("source")] = translation.text
    return root.get("language"), translated


def xml_text(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def apply(desktop, metainfo, desktop_out, metainfo_out, catalogues):
    languages = sorted(catalogue(path) for path in catalogues)
    lines = []
    for line in open(desktop, encoding="utf-8"):
        lines.append(line)
        key, _, value = line.rstrip("\n").partition("=")
        if key in DESKTOP_KEYS:
            lines += ["%s[%s]=%s\n" % (key, language, words[value]) for language, words in languages if value in words]
    open(desktop_out, "w", encoding="utf-8").writelines(lines)
    lines = []
    for line in open(metainfo, encoding="utf-8"):
        lines.append(line)
        for element in METAINFO_ELEMENTS:
            found = metainfo_pattern(element).match(line.rstrip("\n"))
            if found:
                indent, value = found.groups()
                lines += ['%s<%s xml:lang="%s">%s</%s>\n' % (indent, element, language, xml_text(words[value]), element)
                          for language, words in languages if value in words]
    open(metainfo_out, "w", encoding="utf-8").writelines(lines)


if __name__ == "__main__":
    if sys.argv[1] == "marks":
        write_marks(*sys.argv[2:5])
    elif sys.argv[1] == "apply":
        apply(*sys.argv[2:6], sys.argv[6:])
    else:
        sys.exit(__doc__)
