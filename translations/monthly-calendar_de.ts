<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CalendarFilesList</name>
    <message>
        <source>Calendar Files</source>
        <translation>Kalenderdateien</translation>
    </message>
    <message>
        <source>&amp;Attached calendar files and address books:</source>
        <translation>&amp;Angehängte Kalenderdateien und Adressbücher:</translation>
    </message>
    <message>
        <source>&amp;Detach</source>
        <translation>&amp;Entfernen</translation>
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
        <translation>Druckt einseitige Monatskalender. Ohne --print öffnet sich das Fenster mit den
genannten Dateien: Steuerdateien werden eingelesen, Kalenderdateien und
Adressbücher angehängt, Bilder geladen.

Mit --print werden die Seiten ohne Fenster gedruckt: eine Seite je Steuerdatei,
in der angegebenen Reihenfolge, sonst eine Seite je Monat, den --year, --month
oder --months nennen. Was die Optionen festlegen, geht vor, was in einer
Steuerdatei steht.

Rückgabewert: 0 gedruckt, 1 falscher Aufruf, 2 eine Eingabe war nicht lesbar,
3 die Seite konnte nicht erstellt oder gedruckt werden.</translation>
    </message>
    <message>
        <source>Day-notes control files (.txt), one page each.</source>
        <translation>Steuerdateien mit Tagesnotizen (.txt), je eine Seite.</translation>
    </message>
    <message>
        <source>Print without a window.</source>
        <translation>Ohne Fenster drucken.</translation>
    </message>
    <message>
        <source>List the output devices, as &quot;Select Printer&quot; does.</source>
        <translation>Die Ausgabegeräte auflisten, wie „Drucker wählen“ sie zeigt.</translation>
    </message>
    <message>
        <source>Year of the page; alone, one page for each of its months.</source>
        <translation>Jahr der Seite; allein angegeben eine Seite für jeden seiner Monate.</translation>
    </message>
    <message>
        <source>Month of the page, 1 to 12.</source>
        <translation>Monat der Seite, 1 bis 12.</translation>
    </message>
    <message>
        <source>One page per month, e.g. 2027-01..2027-12.</source>
        <translation>Eine Seite je Monat, z. B. 2027-01..2027-12.</translation>
    </message>
    <message>
        <source>Header line.</source>
        <translation>Kopfzeile.</translation>
    </message>
    <message>
        <source>One of the five lines under the header; up to five, in order.</source>
        <translation>Eine der fünf Zeilen unter der Kopfzeile; bis zu fünf, der Reihe nach.</translation>
    </message>
    <message>
        <source>Centred message line.</source>
        <translation>Zentrierte Mitteilungszeile.</translation>
    </message>
    <message>
        <source>Picture to print (gif, bmp, wmf or jpg).</source>
        <translation>Zu druckendes Bild (gif, bmp, wmf oder jpg).</translation>
    </message>
    <message>
        <source>Calendar file (.ics) or address book (.vcf) whose events and birthdays go on every page; may be given several times.</source>
        <translation>Kalenderdatei (.ics) oder Adressbuch (.vcf), deren Termine und Geburtstage auf jede Seite kommen; mehrfach angebbar.</translation>
    </message>
    <message>
        <source>Typeface of one kind of text: month, header, address, message or calendar.</source>
        <translation>Schriftart einer Textart: month, header, address, message oder calendar.</translation>
    </message>
    <message>
        <source>Number of copies (1 to 999).</source>
        <translation>Anzahl der Exemplare (1 bis 999).</translation>
    </message>
    <message>
        <source>Write the pages into this PDF file.</source>
        <translation>Die Seiten in diese PDF-Datei schreiben.</translation>
    </message>
    <message>
        <source>Let --output replace an existing file.</source>
        <translation>--output darf eine vorhandene Datei ersetzen.</translation>
    </message>
    <message>
        <source>Print on this device (see --list-printers).</source>
        <translation>Auf diesem Gerät drucken (siehe --list-printers).</translation>
    </message>
    <message>
        <source>Paper to print on: a4, letter, legal, a5 ... or a PWG name such as na_letter_8.5x11in. Without it, a printer prints on its own paper and a PDF on the system&apos;s (PAPERSIZE, /etc/papersize, LC_PAPER).</source>
        <translation>Papier für den Druck: a4, letter, legal, a5 ... oder ein PWG-Name wie na_letter_8.5x11in. Ohne die Option druckt ein Drucker auf seinem eigenen Papier und ein PDF auf dem des Systems (PAPERSIZE, /etc/papersize, LC_PAPER).</translation>
    </message>
    <message>
        <source>First column of the grid: sunday (the default), monday, or locale for the locale&apos;s own first weekday.</source>
        <translation>Erste Spalte des Rasters: sunday (Vorgabe), monday oder locale für den ersten Wochentag des Gebietsschemas.</translation>
    </message>
    <message>
        <source>Platform plugin: xcb, wayland, offscreen ...</source>
        <translation>Plattform-Plugin: xcb, wayland, offscreen ...</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Plattform-Thema.</translation>
    </message>
    <message>
        <source>Folder of further platform plugins.</source>
        <translation>Ordner mit weiteren Plattform-Plugins.</translation>
    </message>
    <message>
        <source>Further input plugin to load.</source>
        <translation>Weiteres zu ladendes Eingabe-Plugin.</translation>
    </message>
    <message>
        <source>Widget style: fusion, windows ...</source>
        <translation>Stil der Bedienelemente: fusion, windows ...</translation>
    </message>
    <message>
        <source>Style sheet for the windows.</source>
        <translation>Stylesheet für die Fenster.</translation>
    </message>
    <message>
        <source>Lays the windows out right to left.</source>
        <translation>Ordnet die Fenster von rechts nach links an.</translation>
    </message>
    <message>
        <source>Size and place of the main window.</source>
        <translation>Größe und Lage des Hauptfensters.</translation>
    </message>
    <message>
        <source>Title of the main window.</source>
        <translation>Titel des Hauptfensters.</translation>
    </message>
    <message>
        <source>Icon of the windows.</source>
        <translation>Symbol der Fenster.</translation>
    </message>
    <message>
        <source>Session to restore.</source>
        <translation>Wiederherzustellende Sitzung.</translation>
    </message>
    <message>
        <source>X display to open the window on.</source>
        <translation>X-Bildschirm, auf dem das Fenster geöffnet wird.</translation>
    </message>
    <message>
        <source>Name under which X resources are looked up.</source>
        <translation>Name, unter dem X-Ressourcen gesucht werden.</translation>
    </message>
    <message>
        <source>Tells how many widgets are left at the end.</source>
        <translation>Meldet, wie viele Bedienelemente am Ende übrig sind.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or the keyboard.</source>
        <translation>Belegt nie Maus oder Tastatur exklusiv.</translation>
    </message>
    <message>
        <source>Grabs even where -nograb is implied.</source>
        <translation>Belegt exklusiv, auch wo -nograb gelten würde.</translation>
    </message>
    <message>
        <source>Talks to the X server synchronously.</source>
        <translation>Spricht synchron mit dem X-Server.</translation>
    </message>
    <message>
        <source>
