#!/usr/bin/env python3
# Damaged stores and things that are not a file at the store's path.
#
#   tools/stress/damaged.py BUILD [--only NAME] [--kinds all|contents|nonfile] [--uid UID]
#
# For each case a fresh temporary home gets the damaged Glimbles.ini (about
# 30 kinds of bad contents: garbage, NUL bytes, invalid UTF-8, huge lines, a
# 50 MB file, truncation, odd escapes, values out of range...) or something
# else at its path (folder, FIFO, socket, links to a device, to nothing, in
# a loop, an unreadable or another user's file...). The real BUILD/glimbles
# starts on a private Xvfb + openbox display; the rig closes any dialog with
# Escape, clicks three tiles, toggles Options > Sound (one save), then quits
# with Game > Exit from the keyboard (xdotool, the window focused first).
# A case passes when the window showed, the game ended by itself with exit
# status 0 (no crash signal, no hang), a regular file of ours reads whole
# afterwards, and anything at the path that is not our regular file is
# exactly as it was (kind, inode, mode, owner, size, times, link text,
# folder listing, and the contents of a file it points to).
# When run as root the game runs as UID (default 65534, nobody) through
# setpriv, so that permissions mean what they mean for a player.
import argparse
import hashlib
import os
import socket
import stat
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import stresslib as sl  # noqa: E402

GOOD = b"[General]\nShowTips=1\nSoundOn=1\nSize=14\nNumber=10\n"


def rnd(n, seed):
    import random
    r = random.Random(seed)
    return bytes(r.getrandbits(8) for _ in range(n))


def contents_cases():
    big_line = b"[General]\nShowTips=1\nLasName=" + b"A" * (8 * 1024 * 1024) + b"\n"
    fifty = b"[General]\nShowTips=1\n" + b"".join(
        b"[g%d]\nRez=%d\nName=%s\n" % (i, i, b"n" * 100) for i in range(400000))
    fifty = fifty[:50 * 1024 * 1024]
    return {
        "empty": b"",
        "binary-garbage-64k": rnd(65536, 1),
        "all-0xff": b"\xff" * 4096,
        "nul-bytes": b"[General]\nShowTips=1\nSize=1\x004\nNumber=\x00\x00\n\x00\x00\x00\n",
        "nul-only": b"\x00" * 10000,
        "invalid-utf8": b"[General]\nShowTips=1\nLasName=\xc3\x28\xa0\xa1\xe2\x28\xa1\xf0\x90\x28\xbc\n\xfe\xff=1\n",
        "utf16-bom": "[General]\nShowTips=1\nSize=11\n".encode("utf-16"),
        "utf8-bom": b"\xef\xbb\xbf" + GOOD,
        "huge-line-8MB": big_line,
        "file-50MB": fifty,
        "truncated-mid-line": GOOD[:30],
        "truncated-mid-section": b"[General]\nShowTips=1\n[8_8_8_",
        "section-without-close": b"[General\nShowTips=1\nSize=20\n[8_8_8_0\nRez=5\n",
        "odd-escapes": b"[General]\nShowTips=1\nLasName=\\x\\u00zz\\\\\\\"\\0\\777\\xffff\\\n%ZZ%=1\nSi%7Ae=17\n",
        "unterminated-quote": b"[General]\nShowTips=1\nLasName=\"abc\nSize=\"11\n",
        "trailing-backslash": b"[General]\nShowTips=1\nSize=8\\\nNumber=4\\",
        "size-out-of-range": b"[General]\nShowTips=1\nSize=9999\nNumber=99999\n",
        "size-negative": b"[General]\nShowTips=1\nSize=-20\nNumber=-5\n",
        "size-not-number": b"[General]\nShowTips=1\nSize=abc\nNumber=1e3\nSkin=x\n",
        "size-overflow": b"[General]\nShowTips=1\nSize=99999999999999999999\nNumber=2147483648\n",
        "number-below-range": b"[General]\nShowTips=1\nSize=20\nNumber=1\n",
        "number-zero": b"[General]\nShowTips=1\nSize=14\nNumber=0\n",
        "skin-out-of-range": b"[General]\nShowTips=1\nSkin=7\nSoundOn=-3\nTipsNumber=-2147483648\n",
        "list-and-variant-values": b"[General]\nShowTips=1\nSize=11,14\nNumber=@Variant(\\0\\0\\0\\x7f)\nSkin=@ByteArray(1)\n",
        "crlf": GOOD.replace(b"\n", b"\r\n"),
        "cr-only": GOOD.replace(b"\n", b"\r"),
        "duplicate-keys-sections": b"[General]\nShowTips=1\nSize=8\n[General]\nSize=20\nSize=11\n",
        "keys-before-any-section": b"Size=17\nShowTips=1\n[General]\nNumber=9\n",
        "empty-names": b"[]\n=\n==\n[General]\n=1\nShowTips=1\n",
        "best-results-bad": (b"[General]\nShowTips=1\n[8_8_8_0]\nRez=99999999999999999999\nName=" + b"N" * 100000
                             + b"\n[8_8_8_1]\nRez=-1\nName=\n[8_8_8_99]\nRez=x\n[20_20_20_0]\nRez=1e9\n"),
        "many-sections-100k": b"[General]\nShowTips=1\n" + b"".join(b"[s%d]\nk=v\n" % i for i in range(100000)),
        "control-chars": b"[General]\nShowTips=1\nLasName=\x01\x02\x1b[31m\x07\x7f\nSize=\t14 \n",
        "comments-only": b"; comment\n# another\n;[General]\n;Size=20\n",
    }


