"""What a screen reader hears of the main window, read over the real
accessibility bus (AT-SPI) the way a screen reader reads it.

Started by run.sh inside a private session bus on a virtual display; starts
the program itself and ends it at the end. Every wait polls a condition with
a generous limit, so a busy machine makes the test slower, never wrong.

    screen_reader.py PROGRAM [CATALOGUE.ts]

With a catalogue, the program runs in the desktop's language (LANG, set by
the caller) and every text heard is the catalogue's translation, with the
decimal comma the three translated languages write.
"""

import os
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

import pyatspi

LIMIT = 60.0  # seconds for anything to appear over the bus
LICENSE = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir, os.pardir, "LICENSE")
RETURN = 0xFF0D  # the X key symbol


program = None
catalogue = {}
decimal = "."


def load_catalogue(path):
    global decimal
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            catalogue[(name, message.findtext("source"))] = message.findtext("translation")
    decimal = ","


def tr(context, text):
    return catalogue.get((context, text), text) if catalogue else text


WINDOW = "gridora::app::MainWindow"


def velocity(text):
    return text.replace(".", decimal)


def wait_for(what, probe, limit=LIMIT):
    end = time.monotonic() + limit
    while True:
        if program.poll() is not None:
            raise AssertionError("the program ended (status %s) while waiting for %s" % (program.returncode, what))
        found = probe()
        if found:
            return found
        if time.monotonic() > end:
            raise AssertionError("gave up waiting for " + what)
        time.sleep(0.1)


def fresh(acc):
    # Read what the program says now, not what an earlier answer left behind.
    acc.clear_cache()
    return acc


def walk(acc):
    yield acc
    for i in range(fresh(acc).childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(fresh(desktop).childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def child_named(app, role, name):
    for acc in walk(app):
        if acc.getRole() == role and acc.name == name:
            return acc
    return None


def labels_of(acc):
    names = []
    for relation in fresh(acc).getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


failures = []


def check(ok, message):
    if not ok:
        failures.append(message)
        print("FAIL: " + message)


def combo_boxes(frame):
    return [acc for acc in walk(frame) if acc.getRole() == pyatspi.ROLE_COMBO_BOX]


def check_boxes(frame):
    boxes = {box.name: box for box in combo_boxes(frame)}
    # Named by the entry they show, their purpose comes from a related label.
    for value, purpose in ((tr("Kinds", "Squared"), tr(WINDOW, "Kind of graph paper")),
                           (tr("Kinds", "10x15"), tr(WINDOW, "Size of the graph paper"))):
        box = boxes.get(value)
        check(box is not None, "no combo box announced as %r; found %r" % (value, sorted(boxes)))
        if box is not None:
            check(purpose in labels_of(box), "%r is labelled by %r, not %r" % (value, labels_of(box), purpose))


def check_licence(app, about):
    # The agreement shows as a picture; a screen reader reads the licence text.
    link = child_named(about, pyatspi.ROLE_LABEL, tr("AboutBox", "View License Agreement"))
    check(link is not None, "no licence link in the About box")
    if link is None:
        return
    link.queryComponent().grabFocus()
    wait_for("the licence link to take the focus", lambda: fresh(link).getState().contains(pyatspi.STATE_FOCUSED))
    pyatspi.Registry.generateKeyboardEvent(RETURN, None, pyatspi.KEY_SYM)
    title = tr("LicenceViewer", "License Agreement")
    viewer = wait_for("the licence viewer", lambda: child_named(app, pyatspi.ROLE_DIALOG, title))
    agreement = child_named(viewer, pyatspi.ROLE_DOCUMENT_FRAME, title)
    check(agreement is not None, "no document named %r in the licence viewer" % title)
    if agreement is None:
        return
    with open(LICENSE, encoding="utf-8") as file:
        licence = file.read()
    heard = agreement.queryText().getText(0, -1)
    check(heard == licence, "the agreement reads %r..., not the licence" % heard[:60])


def check_velocity(frame):
    bar = next((acc for acc in walk(frame) if acc.getRole() == pyatspi.ROLE_SCROLL_BAR), None)
    check(bar is not None, "no velocity scroll bar")
    if bar is None:
        return
    value = bar.queryValue()
    check(abs(value.minimumValue - 0.0) < 1e-9 and abs(value.maximumValue - 0.9) < 1e-9,
          "velocity runs from %r to %r, not 0.00 to 0.90" % (value.minimumValue, value.maximumValue))
    check(abs(value.minimumIncrement - 0.01) < 1e-9, "velocity step %r, not 0.01" % value.minimumIncrement)
    check(abs(value.currentValue - 0.60) < 1e-9, "velocity at start %r, not 0.60" % value.currentValue)
    check(fresh(bar).description == velocity("v = 0.60 c"), "velocity described as %r" % bar.description)
    # A screen reader moving the bar moves it as the user does: the label and
    # the value follow.
    value.currentValue = 0.61
    try:
        wait_for("the velocity to read 0.61 c", lambda: fresh(bar).description == velocity("v = 0.61 c"), limit=20)
    except AssertionError as error:
        check(False, "%s (description %r)" % (error, bar.description))
    check(abs(fresh(bar).queryValue().currentValue - 0.61) < 1e-9,
          "velocity read as %r, not 0.61" % bar.queryValue().currentValue)
    label = child_named(frame, pyatspi.ROLE_LABEL, velocity("v = 0.61 c"))
    check(label is not None, "the velocity label does not read %s" % velocity("v = 0.61 c"))


def check_sample(frame):
    # A picture a screen reader stops at, saying what it shows.
    name = tr(WINDOW, "Sample of the graph paper")
    sample = child_named(frame, pyatspi.ROLE_IMAGE, name)
    check(sample is not None, "no image named %r" % name)
    if sample is None:
        return
    said = tr(WINDOW, "Sample of %1 paper, %2").replace("%1", tr("Kinds", "Squared")).replace("%2", tr("Kinds", "10x15"))
    check(fresh(sample).description == said, "the sample is described as %r, not %r" % (sample.description, said))


def check_no_hidden_buttons(app, frame):
    buttons = [acc.name for acc in walk(frame) if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    check(buttons == [tr(WINDOW, "Print")], "the main window offers the buttons %r, not just %r" % (buttons, tr(WINDOW, "Print")))
    about = wait_for("the About box", lambda: child_named(app, pyatspi.ROLE_DIALOG, "Gridora"))
    buttons = [acc.name for acc in walk(about) if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    check(buttons == [], "the About box offers the buttons %r" % buttons)
    return about


def main():
    global program
    if len(sys.argv) > 2:
        load_catalogue(sys.argv[2])
        # A catalogue that says what English says would prove nothing.
        assert tr(WINDOW, "Choose Your Graph......") != "Choose Your Graph......"
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = wait_for("the program on the accessibility bus", lambda: application(program.pid))
        title = tr(WINDOW, "Choose Your Graph......")
        frame = wait_for("the main window " + title, lambda: child_named(app, pyatspi.ROLE_FRAME, title))
        check_boxes(frame)
        check_sample(frame)
        # Before the About box closes itself, 4 seconds after it shows.
        check_licence(app, check_no_hidden_buttons(app, frame))
        check_velocity(frame)
    finally:
        program.terminate()
        try:
            program.wait(timeout=30)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()
    if failures:
        sys.exit("%d failure(s)" % len(failures))
    print("every control is heard as it should be")


if __name__ == "__main__":
    main()
