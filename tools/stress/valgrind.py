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
# goes to DIR/valgrind.xml; the script prints every error and definite or
# possible leak whose stack has a frame in our code (the glimbles binary or
# its sound module, or a function of our classes and namespaces), and the
# totals of the rest (Qt's, the system's libraries').
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


def ours(frame):
    obj = frame.findtext("obj") or ""
    fn = frame.findtext("fn") or ""
    name = os.path.basename(obj)
    return name == "glimbles" or name.startswith("libglimbles") or bool(OUR_FN.match(fn))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--out", default=".")
    parser.add_argument("--clicks", type=int, default=12)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    xml = os.path.abspath(os.path.join(args.out, "valgrind.xml"))
    home = sl.Home()
    home.store(b"[General]\nShowTips=1\nSoundOn=1\nSize=8\nNumber=4\n")
    desk = sl.Desktop(home)
    vg = ["valgrind", "--tool=memcheck", "--leak-check=full", "--show-leak-kinds=definite,possible",
          "--num-callers=40", "--xml=yes", f"--xml-file={xml}", "--track-origins=yes"]
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
    tree = ET.parse(xml)
    totals = {}
    our_errors = []
    for error in tree.getroot().iter("error"):
        kind = error.findtext("kind")
        frames = [f for stack in error.findall("stack")[:1] for f in stack.findall("frame")]
        is_ours = any(ours(f) for f in frames)
        key = (kind, "ours" if is_ours else "elsewhere")
        totals[key] = totals.get(key, 0) + 1
        if is_ours:
            what = error.findtext("what") or error.findtext("xwhat/text")
            stack = [f"{f.findtext('fn')} ({os.path.basename(f.findtext('obj') or '')})" for f in frames[:14]]
            our_errors.append({"kind": kind, "what": what, "stack": stack})
    for e in our_errors:
        print("OURS", e["kind"], e["what"])
        for line in e["stack"]:
            print("    ", line)
    print("RESULT", {"session": played, "errors_by_kind": {f"{k}/{o}": n for (k, o), n in sorted(totals.items())},
                     "errors_in_our_code": len(our_errors)})
    return 1 if our_errors else 0


if __name__ == "__main__":
    sys.exit(main())
