<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppSettings</name>
    <message>
        <source>Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only while Ovelune runs.</source>
        <translation>Ovelune&#xa0;: votre progression ne peut pas être enregistrée dans %1. Vérifiez que %2 est un dossier où vous pouvez écrire (ou faites pointer XDG_CONFIG_HOME vers un tel dossier)&#xa0;; en attendant, la progression ne dure que tant qu’Ovelune est ouvert.</translation>
    </message>
    <message>
        <source>Ovelune: the progress file %1 was damaged; what could be read was checked and kept, and the file has been written afresh.</source>
        <translation>Ovelune&#xa0;: le fichier de progression %1 était endommagé&#xa0;; ce qui a pu être lu a été vérifié et conservé, et le fichier a été réécrit.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.</source>
        <translation>Votre historique d’entraînement ne peut pas être lu pour l’instant (%1). Rien n’est perdu&#xa0;: réessayez dans un moment.</translation>
    </message>
    <message>
        <source>Ovelune: MIDI input is not available (%1: %2); continuing with the on-screen keyboard and the built-in synthesizer.</source>
        <translation>Ovelune&#xa0;: l’entrée MIDI n’est pas disponible (%1&#xa0;: %2)&#xa0;; on continue avec le clavier à l’écran et le synthétiseur intégré.</translation>
    </message>
    <message>
        <source>Ovelune: the sound engine could not start (%1); notes stay silent.</source>
        <translation>Ovelune&#xa0;: le moteur sonore n’a pas pu démarrer (%1)&#xa0;; les notes restent muettes.</translation>
    </message>
    <message>
        <source>Ovelune: the MIDI keyboard &quot;%1&quot; has gone away. Answer on the on-screen keyboard, or plug the MIDI keyboard in again: Ovelune takes it up by itself.</source>
        <translation>Ovelune&#xa0;: le clavier MIDI «&#xa0;%1&#xa0;» a disparu. Répondez sur le clavier à l’écran, ou rebranchez le clavier MIDI&#xa0;: Ovelune le reprend de lui-même.</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>Clavier MIDI&#xa0;: %1</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>Aucun MIDI trouvé</translation>
    </message>
    <message>
        <source>Ovelune: MIDI devices could not be listed again: %1</source>
        <translation>Ovelune&#xa0;: impossible de relister les appareils MIDI&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write every recorded answer to &lt;file&gt; as CSV (one line each, with a header), then exit.</source>
        <translation>Écrit chaque réponse enregistrée dans &lt;fichier&gt; au format CSV (une ligne chacune, avec un en-tête), puis quitte.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Ear training for absolute (perfect) pitch: name single notes by playing the very key.
Without options the training window opens; the Qt toolkit&apos;s options apply to it.</source>
        <translation>Entraînement de l’oreille absolue&#xa0;: nommer des notes isolées en jouant la touche exacte.
Sans option, la fenêtre d’entraînement s’ouvre&#xa0;; les options de la bibliothèque Qt s’y appliquent.</translation>
    </message>
    <message>
        <source>Ovelune: %1
Try &apos;ovelune --help&apos;.</source>
        <translation>Ovelune&#xa0;: %1
Essayez «&#xa0;ovelune --help&#xa0;».</translation>
    </message>
    <message>
        <source>Ovelune: %1</source>
        <translation>Ovelune&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Core::InstrumentNames</name>
    <message>
        <source>Acoustic grand piano</source>
        <translation>Piano à queue</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>Piano électrique</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Clavecin</translation>
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
        <translation>Guitare classique</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>Harpe</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violon</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncelle</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>Cordes</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>Chœur</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompette</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Clarinette</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Flûte</translation>
    </message>
    <message>
        <source>A different instrument each note</source>
        <translation>Un instrument différent à chaque note</translation>
    </message>
