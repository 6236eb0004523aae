<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AppSettings</name>
    <message>
        <source>Ovelune: your progress cannot be saved to %1. Make sure %2 is a folder you can write to (or set XDG_CONFIG_HOME to one); until then, progress lasts only while Ovelune runs.</source>
        <translation>Ovelune：无法将你的进度保存到 %1。请确保 %2 是可写入的文件夹（或将 XDG_CONFIG_HOME 设为这样的文件夹）；在此之前，进度仅在 Ovelune 运行期间保留。</translation>
    </message>
    <message>
        <source>Ovelune: the progress file %1 was damaged; what could be read was checked and kept, and the file has been written afresh.</source>
        <translation>Ovelune：进度文件 %1 已损坏；可读取的内容已检查并保留，文件已重新写入。</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Your practice history cannot be read now (%1). Nothing is lost: try again in a moment.</source>
        <translation>现在无法读取练习记录（%1）。数据没有丢失，请稍后再试。</translation>
    </message>
    <message>
        <source>Ovelune: MIDI input is not available (%1: %2); continuing with the on-screen keyboard and the built-in synthesizer.</source>
        <translation>Ovelune：MIDI 输入不可用（%1: %2）；将继续使用屏幕键盘和内置合成器。</translation>
    </message>
    <message>
        <source>Ovelune: the sound engine could not start (%1); notes stay silent.</source>
        <translation>Ovelune：音频引擎无法启动（%1）；将不会发出声音。</translation>
    </message>
    <message>
        <source>Ovelune: the MIDI keyboard &quot;%1&quot; has gone away. Answer on the on-screen keyboard, or plug the MIDI keyboard in again: Ovelune takes it up by itself.</source>
        <translation>Ovelune：MIDI 键盘“%1”已断开。请在屏幕键盘上作答，或重新连接 MIDI 键盘：Ovelune 会自动识别。</translation>
    </message>
    <message>
        <source>Using the %1 keyboard device</source>
        <translation>MIDI 键盘：%1</translation>
    </message>
    <message>
        <source>No MIDI found</source>
        <translation>未找到 MIDI 设备</translation>
    </message>
    <message>
        <source>Ovelune: MIDI devices could not be listed again: %1</source>
        <translation>Ovelune：无法重新列出 MIDI 设备：%1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Write every recorded answer to &lt;file&gt; as CSV (one line each, with a header), then exit.</source>
        <translation>将所有已记录的回答以 CSV 格式写入 &lt;文件&gt;（每个回答一行，带表头），然后退出。</translation>
    </message>
    <message>
        <source>file</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Ear training for absolute (perfect) pitch: name single notes by playing the very key.
Without options the training window opens; the Qt toolkit&apos;s options apply to it.</source>
        <translation>绝对音感练耳：弹出听到的那个琴键，以辨认单个的音。
不带选项时打开训练窗口；Qt 工具包的选项对其有效。</translation>
    </message>
    <message>
        <source>Ovelune: %1
Try &apos;ovelune --help&apos;.</source>
        <translation>Ovelune：%1
请尝试 &apos;ovelune --help&apos;。</translation>
    </message>
    <message>
        <source>Ovelune: %1</source>
        <translation>Ovelune：%1</translation>
    </message>
</context>
<context>
    <name>Core::InstrumentNames</name>
    <message>
        <source>Acoustic grand piano</source>
        <translation>原声大钢琴</translation>
    </message>
    <message>
        <source>Electric piano</source>
        <translation>电钢琴</translation>
    </message>
    <message>
        <source>Harpsichord</source>
        <translation>羽管键琴</translation>
    </message>
    <message>
        <source>Marimba</source>
        <translation>马林巴</translation>
    </message>
    <message>
        <source>Reed organ</source>
        <translation>簧风琴</translation>
    </message>
    <message>
        <source>Nylon guitar</source>
        <translation>尼龙弦吉他</translation>
    </message>
    <message>
        <source>Harp</source>
        <translation>竖琴</translation>
    </message>
    <message>
        <source>Violin</source>
        <translation>小提琴</translation>
    </message>
    <message>
        <source>Cello</source>
        <translation>大提琴</translation>
    </message>
    <message>
        <source>Strings</source>
        <translation>弦乐合奏</translation>
    </message>
    <message>
        <source>Choir</source>
        <translation>合唱</translation>
    </message>
    <message>
        <source>Trumpet</source>
        <translation>小号</translation>
    </message>
    <message>
        <source>Clarinet</source>
        <translation>单簧管</translation>
    </message>
    <message>
        <source>Flute</source>
        <translation>长笛</translation>
    </message>
    <message>
        <source>A different instrument each note</source>
        <translation>每个音换一种乐器</translation>
    </message>
