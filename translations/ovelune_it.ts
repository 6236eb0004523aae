<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppSettings</name>
    <message>
        <source>Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only while Ovelune runs.</source>
        <translation>Ovelune: non è possibile salvare i tuoi progressi in %1. Assicurati che %2 sia una cartella in cui puoi scrivere (o imposta XDG_CONFIG_HOME su una cartella simile); fino ad allora i progressi durano solo finché Ovelune è aperto.</translation>
    </message>
    <message>
        <source>Ovelune: the progress file %1 was damaged; what could be read was checked and kept, and the file has been written afresh.</source>
        <translation>Ovelune: il file dei progressi %1 era danneggiato; ciò che si è potuto leggere è stato verificato e conservato, e il file è stato riscritto.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.</source>
        <translation>Al momento non è possibile leggere lo storico dei tuoi esercizi (%1). Non si è perso nulla: riprova tra un attimo.</translation>
    </message>
    <message>
        <source>Ovelune: MIDI input is not available (%1: %2); continuing with the on-screen keyboard and the built-in synthesizer.</source>
        <translation>Ovelune: l’ingresso MIDI non è disponibile (%1: %2); si continua con la tastiera sullo schermo e il sintetizzatore integrato.</translation>
    </message>
    <message>
        <source>Ovelune: the sound engine could not start (%1); notes stay silent.</source>
        <translation>Ovelune: il motore audio non è partito (%1); le note restano mute.</translation>
    </message>
    <message>
        <source>Ovelune: the MIDI keyboard &quot;%1&quot; has gone away. Answer on the on-screen keyboard, or plug the MIDI keyboard in again: Ovelune takes it up by itself.</source>
        <translation>Ovelune: la tastiera MIDI «%1» non c’è più. Rispondi sulla tastiera sullo schermo o ricollega la tastiera MIDI: Ovelune la riprende da solo.</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>Tastiera MIDI: %1</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>Nessun MIDI trovato</translation>
    </message>
    <message>
        <source>Ovelune: MIDI devices could not be listed again: %1</source>
        <translation>Ovelune: impossibile elencare di nuovo i dispositivi MIDI: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write every recorded answer to &lt;file&gt; as CSV (one line each, with a header), then exit.</source>
        <translation>Scrive ogni risposta registrata in &lt;file&gt; in formato CSV (una riga ciascuna, con intestazione), poi esce.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Ear training for absolute (perfect) pitch: name single notes by playing the very key.
Without options the training window opens; the Qt toolkit&apos;s options apply to it.</source>
        <translation>Educazione dell’orecchio assoluto: riconoscere singole note suonando proprio il tasto giusto.
Senza opzioni si apre la finestra di esercizio; vi si applicano le opzioni del toolkit Qt.</translation>
    </message>
    <message>
        <source>Ovelune: %1
Try &apos;ovelune --help&apos;.</source>
        <translation>Ovelune: %1
Prova «ovelune --help».</translation>
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
        <translation>Pianoforte a coda</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>Piano elettrico</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Clavicembalo</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Reed organ</source>
        <translation>Armonium</translation>
    </message>
    <message>
        <source>Nylon guitar</source>
        <translation>Chitarra classica</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>Arpa</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violino</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncello</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>Archi</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>Coro</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Tromba</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Clarinetto</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauto</translation>
    </message>
    <message>
        <source>A different instrument each note</source>
        <translation>Uno strumento diverso a ogni nota</translation>
    </message>