Qt options, taken by every Qt program:
</source>
        <translation>
Qt-Optionen, die jedes Qt-Programm versteht:
</translation>
    </message>
    <message>
        <source>--week-start takes one of %1 (not &quot;%2&quot;)</source>
        <translation>--week-start nimmt einen der Werte %1 (nicht „%2“)</translation>
    </message>
    <message>
        <source>--year, --month and --months name pages only without a control file</source>
        <translation>--year, --month und --months bestimmen Seiten nur ohne Steuerdatei</translation>
    </message>
    <message>
        <source>--months cannot be combined with --year or --month</source>
        <translation>--months lässt sich nicht mit --year oder --month verbinden</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year nimmt ein Jahr von %1 bis %2</translation>
    </message>
    <message>
        <source>--month takes a month from 1 to 12</source>
        <translation>--month nimmt einen Monat von 1 bis 12</translation>
    </message>
    <message>
        <source>--months takes FROM..TO, each YYYY-MM, e.g. 2027-01..2027-12</source>
        <translation>--months nimmt FROM..TO, jeweils YYYY-MM, z. B. 2027-01..2027-12</translation>
    </message>
    <message>
        <source>--months takes years from %1 to %2 and months from 1 to 12</source>
        <translation>--months nimmt Jahre von %1 bis %2 und Monate von 1 bis 12</translation>
    </message>
    <message>
        <source>--months runs from an earlier month to a later one</source>
        <translation>--months reicht von einem früheren zu einem späteren Monat</translation>
    </message>
    <message>
        <source>--months: at most %1 months in one run</source>
        <translation>--months: höchstens %1 Monate in einem Lauf</translation>
    </message>
    <message>
        <source>--line can be given at most %1 times</source>
        <translation>--line kann höchstens %1-mal angegeben werden</translation>
    </message>
    <message>
        <source>--picture needs a file name</source>
        <translation>--picture braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>--copies takes a number from 1 to %1</source>
        <translation>--copies nimmt eine Zahl von 1 bis %1</translation>
    </message>
    <message>
        <source>--font takes KIND=FAMILY, KIND one of month, header, address, message, calendar (not &quot;%1&quot;)</source>
        <translation>--font nimmt KIND=FAMILY, KIND einer von month, header, address, message, calendar (nicht „%1“)</translation>
    </message>
    <message>
        <source>--output takes the name of a .pdf file</source>
        <translation>--output nimmt den Namen einer .pdf-Datei</translation>
    </message>
    <message>
        <source>--printer needs a device name</source>
        <translation>--printer braucht einen Gerätenamen</translation>
    </message>
    <message>
        <source>--output and --printer cannot be combined</source>
        <translation>--output und --printer lassen sich nicht verbinden</translation>
    </message>
    <message>
        <source>--force goes with --output</source>
        <translation>--force gehört zu --output</translation>
    </message>
    <message>
        <source>--paper takes a paper from A7 to A0 named %1, or a PWG name such as na_letter_8.5x11in (not &quot;%2&quot;)</source>
        <translation>--paper nimmt ein Papier von A7 bis A0 mit Namen %1 oder einen PWG-Namen wie na_letter_8.5x11in (nicht „%2“)</translation>
    </message>
    <message>
        <source>--list-printers takes no other option or file</source>
        <translation>--list-printers nimmt keine weitere Option und keine Datei</translation>
    </message>
    <message>
        <source>%1 needs --print</source>
        <translation>%1 braucht --print</translation>
    </message>
