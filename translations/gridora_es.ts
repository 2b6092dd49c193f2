<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Gridora is free software under the MIT licence. Print as many sheets as your classes need, and copy, change or share the program, as long as the copyright notice and the licence go with it. It comes with no warranty of any kind: see the licence agreement below.</source>
        <translation>Gridora es software libre con licencia MIT. Imprima tantas hojas como necesiten sus clases y copie, modifique o comparta el programa, siempre que lo acompañen el aviso de copyright y la licencia. Se ofrece sin garantía de ningún tipo: vea la licencia más abajo.</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Comentarios:</translation>
    </message>
    <message>
        <source>Presented by:</source>
        <translation>Presentado por:</translation>
    </message>
    <message>
        <source>For more info visit:</source>
        <translation>Más información:</translation>
    </message>
    <message>
        <source>Gridora user guide</source>
        <translation>Guía (en inglés)</translation>
    </message>
    <message>
        <source>View License Agreement</source>
        <translation>Ver la licencia</translation>
    </message>
    <message>
        <source>© 2026 The Gridora developers</source>
        <translation>© 2026 Los desarrolladores de Gridora</translation>
    </message>
    <message>
        <source>Open the Gridora user guide</source>
        <translation>Abrir la guía del usuario de Gridora (en inglés)</translation>
    </message>
    <message>
        <source>Gridora logo: open the user guide</source>
        <translation>Logotipo de Gridora: abrir la guía del usuario (en inglés)</translation>
    </message>
    <message>
        <source>Product Name: %1</source>
        <translation>Nombre del producto: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>Gridora: Choose Your Graph</source>
        <translation>Gridora: elija su papel</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Printer resolution</source>
        <translation>Resolución de la impresora</translation>
    </message>
    <message>
        <source>Download PDF</source>
        <translation>Descargar PDF</translation>
    </message>
    <message>
        <source>Class set…</source>
        <translation>Hojas para la clase…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Gridora is free software under the MIT licence.</source>
        <translation>Gridora es software libre con licencia MIT.</translation>
    </message>
    <message>
        <source>The licence</source>
        <translation>La licencia (en inglés)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guía del usuario (en inglés)</translation>
    </message>
    <message>
        <source>Gridora cannot run in this browser</source>
        <translation>Gridora no puede funcionar en este navegador</translation>
    </message>
    <message>
        <source>This browser has WebAssembly switched off or does not have it, and Gridora needs it to draw its sheets. Switch WebAssembly on, or open this page in a current version of Firefox, Chrome, Edge or Safari.</source>
        <translation>Este navegador tiene WebAssembly desactivado o no lo tiene, y Gridora lo necesita para dibujar sus hojas. Active WebAssembly o abra esta página en una versión actual de Firefox, Chrome, Edge o Safari.</translation>
    </message>
    <message>
        <source>A sheet for every pupil</source>
        <translation>Una hoja para cada alumno</translation>
    </message>
    <message>
        <source>One page for each name, in this order, of the paper chosen in the window.</source>
        <translation>Una página para cada nombre, en este orden, del papel elegido en la ventana.</translation>
    </message>
    <message>
        <source>Names, one per line</source>
        <translation>Nombres, uno por línea</translation>
    </message>
    <message>
        <source>Names from a text or CSV file (first column)</source>
        <translation>Nombres de un archivo de texto o CSV (primera columna)</translation>
    </message>
    <message>
        <source>The file&apos;s first row is a header</source>
        <translation>La primera fila del archivo es un encabezado</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Making the PDF…</source>
        <translation>Creando el PDF…</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 guardado.</translation>
    </message>
    <message>
        <source>The PDF could not be made: %1</source>
        <translation>No se ha podido crear el PDF: %1</translation>
    </message>
    <message>
        <source>No names yet.</source>
        <translation>Todavía no hay nombres.</translation>
    </message>
    <message>
        <source>1 page will print.</source>
        <translation>Se imprimirá 1 página.</translation>
    </message>
    <message>
        <source>%1 pages will print.</source>
        <translation>Se imprimirán %1 páginas.</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>la línea %1</translation>
    </message>
    <message>
        <source>%1 - class set.pdf</source>
        <translation>%1 - hojas para la clase.pdf</translation>
    </message>
    <message>
        <source>The name on %1, &quot;%2&quot;, has letters Gridora cannot print (%3): they would come out as empty boxes. Write the name another way.</source>
        <translation>El nombre de %1, «%2», tiene letras que Gridora no puede imprimir (%3): saldrían como casillas vacías. Escriba el nombre de otra manera.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has letters Gridora cannot print (%2): they would come out as empty boxes. Write the name another way.</source>
        <translation>El nombre «%1» tiene letras que Gridora no puede imprimir (%2): saldrían como casillas vacías. Escriba el nombre de otra manera.</translation>
    </message>
    <message>
        <source>A new version of Gridora is ready</source>
        <translation>Hay una nueva versión de Gridora lista</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>A browser cannot ask the printer, so tell Gridora what it prints on. The sheet keeps a margin of ¼ inch (6.35 mm) on every side.</source>
        <translation>Un navegador no puede preguntar a la impresora: indique a Gridora en qué papel imprime. La hoja deja un margen de ¼ de pulgada (6,35 mm) en cada lado.</translation>
    </message>
    <message>
        <source>Gridora cannot draw its sheets</source>
        <translation>Gridora no puede dibujar sus hojas</translation>
    </message>
    <message>
        <source>Reload the page. If this goes on, tell whoever looks after the school&apos;s web server.</source>
        <translation>Recargue la página. Si sigue pasando, avise a quien se ocupa del servidor web del centro.</translation>
    </message>
    <message>
        <source>What the server must send (user guide)</source>
        <translation>Lo que debe enviar el servidor (guía del usuario, en inglés)</translation>
    </message>
    <message>
        <source>The class set&apos;s PDF being made</source>
        <translation>Creando el PDF de las hojas para la clase</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Gridora&apos;s drawing core could not be loaded from the server: %1</source>
        <translation>No se ha podido cargar desde el servidor el núcleo de dibujo de Gridora: %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>No se ha podido leer %1: %2</translation>
    </message>
    <message>
        <source>Writing the PDF file…</source>
        <translation>Escribiendo el archivo PDF…</translation>
    </message>
    <message>
        <source>Laying out 1 page…</source>
        <translation>Maquetando 1 página…</translation>
    </message>
    <message>
        <source>Laying out %1 pages…</source>
        <translation>Maquetando %1 páginas…</translation>
    </message>
    <message>
        <source>Cancelled: no PDF was saved.</source>
        <translation>Cancelado: no se ha guardado ningún PDF.</translation>
    </message>
    <message>
        <source>In the print dialog, choose %1 paper, landscape, and a scale of 100 % (“Actual size”), not “Fit to page”.</source>
        <translation>En el diálogo de impresión, elija papel %1 en horizontal y una escala del 100 % («Tamaño real»), no «Ajustar a la página».</translation>
    </message>
    <message>
        <source>In the print dialog, choose %1 paper, and a scale of 100 % (“Actual size”), not “Fit to page”.</source>
        <translation>En el diálogo de impresión, elija papel %1 y una escala del 100 % («Tamaño real»), no «Ajustar a la página».</translation>
    </message>
    <message>
        <source>Printers in this browser&apos;s region usually hold %1 paper. On %1, this %2 sheet prints shrunk to %3 %: choose the paper your printer holds.</source>
        <translation>En la región de este navegador las impresoras suelen tener papel %1. En %1, esta hoja %2 se imprime reducida al %3 %: elija el papel que tiene su impresora.</translation>
    </message>
    <message>
        <source>Turned sideways, a Squared sheet’s cells are not square: they become long rectangles, more than twice as wide as they are tall.</source>
        <translation>Girada de lado, una hoja cuadriculada no tiene cuadros cuadrados: se vuelven rectángulos largos, más del doble de anchos que de altos.</translation>
    </message>
