<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Directorio no encontrado.
Verifique que el nombre del directorio sea correcto.</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Nombre de archivo:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Tipo de archivo:</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>El archivo %1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Archivo no encontrado.
Verifique que el nombre del archivo sea correcto.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
</context>
<context>
    <name>QIODevice</name>
    <message>
        <source>No such file or directory</source>
        <translation>No hay ningún archivo o directorio con ese nombre</translation>
    </message>
</context>
<context>
    <name>kinwise::AboutWindow</name>
    <message>
        <source>Kinwise generates your Day Number based on your date of birth. This is based on Mayan principles. Find more readings and news at %1.</source>
        <translation>Kinwise calcula su número de día a partir de su fecha de nacimiento, según los principios mayas. Encuentre más lecturas y noticias en %1.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <extracomment>%1 is the site&apos;s web address.</extracomment>
        <translation>Visite %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Inicie su propio negocio en Internet y gane dinero en línea. Obtenga este programa totalmente personalizado con la marca de su sitio web.</translation>
    </message>
    <message>
        <source>Click here for more details.</source>
        <translation>Haga clic aquí para más detalles.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>kinwise::BrandPanel</name>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;&amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personalice este programa con la marca de su sitio.  Aumente la fidelidad de sus visitantes y el tráfico. Coloque aquí su nombre y su enlace. Consulte “Ayuda” para más detalles.    Haga clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Inicie su propio negocio en Internet y gane dinero en línea. Obtenga este programa totalmente personalizado con la marca de su sitio web. Haga clic aquí para más detalles.</translation>
    </message>
</context>
<context>
    <name>kinwise::HelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitar nuestro sitio web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar &amp;actualizaciones del programa</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Acerca del &amp;programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>&amp;Ganar dinero en línea</translation>
    </message>
</context>
<context>
    <name>kinwise::MainWindow</name>
    <message>
        <source>Month of birth</source>
        <translation>Mes de nacimiento</translation>
    </message>
    <message>
        <source>Day of birth</source>
        <translation>Día de nacimiento</translation>
    </message>
    <message>
        <source>Year of birth</source>
        <translation>Año de nacimiento</translation>
    </message>
    <message>
        <source>Talk it over with friendly readers in our Mayan forum! Click Here To Visit %1 Now.</source>
        <extracomment>%1 is the site&apos;s web address.</extracomment>
        <translation>¡Comente su lectura en nuestro foro maya! Visite %1 ahora.</translation>
    </message>
    <message>
        <source>Enter your date of birth and know more about your lucky Mayan Day Number!</source>
        <translation>¡Ingrese su fecha de nacimiento y descubra más sobre su número de día maya!</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>A&amp;brir una lectura guardada</translation>
    </message>
    <message>
        <source>Personal Details</source>
        <translation>Datos personales</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Nacimiento</translation>
    </message>
    <message>
        <source>&amp;Get My Mayan Numerology Reading</source>
        <translation>&amp;Obtener mi lectura de numerología maya</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Get My &amp;Mayan Astrology Sign</source>
        <translation>Obtener mi signo de día &amp;maya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Por favor, ingrese su nombre</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Ingrese un día y un mes válidos!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Ingrese un día y un mes válidos!</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
</context>
<context>
    <name>kinwise::Printing</name>
    <message>
        <source>No default printer is set up.</source>
        <translation>No hay ninguna impresora predeterminada configurada.</translation>
    </message>
    <message>
        <source>Mayan numerology reading</source>
        <translation>Lectura de numerología maya</translation>
    </message>
    <message>
        <source>The default printer cannot be used.</source>
        <translation>No se puede usar la impresora predeterminada.</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>La impresora informó un error.</translation>
    </message>
    <message>
        <source>The printer %1 refused the report: %2</source>
        <translation>La impresora %1 rechazó el informe: %2</translation>
    </message>
    <message>
        <source>The printing part of the program could not be loaded: %1</source>
        <translation>No se pudo cargar la parte del programa que imprime: %1</translation>
    </message>
</context>
<context>
    <name>kinwise::ReadingCommands</name>
    <message>
        <source>Rich Text Format (*.man)</source>
        <extracomment>The type of a saved reading file (the file itself is not RTF).</extracomment>
        <translation>Formato de texto enriquecido (*.man)</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>Seleccione el archivo de origen</translation>
    </message>
    <message>
        <source>Mayan Astrology (*.man)</source>
        <translation>Astrología maya (*.man)</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1.

%2</source>
        <translation>No se pudo guardar la lectura en %1.

%2</translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>Verifique que sea una lectura de Kinwise.</translation>
    </message>
    <message>
        <source>The file %1 could not be read.

%2</source>
        <translation>No se pudo leer el archivo %1.

%2</translation>
    </message>
