#!/usr/bin/python3
"""Zips the page folder as the sites that host browser games take it: index.html at the top,
and only what the page loads. The game's files also lie loose in the folder for the tools
that run under node, but the page fetches them packed, so the loose copies stay out.

usage: web_zip.py PAGE_FOLDER OUT.zip     (SOURCE_DATE_EPOCH dates every entry)
"""
import json
import os
import sys
import time
import zipfile


def page_files(folder):
    with open(os.path.join(folder, 'game-files.json')) as index:
        packed = {entry['name'] for entry in json.load(index)}
    for top, folders, names in os.walk(folder):
        folders[:] = sorted(name for name in folders if not name.startswith('.'))
        for name in sorted(names):
            path = os.path.relpath(os.path.join(top, name), folder)
            if not name.startswith('.') and path not in packed:
                yield path


def main():
    folder, out = sys.argv[1], sys.argv[2]
    stamp = time.gmtime(int(os.environ.get('SOURCE_DATE_EPOCH', time.time())))[:6]
    names = list(page_files(folder))
    if 'index.html' not in names:
        sys.exit('web_zip.py: %s has no index.html' % folder)
    with zipfile.ZipFile(out, 'w', zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for name in names:
            entry = zipfile.ZipInfo(name, stamp)
            entry.compress_type = zipfile.ZIP_DEFLATED
            entry.external_attr = 0o644 << 16
            with open(os.path.join(folder, name), 'rb') as file:
                archive.writestr(entry, file.read())
    print('%s: %d files' % (out, len(names)))


if __name__ == '__main__':
    main()
