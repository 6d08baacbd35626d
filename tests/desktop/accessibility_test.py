#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds: starts the program on the accessibility bus (AT-SPI), opens its
windows through the actions a screen reader offers, and checks that each window is announced
as a window by its title and that the controls in it read right: buttons are push buttons named
by their captions, the word box is a text holding the word, labels are labels, and no control
poses as a window.

Usage: accessibility_test.py <program> [--show]
Run it inside a D-Bus session on an X server (accessibility_test.sh does); --show prints the
tree of each window as it is read.
"""

import os
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

MAINTITLE = "Vocabrix  GRE /GMAT/ SAT/TOEFL  Vocabulary Builder "
WINDOWROLES = {Atspi.Role.FRAME, Atspi.Role.WINDOW, Atspi.Role.DIALOG, Atspi.Role.ALERT}
TEXTROLES = {Atspi.Role.TEXT, Atspi.Role.ENTRY}
# Qt exposes a button that stays down (a grade of Study Today) as a check box.
BUTTONROLES = {Atspi.Role.PUSH_BUTTON, Atspi.Role.TOGGLE_BUTTON, Atspi.Role.CHECK_BOX}
# A wait ends as soon as its probe answers; its bound is for a machine busy with other builds,
# where the program once took over 30 s to join the accessibility bus.
TIMEOUT = 60

program = os.path.abspath(sys.argv[1])
show = "--show" in sys.argv[2:]
failures = []


def fail(message):
    failures.append(message)
    print("FAIL: " + message, file=sys.stderr)


def stop(message):
    """A failure after which the test cannot go on."""
    fail(message)
    raise SystemExit(1)


def wait(what, probe, timeout=TIMEOUT):
    """Polls probe until it gives something; ends the test when it never does."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except GLib.Error:
            found = None
        if found:
            return found
        if time.monotonic() > end:
            stop(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.05)


def visible(node):
    return node.get_state_set().contains(Atspi.StateType.VISIBLE)


def walk(node, depth=0, hidden=False):
    """The node and every visible node below it (every one with hidden), with its depth."""
    yield node, depth
    for index in range(node.get_child_count()):
        child = node.get_child_at_index(index)
        if child is not None and (hidden or visible(child)):
            yield from walk(child, depth + 1, hidden)


def text(node):
    if "Text" not in node.get_interfaces():
        return None
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def describe(node):
    return f"{node.get_role_name()} [{node.get_name()}]"


def controls(window):
    """(role, name, node) of every visible node of a window, the window itself not counted."""
    nodes = list(walk(window))
    if show:
        print(f"--- {describe(window)}")
        for node, depth in nodes[1:]:
            value = text(node) if node.get_role() in TEXTROLES else None
            print("  " * depth + describe(node) + (f" text [{value}]" if value else ""))
    return [(node.get_role(), node.get_name(), node) for node, _ in nodes[1:]]


def windows(parent):
    """The children of the desktop (applications) or of an application (its windows)."""
    return [parent.get_child_at_index(i) for i in range(parent.get_child_count())]


def window(application, title):
    """The top-level window of that title (or beginning so, for a title ending in "*"), once it
    is there and has its controls."""

    def probe():
        for each in windows(application):
            name = each.get_name() if each is not None else ""
            if (name == title or title.endswith("*") and name.startswith(title[:-1])) and (
                each.get_child_count() > 0
            ):
                return each
        return None

    return wait(f"the window [{title}]", probe)


def checkwindow(found, title, buttons=(), labels=()):
    """What every window owes a screen reader; returns its controls."""
    if found.get_role() not in WINDOWROLES:
        fail(f"the window [{title}] is a {found.get_role_name()}, not a window, dialog or alert")
    if found.get_name() != title:
        fail(f"the window [{title}] is named [{found.get_name()}]")
    inside = controls(found)
    for role, name, node in inside:
        if role in WINDOWROLES:
            fail(f"[{title}]: a control poses as a window: {describe(node)}")
        if role in BUTTONROLES and not name.strip():
            fail(f"[{title}]: a nameless button")
    names = {(role, name.strip()) for role, name, _ in inside}
    for caption in buttons:
        if not any(role in BUTTONROLES and name == caption for role, name in names):
            fail(f"[{title}]: no push button named [{caption}]")
    for caption in labels:
        if (Atspi.Role.LABEL, caption) not in names:
            fail(f"[{title}]: no label [{caption}]")
    return inside


def press(node, what):
    if "Action" not in node.get_interfaces() or Atspi.Action.get_n_actions(node) == 0:
        stop(f"{what} offers no action")
    Atspi.Action.do_action(node, 0)


def menuitem(main, name):
    """An entry of a menu of the menu bar, whether the menu is open or not."""
    for node, _ in walk(main, hidden=True):
        if node.get_role() == Atspi.Role.MENU_ITEM and node.get_name() == name:
            return node
    stop(f"no menu entry [{name}]")


def button(inside, name):
    for role, buttonname, node in inside:
        if role in BUTTONROLES and buttonname.strip() == name:
            return node
    stop(f"no button [{name}]")


