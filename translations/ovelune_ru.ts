<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AppSettings</name>
    <message>
        <source>Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only while Ovelune runs.</source>
        <translation>Ovelune: не удаётся сохранить ваш прогресс в %1. Убедитесь, что в папку %2 можно записывать (или укажите такую папку в XDG_CONFIG_HOME); до тех пор прогресс хранится, только пока Ovelune работает.</translation>
    </message>
    <message>
        <source>Ovelune: the progress file %1 was damaged; what could be read was checked and kept, and the file has been written afresh.</source>
        <translation>Ovelune: файл прогресса %1 был повреждён; всё, что удалось прочитать, проверено и сохранено, а файл записан заново.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.</source>
        <translation>Историю занятий сейчас не удаётся прочитать (%1). Ничего не потеряно: попробуйте ещё раз чуть позже.</translation>
    </message>
    <message>
        <source>Ovelune: MIDI input is not available (%1: %2); continuing with the on-screen keyboard and the built-in synthesizer.</source>
        <translation>Ovelune: MIDI-вход недоступен (%1: %2); работа продолжается с экранной клавиатурой и встроенным синтезатором.</translation>
    </message>
    <message>
        <source>Ovelune: the sound engine could not start (%1); notes stay silent.</source>
        <translation>Ovelune: не удалось запустить звуковой движок (%1); ноты звучать не будут.</translation>
    </message>
    <message>
        <source>Ovelune: the MIDI keyboard &quot;%1&quot; has gone away. Answer on the on-screen keyboard, or plug the MIDI keyboard in again: Ovelune takes it up by itself.</source>
        <translation>Ovelune: MIDI-клавиатура «%1» отключилась. Отвечайте на экранной клавиатуре или подключите MIDI-клавиатуру снова: Ovelune подхватит её сам.</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>MIDI-клавиатура: %1</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>MIDI-устройств нет</translation>
    </message>
    <message>
        <source>Ovelune: MIDI devices could not be listed again: %1</source>
        <translation>Ovelune: не удалось заново получить список MIDI-устройств: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write every recorded answer to &lt;file&gt; as CSV (one line each, with a header), then exit.</source>
        <translation>Записать все сохранённые ответы в &lt;файл&gt; в формате CSV (по строке на ответ, с заголовком) и выйти.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>файл</translation>
    </message>
    <message>
        <source>Ear training for absolute (perfect) pitch: name single notes by playing the very key.
Without options the training window opens; the Qt toolkit&apos;s options apply to it.</source>
        <translation>Тренировка абсолютного слуха: называйте отдельные ноты, нажимая именно ту клавишу.
Без параметров открывается окно тренировки; к нему применимы стандартные параметры Qt.</translation>
    </message>
    <message>
        <source>Ovelune: %1
Try &apos;ovelune --help&apos;.</source>
        <translation>Ovelune: %1
См. «ovelune --help».</translation>
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
        <translation>Акустический рояль</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>Электропиано</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Клавесин</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Маримба</translation>
    </message>
    <message>
        <source>Reed organ</source>
        <translation>Фисгармония</translation>
    </message>
    <message>
        <source>Nylon guitar</source>
        <translation>Классическая гитара</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>Арфа</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Скрипка</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Виолончель</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>Струнные</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>Хор</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Труба</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>Кларнет</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>Флейта</translation>
    </message>
    <message>
        <source>A different instrument each note</source>
        <translation>Каждая нота — другой инструмент</translation>
    </message>