</context>
<context>
    <name>FluencyPanel</name>
    <message>
        <source>Fluency over each note&apos;s latest 30 answers: fluent (right within %1 s); right; median response time</source>
        <translation>Aisance sur les 30 dernières réponses de chaque note&#xa0;: aisée (juste en %1 s)&#xa0;; juste&#xa0;; temps de réponse médian</translation>
    </message>
    <message>
        <source>%1 % fluent</source>
        <translation>%1 % aisées</translation>
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
        <translation>Aide</translation>
    </message>
    <message>
        <source>Ovelune trains perfect pitch: the ability to name a note the moment you hear it, with no reference tone to compare it with. Many people believe it is a rare gift that you either have from birth or never will. It is not: like reading or typing, it is a skill, and with the right method and a little practice every day you can learn it.</source>
        <translation>Ovelune entraîne l’oreille absolue&#xa0;: la capacité de nommer une note à l’instant où vous l’entendez, sans note de référence à laquelle la comparer. Beaucoup pensent que c’est un don rare, qu’on a de naissance ou qu’on n’aura jamais. C’est faux&#xa0;: comme la lecture ou la frappe au clavier, c’est une compétence, et avec la bonne méthode et un peu de pratique chaque jour, vous pouvez l’acquérir.</translation>
    </message>
    <message>
        <source>You begin with a single note, %1, which sounds equally often in every octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and adds the next note as soon as you are ready, until you know all twelve notes of the chromatic scale in every octave. You can also choose for yourself how many notes are played: just click a note on the bar at the top of the window.</source>
        <translation>Vous commencez par une seule note, %1, qui sonne aussi souvent dans chaque octave du clavier&#xa0;; répondez en trouvant cette touche précise. Ovelune suit vos progrès et ajoute la note suivante dès que vous êtes prêt, jusqu’à ce que vous connaissiez les douze notes de la gamme chromatique dans chaque octave. Vous pouvez aussi choisir vous-même combien de notes sont jouées&#xa0;: cliquez simplement sur une note dans la barre en haut de la fenêtre.</translation>
    </message>
    <message>
        <source>Colours are easy to remember, and they can help you remember pitches too. With the colour hint switched on, the window takes on the colour of each note as it is played, so that every note gets a colour of its own and sound and colour grow together in your memory. Switch the hint off whenever you want to rely on your ears alone.</source>
        <translation>Les couleurs se retiennent facilement, et elles peuvent aussi vous aider à retenir les hauteurs. Avec l’aide couleur activée, la fenêtre prend la couleur de chaque note jouée&#xa0;: chaque note a sa propre couleur, et le son et la couleur s’associent dans votre mémoire. Désactivez l’aide dès que vous voulez vous fier à vos seules oreilles.</translation>
    </message>
    <message>
        <source>To answer, click the key you heard on the keyboard at the bottom of the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.</source>
        <translation>Pour répondre, cliquez la touche entendue sur le clavier en bas de la fenêtre, dans la bonne octave. Si un clavier MIDI est branché à votre ordinateur, jouez simplement la note dessus&#xa0;: ses touches comptent exactement comme des clics à l’écran. Sur le clavier de l’ordinateur, les rangées de lettres sont des touches de piano, W S X D C V … et A É Z &quot; E R …&#xa0;; les flèches les déplacent d’une octave.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Shows the help&apos;s previous page</source>
        <translation>Affiche la page précédente de l’aide</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Shows the help&apos;s next page</source>
        <translation>Affiche la page suivante de l’aide</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Shows this page of the help</source>
        <translation>Affiche cette page de l’aide</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>Ferme l’aide</translation>
    </message>
    <message>
        <source>Ticked, the help does not open when Ovelune starts</source>
        <translation>Cochée, l’aide ne s’ouvre pas au démarrage d’Ovelune</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>Ne plus afficher au démarrage</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visitez notre site</translation>
    </message>
    <message>
        <source>Opens Ovelune&apos;s website in your browser</source>
        <translation>Ouvre le site d’Ovelune dans votre navigateur</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>Ovelune: %n answers could still not be added to the practice history %1 when Ovelune closed; they are lost.</source>
        <translation>
            <numerusform>Ovelune&#xa0;: %n réponse n’avait toujours pas pu être ajoutée à l’historique %1 à la fermeture d’Ovelune&#xa0;; elle est perdue.</numerusform>
            <numerusform>Ovelune&#xa0;: %n réponses n’avaient toujours pas pu être ajoutées à l’historique %1 à la fermeture d’Ovelune&#xa0;; elles sont perdues.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until then training goes on but answers are not recorded.</source>
        <translation>Ovelune&#xa0;: l’historique d’entraînement %1 ne peut pas être créé (le dossier %2 ne peut pas être créé). Faites en sorte qu’il puisse l’être (ou faites pointer XDG_DATA_HOME vers un dossier où vous pouvez écrire)&#xa0;; en attendant, l’entraînement continue mais les réponses ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be opened again.</source>
        <translation>Ovelune&#xa0;: l’historique d’entraînement %1 ne peut pas être ouvert pour l’instant (%2). Il est conservé tel quel&#xa0;: vos réponses attendent et y seront ajoutées dès qu’il pourra être rouvert.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 was written by a newer Ovelune (its version is %2, this one knows up to %3). It is left as it is, and answers are not recorded.</source>
        <translation>Ovelune&#xa0;: l’historique d’entraînement %1 a été écrit par un Ovelune plus récent (sa version est %2, celui-ci connaît jusqu’à %3). Il est laissé tel quel, et les réponses ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside (%3). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune&#xa0;: l’historique d’entraînement %1 n’a pas pu être lu (%2) et ne peut pas être mis de côté (%3). L’entraînement continue, mais les réponses ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, but a new history cannot be created (%4). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune&#xa0;: l’historique d’entraînement %1 n’a pas pu être lu (%2)&#xa0;; il a été mis de côté sous le nom %3, mais un nouvel historique ne peut pas être créé (%4). L’entraînement continue, mais les réponses ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Ovelune&#xa0;: l’historique d’entraînement %1 n’a pas pu être lu (%2)&#xa0;; il a été mis de côté sous le nom %3 et un nouvel historique a été commencé.</translation>
    </message>
    <message numerus="yes">
        <source>Ovelune: more than %n answers wait for the practice history %1; later ones are lost until it can be written again.</source>
        <translation>
            <numerusform>Ovelune&#xa0;: plus de %n réponse attend l’historique d’entraînement %1&#xa0;; les suivantes sont perdues jusqu’à ce qu’il puisse de nouveau être écrit.</numerusform>
            <numerusform>Ovelune&#xa0;: plus de %n réponses attendent l’historique d’entraînement %1&#xa0;; les suivantes sont perdues jusqu’à ce qu’il puisse de nouveau être écrit.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be written again.</source>
        <translation>Ovelune&#xa0;: les réponses ne peuvent pas être ajoutées à l’historique d’entraînement %1 pour l’instant (%2). Il est conservé tel quel&#xa0;: vos réponses attendent et y seront ajoutées dès qu’il pourra de nouveau être écrit.</translation>
    </message>
    <message>
        <source>The practice history %1 could not be read (%2).</source>
        <translation>L’historique d’entraînement %1 n’a pas pu être lu (%2).</translation>
    </message>
    <message>
        <source>The export %1 cannot be written (%2).</source>
        <translation>L’export %1 ne peut pas être écrit (%2).</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
