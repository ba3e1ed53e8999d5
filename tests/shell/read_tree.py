#!/usr/bin/env python3
"""Reads the running game's board through the desktop's accessibility bus.

    read_tree.py PID [--timeout SECONDS] [--until LINE]...
    read_tree.py PID --focus-events [--timeout SECONDS]
    read_tree.py PID --names [--timeout SECONDS] [--until LINE]...

Finds the application of process PID, then its "Game board" pane, and prints
what a screen reader would find there, one tab-separated line each:

    pane     NAME  CHILDREN
    table    NAME  ROWS  COLUMNS  CHILDREN
    cell     INDEX  ROW  COLUMN  PARENT'S NAME  NAME   (each child of the table)
    at       ROW  COLUMN  NAME                         (the table's cell there)
    strip    CHILDREN                                  (the status bar)
    counter  NAME  VALUE                               (value, else the text)
    notice   NAME                                      (the status bar's notification)
    focused  NAME                                      (a cell that has the focus)

It reads again until every --until line is among them or the time is up,
then prints the last reading; the exit status is 0 when the lines were all
found, 1 when the time ran out, 2 when the game or its board never showed.

With --focus-events it listens instead: once the game's board is there it
prints "listening", then "focus  NAME" for the first cell of the game that
gains the focus, and ends; the exit status is 1 when none did in time.
"""

import argparse
import sys
import time

import pyatspi


def find_board(pid):
    """The game's "Game board" pane, or None while it is not there yet."""
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        try:
            if app.get_process_id() != pid:
                continue
        except Exception:  # an application that went away while we asked
            continue
        return find_named(app, "Game board", 12)
    return None


def find_named(node, name, depth):
    if node is None or depth < 0:
        return None
    if node.name == name and node.getRole() == pyatspi.ROLE_PANEL:
        return node
    for i in range(node.childCount):
        found = find_named(node.getChildAtIndex(i), name, depth - 1)
        if found is not None:
            return found
    return None


def counter_value(node):
    try:
        value = node.queryValue().currentValue
        return str(int(value)) if value == int(value) else str(value)
    except NotImplementedError:
        pass
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return ""


def read(board):
    lines = ["pane\t%s\t%d" % (board.name, board.childCount)]
    read_children(board, lines)
    return lines


def read_children(parent, lines):
    for i in range(parent.childCount):
        child = parent.getChildAtIndex(i)
        if child is None:
            lines.append("missing\t%d" % i)
            continue
        role = child.getRole()
        if role == pyatspi.ROLE_TABLE:
            lines.extend(read_table(child))
        elif role == pyatspi.ROLE_STATUS_BAR:
            lines.append("strip\t%d" % child.childCount)
            read_children(child, lines)
        elif role in (pyatspi.ROLE_STATIC, pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT):
            lines.append("counter\t%s\t%s" % (child.name, counter_value(child)))
        elif role == pyatspi.ROLE_NOTIFICATION:
            lines.append("notice\t%s" % child.name)
        else:
            lines.append("other\t%s\t%s" % (child.getRoleName(), child.name))


def read_table(table):
    grid = table.queryTable()
    lines = ["table\t%s\t%d\t%d\t%d" % (table.name, grid.nRows, grid.nColumns, table.childCount)]
    for i in range(table.childCount):
        cell = table.getChildAtIndex(i)
        if cell is None:
            lines.append("missing\t%d" % i)
            continue
        parent = cell.parent
        lines.append("cell\t%d\t%d\t%d\t%s\t%s" % (i, i // max(grid.nColumns, 1), i % max(grid.nColumns, 1),
                                                 parent.name if parent is not None else "", cell.name))
        if cell.getState().contains(pyatspi.STATE_FOCUSED):
            lines.append("focused\t%s" % cell.name)
    for row, column in ((0, 0), (grid.nRows - 1, grid.nColumns - 1)):
        cell = grid.getAccessibleAt(row, column)
        lines.append("at\t%d\t%d\t%s" % (row, column, cell.name if cell is not None else ""))
    return lines


def listen_for_focus(pid, timeout):
    from gi.repository import GLib

    heard = []

    def on_event(event):
        try:
            if event.detail1 != 1 or event.source.getRole() != pyatspi.ROLE_TABLE_CELL:
                return
            if event.host_application.get_process_id() != pid:
                return
            heard.append(event.source.name)
        except Exception:  # a source that went away before it was read
            return
        pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused")
    # Reading the board is a round trip to the game: it has heard of this
    # listener by the time the answer comes.
    deadline = time.monotonic() + timeout
    while find_board(pid) is None:
        if time.monotonic() > deadline:
            return 2
        time.sleep(0.2)
    print("listening", flush=True)
    GLib.timeout_add(int(max(deadline - time.monotonic(), 0) * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    if not heard:
        return 1
    print("focus\t%s" % heard[0])
    return 0


def find_app(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:  # an application that went away while we asked
            continue
    return None


def read_names(node, depth, lines):
    """ "ROLE  NAME" for every named object of every window, as flat review
    meets them."""
    if node is None or depth < 0:
        return lines
    if node.name:
        lines.append("%s\t%s" % (node.getRoleName(), node.name))
    for i in range(node.childCount):
        read_names(node.getChildAtIndex(i), depth - 1, lines)
    return lines


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("pid", type=int)
    parser.add_argument("--timeout", type=float, default=10)
    parser.add_argument("--until", action="append", default=[])
    parser.add_argument("--focus-events", action="store_true")
    parser.add_argument("--names", action="store_true")
    args = parser.parse_args()
    if args.focus_events:
        return listen_for_focus(args.pid, args.timeout)
    find = (lambda pid: find_app(pid)) if args.names else find_board
    reader = (lambda app: read_names(app, 14, [])) if args.names else read

    deadline = time.monotonic() + args.timeout
    lines = None
    while True:
        try:
            board = find(args.pid)
            if board is not None:
                lines = reader(board)
                if all(want in lines for want in args.until):
                    break
        except Exception as error:  # the game still setting up its tree
            print("error\t%s" % error, file=sys.stderr)
        if time.monotonic() > deadline:
            break
        time.sleep(0.2)

    if lines is None:
        print("no board of process %d on the accessibility bus" % args.pid, file=sys.stderr)
        return 2
    print("\n".join(lines))
    return 0 if all(want in lines for want in args.until) else 1


if __name__ == "__main__":
    sys.exit(main())