def numbered(inside):
    """The names of the buttons that read as a numbered choice ("1. ...")."""
    return [name for role, name, _ in inside
            if role in BUTTONROLES and name[:1].isdigit() and name[1:3] == ". "]


def dictionary(folder):
    """word -> its meanings, as the program's dictionary file has them."""
    root = ElementTree.parse(os.path.join(folder, "XML", "gre.xml")).getroot()
    meanings, word = {}, None
    for element in root.iter():
        if element.tag == "word":
            word = (element.text or "").strip()
        elif element.tag == "meaning" and word is not None:
            meanings.setdefault(word, set()).add((element.text or "").strip())
    return meanings


def main():
    folder = os.path.dirname(program)
    words = dictionary(folder)
    allmeanings = set().union(*words.values())
    # The accessibility bus first, as on a desktop where a screen reader runs: the program then
    # builds its windows with the bus listening.
    desktop = wait("the accessibility bus", lambda: Atspi.get_desktop(0))
    # What a screen reader says when it starts (Orca does so): Qt exposes its tree only then (or
    # with QT_LINUX_ACCESSIBILITY_ALWAYS_ON set).
    Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
        GLib.Variant("(ssv)", ("org.a11y.Status", "ScreenReaderEnabled", GLib.Variant("b", True))),
        None, Gio.DBusCallFlags.NONE, 5000, None)
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb")
    errors = open(os.path.join(folder, "errors.txt"), "w+")
    started = subprocess.Popen([program], cwd=folder, env=environment, stderr=errors)
    try:
        application = wait("the program on the accessibility bus", lambda: next(
            (each for each in windows(desktop)
             if each is not None and each.get_process_id() == started.pid), None))
        application.set_cache_mask(Atspi.Cache.NONE)
        checkall(application, words, allmeanings)
        if started.poll() is not None:
            fail(f"the program ended (status {started.returncode})")
    finally:
        started.terminate()
        started.wait(10)
        errors.seek(0)
        said = errors.read()
        if "Sanitizer" in said or "runtime error:" in said:
            fail("the sanitizers found a fault")
        if failures:
            print(said, file=sys.stderr)