</context>
<context>
    <name>FluencyPanel</name>
    <message>
        <source>Fluency over each note&apos;s latest 30 answers: fluent (right within %1 s); right; median response time</source>
        <translation>Уверенность по последним 30 ответам на каждую ноту: уверенно (верно за %1 с); верно; медиана времени ответа</translation>
    </message>
    <message>
        <source>%1 % fluent</source>
        <translation>%1 % уверенно</translation>
    </message>
    <message>
        <source>%1 % · %2 s</source>
        <translation>%1 % · %2 с</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Ovelune trains perfect pitch: the ability to name a note the moment you hear it, with no reference tone to compare it with. Many people believe it is a rare gift that you either have from birth or never will. It is not: like reading or typing, it is a skill, and with the right method and a little practice every day you can learn it.</source>
        <translation>Ovelune развивает абсолютный слух — способность назвать ноту в тот же миг, как вы её услышали, без эталонного звука для сравнения. Многие считают его редким даром: он либо есть от рождения, либо не появится никогда. Это не так: как чтение или печать на клавиатуре, это навык, и с правильной методикой и небольшой ежедневной практикой ему можно научиться.</translation>
    </message>
    <message>
        <source>You begin with a single note, %1, which sounds equally often in every octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and adds the next note as soon as you are ready, until you know all twelve notes of the chromatic scale in every octave. You can also choose for yourself how many notes are played: just click a note on the bar at the top of the window.</source>
        <translation>Вы начинаете с одной ноты, %1, которая одинаково часто звучит во всех октавах клавиатуры; отвечайте, находя именно эту клавишу. Ovelune следит за вашими успехами и добавляет следующую ноту, как только вы готовы, — пока вы не будете знать все двенадцать нот хроматической гаммы в каждой октаве. Сколько нот будет звучать, можно выбрать и самому: просто щёлкните ноту на полосе вверху окна.</translation>
    </message>
    <message>
        <source>Colours are easy to remember, and they can help you remember pitches too. With the colour hint switched on, the window takes on the colour of each note as it is played, so that every note gets a colour of its own and sound and colour grow together in your memory. Switch the hint off whenever you want to rely on your ears alone.</source>
        <translation>Цвета легко запоминаются, и они помогают запомнить высоту звуков. Когда включены «Цвета нот», окно окрашивается в цвет каждой звучащей ноты: у каждой ноты свой цвет, и звук с цветом срастаются в памяти. Выключайте цвета, когда хотите полагаться только на слух.</translation>
    </message>
    <message>
        <source>To answer, click the key you heard on the keyboard at the bottom of the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.</source>
        <translation>Чтобы ответить, щёлкните услышанную клавишу на клавиатуре внизу окна, в нужной октаве. Если к компьютеру подключена MIDI-клавиатура, просто сыграйте ноту на ней: её клавиши засчитываются точно так же, как щелчки на экране. На клавиатуре компьютера буквенные ряды служат клавишами фортепиано: Z S X D C V … и Q 2 W 3 E R …; клавиши со стрелками сдвигают их на октаву.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Предыдущая страница</translation>
    </message>
    <message>
        <source>Shows the help&apos;s previous page</source>
        <translation>Показывает предыдущую страницу справки</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Следующая страница</translation>
    </message>
    <message>
        <source>Shows the help&apos;s next page</source>
        <translation>Показывает следующую страницу справки</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Страница %1</translation>
    </message>
    <message>
        <source>Shows this page of the help</source>
        <translation>Показывает эту страницу справки</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>Закрывает справку</translation>
    </message>
    <message>
        <source>Ticked, the help does not open when Ovelune starts</source>
        <translation>Если отмечено, справка не открывается при запуске Ovelune</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>Больше не показывать при запуске</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Наш сайт</translation>
    </message>
    <message>
        <source>Opens Ovelune&apos;s website in your browser</source>
        <translation>Открывает сайт Ovelune в браузере</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>Ovelune: %n answers could still not be added to the practice history %1 when Ovelune closed; they are lost.</source>
        <translation>
            <numerusform>Ovelune: при закрытии Ovelune %n ответ так и не удалось добавить в историю занятий %1; он потерян.</numerusform>
            <numerusform>Ovelune: при закрытии Ovelune %n ответа так и не удалось добавить в историю занятий %1; они потеряны.</numerusform>
            <numerusform>Ovelune: при закрытии Ovelune %n ответов так и не удалось добавить в историю занятий %1; они потеряны.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until then training goes on but answers are not recorded.</source>
        <translation>Ovelune: не удаётся создать историю занятий %1 (не удаётся создать папку %2). Устраните причину (или укажите в XDG_DATA_HOME папку, доступную для записи); до тех пор тренировка продолжается, но ответы не записываются.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be opened again.</source>
        <translation>Ovelune: историю занятий %1 сейчас не удаётся открыть (%2). Она остаётся без изменений: ваши ответы ждут и будут добавлены, как только её снова удастся открыть.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 was written by a newer Ovelune (its version is %2, this one knows up to %3). It is left as it is, and answers are not recorded.</source>
        <translation>Ovelune: история занятий %1 записана более новой версией Ovelune (её версия — %2, эта программа знает версии до %3). Она остаётся без изменений, ответы не записываются.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside (%3). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: не удалось прочитать историю занятий %1 (%2), а убрать её в сторону не получается (%3). Тренировка продолжается, но ответы не записываются.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, but a new history cannot be created (%4). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: не удалось прочитать историю занятий %1 (%2); она сохранена под именем %3, но новую историю создать не удаётся (%4). Тренировка продолжается, но ответы не записываются.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Ovelune: не удалось прочитать историю занятий %1 (%2); она сохранена под именем %3, начата новая история.</translation>
    </message>
    <message numerus="yes">
        <source>Ovelune: more than %n answers wait for the practice history %1; later ones are lost until it can be written again.</source>
        <translation>
            <numerusform>Ovelune: записи в историю занятий %1 ждут более %n ответа; следующие ответы теряются, пока в неё снова нельзя будет записывать.</numerusform>
            <numerusform>Ovelune: записи в историю занятий %1 ждут более %n ответов; следующие ответы теряются, пока в неё снова нельзя будет записывать.</numerusform>
            <numerusform>Ovelune: записи в историю занятий %1 ждут более %n ответов; следующие ответы теряются, пока в неё снова нельзя будет записывать.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be written again.</source>
        <translation>Ovelune: сейчас не удаётся добавить ответы в историю занятий %1 (%2). Она остаётся без изменений: ваши ответы ждут и будут добавлены, как только в неё снова можно будет записывать.</translation>
    </message>
    <message>
        <source>The practice history %1 could not be read (%2).</source>
        <translation>Не удалось прочитать историю занятий %1 (%2).</translation>
    </message>
    <message>
        <source>The export %1 cannot be written (%2).</source>
        <translation>Не удаётся записать файл экспорта %1 (%2).</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Язык системы</translation>
    </message>
