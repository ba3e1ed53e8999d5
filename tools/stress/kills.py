#!/usr/bin/env python3
# Kills during settings saves: SIGKILL at random moments while the settings
# file is being saved, then checks the file.
#
#   tools/stress/kills.py BUILD [--helper N] [--game N] [--game-padding P] [--seed S]
#
# --helper N: N runs of BUILD/settings_store_helper serve, each writing one
#   save after another (every save sets A, B (in [General]) and 60 padding
#   keys to one new value) until it is killed 0-400 ms after its start.
# --game N: N runs of the real BUILD/glimbles on a private Xvfb + openbox
#   display, driven through its Options menu with xdotool keys (size, tiles,
#   sound: each change is one save), killed 0.2-2.5 s after its window shows.
# After every kill the file must read whole (only "[group]", "key=value" and
# blank lines, a newline at the end, no key twice), every key of one save
# must hold the same save's value, no older than the last save acknowledged,
# and the game's values must be valid (with --game-padding P the game's file
# also holds P extra sections, which make each save slower so more kills land
# inside one, and which must all come through unchanged). Temporary files "Glimbles.ini.save-*"
# left by a kill may stay while younger than 10 s; one that a later save
# found 10 s old must be gone. At the end, after 11 s, one more start must
# leave none. Everything runs in a temporary home (XDG_CONFIG_HOME there).
import argparse
import os
import random
import select
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import stresslib as sl  # noqa: E402

PADDING = 60


def save_line(value):
    text = f"{value}-" + "x" * 40
    hexed = text.encode().hex()
    keys = ["A", "B"] + [f"pad/p{i}" for i in range(PADDING)]
    return "W " + " ".join(f"{k} {hexed}" for k in keys) + "\n", text


def check_temporaries(home, saved_at, report):
    """Temporaries that a save completed at `saved_at` should have removed."""
    bad = []
    for name in home.temporaries():
        try:
            mtime = os.lstat(os.path.join(home.folder, name)).st_mtime
        except FileNotFoundError:
            continue
        if saved_at is not None and saved_at - mtime >= sl.STALE_AGE + 1.5:
            bad.append((name, round(saved_at - mtime, 1)))
    if bad:
        report["stale_kept"] += len(bad)
        report["examples"].append(f"stale temporaries kept after a later save: {bad[:3]}")


