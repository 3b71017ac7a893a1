<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalendarFilesList</name>
    <message>
        <source>Calendar Files</source>
        <translation>Fichiers d&apos;agenda</translation>
    </message>
    <message>
        <source>&amp;Attached calendar files and address books:</source>
        <translation>Fichiers d&apos;agenda et carnets d&apos;adresses &amp;joints :</translation>
    </message>
    <message>
        <source>&amp;Detach</source>
        <translation>&amp;Détacher</translation>
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
        <translation>Imprime des calendriers mensuels d&apos;une page. Sans --print, la fenêtre s&apos;ouvre
avec les fichiers nommés : fichiers de contrôle lus, fichiers d&apos;agenda et
carnets d&apos;adresses joints, images chargées.

Avec --print, les pages sont imprimées sans fenêtre : une page par fichier de
contrôle, dans l&apos;ordre donné, sinon une page par mois désigné par --year,
--month ou --months. Les options l&apos;emportent sur le fichier de contrôle.

Code de sortie : 0 imprimé, 1 mauvais usage, 2 une entrée illisible,
3 la page n&apos;a pu être ni composée ni imprimée.</translation>
    </message>
    <message>
        <source>Day-notes control files (.txt), one page each.</source>
        <translation>Fichiers de contrôle des notes du jour (.txt), une page chacun.</translation>
    </message>
    <message>
        <source>Print without a window.</source>
        <translation>Imprimer sans fenêtre.</translation>
    </message>
    <message>
        <source>List the output devices, as &quot;Select Printer&quot; does.</source>
        <translation>Lister les périphériques de sortie, comme « Choisir l&apos;imprimante ».</translation>
    </message>
    <message>
        <source>Year of the page; alone, one page for each of its months.</source>
        <translation>Année de la page ; seule, une page pour chacun de ses mois.</translation>
    </message>
    <message>
        <source>Month of the page, 1 to 12.</source>
        <translation>Mois de la page, de 1 à 12.</translation>
    </message>
    <message>
        <source>One page per month, e.g. 2027-01..2027-12.</source>
        <translation>Une page par mois, p. ex. 2027-01..2027-12.</translation>
    </message>
    <message>
        <source>Header line.</source>
        <translation>Ligne d&apos;en-tête.</translation>
    </message>
    <message>
        <source>One of the five lines under the header; up to five, in order.</source>
        <translation>Une des cinq lignes sous l&apos;en-tête ; jusqu&apos;à cinq, dans l&apos;ordre.</translation>
    </message>
    <message>
        <source>Centred message line.</source>
        <translation>Ligne de message centrée.</translation>
    </message>
    <message>
        <source>Picture to print (gif, bmp, wmf or jpg).</source>
        <translation>Image à imprimer (gif, bmp, wmf ou jpg).</translation>
    </message>
    <message>
        <source>Calendar file (.ics) or address book (.vcf) whose events and birthdays go on every page; may be given several times.</source>
        <translation>Fichier d&apos;agenda (.ics) ou carnet d&apos;adresses (.vcf) dont les événements et anniversaires vont sur chaque page ; peut être donné plusieurs fois.</translation>
    </message>
    <message>
        <source>Typeface of one kind of text: month, header, address, message or calendar.</source>
        <translation>Police d&apos;un type de texte : month, header, address, message ou calendar.</translation>
    </message>
    <message>
        <source>Number of copies (1 to 999).</source>
        <translation>Nombre d&apos;exemplaires (1 à 999).</translation>
    </message>
    <message>
        <source>Write the pages into this PDF file.</source>
        <translation>Écrire les pages dans ce fichier PDF.</translation>
    </message>
    <message>
        <source>Let --output replace an existing file.</source>
        <translation>Permettre à --output de remplacer un fichier existant.</translation>
    </message>
    <message>
        <source>Print on this device (see --list-printers).</source>
        <translation>Imprimer sur ce périphérique (voir --list-printers).</translation>
    </message>
    <message>
        <source>Paper to print on: a4, letter, legal, a5 ... or a PWG name such as na_letter_8.5x11in. Without it, a printer prints on its own paper and a PDF on the system&apos;s (PAPERSIZE, /etc/papersize, LC_PAPER).</source>
        <translation>Papier d&apos;impression : a4, letter, legal, a5 ... ou un nom PWG comme na_letter_8.5x11in. Sans cette option, une imprimante utilise son propre papier et un PDF celui du système (PAPERSIZE, /etc/papersize, LC_PAPER).</translation>
    </message>
    <message>
        <source>First column of the grid: sunday (the default), monday, or locale for the locale&apos;s own first weekday.</source>
        <translation>Première colonne de la grille : sunday (par défaut), monday, ou locale pour le premier jour de la semaine des paramètres régionaux.</translation>
    </message>
    <message>
        <source>Platform plugin: xcb, wayland, offscreen ...</source>
        <translation>Greffon de plateforme : xcb, wayland, offscreen ...</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Thème de la plateforme.</translation>
    </message>
    <message>
        <source>Folder of further platform plugins.</source>
        <translation>Dossier d&apos;autres greffons de plateforme.</translation>
    </message>
    <message>
        <source>Further input plugin to load.</source>
        <translation>Greffon d&apos;entrée supplémentaire à charger.</translation>
    </message>
    <message>
        <source>Widget style: fusion, windows ...</source>
        <translation>Style des widgets : fusion, windows ...</translation>
    </message>
    <message>
        <source>Style sheet for the windows.</source>
        <translation>Feuille de style des fenêtres.</translation>
    </message>
    <message>
        <source>Lays the windows out right to left.</source>
        <translation>Dispose les fenêtres de droite à gauche.</translation>
    </message>
    <message>
        <source>Size and place of the main window.</source>
        <translation>Taille et position de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Title of the main window.</source>
        <translation>Titre de la fenêtre principale.</translation>
    </message>
    <message>
        <source>Icon of the windows.</source>
        <translation>Icône des fenêtres.</translation>
    </message>
    <message>
        <source>Session to restore.</source>
        <translation>Session à restaurer.</translation>
    </message>
    <message>
        <source>X display to open the window on.</source>
        <translation>Écran X où ouvrir la fenêtre.</translation>
    </message>
    <message>
        <source>Name under which X resources are looked up.</source>
        <translation>Nom sous lequel les ressources X sont cherchées.</translation>
    </message>
    <message>
        <source>Tells how many widgets are left at the end.</source>
        <translation>Indique combien de widgets restent à la fin.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or the keyboard.</source>
        <translation>Ne capture jamais la souris ni le clavier.</translation>
    </message>
    <message>
        <source>Grabs even where -nograb is implied.</source>
        <translation>Capture même là où -nograb est implicite.</translation>
    </message>
    <message>
        <source>Talks to the X server synchronously.</source>
        <translation>Communique avec le serveur X de façon synchrone.</translation>
    </message>
    <message>
        <source>