</context>
<context>
    <name>FluencyPanel</name>
    <message>
        <source>Fluency over each note&apos;s latest 30 answers: fluent (right within %1 s); right; median response time</source>
        <translation>各音最近 30 次回答的熟练度：熟练（%1 秒内答对）；正确；反应时间中位数</translation>
    </message>
    <message>
        <source>%1 % fluent</source>
        <translation>%1 % 熟练</translation>
    </message>
    <message>
        <source>%1 % · %2 s</source>
        <translation>%1 % · %2 秒</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Ovelune trains perfect pitch: the ability to name a note the moment you hear it, with no reference tone to compare it with. Many people believe it is a rare gift that you either have from birth or never will. It is not: like reading or typing, it is a skill, and with the right method and a little practice every day you can learn it.</source>
        <translation>Ovelune 训练的是绝对音感：无需任何参考音作比较，一听到某个音就能说出它是什么音的能力。许多人认为这是一种罕见的天赋，要么与生俱来，要么永远无法拥有。事实并非如此：就像阅读或打字一样，它是一项技能，只要方法得当、每天练习一会儿，你就能学会。</translation>
    </message>
    <message>
        <source>You begin with a single note, %1, which sounds equally often in every octave of the keyboard; answer by finding that very key. Ovelune follows how well you do and adds the next note as soon as you are ready, until you know all twelve notes of the chromatic scale in every octave. You can also choose for yourself how many notes are played: just click a note on the bar at the top of the window.</source>
        <translation>你从单个音 %1 开始，它在键盘的每个八度中出现的次数相同；找到那个琴键即可作答。Ovelune 会跟踪你的表现，一旦你准备好就加入下一个音，直到你掌握每个八度中半音阶的全部十二个音。你也可以自己选择播放多少个音：只需点击窗口顶部横条上的某个音。</translation>
    </message>
    <message>
        <source>Colours are easy to remember, and they can help you remember pitches too. With the colour hint switched on, the window takes on the colour of each note as it is played, so that every note gets a colour of its own and sound and colour grow together in your memory. Switch the hint off whenever you want to rely on your ears alone.</source>
        <translation>颜色很容易记住，也能帮助你记住音高。开启颜色提示后，每个音播放时窗口都会变成该音的颜色，这样每个音都有自己的颜色，声音与颜色会在你的记忆中融为一体。想只凭耳朵时，随时可以关闭提示。</translation>
    </message>
    <message>
        <source>To answer, click the key you heard on the keyboard at the bottom of the window, in the right octave. If a MIDI keyboard is connected to your computer, simply play the note on it: its keys count exactly like clicks on the screen. On the computer keyboard the letter rows are piano keys, Z S X D C V … and Q 2 W 3 E R …; the arrow keys move them an octave.</source>
        <translation>作答时，请在窗口底部的键盘上点击你听到的琴键，八度也要正确。如果电脑连接了 MIDI 键盘，直接在上面弹奏这个音即可：它的琴键与屏幕上的点击完全等效。在电脑键盘上，字母行就是琴键：Z S X D C V … 和 Q 2 W 3 E R …；方向键可将它们移动一个八度。</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Shows the help&apos;s previous page</source>
        <translation>显示帮助的上一页</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Shows the help&apos;s next page</source>
        <translation>显示帮助的下一页</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>第 %1 页</translation>
    </message>
    <message>
        <source>Shows this page of the help</source>
        <translation>显示帮助的这一页</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Closes the help</source>
        <translation>关闭帮助</translation>
    </message>
    <message>
        <source>Ticked, the help does not open when Ovelune starts</source>
        <translation>勾选后，Ovelune 启动时不再打开帮助</translation>
    </message>
    <message>
        <source>Don&apos;t show this anymore at programm startup</source>
        <translation>启动时不再显示</translation>
    </message>
    <message>
        <source>Visit our website</source>
        <translation>访问我们的网站</translation>
    </message>
    <message>
        <source>Opens Ovelune&apos;s website in your browser</source>
        <translation>在浏览器中打开 Ovelune 网站</translation>
    </message>
