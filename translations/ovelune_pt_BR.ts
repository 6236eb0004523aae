<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppSettings</name>
    <message>
        <source>Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only while Ovelune runs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: the progress file %1 was damaged; what could be read was checked and kept, and the file has been written afresh.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: MIDI input is not available (%1: %2); continuing with the on-screen keyboard and the built-in synthesizer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: the sound engine could not start (%1); notes stay silent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: the MIDI keyboard &quot;%1&quot; has gone away. Answer on the on-screen keyboard, or plug the MIDI keyboard in again: Ovelune takes it up by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: MIDI devices could not be listed again: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write every recorded answer to &lt;file&gt; as CSV (one line each, with a header), then exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ear training for absolute (perfect) pitch: name single notes by playing the very key.
Without options the training window opens; the Qt toolkit&apos;s options apply to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: %1
Try &apos;ovelune --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Core::InstrumentNames</name>
    <message>
        <source>Acoustic grand piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reed organ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nylon guitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cello</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A different instrument each note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FluencyPanel</name>
    <message>
        <source>Fluency over each note&apos;s latest 30 answers: fluent (right within %1 s); right; median response time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % fluent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % · %2 s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune trains perfect pitch: the ability to name a note the moment you hear it, with no reference tone to compare it with. Many people believe it is a rare gift that you either have from birth or never will. It is not: like reading or typing, it is a skill, and with the right method and a little practice every day you can learn it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You begin with a single note, %1, which sounds equally often in every octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and adds the next note as soon as you are ready, until you know all twelve notes of the chromatic scale in every octave. You can also choose for yourself how many notes are played: just click a note on the bar at the top of the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colours are easy to remember, and they can help you remember pitches too. With the colour hint switched on, the window takes on the colour of each note as it is played, so that every note gets a colour of its own and sound and colour grow together in your memory. Switch the hint off whenever you want to rely on your ears alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To answer, click the key you heard on the keyboard at the bottom of the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the help&apos;s previous page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the help&apos;s next page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this page of the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ticked, the help does not open when Ovelune starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens Ovelune&apos;s website in your browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>Ovelune: %n answers could still not be added to the practice history %1 when Ovelune closed; they are lost.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until then training goes on but answers are not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be opened again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 was written by a newer Ovelune (its version is %2, this one knows up to %3). It is left as it is, and answers are not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside (%3). Training goes on, but answers are not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, but a new history cannot be created (%4). Training goes on, but answers are not recorded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Ovelune: more than %n answers wait for the practice history %1; later ones are lost until it can be written again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be written again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The practice history %1 could not be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export %1 cannot be written (%2).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The desktop&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteNamesChoice</name>
    <message>
        <source>Note names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How notes are named in the window</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoteNamingChoice</name>
    <message>
        <source>Letters (C D E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German (C D E … H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solfège (Do Re Mi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese (ハ ニ ホ)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference pitch: A4 = %1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often played at 415 Hz. Train at the pitch of the music you hear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A fluent answer is right and given within</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from the start of the note. A note you know by ear comes to you at once; working it out from the note before takes longer. A note is marked fluent when 90 % of its latest 30 answers are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pass a level only when fluent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A session then passes with 90 % fluent answers instead of 65 % right ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the ear between notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before each note, a second of many notes at once and a short pause, and notes that follow each other at least a fifth apart: no note is named by its interval from the one before.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of Ovelune&apos;s window and messages; it changes at once</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Ovelune: cannot make sure that only one Ovelune at a time uses your progress: the lock file %1 cannot be created. Make %2 a folder you can write to (it is $XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune is already running; its window has been brought to the front.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: another Ovelune (process %1) is using your progress but does not answer. Close it, or end that process, then start Ovelune again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring this window to the front.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Right note, wrong octave: %1 % of answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing practised yet in this time. Answer a few questions: your level and score per session, how often you are right on each note and in each octave, the notes you take for others, how quickly you answer and how long you practise each day will appear here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score (%) and level per session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right per note (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right per octave (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asked (rows) and answered (columns)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median response time per day (s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Practice per day (minutes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right per key: red never, yellow half the time, green always; grey not asked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>The verdict on your last answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not quite: you played %1, the note was %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>appwin</name>
    <message>
        <source>Ovelune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name each note you hear by playing its key, octave included</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays the note again (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starts the session (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ends Ovelune; your progress is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows how Ovelune trains you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the statistics of your practice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the settings: reference pitch, fluency and clearing the ear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window takes the colour of each note played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guess the note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Train at level %1: Space; other levels: the arrow keys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the notes you train</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score: %1 of %2 answered, %3 right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI keyboard Ovelune listens to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The instrument the notes sound with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to another octave (now from C%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>helpControllib</name>
    <message>
        <source>Ovelune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your way to perfect pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
