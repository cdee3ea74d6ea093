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
        <source>Try &apos;m_jarin --help&apos; for more information.</source>
        <translation>詳しくは &apos;m_jarin --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>no usable display: the writer needs a display to show its window (DISPLAY or WAYLAND_DISPLAY naming a server that answers)</source>
        <translation>使えるディスプレイがありません: 書き込みウィンドウを表示するにはディスプレイが必要です (応答するサーバーを DISPLAY か WAYLAND_DISPLAY で指定してください)</translation>
    </message>
</context>
<context>
    <name>mj::calendar</name>
    <message>
        <source>%1 moved by %2 days</source>
        <translation>%1から%2日動かした日</translation>
    </message>
    <message>
        <source>%1 moved by %2 weeks</source>
        <translation>%1から%2週間動かした日</translation>
    </message>
    <message>
        <source>%1 moved by %2 months</source>
        <translation>%1から%2か月動かした日</translation>
    </message>
    <message>
        <source>%1 moved by %2 years</source>
        <translation>%1から%2年動かした日</translation>
    </message>
    <message>
        <source>%1 falls outside the years 100 to 9999</source>
        <translation>%1は100年から9999年の範囲外です</translation>
    </message>
</context>
<context>
    <name>mj::command_line_help</name>
    <message>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>The same as --help.</source>
        <translation>--help と同じです。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>引数:</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>使い方:</translation>
    </message>
</context>
<context>
    <name>mj::failure</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>ファイルが見つかりません</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>パス名/ファイル名のアクセス エラーです</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>パスが見つかりません</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>失敗しました</translation>
    </message>
</context>
<context>
    <name>mj::lenient_readings</name>
    <message>
        <source>without a number it waits for nothing and opens at every run: did you mean %1 (%2)?</source>
        <translation>数がないので待たずに、実行のたびに開きます。%1 (%2) のつもりですか?</translation>
    </message>
    <message>
        <source>only the weekday at its start is read: did you mean %1 (%2)?</source>
        <translation>先頭の曜日だけが読まれます。%1 (%2) のつもりですか?</translation>
    </message>
    <message>
        <source>these words are read as a month end, for the letter E in them: did you mean %1 (%2)?</source>
        <translation>E の文字を含むため、月末として読まれます。%1 (%2) のつもりですか?</translation>
    </message>
    <message>
        <source>only the number at its start is read, as a day of each month: did you mean %1 (%2)?</source>
        <translation>先頭の数だけが毎月の日として読まれます。%1 (%2) のつもりですか?</translation>
    </message>
</context>
<context>
    <name>mj::numbers</name>
    <message>
        <source>the number %1 is out of range (-32768 to 32767)</source>
        <translation>数 %1 は範囲外です (-32768 から 32767 まで)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date</source>
        <translation>「%1」は日付ではありません</translation>
    </message>
    <message>
        <source>the year %1 is outside 100 to 9999</source>
        <translation>%1年は100年から9999年の範囲外です</translation>
    </message>
    <message>
        <source>there is no month %1 in %2</source>
        <translation>%2年に%1月はありません</translation>
    </message>
    <message>
        <source>%1 %2 %3 does not exist</source>
        <translation>%3年%4月%1日は存在しません</translation>
    </message>
</context>
<context>
    <name>mj::opener::capsule_scan</name>
    <message>
        <source>Folder &quot;%1&quot; in %2: %3.</source>
        <translation>%2 のフォルダー &quot;%1&quot;: %3。</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; in %2: %3.</source>
        <translation>%2 のファイル &quot;%1&quot;: %3。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in %2: %3.</source>
        <extracomment>An entry of the capsule root, the capsule root, what went wrong.</extracomment>
        <translation>%2 の &quot;%1&quot;: %3。</translation>
    </message>
    <message>
        <source>Capsule root %1: %2.</source>
        <translation>カプセルルート %1: %2。</translation>
    </message>
    <message>
        <source>Rename the folder to a real date.</source>
        <translation>フォルダー名を実在する日付に変えてください。</translation>
    </message>
    <message>
        <source>Rename the folder with a smaller number.</source>
        <translation>フォルダー名の数をもっと小さくしてください。</translation>
    </message>
    <message>
        <source>Its days fall outside the years 100 to 9999: rename or remove the folder.</source>
        <translation>その日付は 100 年から 9999 年の範囲外です。フォルダー名を変えるか、フォルダーを削除してください。</translation>
    </message>
    <message>
        <source>the folder %1 is gone</source>
        <translation>フォルダー %1 がなくなりました</translation>
    </message>
    <message>
        <source>Its files are not opened now; the next run tries again.</source>
        <translation>そのファイルは今回は開きません。次の実行でもう一度試します。</translation>
    </message>
    <message>
        <source>The file is passed over; set its time with touch to have it open.</source>
        <translation>このファイルは飛ばします。開くには touch でファイルの時刻を設定してください。</translation>
    </message>
    <message>
        <source>The next run tries again.</source>
        <translation>次の実行でもう一度試します。</translation>
    </message>
    <message>
        <source>Nothing was opened; the next run tries again.</source>
        <translation>何も開いていません。次の実行でもう一度試します。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A sentence about a problem, then a sentence on what to do about it.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>its path is %1 long, longer than the system takes (%2)</source>
        <translation>パスの長さが %1 で、システムが扱える長さ (%2) を超えています</translation>
    </message>
    <message>
        <source>The file is passed over; move it to a shorter path to have it open.</source>
        <translation>このファイルは飛ばします。開くには、より短いパスへ移してください。</translation>
    </message>