</context>
<context>
    <name>HistoryStore</name>
    <message numerus="yes">
        <source>Ovelune: %n answers could still not be added to the practice history %1 when Ovelune closed; they are lost.</source>
        <translation>
            <numerusform>Ovelune：Ovelune 关闭时，仍有 %n 个回答未能添加到练习记录 %1 中；这些回答已丢失。</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be created (the folder %2 cannot be made). Make sure it can be (or set XDG_DATA_HOME to a folder you can write to); until then training goes on but answers are not recorded.</source>
        <translation>Ovelune：无法创建练习记录 %1（无法建立文件夹 %2）。请确保该文件夹可以建立（或将 XDG_DATA_HOME 设为可写入的文件夹）；在此之前训练可以继续，但回答不会被记录。</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>它是一个文件夹</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 cannot be opened for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be opened again.</source>
        <translation>Ovelune：暂时无法打开练习记录 %1（%2）。记录保持原样：你的回答会暂存，一旦可以再次打开就会添加进去。</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 was written by a newer Ovelune (its version is %2, this one knows up to %3). It is left as it is, and answers are not recorded.</source>
        <translation>Ovelune：练习记录 %1 由较新版本的 Ovelune 写入（其版本为 %2，本程序最高只支持 %3）。记录保持原样，回答不会被记录。</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2) and cannot be moved aside (%3). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune：无法读取练习记录 %1（%2），也无法将其移开（%3）。训练可以继续，但回答不会被记录。</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3, but a new history cannot be created (%4). Training goes on, but answers are not recorded.</source>
        <translation>Ovelune：无法读取练习记录 %1（%2）；已将其移存为 %3，但无法创建新的记录（%4）。训练可以继续，但回答不会被记录。</translation>
    </message>
    <message>
        <source>Ovelune: the practice history %1 could not be read (%2); it was moved aside as %3 and a new history was started.</source>
        <translation>Ovelune：无法读取练习记录 %1（%2）；已将其移存为 %3，并开始了新的记录。</translation>
    </message>
    <message numerus="yes">
        <source>Ovelune: more than %n answers wait for the practice history %1; later ones are lost until it can be written again.</source>
        <translation>
            <numerusform>Ovelune：等待写入练习记录 %1 的回答已超过 %n 个；在能够再次写入之前，之后的回答将会丢失。</numerusform>
        </translation>
    </message>
    <message>
        <source>Ovelune: answers cannot be added to the practice history %1 for now (%2). It is kept as it is: your answers wait and are added to it as soon as it can be written again.</source>
        <translation>Ovelune：暂时无法向练习记录 %1 添加回答（%2）。记录保持原样：你的回答会暂存，一旦可以再次写入就会添加进去。</translation>
    </message>
    <message>
        <source>The practice history %1 could not be read (%2).</source>
        <translation>无法读取练习记录 %1（%2）。</translation>
    </message>
    <message>
        <source>The export %1 cannot be written (%2).</source>
        <translation>无法写入导出文件 %1（%2）。</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>桌面系统语言</translation>
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
        <translation>窗口中音的命名方式</translation>
    </message>
</context>
<context>
    <name>NoteNamingChoice</name>
    <message>
        <source>Letters (C D E)</source>
        <translation>字母（C D E）</translation>
    </message>
    <message>
        <source>German (C D E … H)</source>
        <translation>德式（C D E … H）</translation>
    </message>
    <message>
        <source>Solfège (Do Re Mi)</source>
        <translation>唱名（Do Re Mi）</translation>
    </message>
    <message>
        <source>Japanese (ハ ニ ホ)</source>
        <translation>日式（ハ ニ ホ）</translation>
    </message>
