<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AppSettings</name>
    <message>
        <source>Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only while Ovelune runs.</source>
        <translation>Ovelune: não é possível salvar seu progresso em %1. Verifique se %2 é uma pasta em que você pode gravar (ou aponte XDG_CONFIG_HOME para uma); até lá, o progresso só dura enquanto o Ovelune estiver aberto.</translation>
    </message>
    <message>
        <source>Ovelune: the progress file %1 was damaged; what could be read was checked and kept, and the file has been written afresh.</source>
        <translation>Ovelune: o arquivo de progresso %1 estava danificado; o que pôde ser lido foi verificado e mantido, e o arquivo foi gravado de novo.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.</source>
        <translation>Seu histórico de prática não pode ser lido agora (%1). Nada foi perdido: tente de novo daqui a pouco.</translation>
    </message>
    <message>
        <source>Ovelune: MIDI input is not available (%1: %2); continuing with the on-screen keyboard and the built-in synthesizer.</source>
        <translation>Ovelune: a entrada MIDI não está disponível (%1: %2); continuando com o teclado na tela e o sintetizador embutido.</translation>
    </message>
    <message>
        <source>Ovelune: the sound engine could not start (%1); notes stay silent.</source>
        <translation>Ovelune: o mecanismo de som não pôde iniciar (%1); as notas ficam mudas.</translation>
    </message>
    <message>
        <source>Ovelune: the MIDI keyboard &quot;%1&quot; has gone away. Answer on the on-screen keyboard, or plug the MIDI keyboard in again: Ovelune takes it up by itself.</source>
        <translation>Ovelune: o teclado MIDI “%1” sumiu. Responda no teclado na tela ou conecte o teclado MIDI de novo: o Ovelune volta a usá-lo sozinho.</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>Teclado MIDI: %1</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>Nenhum MIDI encontrado</translation>
    </message>
    <message>
        <source>Ovelune: MIDI devices could not be listed again: %1</source>
        <translation>Ovelune: não foi possível listar de novo os dispositivos MIDI: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write every recorded answer to &lt;file&gt; as CSV (one line each, with a header), then exit.</source>
        <translation>Grava cada resposta registrada em &lt;arquivo&gt; como CSV (uma linha cada, com cabeçalho) e sai.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>arquivo</translation>
    </message>
    <message>
        <source>Ear training for absolute (perfect) pitch: name single notes by playing the very key.
Without options the training window opens; the Qt toolkit&apos;s options apply to it.</source>
        <translation>Treino de ouvido absoluto: reconheça notas isoladas tocando exatamente a tecla certa.
Sem opções, abre-se a janela de treino; as opções do toolkit Qt valem para ela.</translation>
    </message>
    <message>
        <source>Ovelune: %1
Try &apos;ovelune --help&apos;.</source>
        <translation>Ovelune: %1
Experimente “ovelune --help”.</translation>
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
        <translation>Piano de cauda</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>Piano elétrico</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>Cravo</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>Marimba</translation>
    </message>
    <message>
        <source>Reed organ</source>
        <translation>Harmônio</translation>
    </message>
    <message>
        <source>Nylon guitar</source>
        <translation>Violão de nylon</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>Harpa</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>Violino</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>Violoncelo</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>Cordas</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>Coro</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>Trompete</translation>
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
        <translation>Um instrumento diferente a cada nota</translation>
    </message>
