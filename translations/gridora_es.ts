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
        <source>Print squared, semi-log, log and spacetime graph paper for the classroom</source>
        <translation>Imprimir papel cuadriculado, semilogarítmico, logarítmico y de espacio-tiempo para la clase</translation>
    </message>
    <message>
        <source>graph;paper;grid;logarithmic;semilog;spacetime;relativity;print;worksheet;</source>
        <translation>papel milimetrado;cuadriculado;papel;cuadrícula;logarítmico;semilogarítmico;espacio-tiempo;relatividad;imprimir;ficha;</translation>
    </message>
    <message>
        <source>Print graph paper for the classroom</source>
        <translation>Imprimir papel milimetrado para la clase</translation>
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
</context>
<context>
    <name>gridora::dialogs::ClickLabel</name>
    <message>
        <source>link</source>
        <translation>enlace</translation>
    </message>
</context>
</TS>
