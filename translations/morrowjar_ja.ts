<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>m_jarin</name>
    <message>
        <source>Morrowjar&apos;s writer: type a message and a schedule name; OK stores the
message in the schedule folder of that name under the capsule root, to
open on the days the name says.</source>
        <translation>Morrowjar の書き込み: メッセージと予定名を入力すると、OK でメッセージを
カプセルルートの下のその名前の予定フォルダーに保存し、
名前が示す日に開きます。</translation>
    </message>
    <message>
        <source>The capsule root (default ~/Morrowjar); its words are joined by single spaces. Put &quot;--&quot; before a location that begins with &quot;-&quot;.</source>
        <translation>カプセルルート (既定は ~/Morrowjar)。語は一つの空白でつなげます。「-」で始まる場所の前には「--」を置いてください。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Try &apos;m_jarin --help&apos; for more information.</source>
        <translation>詳しくは &apos;m_jarin --help&apos; を実行してください。</translation>
    </message>
</context>
<context>
    <name>mj::run_window</name>
    <message>
        <source>Morrowjar: opening capsules…</source>
        <translation>Morrowjar処理中</translation>
    </message>
    <message>
        <source>Skipped this run</source>
        <translation>一回休み</translation>
    </message>
</context>
<context>
    <name>mj::tool_options_parser</name>
    <message>
        <source>Show how the folder name NAME is read and whether it is due.</source>
        <translation>フォルダー名 NAME の読み方と、開く日かどうかを表示します。</translation>
    </message>
    <message>
        <source>Judge as on this day instead of today.</source>
        <translation>今日の代わりにこの日として判定します。</translation>
    </message>
    <message>
        <source>Days missed since the last run (default 0).</source>
        <translation>前回の実行から抜けた日数 (既定は 0)。</translation>
    </message>
    <message>
        <source>Print one JSON object on one line.</source>
        <translation>JSON オブジェクトを一行で出力します。</translation>
    </message>
    <message>
        <source>Show which files a run on LOCATION would open, and why, without opening any or storing the run&apos;s date.</source>
        <translation>LOCATION での実行がどのファイルをなぜ開くかを、何も開かず実行日も保存せずに表示します。</translation>
    </message>
    <message>
        <source>Show the first days on which a file stored today in the folder NAME would open, with one run each day.</source>
        <translation>今日フォルダー NAME に保存したファイルが開く最初の日を、毎日一回実行するものとして表示します。</translation>
    </message>
    <message>
        <source>Stay running without a window and open what comes due at each change of day (midnight, waking from sleep, a new time zone). DELAY and LOCATION follow as for a plain run.</source>
        <translation>ウィンドウなしで動き続け、日付が変わるたび (深夜0時、スリープからの復帰、タイムゾーンの変更) に期日の来たものを開きます。DELAY と LOCATION は通常の実行と同じです。</translation>
    </message>
    <message>
        <source>--watch --quiet: send no desktop notifications.</source>
        <translation>--watch --quiet: デスクトップ通知を送りません。</translation>
    </message>
    <message>
        <source>Show which folders daily runs would open on each of the next DAYS days (default 30) in LOCATION, the folders that will not open again, and files dated in the future.</source>
        <translation>LOCATION で毎日実行したとき、これから DAYS 日 (既定は 30) の各日に開くフォルダー、もう開かないフォルダー、未来の日付のファイルを表示します。</translation>
    </message>
    <message>
        <source>--next: how many days to show (default 3).</source>
        <translation>--next: 表示する日数 (既定は 3)。</translation>
    </message>
    <message>
        <source>--dry-run: the date of the previous run, instead of the stored one.</source>
        <translation>--dry-run: 保存された日付の代わりに使う前回の実行日。</translation>
    </message>
    <message>
        <source>Opens the files of the schedule folders that are due today.
Without options: m_jar [DELAY][LOCATION] runs the opener (a LOCATION that
starts with &quot;-&quot; can be given as ./-name).</source>
        <translation>今日が期日の予定フォルダーのファイルを開きます。
オプションなし: m_jar [DELAY][LOCATION] で開く処理を実行します (「-」で始まる
LOCATION は ./-name のように指定します)。</translation>
    </message>
    <message>
        <source>--explain, --next: a schedule folder name, such as &quot;SUNDAY@2=3+-&quot;.</source>
        <translation>--explain, --next: 予定フォルダー名 (例: &quot;SUNDAY@2=3+-&quot;)。</translation>
    </message>
    <message>
        <source>--upcoming: how many days, from 1 to %1 (digits only; a LOCATION of digits only is given as ./NAME).</source>
        <translation>--upcoming: 日数、1 から %1 まで (数字のみ。数字だけの LOCATION は ./NAME のように指定します)。</translation>
    </message>
    <message>
        <source>--dry-run, --upcoming: the capsule root (default ~/Morrowjar).</source>
        <translation>--dry-run, --upcoming: カプセルルート (既定は ~/Morrowjar)。</translation>
    </message>
