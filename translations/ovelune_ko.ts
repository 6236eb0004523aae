<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AppSettings</name>
    <message>
        <source>Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only while Ovelune runs.</source>
        <translation>Ovelune: 진행 상황을 %1에 저장할 수 없습니다. %2이(가) 쓰기 가능한 폴더인지 확인하십시오(또는 XDG_CONFIG_HOME을 쓰기 가능한 폴더로 설정하십시오). 그때까지 진행 상황은 Ovelune이 실행되는 동안에만 유지됩니다.</translation>
    </message>
    <message>
        <source>Ovelune: the progress file %1 was damaged; what could be read was checked and kept, and the file has been written afresh.</source>
        <translation>Ovelune: 진행 상황 파일 %1이(가) 손상되었습니다. 읽을 수 있는 내용은 확인하여 보존했고, 파일을 새로 기록했습니다.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.</source>
        <translation>지금은 연습 기록을 읽을 수 없습니다(%1). 잃어버린 데이터는 없으니 잠시 후 다시 시도하십시오.</translation>
    </message>
    <message>
        <source>Ovelune: MIDI input is not available (%1: %2); continuing with the on-screen keyboard and the built-in synthesizer.</source>
        <translation>Ovelune: MIDI 입력을 사용할 수 없습니다(%1: %2). 화면 건반과 내장 신시사이저로 계속합니다.</translation>
    </message>
    <message>
        <source>Ovelune: the sound engine could not start (%1); notes stay silent.</source>
        <translation>Ovelune: 사운드 엔진을 시작할 수 없습니다(%1). 음이 재생되지 않습니다.</translation>
    </message>
    <message>
        <source>Ovelune: the MIDI keyboard &quot;%1&quot; has gone away. Answer on the on-screen keyboard, or plug the MIDI keyboard in again: Ovelune takes it up by itself.</source>
        <translation>Ovelune: MIDI 건반 “%1”의 연결이 끊어졌습니다. 화면 건반으로 답하거나 MIDI 건반을 다시 연결하십시오. Ovelune이 자동으로 인식합니다.</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>MIDI 건반: %1</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>MIDI 장치 없음</translation>
    </message>
    <message>
        <source>Ovelune: MIDI devices could not be listed again: %1</source>
        <translation>Ovelune: MIDI 장치 목록을 다시 가져올 수 없습니다: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write every recorded answer to &lt;file&gt; as CSV (one line each, with a header), then exit.</source>
        <translation>기록된 모든 답을 CSV 형식으로 &lt;파일&gt;에 쓴 뒤(답마다 한 줄, 머리글 포함) 종료합니다.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>Ear training for absolute (perfect) pitch: name single notes by playing the very key.
Without options the training window opens; the Qt toolkit&apos;s options apply to it.</source>
        <translation>절대음감 청음 훈련: 들은 음과 똑같은 건반을 눌러 단음을 맞힙니다.
옵션 없이 실행하면 훈련 창이 열리며, Qt 툴킷의 옵션이 적용됩니다.</translation>
    </message>
    <message>
        <source>Ovelune: %1
Try &apos;ovelune --help&apos;.</source>
        <translation>Ovelune: %1
&apos;ovelune --help&apos;를 참고하십시오.</translation>
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
        <translation>어쿠스틱 그랜드 피아노</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>일렉트릭 피아노</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>하프시코드</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>마림바</translation>
    </message>
    <message>
        <source>Reed organ</source>
        <translation>리드 오르간</translation>
    </message>
    <message>
        <source>Nylon guitar</source>
        <translation>나일론 기타</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>하프</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>바이올린</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>첼로</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>현악 합주</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>합창</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>트럼펫</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>클라리넷</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>플루트</translation>
    </message>
    <message>
        <source>A different instrument each note</source>
        <translation>음마다 다른 악기</translation>
    </message>
