<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CalendarFilesList</name>
    <message>
        <source>Calendar Files</source>
        <translation>Archivos de calendario</translation>
    </message>
    <message>
        <source>&amp;Attached calendar files and address books:</source>
        <translation>Archivos de calendario y libretas de direcciones &amp;adjuntos:</translation>
    </message>
    <message>
        <source>&amp;Detach</source>
        <translation>&amp;Quitar</translation>
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
        <translation>Imprime calendarios mensuales de una página. Sin --print se abre la ventana con
los archivos indicados: los archivos de control se leen, los archivos de
calendario y las libretas de direcciones se adjuntan y las imágenes se cargan.

Con --print las páginas se imprimen sin ventana: una página por archivo de
control, en el orden dado; si no, una página por cada mes que indiquen --year,
--month o --months. Lo que fijan las opciones prevalece sobre el archivo de
control.

Estado de salida: 0 impreso, 1 uso incorrecto, 2 no se pudo leer una entrada,
3 no se pudo componer o imprimir la página.</translation>
    </message>
    <message>
        <source>Day-notes control files (.txt), one page each.</source>
        <translation>Archivos de control de notas del día (.txt), una página cada uno.</translation>
    </message>
    <message>
        <source>Print without a window.</source>
        <translation>Imprimir sin ventana.</translation>
    </message>
    <message>
        <source>List the output devices, as &quot;Select Printer&quot; does.</source>
        <translation>Listar los dispositivos de salida, como «Elegir impresora».</translation>
    </message>
    <message>
        <source>Year of the page; alone, one page for each of its months.</source>
        <translation>Año de la página; por sí solo, una página por cada uno de sus meses.</translation>
    </message>
    <message>
        <source>Month of the page, 1 to 12.</source>
        <translation>Mes de la página, de 1 a 12.</translation>
    </message>
    <message>
        <source>One page per month, e.g. 2027-01..2027-12.</source>
        <translation>Una página por mes, p. ej. 2027-01..2027-12.</translation>
    </message>
    <message>
        <source>Header line.</source>
        <translation>Línea de encabezado.</translation>
    </message>
    <message>
        <source>One of the five lines under the header; up to five, in order.</source>
        <translation>Una de las cinco líneas bajo el encabezado; hasta cinco, en orden.</translation>
    </message>
    <message>
        <source>Centred message line.</source>
        <translation>Línea de mensaje centrada.</translation>
    </message>
    <message>
        <source>Picture to print (gif, bmp, wmf or jpg).</source>
        <translation>Imagen que se imprime (gif, bmp, wmf o jpg).</translation>
    </message>
    <message>
        <source>Calendar file (.ics) or address book (.vcf) whose events and birthdays go on every page; may be given several times.</source>
        <translation>Archivo de calendario (.ics) o libreta de direcciones (.vcf) cuyos eventos y cumpleaños van en cada página; puede indicarse varias veces.</translation>
    </message>
    <message>
        <source>Typeface of one kind of text: month, header, address, message or calendar.</source>
        <translation>Tipo de letra de una clase de texto: month, header, address, message o calendar.</translation>
    </message>
    <message>
        <source>Number of copies (1 to 999).</source>
        <translation>Número de copias (1 a 999).</translation>
    </message>
    <message>
        <source>Write the pages into this PDF file.</source>
        <translation>Escribir las páginas en este archivo PDF.</translation>
    </message>
    <message>
        <source>Let --output replace an existing file.</source>
        <translation>Permitir que --output sustituya un archivo existente.</translation>
    </message>
    <message>
        <source>Print on this device (see --list-printers).</source>
        <translation>Imprimir en este dispositivo (véase --list-printers).</translation>
    </message>
    <message>
        <source>Paper to print on: a4, letter, legal, a5 ... or a PWG name such as na_letter_8.5x11in. Without it, a printer prints on its own paper and a PDF on the system&apos;s (PAPERSIZE, /etc/papersize, LC_PAPER).</source>
        <translation>Papel de impresión: a4, letter, legal, a5 ... o un nombre PWG como na_letter_8.5x11in. Sin esta opción, una impresora usa su propio papel y un PDF el del sistema (PAPERSIZE, /etc/papersize, LC_PAPER).</translation>
    </message>
    <message>
        <source>First column of the grid: sunday (the default), monday, or locale for the locale&apos;s own first weekday.</source>
        <translation>Primera columna de la cuadrícula: sunday (predeterminado), monday o locale para el primer día de la semana de la configuración regional.</translation>
    </message>
    <message>
        <source>Platform plugin: xcb, wayland, offscreen ...</source>
        <translation>Complemento de plataforma: xcb, wayland, offscreen ...</translation>
    </message>
    <message>
        <source>Platform theme.</source>
        <translation>Tema de la plataforma.</translation>
    </message>
    <message>
        <source>Folder of further platform plugins.</source>
        <translation>Carpeta de otros complementos de plataforma.</translation>
    </message>
    <message>
        <source>Further input plugin to load.</source>
        <translation>Complemento de entrada adicional que cargar.</translation>
    </message>
    <message>
        <source>Widget style: fusion, windows ...</source>
        <translation>Estilo de los controles: fusion, windows ...</translation>
    </message>
    <message>
        <source>Style sheet for the windows.</source>
        <translation>Hoja de estilo de las ventanas.</translation>
    </message>
    <message>
        <source>Lays the windows out right to left.</source>
        <translation>Dispone las ventanas de derecha a izquierda.</translation>
    </message>
    <message>
        <source>Size and place of the main window.</source>
        <translation>Tamaño y posición de la ventana principal.</translation>
    </message>
    <message>
        <source>Title of the main window.</source>
        <translation>Título de la ventana principal.</translation>
    </message>
    <message>
        <source>Icon of the windows.</source>
        <translation>Icono de las ventanas.</translation>
    </message>
    <message>
        <source>Session to restore.</source>
        <translation>Sesión que restaurar.</translation>
    </message>
    <message>
        <source>X display to open the window on.</source>
        <translation>Pantalla X en la que abrir la ventana.</translation>
    </message>
    <message>
        <source>Name under which X resources are looked up.</source>
        <translation>Nombre con el que se buscan los recursos X.</translation>
    </message>
    <message>
        <source>Tells how many widgets are left at the end.</source>
        <translation>Indica cuántos controles quedan al final.</translation>
    </message>
    <message>
        <source>Never grabs the mouse or the keyboard.</source>
        <translation>Nunca captura el ratón ni el teclado.</translation>
    </message>
    <message>
        <source>Grabs even where -nograb is implied.</source>
        <translation>Captura incluso donde -nograb está implícito.</translation>
    </message>
    <message>
        <source>Talks to the X server synchronously.</source>
        <translation>Se comunica con el servidor X de forma síncrona.</translation>
    </message>
    <message>
        <source>