def make_contents(data, empty_lock=False):
    def setup(home, uid):
        home.store(data)
        if empty_lock:  # what a kill between the lock file's creation and its first write leaves
            open(home.ini + ".lock", "wb").close()
        return home.ini
    return setup


def nonfile_cases(uid):
    def folder(home, uid):
        os.makedirs(home.ini)
        return home.ini

    def folder_with_files(home, uid):
        os.makedirs(home.ini)
        with open(os.path.join(home.ini, "inside"), "wb") as f:
            f.write(b"keep me")
        return home.ini

    def fifo(home, uid):
        os.makedirs(home.folder)
        os.mkfifo(home.ini)
        return home.ini

    def sock(home, uid):
        os.makedirs(home.folder)
        s = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        s.bind(home.ini)
        s.listen(1)
        home.keep = s
        return home.ini

    def link_to(target):
        def setup(home, uid):
            os.makedirs(home.folder)
            os.symlink(target, home.ini)
            return home.ini
        return setup

    def dangling(home, uid):
        os.makedirs(home.folder)
        os.symlink(os.path.join(home.path, "nowhere", "x.ini"), home.ini)
        return home.ini

    def loop_self(home, uid):
        os.makedirs(home.folder)
        os.symlink("Glimbles.ini", home.ini)
        return home.ini

    def loop_two(home, uid):
        os.makedirs(home.folder)
        os.symlink("other.ini", home.ini)
        os.symlink("Glimbles.ini", os.path.join(home.folder, "other.ini"))
        return home.ini

    def unreadable(home, uid):
        home.store(GOOD)
        os.chmod(home.ini, 0)
        return home.ini

    def write_only(home, uid):
        home.store(GOOD)
        os.chmod(home.ini, 0o200)
        return home.ini

    def read_only(home, uid):
        home.store(GOOD)
        os.chmod(home.ini, 0o400)
        return home.ini

    def other_users(home, uid):
        home.store(GOOD)
        return home.ini  # chowned to root below, the game runs as uid

    def link_to_folder(home, uid):
        os.makedirs(home.folder)
        os.makedirs(os.path.join(home.path, "adir"))
        os.symlink(os.path.join(home.path, "adir"), home.ini)
        return home.ini

    def link_to_fifo(home, uid):
        os.makedirs(home.folder)
        os.mkfifo(os.path.join(home.path, "afifo"))
        os.symlink(os.path.join(home.path, "afifo"), home.ini)
        return home.ini

    def pellix_is_file(home, uid):
        os.makedirs(home.config)
        with open(home.folder, "wb") as f:
            f.write(b"not a folder")
        return home.folder

    def world_writable_folder(home, uid):
        home.store(GOOD)
        os.chmod(home.folder, 0o777)
        return home.ini

    return {
        "folder": (folder, False),
        "folder-with-files": (folder_with_files, False),
        "fifo": (fifo, False),
        "socket": (sock, False),
        "link-to-dev-zero": (link_to("/dev/zero"), False),
        "link-to-dev-urandom": (link_to("/dev/urandom"), False),
        "link-to-dev-full": (link_to("/dev/full"), False),
        "dangling-link": (dangling, False),
        "link-loop-self": (loop_self, False),
        "link-loop-two": (loop_two, False),
        "link-to-folder": (link_to_folder, False),
        "link-to-fifo": (link_to_fifo, False),
        "unreadable-file-000": (unreadable, False),
        "write-only-file-200": (write_only, False),
        "read-only-file-400": (read_only, False),
        "other-users-file": (other_users, "root"),
        "folder-Pellix-is-a-file": (pellix_is_file, False),
        "world-writable-folder": (world_writable_folder, False),
    }


