<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AppSettings</name>
    <message>
        <source>Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only while Ovelune runs.</source>
        <translation>Ovelune: 進捗を %1 に保存できません。%2 が書き込み可能なフォルダーであることを確認してください（または XDG_CONFIG_HOME に書き込み可能なフォルダーを設定してください）。それまでは、進捗は Ovelune の実行中だけ保持されます。</translation>
    </message>
    <message>
        <source>Ovelune: the progress file %1 was damaged; what could be read was checked and kept, and the file has been written afresh.</source>
        <translation>Ovelune: 進捗ファイル %1 が破損していました。読み取れた内容は確認のうえ保持し、ファイルを新たに書き直しました。</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.</source>
        <translation>練習履歴を現在読み込めません（%1）。データは失われていません。少し待ってからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Ovelune: MIDI input is not available (%1: %2); continuing with the on-screen keyboard and the built-in synthesizer.</source>
        <translation>Ovelune: MIDI 入力を利用できません（%1: %2）。画面上の鍵盤と内蔵シンセサイザーで続行します。</translation>
    </message>
    <message>
        <source>Ovelune: the sound engine could not start (%1); notes stay silent.</source>
        <translation>Ovelune: サウンドエンジンを起動できませんでした（%1）。音は鳴りません。</translation>
    </message>
    <message>
        <source>Ovelune: the MIDI keyboard &quot;%1&quot; has gone away. Answer on the on-screen keyboard, or plug the MIDI keyboard in again: Ovelune takes it up by itself.</source>
        <translation>Ovelune: MIDI キーボード「%1」が切断されました。画面上の鍵盤で答えるか、MIDI キーボードを接続し直してください。Ovelune が自動的に認識します。</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>MIDI キーボード: %1</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>MIDI 機器なし</translation>
    </message>
    <message>
        <source>Ovelune: MIDI devices could not be listed again: %1</source>
        <translation>Ovelune: MIDI 機器の一覧を再取得できませんでした: %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write every recorded answer to &lt;file&gt; as CSV (one line each, with a header), then exit.</source>
        <translation>記録されたすべての解答を CSV 形式で &lt;ファイル&gt; に書き出して終了します（1 解答 1 行、ヘッダー付き）。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Ear training for absolute (perfect) pitch: name single notes by playing the very key.
Without options the training window opens; the Qt toolkit&apos;s options apply to it.</source>
        <translation>絶対音感のための聴音トレーニング: 単音を聴き、その音の鍵盤を弾いて答えます。
オプションなしで起動するとトレーニング画面が開きます。Qt ツールキットのオプションが使えます。</translation>
    </message>
    <message>
        <source>Ovelune: %1
Try &apos;ovelune --help&apos;.</source>
        <translation>Ovelune: %1
「ovelune --help」を参照してください。</translation>
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
        <translation>グランドピアノ</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>エレクトリックピアノ</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>チェンバロ</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>マリンバ</translation>
    </message>
    <message>
        <source>Reed organ</source>
        <translation>リードオルガン</translation>
    </message>
    <message>
        <source>Nylon guitar</source>
        <translation>クラシックギター</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>ハープ</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>ヴァイオリン</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>チェロ</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>弦楽合奏</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>合唱</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>トランペット</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>クラリネット</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>フルート</translation>
    </message>
    <message>
        <source>A different instrument each note</source>
        <translation>1 音ごとに楽器を変える</translation>
    </message>