</context>
<context>
    <name>kinwise::ReadingFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo común.</translation>
    </message>
</context>
<context>
    <name>kinwise::ReportWindow</name>
    <message>
        <source>Report</source>
        <extracomment>The report box as a screen reader names it.</extracomment>
        <translation>Informe</translation>
    </message>
    <message>
        <source>The report could not be printed.

%1</source>
        <translation>No se pudo imprimir el informe.

%1</translation>
    </message>
    <message>
        <source>Save as &amp;PDF...</source>
        <translation>Guardar como &amp;PDF...</translation>
    </message>
    <message>
        <source>%1 - Mayan numerology reading.pdf</source>
        <extracomment>The name the report&apos;s PDF file is offered under; %1 is the person&apos;s name.</extracomment>
        <translation>%1 - Lectura de numerología maya.pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1.

%2</source>
        <translation>No se pudo guardar el informe en %1.

%2</translation>
    </message>
    <message>
        <source>January</source>
        <translation>enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>abril</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mayo</translation>
    </message>
    <message>
        <source>June</source>
        <translation>junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>diciembre</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Informe generado por %1</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Date of Birth: </source>
        <translation>Fecha de nacimiento: </translation>
    </message>
    <message>
        <source>%1 %2, %3</source>
        <extracomment>The birth date: month, day, year.</extracomment>
        <translation>%2 de %1 de %3</translation>
    </message>
    <message>
        <source>Mayan Day Number / Galactic Tone</source>
        <translation>Número de día / Tono</translation>
    </message>
    <message>
        <source>Mayan Number: </source>
        <translation>Número de día: </translation>
    </message>
    <message>
        <source>Mayan Day Number&apos;s Description: </source>
        <translation>Descripción del número de día: </translation>
    </message>
    <message>
        <source>Mayan Day Signs</source>
        <translation>Signos de día</translation>
    </message>
    <message>
        <source>Mayan Day Sign: </source>
        <translation>Signo de día: </translation>
    </message>
    <message>
        <source>Mayan Gemstone: </source>
        <translation>Piedra del signo: </translation>
    </message>
    <message>
        <source>Mayan Keywords: </source>
        <translation>Palabras clave: </translation>
    </message>
    <message>
        <source>Mayan Significance: </source>
        <translation>Significado: </translation>
    </message>
    <message>
        <source>Mayan Day Sign&apos;s Description: </source>
        <translation>Descripción del signo de día: </translation>
    </message>
    <message>
        <source>Other Mayan Details</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>Mayan English Name: </source>
        <extracomment>The sign&apos;s name in the reader&apos;s language.</extracomment>
        <translation>Nombre del signo en español: </translation>
    </message>
    <message>
        <source>Famous Personalities born under this sign: </source>
        <translation>Personajes famosos nacidos bajo este signo: </translation>
    </message>
    <message>
        <source>Talk it over with friendly readers in our Mayan forum!</source>
        <translation>¡Comente su lectura en nuestro foro maya!</translation>
    </message>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Visite %1 ahora</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
</context>
<context>
    <name>kinwise::ResultWindow</name>
    <message>
        <source>%1 and %2</source>
        <extracomment>The bars, then the dots.</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Tone %1, %2: a picture of %3</source>
        <translation>Tono %1, %2: una imagen de %3</translation>
    </message>
    <message>
        <source>Mayan Day Number %1, the %2 tone. %3</source>
        <translation>Número de día %1, el tono %2. %3</translation>
    </message>
    <message numerus="yes">
        <source>%n bar(s)</source>
        <extracomment>Bars of a Mayan numeral, each worth five.</extracomment>
        <translation>
            <numerusform>una barra</numerusform>
            <numerusform>%n barras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n dot(s)</source>
        <extracomment>Dots of a Mayan numeral, each worth one.</extracomment>
        <translation>
            <numerusform>un punto</numerusform>
            <numerusform>%n puntos</numerusform>
        </translation>
    </message>
    <message>
        <source>Talk it over with friendly readers in our Mayan forum! Click Here To Visit %1 Now.</source>
        <extracomment>%1 is the site&apos;s web address.</extracomment>
        <translation>¡Comente su lectura en nuestro foro maya! Visite %1 ahora.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Kinwise Result</source>
        <translation>Resultado de Kinwise</translation>
    </message>
    <message>
        <source>Mayan Day Number</source>
        <translation>Número de día</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Volver</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>kinwise::StartApplication</name>
    <message>
        <source>Application is already running</source>
        <translation>El programa ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>kinwise::UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <extracomment>The carriage return breaks the line.</extracomment>
        <translation>Es posible que haya una actualización disponible para este programa.<byte value="xd"/>¿Desea buscar una actualización?</translation>
    </message>
</context>
</TS>