</context>
<context>
    <name>FluencyPanel</name>
    <message>
        <source>Fluency over each note&apos;s latest 30 answers: fluent (right within %1 s); right; median response time</source>
        <translation>각 음의 최근 답 30개 기준 숙련도: 숙련(%1초 이내 정답); 정답; 반응 시간 중앙값</translation>
    </message>
    <message>
        <source>%1 % fluent</source>
        <translation>숙련 %1 %</translation>
    </message>
    <message>
        <source>%1 % · %2 s</source>
        <translation>%1 % · %2초</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Ovelune trains perfect pitch: the ability to name a note the moment you hear it, with no reference tone to compare it with. Many people believe it is a rare gift that you either have from birth or never will. It is not: like reading or typing, it is a skill, and with the right method and a little practice every day you can learn it.</source>
        <translation>Ovelune은 절대음감을 훈련합니다. 절대음감이란 비교할 기준음 없이 음을 듣는 순간 그 음이 무엇인지 말할 수 있는 능력입니다. 많은 사람들이 절대음감은 타고나거나 아니면 결코 가질 수 없는 드문 재능이라고 믿습니다. 그렇지 않습니다. 읽기나 타자처럼 절대음감도 기술이며, 올바른 방법으로 매일 조금씩 연습하면 누구나 익힐 수 있습니다.</translation>
    </message>
    <message>
        <source>You begin with a single note, %1, which sounds equally often in every octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and adds the next note as soon as you are ready, until you know all twelve notes of the chromatic scale in every octave. You can also choose for yourself how many notes are played: just click a note on the bar at the top of the window.</source>
        <translation>처음에는 %1 한 음으로 시작하며, 이 음은 건반의 모든 옥타브에서 고르게 나옵니다. 바로 그 건반을 찾아 답하십시오. Ovelune은 학습 성과를 지켜보다가 준비가 되는 대로 다음 음을 추가하며, 마침내 모든 옥타브에서 반음계의 열두 음을 모두 알게 됩니다. 몇 개의 음을 연습할지 직접 고를 수도 있습니다. 창 위쪽 막대에서 음을 클릭하기만 하면 됩니다.</translation>
    </message>
    <message>
        <source>Colours are easy to remember, and they can help you remember pitches too. With the colour hint switched on, the window takes on the colour of each note as it is played, so that every note gets a colour of its own and sound and colour grow together in your memory. Switch the hint off whenever you want to rely on your ears alone.</source>
        <translation>색은 기억하기 쉬우며, 음높이를 기억하는 데에도 도움이 됩니다. 색 힌트를 켜면 음이 재생될 때마다 창이 그 음의 색으로 바뀝니다. 그래서 음마다 고유한 색이 생기고, 소리와 색이 기억 속에서 함께 자리 잡습니다. 귀만으로 판단하고 싶을 때는 언제든지 힌트를 끄십시오.</translation>
    </message>
    <message>
        <source>To answer, click the key you heard on the keyboard at the bottom of the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.</source>
        <translation>답하려면 창 아래쪽 건반에서 들은 음의 건반을 올바른 옥타브로 클릭하십시오. 컴퓨터에 MIDI 건반이 연결되어 있으면 그 건반으로 음을 연주하기만 하면 됩니다. 화면에서 클릭한 것과 똑같이 인식됩니다. 컴퓨터 키보드에서는 문자 키 줄이 피아노 건반 역할을 합니다: Z S X D C V … 및 Q 2 W 3 E R …. 화살표 키로 한 옥타브씩 옮길 수 있습니다.</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>이전 페이지</translation>
    </message>
    <message>
        <source>Shows the help&apos;s previous page</source>
        <translation>도움말의 이전 페이지를 표시합니다</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>다음 페이지</translation>
    </message>
    <message>
        <source>Shows the help&apos;s next page</source>
        <translation>도움말의 다음 페이지를 표시합니다</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>%1페이지</translation>
    </message>
    <message>
        <source>Shows this page of the help</source>
        <translation>도움말의 이 페이지를 표시합니다</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>도움말을 닫습니다</translation>
    </message>
    <message>
        <source>Ticked, the help does not open when Ovelune starts</source>
        <translation>선택하면 Ovelune을 시작할 때 도움말이 열리지 않습니다</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>시작할 때 다시 표시하지 않음</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>웹사이트 방문</translation>
    </message>
    <message>
        <source>Opens Ovelune&apos;s website in your browser</source>
        <translation>브라우저에서 Ovelune 웹사이트를 엽니다</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>Ovelune: %n answers could still not be added to the practice history %1 when Ovelune closed; they are lost.</source>
        <translation>
            <numerusform>Ovelune: Ovelune을 닫을 때까지 답 %n개를 연습 기록 %1에 추가하지 못했습니다. 이 답들은 손실되었습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until then training goes on but answers are not recorded.</source>
        <translation>Ovelune: 연습 기록 %1을(를) 만들 수 없습니다(폴더 %2을(를) 만들 수 없음). 폴더를 만들 수 있는지 확인하십시오(또는 XDG_DATA_HOME을 쓰기 가능한 폴더로 설정하십시오). 그때까지 훈련은 계속되지만 답은 기록되지 않습니다.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>폴더임</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be opened again.</source>
        <translation>Ovelune: 지금은 연습 기록 %1을(를) 열 수 없습니다(%2). 기록은 그대로 보존됩니다. 답은 대기하다가 다시 열 수 있게 되는 즉시 추가됩니다.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 was written by a newer Ovelune (its version is %2, this one knows up to %3). It is left as it is, and answers are not recorded.</source>
        <translation>Ovelune: 연습 기록 %1은(는) 더 새로운 Ovelune이 작성했습니다(기록 버전 %2, 이 프로그램은 %3까지 지원). 기록은 그대로 두며, 답은 기록되지 않습니다.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside (%3). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: 연습 기록 %1을(를) 읽을 수 없고(%2) 다른 곳으로 옮겨 둘 수도 없습니다(%3). 훈련은 계속되지만 답은 기록되지 않습니다.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, but a new history cannot be created (%4). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: 연습 기록 %1을(를) 읽을 수 없어(%2) %3(으)로 옮겨 두었지만, 새 기록을 만들 수 없습니다(%4). 훈련은 계속되지만 답은 기록되지 않습니다.</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Ovelune: 연습 기록 %1을(를) 읽을 수 없어(%2) %3(으)로 옮겨 두고 새 기록을 시작했습니다.</translation>
    </message>
    <message numerus="yes">
        <source>Ovelune: more than %n answers wait for the practice history %1; later ones are lost until it can be written again.</source>
        <translation>
            <numerusform>Ovelune: 연습 기록 %1에 기록되기를 기다리는 답이 %n개를 넘었습니다. 다시 쓸 수 있게 될 때까지 이후의 답은 손실됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be written again.</source>
        <translation>Ovelune: 지금은 연습 기록 %1에 답을 추가할 수 없습니다(%2). 기록은 그대로 보존됩니다. 답은 대기하다가 다시 쓸 수 있게 되는 즉시 추가됩니다.</translation>
    </message>
    <message>
        <source>The practice history %1 could not be read (%2).</source>
        <translation>연습 기록 %1을(를) 읽을 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>The export %1 cannot be written (%2).</source>
        <translation>내보내기 파일 %1을(를) 쓸 수 없습니다(%2).</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>데스크톱 언어</translation>
    </message>
