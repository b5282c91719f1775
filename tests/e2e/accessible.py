"""Tockwell in German as a screen reader meets it, through the accessibility bus: window roles, a name on every
control, the main window's labels and date, an alarm's switch and days, Qt's own buttons, the two links and their default action, the
alarm window's announcement. Arguments: the file the stand-in browser writes what it opens into, the file for
the main window's tree, the file whose creation says the alarm may come, the web and the e-mail address."""
import sys
import time

import pyatspi
from gi.repository import GLib

OPENED, TREE, READY, WEB, EMAIL = sys.argv[1:6]
CONTROLS = {"push button", "check box", "radio button", "combo box", "list", "text", "link", "page tab"}
heard = []


def wait(what, question, seconds=30):
    deadline = time.monotonic() + seconds
    while not (answer := what()):
        if time.monotonic() > deadline:
            sys.exit("FAIL: " + question)
        GLib.MainContext.default().iteration(False)
        time.sleep(0.05)
    return answer


def nodes(node):
    return [node] + [n for child in node for n in nodes(child)]


def window(name, role=None):
    app = next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "tockwell"), [])
    return next((w for w in app if w.name == name and role in (None, w.getRoleName())
                 and w.getState().contains(pyatspi.STATE_SHOWING)), None)


def find(root, role, name=None):
    return next((n for n in nodes(root) if n.getRoleName() == role and name in (None, n.name)), None)


def check(frame, role):
    # A drop-down list's own list is named by the drop-down list.
    unnamed = [n.getRoleName() for n in nodes(frame) if n.getRoleName() in CONTROLS and not n.name.strip()
               and n.parent.getRoleName() != "combo box"]
    if frame.getRoleName() != role or unnamed:
        sys.exit(f"FAIL: '{frame.name}' is a {frame.getRoleName()}, not a {role}; unnamed: {unnamed}")


def press(node, address=None):
    if not node or node.queryAction().getName(0) != "Press":
        sys.exit(f"FAIL: no default action on the {node.getRoleName() if node else 'missing'} for {address}")
    node.queryAction().doAction(0)
    wait(lambda: not address or address in open(OPENED).read().split(), f"the link did not open {address}", 10)


def tree(node, depth=0):
    return f"{'  ' * depth}[{node.getRoleName()}] {node.name}\n" + "".join(tree(c, depth + 1) for c in node)


def hear(event):
    try:
        heard.append((event.source.getRoleName(), event.source.name))
    except Exception as error:  # a window already gone
        heard.append(str(error))


main = wait(lambda: window("Tockwell"), "Tockwell did not appear on the accessibility bus")
# Events go to listeners the program has heard of: registered long before the alarm.
pyatspi.Registry.registerEventListener(hear, "object:state-changed:showing")
check(main, "frame")
open(TREE, "w").write(tree(main))
press(find(main, "link"), WEB)
if not find(main, "label", "Uhrzeit:") or not find(main, "label", "Dezember 06, 2026"):
    sys.exit("FAIL: the main window's labels or its date are not in German")
rows = {n.name: n for n in nodes(find(main, "list", "Eingetragene Weckzeiten")) if n.getRoleName() == "list item"}
switches = [(name, row.getState().contains(pyatspi.STATE_CHECKED), row.description) for name, row in rows.items()]
if sorted(switches) != [("7:05 AM   -   Tea", True, "Täglich"), ("9:00 AM   -   Holiday", False, "Aus")]:
    sys.exit(f"FAIL: the alarms' switches and days do not read as they are: {switches}")
press(find(main, "push button", "Einstellungen"))
options = wait(lambda: window("Einstellungen"), "the Options button's action opened no Options window")
press(find(options, "push button", "Standard wiederherstellen"))
question = wait(lambda: window("Tockwell", "alert"), "Restore to Default asked no question")
if not find(question, "push button", "Ja"):
    sys.exit("FAIL: Qt's own buttons are not in German")
press(find(question, "push button", "Nein"))
press(find(options, "page tab", "Über"))
check(options, "dialog")
press(find(options, "link", EMAIL), "mailto:" + EMAIL)
open(READY, "w").close()
wait(lambda: ("alert", "7:05 AM   -   Tea") in heard, f"no alert told of the alarm; heard {heard}", 60)
check(wait(lambda: window("Alarm"), "the alarm window is not on the bus"), "dialog")
print("PASS: window roles, control names, both links followed by their action, the alarm announced")