</context>
<context>
    <name>CommandLinePrint</name>
    <message>
        <source>%1: The file already exists; --force replaces it.</source>
        <translation>%1: Die Datei gibt es schon; --force ersetzt sie.</translation>
    </message>
    <message>
        <source>The device is not available.</source>
        <translation>Das Gerät ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>Warnung: </translation>
    </message>
    <message>
        <source>%1: The device cannot print on %2.</source>
        <translation>%1: Das Gerät kann nicht auf %2 drucken.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2</source>
        <translation>Laufzeitfehler &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 (paper: %2)</source>
        <translation>%1 (Papier: %2)</translation>
    </message>
</context>
<context>
    <name>CupsDevice</name>
    <message>
        <source>%1 reports no usable paper; printing on %2.</source>
        <translation>%1 meldet kein verwendbares Papier; gedruckt wird auf %2.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Monthly Calendar</source>
        <translation>Monatskalender</translation>
    </message>
    <message>
        <source>Try again . . .<byte value="xd"/>
</source>
        <translation>Bitte noch einmal . . .<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>PagePreview</name>
    <message>
        <source>Page Preview</source>
        <translation>Seitenvorschau</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>&amp;Ganze Seite</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>&amp;Seitenbreite</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source> Zoom 000 % </source>
        <translation> Zoom 000 % </translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>Zoom %1 %</translation>
    </message>
