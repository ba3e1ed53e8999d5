#!/usr/bin/env python3
# Several running copies on one settings file: counts the changes lost.
#
#   tools/stress/concurrency.py BUILD [--count N] [--rounds R] [--game-changes G]
#                               [--padding P] [--only-extra]
#
# 1. burst: 2, then 3 copies of BUILD/settings_store_helper burst run at once
#    on one file, each writing its own N keys one save at a time (values =
#    index); R rounds of each, each round on a fresh file. Lost = a key
#    missing or with another value at the end.
# 2. serve: 2, then 3 copies of settings_store_helper serve, fed one save a
#    line in turn as fast as each answers, every save setting two keys of that
#    copy to one value. Lost = any key missing or with an older value at the
#    end; torn = the two keys of one save differ. Each save's time is kept
#    (a save that waited 10 s for the lock is dropped). With --padding P,
#    once more with 3 copies on a file holding P extra sections.
# 3. game: the real BUILD/glimbles on a private Xvfb + openbox display
#    changes its board size G times through the Options menu (xdotool keys)
#    while two helpers write bursts of 100 keys, one burst after another,
#    into the same file for as long as the game plays. A size change that
#    has not reached the file 25 s after its keys is lost (a save waits at
#    most 10 s for the lock); the time each took is kept. No helper key may
#    be lost. The window's width tells whether the game took the change.
# The file must read whole after each round. Runs in a temporary home.
import argparse
import os
import random
import select
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import stresslib as sl  # noqa: E402


def read_sections(home, report, label):
    with open(home.ini, "rb") as f:
        sections, problems = sl.parse_ini(f.read())
    if problems:
        report["torn_files"] += 1
        report["examples"].append(f"{label}: {problems[:3]}")
    return sections


def count_lost(report, group, indices, label):
    """Counts the changes k<i> = i of `group`, and those the file lost."""
    for i in indices:
        report["changes"] += 1
        if group.get(f"k{i}") != str(i):
            report["lost"] += 1
            if len(report["examples"]) < 10:
                report["examples"].append(f"{label}/k{i} = {group.get(f'k{i}')}")


def burst(build, copies, count, rounds, report):
    helper = sl.helper_path(build)
    for r in range(rounds):
        home = sl.Home()
        env = home.env()
        procs = [subprocess.Popen([helper, "burst", home.ini, f"c{c}", str(count)], env=env,
                                  stderr=subprocess.PIPE) for c in range(copies)]
        for p in procs:
            p.wait(timeout=600)
            if p.returncode != 0:
                report["helper_failed"] += 1
        sections = read_sections(home, report, f"burst x{copies} round {r}")
        for c in range(copies):
            count_lost(report, sections.get(f"c{c}", {}), range(count), f"burst x{copies} round {r}: c{c}")
        report["temporaries_left"] += len(home.temporaries())
        home.close()


