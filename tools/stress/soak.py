#!/usr/bin/env python3
# Soak: the real game played for a long while, its memory and descriptors
# sampled as it goes.
#
#   tools/stress/soak.py BUILD [--clicks 20000] [--sizes 1000] [--new-games 2000]
#                              [--minutes 30] [--out DIR]
#
# Starts BUILD/glimbles on a private Xvfb + openbox display with a temporary
# settings folder and plays it with xdotool as a player would: the window
# focused, clicks on random tiles of the board, Ctrl+N for new games, board
# sizes changed through Options > Set Size from the keyboard (each checked in
# the settings file), dialogs that come up at a game's end answered (Return,
# then Escape). VmRSS (/proc/PID/status) and open descriptors (/proc/PID/fd)
# are sampled every 200 clicks into DIR/soak-samples.csv; screenshots of
# the screen go to DIR/soak-*.png. Stops at the counts or after MINUTES,
# whichever comes first, and prints start, end and peak figures.
import argparse
import os
import random
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import stresslib as sl  # noqa: E402

# Board edge -> tile size in pixels (resources/BoardSizes.h).
SIZES = [(8, 40), (11, 40), (14, 33), (17, 27), (20, 23)]


def read_size(home):
    try:
        with open(home.ini, "rb") as f:
            return sl.parse_ini(f.read())[0].get("General", {}).get("Size")
    except FileNotFoundError:
        return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--clicks", type=int, default=20000)
    parser.add_argument("--sizes", type=int, default=1000)
    parser.add_argument("--new-games", type=int, default=2000)
    parser.add_argument("--minutes", type=float, default=30)
    parser.add_argument("--out", default=".")
    parser.add_argument("--seed", type=int, default=7)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    os.makedirs(args.out, exist_ok=True)
    home = sl.Home()
    home.store(b"[General]\nShowTips=1\nSoundOn=1\nSize=8\nNumber=4\n")
    desk = sl.Desktop(home)
    proc = sl.start_game(args.build, desk.env)
    origin = None
    counts = {"clicks": 0, "sizes": 0, "sizes_confirmed": 0, "new_games": 0, "dialogs_answered": 0}
    samples = []
    shots = []
    started = time.time()
    csv = open(os.path.join(args.out, "soak-samples.csv"), "w")
    csv.write("seconds,clicks,sizes,new_games,rss_kb,fds\n")

    def sample():
        row = (round(time.time() - started, 1), counts["clicks"], counts["sizes"], counts["new_games"],
               sl.rss_kb(proc.pid), sl.fd_count(proc.pid))
        samples.append(row)
        csv.write(",".join(map(str, row)) + "\n")
        csv.flush()

    try:
        window = desk.wait_window(proc.pid, proc=proc)
        if not window:
            raise SystemExit("the game showed no window")
        time.sleep(1)
        sample()
        edge, tile = SIZES[0]
        size_index = 0
        origin = None
        last_progress = time.time()
        while time.time() - started < args.minutes * 60 and proc.poll() is None:
            if counts["clicks"] >= args.clicks and counts["sizes"] >= args.sizes and \
                    counts["new_games"] >= args.new_games:
                break
            # Dialogs a game's end brought up: the name (Return keeps it), then anything else.
            for attempt in range(4):
                others = [w for w in desk.windows(proc.pid) if w != window]
                if not others:
                    break
                for w in others:
                    desk.focus(w)
                    desk.xdotool("key", "Return" if attempt == 0 else "Escape")
                    counts["dialogs_answered"] += 1
                time.sleep(0.2)
            desk.focus(window)
            if origin is None:
                # The board sits under the menu bar, inside a thin frame.
                shot = os.path.join(args.out, "soak-start.png")
                origin = sl.board_origin(desk, window, shot) or (2, 21)
                shots.append(shot)
                sl.log("board origin in the window:", origin)
            for _ in range(2):  # two halves of 10 clicks, each maybe followed by a new game
                if counts["clicks"] < args.clicks:
                    batch = []
                    for _ in range(10):
                        x = rng.randrange(edge) * tile + tile // 2 + origin[0]
                        y = rng.randrange(edge) * tile + tile // 2 + origin[1]
                        batch += ["mousemove", "--window", str(window), str(x), str(y), "click", "1"]
                    desk.xdotool(*batch)
                    counts["clicks"] += 10
                    if counts["clicks"] in (1000, 4000, 12000):  # a board just played, before any new game
                        time.sleep(0.3)
                        shot = os.path.join(args.out, f"soak-{counts['clicks']}.png")
                        desk.screenshot(shot)
                        shots.append(shot)
                if counts["new_games"] < args.new_games and counts["new_games"] * args.clicks <= \
                        counts["clicks"] * args.new_games:
                    desk.xdotool("key", "ctrl+n")
                    counts["new_games"] += 1
            if counts["sizes"] < args.sizes and counts["sizes"] * args.clicks <= counts["clicks"] * args.sizes:
                target = (size_index + rng.randrange(1, len(SIZES))) % len(SIZES)
                desk.xdotool("key", "--delay", "40", "alt", "Right", "Down", "Right",
                             *(["Down"] * target), "Return")
                counts["sizes"] += 1
                deadline = time.time() + 3
                while time.time() < deadline and read_size(home) != str(SIZES[target][0]):
                    time.sleep(0.03)
                if read_size(home) == str(SIZES[target][0]):
                    counts["sizes_confirmed"] += 1
                    size_index = target
                else:
                    # Whatever the file says is the board now.
                    found = read_size(home)
                    for i, (n, _) in enumerate(SIZES):
                        if str(n) == found:
                            size_index = i
                    desk.xdotool("key", "Escape", "Escape")
                edge, tile = SIZES[size_index]
            if counts["clicks"] % 200 == 0:
                sample()
            if time.time() - last_progress > 60:
                sl.log("soak:", counts, "rss", samples[-1][4], "fds", samples[-1][5])
                last_progress = time.time()
        sample()
        shot = os.path.join(args.out, "soak-end.png")
        desk.screenshot(shot)
        shots.append(shot)
        alive = proc.poll() is None
        status = sl.stop(proc)
    finally:
        sl.stop(proc)
        desk.close()
        home.close()
        csv.close()
    rss = [s[4] for s in samples if s[4] is not None]
    fds = [s[5] for s in samples if s[5] is not None]
    summary = {
        **counts,
        "minutes": round((time.time() - started) / 60, 1),
        "alive_at_end": alive,
        "status_after_terminate": sl.describe_status(status),
        "samples": len(samples),
        "rss_kb_start": rss[0] if rss else None, "rss_kb_end": rss[-1] if rss else None,
        "rss_kb_peak": max(rss) if rss else None, "rss_kb_min": min(rss) if rss else None,
        "fds_start": fds[0] if fds else None, "fds_end": fds[-1] if fds else None,
        "fds_peak": max(fds) if fds else None,
        "board_origin": origin,
        "screenshots": shots,
    }
    print("RESULT", summary)
    return 0 if alive else 1


if __name__ == "__main__":
    sys.exit(main())