</context>
<context>
    <name>FluencyPanel</name>
    <message>
        <source>Fluency over each note&apos;s latest 30 answers: fluent (right within %1 s); right; median response time</source>
        <translation>各音の直近 30 回の解答: 即答率（%1 秒以内の正解）、正答率、解答時間の中央値</translation>
    </message>
    <message>
        <source>%1 % fluent</source>
        <translation>即答 %1%</translation>
    </message>
    <message>
        <source>%1 % · %2 s</source>
        <translation>%1% · %2 秒</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Ovelune trains perfect pitch: the ability to name a note the moment you hear it, with no reference tone to compare it with. Many people believe it is a rare gift that you either have from birth or never will. It is not: like reading or typing, it is a skill, and with the right method and a little practice every day you can learn it.</source>
        <translation>Ovelune は絶対音感を鍛えます。絶対音感とは、比べるための基準音なしに、聴いた瞬間にその音を言い当てる能力です。生まれつき持っているか、一生身につかないかのどちらかの、まれな才能だと多くの人が考えています。しかし、そうではありません。読むことやタイピングと同じく技能であり、正しい方法で毎日少しずつ練習すれば身につけられます。</translation>
    </message>
    <message>
        <source>You begin with a single note, %1, which sounds equally often in every octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and adds the next note as soon as you are ready, until you know all twelve notes of the chromatic scale in every octave. You can also choose for yourself how many notes are played: just click a note on the bar at the top of the window.</source>
        <translation>最初は %1 の 1 音だけから始めます。この音は鍵盤のどのオクターブでも同じ頻度で鳴ります。まさにその鍵盤を探して答えてください。Ovelune は上達の様子を見守り、準備ができしだい次の音を加えます。こうして半音階の 12 音すべてを、どのオクターブでも分かるようになるまで続けます。出題する音の数を自分で選ぶこともできます。ウィンドウ上部のバーで音をクリックするだけです。</translation>
    </message>
    <message>
        <source>Colours are easy to remember, and they can help you remember pitches too. With the colour hint switched on, the window takes on the colour of each note as it is played, so that every note gets a colour of its own and sound and colour grow together in your memory. Switch the hint off whenever you want to rely on your ears alone.</source>
        <translation>色は覚えやすく、音の高さを覚える助けにもなります。カラーヒントをオンにすると、音が鳴るたびにウィンドウがその音の色に変わります。音ごとに固有の色が付き、音と色が記憶の中で結びついていきます。耳だけに頼りたいときは、いつでもヒントをオフにしてください。</translation>
    </message>
    <message>
        <source>To answer, click the key you heard on the keyboard at the bottom of the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.</source>
        <translation>答えるには、ウィンドウ下部の鍵盤で、聴こえた音の鍵盤を正しいオクターブでクリックします。コンピューターに MIDI キーボードを接続している場合は、その鍵盤で音を弾くだけです。画面上のクリックとまったく同じように扱われます。パソコンのキーボードでは、文字キーの列（Z S X D C V … と Q 2 W 3 E R …）がピアノの鍵盤になり、矢印キーで 1 オクターブずつ移動します。</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Shows the help&apos;s previous page</source>
        <translation>ヘルプの前のページを表示します</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Shows the help&apos;s next page</source>
        <translation>ヘルプの次のページを表示します</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>%1 ページ</translation>
    </message>
    <message>
        <source>Shows this page of the help</source>
        <translation>ヘルプのこのページを表示します</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>ヘルプを閉じます</translation>
    </message>
    <message>
        <source>Ticked, the help does not open when Ovelune starts</source>
        <translation>チェックすると、Ovelune の起動時にヘルプを開きません</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>今後、起動時に表示しない</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>公式サイト</translation>
    </message>
    <message>
        <source>Opens Ovelune&apos;s website in your browser</source>
        <translation>Ovelune のウェブサイトをブラウザーで開きます</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>Ovelune: %n answers could still not be added to the practice history %1 when Ovelune closed; they are lost.</source>
        <translation>
            <numerusform>Ovelune: 終了時までに %n 件の解答を練習履歴 %1 に追加できませんでした。これらの解答は失われました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until then training goes on but answers are not recorded.</source>
        <translation>Ovelune: 練習履歴 %1 を作成できません（フォルダー %2 を作成できません）。作成できるようにしてください（または XDG_DATA_HOME に書き込み可能なフォルダーを設定してください）。それまではトレーニングを続けられますが、解答は記録されません。</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be opened again.</source>
        <translation>Ovelune: 練習履歴 %1 を現在開けません（%2）。履歴はそのまま保持されます。解答は保留され、再び開けるようになりしだい追加されます。</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 was written by a newer Ovelune (its version is %2, this one knows up to %3). It is left as it is, and answers are not recorded.</source>
        <translation>Ovelune: 練習履歴 %1 は新しいバージョンの Ovelune で書き込まれています（履歴のバージョンは %2、このバージョンが扱えるのは %3 まで）。履歴はそのまま残し、解答は記録しません。</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside (%3). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: 練習履歴 %1 を読み込めず（%2）、退避することもできません（%3）。トレーニングは続けられますが、解答は記録されません。</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, but a new history cannot be created (%4). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune: 練習履歴 %1 を読み込めませんでした（%2）。%3 として退避しましたが、新しい履歴を作成できません（%4）。トレーニングは続けられますが、解答は記録されません。</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Ovelune: 練習履歴 %1 を読み込めませんでした（%2）。%3 として退避し、新しい履歴を開始しました。</translation>
    </message>
    <message numerus="yes">
        <source>Ovelune: more than %n answers wait for the practice history %1; later ones are lost until it can be written again.</source>
        <translation>
            <numerusform>Ovelune: 練習履歴 %1 への書き込みを待つ解答が %n 件を超えました。再び書き込めるようになるまで、これ以降の解答は失われます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be written again.</source>
        <translation>Ovelune: 現在、練習履歴 %1 に解答を追加できません（%2）。履歴はそのまま保持されます。解答は保留され、再び書き込めるようになりしだい追加されます。</translation>
    </message>
    <message>
        <source>The practice history %1 could not be read (%2).</source>
        <translation>練習履歴 %1 を読み込めませんでした（%2）。</translation>
    </message>
    <message>
        <source>The export %1 cannot be written (%2).</source>
        <translation>エクスポート先 %1 に書き込めません（%2）。</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>システムの言語</translation>
    </message>