Qt options, taken by every Qt program:
</source>
        <translation>
Options de Qt, comprises par tout programme Qt :
</translation>
    </message>
    <message>
        <source>--week-start takes one of %1 (not &quot;%2&quot;)</source>
        <translation>--week-start prend l’une des valeurs %1 (et non « %2 »)</translation>
    </message>
    <message>
        <source>--year, --month and --months name pages only without a control file</source>
        <translation>--year, --month et --months ne désignent des pages que sans fichier de contrôle</translation>
    </message>
    <message>
        <source>--months cannot be combined with --year or --month</source>
        <translation>--months ne peut pas être combiné avec --year ou --month</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year prend une année de %1 à %2</translation>
    </message>
    <message>
        <source>--month takes a month from 1 to 12</source>
        <translation>--month prend un mois de 1 à 12</translation>
    </message>
    <message>
        <source>--months takes FROM..TO, each YYYY-MM, e.g. 2027-01..2027-12</source>
        <translation>--months prend FROM..TO, chacun au format YYYY-MM, par ex. 2027-01..2027-12</translation>
    </message>
    <message>
        <source>--months takes years from %1 to %2 and months from 1 to 12</source>
        <translation>--months prend des années de %1 à %2 et des mois de 1 à 12</translation>
    </message>
    <message>
        <source>--months runs from an earlier month to a later one</source>
        <translation>--months va d’un mois antérieur à un mois postérieur</translation>
    </message>
    <message>
        <source>--months: at most %1 months in one run</source>
        <translation>--months : au plus %1 mois en une fois</translation>
    </message>
    <message>
        <source>--line can be given at most %1 times</source>
        <translation>--line peut être donné au plus %1 fois</translation>
    </message>
    <message>
        <source>--picture needs a file name</source>
        <translation>--picture demande un nom de fichier</translation>
    </message>
    <message>
        <source>--copies takes a number from 1 to %1</source>
        <translation>--copies prend un nombre de 1 à %1</translation>
    </message>
    <message>
        <source>--font takes KIND=FAMILY, KIND one of month, header, address, message, calendar (not &quot;%1&quot;)</source>
        <translation>--font prend KIND=FAMILY, KIND parmi month, header, address, message, calendar (et non « %1 »)</translation>
    </message>
    <message>
        <source>--output takes the name of a .pdf file</source>
        <translation>--output prend le nom d’un fichier .pdf</translation>
    </message>
    <message>
        <source>--printer needs a device name</source>
        <translation>--printer demande un nom de périphérique</translation>
    </message>
    <message>
        <source>--output and --printer cannot be combined</source>
        <translation>--output et --printer ne peuvent pas être combinés</translation>
    </message>
    <message>
        <source>--force goes with --output</source>
        <translation>--force s’emploie avec --output</translation>
    </message>
    <message>
        <source>--paper takes a paper from A7 to A0 named %1, or a PWG name such as na_letter_8.5x11in (not &quot;%2&quot;)</source>
        <translation>--paper prend un papier de A7 à A0 nommé %1, ou un nom PWG tel que na_letter_8.5x11in (et non « %2 »)</translation>
    </message>
    <message>
        <source>--list-printers takes no other option or file</source>
        <translation>--list-printers ne prend aucune autre option ni aucun fichier</translation>
    </message>
    <message>
        <source>%1 needs --print</source>
        <translation>%1 demande --print</translation>
    </message>