</context>
<context>
    <name>mj::writer::capsule_store</name>
    <message>
        <source>a NUL character</source>
        <translation>NUL 文字</translation>
    </message>
    <message>
        <source>a tab</source>
        <translation>タブ</translation>
    </message>
    <message>
        <source>a line feed</source>
        <translation>改行 (LF)</translation>
    </message>
    <message>
        <source>a carriage return</source>
        <translation>復帰 (CR)</translation>
    </message>
    <message>
        <source>an escape character</source>
        <translation>エスケープ文字</translation>
    </message>
    <message>
        <source>a line separator</source>
        <translation>行区切り文字</translation>
    </message>
    <message>
        <source>a paragraph separator</source>
        <translation>段落区切り文字</translation>
    </message>
    <message>
        <source>the control character U+%1</source>
        <translation>制御文字 U+%1</translation>
    </message>
    <message>
        <source>Cannot store the message in %1: %2</source>
        <translation>%1 にメッセージを保存できません: %2</translation>
    </message>
    <message>
        <source>A schedule name cannot hold a broken character (a lone surrogate): type the name again.</source>
        <translation>予定名に壊れた文字 (単独のサロゲート) は使えません。名前を入力し直してください。</translation>
    </message>
    <message>
        <source>A schedule name cannot hold %1: remove it from the schedule box.</source>
        <translation>予定名に%1は使えません。予定の欄から取り除いてください。</translation>
    </message>
    <message>
        <source>A schedule name cannot be a full path such as &quot;%1&quot;: schedule folders lie inside the capsule.</source>
        <translation>予定名に &quot;%1&quot; のようなフルパスは使えません。予定フォルダーはカプセルの中にあります。</translation>
    </message>
    <message>
        <source>A schedule name cannot hold &quot;..&quot;: it would lead out of the capsule.</source>
        <translation>予定名に &quot;..&quot; は使えません。カプセルの外を指してしまいます。</translation>
    </message>
    <message>
        <source>A schedule name cannot hold &quot;.&quot; as a folder of its own.</source>
        <translation>予定名に &quot;.&quot; を単独のフォルダーとして使うことはできません。</translation>
    </message>
    <message>
        <source>Cannot create the capsule root %1: %2</source>
        <translation>カプセルルート %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>The capsule root %1 is not a folder.</source>
        <translation>カプセルルート %1 はフォルダーではありません。</translation>
    </message>
    <message>
        <source>Cannot create the schedule folder %1: %2</source>
        <translation>予定フォルダー %1 を作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot examine the schedule folder %1: %2</source>
        <translation>予定フォルダー %1 を調べられません: %2</translation>
    </message>
    <message>
        <source>The schedule folder %1 is a symbolic link. The opener never opens files in a linked folder, so the message is not stored there: choose another schedule name, or put a real folder in place of the link.</source>
        <translation>予定フォルダー %1 はシンボリックリンクです。リンクされたフォルダーのファイルは開かれないため、メッセージはそこに保存しません。別の予定名を選ぶか、リンクの代わりに本物のフォルダーを置いてください。</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder, so the message cannot be stored there.</source>
        <translation>%1 はフォルダーではなくファイルなので、メッセージをそこに保存できません。</translation>
    </message>
    <message>
        <source>The schedule folder %1 is read-only. The opener passes over read-only folders, so the message would never open: make the folder writable, or choose another schedule name.</source>
        <translation>予定フォルダー %1 は読み取り専用です。読み取り専用のフォルダーは開かれないため、メッセージは決して開きません。フォルダーを書き込み可能にするか、別の予定名を選んでください。</translation>
    </message>
    <message>
        <source>Cannot check whether the name %1 is free: %2</source>
        <translation>名前 %1 が空いているか確認できません: %2</translation>
    </message>
    <message>
        <source>The folder %1 already holds messages named &quot;%2&quot; up to &quot;%3&quot;: store this one under another name or in another folder.</source>
        <translation>フォルダー %1 には &quot;%2&quot; から &quot;%3&quot; までの名前のメッセージがすでにあります。別の名前か別のフォルダーに保存してください。</translation>
    </message>
    <message>
        <source>Cannot store the message in %1.
%2</source>
        <translation>%1 にメッセージを保存できません。
%2</translation>
    </message>
</context>
<context>
    <name>mj::writer::writer_window</name>
    <message>
        <source>(not stored: nobody can answer without a display)</source>
        <translation>(保存しません: ディスプレイがないため誰も答えられません)</translation>
    </message>
    <message>
        <source>&amp;Store anyway</source>
        <translation>それでも保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back to the schedule</source>
        <translation>予定に戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Morrowjar Text Input</source>
        <translation>Morrowjar テキスト入力</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>メッセージ</translation>
    </message>
    <message>
        <source>When</source>
        <translation>開く日</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>%1.

Store the message in the folder &quot;%2&quot; anyway?</source>
        <translation>%1。

それでもフォルダー &quot;%2&quot; にメッセージを保存しますか?</translation>
    </message>
</context>
</TS>
