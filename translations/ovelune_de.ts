<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppSettings</name>
    <message>
        <source>Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only while Ovelune runs.</source>
        <translation>Ovelune: Dein Fortschritt kann nicht in %1 gespeichert werden. Sorge dafür, dass %2 ein Ordner ist, in den du schreiben darfst (oder setze XDG_CONFIG_HOME auf einen solchen); bis dahin gilt der Fortschritt nur, solange Ovelune läuft.</translation>
    </message>
    <message>
        <source>Ovelune: the progress file %1 was damaged; what could be read was checked and kept, and the file has been written afresh.</source>
        <translation>Ovelune: Die Fortschrittsdatei %1 war beschädigt; was sich lesen ließ, wurde geprüft und behalten, und die Datei wurde neu geschrieben.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.</source>
        <translation>Dein Übungsverlauf kann gerade nicht gelesen werden (%1). Es geht nichts verloren: Versuche es gleich noch einmal.</translation>
    </message>
    <message>
        <source>Ovelune: MIDI input is not available (%1: %2); continuing with the on-screen keyboard and the built-in synthesizer.</source>
        <translation>Ovelune: MIDI-Eingabe ist nicht verfügbar (%1: %2); es geht weiter mit der Bildschirmtastatur und dem eingebauten Synthesizer.</translation>
    </message>
    <message>
        <source>Ovelune: the sound engine could not start (%1); notes stay silent.</source>
        <translation>Ovelune: Die Klangerzeugung konnte nicht starten (%1); die Töne bleiben stumm.</translation>
    </message>
    <message>
        <source>Ovelune: the MIDI keyboard &quot;%1&quot; has gone away. Answer on the on-screen keyboard, or plug the MIDI keyboard in again: Ovelune takes it up by itself.</source>
        <translation>Ovelune: Das MIDI-Keyboard „%1“ ist nicht mehr da. Antworte auf der Bildschirmtastatur oder schließe das MIDI-Keyboard wieder an: Ovelune nimmt es von selbst wieder auf.</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>MIDI-Keyboard: %1</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>Kein MIDI gefunden</translation>
    </message>
    <message>
        <source>Ovelune: MIDI devices could not be listed again: %1</source>
        <translation>Ovelune: Die MIDI-Geräte konnten nicht neu aufgelistet werden: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write every recorded answer to &lt;file&gt; as CSV (one line each, with a header), then exit.</source>
        <translation>Schreibt jede aufgezeichnete Antwort als CSV in &lt;Datei&gt; (je eine Zeile, mit Kopfzeile) und beendet dann.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Ear training for absolute (perfect) pitch: name single notes by playing the very key.
Without options the training window opens; the Qt toolkit&apos;s options apply to it.</source>
        <translation>Gehörtraining für das absolute Gehör: einzelne Töne benennen, indem man genau die richtige Taste spielt.
Ohne Optionen öffnet sich das Übungsfenster; die Optionen des Qt-Toolkits gelten dafür.</translation>
    </message>
    <message>
        <source>Ovelune: %1
Try &apos;ovelune --help&apos;.</source>
        <translation>Ovelune: %1
Siehe „ovelune --help“.</translation>
    </message>
    <message>
        <source>Ovelune: %1</source>
        <translation>Ovelune: %1</translation>
    </message>
</context>
<context>
    <name>Core::InstrumentNames</name>
    <message>
        <source>Acoustic grand piano</source>
        <translation>Konzertflügel</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>E-Piano</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Cembalo</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Reed organ</source>
        <translation>Harmonium</translation>
    </message>
    <message>
        <source>Nylon guitar</source>
        <translation>Konzertgitarre</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>Harfe</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violine</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Cello</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>Streicher</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>Chor</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Klarinette</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flöte</translation>
    </message>
    <message>
        <source>A different instrument each note</source>
        <translation>Jeder Ton ein anderes Instrument</translation>
    </message>