</context>
<context>
    <name>mj::opener::desktop_modes</name>
    <message>
        <source>--watch is not available on this system; the opener runs at each login instead</source>
        <translation>--watch はこのシステムでは使えません。代わりにログインのたびにオープナーが動きます</translation>
    </message>
    <message>
        <source>--ics is not available on this system; --json gives the same agenda</source>
        <translation>--ics はこのシステムでは使えません。--json で同じ予定が得られます</translation>
    </message>
</context>
<context>
    <name>mj::opener::dry_run</name>
    <message>
        <source>folder &quot;%1&quot;, %2: %3</source>
        <translation>フォルダー &quot;%1&quot;、%2: %3</translation>
    </message>
    <message>
        <source>%1, after 1 missed day</source>
        <translation>%1 (抜けた日 1 日の後)</translation>
    </message>
    <message>
        <source>%1, after %2 missed days</source>
        <translation>%1 (抜けた日 %2 日の後)</translation>
    </message>
    <message>
        <source>no files to open</source>
        <translation>開くファイルなし</translation>
    </message>
    <message>
        <source>1 file to open</source>
        <translation>開くファイル 1 件</translation>
    </message>
    <message>
        <source>%1 files to open</source>
        <translation>開くファイル %1 件</translation>
    </message>
    <message>
        <source>Capsule root %1, %2: %3.</source>
        <extracomment>%1 the capsule root&apos;s path, %2 the day (with the missed days), %3 how many files open.</extracomment>
        <translation>カプセルルート %1、%2: %3。</translation>
    </message>
    <message>
        <source>in the capsule root: opens at every run</source>
        <translation>カプセルルート直下: 毎回の実行で開く</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>問題: %1</translation>
    </message>
    <message>
        <source>Passed over: %1 came due on %2, a day without a run, and will not open on a later day.</source>
        <translation>見送り: %1 は実行のなかった %2 に期日を迎え、後の日には開きません。</translation>
    </message>
</context>
<context>
    <name>mj::opener::explain</name>
    <message>
        <source>&quot;%1&quot; reads as: %2.</source>
        <translation>&quot;%1&quot; の読み方: %2。</translation>
    </message>
    <message>
        <source>On %1: %2.</source>
        <translation>%1: %2。</translation>
    </message>
    <message>
        <source>On %1, after 1 missed day: %2.</source>
        <translation>%1 (抜けた日 1 日の後): %2。</translation>
    </message>
    <message>
        <source>On %1, after %2 missed days: %3.</source>
        <translation>%1 (抜けた日 %2 日の後): %3。</translation>
    </message>
    <message>
        <source>With &quot;+&quot;, days the opener missed before that day would count too.</source>
        <translation>&quot;+&quot; があれば、その日より前に実行されなかった日も数えます。</translation>
    </message>
    <message>
        <source>Problem: %1.</source>
        <translation>問題: %1。</translation>
    </message>
    <message>
        <source>A file stored on %1 in &quot;%2&quot; would not open within %3 years.</source>
        <translation>%1に &quot;%2&quot; へ保存したファイルは、%3 年以内には開きません。</translation>
    </message>
    <message>
        <source>A file stored on %1 in &quot;%2&quot; would open at every run from %3 on.</source>
        <translation>%1に &quot;%2&quot; へ保存したファイルは、%3以降の毎回の実行で開きます。</translation>
    </message>
    <message>
        <source>A file stored on %1 in &quot;%2&quot; would open on:</source>
        <translation>%1に &quot;%2&quot; へ保存したファイルが開く日:</translation>
    </message>
    <message>
        <source>and at every run from %1 on.</source>
        <translation>さらに %1以降の毎回の実行で開きます。</translation>
    </message>
    <message>
        <source>the opener passes over folders whose name begins with &quot;.&quot;, so their files never open</source>
        <translation>オープナーは名前が「.」で始まるフォルダーを飛ばすため、そのファイルは開きません</translation>
    </message>
    <message>
        <source>&quot;&quot; is the capsule root itself: its files open at every run.</source>
        <translation>「」はカプセルのルートそのものです: そのファイルは毎回の実行で開きます。</translation>
    </message>
    <message>
        <source>A file stored on %1 in the capsule root itself would open at every run from %2 on.</source>
        <translation>%1 にカプセルのルートに保存したファイルは、%2 から毎回の実行で開きます。</translation>
    </message>
    <message>
        <source>A file stored in &quot;%1&quot; would never open.</source>
        <translation>「%1」に保存したファイルは開きません。</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>注意: %1</translation>
    </message>
    <message>
        <source>The opener&apos;s run of %1 is over: the runs count from %2 on.</source>
        <translation>%1の開く処理は終わっています: %2以降の実行で数えます。</translation>
    </message>
