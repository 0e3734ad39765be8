#!/usr/bin/env python3
"""Writes FILE.gz beside each FILE, the same bytes from the same file on every build.

usage: gzip_for_page.py FILE...

A static host may send the page's files as they lie, compressing nothing; the page itself
then unpacks the compressed copy where the browser can (DecompressionStream).
"""
import gzip
import sys


def main():
    for path in sys.argv[1:]:
        with open(path, 'rb') as file:
            data = file.read()
        with open(path + '.gz', 'wb') as file:
            file.write(gzip.compress(data, compresslevel=9, mtime=0))


if __name__ == '__main__':
    main()