</context>
<context>
    <name>FluencyPanel</name>
    <message>
        <source>Fluency over each note&apos;s latest 30 answers: fluent (right within %1 s); right; median response time</source>
        <translation>Fluência nas últimas 30 respostas de cada nota: fluentes (certas em até %1 s); certas; tempo de resposta mediano</translation>
    </message>
    <message>
        <source>%1 % fluent</source>
        <translation>%1 % fluentes</translation>
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
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Ovelune trains perfect pitch: the ability to name a note the moment you hear it, with no reference tone to compare it with. Many people believe it is a rare gift that you either have from birth or never will. It is not: like reading or typing, it is a skill, and with the right method and a little practice every day you can learn it.</source>
        <translation>O Ovelune treina o ouvido absoluto: a capacidade de dizer o nome de uma nota no instante em que você a ouve, sem nenhum som de referência para comparar. Muita gente acredita que é um dom raro, que se tem de nascença ou nunca se terá. Não é: como ler ou digitar, é uma habilidade, e com o método certo e um pouco de prática todos os dias você pode aprendê-la.</translation>
    </message>
    <message>
        <source>You begin with a single note, %1, which sounds equally often in every octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and adds the next note as soon as you are ready, until you know all twelve notes of the chromatic scale in every octave. You can also choose for yourself how many notes are played: just click a note on the bar at the top of the window.</source>
        <translation>Você começa com uma única nota, %1, que soa com a mesma frequência em todas as oitavas do teclado; responda encontrando exatamente essa tecla. O Ovelune acompanha como você se sai e acrescenta a próxima nota assim que você estiver pronto, até você conhecer as doze notas da escala cromática em todas as oitavas. Você também pode escolher quantas notas são tocadas: basta clicar numa nota na barra no alto da janela.</translation>
    </message>
    <message>
        <source>Colours are easy to remember, and they can help you remember pitches too. With the colour hint switched on, the window takes on the colour of each note as it is played, so that every note gets a colour of its own and sound and colour grow together in your memory. Switch the hint off whenever you want to rely on your ears alone.</source>
        <translation>Cores são fáceis de lembrar e também podem ajudar você a lembrar alturas. Com a dica de cor ligada, a janela assume a cor de cada nota tocada, de modo que cada nota ganha uma cor própria e som e cor crescem juntos na sua memória. Desligue a dica sempre que quiser confiar só nos seus ouvidos.</translation>
    </message>
    <message>
        <source>To answer, click the key you heard on the keyboard at the bottom of the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.</source>
        <translation>Para responder, clique na tecla que você ouviu no teclado na parte de baixo da janela, na oitava certa. Se houver um teclado MIDI conectado ao computador, simplesmente toque a nota nele: as teclas dele contam exatamente como cliques na tela. No teclado do computador, as fileiras de letras são teclas de piano, Z S X D C V … e Q 2 W 3 E R …; as setas as deslocam uma oitava.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Shows the help&apos;s previous page</source>
        <translation>Mostra a página anterior da ajuda</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Shows the help&apos;s next page</source>
        <translation>Mostra a próxima página da ajuda</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Shows this page of the help</source>
        <translation>Mostra esta página da ajuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>Fecha a ajuda</translation>
    </message>
    <message>
        <source>Ticked, the help does not open when Ovelune starts</source>
        <translation>Marcada, a ajuda não abre quando o Ovelune inicia</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>Não mostrar mais ao iniciar</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>Visite nosso site</translation>
    </message>
    <message>
        <source>Opens Ovelune&apos;s website in your browser</source>
        <translation>Abre o site do Ovelune no seu navegador</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>Ovelune: %n answers could still not be added to the practice history %1 when Ovelune closed; they are lost.</source>
        <translation>
            <numerusform>Ovelune: ao fechar o Ovelune, %n resposta ainda não pôde ser adicionada ao histórico de prática %1; ela se perdeu.</numerusform>
            <numerusform>Ovelune: ao fechar o Ovelune, %n respostas ainda não puderam ser adicionadas ao histórico de prática %1; elas se perderam.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until then training goes on but answers are not recorded.</source>
        <translation>Ovelune: não é possível criar o histórico de prática %1 (a pasta %2 não pode ser criada). Garanta que isso seja possível (ou aponte XDG_DATA_HOME para uma pasta em que você possa gravar); até lá o treino continua, mas as respostas não são registradas.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be opened again.</source>
        <translation>Ovelune: o histórico de prática %1 não pode ser aberto por enquanto (%2). Ele fica como está: suas respostas esperam e são adicionadas assim que ele puder ser aberto de novo.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 was written by a newer Ovelune (its version is %2, this one knows up to %3). It is left as it is, and answers are not recorded.</source>
        <translation>Ovelune: o histórico de prática %1 foi gravado por um Ovelune mais novo (a versão dele é %2, este conhece até a %3). Ele fica como está, e as respostas não são registradas.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside (%3). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: não foi possível ler o histórico de prática %1 (%2) nem colocá-lo de lado (%3). O treino continua, mas as respostas não são registradas.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, but a new history cannot be created (%4). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: não foi possível ler o histórico de prática %1 (%2); ele foi colocado de lado como %3, mas não é possível criar um histórico novo (%4). O treino continua, mas as respostas não são registradas.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Ovelune: não foi possível ler o histórico de prática %1 (%2); ele foi colocado de lado como %3 e um histórico novo foi iniciado.</translation>
    </message>
    <message numerus="yes">
        <source>Ovelune: more than %n answers wait for the practice history %1; later ones are lost until it can be written again.</source>
        <translation>
            <numerusform>Ovelune: mais de %n resposta espera pelo histórico de prática %1; as seguintes se perdem até que ele possa ser gravado de novo.</numerusform>
            <numerusform>Ovelune: mais de %n respostas esperam pelo histórico de prática %1; as seguintes se perdem até que ele possa ser gravado de novo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be written again.</source>
        <translation>Ovelune: por enquanto não é possível adicionar respostas ao histórico de prática %1 (%2). Ele fica como está: suas respostas esperam e são adicionadas assim que ele puder ser gravado de novo.</translation>
    </message>
    <message>
        <source>The practice history %1 could not be read (%2).</source>
        <translation>Não foi possível ler o histórico de prática %1 (%2).</translation>
    </message>
    <message>
        <source>The export %1 cannot be written (%2).</source>
        <translation>Não é possível gravar a exportação %1 (%2).</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Idioma da área de trabalho</translation>
    </message>
