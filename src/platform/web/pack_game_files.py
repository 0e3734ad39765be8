#!/usr/bin/env python3
"""Packs the game's files into one file the page fetches at once, with its index.

usage: pack_game_files.py PACK INDEX NAME=PATH...

The page then asks the server for two files instead of some three hundred and forty, which
on a busy machine is most of its start-up.
"""
import json
import sys


def main():
    pack_path, index_path, pairs = sys.argv[1], sys.argv[2], sys.argv[3:]
    index, offset = [], 0
    with open(pack_path, 'wb') as pack:
        for pair in pairs:
            name, path = pair.split('=', 1)
            with open(path, 'rb') as file:
                data = file.read()
            pack.write(data)
            index.append({'name': name, 'offset': offset, 'size': len(data)})
            offset += len(data)
    with open(index_path, 'w') as file:
        json.dump(index, file, separators=(',', ':'))
        file.write('\n')


if __name__ == '__main__':
    main()