def serve(build, copies, count, rounds, report, padding=0):
    helper = sl.helper_path(build)
    latencies = []
    for r in range(rounds):
        home = sl.Home()
        env = home.env()
        if padding:  # a bigger file: each save holds the lock longer
            home.store(b"[General]\nShowTips=1\n" +
                       b"".join(b"[pad%d]\nRez=%d\n" % (i, i) for i in range(padding)))
        procs = [subprocess.Popen([helper, "serve", home.ini], env=env, stdin=subprocess.PIPE,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, bufsize=0)
                 for _ in range(copies)]
        sent = [0] * copies
        since = [0.0] * copies
        busy = [False] * copies
        acked = [0] * copies
        deadline = time.time() + 600
        while min(acked) < count and time.time() < deadline:
            for c, p in enumerate(procs):
                if not busy[c] and sent[c] < count:
                    sent[c] += 1
                    v = f"{sent[c]}".encode().hex()
                    p.stdin.write(f"W s{c}/a {v} s{c}/b {v} s{c}/k{sent[c]} {v}\n".encode())
                    since[c] = time.time()
                    busy[c] = True
            ready, _, _ = select.select([p.stdout for p in procs], [], [], 1.0)
            for c, p in enumerate(procs):
                if p.stdout in ready:
                    line = p.stdout.readline()
                    if line.strip() == b"ok":
                        latencies.append(time.time() - since[c])
                        acked[c] += 1
                        busy[c] = False
        for p in procs:
            p.stdin.close()
            p.wait(timeout=30)
        sections = read_sections(home, report, f"serve x{copies} round {r}")
        for c in range(copies):
            group = sections.get(f"s{c}", {})
            if group.get("a") != group.get("b"):
                report["torn_saves"] += 1
            if group.get("a") != str(count):
                report["examples"].append(f"serve x{copies} round {r}: s{c}/a = {group.get('a')}, want {count}")
                report["lost"] += 1
            count_lost(report, group, range(1, count + 1), f"serve x{copies} round {r}: s{c}")
        report["temporaries_left"] += len(home.temporaries())
        home.close()
    latencies.sort()
    report["save_seconds"] = {"median": round(latencies[len(latencies) // 2], 3), "max": round(latencies[-1], 2),
                              "over_9.5s": sum(1 for x in latencies if x > 9.5)}


SIZES = [8, 11, 14, 17, 20]
WIDTHS = [320, 440, 462, 459, 460]  # the boards' pixels across (resources/BoardSizes.h)


def game(build, changes, count, report):
    helper = sl.helper_path(build)
    home = sl.Home()
    desk = sl.Desktop(home)
    home.store(b"[General]\nShowTips=1\nSoundOn=1\nSize=8\nNumber=8\n")
    proc = sl.start_game(build, desk.env, stderr=subprocess.DEVNULL)
    try:
        window = desk.wait_window(proc.pid, proc=proc)
        if not window:
            report["examples"].append("game: no window")
            return
        # Two helpers write bursts of 100 keys, one after another, for as long as the game plays.
        stop_flag = threading.Event()
        rounds = [0, 0]

        def bursting(c):
            while not stop_flag.is_set():
                subprocess.run([helper, "burst", home.ini, f"h{c}_{rounds[c]}", "100"], env=desk.env,
                               stderr=subprocess.DEVNULL, timeout=600)
                rounds[c] += 1
        bursts = [threading.Thread(target=bursting, args=(c,)) for c in range(2)]
        for b in bursts:
            b.start()
        current = 0
        latencies = []
        for step in range(changes):
            target = (current + 1 + step % 4) % len(SIZES)
            desk.focus(window)
            keys = ["alt", "Right", "Down", "Right"] + ["Down"] * target + ["Return"]
            sent = time.time()
            desk.xdotool("key", "--delay", "60", *keys)
            report["game_changes"] += 1
            # A save may wait up to 10 s for the lock, then is dropped: 25 s tells late from lost.
            seen = None
            deadline = sent + 25
            while time.time() < deadline:
                try:
                    with open(home.ini, "rb") as f:
                        general = sl.parse_ini(f.read())[0].get("General", {})
                except FileNotFoundError:
                    general = {}
                seen = general.get("Size")
                if seen == str(SIZES[target]):
                    break
                time.sleep(0.05)
            # The window takes the new board's width whether or not the save got through.
            geometry = desk.geometry(window)
            if geometry and geometry[2] == WIDTHS[target] + 4:
                report["game_changes_applied_on_screen"] += 1
            if seen == str(SIZES[target]):
                latencies.append(time.time() - sent)
                current = target
            else:
                report["game_lost"] += 1
                report["examples"].append(f"game change {step}: wanted Size={SIZES[target]}, "
                                          f"file still has {seen} after 25 s")
                for i, (n) in enumerate(SIZES):
                    if str(n) == seen:
                        current = i
        if latencies:
            latencies.sort()
            report["game_save_seconds"] = {"median": round(latencies[len(latencies) // 2], 2),
                                           "max": round(latencies[-1], 2),
                                           "over_5s": sum(1 for x in latencies if x > 5)}
        stop_flag.set()
        for b in bursts:
            b.join()
        report["helper_bursts"] = list(rounds)
        sections = read_sections(home, report, "game+helpers")
        for c in range(2):
            for r in range(rounds[c]):
                group = sections.get(f"h{c}_{r}", {})
                for i in range(100):
                    report["changes"] += 1
                    if group.get(f"k{i}") != str(i):
                        report["lost"] += 1
        report["final_general"] = sections.get("General", {})
    finally:
        sl.stop(proc)
        desk.close()
        home.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--count", type=int, default=200)
    parser.add_argument("--rounds", type=int, default=2)
    parser.add_argument("--game-changes", type=int, default=60)
    parser.add_argument("--padding", type=int, default=0,
                        help="also serve x3 on a file with this many extra sections (slower saves)")
    parser.add_argument("--only-extra", action="store_true", help="skip the plain burst and serve rounds")
    args = parser.parse_args()
    random.seed(1)
    results = {}
    for mode, fn in () if args.only_extra else (("burst", burst), ("serve", serve)):
        for copies in (2, 3):
            rep = {"copies": copies, "changes": 0, "lost": 0, "torn_files": 0, "torn_saves": 0,
                   "helper_failed": 0, "temporaries_left": 0, "examples": []}
            started = time.time()
            fn(args.build, copies, args.count, args.rounds, rep)
            rep["seconds"] = round(time.time() - started, 1)
            results[f"{mode}x{copies}"] = rep
            sl.log(f"{mode} x{copies}:", rep)
    if args.padding:
        rep = {"copies": 3, "padding_sections": args.padding, "changes": 0, "lost": 0, "torn_files": 0,
               "torn_saves": 0, "helper_failed": 0, "temporaries_left": 0, "examples": []}
        serve(args.build, 3, args.count, 1, rep, args.padding)
        results["serve x3 padded"] = rep
        sl.log("serve x3 padded:", rep)
    if args.game_changes:
        rep = {"changes": 0, "lost": 0, "torn_files": 0, "game_changes": 0, "game_changes_applied_on_screen": 0,
               "game_lost": 0, "examples": []}
        game(args.build, args.game_changes, args.count, rep)
        results["game+2helpers"] = rep
        sl.log("game + 2 helpers:", rep)
    failed = any(r.get("lost") or r.get("torn_files") or r.get("torn_saves") or r.get("game_lost")
                 for r in results.values())
    print("RESULT", "FAIL" if failed else "PASS", results)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