Qt options, taken by every Qt program:
</source>
        <translation>
Opciones de Qt, que entiende todo programa Qt:
</translation>
    </message>
    <message>
        <source>--week-start takes one of %1 (not &quot;%2&quot;)</source>
        <translation>--week-start admite uno de %1 (no «%2»)</translation>
    </message>
    <message>
        <source>--year, --month and --months name pages only without a control file</source>
        <translation>--year, --month y --months solo indican páginas sin archivo de control</translation>
    </message>
    <message>
        <source>--months cannot be combined with --year or --month</source>
        <translation>--months no se puede combinar con --year ni con --month</translation>
    </message>
    <message>
        <source>--year takes a year from %1 to %2</source>
        <translation>--year admite un año de %1 a %2</translation>
    </message>
    <message>
        <source>--month takes a month from 1 to 12</source>
        <translation>--month admite un mes de 1 a 12</translation>
    </message>
    <message>
        <source>--months takes FROM..TO, each YYYY-MM, e.g. 2027-01..2027-12</source>
        <translation>--months admite FROM..TO, cada uno YYYY-MM, p. ej. 2027-01..2027-12</translation>
    </message>
    <message>
        <source>--months takes years from %1 to %2 and months from 1 to 12</source>
        <translation>--months admite años de %1 a %2 y meses de 1 a 12</translation>
    </message>
    <message>
        <source>--months runs from an earlier month to a later one</source>
        <translation>--months va de un mes anterior a uno posterior</translation>
    </message>
    <message>
        <source>--months: at most %1 months in one run</source>
        <translation>--months: como máximo %1 meses en una ejecución</translation>
    </message>
    <message>
        <source>--line can be given at most %1 times</source>
        <translation>--line se puede indicar como máximo %1 veces</translation>
    </message>
    <message>
        <source>--picture needs a file name</source>
        <translation>--picture necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>--copies takes a number from 1 to %1</source>
        <translation>--copies admite un número de 1 a %1</translation>
    </message>
    <message>
        <source>--font takes KIND=FAMILY, KIND one of month, header, address, message, calendar (not &quot;%1&quot;)</source>
        <translation>--font admite KIND=FAMILY, KIND uno de month, header, address, message, calendar (no «%1»)</translation>
    </message>
    <message>
        <source>--output takes the name of a .pdf file</source>
        <translation>--output admite el nombre de un archivo .pdf</translation>
    </message>
    <message>
        <source>--printer needs a device name</source>
        <translation>--printer necesita un nombre de dispositivo</translation>
    </message>
    <message>
        <source>--output and --printer cannot be combined</source>
        <translation>--output y --printer no se pueden combinar</translation>
    </message>
    <message>
        <source>--force goes with --output</source>
        <translation>--force va con --output</translation>
    </message>
    <message>
        <source>--paper takes a paper from A7 to A0 named %1, or a PWG name such as na_letter_8.5x11in (not &quot;%2&quot;)</source>
        <translation>--paper admite un papel de A7 a A0 llamado %1, o un nombre PWG como na_letter_8.5x11in (no «%2»)</translation>
    </message>
    <message>
        <source>--list-printers takes no other option or file</source>
        <translation>--list-printers no admite otras opciones ni archivos</translation>
    </message>
    <message>
        <source>%1 needs --print</source>
        <translation>%1 necesita --print</translation>
    </message>