</context>
<context>
    <name>Class lists</name>
    <message>
        <source>holds a NUL byte: it is no text file, or not UTF-8</source>
        <translation>contiene un byte NUL: no es un archivo de texto o no está en UTF-8</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>is larger than %1 MB</source>
        <translation>ocupa más de %1 MB</translation>
    </message>
    <message>
        <source>opens a quoted field that never ends</source>
        <translation>abre un campo entre comillas que nunca se cierra</translation>
    </message>
    <message>
        <source>holds a name longer than %1 characters</source>
        <translation>contiene un nombre de más de %1 caracteres</translation>
    </message>
    <message>
        <source>holds name %1, over the limit of %2</source>
        <translation>contiene el nombre n.º %1, por encima del límite de %2</translation>
    </message>
    <message>
        <source>holds no names</source>
        <translation>no contiene ningún nombre</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>La lista</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>La línea %1</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>La línea %1 de %2</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>is not UTF-16 text</source>
        <translation>no es texto UTF-16</translation>
    </message>
</context>
<context>
    <name>ClassSetDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Hojas para la clase</translation>
    </message>
    <message>
        <source>&amp;Names, one per line:</source>
        <translation>&amp;Nombres, uno por línea:</translation>
    </message>
    <message>
        <source>Names, one per line</source>
        <translation>Nombres, uno por línea</translation>
    </message>
    <message>
        <source>&amp;Load from File...</source>
        <translation>&amp;Cargar desde archivo...</translation>
    </message>
    <message>
        <source>First line is a &amp;header</source>
        <translation>La primera línea es un &amp;encabezado</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Guardar como P&amp;DF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Every name below gets its own page of %1, with the name in the top-left corner, in the order of the list.</source>
        <translation>Cada nombre de abajo recibe su propia hoja de %1, con el nombre en la esquina superior izquierda, en el orden de la lista.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>1 page will print.</source>
        <translation>Se imprimirá 1 página.</translation>
    </message>
    <message>
        <source>%1 pages will print.</source>
        <translation>Se imprimirán %1 páginas.</translation>
    </message>
    <message>
        <source>No names yet.</source>
        <translation>Todavía no hay nombres.</translation>
    </message>
    <message>
        <source>Load Names</source>
        <translation>Cargar nombres</translation>
    </message>
    <message>
        <source>Names (*.txt *.csv);;All files (*)</source>
        <translation>Nombres (*.txt *.csv);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Graph Paper</source>
        <translation>Papel milimetrado</translation>
    </message>
    <message>
        <source>Print graph paper for the classroom</source>
        <translation>Imprimir papel milimetrado para la clase</translation>
    </message>
    <message>
        <source>Print squared, semi-log, log, spacetime and millimetre graph paper for the classroom</source>
        <translation>Imprimir papel cuadriculado, semilogarítmico, logarítmico, de espacio-tiempo y milimetrado para la clase</translation>
    </message>
    <message>
        <source>graph;paper;grid;logarithmic;semilog;spacetime;relativity;millimetre;millimeter;print;worksheet;</source>
        <translation>papel milimetrado;cuadriculado;papel;cuadrícula;logarítmico;semilogarítmico;espacio-tiempo;relatividad;imprimir;ficha;</translation>
    </message>
