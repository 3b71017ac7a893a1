<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CalendarFilesList</name>
    <message>
        <source>Calendar Files</source>
        <translation>ملفات التقويم</translation>
    </message>
    <message>
        <source>&amp;Attached calendar files and address books:</source>
        <translation>ملفات التقويم ودفاتر العناوين ال&amp;مرفقة:</translation>
    </message>
    <message>
        <source>&amp;Detach</source>
        <translation>&amp;فصل</translation>
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
        <translation>يطبع تقاويم شهرية من صفحة واحدة. بدون --print تُفتح النافذة مع الملفات
المذكورة: تُقرأ ملفات التحكم، وتُرفق ملفات التقويم ودفاتر العناوين، وتُحمَّل الصور.

مع --print تُطبع الصفحات بدون نافذة: صفحة لكل ملف تحكم بالترتيب المعطى،
وإلا فصفحة لكل شهر تحدده --year أو --month أو --months. ما تحدده الخيارات
يتقدم على ما يقوله ملف التحكم.

حالة الخروج: 0 تمت الطباعة، 1 استخدام خاطئ، 2 تعذرت قراءة أحد المدخلات،
3 تعذر إنشاء الصفحة أو طباعتها.</translation>
    </message>
    <message>
        <source>Day-notes control files (.txt), one page each.</source>
        <translation>ملفات التحكم لملاحظات الأيام (.txt)، صفحة لكل منها.</translation>
    </message>
    <message>
        <source>Print without a window.</source>
        <translation>الطباعة بدون نافذة.</translation>
    </message>
    <message>
        <source>List the output devices, as &quot;Select Printer&quot; does.</source>
        <translation>عرض أجهزة الإخراج كما يعرضها «اختيار الطابعة».</translation>
    </message>
    <message>
        <source>Year of the page; alone, one page for each of its months.</source>
        <translation>سنة الصفحة؛ إن ذُكرت وحدها فصفحة لكل شهر من شهورها.</translation>
    </message>
    <message>
        <source>Month of the page, 1 to 12.</source>
        <translation>شهر الصفحة، من 1 إلى 12.</translation>
    </message>
    <message>
        <source>One page per month, e.g. 2027-01..2027-12.</source>
        <translation>صفحة لكل شهر، مثلًا 2027-01..2027-12.</translation>
    </message>
    <message>
        <source>Header line.</source>
        <translation>سطر الترويسة.</translation>
    </message>
    <message>
        <source>One of the five lines under the header; up to five, in order.</source>
        <translation>أحد الأسطر الخمسة تحت الترويسة؛ حتى خمسة، بالترتيب.</translation>
    </message>
    <message>
        <source>Centred message line.</source>
        <translation>سطر الرسالة في المنتصف.</translation>
    </message>
    <message>
        <source>Picture to print (gif, bmp, wmf or jpg).</source>
        <translation>الصورة المراد طباعتها (gif أو bmp أو wmf أو jpg).</translation>
    </message>
    <message>
        <source>Calendar file (.ics) or address book (.vcf) whose events and birthdays go on every page; may be given several times.</source>
        <translation>ملف تقويم (.ics) أو دفتر عناوين (.vcf) تُوضع أحداثه وأعياد الميلاد فيه على كل صفحة؛ يمكن ذكره عدة مرات.</translation>
    </message>
    <message>
        <source>Typeface of one kind of text: month, header, address, message or calendar.</source>
        <translation>خط نوع من النص: month أو header أو address أو message أو calendar.</translation>
    </message>
    <message>
        <source>Number of copies (1 to 999).</source>
        <translation>عدد النسخ (1 إلى 999).</translation>
    </message>
    <message>
        <source>Write the pages into this PDF file.</source>
        <translation>كتابة الصفحات في ملف PDF هذا.</translation>
    </message>
    <message>
        <source>Let --output replace an existing file.</source>
        <translation>السماح لـ --output باستبدال ملف موجود.</translation>
    </message>
    <message>
        <source>Print on this device (see --list-printers).</source>
        <translation>الطباعة على هذا الجهاز (انظر --list-printers).</translation>
    </message>
    <message>
        <source>Paper to print on: a4, letter, legal, a5 ... or a PWG name such as na_letter_8.5x11in. Without it, a printer prints on its own paper and a PDF on the system&apos;s (PAPERSIZE, /etc/papersize, LC_PAPER).</source>
        <translation>ورق الطباعة: a4 أو letter أو legal أو a5 ... أو اسم PWG مثل na_letter_8.5x11in. بدونه تطبع الطابعة على ورقها الخاص وملف PDF على ورق النظام (PAPERSIZE و/etc/papersize وLC_PAPER).</translation>
    </message>
    <message>
        <source>First column of the grid: sunday (the default), monday, or locale for the locale&apos;s own first weekday.</source>
        <translation>العمود الأول في الشبكة: sunday (الافتراضي) أو monday أو locale لأول يوم في الأسبوع حسب الإعدادات المحلية.</translation>
    </message>
    <message>
        <source>Platform plugin: xcb, wayland, offscreen ...</source>
        <translation>ملحق المنصة: xcb أو wayland أو offscreen ...</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>سمة المنصة.</translation>
    </message>
    <message>
        <source>Folder of further platform plugins.</source>
        <translation>مجلد ملحقات منصة إضافية.</translation>
    </message>
    <message>
        <source>Further input plugin to load.</source>
        <translation>ملحق إدخال إضافي للتحميل.</translation>
    </message>
    <message>
        <source>Widget style: fusion, windows ...</source>
        <translation>نمط عناصر الواجهة: fusion أو windows ...</translation>
    </message>
    <message>
        <source>Style sheet for the windows.</source>
        <translation>ورقة أنماط النوافذ.</translation>
    </message>
    <message>
        <source>Lays the windows out right to left.</source>
        <translation>يرتب النوافذ من اليمين إلى اليسار.</translation>
    </message>
    <message>
        <source>Size and place of the main window.</source>
        <translation>حجم النافذة الرئيسية وموضعها.</translation>
    </message>
    <message>
        <source>Title of the main window.</source>
        <translation>عنوان النافذة الرئيسية.</translation>
    </message>
    <message>
        <source>Icon of the windows.</source>
        <translation>أيقونة النوافذ.</translation>
    </message>
    <message>
        <source>Session to restore.</source>
        <translation>الجلسة المراد استعادتها.</translation>
    </message>
    <message>
        <source>X display to open the window on.</source>
        <translation>شاشة X التي تُفتح عليها النافذة.</translation>
    </message>
    <message>
        <source>Name under which X resources are looked up.</source>
        <translation>الاسم الذي يُبحث به عن موارد X.</translation>
    </message>
    <message>
        <source>Tells how many widgets are left at the end.</source>
        <translation>يخبر بعدد عناصر الواجهة الباقية في النهاية.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or the keyboard.</source>
        <translation>لا يستحوذ أبدًا على الفأرة أو لوحة المفاتيح.</translation>
    </message>
    <message>
        <source>Grabs even where -nograb is implied.</source>
        <translation>يستحوذ حتى حيث يُفترض -nograb.</translation>
    </message>
    <message>
        <source>Talks to the X server synchronously.</source>
        <translation>يتخاطب مع خادم X بشكل متزامن.</translation>
    </message>
    <message>
        <source>