def helper_kills(build, runs, rng):
    home = sl.Home()
    env = home.env()
    helper = sl.helper_path(build)
    report = {"runs": runs, "killed": 0, "killed_while_waiting_for_ack": 0, "acked_saves": 0,
              "torn": 0, "mixed_values": 0, "stale_value": 0, "stale_kept": 0, "max_temporaries": 0,
              "slow_saves_over_2s": 0, "helper_failed": 0, "empty_lock_left": 0, "killed_inside_a_save": 0,
              "runs_over_0.2s_with_no_save_answered": 0, "examples": []}
    last_acked = 0  # the value of the last save answered "ok"
    value = 0
    for run in range(runs):
        proc = subprocess.Popen([helper, "serve", home.ini], env=env, stdin=subprocess.PIPE,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, bufsize=0)
        started = time.time()
        deadline = started + rng.uniform(0.0, 0.4)
        run_acks = 0
        pending = None
        last_save_done = None
        buf = b""
        waiting_since = None
        while time.time() < deadline and proc.poll() is None:
            if pending is None:
                value += 1
                line, _ = save_line(value)
                try:
                    proc.stdin.write(line.encode())
                except BrokenPipeError:
                    break
                pending = value
                waiting_since = time.time()
            ready, _, _ = select.select([proc.stdout], [], [], max(0.0, deadline - time.time()))
            if ready:
                chunk = os.read(proc.stdout.fileno(), 4096)
                if not chunk:
                    break
                buf += chunk
                while b"\n" in buf:
                    answer, buf = buf.split(b"\n", 1)
                    if answer == b"ok":
                        if time.time() - waiting_since > 2:
                            report["slow_saves_over_2s"] += 1
                        last_acked = pending
                        last_save_done = time.time()
                        report["acked_saves"] += 1
                        run_acks += 1
                        pending = None
        if proc.poll() is None:
            proc.kill()
            report["killed"] += 1
            if pending is not None:
                report["killed_while_waiting_for_ack"] += 1
        else:
            report["helper_failed"] += 1
        proc.wait()
        proc.stdin.close()
        proc.stdout.close()
        report["max_temporaries"] = max(report["max_temporaries"], len(home.temporaries()))
        check_temporaries(home, last_save_done, report)
        state = lock_state(home)
        if state == "empty":
            report["empty_lock_left"] += 1
        elif state == "with contents":  # killed while holding the lock: inside a save
            report["killed_inside_a_save"] += 1
        if run_acks == 0 and time.time() - started > 0.2:
            report["runs_over_0.2s_with_no_save_answered"] += 1
        if not os.path.exists(home.ini):
            continue
        with open(home.ini, "rb") as f:
            data = f.read()
        sections, problems = sl.parse_ini(data)
        if problems:
            report["torn"] += 1
            report["examples"].append(f"run {run}: {problems[:3]}")
            continue
        values = [sections.get("General", {}).get(k) for k in ("A", "B")]
        values += [sections.get("pad", {}).get(f"p{i}") for i in range(PADDING)]
        if len(set(values)) != 1 or values[0] is None:
            report["mixed_values"] += 1
            report["examples"].append(f"run {run}: keys of one save differ: {sorted(set(map(str, values)))[:4]}")
            continue
        got = int(values[0].split("-")[0])
        if got < last_acked or got > value:
            report["stale_value"] += 1
            report["examples"].append(f"run {run}: value {got}, last acknowledged {last_acked}, last sent {value}")
        last_acked = max(last_acked, got)
        if (run + 1) % 200 == 0:
            sl.log(f"helper kills: {run + 1}/{runs}")
    # The end: old enough, one more start leaves no temporary; when a lock
    # file blocked that, once more after 31 s (QLockFile's 30 s stale age).
    before = home.temporaries()
    report["lock_at_end"] = lock_state(home)
    time.sleep(sl.STALE_AGE + 1)
    subprocess.run([helper, "serve", home.ini], env=env, input=b"R A\n", stdout=subprocess.PIPE, timeout=30)
    report["temporaries_before_final_start"] = len(before)
    report["temporaries_after_final_start"] = len(home.temporaries())
    if home.temporaries():
        time.sleep(20)
        subprocess.run([helper, "serve", home.ini], env=env, input=b"R A\n", stdout=subprocess.PIPE, timeout=30)
        report["temporaries_after_start_31s_later"] = len(home.temporaries())
    report["file_bytes"] = os.path.getsize(home.ini) if os.path.exists(home.ini) else None
    report["folder_entries"] = sorted(os.listdir(home.folder))
    home.close()
    return report


def lock_state(home):
    try:
        return "empty" if os.path.getsize(home.ini + ".lock") == 0 else "with contents"
    except FileNotFoundError:
        return "absent"


SIZE_KEYS = {8: 0, 11: 1, 14: 2, 17: 3, 20: 4}


def menu_keys(rng):
    """One Options menu change from the keyboard, as a list of xdotool keys."""
    kind = rng.choice(["size", "size", "tiles", "sound"])
    if kind == "size":
        return ["alt", "Right", "Down", "Right"] + ["Down"] * rng.randrange(5) + ["Return"]
    if kind == "tiles":
        return ["alt", "Right", "Down", "Down", "Down", "Right"] + ["Down"] * rng.randrange(2) + ["Return"]
    return ["alt", "Right", "Down", "Down", "Down", "Down", "Return"]