</context>
<context>
    <name>CommandLinePrint</name>
    <message>
        <source>%1: The file already exists; --force replaces it.</source>
        <translation>%1 : le fichier existe déjà ; --force le remplace.</translation>
    </message>
    <message>
        <source>The device is not available.</source>
        <translation>Le périphérique n&apos;est pas disponible.</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>avertissement : </translation>
    </message>
    <message>
        <source>%1: The device cannot print on %2.</source>
        <translation>%1 : le périphérique ne peut pas imprimer sur %2.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos; : %2</translation>
    </message>
    <message>
        <source>%1 (paper: %2)</source>
        <translation>%1 (papier : %2)</translation>
    </message>
</context>
<context>
    <name>CupsDevice</name>
    <message>
        <source>%1 reports no usable paper; printing on %2.</source>
        <translation>%1 ne signale aucun papier utilisable ; impression sur %2.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Monthly Calendar</source>
        <translation>Calendrier mensuel</translation>
    </message>
    <message>
        <source>Try again . . .<byte value="xd"/>
</source>
        <translation>Essayez encore . . .<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>PagePreview</name>
    <message>
        <source>Page Preview</source>
        <translation>Aperçu de la page</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>&amp;Page entière</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
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
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>The locale&apos;s first day (%1)</source>
        <translation>Premier jour selon la région (%1)</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Périphérique :</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papier :</translation>
    </message>
    <message>
        <source>&amp;Week starts on:</source>
        <translation>&amp;Semaine commençant le :</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>Page preview</source>
        <translation>Aperçu de la page</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Printing copy %1 of %2</source>
        <translation>Impression de l&apos;exemplaire %1 sur %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Select a .txt file.</source>
        <translation>Choisissez un fichier .txt.</translation>
    </message>
    <message>
        <source>Select a .gif, .bmp, .wmf OR .jpg file.</source>
        <translation>Choisissez un fichier .gif, .bmp, .wmf OU .jpg.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MB.</source>
        <translation>Le fichier dépasse 16 Mo.</translation>
    </message>
    <message>
        <source>The file is neither a calendar (iCalendar) nor an address book (vCard).</source>
        <translation>Le fichier n&apos;est ni un agenda (iCalendar) ni un carnet d&apos;adresses (vCard).</translation>
    </message>
    <message>
        <source>The file is not a valid calendar (iCalendar).</source>
        <translation>Le fichier n&apos;est pas un agenda valide (iCalendar).</translation>
    </message>
    <message>
        <source>The event %1 has no date.</source>
        <translation>L&apos;événement %1 n&apos;a pas de date.</translation>
    </message>
    <message>
        <source>The event %1 has a repetition that cannot be read.</source>
        <translation>L&apos;événement %1 a une répétition illisible.</translation>
    </message>
    <message>
        <source>The event %1 repeats more than 100,000 times.</source>
        <translation>L&apos;événement %1 se répète plus de 100 000 fois.</translation>
    </message>
    <message>
        <source>The time zone %1 cannot be read.</source>
        <translation>Le fuseau horaire %1 est illisible.</translation>
    </message>
    <message>
        <source>The address book has a card inside another card.</source>
        <translation>Le carnet d&apos;adresses a une fiche dans une autre fiche.</translation>
    </message>
    <message>
        <source>The address book ends a card it never began.</source>
        <translation>Le carnet d&apos;adresses termine une fiche jamais commencée.</translation>
    </message>
    <message>
        <source>The address book ends inside a card.</source>
        <translation>Le carnet d&apos;adresses se termine au milieu d&apos;une fiche.</translation>
    </message>
    <message>
        <source>1 entry is left out. </source>
        <translation>1 entrée est ignorée. </translation>
    </message>
    <message>
        <source>%1 entries are left out. The first: %2</source>
        <translation>%1 entrées sont ignorées. La première : %2</translation>
    </message>
    <message>
        <source>An entry has a line longer than 64 KB.</source>
        <translation>Une entrée a une ligne de plus de 64 Ko.</translation>
    </message>
    <message>
        <source>The event %1 has a line longer than 64 KB.</source>
        <translation>L&apos;événement %1 a une ligne de plus de 64 Ko.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Erreur d&apos;exécution &apos;%1&apos; :<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Appel de procédure ou argument incorrect</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>L&apos;indice n&apos;appartient pas à la sélection</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Erreur d&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>SelFontName</name>
    <message>
        <source>Select the Printer . . .  </source>
        <translation>Choisissez l&apos;imprimante . . .  </translation>
    </message>
    <message>
        <source>Calendar Printer Selection</source>
        <translation>Calendrier : choix de l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>frmFindFiles</name>
    <message>
        <source>The drive cannot be read.</source>
        <translation>Le lecteur ne peut pas être lu.</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Choisir des fichiers</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Lecteurs</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Sélectionner</translation>
    </message>