</context>
<context>
    <name>mj::opener::run</name>
    <message>
        <source>The clock reads %1, earlier than the last run on %2. Only the files of the capsule root were opened, and this day is not recorded; check the computer&apos;s date and time.</source>
        <translation>時計が %1 を示しており、前回の実行 (%2) より前です。カプセルルートのファイルだけを開き、この日は記録しません。コンピューターの日付と時刻を確かめてください。</translation>
    </message>
</context>
<context>
    <name>mj::opener::run_plan</name>
    <message>
        <source>The date of the last run cannot be read: %1. This run counts today as the last run.</source>
        <translation>前回の実行日が読めません: %1。今回は今日を前回の実行日とみなします。</translation>
    </message>
    <message>
        <source>a start-up delay of %1 seconds</source>
        <translation>起動時の待ち時間 %1 秒</translation>
    </message>
    <message>
        <source>%1. This run counts today as its only day.</source>
        <translation>%1。この実行は今日だけを対象にします。</translation>
    </message>
</context>
<context>
    <name>mj::opener::run_window</name>
    <message>
        <source>Morrowjar: opening capsules…</source>
        <translation>Morrowjar処理中</translation>
    </message>
    <message>
        <source>Skipped this run</source>
        <translation>一回休み</translation>
    </message>
    <message>
        <source>another run is opening the capsule %1; this one ends without opening anything</source>
        <translation>別の実行がカプセル %1 を開いています。この実行は何も開かずに終了します</translation>
    </message>
    <message>
        <source>Capsule root %1 is not a folder. Nothing was opened; the next run tries again.</source>
        <translation>カプセルルート %1 はフォルダーではありません。何も開いていません。次の実行でもう一度試します。</translation>
    </message>
    <message>
        <source>Capsule root %1 is not there. Nothing was opened; the next run tries again.</source>
        <translation>カプセルルート %1 がありません。何も開いていません。次の実行でもう一度試します。</translation>
    </message>
    <message>
        <source>%1 (capsule %2). The next run tries again.</source>
        <translation>%1 (カプセル %2)。次の実行でもう一度試します。</translation>
    </message>
    <message>
        <source>%1. The next run covers these days again.</source>
        <translation>%1。次の実行でこれらの日をもう一度扱います。</translation>
    </message>
    <message>
        <source>capsule root</source>
        <translation>カプセルルート</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>1 message came due while this computer was off:</source>
        <translation>このコンピューターを使っていない間に 1 件のメッセージが期日を迎えました:</translation>
    </message>
    <message numerus="yes">
        <source>%n messages came due while this computer was off:</source>
        <translation>
            <numerusform>このコンピューターを使っていない間に %n 件のメッセージが期日を迎えました:</numerusform>
        </translation>
    </message>
    <message>
        <source>Open them now</source>
        <translation>今すぐ開く</translation>
    </message>
    <message>
        <source>Leave them</source>
        <translation>そのままにする</translation>
    </message>
    <message>
        <source>Closing this window stops the run; the files not opened yet open at the next run.</source>
        <translation>このウィンドウを閉じると実行が止まり、まだ開いていないファイルは次の実行で開きます。</translation>
    </message>
    <message>
        <source>Capsules from %1: %2 of %3 files handed to the desktop, %4 left.</source>
        <translation>%1 のカプセル: %3 件中 %2 件をデスクトップに渡しました。残り %4 件。</translation>
    </message>
    <message numerus="yes">
        <source>This run met %n problems.</source>
        <translation>
            <numerusform>この実行で %n 件の問題がありました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>

… and %n more (Show Details).</source>
        <translation>
            <numerusform>

