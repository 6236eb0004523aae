#!/usr/bin/python3
"""The real program as a screen reader meets it, over AT-SPI (run in its own D-Bus session,
under run_isolated.sh): every control named, and the verdict said anew after an answer typed
on the letter keys, in the desktop's language and its note names (French: solfège).  Usage: accessible_tree_test.py PROGRAM"""
import configparser, os, re, shutil, subprocess, sys, time
try:
    import pyatspi
except ImportError:
    sys.exit(77)  # skipped: python3-pyatspi is not installed

CONTROLS = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST,
            pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LINK, pyatspi.ROLE_SLIDER, pyatspi.ROLE_TOGGLE_BUTTON}


def wait_for(what, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        found = what()
        if found:
            return found
        time.sleep(0.2)
    sys.exit("timed out waiting for " + what.__doc__)


def shown(node):
    """All showing objects under node."""
    out = []
    for child in node:
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            out += [child] + shown(child)
    return out


def all_named(window):
    """Every control shown says what it is and what it does."""
    unnamed = [n.getRoleName() + ":" + n.name for n in shown(window)
               if n.getRole() in CONTROLS and not (n.name.strip() and n.description.strip())]
    assert not unnamed, "controls without a name or a description: %s" % unnamed


def asked():
    """the note asked now, as the store has it"""
    store = configparser.ConfigParser(interpolation=None)
    store.read(os.path.join(os.environ["XDG_CONFIG_HOME"], "Quorvex", "Ovelune.conf"))
    current = store.getint("GlobalSetting", "CurrentQuestion", fallback=-1)
    return store.getint("StatsAndQuestions", "questions\\%d\\question" % (current + 1), fallback=None)


def focused(window):
    return [n.name for n in shown(window) if n.getState().contains(pyatspi.STATE_FOCUSED)]


def statistics(window, key, octave):
    """The statistics view used from the keyboard alone: Tab reaches its button and Space opens
    it with the keys on the time shown; Return chooses another time; each chart says its
    figures, and the text view holds them all; Escape gives the keys back to the button."""
    def tab(keys="Tab"):
        before = focused(window)
        key(keys)
        return wait_for(lambda: focused(window) != before and focused(window))
    for _ in range(30):
        if "Votre entraînement" in tab():
            break
    key("space")
    wait_for(lambda: focused(window) == ["30 derniers jours"])
    all_named(window)
    assert tab("shift+Tab") == ["7 derniers jours"], focused(window)
    key("Return")

    def chosen(*names):
        return [n.name for n in shown(window) if n.getRole() == pyatspi.ROLE_RADIO_BUTTON
                and n.getState().contains(pyatspi.STATE_CHECKED)] == list(names)
    wait_for(lambda: chosen("7 derniers jours", "En graphiques"))
    # One answer, Do asked and Do of another octave played.
    mine = "Do\u00a0: 0 % (0/1)"

    def chart():
        """the chart of right answers per note saying its figures"""
        return next((n for n in shown(window) if n.name == "Justes par note (%)" and mine in n.description), None)
    wait_for(chart)
    for expected in ("30 derniers jours", "Tout", "En graphiques", "En texte"):
        assert tab() == [expected], (expected, focused(window))
    key("space")
    wait_for(lambda: chosen("7 derniers jours", "En texte"))
    view = wait_for(lambda: next((n for n in shown(window) if n.name == "Les chiffres en texte"), None))
    text = view.queryText().getText(0, -1).replace("\u2029", "\n")  # paragraphs as lines
    for line in ("Réponses\u00a0: 1, justes\u00a0: 0 %", "Bonne note, mauvaise octave\u00a0: 100,0 % des réponses",
                 "Justes par note (%)\n" + mine, "Justes par touche (%%)\nDo%d\u00a0: 0 %% (0/1)" % octave):
        assert line in text, (line, text)
    key("Escape")
    wait_for(lambda: focused(window) == ["Votre entraînement"])
    print("statistics as text:", text.replace("\n", " | ")[:200])


def main():
    if not all(shutil.which(tool) for tool in ("Xvfb", "openbox", "xdotool")):
        sys.exit(77)
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1366x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.PIPE)
    env = dict(os.environ, DISPLAY=":" + xvfb.stdout.readline().decode().strip(), QT_QPA_PLATFORM="xcb",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", OVELUNE_MIDI_API="none", LANG="fr_FR.UTF-8", LANGUAGE="")
    openbox = subprocess.Popen(["openbox"], env=env)
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        def app():
            """the program on the accessibility bus"""
            return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Ovelune" and a.childCount), None)
        window = wait_for(app)[0]
        # The help shows on a first run, over the main window's header.
        names = wait_for(lambda: {n.name for n in shown(window)} >= {"Aide", "Noms des notes", "Page suivante"} and
                         {n.name for n in shown(window)})
        all_named(window)
        # Its Close button, clicked where the tree says it is.
        close = next(n for n in shown(window) if n.name == "Fermer" and n.description == "Ferme l’aide")
        x, y = close.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[:2]
        subprocess.run(["xdotool", "mousemove", str(x + 10), str(y + 10), "click", "1"], env=env, check=True)
        controls = wait_for(lambda: {n.name: n for n in shown(window) if n.getRole() in CONTROLS} if
                            "Clavier MIDI" in {n.name for n in shown(window)} else None)
        all_named(window)
        for name in ["Commencer", "Aide couleur", "Aide", "Votre entraînement", "Masquer", "Fermer", "Clavier MIDI",
                     "Instrument"]:
            assert name in controls, name
        assert "Niveau 1 sur 12\u00a0: Do" in controls, controls.keys()
        verdict = next(n for n in shown(window) if n.description == "Le verdict sur votre dernière réponse")
        # Tab reaches the start button first, and Space presses it.
        key = lambda *keys: subprocess.run(["xdotool", "key"] + list(keys), env=env, check=True)
        key("Tab")
        wait_for(lambda: [n for n in shown(window) if n.getState().contains(pyatspi.STATE_FOCUSED) and n.name == "Commencer"])
        key("space")
        note = wait_for(asked)
        wrong = 5 if note == 48 else 3
        key("ctrl+%d" % wrong)  # while the note plays: the letter rows from Do3 (or Do5)

        def said():
            """a verdict after a typed answer"""
            key("z")
            time.sleep(0.5)
            return verdict.name
        text = wait_for(said)
        assert text == "Pas tout à fait\u00a0: vous avez joué Do%d, la note était Do%d" % (wrong, note // 12 - 1), text
        score = wait_for(lambda: next((n.name for n in shown(window) if n.name.startswith("Score\u00a0: 1 sur 7")), None))
        print("verdict:", text, "| score:", score)
        statistics(window, key, note // 12 - 1)
    finally:
        for p in (program, openbox, xvfb):
            p.terminate()
            p.wait(10)


main()