</context>
<context>
    <name>Kinds</name>
    <message>
        <source>Squared</source>
        <translation>Cuadriculado</translation>
    </message>
    <message>
        <source>10x15</source>
        <translation>10x15</translation>
    </message>
    <message>
        <source>Semi log</source>
        <translation>Semilogarítmico</translation>
    </message>
    <message>
        <source>10x1 cycle</source>
        <translation>10x1 ciclo</translation>
    </message>
    <message>
        <source>10x2 cycle</source>
        <translation>10x2 ciclos</translation>
    </message>
    <message>
        <source>10x3 cycle</source>
        <translation>10x3 ciclos</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Logarítmico</translation>
    </message>
    <message>
        <source>1x1</source>
        <translation>1x1</translation>
    </message>
    <message>
        <source>2x2</source>
        <translation>2x2</translation>
    </message>
    <message>
        <source>3x3</source>
        <translation>3x3</translation>
    </message>
    <message>
        <source>Spacetime</source>
        <translation>Espacio-tiempo</translation>
    </message>
    <message>
        <source>Millimetre</source>
        <translation>Papel milimetrado</translation>
    </message>
</context>
<context>
    <name>LicenceViewer</name>
    <message>
        <source>License Agreement</source>
        <translation>Acuerdo de licencia</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>Acuerdo</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The PDF page could not be laid out on %1</source>
        <translation>No se ha podido maquetar la página PDF en %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped, so the page was not printed.</source>
        <translation>La impresora «%1» está detenida, así que no se ha impreso la página.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting pages, so the page was not printed.</source>
        <translation>La impresora «%1» no acepta páginas, así que no se ha impreso la página.</translation>
    </message>
    <message>
        <source>The print server refused the page: %1. Nothing was printed.</source>
        <translation>El servidor de impresión ha rechazado la página: %1. No se ha impreso nada.</translation>
    </message>
    <message>
        <source>The print server is not answering, so the page was not printed.</source>
        <translation>El servidor de impresión no responde, así que no se ha impreso la página.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page image of %1 x %2 pixels</source>
        <translation>No hay memoria suficiente para una imagen de página de %1 × %2 píxeles</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora predeterminada seleccionada</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La impresora seleccionada no es válida</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Impresión en curso</translation>
    </message>
    <message>
        <source>Printing not in progress</source>
        <translation>No hay ninguna impresión en curso</translation>
    </message>
    <message>
        <source>This kind of file holds one page only</source>
        <translation>Este tipo de archivo solo admite una página</translation>
    </message>
    <message>
        <source>The page could not be written</source>
        <translation>No se ha podido escribir la página</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped (it says &quot;%2&quot;), so the page was not printed.</source>
        <translation>La impresora «%1» está detenida (indica «%2»), así que no se ha impreso la página.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting pages (it says &quot;%2&quot;), so the page was not printed.</source>
        <translation>La impresora «%1» no acepta páginas (indica «%2»), así que no se ha impreso la página.</translation>
    </message>
    <message>
        <source>The print server is not answering, so no printer can be chosen now.</source>
        <translation>El servidor de impresión no responde, así que ahora no se puede elegir ninguna impresora.</translation>
    </message>
