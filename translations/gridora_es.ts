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
    <name>gridora::dialogs::ClickLabel</name>
    <message>
        <source>link</source>
        <translation>enlace</translation>
    </message>
</context>
</TS>
