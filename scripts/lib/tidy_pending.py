"""Picks the files clang-tidy still has to check.

Usage: tidy_pending.py ROOT FOLDERS

Reads ROOT/build/compile_commands.json and keeps, once each, the .cpp files
under the "|"-separated FOLDERS: those of the test binaries and the tools as
the unity sources CMake compiles them as (each includes every .cpp file of
one target and stands for them), the others one by one with their unity
source's compile command; less those whose key has a stamp in
ROOT/build-tidy/passed. A key covers the file, its compile command, the
clang-tidy configurations and the files it includes from ROOT (our own and
those the build generates), as the compiler reported them to ninja in the
Release build (`ninja -t deps`). Where the build has no such record of the
file, or one older than the file or one of those files, the key covers
every header of FOLDERS instead, and a unity source's key the files it
includes besides. Writes the rest to ROOT/build-tidy/compile_commands.json,
without the precompiled header the build forces into some files (clang
cannot read the compiler's), and their keys, one a line, to
ROOT/build-tidy/pending.
"""
import hashlib
import json
import pathlib
import re
import shlex
import subprocess
import sys


def ninja_deps(build):
    """Maps each object file of the build, as a path, to the files its last
    compilation read, as ninja recorded them; empty without a record."""
    try:
        text = subprocess.run(
            ["ninja", "-C", str(build), "-t", "deps"],
            check=True, capture_output=True, text=True,
        ).stdout
    except (OSError, subprocess.CalledProcessError):
        return {}
    deps, current = {}, None
    for line in text.splitlines():
        if not line.strip():
            current = None
        elif not line.startswith(" "):
            target, _, state = line.partition(": #deps")
            current = [] if "(VALID)" in state else None
            if current is not None:
                deps[build / target] = current
        elif current is not None:
            current.append(build / line.strip())  # relative to the build, if not absolute
    return deps


def object_of(arguments, directory):
    """The object file a compile command writes, or None."""
    for flag, value in zip(arguments, arguments[1:]):
        if flag == "-o":
            return pathlib.Path(directory) / value
    return None


def without_pch(arguments):
    """The compile command without the precompiled header CMake forces in."""
    kept, skip = [], False
    for i, argument in enumerate(arguments):
        if skip:
            skip = False
        elif argument == "-include" and i + 1 < len(arguments) and arguments[i + 1].endswith("/cmake_pch.hxx"):
            skip = True
        elif argument != "-Winvalid-pch":
            kept.append(argument)
    return kept


def unity_includes(path):
    """The files a CMake unity source includes, or None for any other file."""
    if "/Unity/unity_" not in str(path):
        return None
    return [pathlib.Path(m) for m in re.findall(r'^#include "(.*)"$', path.read_text(), re.MULTILINE)]


def main():
    root, folders = pathlib.Path(sys.argv[1]), sys.argv[2]
    tidy = root / "build-tidy"
    configs = hashlib.sha1()
    configs.update((root / ".clang-tidy").read_bytes())
    every_header = hashlib.sha1()
    for folder in folders.split("|"):
        for path in sorted((root / folder).rglob("*")):
            if path.name == ".clang-tidy":
                configs.update(str(path).encode() + path.read_bytes())
            elif path.suffix == ".h":
                every_header.update(str(path).encode() + path.read_bytes())

    deps = ninja_deps(root / "build")
    ours = re.compile("^" + re.escape(str(root)) + "/(" + folders + ")/.*\\.cpp$")
    unity = re.compile("^" + re.escape(str(root)) + "/build/(.*)/Unity/unity_[0-9]+_cxx\\.cxx$")
    # The test binaries and the tools are checked as their unity sources
    # (without the analyser, which looks only at the functions of the file it
    # is given); every other target file by file, with the unity source's
    # compile command.
    whole = re.compile("^(tests|tools)(/|$)")
    pending, keys, seen, units, by_deps = [], [], set(), 0, 0
    for entry in json.loads((root / "build/compile_commands.json").read_text()):
        name = entry["file"]
        in_unity = unity.match(name)
        if not (ours.match(name) or in_unity) or name in seen:
            continue
        seen.add(name)
        arguments = entry.get("arguments") or shlex.split(entry["command"])

        # The headers from ROOT the file read when it was last compiled, if
        # that compilation is newer than the file and each of them.
        headers = None
        output = object_of(arguments, entry["directory"])
        read = deps.get(output) if output else None
        if read is not None and output.exists():
            built = output.stat().st_mtime
            mine = [p for p in read if root in p.parents and p.suffix != ".gch" and p != pathlib.Path(name)]
            if all(p.exists() and p.stat().st_mtime <= built for p in mine + [pathlib.Path(name)]):
                headers = hashlib.sha1()
                for path in sorted(set(mine)):
                    headers.update(str(path).encode() + path.read_bytes())
        keyed_by_deps = headers is not None
        if headers is None:
            headers = every_header.copy()
            for path in unity_includes(pathlib.Path(name)) or []:
                headers.update(str(path).encode() + path.read_bytes())

        arguments = without_pch(arguments)
        checked = [(name, arguments)]
        if in_unity and not whole.match(in_unity.group(1)):
            checked = [
                (str(path), [str(path) if a == name else a for a in arguments])
                for path in unity_includes(pathlib.Path(name))
                if ours.match(str(path)) and str(path) not in seen
            ]
            seen.update(file for file, _ in checked)
        for file, command in checked:
            units += 1
            by_deps += keyed_by_deps
            key = hashlib.sha1(
                configs.digest() + headers.digest() + shlex.join(command).encode() + pathlib.Path(file).read_bytes()
            ).hexdigest()
            if not (tidy / "passed" / key).exists():
                pending.append({"directory": entry["directory"], "arguments": command, "file": file})
                keys.append(key)

    (tidy / "compile_commands.json").write_text(json.dumps(pending, indent=1))
    (tidy / "pending").write_text("".join(key + "\n" for key in keys))
    print(
        f"clang-tidy: {len(pending)} of {units} files to check"
        f" ({by_deps} keyed on the headers they include)"
    )


if __name__ == "__main__":
    main()