</context>
<context>
    <name>gridora::app::MainWindow</name>
    <message>
        <source>Choose Your Graph......</source>
        <translation>Elija su papel......</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Papel</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation>&amp;Configurar impresora</translation>
    </message>
    <message>
        <source>&amp;Class Set...</source>
        <translation>Hojas para la c&amp;lase...</translation>
    </message>
    <message>
        <source>Save &amp;as PDF...</source>
        <translation>&amp;Guardar como PDF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de Gridora</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Graph to be Printed</source>
        <translation>Hoja que se imprimirá</translation>
    </message>
    <message>
        <source>Spacetime</source>
        <translation>Espacio-tiempo</translation>
    </message>
    <message>
        <source>Prints name entered on graph paper</source>
        <translation>Imprime en el papel el nombre escrito</translation>
    </message>
    <message>
        <source>Kind of graph paper</source>
        <translation>Tipo de papel</translation>
    </message>
    <message>
        <source>Size of the graph paper</source>
        <translation>Tamaño del papel</translation>
    </message>
    <message>
        <source>Velocity of the moving frame</source>
        <translation>Velocidad del sistema de referencia en movimiento</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Sample of the graph paper</source>
        <translation>Vista previa del papel</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Printing the class set...</source>
        <translation>Imprimiendo las hojas para la clase...</translation>
    </message>
    <message>
        <source>The class set was cancelled: nothing was sent to the printer.</source>
        <translation>Se han cancelado las hojas para la clase: no se ha enviado nada a la impresora.</translation>
    </message>
    <message>
        <source>Saving the PDF file...</source>
        <translation>Guardando el archivo PDF...</translation>
    </message>
    <message>
        <source>Saving the PDF file was cancelled: nothing was written.</source>
        <translation>Se ha cancelado el guardado del archivo PDF: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be saved: %2.</source>
        <translation>No se ha podido guardar el archivo PDF «%1»: %2.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>An unexpected error occurred</source>
        <translation>Se ha producido un error inesperado</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>&quot;%1&quot; paper</source>
        <translation>papel «%1»</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Hojas para la clase</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is too long for the page: its end will be cut off. Go on anyway?</source>
        <translation>El nombre «%1» es demasiado largo para la página: su final quedará cortado. ¿Continuar de todos modos?</translation>
    </message>
    <message>
        <source>%1 names are too long for the page and will be cut off, such as &quot;%2&quot;. Go on anyway?</source>
        <translation>%1 nombres son demasiado largos para la página y quedarán cortados, por ejemplo «%2». ¿Continuar de todos modos?</translation>
    </message>
    <message>
        <source>Sample of %1 paper</source>
        <translation>Muestra de papel «%1»</translation>
    </message>
    <message>
        <source>Sample of %1 paper, %2</source>
        <translation>Muestra de papel «%1», %2</translation>
    </message>
</context>
<context>
    <name>gridora::dialogs::ClickLabel</name>
    <message>
        <source>link</source>
        <translation>enlace</translation>
    </message>
</context>
</TS>