</context>
<context>
    <name>CommandLinePrint</name>
    <message>
        <source>%1: The file already exists; --force replaces it.</source>
        <translation>%1: el archivo ya existe; --force lo sustituye.</translation>
    </message>
    <message>
        <source>The device is not available.</source>
        <translation>El dispositivo no está disponible.</translation>
    </message>
    <message>
        <source>warning: </source>
        <translation>aviso: </translation>
    </message>
    <message>
        <source>%1: The device cannot print on %2.</source>
        <translation>%1: el dispositivo no puede imprimir en %2.</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;: %2</source>
        <translation>Error en tiempo de ejecución &apos;%1&apos;: %2</translation>
    </message>
    <message>
        <source>%1 (paper: %2)</source>
        <translation>%1 (papel: %2)</translation>
    </message>
</context>
<context>
    <name>CupsDevice</name>
    <message>
        <source>%1 reports no usable paper; printing on %2.</source>
        <translation>%1 no informa de ningún papel utilizable; se imprime en %2.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>Monthly Calendar</source>
        <translation>Calendario mensual</translation>
    </message>
    <message>
        <source>Try again . . .<byte value="xd"/>
</source>
        <translation>Inténtelo de nuevo . . .<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>PagePreview</name>
    <message>
        <source>Page Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit &amp;Page</source>
        <translation>&amp;Página completa</translation>
    </message>
    <message>
        <source>Fit &amp;Width</source>
        <translation>&amp;Ancho</translation>
    </message>
    <message>
        <source>&amp;100 %</source>
        <translation>&amp;100 %</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ale&amp;jar</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>A&amp;cercar</translation>
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
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>The locale&apos;s first day (%1)</source>
        <translation>Primer día de la región (%1)</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Configurar página</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message>
        <source>&amp;Paper:</source>
        <translation>&amp;Papel:</translation>
    </message>
    <message>
        <source>&amp;Week starts on:</source>
        <translation>La &amp;semana empieza el:</translation>
    </message>
