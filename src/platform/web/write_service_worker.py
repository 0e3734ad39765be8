#!/usr/bin/env python3
"""Writes the page's service worker: its version and the digest of every file it keeps.

usage: write_service_worker.py FOLDER PROJECT_VERSION SOURCE OUTPUT FILE...

The version is the project's with a digest of the files after it, so a build whose files
differ in any byte is another version, which replaces the one before it whole.
"""
import hashlib
import json
import os
import sys


def main():
    folder, project_version, source, output, names = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:]
    files = {}
    for name in sorted(set(names)):
        with open(os.path.join(folder, name), 'rb') as file:
            files[name] = hashlib.sha256(file.read()).hexdigest()
    whole = hashlib.sha256(json.dumps(files, sort_keys=True).encode()).hexdigest()
    version = '%s-%s' % (project_version, whole[:12])
    with open(source) as file:
        body = file.read()
    head = ('const VERSION = %s;\nconst FILES = %s;\n'
            % (json.dumps(version), json.dumps(files, indent=0, sort_keys=True)))
    text = head + body
    # Written only when it changes, so the browser sees a new worker only for a new version.
    if os.path.exists(output):
        with open(output) as file:
            if file.read() == text:
                return
    with open(output, 'w') as file:
        file.write(text)


if __name__ == '__main__':
    main()