… ほか %n 件 (詳細を表示)。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>mj::opener::tool_options_parser</name>
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
    <message>
        <source>%1: &quot;%2&quot; is not a date YYYY-MM-DD in the years 100..9999</source>
        <translation>%1: &quot;%2&quot; は 100..9999 年の YYYY-MM-DD 形式の日付ではありません</translation>
    </message>
    <message>
        <source>--watch comes first: m_jar --watch [--quiet] [DELAY][LOCATION]</source>
        <translation>--watch は最初に置きます: m_jar --watch [--quiet] [DELAY][LOCATION]</translation>
    </message>
    <message>
        <source>no mode given: use --explain NAME, --next NAME, --dry-run [LOCATION], --upcoming [DAYS] [LOCATION] or --watch [DELAY][LOCATION] (see --help)</source>
        <translation>モードがありません: --explain NAME、--next NAME、--dry-run [LOCATION]、--upcoming [DAYS] [LOCATION]、--watch [DELAY][LOCATION] のいずれかを使ってください (--help を参照)</translation>
    </message>
    <message>
        <source>--explain, --next, --dry-run and --upcoming cannot be combined</source>
        <translation>--explain、--next、--dry-run、--upcoming は同時に使えません</translation>
    </message>
    <message>
        <source>--prev belongs to --dry-run</source>
        <translation>--prev は --dry-run と一緒に使います</translation>
    </message>
    <message>
        <source>--missed-days belongs to --explain; --dry-run counts them from --prev</source>
        <translation>--missed-days は --explain と一緒に使います。--dry-run は --prev から数えます</translation>
    </message>
    <message>
        <source>--count belongs to --next</source>
        <translation>--count は --next と一緒に使います</translation>
    </message>
    <message>
        <source>--upcoming: DAYS must be a whole number from 1 to %1</source>
        <translation>--upcoming: DAYS は 1 から %1 までの整数にしてください</translation>
    </message>
    <message>
        <source>--upcoming takes DAYS and at most one LOCATION</source>
        <translation>--upcoming に渡せるのは DAYS と、LOCATION 一つまでです</translation>
    </message>
    <message>
        <source>--dry-run takes at most one LOCATION</source>
        <translation>--dry-run に渡せる LOCATION は一つまでです</translation>
    </message>
    <message>
        <source>%1 needs a folder NAME</source>
        <translation>%1 にはフォルダー名 NAME が必要です</translation>
    </message>
    <message>
        <source>%1 takes exactly one NAME</source>
        <translation>%1 に渡せる NAME はちょうど一つです</translation>
    </message>
    <message>
        <source>--count: &quot;%1&quot; is not a whole number from 1 to 1000</source>
        <translation>--count: &quot;%1&quot; は 1 から 1000 までの整数ではありません</translation>
    </message>
    <message>
        <source>--missed-days: &quot;%1&quot; is not a whole number</source>
        <translation>--missed-days: &quot;%1&quot; は整数ではありません</translation>
    </message>
    <message>
        <source>Opens the files of the schedule folders that are due today. A LOCATION
that starts with &quot;-&quot; is given as ./-name.</source>
        <translation>今日が期日の予定フォルダーのファイルを開きます。「-」で始まる
LOCATION は ./-name のように指定します。</translation>
    </message>
    <message>
        <source>--next: the last day whose run finished, instead of the opener&apos;s record.</source>
        <translation>--next: 開く処理の記録の代わりに使う、実行を終えた最後の日。</translation>
    </message>
    <message>
        <source>--served-through belongs to --next</source>
        <translation>--served-through は --next と一緒に使います</translation>
    </message>
    <message>
        <source>--upcoming: print the agenda as an iCalendar file, one all-day event per folder and day, to import into a calendar.</source>
        <translation>--upcoming: 予定を iCalendar ファイルとして出力します。フォルダーと日ごとに終日の予定が一つずつ入り、カレンダーに読み込めます。</translation>
    </message>
    <message>
        <source>--ics belongs to --upcoming</source>
        <translation>--ics は --upcoming と一緒に使います</translation>
    </message>
    <message>
        <source>--ics and --json cannot be combined</source>
        <translation>--ics と --json は同時に使えません</translation>
    </message>
</context>
<context>
    <name>mj::opener::upcoming</name>
    <message>
        <source>Folder &quot;%1&quot; in %2: %3.</source>
        <translation>%2 のフォルダー &quot;%1&quot;: %3。</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; in %2: %3.</source>
        <translation>%2 のファイル &quot;%1&quot;: %3。</translation>
    </message>
    <message>
        <source>%1: none of its files, nor one stored from now on, comes due within the next %2 years</source>
        <translation>%1: 今あるファイルも、これから保存するファイルも、今後 %2 年以内に開く日が来ません</translation>
    </message>
    <message>
        <source>%1: not due on any day of the next %2 years</source>
        <translation>%1: 今後 %2 年のどの日にも開きません</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>Why a folder will not open, then a problem with its name.</extracomment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>Folder &quot;%1&quot;, judged on %2, in %3: %4.</source>
        <translation>%3 のフォルダー &quot;%1&quot; (%2の判定): %4。</translation>
    </message>
    <message>
        <source>its files cannot be listed: %1</source>
        <translation>ファイルの一覧を読めません: %1</translation>
    </message>
    <message>
        <source>Capsule root %1: no day to judge.</source>
        <translation>カプセルルート %1: 判定する日がありません。</translation>
    </message>
    <message>
        <source>Capsule root %1, 1 day from %2 to %3, one run each day:</source>
        <translation>カプセルルート %1、%2から%3までの 1 日、毎日一回の実行:</translation>
    </message>
    <message>
        <source>Capsule root %1, %2 days from %3 to %4, one run each day:</source>
        <translation>カプセルルート %1、%3から%4までの %2 日間、毎日一回の実行:</translation>
    </message>
    <message>
        <source>Every day: 1 file of the capsule root itself.</source>
        <translation>毎日: カプセルルート直下のファイル 1 件。</translation>
    </message>
    <message>
        <source>Every day: %1 files of the capsule root itself.</source>
        <translation>毎日: カプセルルート直下のファイル %1 件。</translation>
    </message>
    <message>
        <source>No other day opens a schedule folder&apos;s files.</source>
        <translation>ほかの日には予定フォルダーのファイルは開きません。</translation>
    </message>
    <message>
        <source>No schedule folder opens files on these days.</source>
        <translation>この期間に予定フォルダーのファイルを開く日はありません。</translation>
    </message>
    <message>
        <source>Not opening again within %1 years:</source>
        <translation>%1 年以内にもう開かないフォルダー:</translation>
    </message>
    <message>
        <source>Dated after today:</source>
        <translation>今日より後の日付のファイル:</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>問題:</translation>
    </message>