</context>
<context>
    <name>PracticeChecks</name>
    <message>
        <source>No pitch test taken yet</source>
        <translation>还没有做过音感测试</translation>
    </message>
    <message>
        <source>Pitch tests, right answers, latest last: %1</source>
        <translation>历次音感测试的正确率（从早到晚）：%1</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>复习</translation>
    </message>
    <message>
        <source>21 questions on your weakest notes and the notes you confuse (Ctrl+R)</source>
        <translation>针对你最薄弱的音和容易听错的音出 21 道题（Ctrl+R）</translation>
    </message>
    <message>
        <source>Test my pitch</source>
        <translation>测试音感</translation>
    </message>
    <message>
        <source>36 notes over the whole range without feedback, then your result card (Ctrl+T)</source>
        <translation>在整个音域内出 36 个音，不提示对错，最后显示成绩卡（Ctrl+T）</translation>
    </message>
    <message>
        <source>Pitch tests over time</source>
        <translation>音感测试成绩走势</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Reference pitch: A4 = %1 Hz</source>
        <translation>标准音高：A4 = %1 Hz</translation>
    </message>
    <message>
        <source>Every note is tuned so that the A above middle C sounds at this frequency. 440 Hz is the usual standard; some orchestras tune to 442 or 443 Hz, baroque music is often played at 415 Hz. Train at the pitch of the music you hear.</source>
        <translation>所有音的调律都以中央 C 上方的 A 在此频率发声为准。440 Hz 是通用标准；有些乐团定音为 442 或 443 Hz，巴洛克音乐常以 415 Hz 演奏。请按你所听音乐的音高来练习。</translation>
    </message>
    <message>
        <source>A fluent answer is right and given within</source>
        <translation>熟练回答：在音开始后</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>from the start of the note. A note you know by ear comes to you at once; working it out from the note before takes longer. A note is marked fluent when 90 % of its latest 30 answers are.</source>
        <translation>内答对。凭听觉认识的音会立刻浮现；由前一个音推算则需要更长时间。某个音最近 30 次回答中有 90 % 为熟练回答时，即标记为熟练。</translation>
    </message>
    <message>
        <source>Pass a level only when fluent</source>
        <translation>仅在熟练时通过级别</translation>
    </message>
    <message>
        <source>A session then passes with 90 % fluent answers instead of 65 % right ones.</source>
        <translation>此时一轮练习需要 90 % 的熟练回答才能通过，而不是 65 % 的正确回答。</translation>
    </message>
    <message>
        <source>Clear the ear between notes</source>
        <translation>两音之间清除听觉记忆</translation>
    </message>
    <message>
        <source>Before each note, a second of many notes at once and a short pause, and notes that follow each other at least a fifth apart: no note is named by its interval from the one before.</source>
        <translation>每个音之前先播放一秒钟多音齐鸣并短暂停顿，且相邻两个音至少相隔五度：这样就无法凭与前一个音的音程来辨认音。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>The language of Ovelune&apos;s window and messages; it changes at once</source>
        <translation>Ovelune 窗口和消息的语言；更改立即生效</translation>
    </message>
    <message>
        <source>Closes the settings</source>
        <translation>关闭设置</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Ovelune: cannot make sure that only one Ovelune at a time uses your progress: the lock file %1 cannot be created. Make %2 a folder you can write to (it is $XDG_RUNTIME_DIR). Ovelune runs on; do not start it twice.</source>
        <translation>Ovelune：无法确保同一时间只有一个 Ovelune 使用你的进度：无法创建锁文件 %1。请确保 %2 是可写入的文件夹（即 $XDG_RUNTIME_DIR）。Ovelune 将继续运行；请不要启动两次。</translation>
    </message>
    <message>
        <source>Ovelune is already running; its window has been brought to the front.</source>
        <translation>Ovelune 已在运行；已将其窗口切换到最前。</translation>
    </message>
    <message>
        <source>Ovelune: another Ovelune (process %1) is using your progress but does not answer. Close it, or end that process, then start Ovelune again.</source>
        <translation>Ovelune：另一个 Ovelune（进程 %1）正在使用你的进度，但没有响应。请关闭它或结束该进程，然后重新启动 Ovelune。</translation>
    </message>
    <message>
        <source>Ovelune: cannot listen on %1 (%2); starting Ovelune a second time will not bring this window to the front.</source>
        <translation>Ovelune：无法在 %1 上监听（%2）；再次启动 Ovelune 时将无法把此窗口切换到最前。</translation>
    </message>