</context>
<context>
    <name>FluencyPanel</name>
    <message>
        <source>Fluency over each note&apos;s latest 30 answers: fluent (right within %1 s); right; median response time</source>
        <translation>Sicurezza sulle ultime 30 risposte di ogni nota: sicure (giuste entro %1 s); giuste; tempo di risposta mediano</translation>
    </message>
    <message>
        <source>%1 % fluent</source>
        <translation>%1 % sicure</translation>
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
        <translation>Guida</translation>
    </message>
    <message>
        <source>Ovelune trains perfect pitch: the ability to name a note the moment you hear it, with no reference tone to compare it with. Many people believe it is a rare gift that you either have from birth or never will. It is not: like reading or typing, it is a skill, and with the right method and a little practice every day you can learn it.</source>
        <translation>Ovelune allena l’orecchio assoluto: la capacità di riconoscere una nota nel momento in cui la senti, senza un suono di riferimento con cui confrontarla. Molti pensano che sia un dono raro, che si ha dalla nascita o non si avrà mai. Non è così: come leggere o scrivere al computer, è un’abilità, e con il metodo giusto e un po’ di esercizio ogni giorno puoi impararla.</translation>
    </message>
    <message>
        <source>You begin with a single note, %1, which sounds equally often in every octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and adds the next note as soon as you are ready, until you know all twelve notes of the chromatic scale in every octave. You can also choose for yourself how many notes are played: just click a note on the bar at the top of the window.</source>
        <translation>Cominci con una sola nota, %1, che suona con la stessa frequenza in ogni ottava della tastiera; rispondi trovando proprio quel tasto. Ovelune segue i tuoi progressi e aggiunge la nota successiva appena sei pronto, finché conosci tutte le dodici note della scala cromatica in ogni ottava. Puoi anche scegliere tu quante note vengono suonate: basta fare clic su una nota nella barra in alto nella finestra.</translation>
    </message>
    <message>
        <source>Colours are easy to remember, and they can help you remember pitches too. With the colour hint switched on, the window takes on the colour of each note as it is played, so that every note gets a colour of its own and sound and colour grow together in your memory. Switch the hint off whenever you want to rely on your ears alone.</source>
        <translation>I colori si ricordano facilmente e possono aiutarti a ricordare anche le altezze. Con l’aiuto colore attivo, la finestra prende il colore di ogni nota suonata, così ogni nota ha un colore tutto suo e suono e colore crescono insieme nella tua memoria. Spegni l’aiuto quando vuoi affidarti solo alle tue orecchie.</translation>
    </message>
    <message>
        <source>To answer, click the key you heard on the keyboard at the bottom of the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.</source>
        <translation>Per rispondere, fai clic sul tasto che hai sentito nella tastiera in fondo alla finestra, nell’ottava giusta. Se al computer è collegata una tastiera MIDI, suona semplicemente la nota su di essa: i suoi tasti valgono esattamente come i clic sullo schermo. Sulla tastiera del computer le file di lettere sono tasti di pianoforte, Z S X D C V … e Q 2 W 3 E R …; le frecce le spostano di un’ottava.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Shows the help&apos;s previous page</source>
        <translation>Mostra la pagina precedente della guida</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Pagina successiva</translation>
    </message>
    <message>
        <source>Shows the help&apos;s next page</source>
        <translation>Mostra la pagina successiva della guida</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Shows this page of the help</source>
        <translation>Mostra questa pagina della guida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>Chiude la guida</translation>
    </message>
    <message>
        <source>Ticked, the help does not open when Ovelune starts</source>
        <translation>Se spuntata, la guida non si apre all’avvio di Ovelune</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>Non mostrare più all’avvio</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visita il nostro sito</translation>
    </message>
    <message>
        <source>Opens Ovelune&apos;s website in your browser</source>
        <translation>Apre il sito di Ovelune nel browser</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>Ovelune: %n answers could still not be added to the practice history %1 when Ovelune closed; they are lost.</source>
        <translation>
            <numerusform>Ovelune: alla chiusura di Ovelune %n risposta non era ancora stata aggiunta allo storico degli esercizi %1; è andata persa.</numerusform>
            <numerusform>Ovelune: alla chiusura di Ovelune %n risposte non erano ancora state aggiunte allo storico degli esercizi %1; sono andate perse.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until then training goes on but answers are not recorded.</source>
        <translation>Ovelune: impossibile creare lo storico degli esercizi %1 (non si può creare la cartella %2). Fai in modo che sia possibile (o imposta XDG_DATA_HOME su una cartella in cui puoi scrivere); fino ad allora l’allenamento continua, ma le risposte non vengono registrate.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be opened again.</source>
        <translation>Ovelune: per ora non è possibile aprire lo storico degli esercizi %1 (%2). Resta così com’è: le tue risposte attendono e vi vengono aggiunte appena si potrà riaprirlo.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 was written by a newer Ovelune (its version is %2, this one knows up to %3). It is left as it is, and answers are not recorded.</source>
        <translation>Ovelune: lo storico degli esercizi %1 è stato scritto da un Ovelune più recente (la sua versione è %2, questo conosce fino alla %3). Resta così com’è e le risposte non vengono registrate.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside (%3). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: impossibile leggere lo storico degli esercizi %1 (%2) e metterlo da parte (%3). L’allenamento continua, ma le risposte non vengono registrate.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, but a new history cannot be created (%4). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: impossibile leggere lo storico degli esercizi %1 (%2); è stato messo da parte come %3, ma non si può creare un nuovo storico (%4). L’allenamento continua, ma le risposte non vengono registrate.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Ovelune: impossibile leggere lo storico degli esercizi %1 (%2); è stato messo da parte come %3 ed è stato iniziato un nuovo storico.</translation>
    </message>
    <message numerus="yes">
        <source>Ovelune: more than %n answers wait for the practice history %1; later ones are lost until it can be written again.</source>
        <translation>
            <numerusform>Ovelune: più di %n risposta attende lo storico degli esercizi %1; le successive vanno perse finché non si potrà scriverlo di nuovo.</numerusform>
            <numerusform>Ovelune: più di %n risposte attendono lo storico degli esercizi %1; le successive vanno perse finché non si potrà scriverlo di nuovo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be written again.</source>
        <translation>Ovelune: per ora non è possibile aggiungere risposte allo storico degli esercizi %1 (%2). Resta così com’è: le tue risposte attendono e vi vengono aggiunte appena si potrà scriverlo di nuovo.</translation>
    </message>
    <message>
        <source>The practice history %1 could not be read (%2).</source>
        <translation>Impossibile leggere lo storico degli esercizi %1 (%2).</translation>
    </message>
    <message>
        <source>The export %1 cannot be written (%2).</source>
        <translation>Impossibile scrivere l’esportazione %1 (%2).</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Lingua del desktop</translation>
    </message>