</context>
<context>
    <name>frmSelectPrt</name>
    <message>
        <source>Output Device Selection</source>
        <translation>Choix du périphérique de sortie</translation>
    </message>
    <message>
        <source>Select &amp;Device</source>
        <translation>Choisir le &amp;périphérique</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Périphériques</translation>
    </message>
    <message>
        <source>First &amp;Click on a Device from the list.</source>
        <translation>&amp;Cliquez d&apos;abord sur un périphérique de la liste.</translation>
    </message>
    <message>
        <source>&amp;THEN</source>
        <translation>&amp;ENSUITE</translation>
    </message>
    <message>
        <source>Select a Printer from the list first . . .</source>
        <translation>Choisissez d&apos;abord une imprimante dans la liste . . .</translation>
    </message>
    <message>
        <source>The device is not available.</source>
        <translation>Le périphérique n&apos;est pas disponible.</translation>
    </message>
</context>
<context>
    <name>frmSorvane</name>
    <message>
        <source> 1. Enter the Year.</source>
        <translation> 1. Saisissez l&apos;année.</translation>
    </message>
    <message>
        <source> 2. Select the Fonts.</source>
        <translation> 2. Choisissez les polices.</translation>
    </message>
    <message>
        <source>     -Set the Font Size large to see it better.</source>
        <translation>     -Prenez une grande taille pour mieux voir.</translation>
    </message>
    <message>
        <source>     -The actual size is preset . . .</source>
        <translation>     -La taille réelle est prédéfinie . . .</translation>
    </message>
    <message>
        <source> 3. Select a Picture. </source>
        <translation> 3. Choisissez une image. </translation>
    </message>
    <message>
        <source> 4. Enter Text for each field. </source>
        <translation> 4. Saisissez le texte de chaque champ. </translation>
    </message>
    <message>
        <source> 5. Print a copy. </source>
        <translation> 5. Imprimez un exemplaire. </translation>
    </message>
    <message>
        <source> 6. If OK, set number of copies and print</source>
        <translation> 6. Si c&apos;est bon, réglez le nombre d&apos;exemplaires et imprimez</translation>
    </message>
    <message>
        <source> Calendar Help</source>
        <translation> Aide du calendrier</translation>
    </message>
    <message>
        <source>Select a Picture &amp;file.<byte value="xd"/>