</context>
<context>
    <name>NoteNamesChoice</name>
    <message>
        <source>Note names</source>
        <translation>Noms des notes</translation>
    </message>
    <message>
        <source>How notes are named in the window</source>
        <translation>Comment les notes sont nommées dans la fenêtre</translation>
    </message>
</context>
<context>
    <name>NoteNamingChoice</name>
    <message>
        <source>Letters (C D E)</source>
        <translation>Lettres (C D E)</translation>
    </message>
    <message>
        <source>German (C D E … H)</source>
        <translation>Allemand (C D E … H)</translation>
    </message>
    <message>
        <source>Solfège (Do Re Mi)</source>
        <translation>Solfège (Do Ré Mi)</translation>
    </message>
    <message>
        <source>Japanese (ハ ニ ホ)</source>
        <translation>Japonais (ハ ニ ホ)</translation>
    </message>
</context>
<context>
    <name>PracticeChecks</name>
    <message>
        <source>No pitch test taken yet</source>
        <translation>Aucun test d’oreille passé pour l’instant</translation>
    </message>
    <message>
        <source>Pitch tests, right answers, latest last: %1</source>
        <translation>Tests d’oreille, réponses justes, le plus récent en dernier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>21 questions on your weakest notes and the notes you confuse (Ctrl+R)</source>
        <translation>21 questions sur vos notes les plus faibles et les notes que vous confondez (Ctrl+R)</translation>
    </message>
    <message>
        <source>Test my pitch</source>
        <translation>Test d’oreille</translation>
    </message>
    <message>
        <source>36 notes over the whole range without feedback, then your result card (Ctrl+T)</source>
        <translation>36 notes sur toute l’étendue du clavier, sans verdict, puis votre bilan (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch tests over time</source>
        <translation>Tests d’oreille au fil du temps</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Reference pitch: A4 = %1 Hz</source>
        <translation>Diapason&#xa0;: la4 = %1 Hz</translation>
    </message>
    <message>
        <source>Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often played at 415 Hz. Train at the pitch of the music you hear.</source>
        <translation>Chaque note est accordée pour que le la au-dessus du do central sonne à cette fréquence. 440 Hz est la norme habituelle&#xa0;; certains orchestres s’accordent à 442 ou 443 Hz, la musique baroque se joue souvent à 415 Hz. Entraînez-vous au diapason de la musique que vous écoutez.</translation>
    </message>
    <message>
        <source>A fluent answer is right and given within</source>
        <translation>Une réponse aisée est juste et donnée en moins de</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>from the start of the note. A note you know by ear comes to you at once; working it out from the note before takes longer. A note is marked fluent when 90 % of its latest 30 answers are.</source>
        <translation>à partir du début de la note. Une note que vous connaissez d’oreille vous vient aussitôt&#xa0;; la déduire de la note précédente prend plus de temps. Une note est marquée aisée quand 90 % de ses 30 dernières réponses le sont.</translation>
    </message>
    <message>
        <source>Pass a level only when fluent</source>
        <translation>Ne réussir un niveau qu’avec aisance</translation>
    </message>
    <message>
        <source>A session then passes with 90 % fluent answers instead of 65 % right ones.</source>
        <translation>Une séance est alors réussie avec 90 % de réponses aisées au lieu de 65 % de réponses justes.</translation>
    </message>
    <message>
        <source>Clear the ear between notes</source>
        <translation>Reposer l’oreille entre les notes</translation>
    </message>
    <message>
        <source>Before each note, a second of many notes at once and a short pause, and notes that follow each other at least a fifth apart: no note is named by its interval from the one before.</source>
        <translation>Avant chaque note, une seconde de nombreuses notes simultanées et une courte pause, et des notes successives écartées d’au moins une quinte&#xa0;: aucune note n’est reconnue par son intervalle avec la précédente.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language of Ovelune&apos;s window and messages; it changes at once</source>
        <translation>La langue de la fenêtre et des messages d’Ovelune&#xa0;; elle change aussitôt</translation>
    </message>
    <message>
        <source>Closes the settings</source>
        <translation>Ferme les réglages</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Ovelune: cannot make sure that only one Ovelune at a time uses your progress: the lock file %1 cannot be created. Make %2 a folder you can write to (it is $XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.</source>
        <translation>Ovelune&#xa0;: impossible de garantir qu’un seul Ovelune à la fois utilise votre progression&#xa0;: le fichier de verrou %1 ne peut pas être créé. Faites de %2 un dossier où vous pouvez écrire (c’est $XDG_RUNTIME_DIR). Ovelune continue&#xa0;; ne le lancez pas deux fois.</translation>
    </message>
    <message>
        <source>Ovelune is already running; its window has been brought to the front.</source>
        <translation>Ovelune est déjà ouvert&#xa0;; sa fenêtre a été mise au premier plan.</translation>
    </message>
    <message>
        <source>Ovelune: another Ovelune (process %1) is using your progress but does not answer. Close it, or end that process, then start Ovelune again.</source>
        <translation>Ovelune&#xa0;: un autre Ovelune (processus %1) utilise votre progression mais ne répond pas. Fermez-le, ou terminez ce processus, puis relancez Ovelune.</translation>
    </message>
    <message>
        <source>Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring this window to the front.</source>
        <translation>Ovelune&#xa0;: impossible d’écouter sur %1 (%2)&#xa0;; relancer Ovelune ne mettra pas cette fenêtre au premier plan.</translation>
    </message>
</context>
<context>
    <name>SpecialSessions</name>
    <message>
        <source>Pitch test</source>
        <translation>Test d’oreille</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Révision</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Bilan</translation>
    </message>
    <message>
        <source>Your practice history is still short: this review asks every trained note evenly. </source>
        <translation>Votre historique d’entraînement est encore court&#xa0;: cette révision porte à parts égales sur toutes les notes travaillées. </translation>
    </message>
    <message>
        <source>Review of your weakest notes and the notes you confuse. </source>
        <translation>Révision de vos notes les plus faibles et des notes que vous confondez. </translation>
    </message>
    <message>
        <source>%1 questions; your level stays as it is.</source>
        <translation>%1 questions&#xa0;; votre niveau reste inchangé.</translation>
    </message>
    <message>
        <source>Pitch test: %1 notes, no verdict until the end.</source>
        <translation>Test d’oreille&#xa0;: %1 notes, pas de verdict avant la fin.</translation>
    </message>
    <message>
        <source>Pitch test: note %1 of %2. Play the key you hear; no verdict until the end.</source>
        <translation>Test d’oreille&#xa0;: note %1 sur %2. Jouez la touche que vous entendez&#xa0;; pas de verdict avant la fin.</translation>
    </message>
    <message>
        <source>Pitch test: %1 of %2 answered.</source>
        <translation>Test d’oreille&#xa0;: %1 réponses sur %2.</translation>
    </message>
    <message>
        <source>Review done: %1 of %2 right. Your level stays as it was; the keys you missed come back in your next review. Replay note (Space) goes on with your session.</source>
        <translation>Révision terminée&#xa0;: %1 sur %2 justes. Votre niveau reste inchangé&#xa0;; les touches manquées reviendront à votre prochaine révision. «&#xa0;Rejouer&#xa0;» (Espace) reprend votre séance.</translation>
    </message>
    <message>
        <source>Pitch test: %1 % right, %2 % the right note in the wrong octave, %3 semitones off on average, median answer in %4 s.</source>
        <translation>Test d’oreille&#xa0;: %1 % de réponses justes, %2 % de bonnes notes dans la mauvaise octave, écart moyen de %3 demi-tons, temps de réponse médian de %4 s.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes the result</source>
        <translation>Ferme le bilan</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Right note, wrong octave: %1 % of answers</source>
        <translation>Bonne note, mauvaise octave&#xa0;: %1 % des réponses</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>Votre entraînement</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Dernier %n jour</numerusform>
            <numerusform>%n derniers jours</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calcul…</translation>
    </message>
    <message>
        <source>Nothing practised yet in this time. Answer a few questions: your level and score per session, how often you are right on each note and in each octave, the notes you take for others, how quickly you answer and how long you practise each day will appear here.</source>
        <translation>Aucun entraînement sur cette période. Répondez à quelques questions&#xa0;: votre niveau et votre score par séance, votre justesse sur chaque note et dans chaque octave, les notes que vous confondez, votre rapidité de réponse et votre temps d’entraînement quotidien apparaîtront ici.</translation>
    </message>
    <message>
        <source>Score (%) and level per session</source>
        <translation>Score (%) et niveau par séance</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Right per note (%)</source>
        <translation>Justes par note (%)</translation>
    </message>
    <message>
        <source>Right per octave (%)</source>
        <translation>Justes par octave (%)</translation>
    </message>
    <message>
        <source>Asked (rows) and answered (columns)</source>
        <translation>Demandée (lignes) et répondue (colonnes)</translation>
    </message>
    <message>
        <source>Median response time per day (s)</source>
        <translation>Temps de réponse médian par jour (s)</translation>
    </message>
    <message>
        <source>Practice per day (minutes)</source>
        <translation>Entraînement par jour (minutes)</translation>
    </message>
    <message>
        <source>Right per key: red never, yellow half the time, green always; grey not asked</source>
        <translation>Justes par touche&#xa0;: rouge jamais, jaune une fois sur deux, vert toujours&#xa0;; gris non demandée</translation>
    </message>
    <message>
        <source>Shows the figures of this time</source>
        <translation>Affiche les chiffres de cette période</translation>
    </message>
    <message>
        <source>As charts</source>
        <translation>En graphiques</translation>
    </message>
    <message>
        <source>As text</source>
        <translation>En texte</translation>
    </message>
    <message>
        <source>Shows the figures as charts</source>
        <translation>Affiche les chiffres en graphiques</translation>
    </message>
    <message>
        <source>Shows the figures as text, to read or to have read aloud</source>
        <translation>Affiche les chiffres en texte, à lire ou à faire lire à voix haute</translation>
    </message>
    <message>
        <source>Figures as text</source>
        <translation>Les chiffres en texte</translation>
    </message>
    <message>
        <source>Your practice in the time chosen, chart by chart</source>
        <translation>Votre entraînement sur la période choisie, graphique par graphique</translation>
    </message>
    <message>
        <source>Right per key (%)</source>
        <translation>Justes par touche (%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and its figure, in the figures as text</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Answers: %1, right: %2 %</source>
        <translation>Réponses&#xa0;: %1, justes&#xa0;: %2 %</translation>
    </message>
    <message>
        <source>score %1 %, level %2</source>
        <translation>score %1 %, niveau %2</translation>
    </message>
    <message>
        <source>Notes taken for others (asked → answered)</source>
        <translation>Notes prises pour d’autres (demandée → répondue)</translation>
    </message>
    <message>
        <source>Closes the statistics</source>
        <translation>Ferme les statistiques</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>The verdict on your last answer</source>
        <translation>Le verdict sur votre dernière réponse</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Juste&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not quite: you played %1, the note was %2</source>
        <translation>Pas tout à fait&#xa0;: vous avez joué %1, la note était %2</translation>
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
        <translation>Nommez chaque note entendue en jouant sa touche, octave comprise</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Plays the note again (Space)</source>
        <translation>Rejoue la note (Espace)</translation>
    </message>
    <message>
        <source>Starts the session (Enter)</source>
        <translation>Commence la séance (Entrée)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Ends Ovelune; your progress is kept</source>
        <translation>Quitte Ovelune&#xa0;; votre progression est conservée</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>Réduit la fenêtre</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Shows how Ovelune trains you</source>
        <translation>Montre comment Ovelune vous entraîne</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>Votre entraînement</translation>
    </message>
    <message>
        <source>Shows the statistics of your practice</source>
        <translation>Affiche les statistiques de votre entraînement</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Opens the settings: reference pitch, fluency and clearing the ear</source>
        <translation>Ouvre les réglages&#xa0;: diapason, aisance et repos de l’oreille</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>The window takes the colour of each note played</source>
        <translation>La fenêtre prend la couleur de chaque note jouée</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Aide couleur</translation>
    </message>
    <message>
        <source>Guess the note</source>
        <translation>Trouvez la note</translation>
    </message>
    <message>
        <source>Level %1 of %2: %3</source>
        <translation>Niveau %1 sur %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Train at level %1: Space; other levels: the arrow keys</source>
        <translation>S’entraîner au niveau %1&#xa0;: Espace&#xa0;; autres niveaux&#xa0;: les flèches</translation>
    </message>
    <message>
        <source>Choose the notes you train</source>
        <translation>Choisissez les notes à travailler</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>Cliquez la note</translation>
    </message>
    <message>
        <source>Score: %1 of %2 answered, %3 right</source>
        <translation>Score&#xa0;: %1 sur %2 répondues, %3 justes</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboard</source>
        <translation>Clavier MIDI</translation>
    </message>
    <message>
        <source>The MIDI keyboard Ovelune listens to</source>
        <translation>Le clavier MIDI qu’Ovelune écoute</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>The instrument the notes sound with</source>
        <translation>L’instrument avec lequel sonnent les notes</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Clavier de piano</translation>
    </message>
    <message>
        <source>Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to another octave (now from C%1)</source>
        <translation>Répondez en cliquant une touche, ou avec les touches de lettres&#xa0;: W S X D C V … pour l’octave grave, A É Z &quot; E R … pour celle au-dessus&#xa0;; les flèches ou Ctrl et 1 à 7 les déplacent dans une autre octave (actuellement à partir de C%1)</translation>
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
        <translation>Votre chemin vers l’oreille absolue</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Aide couleur</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>Clavier MIDI et clavier à l’écran</translation>
    </message>
</context>
</TS>