</context>
<context>
    <name>NoteNamesChoice</name>
    <message>
        <source>Note names</source>
        <translation>音名</translation>
    </message>
    <message>
        <source>How notes are named in the window</source>
        <translation>ウィンドウでの音名の表記</translation>
    </message>
</context>
<context>
    <name>NoteNamingChoice</name>
    <message>
        <source>Letters (C D E)</source>
        <translation>英語音名 (C D E)</translation>
    </message>
    <message>
        <source>German (C D E … H)</source>
        <translation>ドイツ音名 (C D E … H)</translation>
    </message>
    <message>
        <source>Solfège (Do Re Mi)</source>
        <translation>イタリア音名 (Do Re Mi)</translation>
    </message>
    <message>
        <source>Japanese (ハ ニ ホ)</source>
        <translation>日本音名 (ハ ニ ホ)</translation>
    </message>
</context>
<context>
    <name>PracticeChecks</name>
    <message>
        <source>No pitch test taken yet</source>
        <translation>音感テストはまだ受けていません</translation>
    </message>
    <message>
        <source>Pitch tests, right answers, latest last: %1</source>
        <translation>音感テストの正答率（古い順）: %1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>復習</translation>
    </message>
    <message>
        <source>21 questions on your weakest notes and the notes you confuse (Ctrl+R)</source>
        <translation>苦手な音と取り違えやすい音から 21 問を出題します (Ctrl+R)</translation>
    </message>
    <message>
        <source>Test my pitch</source>
        <translation>音感テスト</translation>
    </message>
    <message>
        <source>36 notes over the whole range without feedback, then your result card (Ctrl+T)</source>
        <translation>全音域から 36 音を正誤の表示なしで出題し、最後に結果カードを表示します (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pitch tests over time</source>
        <translation>音感テストの推移</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Reference pitch: A4 = %1 Hz</source>
        <translation>基準ピッチ: A4 = %1 Hz</translation>
    </message>
    <message>
        <source>Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often played at 415 Hz. Train at the pitch of the music you hear.</source>
        <translation>中央ドのすぐ上のラ（A4）がこの周波数で鳴るように、すべての音を調律します。標準は 440 Hz ですが、442 Hz や 443 Hz で合わせるオーケストラもあり、バロック音楽は 415 Hz で演奏されることがよくあります。ふだん聴く音楽のピッチでトレーニングしましょう。</translation>
    </message>
    <message>
        <source>A fluent answer is right and given within</source>
        <translation>即答: 音の鳴り始めから</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>from the start of the note. A note you know by ear comes to you at once; working it out from the note before takes longer. A note is marked fluent when 90 % of its latest 30 answers are.</source>
        <translation>以内の正解。耳で覚えている音はすぐに分かりますが、直前の音から割り出すと時間がかかります。直近 30 回の解答のうち 90% が即答になると、その音に即答の印が付きます。</translation>
    </message>
    <message>
        <source>Pass a level only when fluent</source>
        <translation>即答でのみレベル合格</translation>
    </message>
    <message>
        <source>A session then passes with 90 % fluent answers instead of 65 % right ones.</source>
        <translation>このとき、セッションの合格条件は正解 65% ではなく即答 90% になります。</translation>
    </message>
    <message>
        <source>Clear the ear between notes</source>
        <translation>音と音の間で耳をリセット</translation>
    </message>
    <message>
        <source>Before each note, a second of many notes at once and a short pause, and notes that follow each other at least a fifth apart: no note is named by its interval from the one before.</source>
        <translation>各音の前に多数の音を同時に 1 秒ほど鳴らして短い休止を入れ、続く音どうしを 5 度以上離します。前の音からの音程で音名を割り出すことはできなくなります。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>The language of Ovelune&apos;s window and messages; it changes at once</source>
        <translation>Ovelune の画面とメッセージの言語。すぐに切り替わります</translation>
    </message>
    <message>
        <source>Closes the settings</source>
        <translation>設定を閉じます</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Ovelune: cannot make sure that only one Ovelune at a time uses your progress: the lock file %1 cannot be created. Make %2 a folder you can write to (it is $XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.</source>
        <translation>Ovelune: 進捗を使う Ovelune が同時に 1 つだけであることを保証できません。ロックファイル %1 を作成できません。%2（$XDG_RUNTIME_DIR）を書き込み可能なフォルダーにしてください。Ovelune は動作を続けますが、二重に起動しないでください。</translation>
    </message>
    <message>
        <source>Ovelune is already running; its window has been brought to the front.</source>
        <translation>Ovelune はすでに起動しています。そのウィンドウを前面に表示しました。</translation>
    </message>
    <message>
        <source>Ovelune: another Ovelune (process %1) is using your progress but does not answer. Close it, or end that process, then start Ovelune again.</source>
        <translation>Ovelune: 別の Ovelune（プロセス %1）が進捗を使用していますが、応答しません。それを閉じるかプロセスを終了してから、Ovelune をもう一度起動してください。</translation>
    </message>
    <message>
        <source>Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring this window to the front.</source>
        <translation>Ovelune: %1 で待ち受けできません（%2）。Ovelune をもう一度起動しても、このウィンドウは前面に表示されません。</translation>
    </message>
</context>
<context>
    <name>SpecialSessions</name>
    <message>
        <source>Pitch test</source>
        <translation>音感テスト</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>復習</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Your practice history is still short: this review asks every trained note evenly. </source>
        <translation>練習履歴がまだ少ないため、この復習では練習中のすべての音を均等に出題します。</translation>
    </message>
    <message>
        <source>Review of your weakest notes and the notes you confuse. </source>
        <translation>苦手な音と取り違えやすい音の復習です。</translation>
    </message>
    <message>
        <source>%1 questions; your level stays as it is.</source>
        <translation>全 %1 問。レベルは変わりません。</translation>
    </message>
    <message>
        <source>Pitch test: %1 notes, no verdict until the end.</source>
        <translation>音感テスト: 全 %1 音。判定は最後まで表示されません。</translation>
    </message>
    <message>
        <source>Pitch test: note %1 of %2. Play the key you hear; no verdict until the end.</source>
        <translation>音感テスト: %1 音目（全 %2 音）。聴こえた音の鍵盤を弾いてください。判定は最後まで表示されません。</translation>
    </message>
    <message>
        <source>Pitch test: %1 of %2 answered.</source>
        <translation>音感テスト: %2 音中 %1 音に解答済み。</translation>
    </message>
    <message>
        <source>Review done: %1 of %2 right. Your level stays as it was; the keys you missed come back in your next review. Replay note (Space) goes on with your session.</source>
        <translation>復習終了: %2 問中 %1 問正解。レベルは元のままです。間違えた鍵盤は次回の復習で再び出題されます。「もう一度聴く」（スペースキー）でセッションを続けます。</translation>
    </message>
    <message>
        <source>Pitch test: %1 % right, %2 % the right note in the wrong octave, %3 semitones off on average, median answer in %4 s.</source>
        <translation>音感テスト: 正解 %1%、音は正解でオクターブ違い %2%、平均のずれ %3 半音、解答時間の中央値 %4 秒。</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 問中 %1 問正解</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Closes the result</source>
        <translation>結果を閉じます</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Right note, wrong octave: %1 % of answers</source>
        <translation>音は正解、オクターブ違い: 解答の %1%</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>正解</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>練習の記録</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>過去 %n 日間</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <translation>全期間</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>計算中…</translation>
    </message>
    <message>
        <source>Nothing practised yet in this time. Answer a few questions: your level and score per session, how often you are right on each note and in each octave, the notes you take for others, how quickly you answer and how long you practise each day will appear here.</source>
        <translation>この期間の練習はまだありません。いくつか問題に答えると、セッションごとのレベルとスコア、音ごと・オクターブごとの正答率、ほかの音と取り違えやすい音、解答の速さ、毎日の練習時間がここに表示されます。</translation>
    </message>
    <message>
        <source>Score (%) and level per session</source>
        <translation>セッションごとのスコア (%) とレベル</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Right per note (%)</source>
        <translation>音ごとの正答率 (%)</translation>
    </message>
    <message>
        <source>Right per octave (%)</source>
        <translation>オクターブごとの正答率 (%)</translation>
    </message>
    <message>
        <source>Asked (rows) and answered (columns)</source>
        <translation>出題（行）と解答（列）</translation>
    </message>
    <message>
        <source>Median response time per day (s)</source>
        <translation>1 日ごとの解答時間の中央値 (秒)</translation>
    </message>
    <message>
        <source>Practice per day (minutes)</source>
        <translation>1 日ごとの練習時間 (分)</translation>
    </message>
    <message>
        <source>Right per key: red never, yellow half the time, green always; grey not asked</source>
        <translation>鍵盤ごとの正答率: 赤 = 常に不正解、黄 = 半分正解、緑 = 常に正解、灰色 = 未出題</translation>
    </message>
    <message>
        <source>Shows the figures of this time</source>
        <translation>この期間の数値を表示します</translation>
    </message>
    <message>
        <source>As charts</source>
        <translation>グラフで表示</translation>
    </message>
    <message>
        <source>As text</source>
        <translation>テキストで表示</translation>
    </message>
    <message>
        <source>Shows the figures as charts</source>
        <translation>数値をグラフで表示します</translation>
    </message>
    <message>
        <source>Shows the figures as text, to read or to have read aloud</source>
        <translation>数値をテキストで表示します。読むことも読み上げさせることもできます</translation>
    </message>
    <message>
        <source>Figures as text</source>
        <translation>数値（テキスト）</translation>
    </message>
    <message>
        <source>Your practice in the time chosen, chart by chart</source>
        <translation>選んだ期間の練習の記録（グラフごと）</translation>
    </message>
    <message>
        <source>Right per key (%)</source>
        <translation>鍵盤ごとの正答率 (%)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and its figure, in the figures as text</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Answers: %1, right: %2 %</source>
        <translation>解答数: %1、正答率: %2%</translation>
    </message>
    <message>
        <source>score %1 %, level %2</source>
        <translation>スコア %1%、レベル %2</translation>
    </message>
    <message>
        <source>Notes taken for others (asked → answered)</source>
        <translation>取り違えた音（出題 → 解答）</translation>
    </message>
    <message>
        <source>Closes the statistics</source>
        <translation>統計を閉じます</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>The verdict on your last answer</source>
        <translation>直前の解答の判定</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>正解: %1</translation>
    </message>
    <message>
        <source>Not quite: you played %1, the note was %2</source>
        <translation>不正解: 弾いたのは %1、正解は %2</translation>
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
        <translation>聴こえた音の鍵盤を、オクターブも合わせて弾いて答えてください</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>もう一度聴く</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Plays the note again (Space)</source>
        <translation>音をもう一度鳴らします (スペースキー)</translation>
    </message>
    <message>
        <source>Starts the session (Enter)</source>
        <translation>セッションを開始します (Enter)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Ends Ovelune; your progress is kept</source>
        <translation>Ovelune を終了します。進捗は保存されます</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>ウィンドウを最小化します</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Shows how Ovelune trains you</source>
        <translation>Ovelune のトレーニング方法を表示します</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>練習の記録</translation>
    </message>
    <message>
        <source>Shows the statistics of your practice</source>
        <translation>練習の統計を表示します</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Opens the settings: reference pitch, fluency and clearing the ear</source>
        <translation>設定を開きます: 基準ピッチ、即答、耳のリセット</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>The window takes the colour of each note played</source>
        <translation>鳴った音ごとにウィンドウがその音の色に変わります</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>カラーヒント</translation>
    </message>
    <message>
        <source>Guess the note</source>
        <translation>音を当ててください</translation>
    </message>
    <message>
        <source>Level %1 of %2: %3</source>
        <translation>レベル %1/%2: %3</translation>
    </message>
    <message>
        <source>Train at level %1: Space; other levels: the arrow keys</source>
        <translation>レベル %1 で練習: スペースキー、ほかのレベル: 矢印キー</translation>
    </message>
    <message>
        <source>Choose the notes you train</source>
        <translation>練習する音を選んでください</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>音をクリック</translation>
    </message>
    <message>
        <source>Score: %1 of %2 answered, %3 right</source>
        <translation>スコア: %2 問中 %1 問解答、正解 %3</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboard</source>
        <translation>MIDI キーボード</translation>
    </message>
    <message>
        <source>The MIDI keyboard Ovelune listens to</source>
        <translation>Ovelune が入力を受け取る MIDI キーボード</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>楽器</translation>
    </message>
    <message>
        <source>The instrument the notes sound with</source>
        <translation>音を鳴らす楽器</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>ピアノ鍵盤</translation>
    </message>
    <message>
        <source>Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to another octave (now from C%1)</source>
        <translation>鍵盤をクリックするか、文字キーで答えます: 下のオクターブは Z S X D C V …、その上のオクターブは Q 2 W 3 E R …。矢印キーまたは Ctrl と 1～7 で別のオクターブに移ります（現在は C%1 から）</translation>
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
        <translation>絶対音感への道</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>カラーヒント</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>MIDI と画面上の鍵盤</translation>
    </message>
</context>
</TS>