def checkall(application, words, allmeanings):
    main = window(application, MAINTITLE)
    inside = checkwindow(
        main,
        MAINTITLE,
        buttons=["Flash", "Next", "Previous", "Net Search", "Image Search", "Auto Mode",
                 "Study Today", "View Log", "Show", "Hide", "Edit", "Save", "Exit"],
        labels=["Flash Word:", "Next Word:", "Previous Word:", "Online Dictionary:",
                "Correctly Answered:", "Incorrectly Answered:", "Percentage:", "Log:",
                "1.", "2.", "3.", "4.", "5."],
    )
    for caption in ["Test your GRE vocabulary [Review Mode]", "Answer Window", "Control Panel",
                    "Miscellaneous", "Results", "Description"]:
        if (Atspi.Role.PANEL, caption) not in {(role, name) for role, name, _ in inside}:
            fail(f"main window: no frame (panel) named [{caption}]")
    boxes = [node for role, name, node in inside if role in TEXTROLES and name == "Word"]
    if len(boxes) != 1:
        fail(f"main window: {len(boxes)} text boxes named Word")
        shown = None
    else:
        shown = text(boxes[0])
        if shown not in words:
            fail(f"main window: the word box holds [{shown}], not a word of the dictionary")
    choices = [name for role, name, _ in inside if role in BUTTONROLES and name in allmeanings]
    if len(choices) != 5:
        fail(f"main window: {len(choices)} answer buttons named by a meaning, not 5")
    elif shown in words and not words[shown] & set(choices):
        fail(f"main window: no answer button holds the meaning of [{shown}]")

    press(button(inside, "Study Today"), "Study Today")
    study = window(application, "Study Today")
    inside = checkwindow(study, "Study Today", buttons=["Take the last answer back"])
    shown = [name[len("Word: "):] for role, name, _ in inside
             if role == Atspi.Role.LABEL and name.startswith("Word: ")]
    if len(shown) != 1 or shown[0] not in words:
        fail(f"Study Today: the word reads {shown}")
    choices = [name.split("  ", 1)[-1] for name in numbered(inside)]
    if len(choices) != 5 or not set(choices) <= allmeanings:
        fail(f"Study Today: the choices read {choices}")
    elif len(shown) == 1 and not words.get(shown[0], set()) & set(choices):
        fail(f"Study Today: no choice is the meaning of [{shown[0]}]")
    # The first choice answers; the result and the grades show.
    press(next(node for role, name, node in inside if role in BUTTONROLES and name.startswith("1. ")),
          "the first choice")
    wait("the result of the answer", lambda: any(
        role == Atspi.Role.LABEL and name[:1] in "✓✗" for role, name, _ in controls(study)))
    checkwindow(study, "Study Today", buttons=["Grade Again (A)", "Grade Hard (H)",
                                               "Grade Good (G)", "Grade Easy (E)", "Next card"])

    # The word just answered may be asked in a practice set, whose question reads as Study
    # Today's do; a word that cannot be is told in words.
    press(menuitem(main, "Practice Set"), "View > Practice Set")
    practice = window(application, "Practice Set")
    inside = wait("the practice set's question or its note", lambda: [
        (role, name, node) for role, name, node in controls(practice)
        if role == Atspi.Role.LABEL and name.startswith(("Question 1 of ", "Nothing to practise"))])
    if inside[0][1].startswith("Question"):
        inside = checkwindow(practice, "Practice Set",
                             buttons=["Back to the question before", "On to the next question",
                                      "Finish the set and see the score"])
        choices = numbered(inside)
        if len(choices) not in (5, 6):
            fail(f"Practice Set: the choices read {choices}")
    else:
        checkwindow(practice, "Practice Set", buttons=["Close"])

    press(menuitem(main, "Options"), "Tool > Options")
    options = window(application, "Options")
    inside = checkwindow(options, "Options",
                         buttons=["Ok", "Cancel", "Select Font", "Select Color",
                                  "Fit to my answers"],
                         labels=["Main Font Type", "Main Font Color", "Font Type", "Font Color"])
    # The fit runs in a window of its own, whose outcome is read out as a label.
    press(button(inside, "Fit to my answers"), "Options > Fit to my answers")
    fit = window(application, "Fit to My Answers")
    wait("the outcome of the fit", lambda: any(
        role == Atspi.Role.LABEL and name.startswith(("Your answers", "The fitted model"))
        for role, name, _ in controls(fit)))
    press(button(checkwindow(fit, "Fit to My Answers",
                             buttons=["Cancel the fit", "Fit again", "Use the chosen fit",
                                      "Use the default model", "Close"]), "Close"),
          "Fit to My Answers > Close")

    press(menuitem(main, "Progress"), "View > Progress")
    progress = window(application, "Progress")
    inside = checkwindow(progress, "Progress", buttons=["Study the selected word", "Close"])
    tables = [node for role, name, node in inside
              if role == Atspi.Role.TABLE and name == "Hardest words"]
    if not tables:
        fail("Progress: no table named Hardest words")
    # Each hard word reads with its misses on its row (the answer in Study Today may have been
    # one).
    for row in range(Atspi.Table.get_n_rows(tables[0]) if tables else 0):
        cells = [Atspi.Table.get_accessible_at(tables[0], row, column).get_name()
                 for column in range(2)]
        if not cells[0] or not cells[1].startswith("missed "):
            fail(f"Progress: a hard word reads {cells}")
    # The pairs confused most, or the words that say there are none yet.
    if not any((role == Atspi.Role.LIST and name == "Most confused")
               or (role == Atspi.Role.LABEL and name == "No words confused yet.")
               for role, name, _ in inside):
        fail("Progress: neither a list named Most confused nor its empty state")
    for start in ["Predicted recall on ", "Recalled when due, last 30 days: "]:
        if not any(role == Atspi.Role.LABEL and name.startswith(start) for role, name, _ in inside):
            fail(f"Progress: no label reads [{start}...]")

    for entry, title, buttons in [
        ("Flash Card Mode", "Flash Card Mode", ["Flash", "Next", "Previous", "Solve", "Cancel"]),
        ("Memory Game", "Memory Game", ["New Game", "Solve", "Cancel"]),
        ("Open Custom XML Dictionary", "Select", ["Ok"]),
        ("Contents", "Vocabrix Help - Contents", ["Back", "Forward", "Contents"]),
        ("About", "About *", ["Ok"]),
    ]:
        press(menuitem(main, entry), entry)
        found = window(application, title)
        checkwindow(found, found.get_name() if title.endswith("*") else title, buttons=buttons)
    press(button(checkwindow(main, MAINTITLE), "View Log"), "View Log")
    checkwindow(window(application, "Results"), "Results", buttons=["Print", "Save", "Cancel"])

    # Windows that open with a message: the message reads, and its OK goes on.
    for entry, message, title, buttons in [
        ("List Mode", "Word List Created", "List View", ["Print", "Cancel"]),
        ("Edit XML Dictionary", "WARNING: Be careful", "Edit XML Data File", ["Save", "Cancel"]),
    ]:
        # The entry answers once the message is closed: waited for a second, not the long while
        # libatspi gives a program that has just started (its defaults are 0.8 s and 15 s).
        item = menuitem(main, entry)
        Atspi.set_timeout(1000, 0)
        try:
            press(item, entry)
        except GLib.Error:
            pass
        Atspi.set_timeout(800, 15000)
        box = wait(f"the message [{message}]", lambda: next(
            (each for each in windows(application) if each is not None
             and each.get_role() in {Atspi.Role.ALERT, Atspi.Role.DIALOG}
             and any(role == Atspi.Role.LABEL and name.startswith(message)
                     for role, name, _ in controls(each))), None))
        press(button(checkwindow(box, box.get_name(), buttons=["OK"]), "OK"), "OK")
        checkwindow(window(application, title), title, buttons=buttons)


if __name__ == "__main__":
    main()
    if failures:
        sys.exit(f"{len(failures)} failures")
    print("every window reads right on the accessibility bus")
