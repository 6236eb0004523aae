<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppSettings</name>
    <message>
        <source>Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only while Ovelune runs.</source>
        <translation>Ovelune: no se puede guardar tu progreso en %1. Asegúrate de que %2 sea una carpeta en la que puedas escribir (o apunta XDG_CONFIG_HOME a una); mientras tanto, el progreso solo dura mientras Ovelune esté abierto.</translation>
    </message>
    <message>
        <source>Ovelune: the progress file %1 was damaged; what could be read was checked and kept, and the file has been written afresh.</source>
        <translation>Ovelune: el archivo de progreso %1 estaba dañado; lo que se pudo leer se comprobó y se conservó, y el archivo se ha escrito de nuevo.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.</source>
        <translation>Ahora no se puede leer tu historial de práctica (%1). No se ha perdido nada: vuelve a intentarlo en un momento.</translation>
    </message>
    <message>
        <source>Ovelune: MIDI input is not available (%1: %2); continuing with the on-screen keyboard and the built-in synthesizer.</source>
        <translation>Ovelune: la entrada MIDI no está disponible (%1: %2); se continúa con el teclado en pantalla y el sintetizador integrado.</translation>
    </message>
    <message>
        <source>Ovelune: the sound engine could not start (%1); notes stay silent.</source>
        <translation>Ovelune: el motor de sonido no pudo arrancar (%1); las notas no sonarán.</translation>
    </message>
    <message>
        <source>Ovelune: the MIDI keyboard &quot;%1&quot; has gone away. Answer on the on-screen keyboard, or plug the MIDI keyboard in again: Ovelune takes it up by itself.</source>
        <translation>Ovelune: el teclado MIDI «%1» ya no está. Responde con el teclado en pantalla o vuelve a conectar el teclado MIDI: Ovelune lo retomará por sí solo.</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>Teclado MIDI: %1</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>No se encontró MIDI</translation>
    </message>
    <message>
        <source>Ovelune: MIDI devices could not be listed again: %1</source>
        <translation>Ovelune: no se pudieron volver a listar los dispositivos MIDI: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write every recorded answer to &lt;file&gt; as CSV (one line each, with a header), then exit.</source>
        <translation>Escribe cada respuesta registrada en &lt;archivo&gt; como CSV (una línea por respuesta, con encabezado) y sale.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Ear training for absolute (perfect) pitch: name single notes by playing the very key.
Without options the training window opens; the Qt toolkit&apos;s options apply to it.</source>
        <translation>Entrenamiento auditivo para el oído absoluto: nombra notas sueltas tocando exactamente su tecla.
Sin opciones se abre la ventana de entrenamiento; a ella se aplican las opciones del toolkit Qt.</translation>
    </message>
    <message>
        <source>Ovelune: %1
Try &apos;ovelune --help&apos;.</source>
        <translation>Ovelune: %1
Prueba «ovelune --help».</translation>
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
        <translation>Piano de cola</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>Piano eléctrico</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Clave</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Reed organ</source>
        <translation>Armonio</translation>
    </message>
    <message>
        <source>Nylon guitar</source>
        <translation>Guitarra clásica</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>Arpa</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violín</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violonchelo</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>Cuerdas</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>Coro</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompeta</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Clarinete</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flauta</translation>
    </message>
    <message>
        <source>A different instrument each note</source>
        <translation>Un instrumento distinto en cada nota</translation>
    </message>