</context>
<context>
    <name>mj::opener::upcoming_ics</name>
    <message>
        <source>... and %1 more</source>
        <translation>... ほか %1 件</translation>
    </message>
    <message>
        <source>(the files could not be listed again)</source>
        <translation>(ファイルをもう一度一覧できませんでした)</translation>
    </message>
    <message>
        <source>Morrowjar: 1 file opens from &quot;%1&quot;</source>
        <translation>Morrowjar: 「%1」のファイルが 1 件開きます</translation>
    </message>
    <message>
        <source>Morrowjar: %1 files open from &quot;%2&quot;</source>
        <translation>Morrowjar: 「%2」のファイルが %1 件開きます</translation>
    </message>
</context>
<context>
    <name>mj::opener::watch</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A schedule folder and how many of its files were opened.</extracomment>
        <translation>%1 (%2 件)</translation>
    </message>
    <message>
        <source>capsule root</source>
        <translation>カプセルルート</translation>
    </message>
    <message>
        <source>1 capsule came back: %1</source>
        <translation>カプセルが 1 件戻ってきました: %1</translation>
    </message>
    <message>
        <source>%1 capsules came back: %2</source>
        <translation>カプセルが %1 件戻ってきました: %2</translation>
    </message>
    <message>
        <source>%1 problems; the first: %2</source>
        <translation>問題が %1 件。最初の問題: %2</translation>
    </message>
    <message>
        <source>Morrowjar met a problem</source>
        <translation>Morrowjar で問題が起きました</translation>
    </message>
    <message>
        <source>1 message came due while this computer was off: %1</source>
        <translation>このコンピューターを使っていない間に 1 件のメッセージが期日を迎えました: %1</translation>
    </message>
    <message>
        <source>%1 messages came due while this computer was off: %2</source>
        <translation>このコンピューターを使っていない間に %1 件のメッセージが期日を迎えました: %2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
</context>
<context>
    <name>mj::platform::bus</name>
    <message>
        <source>%1: the system bus took the connection but did not answer within %2 seconds; going on without it (no runs on waking from sleep).</source>
        <translation>%1: システムバスは接続を受け付けましたが %2 秒以内に応答しませんでした。システムバスなしで続けます (スリープからの復帰時には実行しません)。</translation>
    </message>
    <message>
        <source>%1: the session bus took the connection but did not answer within %2 seconds; going on without it (no desktop notifications).</source>
        <translation>%1: セッションバスは接続を受け付けましたが %2 秒以内に応答しませんでした。セッションバスなしで続けます (デスクトップ通知は送りません)。</translation>
    </message>
</context>
<context>
    <name>mj::platform::day_record</name>
    <message>
        <source>The record of the days already served, in %1, cannot be read (%2)</source>
        <translation>%1 にある処理済みの日の記録を読めません (%2)</translation>
    </message>
    <message>
        <source>%1 is not a single value</source>
        <translation>%1 が一つの値ではありません</translation>
    </message>
    <message>
        <source>the settings store %1 cannot be written</source>
        <translation>設定ファイル %1 に書き込めません</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>ファイルを読めません</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>ファイルが壊れています</translation>
    </message>
    <message>
        <source>%1 is not a date: &quot;%2&quot;</source>
        <translation>%1 が日付ではありません: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>mj::platform::display</name>
    <message>
        <source>%1: the X display %2 took the connection but did not answer within %3 seconds; going on without it.</source>
        <translation>%1: X ディスプレイ %2 は接続を受け付けましたが %3 秒以内に応答しませんでした。ディスプレイなしで続けます。</translation>
    </message>
</context>
<context>
    <name>mj::platform::file_time</name>
    <message>
        <source>%1 (dated %2, outside the years %3 to %4)</source>
        <translation>%1 (日付が%2で、%3年から%4年の範囲外です)</translation>
    </message>
    <message>
        <source>in the year %1</source>
        <translation>%1年</translation>
    </message>
    <message>
        <source>about the year %1</source>
        <translation>およそ%1年</translation>
    </message>
</context>
<context>
    <name>mj::platform::open_file</name>
    <message>
        <source>%1 not found</source>
        <translation>%1 が見つかりません</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 を起動できません: %2</translation>
    </message>
    <message>
        <source>the shell could not open it, error %1</source>
        <translation>シェルが開けませんでした (エラー %1)</translation>
    </message>
    <message>
        <source>%1 was stopped by signal %2</source>
        <translation>%1 がシグナル %2 で止まりました</translation>
    </message>
    <message>
        <source>%1 did not understand its command line</source>
        <translation>%1 がコマンドラインを理解できませんでした</translation>
    </message>
    <message>
        <source>%1 found no such file</source>
        <translation>%1 がファイルを見つけられませんでした</translation>
    </message>
    <message>
        <source>%1 found no program for this kind of file, or no desktop to open it on</source>
        <translation>%1 がこの種類のファイルを開くプログラムか、開くデスクトップを見つけられませんでした</translation>
    </message>
    <message>
        <source>the program %1 chose for this kind of file failed</source>
        <translation>%1 が選んだこの種類のファイル用のプログラムが失敗しました</translation>
    </message>
    <message>
        <source>%1 ended with status %2</source>
        <translation>%1 が状態 %2 で終わりました</translation>
    </message>