</context>
<context>
    <name>NoteNamesChoice</name>
    <message>
        <source>Note names</source>
        <translation>Nomes das notas</translation>
    </message>
    <message>
        <source>How notes are named in the window</source>
        <translation>Como as notas são chamadas na janela</translation>
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
        <translation>Alemão (C D E … H)</translation>
    </message>
    <message>
        <source>Solfège (Do Re Mi)</source>
        <translation>Solfejo (Dó Ré Mi)</translation>
    </message>
    <message>
        <source>Japanese (ハ ニ ホ)</source>
        <translation>Japonês (ハ ニ ホ)</translation>
    </message>
</context>
<context>
    <name>PracticeChecks</name>
    <message>
        <source>No pitch test taken yet</source>
        <translation>Nenhum teste de ouvido feito ainda</translation>
    </message>
    <message>
        <source>Pitch tests, right answers, latest last: %1</source>
        <translation>Testes de ouvido, acertos, do mais antigo ao mais recente: %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisão</translation>
    </message>
    <message>
        <source>21 questions on your weakest notes and the notes you confuse (Ctrl+R)</source>
        <translation>21 perguntas sobre suas notas mais fracas e as notas que você confunde (Ctrl+R)</translation>
    </message>
    <message>
        <source>Test my pitch</source>
        <translation>Testar meu ouvido</translation>
    </message>
    <message>
        <source>36 notes over the whole range without feedback, then your result card (Ctrl+T)</source>
        <translation>36 notas em toda a extensão, sem veredito a cada nota, e depois o seu resultado (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch tests over time</source>
        <translation>Testes de ouvido ao longo do tempo</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Reference pitch: A4 = %1 Hz</source>
        <translation>Diapasão: Lá4 = %1 Hz</translation>
    </message>
    <message>
        <source>Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often played at 415 Hz. Train at the pitch of the music you hear.</source>
        <translation>Cada nota é afinada para que o Lá acima do Dó central soe nesta frequência. 440 Hz é o padrão usual; algumas orquestras afinam em 442 ou 443 Hz, e a música barroca costuma ser tocada em 415 Hz. Treine na afinação da música que você ouve.</translation>
    </message>
    <message>
        <source>A fluent answer is right and given within</source>
        <translation>Uma resposta fluente é certa e vem em até</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>from the start of the note. A note you know by ear comes to you at once; working it out from the note before takes longer. A note is marked fluent when 90 % of its latest 30 answers are.</source>
        <translation>a partir do início da nota. Uma nota que você conhece de ouvido vem na hora; deduzi-la da nota anterior leva mais tempo. Uma nota é marcada como fluente quando 90 % das suas últimas 30 respostas o são.</translation>
    </message>
    <message>
        <source>Pass a level only when fluent</source>
        <translation>Passar de nível só com fluência</translation>
    </message>
    <message>
        <source>A session then passes with 90 % fluent answers instead of 65 % right ones.</source>
        <translation>Uma sessão passa então com 90 % de respostas fluentes em vez de 65 % de certas.</translation>
    </message>
    <message>
        <source>Clear the ear between notes</source>
        <translation>Limpar o ouvido entre as notas</translation>
    </message>
    <message>
        <source>Before each note, a second of many notes at once and a short pause, and notes that follow each other at least a fifth apart: no note is named by its interval from the one before.</source>
        <translation>Antes de cada nota, um segundo de muitas notas ao mesmo tempo e uma pausa curta, e notas seguidas a pelo menos uma quinta de distância: nenhuma nota é reconhecida pelo intervalo com a anterior.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language of Ovelune&apos;s window and messages; it changes at once</source>
        <translation>O idioma da janela e das mensagens do Ovelune; muda na hora</translation>
    </message>
    <message>
        <source>Closes the settings</source>
        <translation>Fecha as configurações</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Ovelune: cannot make sure that only one Ovelune at a time uses your progress: the lock file %1 cannot be created. Make %2 a folder you can write to (it is $XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.</source>
        <translation>Ovelune: não é possível garantir que só um Ovelune por vez use seu progresso: o arquivo de trava %1 não pode ser criado. Faça de %2 uma pasta em que você possa gravar (é $XDG_RUNTIME_DIR). O Ovelune continua rodando; não o inicie duas vezes.</translation>
    </message>
    <message>
        <source>Ovelune is already running; its window has been brought to the front.</source>
        <translation>O Ovelune já está aberto; a janela dele foi trazida para a frente.</translation>
    </message>
    <message>
        <source>Ovelune: another Ovelune (process %1) is using your progress but does not answer. Close it, or end that process, then start Ovelune again.</source>
        <translation>Ovelune: outro Ovelune (processo %1) está usando seu progresso, mas não responde. Feche-o ou encerre esse processo e depois inicie o Ovelune de novo.</translation>
    </message>
    <message>
        <source>Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring this window to the front.</source>
        <translation>Ovelune: não é possível escutar em %1 (%2); iniciar o Ovelune uma segunda vez não trará esta janela para a frente.</translation>
    </message>
</context>
<context>
    <name>SpecialSessions</name>
    <message>
        <source>Pitch test</source>
        <translation>Teste de ouvido</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisão</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Your practice history is still short: this review asks every trained note evenly. </source>
        <translation>Seu histórico de prática ainda é curto: esta revisão pergunta todas as notas treinadas por igual. </translation>
    </message>
    <message>
        <source>Review of your weakest notes and the notes you confuse. </source>
        <translation>Revisão das suas notas mais fracas e das notas que você confunde. </translation>
    </message>
    <message>
        <source>%1 questions; your level stays as it is.</source>
        <translation>%1 perguntas; seu nível continua o mesmo.</translation>
    </message>
    <message>
        <source>Pitch test: %1 notes, no verdict until the end.</source>
        <translation>Teste de ouvido: %1 notas, sem veredito até o fim.</translation>
    </message>
    <message>
        <source>Pitch test: note %1 of %2. Play the key you hear; no verdict until the end.</source>
        <translation>Teste de ouvido: nota %1 de %2. Toque a tecla que você ouvir; sem veredito até o fim.</translation>
    </message>
    <message>
        <source>Pitch test: %1 of %2 answered.</source>
        <translation>Teste de ouvido: %1 de %2 respondidas.</translation>
    </message>
    <message>
        <source>Review done: %1 of %2 right. Your level stays as it was; the keys you missed come back in your next review. Replay note (Space) goes on with your session.</source>
        <translation>Revisão concluída: %1 de %2 certas. Seu nível continua como estava; as teclas que você errou voltam na próxima revisão. “Tocar de novo” (Espaço) continua a sua sessão.</translation>
    </message>
    <message>
        <source>Pitch test: %1 % right, %2 % the right note in the wrong octave, %3 semitones off on average, median answer in %4 s.</source>
        <translation>Teste de ouvido: %1 % de acertos, %2 % com a nota certa na oitava errada, erro médio de %3 semitons, tempo de resposta mediano de %4 s.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Closes the result</source>
        <translation>Fecha o resultado</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Right note, wrong octave: %1 % of answers</source>
        <translation>Nota certa, oitava errada: %1 % das respostas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Certas</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>Sua prática</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>Último %n dia</numerusform>
            <numerusform>Últimos %n dias</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tudo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calculando…</translation>
    </message>
    <message>
        <source>Nothing practised yet in this time. Answer a few questions: your level and score per session, how often you are right on each note and in each octave, the notes you take for others, how quickly you answer and how long you practise each day will appear here.</source>
        <translation>Nenhuma prática neste período ainda. Responda a algumas perguntas: aqui vão aparecer seu nível e sua pontuação por sessão, quantas vezes você acerta cada nota e cada oitava, as notas que você confunde com outras, a rapidez das suas respostas e quanto tempo você pratica por dia.</translation>
    </message>
    <message>
        <source>Score (%) and level per session</source>
        <translation>Pontuação (%) e nível por sessão</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Right per note (%)</source>
        <translation>Acertos por nota (%)</translation>
    </message>
    <message>
        <source>Right per octave (%)</source>
        <translation>Acertos por oitava (%)</translation>
    </message>
    <message>
        <source>Asked (rows) and answered (columns)</source>
        <translation>Perguntada (linhas) e respondida (colunas)</translation>
    </message>
    <message>
        <source>Median response time per day (s)</source>
        <translation>Tempo de resposta mediano por dia (s)</translation>
    </message>
    <message>
        <source>Practice per day (minutes)</source>
        <translation>Prática por dia (minutos)</translation>
    </message>
    <message>
        <source>Right per key: red never, yellow half the time, green always; grey not asked</source>
        <translation>Acertos por tecla: vermelho nunca, amarelo metade das vezes, verde sempre; cinza não perguntada</translation>
    </message>
    <message>
        <source>Shows the figures of this time</source>
        <translation>Mostra os números deste período</translation>
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
        <translation>Mostra os números como gráficos</translation>
    </message>
    <message>
        <source>Shows the figures as text, to read or to have read aloud</source>
        <translation>Mostra os números como texto, para ler ou ouvir em voz alta</translation>
    </message>
    <message>
        <source>Figures as text</source>
        <translation>Números em texto</translation>
    </message>
    <message>
        <source>Your practice in the time chosen, chart by chart</source>
        <translation>Sua prática no período escolhido, gráfico por gráfico</translation>
    </message>
    <message>
        <source>Right per key (%)</source>
        <translation>Acertos por tecla (%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and its figure, in the figures as text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Answers: %1, right: %2 %</source>
        <translation>Respostas: %1, acertos: %2 %</translation>
    </message>
    <message>
        <source>score %1 %, level %2</source>
        <translation>pontuação %1 %, nível %2</translation>
    </message>
    <message>
        <source>Notes taken for others (asked → answered)</source>
        <translation>Notas confundidas com outras (perguntada → respondida)</translation>
    </message>
    <message>
        <source>Closes the statistics</source>
        <translation>Fecha as estatísticas</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>The verdict on your last answer</source>
        <translation>O veredito sobre sua última resposta</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>Certo: %1</translation>
    </message>
    <message>
        <source>Not quite: you played %1, the note was %2</source>
        <translation>Quase: você tocou %1, a nota era %2</translation>
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
        <translation>Diga o nome de cada nota que ouvir tocando a tecla dela, com a oitava</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>Tocar de novo</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>Começar aqui</translation>
    </message>
    <message>
        <source>Plays the note again (Space)</source>
        <translation>Toca a nota de novo (Espaço)</translation>
    </message>
    <message>
        <source>Starts the session (Enter)</source>
        <translation>Começa a sessão (Enter)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Ends Ovelune; your progress is kept</source>
        <translation>Fecha o Ovelune; seu progresso fica salvo</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>Minimiza a janela</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Shows how Ovelune trains you</source>
        <translation>Mostra como o Ovelune treina você</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>Sua prática</translation>
    </message>
    <message>
        <source>Shows the statistics of your practice</source>
        <translation>Mostra as estatísticas da sua prática</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Opens the settings: reference pitch, fluency and clearing the ear</source>
        <translation>Abre as configurações: diapasão, fluência e limpeza do ouvido</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>LIG</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESL</translation>
    </message>
    <message>
        <source>The window takes the colour of each note played</source>
        <translation>A janela assume a cor de cada nota tocada</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Dica de cor</translation>
    </message>
    <message>
        <source>Guess the note</source>
        <translation>Adivinhe a nota</translation>
    </message>
    <message>
        <source>Level %1 of %2: %3</source>
        <translation>Nível %1 de %2: %3</translation>
    </message>
    <message>
        <source>Train at level %1: Space; other levels: the arrow keys</source>
        <translation>Treinar no nível %1: Espaço; outros níveis: as setas</translation>
    </message>
    <message>
        <source>Choose the notes you train</source>
        <translation>Escolha as notas que você treina</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>Clique na nota</translation>
    </message>
    <message>
        <source>Score: %1 of %2 answered, %3 right</source>
        <translation>Pontuação: %1 de %2 respondidas, %3 certas</translation>
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
        <translation>O teclado MIDI que o Ovelune escuta</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>The instrument the notes sound with</source>
        <translation>O instrumento em que as notas soam</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Teclado de piano</translation>
    </message>
    <message>
        <source>Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to another octave (now from C%1)</source>
        <translation>Responda clicando numa tecla ou com as teclas de letras: Z S X D C V … para a oitava de baixo, Q 2 W 3 E R … para a de cima; as setas ou Ctrl e 1 a 7 as levam para outra oitava (agora a partir de C%1)</translation>
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
        <translation>Seu caminho para o ouvido absoluto</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>Dica de cor</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>Teclado MIDI e teclado na tela</translation>
    </message>
</context>
</TS>
