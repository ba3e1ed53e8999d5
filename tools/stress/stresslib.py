# Shared pieces of the stress rig in tools/stress/ (not a script of its own).
#
# A private X display (Xvfb with openbox), the real game started on it or on
# Qt's offscreen platform with a temporary settings folder, xdotool helpers,
# and a strict reader of the settings file that says what looks torn.
# Every script here imports it; see each script's top for how to run it.

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

CAPTION = "Glimbles - Glimbles"


def _terminated(signum, frame):
    raise SystemExit(f"stopped by signal {signum}")


# A script stopped with SIGTERM still ends its game, display and temporary home.
signal.signal(signal.SIGTERM, _terminated)
TEMP_RE = re.compile(r"^Glimbles\.ini\.save-[A-Za-z0-9]{6}$")
STALE_AGE = 10  # seconds, the store's rule for leftover temporaries


def log(*parts):
    print(time.strftime("%H:%M:%S"), *parts, flush=True)


def game_path(build):
    path = os.path.join(os.path.abspath(build), "glimbles")
    if not os.access(path, os.X_OK):
        raise SystemExit(f"no game at {path}: build the target glimbles first")
    return path


def helper_path(build):
    for sub in ("tests/platform", "."):
        path = os.path.join(os.path.abspath(build), sub, "settings_store_helper")
        if os.access(path, os.X_OK):
            return path
    raise SystemExit(f"no settings_store_helper in {build}: build that target first")


class Home:
    """A temporary home with its own settings folder; removed on close."""

    def __init__(self, prefix="glimbles-stress-"):
        self.path = tempfile.mkdtemp(prefix=prefix)
        self.runtime = os.path.join(self.path, "runtime")
        os.mkdir(self.runtime, 0o700)
        self.config = os.path.join(self.path, "config")
        self.folder = os.path.join(self.config, "Pellix")
        self.ini = os.path.join(self.folder, "Glimbles.ini")

    def env(self, display=None):
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.path,
            "XDG_CONFIG_HOME": self.config,
            "XDG_RUNTIME_DIR": self.runtime,
            "PULSE_SERVER": "unix:" + os.path.join(self.path, "no-sound-server"),
            "LANG": "C.UTF-8",
        }
        if display:
            env["DISPLAY"] = display
            env["QT_QPA_PLATFORM"] = "xcb"
        else:
            env["QT_QPA_PLATFORM"] = "offscreen"
        return env

    def store(self, data):
        os.makedirs(self.folder, mode=0o700, exist_ok=True)
        with open(self.ini, "wb") as f:
            f.write(data)

    def temporaries(self):
        if not os.path.isdir(self.folder):
            return []
        return sorted(n for n in os.listdir(self.folder) if TEMP_RE.match(n))

    def close(self):
        shutil.rmtree(self.path, ignore_errors=True)


class Desktop:
    """Xvfb on a free display number, with openbox managing it."""

    def __init__(self, home, size="1280x1024x24"):
        self.home = home
        r, w = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(w), "-screen", "0", size, "-nolisten", "tcp"],
            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        number = b""
        deadline = time.time() + 15
        while not number.endswith(b"\n") and time.time() < deadline:
            chunk = os.read(r, 16)
            if not chunk:
                break
            number += chunk
        os.close(r)
        if not number.strip():
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()
        self.env = home.env(self.display)
        for attempt in range(2):  # a loaded machine may need a second try
            self.wm = subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            for _ in range(200):
                out = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
                if "window id" in out:
                    return
                time.sleep(0.1)
            self.wm.kill()
            self.wm.wait()
        self.close()
        raise RuntimeError("openbox did not start")

    def run(self, args, check=True, timeout=20):
        p = subprocess.run(args, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                           timeout=timeout)
        if check and p.returncode != 0:
            raise RuntimeError(f"{args[0]} failed: {p.returncode}")
        return p.stdout.decode(errors="replace")

    def xdotool(self, *args, check=False):
        try:
            p = subprocess.run(["xdotool", *map(str, args)], env=self.env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, timeout=30)
        except subprocess.TimeoutExpired:
            return None
        if p.returncode != 0:
            if check:
                raise RuntimeError(f"xdotool {args[:3]} failed")
            return None
        return p.stdout.decode(errors="replace")

    def windows(self, pid, name="."):
        out = self.xdotool("search", "--all", "--onlyvisible", "--pid", pid, "--name", name)
        return [int(w) for w in out.split()] if out else []

    def wait_window(self, pid, title=CAPTION, seconds=20, proc=None):
        deadline = time.time() + seconds
        while time.time() < deadline:
            found = self.windows(pid, "^" + re.escape(title) + "$")
            if found:
                return found[0]
            if proc is not None and proc.poll() is not None:
                return 0
            time.sleep(0.1)
        return 0

    def geometry(self, window):
        out = self.xdotool("getwindowgeometry", window) or ""
        m = re.search(r"Position: (-?\d+),(-?\d+).*Geometry: (\d+)x(\d+)", out, re.S)
        return tuple(map(int, m.groups())) if m else None

    def focus(self, window):
        self.xdotool("windowactivate", "--sync", window)

    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, timeout=30,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def close(self):
        for p in (self.wm, self.xvfb):
            p.terminate()
            try:
                p.wait(3)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()