</context>
<context>
    <name>PageView</name>
    <message>
        <source>Page preview</source>
        <translation>Vista previa de la página</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Printing copy %1 of %2</source>
        <translation>Imprimiendo la copia %1 de %2</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>Select a .txt file.</source>
        <translation>Elija un archivo .txt.</translation>
    </message>
    <message>
        <source>Select a .gif, .bmp, .wmf OR .jpg file.</source>
        <translation>Elija un archivo .gif, .bmp, .wmf O .jpg.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>No se puede leer el archivo.</translation>
    </message>
    <message>
        <source>The file is larger than 16 MB.</source>
        <translation>El archivo ocupa más de 16 MB.</translation>
    </message>
    <message>
        <source>The file is neither a calendar (iCalendar) nor an address book (vCard).</source>
        <translation>El archivo no es un calendario (iCalendar) ni una libreta de direcciones (vCard).</translation>
    </message>
    <message>
        <source>The file is not a valid calendar (iCalendar).</source>
        <translation>El archivo no es un calendario válido (iCalendar).</translation>
    </message>
    <message>
        <source>The event %1 has no date.</source>
        <translation>El evento %1 no tiene fecha.</translation>
    </message>
    <message>
        <source>The event %1 has a repetition that cannot be read.</source>
        <translation>El evento %1 tiene una repetición que no se puede leer.</translation>
    </message>
    <message>
        <source>The event %1 repeats more than 100,000 times.</source>
        <translation>El evento %1 se repite más de 100.000 veces.</translation>
    </message>
    <message>
        <source>The time zone %1 cannot be read.</source>
        <translation>No se puede leer la zona horaria %1.</translation>
    </message>
    <message>
        <source>The address book has a card inside another card.</source>
        <translation>La libreta de direcciones tiene una tarjeta dentro de otra.</translation>
    </message>
    <message>
        <source>The address book ends a card it never began.</source>
        <translation>La libreta de direcciones cierra una tarjeta que nunca abrió.</translation>
    </message>
    <message>
        <source>The address book ends inside a card.</source>
        <translation>La libreta de direcciones termina dentro de una tarjeta.</translation>
    </message>
    <message>
        <source>1 entry is left out. </source>
        <translation>Se omite 1 entrada. </translation>
    </message>
    <message>
        <source>%1 entries are left out. The first: %2</source>
        <translation>Se omiten %1 entradas. La primera: %2</translation>
    </message>
    <message>
        <source>An entry has a line longer than 64 KB.</source>
        <translation>Una entrada tiene una línea de más de 64 KB.</translation>
    </message>
    <message>
        <source>The event %1 has a line longer than 64 KB.</source>
        <translation>El evento %1 tiene una línea de más de 64 KB.</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Run-time error &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</source>
        <translation>Error en tiempo de ejecución &apos;%1&apos;:<byte value="xd"/>
<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Llamada a procedimiento o argumento no válidos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Error de impresora</translation>
    </message>
</context>
<context>
    <name>SelFontName</name>
    <message>
        <source>Select the Printer . . .  </source>
        <translation>Elija la impresora . . .  </translation>
    </message>
    <message>
        <source>Calendar Printer Selection</source>
        <translation>Calendario: selección de impresora</translation>
    </message>
</context>
<context>
    <name>frmFindFiles</name>
    <message>
        <source>The drive cannot be read.</source>
        <translation>No se puede leer la unidad.</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Elegir archivos</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Seleccionar</translation>
    </message>
</context>
<context>
    <name>frmSelectPrt</name>
    <message>
        <source>Output Device Selection</source>
        <translation>Selección del dispositivo de salida</translation>
    </message>
    <message>
        <source>Select &amp;Device</source>
        <translation>Elegir &amp;dispositivo</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>First &amp;Click on a Device from the list.</source>
        <translation>Haga &amp;clic primero en un dispositivo de la lista.</translation>
    </message>
    <message>
        <source>&amp;THEN</source>
        <translation>&amp;LUEGO</translation>
    </message>
    <message>
        <source>Select a Printer from the list first . . .</source>
        <translation>Elija primero una impresora de la lista . . .</translation>
    </message>
    <message>
        <source>The device is not available.</source>
        <translation>El dispositivo no está disponible.</translation>
    </message>
</context>
<context>
    <name>frmSorvane</name>
    <message>
        <source> 1. Enter the Year.</source>
        <translation> 1. Escriba el año.</translation>
    </message>
    <message>
        <source> 2. Select the Fonts.</source>
        <translation> 2. Elija las fuentes.</translation>
    </message>
    <message>
        <source>     -Set the Font Size large to see it better.</source>
        <translation>     -Ponga un tamaño grande para verla mejor.</translation>
    </message>
    <message>
        <source>     -The actual size is preset . . .</source>
        <translation>     -El tamaño real ya está fijado . . .</translation>
    </message>
    <message>
        <source> 3. Select a Picture. </source>
        <translation> 3. Elija una imagen. </translation>
    </message>
    <message>
        <source> 4. Enter Text for each field. </source>
        <translation> 4. Escriba el texto de cada campo. </translation>
    </message>
    <message>
        <source> 5. Print a copy. </source>
        <translation> 5. Imprima una copia. </translation>
    </message>
    <message>
        <source> 6. If OK, set number of copies and print</source>
        <translation> 6. Si está bien, indique el número de copias e imprima</translation>
    </message>
    <message>
        <source> Calendar Help</source>
        <translation> Ayuda del calendario</translation>
    </message>
    <message>
        <source>Select a Picture &amp;file.<byte value="xd"/>