Either a bmp, gif, jpg or wmf.</source>
        <translation>Choisissez un &amp;fichier image.<byte value="xd"/>
bmp, gif, jpg ou wmf.</translation>
    </message>
    <message>
        <source>Select a text Control &amp;file.<byte value="xd"/>
A [txt] file with Field Control</source>
        <translation>Choisissez un &amp;fichier de contrôle texte.<byte value="xd"/>
Un fichier [txt] de contrôle des champs</translation>
    </message>
    <message>
        <source>&amp;Year (yyyy)</source>
        <translation>Ann&amp;ée(aaaa)</translation>
    </message>
    <message>
        <source>four digits</source>
        <translation>quatre chiffres</translation>
    </message>
    <message>
        <source>&amp;Month (mm)</source>
        <translation>&amp;Mois (mm)</translation>
    </message>
    <message>
        <source>Mon&amp;th Font</source>
        <translation>Police du m&amp;ois</translation>
    </message>
    <message>
        <source>Se&amp;lect Printer</source>
        <translation>C&amp;hoisir l&apos;imprimante</translation>
    </message>
    <message>
        <source>H&amp;eader</source>
        <translation>&amp;En-tête</translation>
    </message>
    <message>
        <source>Heade&amp;r Font</source>
        <translation>Police en-&amp;tête</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notes</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>&amp;Address Font</source>
        <translation>Police ad&amp;resse</translation>
    </message>
    <message>
        <source>Mesasa&amp;ge</source>
        <translation>Messa&amp;ge</translation>
    </message>
    <message>
        <source>Select Pict&amp;ure</source>
        <translation>Choisir l&apos;&amp;image</translation>
    </message>
    <message>
        <source>Messaage F&amp;ont</source>
        <translation>Police me&amp;ssage</translation>
    </message>
    <message>
        <source>&amp;Select Day Notes</source>
        <translation>Notes du &amp;jour</translation>
    </message>
    <message>
        <source>&amp;Calendar Font</source>
        <translation>Police ca&amp;lendrier</translation>
    </message>
    <message>
        <source>&amp;Print Calendar(s)</source>
        <translation>Im&amp;primer</translation>
    </message>
    <message>
        <source>Cop&amp;ies</source>
        <translation>&amp;Copies</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>Mise en &amp;page…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Page &amp;Preview</source>
        <translation>&amp;Aperçu de la page</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>Start a new page? What was typed since the last print is lost.</source>
        <translation>Commencer une nouvelle page ? Ce qui a été saisi depuis la dernière impression sera perdu.</translation>
    </message>
    <message>
        <source>Save Control File</source>
        <translation>Enregistrer le fichier de contrôle</translation>
    </message>
    <message>
        <source>Control files (*.txt)</source>
        <translation>Fichiers de contrôle (*.txt)</translation>
    </message>
    <message>
        <source>The control file was not saved.</source>
        <translation>Le fichier de contrôle n&apos;a pas été enregistré.</translation>
    </message>
    <message>
        <source>&amp;New Page</source>
        <translation>&amp;Nouvelle page</translation>
    </message>
    <message>
        <source>&amp;Open Control File…</source>
        <translation>&amp;Ouvrir un fichier de contrôle…</translation>
    </message>
    <message>
        <source>Recen&amp;t Control Files</source>
        <translation>Fichiers de contrôle &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Save Control File…</source>
        <translation>&amp;Enregistrer le fichier de contrôle…</translation>
    </message>
    <message>
        <source>&amp;Reread Day Notes</source>
        <translation>Re&amp;lire les notes du jour</translation>
    </message>
    <message>
        <source>Calendar &amp;Files…</source>
        <translation>Fichiers d&apos;agen&amp;da…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essayez « %1 --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>no display found (DISPLAY and WAYLAND_DISPLAY are not set); print with --print, or run the window under Xvfb, e.g. xvfb-run -a %1</source>
        <translation>aucun écran trouvé (DISPLAY et WAYLAND_DISPLAY ne sont pas définis) ; imprimez avec --print, ou lancez la fenêtre sous Xvfb, par ex. xvfb-run -a %1</translation>
    </message>
</context>
</TS>