def start_game(build, env, extra=None, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE):
    args = (extra or []) + [game_path(build)]
    return subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=stdout, stderr=stderr)


def stop(proc, seconds=5):
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(seconds)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
    return proc.returncode


def describe_status(rc):
    if rc is None:
        return "running"
    if rc < 0:
        return "signal " + signal.Signals(-rc).name
    return f"exit {rc}"


# The settings file as the game writes it: "[group]" lines, "key=value"
# lines, blank lines; every line ends with a newline.
LINE_RE = re.compile(rb"^(\[[^\]\n]+\]|[^=\n\[][^=\n]*=[^\n]*|)$")


def parse_ini(data):
    """(sections, problems): sections maps group -> {key: value}; problems
    lists what a torn or mangled file would show."""
    problems = []
    sections = {}
    if data and not data.endswith(b"\n"):
        problems.append("no newline at the end")
    if b"\0" in data:
        problems.append("NUL byte")
    group = None
    for number, line in enumerate(data.split(b"\n")[:-1] if data.endswith(b"\n") else data.split(b"\n"), 1):
        if not LINE_RE.match(line):
            problems.append(f"line {number} malformed: {line[:60]!r}")
            continue
        if line.startswith(b"["):
            group = line[1:-1].decode(errors="replace")
            if group in sections:
                problems.append(f"section {group} twice")
            sections.setdefault(group, {})
        elif line:
            if group is None:
                problems.append(f"line {number} outside any section")
                continue
            key, _, value = line.partition(b"=")
            key = key.decode(errors="replace")
            if key in sections[group]:
                problems.append(f"key {group}/{key} twice")
            sections[group][key] = value.decode(errors="replace")
    return sections, problems


def rss_kb(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        return None
    return None


def fd_count(pid):
    try:
        return len(os.listdir(f"/proc/{pid}/fd"))
    except OSError:
        return None


def board_origin(desk, window, shot):
    """Where the board's top-left tile starts inside the window (client
    coordinates, as `xdotool mousemove --window` takes them): found in a
    screenshot as the first green pixel below and right of the window's
    corner. (2, 21) on this Xvfb + openbox with the default font."""
    info = desk.run(["xwininfo", "-id", str(window)])
    ax = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
    ay = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
    desk.screenshot(shot)

    def first_green(crop):
        out = subprocess.run(["convert", shot, "-crop", crop, "txt:-"], capture_output=True, text=True).stdout
        for line in out.splitlines()[1:]:
            m = re.match(r"(\d+),(\d+):\s*\((\d+),(\d+),(\d+)", line)
            if m:
                x, y, r, g, b = map(int, m.groups())
                if g > r + 40 and g > b + 40:
                    return x, y
        return None
    down = first_green(f"1x120+{ax + 20}+{ay}")
    across = first_green(f"40x1+{ax}+{ay + 60}")
    if not down or not across:
        return None
    return across[0], down[1]