</context>
<context>
    <name>NoteNamesChoice</name>
    <message>
        <source>Note names</source>
        <translation>Названия нот</translation>
    </message>
    <message>
        <source>How notes are named in the window</source>
        <translation>Как называть ноты в окне</translation>
    </message>
</context>
<context>
    <name>NoteNamingChoice</name>
    <message>
        <source>Letters (C D E)</source>
        <translation>Буквенные (C D E)</translation>
    </message>
    <message>
        <source>German (C D E … H)</source>
        <translation>Немецкие (C D E … H)</translation>
    </message>
    <message>
        <source>Solfège (Do Re Mi)</source>
        <translation>Слоговые (Do Re Mi)</translation>
    </message>
    <message>
        <source>Japanese (ハ ニ ホ)</source>
        <translation>Японские (ハ ニ ホ)</translation>
    </message>
</context>
<context>
    <name>PracticeChecks</name>
    <message>
        <source>No pitch test taken yet</source>
        <translation>Проверок слуха ещё не было</translation>
    </message>
    <message>
        <source>Pitch tests, right answers, latest last: %1</source>
        <translation>Проверки слуха, верные ответы, от первой к последней: %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Повторение</translation>
    </message>
    <message>
        <source>21 questions on your weakest notes and the notes you confuse (Ctrl+R)</source>
        <translation>21 вопрос по самым слабым нотам и нотам, которые вы путаете (Ctrl+R)</translation>
    </message>
    <message>
        <source>Test my pitch</source>
        <translation>Проверить слух</translation>
    </message>
    <message>
        <source>36 notes over the whole range without feedback, then your result card (Ctrl+T)</source>
        <translation>36 нот по всему диапазону без оценки ответов, затем карточка с итогами (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch tests over time</source>
        <translation>Проверки слуха по датам</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Reference pitch: A4 = %1 Hz</source>
        <translation>Эталонная высота: A4 = %1 Гц</translation>
    </message>
    <message>
        <source>Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often played at 415 Hz. Train at the pitch of the music you hear.</source>
        <translation>Все ноты настраиваются так, чтобы ля первой октавы звучало с этой частотой. Обычный стандарт — 440 Гц; некоторые оркестры строят по 442 или 443 Гц, барочную музыку часто играют при 415 Гц. Тренируйтесь в том строе, в котором звучит слушаемая вами музыка.</translation>
    </message>
    <message>
        <source>A fluent answer is right and given within</source>
        <translation>Уверенный ответ — верный и не позже чем через</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>from the start of the note. A note you know by ear comes to you at once; working it out from the note before takes longer. A note is marked fluent when 90 % of its latest 30 answers are.</source>
        <translation>от начала ноты. Ноту, которую вы знаете на слух, вы узнаёте сразу; вычислять её от предыдущей ноты дольше. Нота отмечается как уверенная, когда не менее 90 % её последних 30 ответов — уверенные.</translation>
    </message>
    <message>
        <source>Pass a level only when fluent</source>
        <translation>Проходить уровень только уверенно</translation>
    </message>
    <message>
        <source>A session then passes with 90 % fluent answers instead of 65 % right ones.</source>
        <translation>Тогда занятие засчитывается при 90 % уверенных ответов вместо 65 % верных.</translation>
    </message>
    <message>
        <source>Clear the ear between notes</source>
        <translation>Очищать слух между нотами</translation>
    </message>
    <message>
        <source>Before each note, a second of many notes at once and a short pause, and notes that follow each other at least a fifth apart: no note is named by its interval from the one before.</source>
        <translation>Перед каждой нотой — кластер из многих нот (около секунды) и короткая пауза, а соседние ноты отстоят друг от друга не меньше чем на квинту: ни одну ноту не назвать по интервалу от предыдущей.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>The language of Ovelune&apos;s window and messages; it changes at once</source>
        <translation>Язык окна и сообщений Ovelune; меняется сразу</translation>
    </message>
    <message>
        <source>Closes the settings</source>
        <translation>Закрывает настройки</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Ovelune: cannot make sure that only one Ovelune at a time uses your progress: the lock file %1 cannot be created. Make %2 a folder you can write to (it is $XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.</source>
        <translation>Ovelune: невозможно гарантировать, что ваш прогресс использует только одна копия Ovelune: не удаётся создать файл блокировки %1. Сделайте %2 папкой, доступной для записи (это $XDG_RUNTIME_DIR). Ovelune продолжает работу; не запускайте его дважды.</translation>
    </message>
    <message>
        <source>Ovelune is already running; its window has been brought to the front.</source>
        <translation>Ovelune уже запущен; его окно выведено на передний план.</translation>
    </message>
    <message>
        <source>Ovelune: another Ovelune (process %1) is using your progress but does not answer. Close it, or end that process, then start Ovelune again.</source>
        <translation>Ovelune: другая копия Ovelune (процесс %1) использует ваш прогресс, но не отвечает. Закройте её или завершите этот процесс, затем снова запустите Ovelune.</translation>
    </message>
    <message>
        <source>Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring this window to the front.</source>
        <translation>Ovelune: не удаётся слушать %1 (%2); повторный запуск Ovelune не выведет это окно на передний план.</translation>
    </message>
</context>
<context>
    <name>SpecialSessions</name>
    <message>
        <source>Pitch test</source>
        <translation>Проверка слуха</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Повторение</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Итоги</translation>
    </message>
    <message>
        <source>Your practice history is still short: this review asks every trained note evenly. </source>
        <translation>История занятий пока короткая: в этом повторении все изученные ноты спрашиваются поровну. </translation>
    </message>
    <message>
        <source>Review of your weakest notes and the notes you confuse. </source>
        <translation>Повторение самых слабых нот и нот, которые вы путаете. </translation>
    </message>
    <message>
        <source>%1 questions; your level stays as it is.</source>
        <translation>Вопросов: %1; ваш уровень не изменится.</translation>
    </message>
    <message>
        <source>Pitch test: %1 notes, no verdict until the end.</source>
        <translation>Проверка слуха, нот: %1. Оценка — только в конце.</translation>
    </message>
    <message>
        <source>Pitch test: note %1 of %2. Play the key you hear; no verdict until the end.</source>
        <translation>Проверка слуха: нота %1 из %2. Сыграйте услышанную ноту; оценка — только в конце.</translation>
    </message>
    <message>
        <source>Pitch test: %1 of %2 answered.</source>
        <translation>Проверка слуха: отвечено %1 из %2.</translation>
    </message>
    <message>
        <source>Review done: %1 of %2 right. Your level stays as it was; the keys you missed come back in your next review. Replay note (Space) goes on with your session.</source>
        <translation>Повторение окончено: верно %1 из %2. Ваш уровень не изменился; клавиши, на которых вы ошиблись, вернутся в следующем повторении. «Повторить ноту» (Пробел) продолжает занятие.</translation>
    </message>
    <message>
        <source>Pitch test: %1 % right, %2 % the right note in the wrong octave, %3 semitones off on average, median answer in %4 s.</source>
        <translation>Проверка слуха: верно %1 %, верная нота не в той октаве %2 %, среднее отклонение в полутонах %3, медиана времени ответа %4 с.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Closes the result</source>
        <translation>Закрывает итоги</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Right note, wrong octave: %1 % of answers</source>
        <translation>Нота верная, октава нет: %1 % ответов</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Верно</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>Ваши занятия</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>За %n день</numerusform>
            <numerusform>За %n дня</numerusform>
            <numerusform>За %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всё время</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Вычисление…</translation>
    </message>
    <message>
        <source>Nothing practised yet in this time. Answer a few questions: your level and score per session, how often you are right on each note and in each octave, the notes you take for others, how quickly you answer and how long you practise each day will appear here.</source>
        <translation>За это время занятий ещё не было. Ответьте на несколько вопросов: здесь появятся ваш уровень и результат за каждое занятие, как часто вы верно отвечаете на каждую ноту и в каждой октаве, какие ноты вы путаете с другими, как быстро вы отвечаете и сколько занимаетесь каждый день.</translation>
    </message>
    <message>
        <source>Score (%) and level per session</source>
        <translation>Результат (%) и уровень по занятиям</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Right per note (%)</source>
        <translation>Верно по нотам (%)</translation>
    </message>
    <message>
        <source>Right per octave (%)</source>
        <translation>Верно по октавам (%)</translation>
    </message>
    <message>
        <source>Asked (rows) and answered (columns)</source>
        <translation>Заданные (строки) и ответы (столбцы)</translation>
    </message>
    <message>
        <source>Median response time per day (s)</source>
        <translation>Медиана времени ответа по дням (с)</translation>
    </message>
    <message>
        <source>Practice per day (minutes)</source>
        <translation>Занятия по дням (минуты)</translation>
    </message>
    <message>
        <source>Right per key: red never, yellow half the time, green always; grey not asked</source>
        <translation>Верно по клавишам: красный — никогда, жёлтый — в половине случаев, зелёный — всегда; серый — не задавались</translation>
    </message>
    <message>
        <source>Shows the figures of this time</source>
        <translation>Показывает данные за этот период</translation>
    </message>
    <message>
        <source>As charts</source>
        <translation>Графиками</translation>
    </message>
    <message>
        <source>As text</source>
        <translation>Текстом</translation>
    </message>
    <message>
        <source>Shows the figures as charts</source>
        <translation>Показывает данные графиками</translation>
    </message>
    <message>
        <source>Shows the figures as text, to read or to have read aloud</source>
        <translation>Показывает данные текстом, чтобы прочитать их или прослушать</translation>
    </message>
    <message>
        <source>Figures as text</source>
        <translation>Данные текстом</translation>
    </message>
    <message>
        <source>Your practice in the time chosen, chart by chart</source>
        <translation>Ваши занятия за выбранный период, график за графиком</translation>
    </message>
    <message>
        <source>Right per key (%)</source>
        <translation>Верно по клавишам (%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and its figure, in the figures as text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Answers: %1, right: %2 %</source>
        <translation>Ответов: %1, верно: %2 %</translation>
    </message>
    <message>
        <source>score %1 %, level %2</source>
        <translation>результат %1 %, уровень %2</translation>
    </message>
    <message>
        <source>Notes taken for others (asked → answered)</source>
        <translation>Ноты, принятые за другие (задано → ответ)</translation>
    </message>
    <message>
        <source>Closes the statistics</source>
        <translation>Закрывает статистику</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>The verdict on your last answer</source>
        <translation>Оценка вашего последнего ответа</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Верно: %1</translation>
    </message>
    <message>
        <source>Not quite: you played %1, the note was %2</source>
        <translation>Не совсем: вы сыграли %1, а нужно было %2</translation>
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
        <translation>Называйте каждую услышанную ноту, играя её клавишу в нужной октаве</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>Повторить ноту</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Plays the note again (Space)</source>
        <translation>Играет ноту ещё раз (Пробел)</translation>
    </message>
    <message>
        <source>Starts the session (Enter)</source>
        <translation>Начинает занятие (Enter)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Ends Ovelune; your progress is kept</source>
        <translation>Закрывает Ovelune; ваш прогресс сохраняется</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>Сворачивает окно</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Shows how Ovelune trains you</source>
        <translation>Показывает, как Ovelune вас тренирует</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>Ваши занятия</translation>
    </message>
    <message>
        <source>Shows the statistics of your practice</source>
        <translation>Показывает статистику ваших занятий</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Opens the settings: reference pitch, fluency and clearing the ear</source>
        <translation>Открывает настройки: эталонная высота, уверенность и очистка слуха</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>The window takes the colour of each note played</source>
        <translation>Окно окрашивается в цвет каждой звучащей ноты</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Цвета нот</translation>
    </message>
    <message>
        <source>Guess the note</source>
        <translation>Угадайте ноту</translation>
    </message>
    <message>
        <source>Level %1 of %2: %3</source>
        <translation>Уровень %1 из %2: %3</translation>
    </message>
    <message>
        <source>Train at level %1: Space; other levels: the arrow keys</source>
        <translation>Тренировка на уровне %1: Пробел; другие уровни: клавиши со стрелками</translation>
    </message>
    <message>
        <source>Choose the notes you train</source>
        <translation>Выберите ноты для тренировки</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>Нажмите ноту</translation>
    </message>
    <message>
        <source>Score: %1 of %2 answered, %3 right</source>
        <translation>Результат: отвечено %1 из %2, верно %3</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboard</source>
        <translation>MIDI-клавиатура</translation>
    </message>
    <message>
        <source>The MIDI keyboard Ovelune listens to</source>
        <translation>MIDI-клавиатура, которую слушает Ovelune</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Инструмент</translation>
    </message>
    <message>
        <source>The instrument the notes sound with</source>
        <translation>Инструмент, которым звучат ноты</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Клавиатура фортепиано</translation>
    </message>
    <message>
        <source>Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to another octave (now from C%1)</source>
        <translation>Отвечайте щелчком по клавише или буквенными клавишами: Z S X D C V … — нижняя октава, Q 2 W 3 E R … — октава выше; стрелки или Ctrl с цифрами 1–7 переносят их в другую октаву (сейчас от C%1)</translation>
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
        <translation>Ваш путь к абсолютному слуху</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Цвета нот</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>MIDI и экранная клавиатура</translation>
    </message>
</context>
</TS>