</context>
<context>
    <name>mj::platform::run_lock</name>
    <message>
        <source>The lock %1, which keeps two runs from opening the same files, cannot be made; this run goes on without it</source>
        <translation>二つの実行が同じファイルを開かないためのロック %1 を作れません。この実行はロックなしで続けます</translation>
    </message>
</context>
<context>
    <name>mj::platform::settings_store</name>
    <message>
        <source>the settings store %1 cannot be written</source>
        <translation>設定ファイル %1 に書き込めません</translation>
    </message>
</context>
<context>
    <name>mj::schedule_name</name>
    <message>
        <source>the %1 days missed since the last run are more than a window of days can hold (32767)</source>
        <translation>前回の実行から抜けた %1 日は、日数の幅に収まる数 (32767) を超えています</translation>
    </message>
</context>
<context>
    <name>mj::schedule_words</name>
    <message>
        <source>1 day</source>
        <translation>1日</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1日</translation>
    </message>
    <message>
        <source>1 week</source>
        <translation>1週間</translation>
    </message>
    <message>
        <source>%1 weeks</source>
        <translation>%1週間</translation>
    </message>
    <message>
        <source>1 month</source>
        <translation>1か月</translation>
    </message>
    <message>
        <source>%1 months</source>
        <translation>%1か月</translation>
    </message>
    <message>
        <source>1 year</source>
        <translation>1年</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1年</translation>
    </message>
    <message>
        <source>every %1</source>
        <translation>%1ごとに</translation>
    </message>
    <message>
        <source>every day</source>
        <translation>毎日</translation>
    </message>
    <message>
        <source>every week</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>every month</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>every year</source>
        <translation>毎年</translation>
    </message>
    <message>
        <source>the last day</source>
        <translation>最終日</translation>
    </message>
    <message>
        <source>the last day but one</source>
        <translation>最終日の前日</translation>
    </message>
    <message>
        <source>the last day but %1</source>
        <translation>最終日の%1日前</translation>
    </message>
    <message>
        <source>%1 of %2 each year</source>
        <translation>毎年%2の%1</translation>
    </message>
    <message>
        <source>%1 %2 each year</source>
        <translation>毎年%3月%1日</translation>
    </message>
    <message>
        <source>%1 of each month</source>
        <translation>毎月の%1</translation>
    </message>
    <message>
        <source>the %1 of each month that has one</source>
        <translation>毎月%2日 (その日がある月)</translation>
    </message>
    <message>
        <source>the %1 of each month</source>
        <translation>毎月%2日</translation>
    </message>
    <message>
        <source>&quot;=%1&quot; leaves no day to be due on</source>
        <translation>「=%1」では開く日が一日もありません</translation>
    </message>
    <message>
        <source>, %1 days wide</source>
        <translation>、%1日間</translation>
    </message>
    <message>
        <source>on the day after it was stored</source>
        <translation>保存した翌日に</translation>
    </message>
    <message>
        <source>on each of the %1 days after it was stored</source>
        <translation>保存した翌日から%1日間、毎日</translation>
    </message>
    <message>
        <source>again %1 after the day it was stored</source>
        <translation>保存した日から%1、くりかえし</translation>
    </message>
    <message>
        <source>once it is %1 old, at every run from then on</source>
        <translation>保存から%1たったら、その後は実行のたびに</translation>
    </message>
    <message>
        <source>on each of the %1 days after it is %2 old</source>
        <translation>保存から%2たった日から%1日間、毎日</translation>
    </message>
    <message>
        <source>no month has a week %1</source>
        <translation>第%1週のある月はありません</translation>
    </message>
    <message>
        <source>on the %1 %2 of each month</source>
        <translation>毎月第%3%2に</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1は存在しません</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>%1に</translation>
    </message>
    <message>
        <source>every file stored before the day of the run, at every run</source>
        <translation>実行日より前に保存したすべてのファイルを、実行のたびに</translation>
    </message>
    <message>
        <source>a weekday with a final &quot;-&quot; needs a week, such as &quot;%1@2-&quot;</source>
        <translation>末尾に「-」を付けた曜日には週の指定が必要です (例:「%1@2-」)</translation>
    </message>
    <message>
        <source>from the %1 %2 of each month to the month&apos;s end</source>
        <translation>毎月第%3%2から月末まで</translation>
    </message>
    <message>
        <source>from %1 on, at every run</source>
        <translation>%1以降、実行のたびに</translation>
    </message>
    <message>
        <source>every file, at every run (day %1 of the month has always come)</source>
        <translation>すべてのファイルを、実行のたびに (月の%1日目はいつも過ぎています)</translation>
    </message>
    <message>
        <source>from day %1 of month %2, counted on from 1 January, to the end of the year</source>
        <translation>%2月%1日 (1月1日から数えた日) から年末まで</translation>
    </message>
    <message>
        <source>from %1 to %2</source>
        <translation>%1から%2まで</translation>
    </message>
    <message>
        <source>the end of the year</source>
        <translation>年末</translation>
    </message>
    <message>
        <source>the month&apos;s end</source>
        <translation>月末</translation>
    </message>
    <message>
        <source>an empty rule name, read as day 0 of the month, which never comes</source>
        <translation>規則名が空です。月の0日と読まれ、その日は来ません</translation>
    </message>
    <message>
        <source>not a schedule name: &quot;%1&quot; is read as day 0 of the month, which never comes</source>
        <translation>予定名ではありません:「%1」は月の0日と読まれ、その日は来ません</translation>
    </message>
    <message>
        <source>a name that cannot be read, so its files never open</source>
        <translation>読めない名前のため、ファイルは開きません</translation>
    </message>
    <message>
        <source>never: %1</source>
        <translation>開きません: %1</translation>
    </message>
    <message>
        <source> (&quot;=&quot; and &quot;+&quot; change nothing before a final &quot;-&quot;)</source>
        <translation> (末尾の「-」の前では「=」と「+」は何も変えません)</translation>
    </message>
    <message>
        <source>, catching up the days the opener missed</source>
        <translation>、実行されなかった日の分も取り戻して</translation>
    </message>
    <message>
        <source>each file %1</source>
        <translation>各ファイルを%1</translation>
    </message>
    <message>
        <source>not due</source>
        <translation>開く日ではありません</translation>
    </message>
    <message>
        <source>due: every file in the folder</source>
        <translation>開く日: フォルダー内のすべてのファイル</translation>
    </message>
    <message>
        <source>due, but no file: its day lies outside the years 100 to 9999</source>
        <translation>開く日ですが、ファイルはありません: その日は100年から9999年の範囲外です</translation>
    </message>
    <message>
        <source>due: files stored up to the end of %1</source>
        <translation>開く日: %1の終わりまでに保存したファイル</translation>
    </message>
    <message>
        <source>due, but no file: its days lie outside the years 100 to 9999</source>
        <translation>開く日ですが、ファイルはありません: その期間は100年から9999年の範囲外です</translation>
    </message>
    <message>
        <source>due, but no file: the range of days is empty</source>
        <translation>開く日ですが、ファイルはありません: 日の範囲が空です</translation>
    </message>
    <message>
        <source>due: files stored on %1</source>
        <translation>開く日: %1に保存したファイル</translation>
    </message>
    <message>
        <source>due: files stored from %1 to %2</source>
        <translation>開く日: %1から%2までに保存したファイル</translation>
    </message>
    <message>
        <source>due: files whose day comes round again (%1) on %2</source>
        <translation>開く日: 保存した日が%2にめぐってくるファイル (%1)</translation>
    </message>
    <message>
        <source>due: files whose day comes round again (%1) from %2 to %3</source>
        <translation>開く日: 保存した日が%2から%3までにめぐってくるファイル (%1)</translation>
    </message>
    <message>
        <source>not a schedule name: &quot;%1&quot; is read as day 0 of the month, which with the final &quot;-&quot; has always come: at every run</source>
        <translation>予定名ではありません: 「%1」は月の 0 日と読まれ、末尾の「-」があるとその日は常に過ぎているため、毎回の実行で開きます</translation>
    </message>
