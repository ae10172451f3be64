#!/usr/bin/python3
"""Plays the installed game with the keyboard alone and reads it from outside through AT-SPI, as a
screen reader does; with --orca, with Orca itself running, and reads what Orca spoke.

    a11y_play.py --game PROGRAM --log FILE [--orca DEBUG_FILE --orca-prefs DIR]

Runs on an X server (DISPLAY) inside a D-Bus session of its own (dbus-run-session), with Debian's
python3-pyatspi. Without --orca the game is told to join the accessibility bus
(QT_LINUX_ACCESSIBILITY_ALWAYS_ON); with --orca it joins because a screen reader runs, as it does
for a player. The keys go through xdotool, as real key events. Checks: the table «Доска» and its 64
cells named by the position, the score panel's lines; the focus on c3, following the cursor
square by square; the picked-up piece's cell selected; after each move the notification «Вы: …
Компьютер: ….» and the cells' names; a quiet move while a capture is due opening «Ошибка»,
closed by Enter, the focus back on the board. With Orca: the cell, the turn's words and the box
spoken, in that order. Every wait is bounded; the programs started here are stopped on exit.
"""

import argparse
import os
import signal
import subprocess
import sys
import time

import pyatspi

# The start of a game, row 0 (rank 8) first: b and w pieces, . empty dark squares, - light ones.
START = ["-b-b-b-b", "b-b-b-b-", "-b-b-b-b", ".-.-.-.-", "-.-.-.-.", "w-w-w-w-", "-w-w-w-w", "w-w-w-w-"]
WORDS = {"w": "белая шашка", "b": "черная шашка", ".": "пусто", "-": "светлое поле"}
# Four moves of the player and the words of each turn, the computer's replies fixed by its rules;
# then a quiet move while a capture is due.
MOVES = [
    ("e3", "d4", "Вы: e3-d4. Компьютер: b6-a5."),
    ("f2", "e3", "Вы: f2-e3. Компьютер: a7-b6."),
    ("d4", "c5", "Вы: d4-c5. Компьютер: b6:d4:f2:h4. Игрок: 9, AI: 12."),
    ("h2", "g3", "Вы: h2-g3. Компьютер: h4:f2. Игрок: 8, AI: 12."),
]
QUIET_WHILE_CAPTURE_IS_DUE = ("a3", "b4")
ERROR_CAPTION = "Ошибка"

started = []


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(seconds, probe, what):
    end = time.monotonic() + seconds
    while True:
        try:
            value = probe()
        except Exception:  # An object may vanish or not answer while the program changes.
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"no {what} after {seconds} s")
        time.sleep(0.1)


def square(name):
    return 8 - int(name[1]), ord(name[0]) - ord("a")


def name_of(row, col):
    return f"{'abcdefgh'[col]}{8 - row}"


def cell_names(board):
    return [f"{name_of(r, c)}, {WORDS[board[r][c]]}" for r in range(8) for c in range(8)]


def application(name):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == name:
            return app
    return None


def descendant(root, role):
    return pyatspi.findDescendant(root, lambda node: node.getRoleName() == role)


def start_game(game, log, env):
    """Starts the game; a Qt program now and then fails to reach a fresh X server at once, so a
    start that ends with that is tried again."""
    for _ in range(3):
        process = subprocess.Popen([game], stdout=log, stderr=subprocess.STDOUT, env=env,
                                   cwd="/")
        started.append(process)
        time.sleep(1)
        if process.poll() is None:
            return process
        log.flush()
    raise Failure("the game does not start")


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.15)


class Board:
    """The game as AT-SPI gives it: its table, cells, score lines and notification."""

    def __init__(self, app):
        self.app = app
        self.table = wait_for(10, lambda: descendant(app, "table"), "table")
        self.notice = descendant(app, "notification")

    def cells(self):
        return [self.table.getChildAtIndex(i) for i in range(64)]

    def names(self):
        return [cell.name for cell in self.cells()]

    def focused(self):
        found = [c.name for c in self.cells() if c.getState().contains(pyatspi.STATE_FOCUSED)]
        return found[0] if len(found) == 1 else None

    def selected(self):
        return [c.name for c in self.cells() if c.getState().contains(pyatspi.STATE_SELECTED)]

    def expect_focus(self, wanted, why):
        wait_for(5, lambda: self.focused() == wanted, f"focus on «{wanted}» {why} "
                 f"(it is on «{self.focused()}»)")

    def cursor(self):
        return square(self.focused().split(",")[0])

    def arrows_to(self, target):
        row, col = self.cursor()
        to_row, to_col = square(target)
        key(*(["Up"] * (row - to_row) + ["Down"] * (to_row - row)))
        key(*(["Left"] * (col - to_col) + ["Right"] * (to_col - col)))
        self.expect_focus(f"{target}, {self.cell_words(target)}", f"after the arrows to {target}")

    def cell_words(self, name):
        row, col = square(name)
        return self.cells()[row * 8 + col].name.split(", ", 1)[1]