Either a bmp, gif, jpg or wmf.</source>
        <translation>Elija un &amp;archivo de imagen.<byte value="xd"/>
bmp, gif, jpg o wmf.</translation>
    </message>
    <message>
        <source>Select a text Control &amp;file.<byte value="xd"/>
A [txt] file with Field Control</source>
        <translation>Elija un &amp;archivo de control de texto.<byte value="xd"/>
Un archivo [txt] de control de campos</translation>
    </message>
    <message>
        <source>&amp;Year (yyyy)</source>
        <translation>A&amp;ño (aaaa)</translation>
    </message>
    <message>
        <source>four digits</source>
        <translation>cuatro cifras</translation>
    </message>
    <message>
        <source>&amp;Month (mm)</source>
        <translation>&amp;Mes (mm)</translation>
    </message>
    <message>
        <source>Mon&amp;th Font</source>
        <translation>Fuente del m&amp;es</translation>
    </message>
    <message>
        <source>Se&amp;lect Printer</source>
        <translation>Elegir &amp;impresora</translation>
    </message>
    <message>
        <source>H&amp;eader</source>
        <translation>&amp;Título</translation>
    </message>
    <message>
        <source>Heade&amp;r Font</source>
        <translation>Fuente tít&amp;ulo</translation>
    </message>
    <message>
        <source>&amp;Notes</source>
        <translation>&amp;Notas</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>&amp;Address Font</source>
        <translation>Fuente di&amp;rección</translation>
    </message>
    <message>
        <source>Mesasa&amp;ge</source>
        <translation>Mensa&amp;je</translation>
    </message>
    <message>
        <source>Select Pict&amp;ure</source>
        <translation>Elegir ima&amp;gen</translation>
    </message>
    <message>
        <source>Messaage F&amp;ont</source>
        <translation>Fuente men&amp;saje</translation>
    </message>
    <message>
        <source>&amp;Select Day Notes</source>
        <translation>Notas del &amp;día</translation>
    </message>
    <message>
        <source>&amp;Calendar Font</source>
        <translation>Fuente &amp;calendario</translation>
    </message>
    <message>
        <source>&amp;Print Calendar(s)</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>Cop&amp;ies</source>
        <translation>C&amp;opias</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Listo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Page Set&amp;up…</source>
        <translation>Configurar &amp;página…</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Page &amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Start a new page? What was typed since the last print is lost.</source>
        <translation>¿Empezar una página nueva? Se perderá lo escrito desde la última impresión.</translation>
    </message>
    <message>
        <source>Save Control File</source>
        <translation>Guardar archivo de control</translation>
    </message>
    <message>
        <source>Control files (*.txt)</source>
        <translation>Archivos de control (*.txt)</translation>
    </message>
    <message>
        <source>The control file was not saved.</source>
        <translation>No se guardó el archivo de control.</translation>
    </message>
    <message>
        <source>&amp;New Page</source>
        <translation>&amp;Nueva página</translation>
    </message>
    <message>
        <source>&amp;Open Control File…</source>
        <translation>&amp;Abrir archivo de control…</translation>
    </message>
    <message>
        <source>Recen&amp;t Control Files</source>
        <translation>Archivos de control recien&amp;tes</translation>
    </message>
    <message>
        <source>&amp;Save Control File…</source>
        <translation>&amp;Guardar archivo de control…</translation>
    </message>
    <message>
        <source>&amp;Reread Day Notes</source>
        <translation>&amp;Releer notas del día</translation>
    </message>
    <message>
        <source>Calendar &amp;Files…</source>
        <translation>Archivos de &amp;calendario…</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe «%1 --help» para más información.</translation>
    </message>
    <message>
        <source>no display found (DISPLAY and WAYLAND_DISPLAY are not set); print with --print, or run the window under Xvfb, e.g. xvfb-run -a %1</source>
        <translation>no se encontró ninguna pantalla (DISPLAY y WAYLAND_DISPLAY no están definidas); imprima con --print o abra la ventana con Xvfb, p. ej. xvfb-run -a %1</translation>
    </message>
</context>
</TS>