</context>
<context>
    <name>mj::wording</name>
    <message>
        <source>January</source>
        <translation>1月</translation>
    </message>
    <message>
        <source>February</source>
        <translation>2月</translation>
    </message>
    <message>
        <source>March</source>
        <translation>3月</translation>
    </message>
    <message>
        <source>April</source>
        <translation>4月</translation>
    </message>
    <message>
        <source>May</source>
        <translation>5月</translation>
    </message>
    <message>
        <source>June</source>
        <translation>6月</translation>
    </message>
    <message>
        <source>July</source>
        <translation>7月</translation>
    </message>
    <message>
        <source>August</source>
        <translation>8月</translation>
    </message>
    <message>
        <source>September</source>
        <translation>9月</translation>
    </message>
    <message>
        <source>October</source>
        <translation>10月</translation>
    </message>
    <message>
        <source>November</source>
        <translation>11月</translation>
    </message>
    <message>
        <source>December</source>
        <translation>12月</translation>
    </message>
    <message>
        <source>month %1</source>
        <translation>%1月</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>火曜日</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>水曜日</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>木曜日</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>金曜日</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>土曜日</translation>
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
    <message>
        <source>The capsule root %1 is a file, not a folder, so no message can be stored in it: start the writer with another location, or move the file away.</source>
        <translation>カプセルルート %1 はフォルダーではなくファイルなので、メッセージを保存できません: 別の場所を指定して書き込みを起動するか、ファイルを移動してください。</translation>
    </message>
    <message>
        <source>The capsule root %1 cannot be written: no message can be stored in it.</source>
        <translation>カプセルルート %1 に書き込めません: メッセージを保存できません。</translation>
    </message>
    <message>
        <source>Cannot create the capsule root %1: the folder %2 is not there.</source>
        <translation>カプセルルート %1 を作れません: フォルダー %2 がありません。</translation>
    </message>
    <message>
        <source>Cannot create the capsule root %1: the folder %2 cannot be written.</source>
        <translation>カプセルルート %1 を作れません: フォルダー %2 に書き込めません。</translation>
    </message>
    <message>
        <source>The schedule folder %1 is marked hidden, system or archive (attribute word %2, not 16). The opener passes over such folders, so the message would never open: clear the marks (attrib -h -s -a), or choose another schedule name.</source>
        <translation>予定フォルダー %1 には隠し・システム・アーカイブの属性が付いています (属性値 %2、16 ではありません)。そのようなフォルダーは開かれないので、メッセージは開きません: 属性を外す (attrib -h -s -a) か、別の予定名を選んでください。</translation>
    </message>