def play(args):
    # The X server's platform, whatever the test run chose for its other programs.
    env = dict(os.environ, QT_QPA_PLATFORM="xcb")
    if not args.orca:
        env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    log = open(args.log, "w")
    # Asking for the desktop starts the session's accessibility bus, which Orca needs to find.
    pyatspi.Registry.getDesktop(0)
    if args.orca:
        orca = subprocess.Popen(["orca", "--debug-file", args.orca, "-u", args.orca_prefs],
                                stdout=log, stderr=subprocess.STDOUT, env=env)
        started.append(orca)
        wait_for(20, lambda: application("orca"), "Orca on the accessibility bus")
    start_game(args.game, log, env)
    app = wait_for(20, lambda: application("kordavelmix"), "game on the accessibility bus")
    board = Board(app)

    check(board.table.name == "Доска", f"the table is named «{board.table.name}»")
    check(board.table.childCount == 67, f"the table has {board.table.childCount} children")
    check(board.names() == cell_names(START), f"the cells are named {board.names()}")
    lines = [board.table.getChildAtIndex(64 + i).name for i in range(3)]
    check(lines == ["Счет: ", "Игрок: 12", "AI: 12"], f"the score lines are {lines}")
    check(board.notice is not None, "no notification")

    window = wait_for(10, lambda: subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--name", "^Kordavelmix$"],
        capture_output=True, text=True).stdout.split(), "game window")[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
    board.expect_focus("c3, белая шашка", "at start")
    if args.orca:
        # A listener's pause: Orca drops a focus that the next key overtakes before it is spoken.
        time.sleep(1)

    # The first move square by square: the focus follows the cursor, the held piece's cell is
    # selected, and the turn's words and the position follow the drop.
    key("Right")
    board.expect_focus("d3, светлое поле", "after Right")
    key("Right", "space")
    wait_for(5, lambda: board.selected() == ["e3, белая шашка"], "e3 selected after Space")
    key("Up", "Left")
    board.expect_focus("d4, пусто", "with the man carried to d4")
    key("Return")
    wait_for(5, lambda: board.notice.name == MOVES[0][2],
             f"words of the first move (the notification says «{board.notice.name}»)")
    board.expect_focus("d4, белая шашка", "after the drop")
    after = [row for row in START]
    after[5] = "w-w-.-w-"  # e3 left
    after[4] = "-.-w-.-."  # d4 taken
    after[2] = "-.-b-b-b"  # b6 left
    after[3] = "b-.-.-.-"  # a5 taken
    check(board.names() == cell_names(after), f"after the first move the cells are {board.names()}")

    for start, end, words in MOVES[1:]:
        board.arrows_to(start)
        key("space")
        board.arrows_to(end)
        key("Return")
        wait_for(5, lambda w=words: board.notice.name == w,
                 f"words «{words}» (the notification says «{board.notice.name}»)")

    start, end = QUIET_WHILE_CAPTURE_IS_DUE
    board.arrows_to(start)
    key("space")
    board.arrows_to(end)
    key("Return")
    box = wait_for(10, lambda: next((node for node in [descendant(app, "alert"),
                                                       descendant(app, "dialog")]
                                     if node is not None and node.name == ERROR_CAPTION), None),
                   "«Ошибка» box after a quiet move while a capture was due")
    check(box is not None, "no «Ошибка» box")
    key("Return")
    wait_for(10, lambda: descendant(app, "alert") is None and descendant(app, "dialog") is None,
             "box closed by Return")
    board.expect_focus(f"{end}, пусто", "after the box closed")


def spoken(debug_file):
    lines = []
    with open(debug_file, encoding="utf-8", errors="replace") as log:
        for line in log:
            if "SPEECH OUTPUT: '" in line:
                lines.append(line.split("SPEECH OUTPUT: '", 1)[1].rsplit("'", 1)[0])
    return lines


def expect_spoken(debug_file):
    said = spoken(debug_file)

    def first(text, after=-1):
        for i, line in enumerate(said):
            if i > after and text in line:
                return i
        raise Failure(f"Orca did not say «{text}» (after line {after}); it said {said}")

    at = first("c3, белая шашка")
    for _, _, words in MOVES:
        at = first(words, at)
    first(ERROR_CAPTION, at)


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGINT)
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--log", required=True)
    parser.add_argument("--orca")
    parser.add_argument("--orca-prefs")
    args = parser.parse_args()
    name = "e2e (AT-SPI" + (", Orca)" if args.orca else ")")
    try:
        play(args)
        # Orca writes the last of its log when it stops.
        for process in reversed(started):
            stop(process)
        if args.orca:
            expect_spoken(args.orca)
    except Failure as failure:
        print(f"{name}: {failure}", file=sys.stderr)
        return 1
    finally:
        for process in reversed(started):
            stop(process)
    print(f"{name}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