def snapshot(path):
    """Everything about `path` and what it leads to that the game must leave alone."""
    out = {}
    try:
        st = os.lstat(path)
    except FileNotFoundError:
        return {"absent": True}
    out["lstat"] = (stat.S_IFMT(st.st_mode), st.st_ino, st.st_mode, st.st_uid, st.st_size, st.st_mtime_ns,
                    st.st_ctime_ns)
    if stat.S_ISLNK(st.st_mode):
        out["link"] = os.readlink(path)
        try:
            t = os.stat(path)
            out["target"] = (stat.S_IFMT(t.st_mode), t.st_ino, t.st_mode, t.st_size, t.st_mtime_ns)
            if stat.S_ISDIR(t.st_mode):
                out["target_listing"] = sorted(os.listdir(path))
        except OSError as e:
            out["target"] = str(e.errno)
    if stat.S_ISDIR(st.st_mode):
        out["listing"] = sorted(os.listdir(path))
    if stat.S_ISREG(st.st_mode):
        with open(path, "rb") as f:
            out["sha"] = hashlib.sha256(f.read()).hexdigest()
    return out


def run_case(build, name, setup, untouched, uid, as_other):
    home = sl.Home()
    desk = None
    result = {"case": name}
    try:
        desk = sl.Desktop(home)
        path = setup(home, uid)
        if os.geteuid() == 0 and uid is not None:
            for root, dirs, files in os.walk(home.path):
                for n in dirs + files + [""]:
                    p = os.path.join(root, n) if n else root
                    try:
                        os.lchown(p, uid, uid)
                    except OSError:
                        pass
            if as_other == "root":
                os.lchown(path, 0, 0)
                os.chmod(path, 0o644)
        before = snapshot(path)
        env = dict(desk.env)
        prefix = []
        if os.geteuid() == 0 and uid is not None:
            prefix = ["setpriv", f"--reuid={uid}", f"--regid={uid}", "--clear-groups", "--"]
        started = time.time()
        proc = sl.start_game(build, env, extra=prefix)
        window = desk.wait_window(proc.pid, seconds=90, proc=proc)
        result["seconds_to_window"] = round(time.time() - started, 2) if window else None
        if window:
            for _ in range(3):  # the tips, or any dialog a broken store brought up
                others = [w for w in desk.windows(proc.pid) if w != window]
                if not others:
                    break
                for w in others:
                    desk.focus(w)
                    desk.xdotool("key", "Escape")
                time.sleep(0.3)
            desk.focus(window)
            for x, y in ((20, 20), (60, 100), (140, 60)):
                desk.xdotool("mousemove", "--window", window, x, y, "click", "1")
                time.sleep(0.1)
            for _ in range(2):
                others = [w for w in desk.windows(proc.pid) if w != window]
                for w in others:
                    desk.focus(w)
                    desk.xdotool("key", "Escape")
                time.sleep(0.2)
            desk.focus(window)
            desk.xdotool("key", "--delay", "120", "alt", "Right", "Down", "Down", "Down", "Down", "Return")
            time.sleep(0.3)
            desk.focus(window)
            desk.xdotool("key", "--delay", "120", "alt", "Down", "Up", "Return")
        exit_sent = time.time()
        try:
            proc.wait(20)
            result["seconds_from_exit_keys_to_end"] = round(time.time() - exit_sent, 2)
            result["status"] = sl.describe_status(proc.returncode)
        except subprocess.TimeoutExpired:
            result["status"] = "hang (still running 20 s after Exit)"
            sl.stop(proc)
        stderr = proc.stderr.read().decode(errors="replace")
        result["stderr"] = stderr.strip()[:300]
        after = snapshot(path)
        if name in NONFILE and NONFILE[name][1] is not None:
            result["untouched"] = before == after
        if os.path.isfile(path) and not os.path.islink(path) and name not in NONFILE:
            with open(path, "rb") as f:
                data = f.read()
            result["rewritten"] = before.get("sha") != after.get("sha")
            if result["rewritten"]:
                _, problems = sl.parse_ini(data)
                result["reads_whole_after"] = not problems
                if problems:
                    result["problems"] = problems[:3]
        if name in ("good-file-with-empty-lock-file", "control-good-file"):
            with open(path, "rb") as f:
                result["sound_change_saved"] = b"SoundOn=0" in f.read()
        result["folder_after"] = sorted(os.listdir(home.folder)) if os.path.isdir(home.folder) else None
        ok = window and result["status"] == "exit 0" and result.get("untouched", True) \
            and result.get("reads_whole_after", True) and result.get("sound_change_saved", True)
        result["ok"] = bool(ok)
    finally:
        if desk:
            desk.close()
        if hasattr(home, "keep"):
            home.keep.close()
        home.close()
    return result