</context>
<context>
    <name>mj::writer::schedule_guide</name>
    <message>
        <source>today, %1</source>
        <translation>今日 (%1)</translation>
    </message>
    <message>
        <source>tomorrow, %1</source>
        <translation>明日 (%1)</translation>
    </message>
    <message>
        <source>today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>tomorrow</source>
        <translation>明日</translation>
    </message>
    <message>
        <source>Incomplete date: add a day, such as %1</source>
        <translation>日付が途中です:「%1」のように日を加えてください</translation>
    </message>
    <message>
        <source>Incomplete date: add a day</source>
        <translation>日付が途中です: 日を加えてください</translation>
    </message>
    <message>
        <source>Never opens: %1</source>
        <translation>開きません: %1</translation>
    </message>
    <message>
        <source>Not a schedule name: this message would never open</source>
        <translation>予定名ではありません: このメッセージは開きません</translation>
    </message>
    <message>
        <source>Never opens: %1 has passed</source>
        <translation>開きません: %1は過ぎています</translation>
    </message>
    <message>
        <source>Never opens in the next %1 years (%2)</source>
        <translation>今後%1年のうちには開きません (%2)</translation>
    </message>
    <message>
        <source>Opens at every run from %1 on</source>
        <translation>%1以降、実行のたびに開きます</translation>
    </message>
    <message>
        <source>Opens %1</source>
        <translation>%1に開きます</translation>
    </message>
    <message>
        <source>Opens on %1</source>
        <translation>%1に開きます</translation>
    </message>
    <message>
        <source>Opens %1 — next: %2</source>
        <translation>%1開きます — 次回: %2</translation>
    </message>
    <message>
        <source>Not a schedule folder: the opener only opens folders right in the capsule root, so this message would never open</source>
        <translation>予定フォルダーではありません: 開かれるのはカプセルルート直下のフォルダーだけなので、このメッセージは開きません</translation>
    </message>
    <message>
        <source>Hidden folder: the opener passes over names that begin with &quot;.&quot;, so this message would never open</source>
        <translation>隠しフォルダーです:「.」で始まる名前は開かれないので、このメッセージは開きません</translation>
    </message>
    <message>
        <source>Never opens: today&apos;s run of the opener is over, and %1 has no other</source>
        <translation>開きません: 今日の開く処理は終わっていて、%1にはもう実行がありません</translation>
    </message>
    <message>
        <source>%1, if the computer is used that day — %2 also opens at the next run after</source>
        <translation>%1 (その日にコンピューターを使った場合) — %2 なら、その日に使わなくてもその後の次の実行で開きます</translation>
    </message>
    <message>
        <source>%1, or at the next run after it</source>
        <translation>%1 (その日に実行がなければ、その後の次の実行で)</translation>
    </message>
    <message>
        <source>No schedule: opens at every run, from %1 on</source>
        <translation>予定なし: %1以降、実行のたびに開きます</translation>
    </message>
</context>
<context>
    <name>mj::writer::writer_window</name>
    <message>
        <source>&amp;Store anyway</source>
        <translation>それでも保存(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back to the schedule</source>
        <translation>予定に戻る(&amp;B)</translation>
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
    <message>
        <source>(answered no: nobody can answer without a display)</source>
        <translation>(ディスプレイがないため答えられず、「いいえ」としました)</translation>
    </message>
    <message>
        <source>Morrowjar Text Input — %1</source>
        <translation>Morrowjar テキスト入力 — %1</translation>
    </message>
    <message>
        <source>Throw away the message you typed?</source>
        <translation>入力したメッセージを捨てますか?</translation>
    </message>
    <message>
        <source>&amp;Throw away</source>
        <translation>捨てる(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Keep editing</source>
        <translation>編集を続ける(&amp;K)</translation>
    </message>
    <message>
        <source>There is nothing to store: the message is empty. Type a message first.</source>
        <translation>保存するものがありません: メッセージが空です。先にメッセージを入力してください。</translation>
    </message>
    <message>
        <source>No schedule is chosen. Without one, the message opens every time the opener runs, every day, until someone deletes it.

Store it to open at every run?</source>
        <translation>予定が選ばれていません。予定がないと、メッセージは削除されるまで毎日、開く処理が動くたびに開きます。

実行のたびに開くように保存しますか?</translation>
    </message>
    <message>
        <source>&amp;Open at every run</source>
        <translation>実行のたびに開く(&amp;O)</translation>
    </message>
</context>
</TS>