def check_game_file(data, report, run):
    sections, problems = sl.parse_ini(data)
    if problems:
        report["torn"] += 1
        report["examples"].append(f"game run {run}: {problems[:3]}")
        return None
    general = sections.get("General", {})
    wrong = []
    size = general.get("Size")
    if size is not None and int(size) not in SIZE_KEYS:
        wrong.append(f"Size={size}")
    number = general.get("Number")
    if size is not None and number is not None:
        n, c = int(size), int(number)
        if not (n // 2 <= c <= n):
            wrong.append(f"Number={number} for Size={size}")
    for key in ("Skin", "SoundOn"):
        if general.get(key) not in (None, "0", "1"):
            wrong.append(f"{key}={general.get(key)}")
    if general.get("ShowTips") != "1":
        wrong.append(f"ShowTips={general.get('ShowTips')}")
    if wrong:
        report["invalid_values"] += 1
        report["examples"].append(f"game run {run}: {wrong}")
    return general


def padding_sections(count):
    return b"".join(b"[pad%d]\nRez=%d\nName=n%d\n" % (i, i, i) for i in range(count))


def game_kills(build, runs, rng, padding=0):
    home = sl.Home()
    desk = sl.Desktop(home)
    # Padding sections make every save slower, so more kills land inside one.
    home.store(b"[General]\nShowTips=1\nSoundOn=1\n" + padding_sections(padding))
    report = {"runs": runs, "killed": 0, "window_never_showed": 0, "runs_that_changed_file": 0,
              "saves_seen": 0, "torn": 0, "invalid_values": 0, "max_temporaries": 0,
              "exited_before_kill": 0, "empty_lock_left": 0, "killed_inside_a_save": 0,
              "padding_sections": padding,
              "padding_damaged": 0, "examples": []}
    try:
        for run in range(runs):
            with open(home.ini, "rb") as f:
                before = f.read()
            st_before = os.stat(home.ini)
            proc = sl.start_game(build, desk.env, stderr=subprocess.DEVNULL)
            window = desk.wait_window(proc.pid, proc=proc)
            if not window:
                report["window_never_showed"] += 1
                sl.stop(proc)
                continue
            desk.focus(window)
            kill_at = time.time() + rng.uniform(0.2, 2.5)
            keys = []
            while len(keys) < 120:
                keys += menu_keys(rng)
            # The keys go in the background; the kill lands wherever they are.
            typer = subprocess.Popen(["xdotool", "key", "--delay", "25", *keys], env=desk.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(max(0.0, kill_at - time.time()))
            if proc.poll() is None:
                proc.kill()
                report["killed"] += 1
            else:
                report["exited_before_kill"] += 1
                report["examples"].append(f"game run {run}: ended by itself, {sl.describe_status(proc.returncode)}")
            proc.wait()
            typer.kill()
            typer.wait()
            report["max_temporaries"] = max(report["max_temporaries"], len(home.temporaries()))
            state = lock_state(home)
            if state == "empty":
                report["empty_lock_left"] += 1
            elif state == "with contents":  # killed while holding the lock: inside a save
                report["killed_inside_a_save"] += 1
            with open(home.ini, "rb") as f:
                after = f.read()
            if after != before or os.stat(home.ini).st_ino != st_before.st_ino:
                report["runs_that_changed_file"] += 1
            sections = check_game_file(after, report, run)
            if padding and sections is not None:
                sections_all = sl.parse_ini(after)[0]
                lost = [i for i in range(padding)
                        if sections_all.get(f"pad{i}") != {"Rez": str(i), "Name": f"n{i}"}]
                if lost:
                    report["padding_damaged"] += 1
                    report["examples"].append(f"game run {run}: {len(lost)} padding sections changed")
            if (run + 1) % 25 == 0:
                sl.log(f"game kills: {run + 1}/{runs}")
        before = home.temporaries()
        report["lock_at_end"] = lock_state(home)
        time.sleep(sl.STALE_AGE + 1)
        proc = sl.start_game(build, desk.env, stderr=subprocess.DEVNULL)
        desk.wait_window(proc.pid, proc=proc)
        after_start = home.temporaries()
        sl.stop(proc)
        report["temporaries_before_final_start"] = len(before)
        report["temporaries_after_final_start"] = len(after_start)
        report["folder_entries"] = sorted(os.listdir(home.folder))
    finally:
        desk.close()
        home.close()
    return report


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("--helper", type=int, default=1000)
    parser.add_argument("--game", type=int, default=200)
    parser.add_argument("--game-padding", type=int, default=0,
                        help="extra sections in the game's file, making each save slower")
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    results = {}
    if args.helper:
        results["helper"] = helper_kills(args.build, args.helper, rng)
        sl.log("helper kills:", results["helper"])
    if args.game:
        results["game"] = game_kills(args.build, args.game, rng, args.game_padding)
        sl.log("game kills:", results["game"])
    failed = any(r.get("torn") or r.get("mixed_values") or r.get("stale_value") or r.get("invalid_values")
                 or r.get("stale_kept") or r.get("temporaries_after_final_start")
                 or r.get("empty_lock_left") or r.get("padding_damaged") for r in results.values())
    print("RESULT", "FAIL" if failed else "PASS", results)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