</context>
<context>
    <name>PageSetup</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>The locale&apos;s first day (%1)</source>
        <translation>Erster Tag des Gebietsschemas (%1)</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Seite einrichten</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier:</translation>
    </message>
    <message>
        <source>&amp;Week starts on:</source>
        <translation>&amp;Woche beginnt am:</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>Page preview</source>
        <translation>Seitenvorschau</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Printing copy %1 of %2</source>
        <translation>Drucke Exemplar %1 von %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Select a .txt file.</source>
        <translation>Wählen Sie eine .txt-Datei.</translation>
    </message>
    <message>
        <source>Select a .gif, .bmp, .wmf OR .jpg file.</source>
        <translation>Wählen Sie eine .gif-, .bmp-, .wmf- ODER .jpg-Datei.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MB.</source>
        <translation>Die Datei ist größer als 16 MB.</translation>
    </message>
    <message>
        <source>The file is neither a calendar (iCalendar) nor an address book (vCard).</source>
        <translation>Die Datei ist weder ein Kalender (iCalendar) noch ein Adressbuch (vCard).</translation>
    </message>
    <message>
        <source>The file is not a valid calendar (iCalendar).</source>
        <translation>Die Datei ist kein gültiger Kalender (iCalendar).</translation>
    </message>
    <message>
        <source>The event %1 has no date.</source>
        <translation>Der Termin %1 hat kein Datum.</translation>
    </message>
    <message>
        <source>The event %1 has a repetition that cannot be read.</source>
        <translation>Der Termin %1 hat eine unlesbare Wiederholung.</translation>
    </message>
    <message>
        <source>The event %1 repeats more than 100,000 times.</source>
        <translation>Der Termin %1 wiederholt sich mehr als 100.000-mal.</translation>
    </message>
    <message>
        <source>The time zone %1 cannot be read.</source>
        <translation>Die Zeitzone %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The address book has a card inside another card.</source>
        <translation>Das Adressbuch hat eine Karte innerhalb einer anderen Karte.</translation>
    </message>
    <message>
        <source>The address book ends a card it never began.</source>
        <translation>Das Adressbuch beendet eine Karte, die nie begonnen wurde.</translation>
    </message>
    <message>
        <source>The address book ends inside a card.</source>
        <translation>Das Adressbuch endet mitten in einer Karte.</translation>
    </message>
    <message>
        <source>1 entry is left out. </source>
        <translation>1 Eintrag wird ausgelassen. </translation>
    </message>
    <message>
        <source>%1 entries are left out. The first: %2</source>
        <translation>%1 Einträge werden ausgelassen. Der erste: %2</translation>
    </message>
    <message>
        <source>An entry has a line longer than 64 KB.</source>
        <translation>Ein Eintrag hat eine Zeile über 64 KB.</translation>
    </message>
    <message>
        <source>The event %1 has a line longer than 64 KB.</source>
        <translation>Der Termin %1 hat eine Zeile über 64 KB.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Unzulässiger Prozeduraufruf oder unzulässiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Druckerfehler</translation>
    </message>
</context>
<context>
    <name>SelFontName</name>
    <message>
        <source>Select the Printer . . .  </source>
        <translation>Wählen Sie den Drucker . . .  </translation>
    </message>
    <message>
        <source>Calendar Printer Selection</source>
        <translation>Kalender: Druckerauswahl</translation>
    </message>
</context>
<context>
    <name>frmFindFiles</name>
    <message>
        <source>The drive cannot be read.</source>
        <translation>Das Laufwerk kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Dateien wählen</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
</context>
<context>
    <name>frmSelectPrt</name>
    <message>
        <source>Output Device Selection</source>
        <translation>Auswahl des Ausgabegeräts</translation>
    </message>
    <message>
        <source>Select &amp;Device</source>
        <translation>&amp;Gerät wählen</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>First &amp;Click on a Device from the list.</source>
        <translation>&amp;Zuerst ein Gerät in der Liste anklicken.</translation>
    </message>
    <message>
        <source>&amp;THEN</source>
        <translation>&amp;DANN</translation>
    </message>
    <message>
        <source>Select a Printer from the list first . . .</source>
        <translation>Wählen Sie zuerst einen Drucker aus der Liste . . .</translation>
    </message>
    <message>
        <source>The device is not available.</source>
        <translation>Das Gerät ist nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>frmSorvane</name>
    <message>
        <source> 1. Enter the Year.</source>
        <translation> 1. Geben Sie das Jahr ein.</translation>
    </message>
    <message>
        <source> 2. Select the Fonts.</source>
        <translation> 2. Wählen Sie die Schriften.</translation>
    </message>
    <message>
        <source>     -Set the Font Size large to see it better.</source>
        <translation>     -Stellen Sie die Schrift groß ein, um sie besser zu sehen.</translation>
    </message>
    <message>
        <source>     -The actual size is preset . . .</source>
        <translation>     -Die tatsächliche Größe ist vorgegeben . . .</translation>
    </message>
    <message>
        <source> 3. Select a Picture. </source>
        <translation> 3. Wählen Sie ein Bild. </translation>
    </message>
    <message>
        <source> 4. Enter Text for each field. </source>
        <translation> 4. Füllen Sie jedes Feld aus. </translation>
    </message>
    <message>
        <source> 5. Print a copy. </source>
        <translation> 5. Drucken Sie ein Exemplar. </translation>
    </message>
    <message>
        <source> 6. If OK, set number of copies and print</source>
        <translation> 6. Wenn alles passt, Anzahl einstellen und drucken</translation>
    </message>
    <message>
        <source> Calendar Help</source>
        <translation> Kalender-Hilfe</translation>
    </message>
    <message>
        <source>Select a Picture &amp;file.<byte value="xd"/>