</context>
<context>
    <name>FluencyPanel</name>
    <message>
        <source>Fluency over each note&apos;s latest 30 answers: fluent (right within %1 s); right; median response time</source>
        <translation>Fluidez en las 30 últimas respuestas de cada nota: fluida (correcta en %1 s); correcta; tiempo de respuesta mediano</translation>
    </message>
    <message>
        <source>%1 % fluent</source>
        <translation>%1 % fluidas</translation>
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
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Ovelune trains perfect pitch: the ability to name a note the moment you hear it, with no reference tone to compare it with. Many people believe it is a rare gift that you either have from birth or never will. It is not: like reading or typing, it is a skill, and with the right method and a little practice every day you can learn it.</source>
        <translation>Ovelune entrena el oído absoluto: la capacidad de nombrar una nota en el momento en que la oyes, sin ningún tono de referencia con el que compararla. Mucha gente cree que es un don raro que se tiene de nacimiento o no se tendrá nunca. No es así: como leer o escribir a máquina, es una habilidad, y con el método adecuado y un poco de práctica cada día puedes aprenderla.</translation>
    </message>
    <message>
        <source>You begin with a single note, %1, which sounds equally often in every octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and adds the next note as soon as you are ready, until you know all twelve notes of the chromatic scale in every octave. You can also choose for yourself how many notes are played: just click a note on the bar at the top of the window.</source>
        <translation>Empiezas con una sola nota, %1, que suena con la misma frecuencia en todas las octavas del teclado; responde encontrando exactamente esa tecla. Ovelune sigue cómo te va y añade la siguiente nota en cuanto estás listo, hasta que conoces las doce notas de la escala cromática en todas las octavas. También puedes elegir tú cuántas notas se tocan: basta con hacer clic en una nota de la barra de la parte superior de la ventana.</translation>
    </message>
    <message>
        <source>Colours are easy to remember, and they can help you remember pitches too. With the colour hint switched on, the window takes on the colour of each note as it is played, so that every note gets a colour of its own and sound and colour grow together in your memory. Switch the hint off whenever you want to rely on your ears alone.</source>
        <translation>Los colores se recuerdan con facilidad y también pueden ayudarte a recordar las alturas. Con la pista de color activada, la ventana toma el color de cada nota que suena, de modo que cada nota tiene su propio color y sonido y color crecen juntos en tu memoria. Desactiva la pista siempre que quieras fiarte solo de tu oído.</translation>
    </message>
    <message>
        <source>To answer, click the key you heard on the keyboard at the bottom of the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.</source>
        <translation>Para responder, haz clic en la tecla que oíste en el teclado de la parte inferior de la ventana, en la octava correcta. Si tienes un teclado MIDI conectado al ordenador, toca la nota en él: sus teclas cuentan exactamente igual que los clics en la pantalla. En el teclado del ordenador, las filas de letras son teclas de piano, Z S X D C V … y Q 2 W 3 E R …; las flechas las desplazan una octava.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Shows the help&apos;s previous page</source>
        <translation>Muestra la página anterior de la ayuda</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Shows the help&apos;s next page</source>
        <translation>Muestra la página siguiente de la ayuda</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Shows this page of the help</source>
        <translation>Muestra esta página de la ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>Cierra la ayuda</translation>
    </message>
    <message>
        <source>Ticked, the help does not open when Ovelune starts</source>
        <translation>Marcada, la ayuda no se abre al iniciar Ovelune</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>No volver a mostrar al iniciar</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visita nuestra web</translation>
    </message>
    <message>
        <source>Opens Ovelune&apos;s website in your browser</source>
        <translation>Abre la web de Ovelune en tu navegador</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>Ovelune: %n answers could still not be added to the practice history %1 when Ovelune closed; they are lost.</source>
        <translation>
            <numerusform>Ovelune: al cerrarse Ovelune, %n respuesta aún no se había podido añadir al historial de práctica %1; se ha perdido.</numerusform>
            <numerusform>Ovelune: al cerrarse Ovelune, %n respuestas aún no se habían podido añadir al historial de práctica %1; se han perdido.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until then training goes on but answers are not recorded.</source>
        <translation>Ovelune: no se puede crear el historial de práctica %1 (no se puede crear la carpeta %2). Asegúrate de que se pueda (o apunta XDG_DATA_HOME a una carpeta en la que puedas escribir); mientras tanto el entrenamiento sigue, pero las respuestas no se registran.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be opened again.</source>
        <translation>Ovelune: por ahora no se puede abrir el historial de práctica %1 (%2). Se conserva tal cual: tus respuestas esperan y se añadirán en cuanto se pueda abrir de nuevo.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 was written by a newer Ovelune (its version is %2, this one knows up to %3). It is left as it is, and answers are not recorded.</source>
        <translation>Ovelune: el historial de práctica %1 lo escribió un Ovelune más reciente (su versión es %2, este conoce hasta la %3). Se deja tal cual y las respuestas no se registran.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside (%3). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: no se pudo leer el historial de práctica %1 (%2) ni apartarlo (%3). El entrenamiento sigue, pero las respuestas no se registran.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, but a new history cannot be created (%4). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: no se pudo leer el historial de práctica %1 (%2); se apartó como %3, pero no se puede crear un historial nuevo (%4). El entrenamiento sigue, pero las respuestas no se registran.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Ovelune: no se pudo leer el historial de práctica %1 (%2); se apartó como %3 y se empezó un historial nuevo.</translation>
    </message>
    <message numerus="yes">
        <source>Ovelune: more than %n answers wait for the practice history %1; later ones are lost until it can be written again.</source>
        <translation>
            <numerusform>Ovelune: más de %n respuesta espera al historial de práctica %1; las siguientes se pierden hasta que se pueda volver a escribir.</numerusform>
            <numerusform>Ovelune: más de %n respuestas esperan al historial de práctica %1; las siguientes se pierden hasta que se pueda volver a escribir.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be written again.</source>
        <translation>Ovelune: por ahora no se pueden añadir respuestas al historial de práctica %1 (%2). Se conserva tal cual: tus respuestas esperan y se añadirán en cuanto se pueda volver a escribir.</translation>
    </message>
    <message>
        <source>The practice history %1 could not be read (%2).</source>
        <translation>No se pudo leer el historial de práctica %1 (%2).</translation>
    </message>
    <message>
        <source>The export %1 cannot be written (%2).</source>
        <translation>No se puede escribir la exportación %1 (%2).</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Idioma del escritorio</translation>
    </message>