</context>
<context>
    <name>SpecialSessions</name>
    <message>
        <source>Pitch test</source>
        <translation>音感测试</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>复习</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Your practice history is still short: this review asks every trained note evenly. </source>
        <translation>你的练习记录还不多：本次复习对所有练过的音平均出题。</translation>
    </message>
    <message>
        <source>Review of your weakest notes and the notes you confuse. </source>
        <translation>复习你最薄弱的音和容易听错的音。</translation>
    </message>
    <message>
        <source>%1 questions; your level stays as it is.</source>
        <translation>共 %1 道题；你的级别保持不变。</translation>
    </message>
    <message>
        <source>Pitch test: %1 notes, no verdict until the end.</source>
        <translation>音感测试：共 %1 个音，结束前不显示对错。</translation>
    </message>
    <message>
        <source>Pitch test: note %1 of %2. Play the key you hear; no verdict until the end.</source>
        <translation>音感测试：第 %1 个音（共 %2 个）。请弹奏你听到的琴键；结束前不显示对错。</translation>
    </message>
    <message>
        <source>Pitch test: %1 of %2 answered.</source>
        <translation>音感测试：已答 %1/%2。</translation>
    </message>
    <message>
        <source>Review done: %1 of %2 right. Your level stays as it was; the keys you missed come back in your next review. Replay note (Space) goes on with your session.</source>
        <translation>复习完成：%2 道题答对 %1 道。你的级别保持不变；答错的琴键会在下次复习中再次出现。按“再听一遍”（Space）可继续本轮练习。</translation>
    </message>
    <message>
        <source>Pitch test: %1 % right, %2 % the right note in the wrong octave, %3 semitones off on average, median answer in %4 s.</source>
        <translation>音感测试：正确 %1 %，音对但八度错 %2 %，平均偏差 %3 个半音，反应时间中位数 %4 秒。</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 次中答对 %1 次</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Closes the result</source>
        <translation>关闭结果</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Right note, wrong octave: %1 % of answers</source>
        <translation>音对但八度错：占回答的 %1 %</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>正确</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>我的练习</translation>
    </message>
    <message numerus="yes">
        <source>Last %n days</source>
        <translation>
            <numerusform>最近 %n 天</numerusform>
        </translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>计算中…</translation>
    </message>
    <message>
        <source>Nothing practised yet in this time. Answer a few questions: your level and score per session, how often you are right on each note and in each octave, the notes you take for others, how quickly you answer and how long you practise each day will appear here.</source>
        <translation>这段时间内还没有练习。回答几道题后，这里将显示：每轮练习的级别和得分、每个音和每个八度的正确率、你容易听错的音、你的回答速度，以及每天的练习时长。</translation>
    </message>
    <message>
        <source>Score (%) and level per session</source>
        <translation>每轮得分（%）和级别</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>Right per note (%)</source>
        <translation>各音正确率（%）</translation>
    </message>
    <message>
        <source>Right per octave (%)</source>
        <translation>各八度正确率（%）</translation>
    </message>
    <message>
        <source>Asked (rows) and answered (columns)</source>
        <translation>出题（行）与回答（列）</translation>
    </message>
    <message>
        <source>Median response time per day (s)</source>
        <translation>每日反应时间中位数（秒）</translation>
    </message>
    <message>
        <source>Practice per day (minutes)</source>
        <translation>每日练习时长（分钟）</translation>
    </message>
    <message>
        <source>Right per key: red never, yellow half the time, green always; grey not asked</source>
        <translation>各琴键正确率：红色从未答对，黄色一半答对，绿色总是答对；灰色未出题</translation>
    </message>
    <message>
        <source>Shows the figures of this time</source>
        <translation>显示这段时间的数据</translation>
    </message>
    <message>
        <source>As charts</source>
        <translation>图表显示</translation>
    </message>
    <message>
        <source>As text</source>
        <translation>文字显示</translation>
    </message>
    <message>
        <source>Shows the figures as charts</source>
        <translation>以图表显示数据</translation>
    </message>
    <message>
        <source>Shows the figures as text, to read or to have read aloud</source>
        <translation>以文字显示数据，可阅读或朗读</translation>
    </message>
    <message>
        <source>Figures as text</source>
        <translation>数据（文字）</translation>
    </message>
    <message>
        <source>Your practice in the time chosen, chart by chart</source>
        <translation>所选时间内的练习，逐个图表列出</translation>
    </message>
    <message>
        <source>Right per key (%)</source>
        <translation>各琴键正确率（%）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a name and its figure, in the figures as text</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Answers: %1, right: %2 %</source>
        <translation>回答：%1，正确率：%2 %</translation>
    </message>
    <message>
        <source>score %1 %, level %2</source>
        <translation>得分 %1 %，级别 %2</translation>
    </message>
    <message>
        <source>Notes taken for others (asked → answered)</source>
        <translation>听错的音（出题 → 回答）</translation>
    </message>
    <message>
        <source>Closes the statistics</source>
        <translation>关闭统计</translation>
    </message>