</context>
<context>
    <name>NoteNamesChoice</name>
    <message>
        <source>Note names</source>
        <translation>Nomi delle note</translation>
    </message>
    <message>
        <source>How notes are named in the window</source>
        <translation>Come vengono chiamate le note nella finestra</translation>
    </message>
</context>
<context>
    <name>NoteNamingChoice</name>
    <message>
        <source>Letters (C D E)</source>
        <translation>Lettere (C D E)</translation>
    </message>
    <message>
        <source>German (C D E … H)</source>
        <translation>Tedesco (C D E … H)</translation>
    </message>
    <message>
        <source>Solfège (Do Re Mi)</source>
        <translation>Solfeggio (Do Re Mi)</translation>
    </message>
    <message>
        <source>Japanese (ハ ニ ホ)</source>
        <translation>Giapponese (ハ ニ ホ)</translation>
    </message>
</context>
<context>
    <name>PracticeChecks</name>
    <message>
        <source>No pitch test taken yet</source>
        <translation>Ancora nessun test d’orecchio</translation>
    </message>
    <message>
        <source>Pitch tests, right answers, latest last: %1</source>
        <translation>Test d’orecchio, risposte giuste, dal più vecchio al più recente: %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Ripasso</translation>
    </message>
    <message>
        <source>21 questions on your weakest notes and the notes you confuse (Ctrl+R)</source>
        <translation>21 domande sulle tue note più deboli e su quelle che confondi (Ctrl+R)</translation>
    </message>
    <message>
        <source>Test my pitch</source>
        <translation>Testa l’orecchio</translation>
    </message>
    <message>
        <source>36 notes over the whole range without feedback, then your result card (Ctrl+T)</source>
        <translation>36 note su tutta l’estensione senza verdetto, poi la scheda con il tuo risultato (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch tests over time</source>
        <translation>Test d’orecchio nel tempo</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Reference pitch: A4 = %1 Hz</source>
        <translation>Diapason: La4 = %1 Hz</translation>
    </message>
    <message>
        <source>Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often played at 415 Hz. Train at the pitch of the music you hear.</source>
        <translation>Ogni nota è accordata in modo che il La sopra il Do centrale suoni a questa frequenza. 440 Hz è lo standard abituale; alcune orchestre accordano a 442 o 443 Hz, la musica barocca si suona spesso a 415 Hz. Allenati al diapason della musica che ascolti.</translation>
    </message>
    <message>
        <source>A fluent answer is right and given within</source>
        <translation>Una risposta sicura è giusta e data entro</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>from the start of the note. A note you know by ear comes to you at once; working it out from the note before takes longer. A note is marked fluent when 90 % of its latest 30 answers are.</source>
        <translation>dall’inizio della nota. Una nota che conosci a orecchio ti viene subito; ricavarla dalla nota precedente richiede più tempo. Una nota è segnata come sicura quando lo è il 90 % delle sue ultime 30 risposte.</translation>
    </message>
    <message>
        <source>Pass a level only when fluent</source>
        <translation>Superare un livello solo con sicurezza</translation>
    </message>
    <message>
        <source>A session then passes with 90 % fluent answers instead of 65 % right ones.</source>
        <translation>Una sessione si supera allora con il 90 % di risposte sicure invece del 65 % di risposte giuste.</translation>
    </message>
    <message>
        <source>Clear the ear between notes</source>
        <translation>Ripulire l’orecchio tra le note</translation>
    </message>
    <message>
        <source>Before each note, a second of many notes at once and a short pause, and notes that follow each other at least a fifth apart: no note is named by its interval from the one before.</source>
        <translation>Prima di ogni nota, un secondo di molte note insieme e una breve pausa, e note consecutive distanti almeno una quinta: nessuna nota viene riconosciuta dal suo intervallo con la precedente.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The language of Ovelune&apos;s window and messages; it changes at once</source>
        <translation>La lingua della finestra e dei messaggi di Ovelune; cambia subito</translation>
    </message>
    <message>
        <source>Closes the settings</source>
        <translation>Chiude le impostazioni</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Ovelune: cannot make sure that only one Ovelune at a time uses your progress: the lock file %1 cannot be created. Make %2 a folder you can write to (it is $XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.</source>
        <translation>Ovelune: impossibile garantire che un solo Ovelune alla volta usi i tuoi progressi: non si può creare il file di blocco %1. Rendi %2 una cartella in cui puoi scrivere (è $XDG_RUNTIME_DIR). Ovelune continua; non avviarlo due volte.</translation>
    </message>
    <message>
        <source>Ovelune is already running; its window has been brought to the front.</source>
        <translation>Ovelune è già aperto; la sua finestra è stata portata in primo piano.</translation>
    </message>
    <message>
        <source>Ovelune: another Ovelune (process %1) is using your progress but does not answer. Close it, or end that process, then start Ovelune again.</source>
        <translation>Ovelune: un altro Ovelune (processo %1) sta usando i tuoi progressi ma non risponde. Chiudilo o termina quel processo, poi avvia di nuovo Ovelune.</translation>
    </message>
    <message>
        <source>Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring this window to the front.</source>
        <translation>Ovelune: impossibile restare in ascolto su %1 (%2); avviare Ovelune una seconda volta non porterà questa finestra in primo piano.</translation>
    </message>
</context>
<context>
    <name>SpecialSessions</name>
    <message>
        <source>Pitch test</source>
        <translation>Test d’orecchio</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Ripasso</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Your practice history is still short: this review asks every trained note evenly. </source>
        <translation>Il tuo storico degli esercizi è ancora breve: questo ripasso propone tutte le note allenate in ugual misura. </translation>
    </message>
    <message>
        <source>Review of your weakest notes and the notes you confuse. </source>
        <translation>Ripasso delle tue note più deboli e di quelle che confondi. </translation>
    </message>
    <message>
        <source>%1 questions; your level stays as it is.</source>
        <translation>%1 domande; il tuo livello resta invariato.</translation>
    </message>
    <message>
        <source>Pitch test: %1 notes, no verdict until the end.</source>
        <translation>Test d’orecchio: %1 note, nessun verdetto fino alla fine.</translation>
    </message>
    <message>
        <source>Pitch test: note %1 of %2. Play the key you hear; no verdict until the end.</source>
        <translation>Test d’orecchio: nota %1 di %2. Suona il tasto che senti; nessun verdetto fino alla fine.</translation>
    </message>
    <message>
        <source>Pitch test: %1 of %2 answered.</source>
        <translation>Test d’orecchio: %1 di %2 risposte.</translation>
    </message>
    <message>
        <source>Review done: %1 of %2 right. Your level stays as it was; the keys you missed come back in your next review. Replay note (Space) goes on with your session.</source>
        <translation>Ripasso finito: %1 di %2 giuste. Il tuo livello resta quello di prima; i tasti sbagliati torneranno nel prossimo ripasso. «Risuona la nota» (Spazio) riprende la tua sessione.</translation>
    </message>
    <message>
        <source>Pitch test: %1 % right, %2 % the right note in the wrong octave, %3 semitones off on average, median answer in %4 s.</source>
        <translation>Test d’orecchio: %1 % giuste, %2 % nota giusta nell’ottava sbagliata, in media %3 semitoni di scarto, tempo di risposta mediano %4 s.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Closes the result</source>
        <translation>Chiude il risultato</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Right note, wrong octave: %1 % of answers</source>
        <translation>Nota giusta, ottava sbagliata: %1 % delle risposte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giuste</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>I tuoi esercizi</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Ultimo %n giorno</numerusform>
            <numerusform>Ultimi %n giorni</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutto</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calcolo in corso…</translation>
    </message>
    <message>
        <source>Nothing practised yet in this time. Answer a few questions: your level and score per session, how often you are right on each note and in each octave, the notes you take for others, how quickly you answer and how long you practise each day will appear here.</source>
        <translation>Ancora nessun esercizio in questo periodo. Rispondi a qualche domanda: qui compariranno il tuo livello e il punteggio per sessione, quanto spesso indovini ogni nota e ogni ottava, le note che scambi per altre, quanto rispondi in fretta e quanto ti eserciti ogni giorno.</translation>
    </message>
    <message>
        <source>Score (%) and level per session</source>
        <translation>Punteggio (%) e livello per sessione</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Right per note (%)</source>
        <translation>Giuste per nota (%)</translation>
    </message>
    <message>
        <source>Right per octave (%)</source>
        <translation>Giuste per ottava (%)</translation>
    </message>
    <message>
        <source>Asked (rows) and answered (columns)</source>
        <translation>Chiesta (righe) e risposta (colonne)</translation>
    </message>
    <message>
        <source>Median response time per day (s)</source>
        <translation>Tempo di risposta mediano al giorno (s)</translation>
    </message>
    <message>
        <source>Practice per day (minutes)</source>
        <translation>Esercizio al giorno (minuti)</translation>
    </message>
    <message>
        <source>Right per key: red never, yellow half the time, green always; grey not asked</source>
        <translation>Giuste per tasto: rosso mai, giallo metà delle volte, verde sempre; grigio non chiesto</translation>
    </message>
    <message>
        <source>Shows the figures of this time</source>
        <translation>Mostra i dati di questo periodo</translation>
    </message>
    <message>
        <source>As charts</source>
        <translation>Come grafici</translation>
    </message>
    <message>
        <source>As text</source>
        <translation>Come testo</translation>
    </message>
    <message>
        <source>Shows the figures as charts</source>
        <translation>Mostra i dati come grafici</translation>
    </message>
    <message>
        <source>Shows the figures as text, to read or to have read aloud</source>
        <translation>Mostra i dati come testo, da leggere o da farsi leggere ad alta voce</translation>
    </message>
    <message>
        <source>Figures as text</source>
        <translation>Dati in testo</translation>
    </message>
    <message>
        <source>Your practice in the time chosen, chart by chart</source>
        <translation>I tuoi esercizi nel periodo scelto, grafico per grafico</translation>
    </message>
    <message>
        <source>Right per key (%)</source>
        <translation>Giuste per tasto (%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and its figure, in the figures as text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Answers: %1, right: %2 %</source>
        <translation>Risposte: %1, giuste: %2 %</translation>
    </message>
    <message>
        <source>score %1 %, level %2</source>
        <translation>punteggio %1 %, livello %2</translation>
    </message>
    <message>
        <source>Notes taken for others (asked → answered)</source>
        <translation>Note scambiate per altre (chiesta → risposta)</translation>
    </message>
    <message>
        <source>Closes the statistics</source>
        <translation>Chiude le statistiche</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>The verdict on your last answer</source>
        <translation>Il verdetto sulla tua ultima risposta</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Giusto: %1</translation>
    </message>
    <message>
        <source>Not quite: you played %1, the note was %2</source>
        <translation>Non proprio: hai suonato %1, la nota era %2</translation>
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
        <translation>Riconosci ogni nota che senti suonandone il tasto, ottava compresa</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>Risuona la nota</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>Inizia qui</translation>
    </message>
    <message>
        <source>Plays the note again (Space)</source>
        <translation>Suona di nuovo la nota (Spazio)</translation>
    </message>
    <message>
        <source>Starts the session (Enter)</source>
        <translation>Inizia la sessione (Invio)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Ends Ovelune; your progress is kept</source>
        <translation>Chiude Ovelune; i tuoi progressi restano salvati</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>Riduce a icona la finestra</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Shows how Ovelune trains you</source>
        <translation>Mostra come ti allena Ovelune</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>I tuoi esercizi</translation>
    </message>
    <message>
        <source>Shows the statistics of your practice</source>
        <translation>Mostra le statistiche dei tuoi esercizi</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Opens the settings: reference pitch, fluency and clearing the ear</source>
        <translation>Apre le impostazioni: diapason, sicurezza e pulizia dell’orecchio</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÌ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>The window takes the colour of each note played</source>
        <translation>La finestra prende il colore di ogni nota suonata</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Aiuto colore</translation>
    </message>
    <message>
        <source>Guess the note</source>
        <translation>Indovina la nota</translation>
    </message>
    <message>
        <source>Level %1 of %2: %3</source>
        <translation>Livello %1 di %2: %3</translation>
    </message>
    <message>
        <source>Train at level %1: Space; other levels: the arrow keys</source>
        <translation>Allenati al livello %1: Spazio; altri livelli: le frecce</translation>
    </message>
    <message>
        <source>Choose the notes you train</source>
        <translation>Scegli le note da allenare</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>Clicca la nota</translation>
    </message>
    <message>
        <source>Score: %1 of %2 answered, %3 right</source>
        <translation>Punteggio: %1 di %2 risposte, %3 giuste</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboard</source>
        <translation>Tastiera MIDI</translation>
    </message>
    <message>
        <source>The MIDI keyboard Ovelune listens to</source>
        <translation>La tastiera MIDI che Ovelune ascolta</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Strumento</translation>
    </message>
    <message>
        <source>The instrument the notes sound with</source>
        <translation>Lo strumento con cui suonano le note</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Tastiera del pianoforte</translation>
    </message>
    <message>
        <source>Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to another octave (now from C%1)</source>
        <translation>Rispondi facendo clic su un tasto o con i tasti delle lettere: Z S X D C V … per l’ottava più bassa, Q 2 W 3 E R … per quella sopra; le frecce o Ctrl e da 1 a 7 le spostano in un’altra ottava (ora da C%1)</translation>
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
        <translation>La tua strada verso l’orecchio assoluto</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Aiuto colore</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>Tastiera MIDI e tastiera sullo schermo</translation>
    </message>
</context>
</TS>
