#!/usr/bin/env bash
# Measures the game's start-up on a private Xvfb display, from outside the program: the time from
# exec to the first frame on the screen and the resident memory at that moment, each the median of
# several runs (RUNS, default 7, after one warm-up run that is not counted), then the X resources
# the program holds before and after a long drag. Usage: tools/startup.sh [program]; the program
# defaults to the one of the preset game's build and runs from the repository root, where its
# images are.
#
# The first frame is seen by reading one pixel of the screen through the X server every half
# millisecond until the light colour of the board's top-left square appears there: the figure is
# exact to about a millisecond. No window manager runs, so the window opens exactly at (50, 50).
# shellcheck source=tools/lib.sh
source "$(dirname "$0")/lib.sh"
# shellcheck source=tools/facts.sh
source tools/facts.sh
# shellcheck source=tools/xserver.sh
source tools/xserver.sh
# A black root window: the server does not paint its default pattern under the window that opens,
# work that would otherwise count in the time to the first frame.
xserver_options=(-br)

program=${1:-$(preset_dir game)/app/qt/kordavelmix}
runs=${RUNS:-7}
if [[ ! -x $program ]]; then
  echo "no program at $program; build it first" >&2
  exit 1
fi
for tool in Xvfb xdotool xrestop python3; do
  command -v "$tool" >/dev/null || {
    echo "$tool is missing (Debian packages: xvfb xdotool xrestop python3)" >&2
    exit 1
  }
done

# A desktop session has a private runtime directory; without one Qt says so on stderr at start.
if [[ -z ${XDG_RUNTIME_DIR:-} ]]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
fi

with_xserver 1280x1024 python3 - "$program" "$runs" "$(colour_rgb White)" "$(colour_rgb Dark)" \
  <<'PYTHON'
import ctypes
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

program, runs = sys.argv[1], int(sys.argv[2])
# The colours of the squares (opaque RGB), as the game draws them.
LIGHT, DARK = (int("".join(f"{int(c):02X}" for c in arg.split()), 16) for arg in sys.argv[3:5])
START_GOAL_MS = 55
RSS_GOAL_MB = 45
# Where the window opens and its outer height.
WINDOW_X, WINDOW_Y, WINDOW_HEIGHT = 50, 50, 500
# A point below any menu bar on the top-left square, which is light and never holds a piece.
PROBE = (WINDOW_X + 10, WINDOW_Y + 45)
TIMEOUT_S = 20

x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGetImage.restype = ctypes.c_void_p
x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                          ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
x11.XGetPixel.restype = ctypes.c_ulong
x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
x11.XDestroyImage.argtypes = [ctypes.c_void_p]
ALL_PLANES, Z_PIXMAP = 0xFFFFFFFF, 2

display = x11.XOpenDisplay(None)
root = x11.XDefaultRootWindow(display)


def pixels(x, y, width, height):
    image = x11.XGetImage(display, root, x, y, width, height, ALL_PLANES, Z_PIXMAP)
    values = [[x11.XGetPixel(image, i, j) & 0xFFFFFF for i in range(width)] for j in range(height)]
    x11.XDestroyImage(image)
    return values


def on_board():
    return pixels(*PROBE, 1, 1)[0][0] == LIGHT


def resident_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def start():
    """Starts the program; returns it, the ms from exec to the first frame, and its stderr file."""
    errors = tempfile.TemporaryFile()
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb")
    began = time.perf_counter()
    process = subprocess.Popen([program], env=environment, stdout=subprocess.DEVNULL,
                               stderr=errors)
    while not on_board():
        if time.perf_counter() - began > TIMEOUT_S or process.poll() is not None:
            raise SystemExit(f"no frame from {program} within {TIMEOUT_S} s")
        time.sleep(0.0005)
    return process, (time.perf_counter() - began) * 1000, errors


def stop(process):
    process.terminate()
    process.wait()
    while on_board():
        time.sleep(0.001)


def x_resources():
    """The X resources xrestop counts for the program, the one client of its name here."""
    report = subprocess.run(["xrestop", "-b", "-m", "1"], capture_output=True, text=True).stdout
    for block in re.split(r"\n(?=\d+ - )", report):
        if "kordavelmix" in block.split("\n", 1)[0]:
            return dict(re.findall(r"^\s+(.+?)\s*:\s*(\S+)", block, re.MULTILINE))
    return None


def square_centre(row, col):
    """Where a square's centre is on the screen, from the board's top edge found below the menu."""
    column = [line[0] for line in pixels(WINDOW_X + 2, WINDOW_Y, 1, WINDOW_HEIGHT // 2)]
    top = WINDOW_Y + column.index(LIGHT)
    cell = (WINDOW_Y + WINDOW_HEIGHT - top) // 8
    return WINDOW_X + col * cell + cell // 2, top + row * cell + cell // 2


def drag(moves, drop):
    """Carries the man on row 5, column 0 over the board and the panel and lets go on drop."""
    start_x, start_y = square_centre(5, 0)
    script = ["mousemove", str(start_x), str(start_y), "mousedown", "1"]
    for step in range(moves):
        script += ["mousemove", str(WINDOW_X + 20 + step * 13 % 800),
                   str(WINDOW_Y + 40 + step * 7 % 400)]
    script += ["mousemove", str(drop[0]), str(drop[1]), "mouseup", "1"]
    subprocess.run(["xdotool"] + script, check=True)


stop(start()[0])  # warm-up: the program and its libraries come into the page cache
times, sizes, noise = [], [], b""
for _ in range(runs):
    process, elapsed, errors = start()
    sizes.append(resident_mb(process.pid))
    times.append(elapsed)
    stop(process)
    errors.seek(0)
    noise += errors.read()

start_ms, rss_mb = statistics.median(times), statistics.median(sizes)
print(f"start-up over {runs} runs: " + " ".join(f"{t:.1f}" for t in sorted(times)) + " ms")
print(f"  exec -> first frame  {start_ms:8.1f} ms median  goal: <= {START_GOAL_MS} ms  "
      f"{'MET' if start_ms <= START_GOAL_MS else 'MISSED'} ({start_ms / START_GOAL_MS:.0%} of it)")
print(f"  resident memory      {rss_mb:8.1f} MB median  goal: <= {RSS_GOAL_MB} MB  "
      f"{'MET' if rss_mb <= RSS_GOAL_MB else 'MISSED'} ({rss_mb / RSS_GOAL_MB:.0%} of it)")
print("  stderr: " + ("quiet" if not noise else "\n" + noise.decode(errors="replace")))

process, _, _ = start()
before = x_resources()
# The first drag puts the man back on its square, the second moves it on, which shows that the
# pointer reached the game: its square turns empty.
drag(2000, square_centre(5, 0))
drag(2000, square_centre(4, 1))
time.sleep(0.2)
moved = pixels(*square_centre(5, 0), 1, 1)[0][0] == DARK
after = x_resources()
stop(process)
print("X resources of the program, before and after two drags of 2000 pointer moves:")
if before is None or after is None or not moved:
    print("  xrestop did not list the program" if moved else "  the drags did not reach the game")
    sys.exit(1)
for key in before:
    if key in ("res_base", "res_mask"):
        continue
    print(f"  {key:<14} {before[key]:>12} {after.get(key, '?'):>12}")
# Byte counts follow from the counts of resources; only the counts are compared.
changed = [key for key in before if not key.endswith("bytes") and key != "res_base"
           and before[key] != after.get(key)]
print("  no growth" if not changed else "  GREW: " + ", ".join(changed))
sys.exit(1 if changed else 0)
PYTHON