</context>
<context>
    <name>NoteNamesChoice</name>
    <message>
        <source>Note names</source>
        <translation>음이름</translation>
    </message>
    <message>
        <source>How notes are named in the window</source>
        <translation>창에서 음을 표기하는 방식</translation>
    </message>
</context>
<context>
    <name>NoteNamingChoice</name>
    <message>
        <source>Letters (C D E)</source>
        <translation>알파벳 (C D E)</translation>
    </message>
    <message>
        <source>German (C D E … H)</source>
        <translation>독일식 (C D E … H)</translation>
    </message>
    <message>
        <source>Solfège (Do Re Mi)</source>
        <translation>솔페주 (Do Re Mi)</translation>
    </message>
    <message>
        <source>Japanese (ハ ニ ホ)</source>
        <translation>일본식 (ハ ニ ホ)</translation>
    </message>
</context>
<context>
    <name>PracticeChecks</name>
    <message>
        <source>No pitch test taken yet</source>
        <translation>아직 음감 테스트 기록이 없습니다</translation>
    </message>
    <message>
        <source>Pitch tests, right answers, latest last: %1</source>
        <translation>음감 테스트 정답률(오래된 순): %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>복습</translation>
    </message>
    <message>
        <source>21 questions on your weakest notes and the notes you confuse (Ctrl+R)</source>
        <translation>가장 약한 음과 헷갈리는 음으로 21문제를 출제합니다(Ctrl+R)</translation>
    </message>
    <message>
        <source>Test my pitch</source>
        <translation>음감 테스트</translation>
    </message>
    <message>
        <source>36 notes over the whole range without feedback, then your result card (Ctrl+T)</source>
        <translation>전체 음역에서 36개 음을 정답 여부 표시 없이 출제한 뒤 결과 카드를 보여 줍니다(Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch tests over time</source>
        <translation>음감 테스트 추이</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Reference pitch: A4 = %1 Hz</source>
        <translation>기준 음높이: A4 = %1 Hz</translation>
    </message>
    <message>
        <source>Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often played at 415 Hz. Train at the pitch of the music you hear.</source>
        <translation>모든 음은 가운데 C 위의 A가 이 주파수로 울리도록 조율됩니다. 440 Hz가 일반적인 표준이며, 일부 오케스트라는 442 또는 443 Hz로 조율하고, 바로크 음악은 흔히 415 Hz로 연주됩니다. 평소 듣는 음악의 음높이에 맞춰 연습하십시오.</translation>
    </message>
    <message>
        <source>A fluent answer is right and given within</source>
        <translation>숙련된 답: 음이 시작된 후</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1초</translation>
    </message>
    <message>
        <source>from the start of the note. A note you know by ear comes to you at once; working it out from the note before takes longer. A note is marked fluent when 90 % of its latest 30 answers are.</source>
        <translation>이내에 맞힌 정답. 귀로 아는 음은 곧바로 떠오르지만, 앞 음에서 따져서 찾으면 더 오래 걸립니다. 어떤 음의 최근 답 30개 중 90 %가 숙련된 답이면 그 음을 숙련으로 표시합니다.</translation>
    </message>
    <message>
        <source>Pass a level only when fluent</source>
        <translation>숙련했을 때만 레벨 통과</translation>
    </message>
    <message>
        <source>A session then passes with 90 % fluent answers instead of 65 % right ones.</source>
        <translation>이 경우 세션 통과 기준이 정답 65 % 대신 숙련된 답 90 %가 됩니다.</translation>
    </message>
    <message>
        <source>Clear the ear between notes</source>
        <translation>음 사이에 귀 비우기</translation>
    </message>
    <message>
        <source>Before each note, a second of many notes at once and a short pause, and notes that follow each other at least a fifth apart: no note is named by its interval from the one before.</source>
        <translation>각 음 앞에 여러 음을 동시에 1초간 울리고 잠시 멈추며, 연이은 두 음은 최소 5도 이상 떨어지게 합니다. 따라서 앞 음과의 음정으로 음을 알아맞힐 수 없습니다.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>The language of Ovelune&apos;s window and messages; it changes at once</source>
        <translation>Ovelune 창과 메시지의 언어입니다. 즉시 바뀝니다</translation>
    </message>
    <message>
        <source>Closes the settings</source>
        <translation>설정을 닫습니다</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Ovelune: cannot make sure that only one Ovelune at a time uses your progress: the lock file %1 cannot be created. Make %2 a folder you can write to (it is $XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.</source>
        <translation>Ovelune: 한 번에 하나의 Ovelune만 진행 상황을 사용하도록 보장할 수 없습니다. 잠금 파일 %1을(를) 만들 수 없습니다. %2을(를) 쓰기 가능한 폴더로 만드십시오(즉, $XDG_RUNTIME_DIR). Ovelune은 계속 실행되지만, 두 번 실행하지 마십시오.</translation>
    </message>
    <message>
        <source>Ovelune is already running; its window has been brought to the front.</source>
        <translation>Ovelune이 이미 실행 중입니다. 해당 창을 앞으로 가져왔습니다.</translation>
    </message>
    <message>
        <source>Ovelune: another Ovelune (process %1) is using your progress but does not answer. Close it, or end that process, then start Ovelune again.</source>
        <translation>Ovelune: 다른 Ovelune(프로세스 %1)이 진행 상황을 사용 중이지만 응답하지 않습니다. 그 프로그램을 닫거나 프로세스를 종료한 뒤 Ovelune을 다시 시작하십시오.</translation>
    </message>
    <message>
        <source>Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring this window to the front.</source>
        <translation>Ovelune: %1에서 수신 대기할 수 없습니다(%2). Ovelune을 다시 실행해도 이 창이 앞으로 나오지 않습니다.</translation>
    </message>
</context>
<context>
    <name>SpecialSessions</name>
    <message>
        <source>Pitch test</source>
        <translation>음감 테스트</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>복습</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Your practice history is still short: this review asks every trained note evenly. </source>
        <translation>아직 연습 기록이 적어서 이번 복습에서는 연습한 모든 음을 고르게 출제합니다. </translation>
    </message>
    <message>
        <source>Review of your weakest notes and the notes you confuse. </source>
        <translation>가장 약한 음과 헷갈리는 음을 복습합니다. </translation>
    </message>
    <message>
        <source>%1 questions; your level stays as it is.</source>
        <translation>모두 %1문제이며, 레벨은 바뀌지 않습니다.</translation>
    </message>
    <message>
        <source>Pitch test: %1 notes, no verdict until the end.</source>
        <translation>음감 테스트: %1개 음, 끝날 때까지 판정을 보여 주지 않습니다.</translation>
    </message>
    <message>
        <source>Pitch test: note %1 of %2. Play the key you hear; no verdict until the end.</source>
        <translation>음감 테스트: %2개 중 %1번째 음. 들리는 음의 건반을 누르십시오. 끝날 때까지 판정을 보여 주지 않습니다.</translation>
    </message>
    <message>
        <source>Pitch test: %1 of %2 answered.</source>
        <translation>음감 테스트: %2개 중 %1개 답함.</translation>
    </message>
    <message>
        <source>Review done: %1 of %2 right. Your level stays as it was; the keys you missed come back in your next review. Replay note (Space) goes on with your session.</source>
        <translation>복습 완료: %2문제 중 %1문제 정답. 레벨은 그대로입니다. 틀린 건반은 다음 복습에 다시 나옵니다. 다시 듣기(Space)를 누르면 세션을 계속합니다.</translation>
    </message>
    <message>
        <source>Pitch test: %1 % right, %2 % the right note in the wrong octave, %3 semitones off on average, median answer in %4 s.</source>
        <translation>음감 테스트: 정답 %1 %, 음은 맞고 옥타브는 틀림 %2 %, 평균 %3반음 차이, 반응 시간 중앙값 %4초.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2번 중 %1번 정답</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Closes the result</source>
        <translation>결과를 닫습니다</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Right note, wrong octave: %1 % of answers</source>
        <translation>음은 맞고 옥타브는 틀림: 답의 %1 %</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>정답</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>내 연습</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>최근 %n일</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <translation>전체</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>계산 중…</translation>
    </message>
    <message>
        <source>Nothing practised yet in this time. Answer a few questions: your level and score per session, how often you are right on each note and in each octave, the notes you take for others, how quickly you answer and how long you practise each day will appear here.</source>
        <translation>이 기간에는 아직 연습 기록이 없습니다. 몇 문제에 답해 보십시오. 세션별 레벨과 점수, 음별·옥타브별 정답률, 다른 음으로 착각한 음, 답하는 속도, 하루 연습 시간이 여기에 표시됩니다.</translation>
    </message>
    <message>
        <source>Score (%) and level per session</source>
        <translation>세션별 점수(%)와 레벨</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>레벨</translation>
    </message>
    <message>
        <source>Right per note (%)</source>
        <translation>음별 정답률(%)</translation>
    </message>
    <message>
        <source>Right per octave (%)</source>
        <translation>옥타브별 정답률(%)</translation>
    </message>
    <message>
        <source>Asked (rows) and answered (columns)</source>
        <translation>출제된 음(행)과 답한 음(열)</translation>
    </message>
    <message>
        <source>Median response time per day (s)</source>
        <translation>일별 반응 시간 중앙값(초)</translation>
    </message>
    <message>
        <source>Practice per day (minutes)</source>
        <translation>일별 연습 시간(분)</translation>
    </message>
    <message>
        <source>Right per key: red never, yellow half the time, green always; grey not asked</source>
        <translation>건반별 정답률: 빨강 항상 오답, 노랑 절반 정답, 초록 항상 정답, 회색 출제 안 됨</translation>
    </message>
    <message>
        <source>Shows the figures of this time</source>
        <translation>이 기간의 수치를 표시합니다</translation>
    </message>
    <message>
        <source>As charts</source>
        <translation>차트로 보기</translation>
    </message>
    <message>
        <source>As text</source>
        <translation>텍스트로 보기</translation>
    </message>
    <message>
        <source>Shows the figures as charts</source>
        <translation>수치를 차트로 표시합니다</translation>
    </message>
    <message>
        <source>Shows the figures as text, to read or to have read aloud</source>
        <translation>수치를 텍스트로 표시합니다. 읽거나 소리 내어 읽게 할 수 있습니다</translation>
    </message>
    <message>
        <source>Figures as text</source>
        <translation>수치(텍스트)</translation>
    </message>
    <message>
        <source>Your practice in the time chosen, chart by chart</source>
        <translation>선택한 기간의 연습, 차트별</translation>
    </message>
    <message>
        <source>Right per key (%)</source>
        <translation>건반별 정답률(%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and its figure, in the figures as text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Answers: %1, right: %2 %</source>
        <translation>답: %1개, 정답률: %2 %</translation>
    </message>
    <message>
        <source>score %1 %, level %2</source>
        <translation>점수 %1 %, 레벨 %2</translation>
    </message>
    <message>
        <source>Notes taken for others (asked → answered)</source>
        <translation>다른 음으로 착각한 음(출제 → 답)</translation>
    </message>
    <message>
        <source>Closes the statistics</source>
        <translation>통계를 닫습니다</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>The verdict on your last answer</source>
        <translation>마지막 답에 대한 판정</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>정답: %1</translation>
    </message>
    <message>
        <source>Not quite: you played %1, the note was %2</source>
        <translation>아깝습니다: 연주한 음은 %1, 정답은 %2입니다</translation>
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
        <translation>들리는 음마다 해당 건반을 옥타브까지 맞게 눌러 답하십시오</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>다시 듣기</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>연습 시작</translation>
    </message>
    <message>
        <source>Plays the note again (Space)</source>
        <translation>음을 다시 재생합니다(Space)</translation>
    </message>
    <message>
        <source>Starts the session (Enter)</source>
        <translation>세션을 시작합니다(Enter)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Ends Ovelune; your progress is kept</source>
        <translation>Ovelune을 종료합니다. 진행 상황은 보존됩니다</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>숨기기</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>창을 최소화합니다</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Shows how Ovelune trains you</source>
        <translation>Ovelune의 훈련 방식을 보여 줍니다</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>내 연습</translation>
    </message>
    <message>
        <source>Shows the statistics of your practice</source>
        <translation>연습 통계를 표시합니다</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Opens the settings: reference pitch, fluency and clearing the ear</source>
        <translation>설정을 엽니다: 기준 음높이, 숙련도, 귀 비우기</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>켬</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>끔</translation>
    </message>
    <message>
        <source>The window takes the colour of each note played</source>
        <translation>재생되는 음마다 창이 그 음의 색으로 바뀝니다</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>색 힌트</translation>
    </message>
    <message>
        <source>Guess the note</source>
        <translation>음 맞히기</translation>
    </message>
    <message>
        <source>Level %1 of %2: %3</source>
        <translation>레벨 %1/%2: %3</translation>
    </message>
    <message>
        <source>Train at level %1: Space; other levels: the arrow keys</source>
        <translation>레벨 %1로 연습: Space, 다른 레벨: 화살표 키</translation>
    </message>
    <message>
        <source>Choose the notes you train</source>
        <translation>연습할 음을 선택합니다</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>음을 클릭</translation>
    </message>
    <message>
        <source>Score: %1 of %2 answered, %3 right</source>
        <translation>점수: %2개 중 %1개 답함, 정답 %3개</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboard</source>
        <translation>MIDI 건반</translation>
    </message>
    <message>
        <source>The MIDI keyboard Ovelune listens to</source>
        <translation>Ovelune이 입력을 받는 MIDI 건반</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>악기</translation>
    </message>
    <message>
        <source>The instrument the notes sound with</source>
        <translation>음을 재생할 악기</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>피아노 건반</translation>
    </message>
    <message>
        <source>Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to another octave (now from C%1)</source>
        <translation>건반을 클릭하거나 문자 키로 답하십시오. Z S X D C V …는 아래 옥타브, Q 2 W 3 E R …는 그 위 옥타브입니다. 화살표 키나 Ctrl과 1~7로 다른 옥타브로 옮길 수 있습니다(현재 C%1부터)</translation>
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
        <translation>절대음감으로 가는 길</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>색 힌트</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>MIDI 건반과 화면 건반</translation>
    </message>
</context>
</TS>