NONFILE = {}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--only")
    parser.add_argument("--kinds", choices=["all", "contents", "nonfile"], default="all")
    parser.add_argument("--uid", type=int, default=65534)
    args = parser.parse_args()
    uid = args.uid if os.geteuid() == 0 else None
    cases = {}
    for name, data in contents_cases().items():
        cases[name] = (make_contents(data), None, False)
    # Not damage to the file itself: an empty lock file beside a good one.
    cases["good-file-with-empty-lock-file"] = (make_contents(GOOD, empty_lock=True), None, False)
    cases["control-good-file"] = (make_contents(GOOD), None, False)
    for name, (setup, other) in nonfile_cases(uid).items():
        NONFILE[name] = (setup, True)
        cases[name] = (setup, True, other)
    results = []
    for name, (setup, untouched, other) in cases.items():
        if args.only and args.only != name:
            continue
        if (args.kinds == "contents" and name in NONFILE) or (args.kinds == "nonfile" and name not in NONFILE):
            continue
        try:
            r = run_case(args.build, name, setup, untouched, uid, other)
        except Exception as e:  # the rig's own trouble (no display...): reported, not a verdict on the game
            r = {"case": name, "ok": False, "rig_error": repr(e)}
        sl.log(r)
        results.append(r)
    bad = [r["case"] for r in results if not r["ok"]]
    kinds_contents = sum(1 for r in results if r["case"] not in NONFILE)
    kinds_nonfile = sum(1 for r in results if r["case"] in NONFILE)
    print(f"RESULT {'FAIL' if bad else 'PASS'} damaged contents: {kinds_contents} kinds, "
          f"not a file / not ours: {kinds_nonfile} kinds, failed: {bad}")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