</context>
<context>
    <name>NoteNamesChoice</name>
    <message>
        <source>Note names</source>
        <translation>Nombres de las notas</translation>
    </message>
    <message>
        <source>How notes are named in the window</source>
        <translation>Cómo se nombran las notas en la ventana</translation>
    </message>
</context>
<context>
    <name>NoteNamingChoice</name>
    <message>
        <source>Letters (C D E)</source>
        <translation>Letras (C D E)</translation>
    </message>
    <message>
        <source>German (C D E … H)</source>
        <translation>Alemán (C D E … H)</translation>
    </message>
    <message>
        <source>Solfège (Do Re Mi)</source>
        <translation>Solfeo (Do Re Mi)</translation>
    </message>
    <message>
        <source>Japanese (ハ ニ ホ)</source>
        <translation>Japonés (ハ ニ ホ)</translation>
    </message>
</context>
<context>
    <name>PracticeChecks</name>
    <message>
        <source>No pitch test taken yet</source>
        <translation>Aún no has hecho ninguna prueba de oído</translation>
    </message>
    <message>
        <source>Pitch tests, right answers, latest last: %1</source>
        <translation>Pruebas de oído, respuestas correctas, la más reciente al final: %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <source>21 questions on your weakest notes and the notes you confuse (Ctrl+R)</source>
        <translation>21 preguntas sobre tus notas más débiles y las notas que confundes (Ctrl+R)</translation>
    </message>
    <message>
        <source>Test my pitch</source>
        <translation>Prueba tu oído</translation>
    </message>
    <message>
        <source>36 notes over the whole range without feedback, then your result card (Ctrl+T)</source>
        <translation>36 notas en toda la extensión del teclado, sin veredicto, y al final tus resultados (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch tests over time</source>
        <translation>Pruebas de oído a lo largo del tiempo</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Reference pitch: A4 = %1 Hz</source>
        <translation>Diapasón: La4 = %1 Hz</translation>
    </message>
    <message>
        <source>Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often played at 415 Hz. Train at the pitch of the music you hear.</source>
        <translation>Cada nota se afina para que el La por encima del Do central suene a esta frecuencia. 440 Hz es el estándar habitual; algunas orquestas afinan a 442 o 443 Hz, y la música barroca se toca a menudo a 415 Hz. Entrena con la afinación de la música que escuchas.</translation>
    </message>
    <message>
        <source>A fluent answer is right and given within</source>
        <translation>Una respuesta fluida es correcta y llega en menos de</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>from the start of the note. A note you know by ear comes to you at once; working it out from the note before takes longer. A note is marked fluent when 90 % of its latest 30 answers are.</source>
        <translation>desde el inicio de la nota. Una nota que conoces de oído te viene al instante; deducirla de la nota anterior lleva más tiempo. Una nota se marca como fluida cuando lo son el 90 % de sus 30 últimas respuestas.</translation>
    </message>
    <message>
        <source>Pass a level only when fluent</source>
        <translation>Superar un nivel solo con fluidez</translation>
    </message>
    <message>
        <source>A session then passes with 90 % fluent answers instead of 65 % right ones.</source>
        <translation>Así, una sesión se supera con un 90 % de respuestas fluidas en lugar de un 65 % de correctas.</translation>
    </message>
    <message>
        <source>Clear the ear between notes</source>
        <translation>Despejar el oído entre notas</translation>
    </message>
    <message>
        <source>Before each note, a second of many notes at once and a short pause, and notes that follow each other at least a fifth apart: no note is named by its interval from the one before.</source>
        <translation>Antes de cada nota, un segundo de muchas notas a la vez y una breve pausa, y notas consecutivas separadas al menos una quinta: ninguna nota se reconoce por su intervalo con la anterior.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language of Ovelune&apos;s window and messages; it changes at once</source>
        <translation>El idioma de la ventana y los mensajes de Ovelune; cambia al instante</translation>
    </message>
    <message>
        <source>Closes the settings</source>
        <translation>Cierra los ajustes</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Ovelune: cannot make sure that only one Ovelune at a time uses your progress: the lock file %1 cannot be created. Make %2 a folder you can write to (it is $XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.</source>
        <translation>Ovelune: no se puede garantizar que solo un Ovelune a la vez use tu progreso: no se puede crear el archivo de bloqueo %1. Haz de %2 una carpeta en la que puedas escribir (es $XDG_RUNTIME_DIR). Ovelune sigue funcionando; no lo inicies dos veces.</translation>
    </message>
    <message>
        <source>Ovelune is already running; its window has been brought to the front.</source>
        <translation>Ovelune ya está abierto; su ventana se ha traído al frente.</translation>
    </message>
    <message>
        <source>Ovelune: another Ovelune (process %1) is using your progress but does not answer. Close it, or end that process, then start Ovelune again.</source>
        <translation>Ovelune: otro Ovelune (proceso %1) está usando tu progreso pero no responde. Ciérralo o termina ese proceso, y luego inicia Ovelune de nuevo.</translation>
    </message>
    <message>
        <source>Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring this window to the front.</source>
        <translation>Ovelune: no se puede escuchar en %1 (%2); iniciar Ovelune otra vez no traerá esta ventana al frente.</translation>
    </message>
</context>
<context>
    <name>SpecialSessions</name>
    <message>
        <source>Pitch test</source>
        <translation>Prueba de oído</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Repaso</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Your practice history is still short: this review asks every trained note evenly. </source>
        <translation>Tu historial de práctica aún es corto: este repaso reparte las preguntas por igual entre todas las notas que entrenas. </translation>
    </message>
    <message>
        <source>Review of your weakest notes and the notes you confuse. </source>
        <translation>Repaso de tus notas más débiles y de las notas que confundes. </translation>
    </message>
    <message>
        <source>%1 questions; your level stays as it is.</source>
        <translation>%1 preguntas; tu nivel no cambia.</translation>
    </message>
    <message>
        <source>Pitch test: %1 notes, no verdict until the end.</source>
        <translation>Prueba de oído: %1 notas, sin veredicto hasta el final.</translation>
    </message>
    <message>
        <source>Pitch test: note %1 of %2. Play the key you hear; no verdict until the end.</source>
        <translation>Prueba de oído: nota %1 de %2. Toca la tecla que oyes; sin veredicto hasta el final.</translation>
    </message>
    <message>
        <source>Pitch test: %1 of %2 answered.</source>
        <translation>Prueba de oído: %1 de %2 respondidas.</translation>
    </message>
    <message>
        <source>Review done: %1 of %2 right. Your level stays as it was; the keys you missed come back in your next review. Replay note (Space) goes on with your session.</source>
        <translation>Repaso terminado: %1 de %2 correctas. Tu nivel sigue igual; las teclas que fallaste volverán en tu próximo repaso. «Repetir nota» (Espacio) continúa tu sesión.</translation>
    </message>
    <message>
        <source>Pitch test: %1 % right, %2 % the right note in the wrong octave, %3 semitones off on average, median answer in %4 s.</source>
        <translation>Prueba de oído: %1 % de aciertos, %2 % con la nota correcta en la octava equivocada, desviación media de %3 semitonos, tiempo de respuesta mediano de %4 s.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes the result</source>
        <translation>Cierra el resultado</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Right note, wrong octave: %1 % of answers</source>
        <translation>Nota correcta, octava equivocada: %1 % de las respuestas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>Tu práctica</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Último %n día</numerusform>
            <numerusform>Últimos %n días</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calculando…</translation>
    </message>
    <message>
        <source>Nothing practised yet in this time. Answer a few questions: your level and score per session, how often you are right on each note and in each octave, the notes you take for others, how quickly you answer and how long you practise each day will appear here.</source>
        <translation>Todavía no has practicado en este periodo. Responde unas cuantas preguntas: aquí aparecerán tu nivel y tu puntuación por sesión, cuántas veces aciertas cada nota y cada octava, qué notas confundes con otras, lo rápido que respondes y cuánto practicas cada día.</translation>
    </message>
    <message>
        <source>Score (%) and level per session</source>
        <translation>Puntuación (%) y nivel por sesión</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Right per note (%)</source>
        <translation>Aciertos por nota (%)</translation>
    </message>
    <message>
        <source>Right per octave (%)</source>
        <translation>Aciertos por octava (%)</translation>
    </message>
    <message>
        <source>Asked (rows) and answered (columns)</source>
        <translation>Preguntada (filas) y respondida (columnas)</translation>
    </message>
    <message>
        <source>Median response time per day (s)</source>
        <translation>Tiempo de respuesta mediano por día (s)</translation>
    </message>
    <message>
        <source>Practice per day (minutes)</source>
        <translation>Práctica por día (minutos)</translation>
    </message>
    <message>
        <source>Right per key: red never, yellow half the time, green always; grey not asked</source>
        <translation>Aciertos por tecla: rojo nunca, amarillo la mitad de las veces, verde siempre; gris sin preguntar</translation>
    </message>
    <message>
        <source>Shows the figures of this time</source>
        <translation>Muestra las cifras de este periodo</translation>
    </message>
    <message>
        <source>As charts</source>
        <translation>Como gráficos</translation>
    </message>
    <message>
        <source>As text</source>
        <translation>Como texto</translation>
    </message>
    <message>
        <source>Shows the figures as charts</source>
        <translation>Muestra las cifras como gráficos</translation>
    </message>
    <message>
        <source>Shows the figures as text, to read or to have read aloud</source>
        <translation>Muestra las cifras como texto, para leerlas o escucharlas en voz alta</translation>
    </message>
    <message>
        <source>Figures as text</source>
        <translation>Cifras en texto</translation>
    </message>
    <message>
        <source>Your practice in the time chosen, chart by chart</source>
        <translation>Tu práctica en el periodo elegido, gráfico por gráfico</translation>
    </message>
    <message>
        <source>Right per key (%)</source>
        <translation>Aciertos por tecla (%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and its figure, in the figures as text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Answers: %1, right: %2 %</source>
        <translation>Respuestas: %1, aciertos: %2 %</translation>
    </message>
    <message>
        <source>score %1 %, level %2</source>
        <translation>puntuación %1 %, nivel %2</translation>
    </message>
    <message>
        <source>Notes taken for others (asked → answered)</source>
        <translation>Notas confundidas con otras (preguntada → respondida)</translation>
    </message>
    <message>
        <source>Closes the statistics</source>
        <translation>Cierra las estadísticas</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>The verdict on your last answer</source>
        <translation>El veredicto sobre tu última respuesta</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <source>Not quite: you played %1, the note was %2</source>
        <translation>Casi: tocaste %1, la nota era %2</translation>
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
        <translation>Nombra cada nota que oigas tocando su tecla, con la octava incluida</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>Repetir nota</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>Empezar aquí</translation>
    </message>
    <message>
        <source>Plays the note again (Space)</source>
        <translation>Vuelve a tocar la nota (Espacio)</translation>
    </message>
    <message>
        <source>Starts the session (Enter)</source>
        <translation>Empieza la sesión (Intro)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Ends Ovelune; your progress is kept</source>
        <translation>Cierra Ovelune; tu progreso se conserva</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>Minimiza la ventana</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Shows how Ovelune trains you</source>
        <translation>Muestra cómo te entrena Ovelune</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>Tu práctica</translation>
    </message>
    <message>
        <source>Shows the statistics of your practice</source>
        <translation>Muestra las estadísticas de tu práctica</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Opens the settings: reference pitch, fluency and clearing the ear</source>
        <translation>Abre los ajustes: diapasón, fluidez y despejar el oído</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>The window takes the colour of each note played</source>
        <translation>La ventana toma el color de cada nota que suena</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Pista de color</translation>
    </message>
    <message>
        <source>Guess the note</source>
        <translation>Adivina la nota</translation>
    </message>
    <message>
        <source>Level %1 of %2: %3</source>
        <translation>Nivel %1 de %2: %3</translation>
    </message>
    <message>
        <source>Train at level %1: Space; other levels: the arrow keys</source>
        <translation>Entrenar en el nivel %1: Espacio; otros niveles: las flechas</translation>
    </message>
    <message>
        <source>Choose the notes you train</source>
        <translation>Elige las notas que entrenas</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>Haz clic en la nota</translation>
    </message>
    <message>
        <source>Score: %1 of %2 answered, %3 right</source>
        <translation>Puntuación: %1 de %2 respondidas, %3 correctas</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboard</source>
        <translation>Teclado MIDI</translation>
    </message>
    <message>
        <source>The MIDI keyboard Ovelune listens to</source>
        <translation>El teclado MIDI que escucha Ovelune</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>The instrument the notes sound with</source>
        <translation>El instrumento con el que suenan las notas</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Teclado de piano</translation>
    </message>
    <message>
        <source>Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to another octave (now from C%1)</source>
        <translation>Responde haciendo clic en una tecla o con las teclas de letras: Z S X D C V … para la octava grave, Q 2 W 3 E R … para la de arriba; las flechas o Ctrl y 1 a 7 las llevan a otra octava (ahora desde C%1)</translation>
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
        <translation>Tu camino hacia el oído absoluto</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Pista de color</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>Teclado MIDI y teclado en pantalla</translation>
    </message>
</context>
</TS>