</context>
<context>
    <name>FluencyPanel</name>
    <message>
        <source>Fluency over each note&apos;s latest 30 answers: fluent (right within %1 s); right; median response time</source>
        <translation>Sicherheit über die letzten 30 Antworten je Ton: sicher (richtig in %1 s); richtig; mittlere Antwortzeit</translation>
    </message>
    <message>
        <source>%1 % fluent</source>
        <translation>%1 % sicher</translation>
    </message>
    <message>
        <source>%1 % · %2 s</source>
        <translation>%1 % · %2 s</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Ovelune trains perfect pitch: the ability to name a note the moment you hear it, with no reference tone to compare it with. Many people believe it is a rare gift that you either have from birth or never will. It is not: like reading or typing, it is a skill, and with the right method and a little practice every day you can learn it.</source>
        <translation>Ovelune trainiert das absolute Gehör: die Fähigkeit, einen Ton in dem Moment zu benennen, in dem du ihn hörst – ohne Vergleichston. Viele glauben, es sei eine seltene Gabe, die man von Geburt an hat oder nie haben wird. Das stimmt nicht: Wie Lesen oder Tippen ist es eine Fertigkeit, und mit der richtigen Methode und ein wenig Übung jeden Tag kannst du sie lernen.</translation>
    </message>
    <message>
        <source>You begin with a single note, %1, which sounds equally often in every octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and adds the next note as soon as you are ready, until you know all twelve notes of the chromatic scale in every octave. You can also choose for yourself how many notes are played: just click a note on the bar at the top of the window.</source>
        <translation>Du beginnst mit einem einzigen Ton, %1, der in jeder Oktave der Tastatur gleich oft erklingt; antworte, indem du genau diese Taste findest. Ovelune verfolgt, wie gut es dir gelingt, und nimmt den nächsten Ton hinzu, sobald du so weit bist – bis du alle zwölf Töne der chromatischen Tonleiter in jeder Oktave kennst. Du kannst auch selbst wählen, wie viele Töne gespielt werden: Klicke einfach auf einen Ton in der Leiste oben im Fenster.</translation>
    </message>
    <message>
        <source>Colours are easy to remember, and they can help you remember pitches too. With the colour hint switched on, the window takes on the colour of each note as it is played, so that every note gets a colour of its own and sound and colour grow together in your memory. Switch the hint off whenever you want to rely on your ears alone.</source>
        <translation>Farben merkt man sich leicht, und sie können helfen, sich auch Tonhöhen zu merken. Mit eingeschalteter Farbhilfe nimmt das Fenster die Farbe jedes gespielten Tons an, so dass jeder Ton seine eigene Farbe bekommt und Klang und Farbe in deinem Gedächtnis zusammenwachsen. Schalte die Hilfe aus, wann immer du dich allein auf deine Ohren verlassen willst.</translation>
    </message>
    <message>
        <source>To answer, click the key you heard on the keyboard at the bottom of the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.</source>
        <translation>Zum Antworten klickst du auf der Tastatur unten im Fenster die Taste an, die du gehört hast, in der richtigen Oktave. Ist ein MIDI-Keyboard an deinen Computer angeschlossen, spiel den Ton einfach darauf: Seine Tasten zählen genau wie Klicks auf dem Bildschirm. Auf der Computertastatur sind die Buchstabenreihen Klaviertasten, Y S X D C V … und Q 2 W 3 E R …; die Pfeiltasten verschieben sie um eine Oktave.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Shows the help&apos;s previous page</source>
        <translation>Zeigt die vorige Seite der Hilfe</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Shows the help&apos;s next page</source>
        <translation>Zeigt die nächste Seite der Hilfe</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Shows this page of the help</source>
        <translation>Zeigt diese Seite der Hilfe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>Schließt die Hilfe</translation>
    </message>
    <message>
        <source>Ticked, the help does not open when Ovelune starts</source>
        <translation>Angehakt öffnet sich die Hilfe beim Start von Ovelune nicht</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>Beim Programmstart nicht mehr zeigen</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Unsere Website</translation>
    </message>
    <message>
        <source>Opens Ovelune&apos;s website in your browser</source>
        <translation>Öffnet die Website von Ovelune in deinem Browser</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>Ovelune: %n answers could still not be added to the practice history %1 when Ovelune closed; they are lost.</source>
        <translation>
            <numerusform>Ovelune: %n Antwort konnte beim Beenden von Ovelune noch nicht in den Übungsverlauf %1 eingetragen werden; sie ist verloren.</numerusform>
            <numerusform>Ovelune: %n Antworten konnten beim Beenden von Ovelune noch nicht in den Übungsverlauf %1 eingetragen werden; sie sind verloren.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until then training goes on but answers are not recorded.</source>
        <translation>Ovelune: Der Übungsverlauf %1 kann nicht angelegt werden (der Ordner %2 lässt sich nicht erstellen). Sorge dafür, dass das geht (oder setze XDG_DATA_HOME auf einen Ordner, in den du schreiben darfst); bis dahin geht das Training weiter, aber Antworten werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be opened again.</source>
        <translation>Ovelune: Der Übungsverlauf %1 lässt sich vorerst nicht öffnen (%2). Er bleibt, wie er ist: Deine Antworten warten und werden eingetragen, sobald er sich wieder öffnen lässt.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 was written by a newer Ovelune (its version is %2, this one knows up to %3). It is left as it is, and answers are not recorded.</source>
        <translation>Ovelune: Der Übungsverlauf %1 wurde von einem neueren Ovelune geschrieben (seine Version ist %2, dieses kennt bis %3). Er bleibt, wie er ist, und Antworten werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside (%3). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: Der Übungsverlauf %1 konnte nicht gelesen werden (%2) und lässt sich nicht beiseitelegen (%3). Das Training geht weiter, aber Antworten werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, but a new history cannot be created (%4). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: Der Übungsverlauf %1 konnte nicht gelesen werden (%2); er wurde als %3 beiseitegelegt, aber ein neuer Verlauf lässt sich nicht anlegen (%4). Das Training geht weiter, aber Antworten werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Ovelune: Der Übungsverlauf %1 konnte nicht gelesen werden (%2); er wurde als %3 beiseitegelegt und ein neuer Verlauf begonnen.</translation>
    </message>
    <message numerus="yes">
        <source>Ovelune: more than %n answers wait for the practice history %1; later ones are lost until it can be written again.</source>
        <translation>
            <numerusform>Ovelune: Mehr als %n Antwort wartet auf den Übungsverlauf %1; weitere gehen verloren, bis er wieder geschrieben werden kann.</numerusform>
            <numerusform>Ovelune: Mehr als %n Antworten warten auf den Übungsverlauf %1; weitere gehen verloren, bis er wieder geschrieben werden kann.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be written again.</source>
        <translation>Ovelune: Antworten lassen sich vorerst nicht in den Übungsverlauf %1 eintragen (%2). Er bleibt, wie er ist: Deine Antworten warten und werden eingetragen, sobald er wieder geschrieben werden kann.</translation>
    </message>
    <message>
        <source>The practice history %1 could not be read (%2).</source>
        <translation>Der Übungsverlauf %1 konnte nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The export %1 cannot be written (%2).</source>
        <translation>Der Export %1 kann nicht geschrieben werden (%2).</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
