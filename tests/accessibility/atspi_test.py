#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Uses the running program from another process through the accessibility
bus (AT-SPI), as a screen reader does: finds the controls by role and name,
chooses a river through its option button's action and a settlement through
its entry's action, and reads back the report and both selections.

  atspi_test.py path/to/reki-i-selishta
  (on an X server, in a session bus: dbus-run-session -- with-xvfb.sh ...)
"""

import os
import pathlib
import subprocess
import sys
import time

import pyatspi

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "packaging"))
from checks import Checks  # noqa: E402

RIVERS = ["река Арда", "река Искър", "река Марица", "река Огоста", "река Осъм", "река Струма",
          "река Тунджа", "река Янтра"]


def find_all(root, predicate):
    found, stack = [], [root]
    while stack:
        node = stack.pop()
        if node is None:
            continue
        if predicate(node):
            found.append(node)
        stack.extend(reversed([child for child in node]))
    return found


def find(root, role, name):
    matches = find_all(root, lambda n: n.getRoleName() == role and n.name == name)
    return matches[0] if matches else None


def has(node, state):
    return node.getState().contains(state)


def act(node, action):
    actions = node.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index) == action:
            return actions.doAction(index)
    return False


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def wait_for(condition, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    return condition()


def main():
    checks = Checks()
    program = subprocess.Popen([sys.argv[1]],
                               env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        app = wait_for(lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                     if a is not None and a.name == "reki-i-selishta"), None))
        if not checks.check("the program is on the accessibility bus", app is not None):
            checks.finish()
        frame = find(app, "panel", "Реки")
        names = find(app, "list", "Селища")
        report = find(app, "text", "Релация между реки и селища")
        checks.check("the frame is announced as Реки", frame is not None)
        checks.check("the list is announced as Селища", names is not None)
        checks.check("the report box has a name of its own", report is not None)
        if not (frame and names and report):
            checks.finish()
        buttons = [child.name for child in frame if child.getRoleName() == "radio button"]
        checks.equal("the rivers, in the order they stand on screen", buttons, RIVERS)
        hidden = find_all(app, lambda n: n.getRoleName() in ("list", "text") and
                          n.name == "" and has(n, pyatspi.STATE_SHOWING))
        checks.equal("the hidden controls are not showing", hidden, [])
        checks.check("the introduction is shown first",
                     text_of(report).startswith("Да се реализира проект"))

        ogosta = find(frame, "radio button", "река Огоста")
        checks.check("the option button's Toggle action runs", act(ogosta, "Toggle"))
        expected = "Избрана: река Огоста\nСелища:\nМонтана\nЧипровци\n"
        checks.equal("the report for река Огоста", wait_for(lambda: text_of(report) == expected
                                                              and expected) or text_of(report),
                     expected)
        checks.check("река Огоста is checked", has(ogosta, pyatspi.STATE_CHECKED))
        chiprovtsi = find(names, "list item", "Чипровци")
        checks.check("the list moved to Чипровци",
                     chiprovtsi is not None and has(chiprovtsi, pyatspi.STATE_SELECTED))

        kardzhali = find(names, "list item", "Кърджали")
        checks.check("the entry's Toggle action runs", kardzhali is not None and act(kardzhali, "Toggle"))
        arda = find(frame, "radio button", "река Арда")
        checks.check("река Арда is checked", wait_for(lambda: has(arda, pyatspi.STATE_CHECKED)))
        checks.check("Кърджали is selected", has(kardzhali, pyatspi.STATE_SELECTED))
        checks.check("the report for река Арда",
                     wait_for(lambda: text_of(report) ==
                              "Избрана: река Арда\nСелища:\nКърджали\nМаджарово\nРудозем\n"))
    finally:
        program.terminate()
        program.wait(timeout=10)
    checks.finish()


if __name__ == "__main__":
    main()
