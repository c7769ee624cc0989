#!/usr/bin/env python3
"""Fails when a translation catalog is behind the code or holds a faulty entry.

Usage: check_catalogs.py SOURCE_DIR LUPDATE

Each translations/*.ts is brought up to date with the texts the code holds
(lupdate over src/ and tools/, into a copy), then every entry must be
finished: a translation that is not empty, with the same %1 %2 ... as its
source and the same access key (&X) where the source has one.
"""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def text_of(element):
    """The text of a <source> or <translation>, its <byte value="xd"/> as CR."""
    if element is None:
        return None
    parts = [element.text or '']
    for child in element:
        if child.tag == 'byte':
            parts.append(chr(int(child.get('value').lstrip('x'), 16)))
        parts.append(child.tail or '')
    return ''.join(parts)


def placeholders(text):
    return sorted(re.findall(r'%\d+', text))


def access_key(text):
    m = re.search(r'&([^&\s])', text.replace('&&', ''))
    return m.group(1).lower() if m else None


def problems(ts_path):
    found = []
    root = ET.parse(ts_path).getroot()
    for context in root.findall('context'):
        name = context.findtext('name')
        for message in context.findall('message'):
            source = text_of(message.find('source'))
            translation_element = message.find('translation')
            translation = text_of(translation_element) or ''
            where = '%s: "%s"' % (name, source)
            kind = translation_element.get('type') if translation_element is not None else 'missing'
            if kind in ('unfinished', 'missing') or not translation.strip():
                found.append('not translated: ' + where)
                continue
            if placeholders(source) != placeholders(translation):
                found.append('placeholders differ: %s -> "%s"' % (where, translation))
            if access_key(source) and access_key(source) != access_key(translation):
                found.append('access key differs: %s -> "%s"' % (where, translation))
    return found


def main():
    source_dir, lupdate = sys.argv[1], sys.argv[2]
    catalogs = sorted(glob.glob(os.path.join(source_dir, 'translations', '*.ts')))
    if not catalogs:
        print('no catalog in', os.path.join(source_dir, 'translations'))
        return 1
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        for catalog in catalogs:
            current = os.path.join(scratch, os.path.basename(catalog))
            shutil.copy(catalog, current)
            subprocess.run([lupdate, '-silent', '-no-obsolete', '-locations', 'none', 'src', 'tools', '-ts', current],
                           cwd=source_dir, check=True)
            failures += ['%s: %s' % (os.path.basename(catalog), p) for p in problems(current)]
    for failure in failures:
        print(failure)
    print('%d catalog(s), %d problem(s)' % (len(catalogs), len(failures)))
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
