"""The real program as a screen reader gets it over AT-SPI: windows with a window's role, a
notification with the answer after a compute, field texts whole with one run of attributes over
them, the figure described, the solution's signs in words, «Скопировано» after copying.

    screen_reader_test.py PROGRAM   (on a display, with the accessibility bus running)
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

failures = []
notifications = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def pump_until(found, seconds=10):
    """Runs the event loop until found() gives something, or the time is up."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        result = found()
        if result:
            return result
        time.sleep(0.05)
    return None


def program_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "reshalkin":
            return app
    return None


def window(app, name):
    for child in app:
        if child.name.startswith(name) and child.getState().contains(pyatspi.STATE_SHOWING):
            return child
    return None


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda o: o.getRole() == role and o.name == name)


def text_of(obj):
    return obj.queryText().getText(0, -1)


def on_showing(event):
    if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
        notifications.append(event.source.name)


def next_notification(before):
    return pump_until(lambda: notifications[before:] and notifications[before])


def activate(window_name):
    subprocess.run(["xdotool", "search", "--name", window_name, "windowactivate", "--sync"],
                   check=False, timeout=10)


def key(window_name, *keys):
    activate(window_name)
    subprocess.run(["xdotool", "key", *keys], check=True, timeout=10)


def check_circle(app):
    screen = pump_until(lambda: window(app, "Находим площадь"))
    check(screen and screen.getRole() == pyatspi.ROLE_FRAME, "the circle screen is not a frame")
    if not screen:
        return None
    radius = find(screen, pyatspi.ROLE_TEXT, "радиус")
    activate("Находим площадь")
    focused = pump_until(lambda: radius.getState().contains(pyatspi.STATE_FOCUSED))
    check(focused, "радиус has no focus")
    before = len(notifications)
    subprocess.run(["xdotool", "type", "--delay", "50", "2,5"], check=True, timeout=10)
    key("Находим площадь", "Return")
    said = next_notification(before)
    length = text_of(find(screen, pyatspi.ROLE_TEXT, "длина"))
    area_field = find(screen, pyatspi.ROLE_TEXT, "площадь")
    area = text_of(area_field)
    check(length.replace(",", ".") == "15.7" and area.replace(",", ".") == "19.625",
          f"results read back as {length!r} and {area!r}")
    check(said == f"Длина окружности {length}. Площадь круга {area}.",
          f"after the compute the notification said {said!r}")
    check(radius.getState().contains(pyatspi.STATE_FOCUSED), "the compute moved the focus")
    text = area_field.queryText()
    runs = {tuple(text.getAttributeRun(at, True)[1:]) for at in range(len(area) + 1)}
    check(runs == {(0, len(area))}, f"the attributes of {area!r} run {runs}")
    return screen


def check_solution(app):
    key("Находим площадь", "F1")
    solution = pump_until(lambda: window(app, "Решение"))
    check(solution and solution.getRole() == pyatspi.ROLE_FRAME,
          "the solution window is not a frame")
    if not solution:
        return
    figure = find(solution, pyatspi.ROLE_IMAGE, "Чертёж")
    check(figure and figure.description.startswith("Чертёж: круг"),
          f"the figure is {figure and figure.description!r}")
    text = text_of(find(solution, pyatspi.ROLE_TEXT, "Решение"))
    check("умножить на" in text and "в квадрате" in text and "·" not in text and "²" not in text,
          f"the solution reads {text!r}")
    before = len(notifications)
    find(solution, pyatspi.ROLE_PUSH_BUTTON, "Копировать").queryAction().doAction(0)
    said = next_notification(before)
    check(said == "Скопировано", f"copying said {said!r}")


def main():
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = pump_until(program_app)
        menu = app and pump_until(lambda: window(app, os.environ["RESHALKIN_PRODUCT"]))
        check(menu and menu.getRole() == pyatspi.ROLE_FRAME, "the main menu is not a frame")
        if menu:
            find(menu, pyatspi.ROLE_PUSH_BUTTON,
                 "Открыть: площадь и длина окружности").queryAction().doAction(0)
            if check_circle(app):
                check_solution(app)
    finally:
        program.kill()
        program.wait()
    if not failures:
        print("screen reader checks passed")
    return 1 if failures else 0


sys.exit(main())