</context>
<context>
    <name>NoteNamesChoice</name>
    <message>
        <source>Note names</source>
        <translation>Notennamen</translation>
    </message>
    <message>
        <source>How notes are named in the window</source>
        <translation>Wie die Töne im Fenster heißen</translation>
    </message>
</context>
<context>
    <name>NoteNamingChoice</name>
    <message>
        <source>Letters (C D E)</source>
        <translation>Buchstaben (C D E)</translation>
    </message>
    <message>
        <source>German (C D E … H)</source>
        <translation>Deutsch (C D E … H)</translation>
    </message>
    <message>
        <source>Solfège (Do Re Mi)</source>
        <translation>Solmisation (Do Re Mi)</translation>
    </message>
    <message>
        <source>Japanese (ハ ニ ホ)</source>
        <translation>Japanisch (ハ ニ ホ)</translation>
    </message>
</context>
<context>
    <name>PracticeChecks</name>
    <message>
        <source>No pitch test taken yet</source>
        <translation>Noch keinen Gehörtest gemacht</translation>
    </message>
    <message>
        <source>Pitch tests, right answers, latest last: %1</source>
        <translation>Gehörtests, richtige Antworten, neuester zuletzt: %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Nachüben</translation>
    </message>
    <message>
        <source>21 questions on your weakest notes and the notes you confuse (Ctrl+R)</source>
        <translation>21 Fragen zu deinen schwächsten Tönen und den Tönen, die du verwechselst (Ctrl+R)</translation>
    </message>
    <message>
        <source>Test my pitch</source>
        <translation>Gehör testen</translation>
    </message>
    <message>
        <source>36 notes over the whole range without feedback, then your result card (Ctrl+T)</source>
        <translation>36 Töne über den ganzen Tonumfang ohne Rückmeldung, danach dein Ergebnis im Überblick (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch tests over time</source>
        <translation>Gehörtests im Zeitverlauf</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Reference pitch: A4 = %1 Hz</source>
        <translation>Kammerton: A4 = %1 Hz</translation>
    </message>
    <message>
        <source>Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often played at 415 Hz. Train at the pitch of the music you hear.</source>
        <translation>Jeder Ton wird so gestimmt, dass das A über dem mittleren C mit dieser Frequenz erklingt. 440 Hz ist der übliche Standard; manche Orchester stimmen auf 442 oder 443 Hz, Barockmusik wird oft auf 415 Hz gespielt. Übe in der Stimmung der Musik, die du hörst.</translation>
    </message>
    <message>
        <source>A fluent answer is right and given within</source>
        <translation>Eine sichere Antwort ist richtig und kommt innerhalb von</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>from the start of the note. A note you know by ear comes to you at once; working it out from the note before takes longer. A note is marked fluent when 90 % of its latest 30 answers are.</source>
        <translation>ab Beginn des Tons. Ein Ton, den du nach Gehör kennst, fällt dir sofort ein; ihn vom vorigen Ton aus abzuleiten dauert länger. Ein Ton gilt als sicher, wenn 90 % seiner letzten 30 Antworten sicher sind.</translation>
    </message>
    <message>
        <source>Pass a level only when fluent</source>
        <translation>Stufe nur bei sicheren Antworten bestehen</translation>
    </message>
    <message>
        <source>A session then passes with 90 % fluent answers instead of 65 % right ones.</source>
        <translation>Eine Runde gilt dann mit 90 % sicheren statt 65 % richtigen Antworten als bestanden.</translation>
    </message>
    <message>
        <source>Clear the ear between notes</source>
        <translation>Das Ohr zwischen den Tönen freimachen</translation>
    </message>
    <message>
        <source>Before each note, a second of many notes at once and a short pause, and notes that follow each other at least a fifth apart: no note is named by its interval from the one before.</source>
        <translation>Vor jedem Ton eine Sekunde vieler gleichzeitiger Töne und eine kurze Pause, und aufeinanderfolgende Töne mindestens eine Quinte voneinander entfernt: Kein Ton wird über sein Intervall zum vorigen erkannt.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language of Ovelune&apos;s window and messages; it changes at once</source>
        <translation>Die Sprache von Ovelunes Fenster und Meldungen; sie wechselt sofort</translation>
    </message>
    <message>
        <source>Closes the settings</source>
        <translation>Schließt die Einstellungen</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Ovelune: cannot make sure that only one Ovelune at a time uses your progress: the lock file %1 cannot be created. Make %2 a folder you can write to (it is $XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.</source>
        <translation>Ovelune: Es lässt sich nicht sicherstellen, dass nur ein Ovelune zur Zeit deinen Fortschritt nutzt: Die Sperrdatei %1 kann nicht angelegt werden. Mach %2 zu einem Ordner, in den du schreiben darfst (es ist $XDG_RUNTIME_DIR). Ovelune läuft weiter; starte es nicht zweimal.</translation>
    </message>
    <message>
        <source>Ovelune is already running; its window has been brought to the front.</source>
        <translation>Ovelune läuft bereits; sein Fenster wurde nach vorn geholt.</translation>
    </message>
    <message>
        <source>Ovelune: another Ovelune (process %1) is using your progress but does not answer. Close it, or end that process, then start Ovelune again.</source>
        <translation>Ovelune: Ein anderes Ovelune (Prozess %1) nutzt deinen Fortschritt, antwortet aber nicht. Schließe es oder beende diesen Prozess und starte Ovelune dann erneut.</translation>
    </message>
    <message>
        <source>Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring this window to the front.</source>
        <translation>Ovelune: Kann nicht auf %1 lauschen (%2); ein zweiter Start von Ovelune holt dieses Fenster nicht nach vorn.</translation>
    </message>
</context>
<context>
    <name>SpecialSessions</name>
    <message>
        <source>Pitch test</source>
        <translation>Gehörtest</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Nachüben</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Your practice history is still short: this review asks every trained note evenly. </source>
        <translation>Dein Übungsverlauf ist noch kurz: Beim Nachüben werden daher alle geübten Töne gleich oft abgefragt. </translation>
    </message>
    <message>
        <source>Review of your weakest notes and the notes you confuse. </source>
        <translation>Nachüben deiner schwächsten Töne und der Töne, die du verwechselst. </translation>
    </message>
    <message>
        <source>%1 questions; your level stays as it is.</source>
        <translation>%1 Fragen; deine Stufe bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>Pitch test: %1 notes, no verdict until the end.</source>
        <translation>Gehörtest: %1 Töne, kein Urteil bis zum Schluss.</translation>
    </message>
    <message>
        <source>Pitch test: note %1 of %2. Play the key you hear; no verdict until the end.</source>
        <translation>Gehörtest: Ton %1 von %2. Spiel die Taste, die du hörst; kein Urteil bis zum Schluss.</translation>
    </message>
    <message>
        <source>Pitch test: %1 of %2 answered.</source>
        <translation>Gehörtest: %1 von %2 beantwortet.</translation>
    </message>
    <message>
        <source>Review done: %1 of %2 right. Your level stays as it was; the keys you missed come back in your next review. Replay note (Space) goes on with your session.</source>
        <translation>Nachüben beendet: %1 von %2 richtig. Deine Stufe bleibt, wie sie war; die verfehlten Tasten kommen beim nächsten Nachüben wieder. „Ton wiederholen“ (Leertaste) setzt deine Runde fort.</translation>
    </message>
    <message>
        <source>Pitch test: %1 % right, %2 % the right note in the wrong octave, %3 semitones off on average, median answer in %4 s.</source>
        <translation>Gehörtest: %1 % richtig, %2 % richtiger Ton in falscher Oktave, durchschnittlich %3 Halbtöne daneben, mittlere Antwortzeit %4 s.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes the result</source>
        <translation>Schließt das Ergebnis</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Right note, wrong octave: %1 % of answers</source>
        <translation>Richtiger Ton, falsche Oktave: %1 % der Antworten</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>Deine Übung</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Letzter %n Tag</numerusform>
            <numerusform>Letzte %n Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Wird berechnet …</translation>
    </message>
    <message>
        <source>Nothing practised yet in this time. Answer a few questions: your level and score per session, how often you are right on each note and in each octave, the notes you take for others, how quickly you answer and how long you practise each day will appear here.</source>
        <translation>In diesem Zeitraum noch nichts geübt. Beantworte ein paar Fragen: Deine Stufe und dein Ergebnis je Runde, wie oft du bei jedem Ton und in jeder Oktave richtig liegst, welche Töne du mit anderen verwechselst, wie schnell du antwortest und wie lange du täglich übst, erscheinen dann hier.</translation>
    </message>
    <message>
        <source>Score (%) and level per session</source>
        <translation>Ergebnis (%) und Stufe je Runde</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Right per note (%)</source>
        <translation>Richtig je Ton (%)</translation>
    </message>
    <message>
        <source>Right per octave (%)</source>
        <translation>Richtig je Oktave (%)</translation>
    </message>
    <message>
        <source>Asked (rows) and answered (columns)</source>
        <translation>Gefragt (Zeilen) und geantwortet (Spalten)</translation>
    </message>
    <message>
        <source>Median response time per day (s)</source>
        <translation>Mittlere Antwortzeit je Tag (s)</translation>
    </message>
    <message>
        <source>Practice per day (minutes)</source>
        <translation>Übung je Tag (Minuten)</translation>
    </message>
    <message>
        <source>Right per key: red never, yellow half the time, green always; grey not asked</source>
        <translation>Richtig je Taste: rot nie, gelb zur Hälfte, grün immer; grau nicht gefragt</translation>
    </message>
    <message>
        <source>Shows the figures of this time</source>
        <translation>Zeigt die Zahlen dieses Zeitraums</translation>
    </message>
    <message>
        <source>As charts</source>
        <translation>Als Diagramme</translation>
    </message>
    <message>
        <source>As text</source>
        <translation>Als Text</translation>
    </message>
    <message>
        <source>Shows the figures as charts</source>
        <translation>Zeigt die Zahlen als Diagramme</translation>
    </message>
    <message>
        <source>Shows the figures as text, to read or to have read aloud</source>
        <translation>Zeigt die Zahlen als Text, zum Lesen oder Vorlesenlassen</translation>
    </message>
    <message>
        <source>Figures as text</source>
        <translation>Zahlen als Text</translation>
    </message>
    <message>
        <source>Your practice in the time chosen, chart by chart</source>
        <translation>Deine Übung im gewählten Zeitraum, Diagramm für Diagramm</translation>
    </message>
    <message>
        <source>Right per key (%)</source>
        <translation>Richtig je Taste (%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and its figure, in the figures as text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Answers: %1, right: %2 %</source>
        <translation>Antworten: %1, richtig: %2 %</translation>
    </message>
    <message>
        <source>score %1 %, level %2</source>
        <translation>Ergebnis %1 %, Stufe %2</translation>
    </message>
    <message>
        <source>Notes taken for others (asked → answered)</source>
        <translation>Verwechselte Töne (gefragt → geantwortet)</translation>
    </message>
    <message>
        <source>Closes the statistics</source>
        <translation>Schließt die Statistik</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>The verdict on your last answer</source>
        <translation>Das Urteil über deine letzte Antwort</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Not quite: you played %1, the note was %2</source>
        <translation>Nicht ganz: Du hast %1 gespielt, der Ton war %2</translation>
    </message>
</context>
<context>
    <name>appwin</name>
    <message>
        <source>Ovelune</source>
        <translation>Ovelune</translation>
    </message>
    <message>
        <source>Name each note you hear by playing its key, octave included</source>
        <translation>Benenne jeden gehörten Ton, indem du seine Taste spielst, in der richtigen Oktave</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>Ton wiederholen</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>Hier beginnen</translation>
    </message>
    <message>
        <source>Plays the note again (Space)</source>
        <translation>Spielt den Ton noch einmal (Leertaste)</translation>
    </message>
    <message>
        <source>Starts the session (Enter)</source>
        <translation>Beginnt die Runde (Eingabetaste)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Ends Ovelune; your progress is kept</source>
        <translation>Beendet Ovelune; dein Fortschritt bleibt erhalten</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>Minimiert das Fenster</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Shows how Ovelune trains you</source>
        <translation>Zeigt, wie Ovelune mit dir übt</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>Deine Übung</translation>
    </message>
    <message>
        <source>Shows the statistics of your practice</source>
        <translation>Zeigt die Statistik deiner Übung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Opens the settings: reference pitch, fluency and clearing the ear</source>
        <translation>Öffnet die Einstellungen: Kammerton, Sicherheit und Ohr freimachen</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>The window takes the colour of each note played</source>
        <translation>Das Fenster nimmt die Farbe jedes gespielten Tons an</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Farbhilfe</translation>
    </message>
    <message>
        <source>Guess the note</source>
        <translation>Erkenne den Ton</translation>
    </message>
    <message>
        <source>Level %1 of %2: %3</source>
        <translation>Stufe %1 von %2: %3</translation>
    </message>
    <message>
        <source>Train at level %1: Space; other levels: the arrow keys</source>
        <translation>Auf Stufe %1 üben: Leertaste; andere Stufen: Pfeiltasten</translation>
    </message>
    <message>
        <source>Choose the notes you train</source>
        <translation>Wähle die Töne, die du übst</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>Ton anklicken</translation>
    </message>
    <message>
        <source>Score: %1 of %2 answered, %3 right</source>
        <translation>Ergebnis: %1 von %2 beantwortet, %3 richtig</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboard</source>
        <translation>MIDI-Keyboard</translation>
    </message>
    <message>
        <source>The MIDI keyboard Ovelune listens to</source>
        <translation>Das MIDI-Keyboard, auf das Ovelune hört</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>The instrument the notes sound with</source>
        <translation>Das Instrument, mit dem die Töne klingen</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Klaviertastatur</translation>
    </message>
    <message>
        <source>Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to another octave (now from C%1)</source>
        <translation>Antworte mit einem Klick auf eine Taste oder mit den Buchstabentasten: Y S X D C V … für die untere Oktave, Q 2 W 3 E R … für die darüber; die Pfeiltasten oder Strg mit 1 bis 7 verschieben sie in eine andere Oktave (jetzt ab C%1)</translation>
    </message>
</context>
<context>
    <name>helpControllib</name>
    <message>
        <source>Ovelune</source>
        <translation>Ovelune</translation>
    </message>
    <message>
        <source>Your way to perfect pitch</source>
        <translation>Dein Weg zum absoluten Gehör</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Farbhilfe</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>MIDI und Bildschirmtastatur</translation>
    </message>
</context>
</TS>
