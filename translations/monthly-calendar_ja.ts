<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CalendarFilesList</name>
    <message>
        <source>Calendar Files</source>
        <translation>カレンダーファイル</translation>
    </message>
    <message>
        <source>&amp;Attached calendar files and address books:</source>
        <translation>添付したカレンダーファイルとアドレス帳(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Detach</source>
        <translation>外す(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Prints one-page monthly calendars. Without --print the window opens with the
files named: control files read into it, calendar files and address books
attached, pictures loaded.

With --print the pages are printed without a window: one page per control
file, in the order given, else one page per month named by --year, --month
or --months. What the options set wins over what a control file says.

Exit status: 0 printed, 1 bad usage, 2 an input could not be read,
3 the page could not be made or printed.</source>
        <translation>1 ページの月間カレンダーを印刷します。--print を付けないときは、指定した
ファイルを開いた状態でウィンドウが開きます: 制御ファイルは読み込まれ、
カレンダーファイルとアドレス帳は添付され、画像は読み込まれます。

--print を付けると、ウィンドウなしでページを印刷します: 制御ファイル 1 つに
つき 1 ページを指定の順に、制御ファイルがなければ --year、--month、
--months で指定した月ごとに 1 ページを印刷します。オプションの指定は
制御ファイルの内容より優先されます。

終了ステータス: 0 印刷済み、1 使い方の誤り、2 入力を読めなかった、
3 ページを作成または印刷できなかった。</translation>
    </message>
    <message>
        <source>Day-notes control files (.txt), one page each.</source>
        <translation>日付メモの制御ファイル (.txt)。1 ファイルにつき 1 ページ。</translation>
    </message>
    <message>
        <source>Print without a window.</source>
        <translation>ウィンドウなしで印刷します。</translation>
    </message>
    <message>
        <source>List the output devices, as &quot;Select Printer&quot; does.</source>
        <translation>「プリンターの選択」と同じく出力デバイスを一覧表示します。</translation>
    </message>
    <message>
        <source>Year of the page; alone, one page for each of its months.</source>
        <translation>ページの年。単独で指定すると、その年の各月を 1 ページずつ印刷します。</translation>
    </message>
    <message>
        <source>Month of the page, 1 to 12.</source>
        <translation>ページの月 (1〜12)。</translation>
    </message>
    <message>
        <source>One page per month, e.g. 2027-01..2027-12.</source>
        <translation>月ごとに 1 ページ。例: 2027-01..2027-12</translation>
    </message>
    <message>
        <source>Header line.</source>
        <translation>見出しの行。</translation>
    </message>
    <message>
        <source>One of the five lines under the header; up to five, in order.</source>
        <translation>見出しの下の 5 行のうちの 1 行。順に 5 回まで指定できます。</translation>
    </message>
    <message>
        <source>Centred message line.</source>
        <translation>中央揃えのメッセージ行。</translation>
    </message>
    <message>
        <source>Picture to print (gif, bmp, wmf or jpg).</source>
        <translation>印刷する画像 (gif、bmp、wmf、jpg)。</translation>
    </message>
    <message>
        <source>Calendar file (.ics) or address book (.vcf) whose events and birthdays go on every page; may be given several times.</source>
        <translation>予定と誕生日を各ページに載せるカレンダーファイル (.ics) またはアドレス帳 (.vcf)。複数回指定できます。</translation>
    </message>
    <message>
        <source>Typeface of one kind of text: month, header, address, message or calendar.</source>
        <translation>文字の種類ごとの書体: month、header、address、message、calendar。</translation>
    </message>
    <message>
        <source>Number of copies (1 to 999).</source>
        <translation>部数 (1〜999)。</translation>
    </message>
    <message>
        <source>Write the pages into this PDF file.</source>
        <translation>ページをこの PDF ファイルに書き出します。</translation>
    </message>
    <message>
        <source>Let --output replace an existing file.</source>
        <translation>--output で既存のファイルを置き換えます。</translation>
    </message>
    <message>
        <source>Print on this device (see --list-printers).</source>
        <translation>このデバイスで印刷します (--list-printers を参照)。</translation>
    </message>
    <message>
        <source>Paper to print on: a4, letter, legal, a5 ... or a PWG name such as na_letter_8.5x11in. Without it, a printer prints on its own paper and a PDF on the system&apos;s (PAPERSIZE, /etc/papersize, LC_PAPER).</source>
        <translation>印刷する用紙: a4、letter、legal、a5 ... または na_letter_8.5x11in のような PWG 名。指定しないと、プリンターは自身の用紙に、PDF はシステムの用紙 (PAPERSIZE、/etc/papersize、LC_PAPER) に印刷します。</translation>
    </message>
    <message>
        <source>First column of the grid: sunday (the default), monday, or locale for the locale&apos;s own first weekday.</source>
        <translation>グリッドの最初の列: sunday (既定)、monday、またはロケールの週の始まりを使う locale。</translation>
    </message>
    <message>
        <source>Platform plugin: xcb, wayland, offscreen ...</source>
        <translation>プラットフォームプラグイン: xcb、wayland、offscreen ...</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>プラットフォームのテーマ。</translation>
    </message>
    <message>
        <source>Folder of further platform plugins.</source>
        <translation>追加のプラットフォームプラグインのフォルダー。</translation>
    </message>
    <message>
        <source>Further input plugin to load.</source>
        <translation>追加で読み込む入力プラグイン。</translation>
    </message>
    <message>
        <source>Widget style: fusion, windows ...</source>
        <translation>ウィジェットのスタイル: fusion、windows ...</translation>
    </message>
    <message>
        <source>Style sheet for the windows.</source>
        <translation>ウィンドウのスタイルシート。</translation>
    </message>
    <message>
        <source>Lays the windows out right to left.</source>
        <translation>ウィンドウを右から左に配置します。</translation>
    </message>
    <message>
        <source>Size and place of the main window.</source>
        <translation>メインウィンドウの大きさと位置。</translation>
    </message>
    <message>
        <source>Title of the main window.</source>
        <translation>メインウィンドウのタイトル。</translation>
    </message>
    <message>
        <source>Icon of the windows.</source>
        <translation>ウィンドウのアイコン。</translation>
    </message>
    <message>
        <source>Session to restore.</source>
        <translation>復元するセッション。</translation>
    </message>
    <message>
        <source>X display to open the window on.</source>
        <translation>ウィンドウを開く X ディスプレイ。</translation>
    </message>
    <message>
        <source>Name under which X resources are looked up.</source>
        <translation>X リソースを検索するときの名前。</translation>
    </message>
    <message>
        <source>Tells how many widgets are left at the end.</source>
        <translation>終了時に残っているウィジェットの数を表示します。</translation>
    </message>
    <message>
        <source>Never grabs the mouse or the keyboard.</source>
        <translation>マウスやキーボードを占有しません。</translation>
    </message>
    <message>
        <source>Grabs even where -nograb is implied.</source>
        <translation>-nograb が暗黙に有効な場合でも占有します。</translation>
    </message>
    <message>
        <source>Talks to the X server synchronously.</source>
        <translation>X サーバーと同期して通信します。</translation>
    </message>
    <message>
        <source>
Qt options, taken by every Qt program:
</source>
        <translation>
Qt のオプション (すべての Qt プログラムで使えます):
</translation>
    </message>
    <message>
        <source>--week-start takes one of %1 (not &quot;%2&quot;)</source>
        <translation>--week-start には %1 のいずれかを指定します（「%2」は不可）</translation>
    </message>
    <message>
        <source>--year, --month and --months name pages only without a control file</source>
        <translation>--year、--month、--months は制御ファイルがないときだけページを指定します</translation>
    </message>
    <message>
        <source>--months cannot be combined with --year or --month</source>
        <translation>--months は --year や --month と一緒に使えません</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year には %1 から %2 までの年を指定します</translation>
    </message>
    <message>
        <source>--month takes a month from 1 to 12</source>
        <translation>--month には 1 から 12 までの月を指定します</translation>
    </message>
    <message>
        <source>--months takes FROM..TO, each YYYY-MM, e.g. 2027-01..2027-12</source>
        <translation>--months には FROM..TO を YYYY-MM 形式で指定します（例: 2027-01..2027-12）</translation>
    </message>
    <message>
        <source>--months takes years from %1 to %2 and months from 1 to 12</source>
        <translation>--months には %1 から %2 までの年と 1 から 12 までの月を指定します</translation>
    </message>
    <message>
        <source>--months runs from an earlier month to a later one</source>
        <translation>--months は前の月から後の月までを指定します</translation>
    </message>
    <message>
        <source>--months: at most %1 months in one run</source>
        <translation>--months: 一度に指定できるのは %1 か月までです</translation>
    </message>
    <message>
        <source>--line can be given at most %1 times</source>
        <translation>--line は %1 回まで指定できます</translation>
    </message>
    <message>
        <source>--picture needs a file name</source>
        <translation>--picture にはファイル名が必要です</translation>
    </message>
    <message>
        <source>--copies takes a number from 1 to %1</source>
        <translation>--copies には 1 から %1 までの数を指定します</translation>
    </message>
    <message>
        <source>--font takes KIND=FAMILY, KIND one of month, header, address, message, calendar (not &quot;%1&quot;)</source>
        <translation>--font には KIND=FAMILY を指定します。KIND は month、header、address、message、calendar のいずれかです（「%1」は不可）</translation>
    </message>
    <message>
        <source>--output takes the name of a .pdf file</source>
        <translation>--output には .pdf ファイルの名前を指定します</translation>
    </message>
    <message>
        <source>--printer needs a device name</source>
        <translation>--printer にはデバイス名が必要です</translation>
    </message>
    <message>
        <source>--output and --printer cannot be combined</source>
        <translation>--output と --printer は一緒に使えません</translation>
    </message>
    <message>
        <source>--force goes with --output</source>
        <translation>--force は --output と一緒に使います</translation>
    </message>
    <message>
        <source>--paper takes a paper from A7 to A0 named %1, or a PWG name such as na_letter_8.5x11in (not &quot;%2&quot;)</source>
        <translation>--paper には %1 のいずれか（A7 から A0）か、na_letter_8.5x11in のような PWG 名を指定します（「%2」は不可）</translation>
    </message>
    <message>
        <source>--list-printers takes no other option or file</source>
        <translation>--list-printers にはほかのオプションやファイルを指定できません</translation>
    </message>
    <message>
        <source>%1 needs --print</source>
        <translation>%1 には --print が必要です</translation>
    </message>
</context>
<context>
    <name>CommandLinePrint</name>
    <message>
        <source>%1: The file already exists; --force replaces it.</source>
        <translation>%1: ファイルは既にあります。--force で置き換えます。</translation>
    </message>
    <message>
        <source>The device is not available.</source>
        <translation>このデバイスは使用できません。</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>警告: </translation>
    </message>
    <message>
        <source>%1: The device cannot print on %2.</source>
        <translation>%1: このデバイスは %2 に印刷できません。</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2</source>
        <translation>実行時エラー &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 (paper: %2)</source>
        <translation>%1（用紙: %2）</translation>
    </message>
</context>
<context>
    <name>CupsDevice</name>
    <message>
        <source>%1 reports no usable paper; printing on %2.</source>
        <translation>%1 は使える用紙を報告していません。%2 に印刷します。</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Monthly Calendar</source>
        <translation>月間カレンダー</translation>
    </message>
    <message>
        <source>Try again . . .<byte value="xd"/>
</source>
        <translation>もう一度どうぞ . . .<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>PagePreview</name>
    <message>
        <source>Page Preview</source>
        <translation>ページのプレビュー</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>ページ全体(&amp;P)</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>幅に合わせる(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source> Zoom 000 % </source>
        <translation> ズーム 000 % </translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>ズーム %1 %</translation>
    </message>
</context>
<context>
    <name>PageSetup</name>
    <message>
        <source>Sunday</source>
        <translation>日曜日</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>月曜日</translation>
    </message>
    <message>
        <source>The locale&apos;s first day (%1)</source>
        <translation>ロケールの週の始まり (%1)</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>ページ設定</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>デバイス:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>用紙(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Week starts on:</source>
        <translation>週の始まり(&amp;W):</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>Page preview</source>
        <translation>ページのプレビュー</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Printing copy %1 of %2</source>
        <translation>%2 部中 %1 部目を印刷中</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Select a .txt file.</source>
        <translation>.txt ファイルを選んでください。</translation>
    </message>
    <message>
        <source>Select a .gif, .bmp, .wmf OR .jpg file.</source>
        <translation>.gif、.bmp、.wmf または .jpg ファイルを選んでください。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>The file is larger than 16 MB.</source>
        <translation>ファイルが 16 MB を超えています。</translation>
    </message>
    <message>
        <source>The file is neither a calendar (iCalendar) nor an address book (vCard).</source>
        <translation>このファイルはカレンダー (iCalendar) でもアドレス帳 (vCard) でもありません。</translation>
    </message>
    <message>
        <source>The file is not a valid calendar (iCalendar).</source>
        <translation>このファイルは正しいカレンダー (iCalendar) ではありません。</translation>
    </message>
    <message>
        <source>The event %1 has no date.</source>
        <translation>予定 %1 に日付がありません。</translation>
    </message>
    <message>
        <source>The event %1 has a repetition that cannot be read.</source>
        <translation>予定 %1 の繰り返しを読み取れません。</translation>
    </message>
    <message>
        <source>The event %1 repeats more than 100,000 times.</source>
        <translation>予定 %1 は 100,000 回を超えて繰り返されます。</translation>
    </message>
    <message>
        <source>The time zone %1 cannot be read.</source>
        <translation>タイムゾーン %1 を読み取れません。</translation>
    </message>
    <message>
        <source>The address book has a card inside another card.</source>
        <translation>アドレス帳のカードの中に別のカードがあります。</translation>
    </message>
    <message>
        <source>The address book ends a card it never began.</source>
        <translation>アドレス帳が始まっていないカードを終えています。</translation>
    </message>
    <message>
        <source>The address book ends inside a card.</source>
        <translation>アドレス帳がカードの途中で終わっています。</translation>
    </message>
    <message>
        <source>1 entry is left out. </source>
        <translation>1 件の項目を省きました。</translation>
    </message>
    <message>
        <source>%1 entries are left out. The first: %2</source>
        <translation>%1 件の項目を省きました。最初の項目: %2</translation>
    </message>
    <message>
        <source>An entry has a line longer than 64 KB.</source>
        <translation>64 KB を超える行を含む項目があります。</translation>
    </message>
    <message>
        <source>The event %1 has a line longer than 64 KB.</source>
        <translation>予定 %1 に 64 KB を超える行があります。</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>実行時エラー &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>プロシージャの呼び出し、または引数が不正です</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0 で除算しました</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>プリンターのエラーです</translation>
    </message>
</context>
<context>
    <name>SelFontName</name>
    <message>
        <source>Select the Printer . . .  </source>
        <translation>プリンターを選んでください . . .  </translation>
    </message>
    <message>
        <source>Calendar Printer Selection</source>
        <translation>カレンダー: プリンターの選択</translation>
    </message>
</context>
<context>
    <name>frmFindFiles</name>
    <message>
        <source>The drive cannot be read.</source>
        <translation>ドライブを読み込めません。</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>選択(&amp;S)</translation>
    </message>
</context>
<context>
    <name>frmSelectPrt</name>
    <message>
        <source>Output Device Selection</source>
        <translation>出力デバイスの選択</translation>
    </message>
    <message>
        <source>Select &amp;Device</source>
        <translation>デバイスを選択(&amp;D)</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>First &amp;Click on a Device from the list.</source>
        <translation>まず一覧のデバイスをクリック(&amp;C)。</translation>
    </message>
    <message>
        <source>&amp;THEN</source>
        <translation>次に(&amp;T)</translation>
    </message>
    <message>
        <source>Select a Printer from the list first . . .</source>
        <translation>先に一覧からプリンターを選んでください . . .</translation>
    </message>
    <message>
        <source>The device is not available.</source>
        <translation>このデバイスは使用できません。</translation>
    </message>
</context>
<context>
    <name>frmSorvane</name>
    <message>
        <source> 1. Enter the Year.</source>
        <translation> 1. 年を入力します。</translation>
    </message>
    <message>
        <source> 2. Select the Fonts.</source>
        <translation> 2. 書体を選びます。</translation>
    </message>
    <message>
        <source>     -Set the Font Size large to see it better.</source>
        <translation>     -見やすいように大きなサイズを選びます。</translation>
    </message>
    <message>
        <source>     -The actual size is preset . . .</source>
        <translation>     -実際のサイズはあらかじめ決まっています . . .</translation>
    </message>
    <message>
        <source> 3. Select a Picture. </source>
        <translation> 3. 画像を選びます。</translation>
    </message>
    <message>
        <source> 4. Enter Text for each field. </source>
        <translation> 4. 各欄に文字を入力します。</translation>
    </message>
    <message>
        <source> 5. Print a copy. </source>
        <translation> 5. 1 部印刷します。</translation>
    </message>
    <message>
        <source> 6. If OK, set number of copies and print</source>
        <translation> 6. よければ部数を決めて印刷します</translation>
    </message>
    <message>
        <source> Calendar Help</source>
        <translation> カレンダーのヘルプ</translation>
    </message>
    <message>
        <source>Select a Picture &amp;file.<byte value="xd"/>
Either a bmp, gif, jpg or wmf.</source>
        <translation>画像ファイルを選んでください(&amp;F)。<byte value="xd"/>
bmp、gif、jpg、wmf のいずれか。</translation>
    </message>
    <message>
        <source>Select a text Control &amp;file.<byte value="xd"/>
A [txt] file with Field Control</source>
        <translation>制御テキストファイルを選んでください(&amp;F)。<byte value="xd"/>
欄を制御する [txt] ファイル</translation>
    </message>
    <message>
        <source>&amp;Year (yyyy)</source>
        <translation>年 yyyy(&amp;Y)</translation>
    </message>
    <message>
        <source>four digits</source>
        <translation>4 桁</translation>
    </message>
    <message>
        <source>&amp;Month (mm)</source>
        <translation>月 mm(&amp;M)</translation>
    </message>
    <message>
        <source>Mon&amp;th Font</source>
        <translation>月の書体(&amp;T)</translation>
    </message>
    <message>
        <source>Se&amp;lect Printer</source>
        <translation>プリンターの選択(&amp;L)</translation>
    </message>
    <message>
        <source>H&amp;eader</source>
        <translation>見出し(&amp;E)</translation>
    </message>
    <message>
        <source>Heade&amp;r Font</source>
        <translation>見出しの書体(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>メモ(&amp;N)</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>%1 行目</translation>
    </message>
    <message>
        <source>&amp;Address Font</source>
        <translation>住所の書体(&amp;A)</translation>
    </message>
    <message>
        <source>Mesasa&amp;ge</source>
        <translation>ひとこと(&amp;G)</translation>
    </message>
    <message>
        <source>Select Pict&amp;ure</source>
        <translation>画像の選択(&amp;U)</translation>
    </message>
    <message>
        <source>Messaage F&amp;ont</source>
        <translation>ひとこと書体(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Select Day Notes</source>
        <translation>日付メモの選択(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Calendar Font</source>
        <translation>暦の書体(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print Calendar(s)</source>
        <translation>カレンダー印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Cop&amp;ies</source>
        <translation>部数(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>終了(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>ページ設定(&amp;U)…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Page &amp;Preview</source>
        <translation>ページのプレビュー(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Start a new page? What was typed since the last print is lost.</source>
        <translation>新しいページを始めますか? 最後に印刷してから入力した内容は失われます。</translation>
    </message>
    <message>
        <source>Save Control File</source>
        <translation>制御ファイルの保存</translation>
    </message>
    <message>
        <source>Control files (*.txt)</source>
        <translation>制御ファイル (*.txt)</translation>
    </message>
    <message>
        <source>The control file was not saved.</source>
        <translation>制御ファイルは保存されませんでした。</translation>
    </message>
    <message>
        <source>&amp;New Page</source>
        <translation>新しいページ(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open Control File…</source>
        <translation>制御ファイルを開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Recen&amp;t Control Files</source>
        <translation>最近使った制御ファイル(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Save Control File…</source>
        <translation>制御ファイルを保存(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Reread Day Notes</source>
        <translation>日付メモを再読み込み(&amp;R)</translation>
    </message>
    <message>
        <source>Calendar &amp;Files…</source>
        <translation>カレンダーファイル(&amp;F)…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>詳しくは &apos;%1 --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>no display found (DISPLAY and WAYLAND_DISPLAY are not set); print with --print, or run the window under Xvfb, e.g. xvfb-run -a %1</source>
        <translation>ディスプレイが見つかりません（DISPLAY と WAYLAND_DISPLAY が設定されていません）。--print で印刷するか、Xvfb の下でウィンドウを開いてください（例: xvfb-run -a %1）</translation>
    </message>
</context>
</TS>