</context>
<context>
    <name>Verdict</name>
    <message>
        <source>The verdict on your last answer</source>
        <translation>对上一个回答的判定</translation>
    </message>
    <message>
        <source>Right: %1</source>
        <translation>正确：%1</translation>
    </message>
    <message>
        <source>Not quite: you played %1, the note was %2</source>
        <translation>不对：你弹的是 %1，正确的音是 %2</translation>
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
        <translation>弹奏对应的琴键（包括八度）来辨认你听到的每个音</translation>
    </message>
    <message>
        <source>Replay note</source>
        <translation>再听一遍</translation>
    </message>
    <message>
        <source>Begin here</source>
        <translation>开始练习</translation>
    </message>
    <message>
        <source>Plays the note again (Space)</source>
        <translation>再次播放这个音（Space）</translation>
    </message>
    <message>
        <source>Starts the session (Enter)</source>
        <translation>开始本轮练习（Enter）</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Ends Ovelune; your progress is kept</source>
        <translation>退出 Ovelune；你的进度会被保留</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Minimises the window</source>
        <translation>最小化窗口</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Shows how Ovelune trains you</source>
        <translation>介绍 Ovelune 的训练方法</translation>
    </message>
    <message>
        <source>Your practice</source>
        <translation>我的练习</translation>
    </message>
    <message>
        <source>Shows the statistics of your practice</source>
        <translation>显示你的练习统计</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Opens the settings: reference pitch, fluency and clearing the ear</source>
        <translation>打开设置：标准音高、熟练度和清除听觉记忆</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>开</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>关</translation>
    </message>
    <message>
        <source>The window takes the colour of each note played</source>
        <translation>窗口会变成所播放的音的颜色</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>颜色提示</translation>
    </message>
    <message>
        <source>Guess the note</source>
        <translation>听音辨音</translation>
    </message>
    <message>
        <source>Level %1 of %2: %3</source>
        <translation>第 %1 级（共 %2 级）：%3</translation>
    </message>
    <message>
        <source>Train at level %1: Space; other levels: the arrow keys</source>
        <translation>在第 %1 级练习：Space；其他级别：方向键</translation>
    </message>
    <message>
        <source>Choose the notes you train</source>
        <translation>选择要练习的音</translation>
    </message>
    <message>
        <source>Click on note</source>
        <translation>点击音名</translation>
    </message>
    <message>
        <source>Score: %1 of %2 answered, %3 right</source>
        <translation>得分：已答 %1/%2，正确 %3</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>MIDI keyboard</source>
        <translation>MIDI 键盘</translation>
    </message>
    <message>
        <source>The MIDI keyboard Ovelune listens to</source>
        <translation>Ovelune 接收输入的 MIDI 键盘</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>乐器</translation>
    </message>
    <message>
        <source>The instrument the notes sound with</source>
        <translation>播放音所用的乐器</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>钢琴键盘</translation>
    </message>
    <message>
        <source>Answer by clicking a key, or with the letter keys: Z S X D C V … for the lower octave, Q 2 W 3 E R … for the one above; the arrow keys or Ctrl and 1 to 7 move them to another octave (now from C%1)</source>
        <translation>点击琴键作答，或使用字母键：Z S X D C V … 对应较低的八度，Q 2 W 3 E R … 对应其上方的八度；方向键或 Ctrl 加 1 至 7 可将它们移到其他八度（当前从 C%1 开始）</translation>
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
        <translation>你的绝对音感之路</translation>
    </message>
    <message>
        <source>Color hint</source>
        <translation>颜色提示</translation>
    </message>
    <message>
        <source>Midi and graphical keyboard</source>
        <translation>MIDI 键盘与屏幕键盘</translation>
    </message>
</context>
</TS>
