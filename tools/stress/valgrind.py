#!/usr/bin/env python3
# Valgrind (memcheck) over a short session of the real game.
#
#   tools/stress/valgrind.py BUILD [--out DIR] [--clicks N]
#
# Starts BUILD/glimbles under valgrind --tool=memcheck --leak-check=full on a
# private Xvfb + openbox display with a temporary settings folder, waits for
# its window, and plays a short session with xdotool (window focused first):
# N clicks on the board, Ctrl+N, a board size change and a tiles change
# through the Options menu (each a save), then Game > Exit. The XML report
# goes to DIR/valgrind-PID.xml (one a process); the script prints every
# error and definite or possible leak whose innermost caller above the C and
# C++ runtime is our code (the glimbles binary or its sound module, or a
# function of our classes and namespaces) as OURS, those with a frame of
# ours further out (main and RunGame aside) as THROUGH-OURS, and the totals
# of the rest (Qt's, the system's libraries').
import argparse
import os
import random
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import stresslib as sl  # noqa: E402

OUR_FN = re.compile(r"^(C[A-Z]\w*::|(platform|engine|board|res|game_settings|best_results|dialogs|shell|"
                    r"desktop|check_items|settings_file|ini)::|RunGame|SoundModuleFolders|"
                    r"SetWindowIconAfterFirstPaint|CommandLineFile|GameDialogs|DesktopServices)")


# Frames every stack of the program ends with: they make no error ours.
OUTERMOST = re.compile(r"^(main|RunGame\(|_start|__libc_start)")
# Libraries below everyone's code: an allocation or copy there is made for the caller.
RUNTIME = re.compile(r"(vgpreload_memcheck|libc\.so|libstdc\+\+|ld-linux)")


def ours(frame):
    obj = frame.findtext("obj") or ""
    fn = frame.findtext("fn") or ""
    name = os.path.basename(obj)
    if OUTERMOST.match(fn):
        return False
    return name == "glimbles" or name.startswith("libglimbles") or bool(OUR_FN.match(fn))


def first_caller(frames):
    """The innermost frame above the C and C++ runtime: whose code made the call."""
    for f in frames:
        if not RUNTIME.search(f.findtext("obj") or ""):
            return f
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--out", default=".")
    parser.add_argument("--clicks", type=int, default=12)
    parser.add_argument("--report-only", metavar="XML", help="only read an earlier run's XML report")
    args = parser.parse_args()
    if args.report_only:
        return report(args.report_only, {})
    os.makedirs(args.out, exist_ok=True)
    # One report a process: %p is the process id (a forked child writes its own).
    xml_pattern = os.path.abspath(os.path.join(args.out, "valgrind-%p.xml"))
    home = sl.Home()
    home.store(b"[General]\nShowTips=1\nSoundOn=1\nSize=8\nNumber=4\n")
    desk = sl.Desktop(home)
    vg = ["valgrind", "--tool=memcheck", "--leak-check=full", "--show-leak-kinds=definite,possible",
          "--num-callers=40", "--xml=yes", f"--xml-file={xml_pattern}", "--track-origins=yes"]
    started = time.time()
    proc = sl.start_game(args.build, desk.env, extra=vg)
    played = {"clicks": 0}
    try:
        window = desk.wait_window(proc.pid, seconds=300, proc=proc)
        played["seconds_to_window"] = round(time.time() - started, 1)
        if not window:
            raise SystemExit("no window under valgrind")
        time.sleep(2)
        origin = sl.board_origin(desk, window, os.path.join(args.out, "valgrind-start.png")) or (2, 21)
        rng = random.Random(3)
        desk.focus(window)
        for _ in range(args.clicks):
            desk.xdotool("mousemove", "--window", window, origin[0] + rng.randrange(8) * 40 + 20,
                         origin[1] + rng.randrange(8) * 40 + 20, "click", "1")
            played["clicks"] += 1
            time.sleep(0.5)
        desk.focus(window)
        desk.xdotool("key", "ctrl+n")
        time.sleep(1)
        for keys in (["alt", "Right", "Down", "Right", "Down", "Return"],            # Small
                     ["alt", "Right", "Down", "Down", "Down", "Right", "Down", "Return"]):  # Sand
            desk.focus(window)
            desk.xdotool("key", "--delay", "400", *keys)
            time.sleep(3)
        with open(home.ini, "rb") as f:
            played["settings_after"] = sl.parse_ini(f.read())[0].get("General")
        desk.screenshot(os.path.join(args.out, "valgrind-end.png"))
        desk.focus(window)
        desk.xdotool("key", "--delay", "400", "alt", "Down", "Up", "Return")
        try:
            proc.wait(300)
        except subprocess.TimeoutExpired:
            played["exit"] = "did not end after Exit"
        played["status"] = sl.describe_status(proc.returncode)
    finally:
        sl.stop(proc, 30)
        desk.close()
        home.close()
    played["minutes"] = round((time.time() - started) / 60, 1)
    status = 0
    main_xml = xml_pattern.replace("%p", str(proc.pid))
    for name in sorted(os.listdir(args.out)):
        if name.startswith("valgrind-") and name.endswith(".xml"):
            path = os.path.join(args.out, name)
            status |= report(path, played if path == main_xml else {"forked child of": proc.pid})
    return status


def report(xml, played):
    # This valgrind writes the leak records after its closing tag: read it all under one root.
    with open(xml, encoding="utf-8", errors="replace") as f:
        text = re.sub(r"<\?xml[^>]*\?>", "", f.read())
    root = ET.fromstring("<all>" + text + "</all>")
    totals = {}
    our_errors = []
    touching = []
    for error in root.iter("error"):
        kind = error.findtext("kind")
        frames = [f for stack in error.findall("stack")[:1] for f in stack.findall("frame")]
        caller = first_caller(frames)
        if caller is not None and ours(caller):
            where = "ours"       # our code made the bad access or the lost allocation
        elif any(ours(f) for f in frames):
            where = "through"    # inside a library, called from our code further out
        else:
            where = "elsewhere"  # no frame of ours but main
        totals[(kind, where)] = totals.get((kind, where), 0) + 1
        if where != "elsewhere":
            what = error.findtext("what") or error.findtext("xwhat/text")
            stack = [f"{f.findtext('fn')} ({os.path.basename(f.findtext('obj') or '')})" for f in frames[:16]]
            (our_errors if where == "ours" else touching).append({"kind": kind, "what": what, "stack": stack})
    for label, errors in (("OURS", our_errors), ("THROUGH-OURS", touching)):
        for e in errors:
            print(label, e["kind"], e["what"])
            for line in e["stack"]:
                print("    ", line)
    pids = re.findall(r"<pid>(\d+)</pid>", text)
    print("RESULT", {"report": xml, "pids": pids, "session": played,
                     "errors_by_kind": {f"{k}/{o}": n for (k, o), n in sorted(totals.items())},
                     "errors_in_our_code": len(our_errors), "errors_through_our_code": len(touching)})
    return 1 if our_errors else 0


if __name__ == "__main__":
    sys.exit(main())