Either a bmp, gif, jpg or wmf.</source>
        <translation>Wählen Sie eine Bild&amp;datei.<byte value="xd"/>
bmp, gif, jpg oder wmf.</translation>
    </message>
    <message>
        <source>Select a text Control &amp;file.<byte value="xd"/>
A [txt] file with Field Control</source>
        <translation>Wählen Sie eine Steuer&amp;datei.<byte value="xd"/>
Eine [txt]-Datei mit Feldsteuerung</translation>
    </message>
    <message>
        <source>&amp;Year (yyyy)</source>
        <translation>&amp;Jahr (jjjj)</translation>
    </message>
    <message>
        <source>four digits</source>
        <translation>vier Ziffern</translation>
    </message>
    <message>
        <source>&amp;Month (mm)</source>
        <translation>&amp;Monat (mm)</translation>
    </message>
    <message>
        <source>Mon&amp;th Font</source>
        <translation>Mona&amp;tsschrift</translation>
    </message>
    <message>
        <source>Se&amp;lect Printer</source>
        <translation>Drucker &amp;wählen</translation>
    </message>
    <message>
        <source>H&amp;eader</source>
        <translation>&amp;Kopfzeile</translation>
    </message>
    <message>
        <source>Heade&amp;r Font</source>
        <translation>Kopfsch&amp;rift</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notizen</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>&amp;Address Font</source>
        <translation>Adr&amp;essschrift</translation>
    </message>
    <message>
        <source>Mesasa&amp;ge</source>
        <translation>Mitteilun&amp;g</translation>
    </message>
    <message>
        <source>Select Pict&amp;ure</source>
        <translation>&amp;Bild wählen</translation>
    </message>
    <message>
        <source>Messaage F&amp;ont</source>
        <translation>Mitteilungs&amp;schrift</translation>
    </message>
    <message>
        <source>&amp;Select Day Notes</source>
        <translation>Tagesnoti&amp;zen wählen</translation>
    </message>
    <message>
        <source>&amp;Calendar Font</source>
        <translation>Ka&amp;lenderschrift</translation>
    </message>
    <message>
        <source>&amp;Print Calendar(s)</source>
        <translation>Kalender dr&amp;ucken</translation>
    </message>
    <message>
        <source>Cop&amp;ies</source>
        <translation>Kop&amp;ien</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Fertig</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>Seite &amp;einrichten…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Page &amp;Preview</source>
        <translation>Seiten&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Start a new page? What was typed since the last print is lost.</source>
        <translation>Eine neue Seite beginnen? Was seit dem letzten Druck eingegeben wurde, geht verloren.</translation>
    </message>
    <message>
        <source>Save Control File</source>
        <translation>Steuerdatei speichern</translation>
    </message>
    <message>
        <source>Control files (*.txt)</source>
        <translation>Steuerdateien (*.txt)</translation>
    </message>
    <message>
        <source>The control file was not saved.</source>
        <translation>Die Steuerdatei wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>&amp;New Page</source>
        <translation>&amp;Neue Seite</translation>
    </message>
    <message>
        <source>&amp;Open Control File…</source>
        <translation>Steuerdatei ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Recen&amp;t Control Files</source>
        <translation>&amp;Zuletzt verwendete Steuerdateien</translation>
    </message>
    <message>
        <source>&amp;Save Control File…</source>
        <translation>Steuerdatei &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Reread Day Notes</source>
        <translation>Tagesnotizen neu &amp;laden</translation>
    </message>
    <message>
        <source>Calendar &amp;Files…</source>
        <translation>&amp;Kalenderdateien…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>»%1 --help« gibt weitere Auskunft.</translation>
    </message>
    <message>
        <source>no display found (DISPLAY and WAYLAND_DISPLAY are not set); print with --print, or run the window under Xvfb, e.g. xvfb-run -a %1</source>
        <translation>kein Bildschirm gefunden (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt); mit --print drucken oder das Fenster unter Xvfb starten, z. B. xvfb-run -a %1</translation>
    </message>
</context>
</TS>
