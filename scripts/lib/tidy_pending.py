"""Picks the files clang-tidy still has to check.

Usage: tidy_pending.py ROOT FOLDERS

Reads ROOT/build/compile_commands.json, keeps the .cpp files under the
"|"-separated FOLDERS once each, and leaves out those whose key has a stamp
in ROOT/build-tidy/passed. A key covers the file, its compile command, the
clang-tidy configurations and every header of FOLDERS. Writes the rest to
ROOT/build-tidy/compile_commands.json and their keys, one a line, to
ROOT/build-tidy/pending.
"""
import hashlib
import json
import pathlib
import re
import sys


def main():
    root, folders = pathlib.Path(sys.argv[1]), sys.argv[2]
    tidy = root / "build-tidy"
    shared = hashlib.sha1()
    shared.update((root / ".clang-tidy").read_bytes())
    for folder in folders.split("|"):
        for path in sorted((root / folder).rglob("*")):
            if path.suffix == ".h" or path.name == ".clang-tidy":
                shared.update(str(path).encode() + path.read_bytes())

    ours = re.compile("^" + re.escape(str(root)) + "/(" + folders + ")/.*\\.cpp$")
    pending, keys, seen = [], [], set()
    for entry in json.loads((root / "build/compile_commands.json").read_text()):
        name = entry["file"]
        if not ours.match(name) or name in seen:
            continue
        seen.add(name)
        command = entry.get("command") or " ".join(entry["arguments"])
        key = hashlib.sha1(
            shared.digest() + command.encode() + pathlib.Path(name).read_bytes()
        ).hexdigest()
        if not (tidy / "passed" / key).exists():
            pending.append(entry)
            keys.append(key)

    (tidy / "compile_commands.json").write_text(json.dumps(pending, indent=1))
    (tidy / "pending").write_text("".join(key + "\n" for key in keys))
    print(f"clang-tidy: {len(pending)} of {len(seen)} files to check")


if __name__ == "__main__":
    main()