Qt options, taken by every Qt program:
</source>
        <translation>
خيارات Qt، يقبلها كل برنامج Qt:
</translation>
    </message>
    <message>
        <source>--week-start takes one of %1 (not &quot;%2&quot;)</source>
        <translation>يأخذ ‎--week-start‏ إحدى القيم %1 (وليس &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>--year, --month and --months name pages only without a control file</source>
        <translation>تحدد ‎--year‏ و‎--month‏ و‎--months‏ الصفحات فقط دون ملف تحكم</translation>
    </message>
    <message>
        <source>--months cannot be combined with --year or --month</source>
        <translation>لا يمكن الجمع بين ‎--months‏ و‎--year‏ أو ‎--month‏</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>يأخذ ‎--year‏ سنة من %1 إلى %2</translation>
    </message>
    <message>
        <source>--month takes a month from 1 to 12</source>
        <translation>يأخذ ‎--month‏ شهرًا من 1 إلى 12</translation>
    </message>
    <message>
        <source>--months takes FROM..TO, each YYYY-MM, e.g. 2027-01..2027-12</source>
        <translation>يأخذ ‎--months‏ القيمة FROM..TO، كل منهما YYYY-MM، مثل 2027-01..2027-12</translation>
    </message>
    <message>
        <source>--months takes years from %1 to %2 and months from 1 to 12</source>
        <translation>يأخذ ‎--months‏ سنوات من %1 إلى %2 وأشهرًا من 1 إلى 12</translation>
    </message>
    <message>
        <source>--months runs from an earlier month to a later one</source>
        <translation>يمتد ‎--months‏ من شهر سابق إلى شهر لاحق</translation>
    </message>
    <message>
        <source>--months: at most %1 months in one run</source>
        <translation>‎--months‏: %1 شهرًا على الأكثر في تشغيل واحد</translation>
    </message>
    <message>
        <source>--line can be given at most %1 times</source>
        <translation>يمكن إعطاء ‎--line‏ %1 مرات على الأكثر</translation>
    </message>
    <message>
        <source>--picture needs a file name</source>
        <translation>يحتاج ‎--picture‏ إلى اسم ملف</translation>
    </message>
    <message>
        <source>--copies takes a number from 1 to %1</source>
        <translation>يأخذ ‎--copies‏ عددًا من 1 إلى %1</translation>
    </message>
    <message>
        <source>--font takes KIND=FAMILY, KIND one of month, header, address, message, calendar (not &quot;%1&quot;)</source>
        <translation>يأخذ ‎--font‏ الصيغة KIND=FAMILY، حيث KIND أحد month أو header أو address أو message أو calendar (وليس &quot;%1&quot;)</translation>
    </message>
    <message>
        <source>--output takes the name of a .pdf file</source>
        <translation>يأخذ ‎--output‏ اسم ملف ‎.pdf‏</translation>
    </message>
    <message>
        <source>--printer needs a device name</source>
        <translation>يحتاج ‎--printer‏ إلى اسم جهاز</translation>
    </message>
    <message>
        <source>--output and --printer cannot be combined</source>
        <translation>لا يمكن الجمع بين ‎--output‏ و‎--printer‏</translation>
    </message>
    <message>
        <source>--force goes with --output</source>
        <translation>يُستخدم ‎--force‏ مع ‎--output‏</translation>
    </message>
    <message>
        <source>--paper takes a paper from A7 to A0 named %1, or a PWG name such as na_letter_8.5x11in (not &quot;%2&quot;)</source>
        <translation>يأخذ ‎--paper‏ ورقًا من A7 إلى A0 باسم %1، أو اسم PWG مثل na_letter_8.5x11in (وليس &quot;%2&quot;)</translation>
    </message>
    <message>
        <source>--list-printers takes no other option or file</source>
        <translation>لا يأخذ ‎--list-printers‏ أي خيار أو ملف آخر</translation>
    </message>
    <message>
        <source>%1 needs --print</source>
        <translation>يحتاج %1 إلى ‎--print‏</translation>
    </message>
</context>
<context>
    <name>CommandLinePrint</name>
    <message>
        <source>%1: The file already exists; --force replaces it.</source>
        <translation>%1: الملف موجود؛ يستبدله --force.</translation>
    </message>
    <message>
        <source>The device is not available.</source>
        <translation>الجهاز غير متاح.</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>تحذير: </translation>
    </message>
    <message>
        <source>%1: The device cannot print on %2.</source>
        <translation>%1: لا يستطيع الجهاز الطباعة على %2.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2</source>
        <translation>خطأ وقت التشغيل &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 (paper: %2)</source>
        <translation>%1 (الورق: %2)</translation>
    </message>
</context>
<context>
    <name>CupsDevice</name>
    <message>
        <source>%1 reports no usable paper; printing on %2.</source>
        <translation>لا يُبلغ %1 عن ورق صالح للاستخدام؛ ستتم الطباعة على %2.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Monthly Calendar</source>
        <translation>التقويم الشهري</translation>
    </message>
    <message>
        <source>Try again . . .<byte value="xd"/>
</source>
        <translation>حاول مرة أخرى . . .<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>PagePreview</name>
    <message>
        <source>Page Preview</source>
        <translation>معاينة الصفحة</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>التكبير</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>ملء ال&amp;صفحة</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>ملء ال&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>تصغي&amp;ر</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>ت&amp;كبير</translation>
    </message>
    <message>
        <source> Zoom 000 % </source>
        <translation> التكبير 000 % </translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>التكبير %1 %</translation>
    </message>
</context>
<context>
    <name>PageSetup</name>
    <message>
        <source>Sunday</source>
        <translation>الأحد</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>الاثنين</translation>
    </message>
    <message>
        <source>The locale&apos;s first day (%1)</source>
        <translation>أول يوم حسب المنطقة (%1)</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>إعداد الصفحة</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>الجهاز:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>ال&amp;ورق:</translation>
    </message>
    <message>
        <source>&amp;Week starts on:</source>
        <translation>يبدأ الأ&amp;سبوع يوم:</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>Page preview</source>
        <translation>معاينة الصفحة</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Printing copy %1 of %2</source>
        <translation>جارٍ طباعة النسخة %1 من %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Select a .txt file.</source>
        <translation>اختر ملف ‎.txt.</translation>
    </message>
    <message>
        <source>Select a .gif, .bmp, .wmf OR .jpg file.</source>
        <translation>اختر ملف ‎.gif أو ‎.bmp أو ‎.wmf أو ‎.jpg.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>تتعذر قراءة الملف.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MB.</source>
        <translation>حجم الملف أكبر من 16 ميغابايت.</translation>
    </message>
    <message>
        <source>The file is neither a calendar (iCalendar) nor an address book (vCard).</source>
        <translation>الملف ليس تقويمًا (iCalendar) ولا دفتر عناوين (vCard).</translation>
    </message>
    <message>
        <source>The file is not a valid calendar (iCalendar).</source>
        <translation>الملف ليس تقويمًا صالحًا (iCalendar).</translation>
    </message>
    <message>
        <source>The event %1 has no date.</source>
        <translation>الحدث %1 بلا تاريخ.</translation>
    </message>
    <message>
        <source>The event %1 has a repetition that cannot be read.</source>
        <translation>الحدث %1 له تكرار تتعذر قراءته.</translation>
    </message>
    <message>
        <source>The event %1 repeats more than 100,000 times.</source>
        <translation>الحدث %1 يتكرر أكثر من 100,000 مرة.</translation>
    </message>
    <message>
        <source>The time zone %1 cannot be read.</source>
        <translation>تتعذر قراءة المنطقة الزمنية %1.</translation>
    </message>
    <message>
        <source>The address book has a card inside another card.</source>
        <translation>في دفتر العناوين بطاقة داخل بطاقة أخرى.</translation>
    </message>
    <message>
        <source>The address book ends a card it never began.</source>
        <translation>دفتر العناوين يُنهي بطاقة لم يبدأها.</translation>
    </message>
    <message>
        <source>The address book ends inside a card.</source>
        <translation>ينتهي دفتر العناوين داخل بطاقة.</translation>
    </message>
    <message>
        <source>1 entry is left out. </source>
        <translation>أُهمل إدخال واحد. </translation>
    </message>
    <message>
        <source>%1 entries are left out. The first: %2</source>
        <translation>أُهملت %1 من الإدخالات. أولها: %2</translation>
    </message>
    <message>
        <source>An entry has a line longer than 64 KB.</source>
        <translation>في أحد الإدخالات سطر أطول من 64 كيلوبايت.</translation>
    </message>
    <message>
        <source>The event %1 has a line longer than 64 KB.</source>
        <translation>في الحدث %1 سطر أطول من 64 كيلوبايت.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>خطأ وقت التشغيل &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>استدعاء إجراء أو وسيطة غير صالحة</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>تجاوز السعة</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>المؤشر خارج النطاق</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>القسمة على صفر</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>عدم تطابق النوع</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>خطأ في الطابعة</translation>
    </message>
</context>
<context>
    <name>SelFontName</name>
    <message>
        <source>Select the Printer . . .  </source>
        <translation>اختر الطابعة . . .  </translation>
    </message>
    <message>
        <source>Calendar Printer Selection</source>
        <translation>التقويم: اختيار الطابعة</translation>
    </message>
</context>
<context>
    <name>frmFindFiles</name>
    <message>
        <source>The drive cannot be read.</source>
        <translation>تتعذر قراءة محرك الأقراص.</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>اختيار الملفات</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>محركات الأقراص</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>المجلدات</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>الملفات</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>ا&amp;ختيار</translation>
    </message>
</context>
<context>
    <name>frmSelectPrt</name>
    <message>
        <source>Output Device Selection</source>
        <translation>اختيار جهاز الإخراج</translation>
    </message>
    <message>
        <source>Select &amp;Device</source>
        <translation>اختيار ال&amp;جهاز</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>الأجهزة</translation>
    </message>
    <message>
        <source>First &amp;Click on a Device from the list.</source>
        <translation>ا&amp;نقر أولًا على جهاز من القائمة.</translation>
    </message>
    <message>
        <source>&amp;THEN</source>
        <translation>&amp;وبعد</translation>
    </message>
    <message>
        <source>Select a Printer from the list first . . .</source>
        <translation>اختر طابعة من القائمة أولًا . . .</translation>
    </message>
    <message>
        <source>The device is not available.</source>
        <translation>الجهاز غير متاح.</translation>
    </message>
</context>
<context>
    <name>frmSorvane</name>
    <message>
        <source> 1. Enter the Year.</source>
        <translation> 1. أدخل السنة.</translation>
    </message>
    <message>
        <source> 2. Select the Fonts.</source>
        <translation> 2. اختر الخطوط.</translation>
    </message>
    <message>
        <source>     -Set the Font Size large to see it better.</source>
        <translation>     -اختر حجم خط كبيرًا لتراه أفضل.</translation>
    </message>
    <message>
        <source>     -The actual size is preset . . .</source>
        <translation>     -الحجم الفعلي مضبوط مسبقًا . . .</translation>
    </message>
    <message>
        <source> 3. Select a Picture. </source>
        <translation> 3. اختر صورة. </translation>
    </message>
    <message>
        <source> 4. Enter Text for each field. </source>
        <translation> 4. أدخل النص في كل حقل. </translation>
    </message>
    <message>
        <source> 5. Print a copy. </source>
        <translation> 5. اطبع نسخة. </translation>
    </message>
    <message>
        <source> 6. If OK, set number of copies and print</source>
        <translation> 6. إن كان جيدًا فحدد عدد النسخ واطبع</translation>
    </message>
    <message>
        <source> Calendar Help</source>
        <translation> مساعدة التقويم</translation>
    </message>
    <message>
        <source>Select a Picture &amp;file.<byte value="xd"/>
Either a bmp, gif, jpg or wmf.</source>
        <translation>اختر &amp;ملف صورة.<byte value="xd"/>
إما bmp أو gif أو jpg أو wmf.</translation>
    </message>
    <message>
        <source>Select a text Control &amp;file.<byte value="xd"/>
A [txt] file with Field Control</source>
        <translation>اختر &amp;ملف تحكم نصيًا.<byte value="xd"/>
ملف [txt] للتحكم في الحقول</translation>
    </message>
    <message>
        <source>&amp;Year (yyyy)</source>
        <translation>&amp;سنة (yyyy)</translation>
    </message>
    <message>
        <source>four digits</source>
        <translation>أربعة أرقام</translation>
    </message>
    <message>
        <source>&amp;Month (mm)</source>
        <translation>&amp;شهر (mm)</translation>
    </message>
    <message>
        <source>Mon&amp;th Font</source>
        <translation>&amp;خط الشهر</translation>
    </message>
    <message>
        <source>Se&amp;lect Printer</source>
        <translation>اختيار ال&amp;طابعة</translation>
    </message>
    <message>
        <source>H&amp;eader</source>
        <translation>&amp;ترويسة</translation>
    </message>
    <message>
        <source>Heade&amp;r Font</source>
        <translation>خط التر&amp;ويسة</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>ملا&amp;حظات</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>السطر %1</translation>
    </message>
    <message>
        <source>&amp;Address Font</source>
        <translation>خط العن&amp;اوين</translation>
    </message>
    <message>
        <source>Mesasa&amp;ge</source>
        <translation>ال&amp;رسالة</translation>
    </message>
    <message>
        <source>Select Pict&amp;ure</source>
        <translation>اختيار ال&amp;صورة</translation>
    </message>
    <message>
        <source>Messaage F&amp;ont</source>
        <translation>خط الرسا&amp;لة</translation>
    </message>
    <message>
        <source>&amp;Select Day Notes</source>
        <translation>ملاحظات الأ&amp;يام</translation>
    </message>
    <message>
        <source>&amp;Calendar Font</source>
        <translation>خط الت&amp;قويم</translation>
    </message>
    <message>
        <source>&amp;Print Calendar(s)</source>
        <translation>ط&amp;باعة التقويم</translation>
    </message>
    <message>
        <source>Cop&amp;ies</source>
        <translation>ال&amp;نسخ</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;إغلاق</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>إعداد ال&amp;صفحة…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>Page &amp;Preview</source>
        <translation>&amp;معاينة الصفحة</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>مساع&amp;دة</translation>
    </message>
    <message>
        <source>Start a new page? What was typed since the last print is lost.</source>
        <translation>هل تبدأ صفحة جديدة؟ سيضيع ما كُتب منذ آخر طباعة.</translation>
    </message>
    <message>
        <source>Save Control File</source>
        <translation>حفظ ملف التحكم</translation>
    </message>
    <message>
        <source>Control files (*.txt)</source>
        <translation>ملفات التحكم (*.txt)</translation>
    </message>
    <message>
        <source>The control file was not saved.</source>
        <translation>لم يُحفظ ملف التحكم.</translation>
    </message>
    <message>
        <source>&amp;New Page</source>
        <translation>صفحة &amp;جديدة</translation>
    </message>
    <message>
        <source>&amp;Open Control File…</source>
        <translation>&amp;فتح ملف تحكم…</translation>
    </message>
    <message>
        <source>Recen&amp;t Control Files</source>
        <translation>ملفات التحكم الأ&amp;خيرة</translation>
    </message>
    <message>
        <source>&amp;Save Control File…</source>
        <translation>&amp;حفظ ملف التحكم…</translation>
    </message>
    <message>
        <source>&amp;Reread Day Notes</source>
        <translation>إعادة &amp;قراءة ملاحظات الأيام</translation>
    </message>
    <message>
        <source>Calendar &amp;Files…</source>
        <translation>م&amp;لفات التقويم…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>جرّب &apos;%1 --help&apos; لمزيد من المعلومات.</translation>
    </message>
    <message>
        <source>no display found (DISPLAY and WAYLAND_DISPLAY are not set); print with --print, or run the window under Xvfb, e.g. xvfb-run -a %1</source>
        <translation>لم يُعثر على شاشة (المتغيران DISPLAY وWAYLAND_DISPLAY غير مضبوطين)؛ اطبع باستخدام ‎--print‏، أو شغّل النافذة تحت Xvfb، مثل xvfb-run -a %1</translation>
    </message>
</context>
</TS>
