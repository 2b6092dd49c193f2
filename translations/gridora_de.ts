<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Gridora is free software under the MIT licence. Print as many sheets as your classes need, and copy, change or share the program, as long as the copyright notice and the licence go with it. It comes with no warranty of any kind: see the licence agreement below.</source>
        <translation>Gridora ist freie Software unter der MIT-Lizenz. Drucken Sie so viele Blätter, wie Ihre Klassen brauchen, und kopieren, ändern oder teilen Sie das Programm, solange Urheberrechtshinweis und Lizenz dabei bleiben. Es gibt keinerlei Gewährleistung: siehe die Lizenz unten.</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>Presented by:</source>
        <translation>Herausgegeben von:</translation>
    </message>
    <message>
        <source>For more info visit:</source>
        <translation>Mehr dazu:</translation>
    </message>
    <message>
        <source>Gridora user guide</source>
        <translation>Handbuch (engl.)</translation>
    </message>
    <message>
        <source>View License Agreement</source>
        <translation>Lizenz anzeigen</translation>
    </message>
    <message>
        <source>© 2026 The Gridora developers</source>
        <translation>© 2026 Die Gridora-Entwickler</translation>
    </message>
    <message>
        <source>Open the Gridora user guide</source>
        <translation>Das Gridora-Handbuch öffnen (auf Englisch)</translation>
    </message>
    <message>
        <source>Gridora logo: open the user guide</source>
        <translation>Gridora-Logo: das Handbuch öffnen (auf Englisch)</translation>
    </message>
    <message>
        <source>Product Name: %1</source>
        <translation>Produktname: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version: %1</translation>
    </message>
</context>
<context>
    <name>ClassSetDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Klassensatz</translation>
    </message>
    <message>
        <source>&amp;Names, one per line:</source>
        <translation>&amp;Namen, einer pro Zeile:</translation>
    </message>
    <message>
        <source>Names, one per line</source>
        <translation>Namen, einer pro Zeile</translation>
    </message>
    <message>
        <source>&amp;Load from File...</source>
        <translation>Aus &amp;Datei laden...</translation>
    </message>
    <message>
        <source>First line is a &amp;header</source>
        <translation>Erste Zeile ist eine &amp;Überschrift</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Als P&amp;DF speichern...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Every name below gets its own page of %1, with the name in the top-left corner, in the order of the list.</source>
        <translation>Jeder Name unten bekommt ein eigenes Blatt %1, mit dem Namen oben links, in der Reihenfolge der Liste.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>1 page will print.</source>
        <translation>1 Seite wird gedruckt.</translation>
    </message>
    <message>
        <source>%1 pages will print.</source>
        <translation>%1 Seiten werden gedruckt.</translation>
    </message>
    <message>
        <source>No names yet.</source>
        <translation>Noch keine Namen.</translation>
    </message>
    <message>
        <source>Load Names</source>
        <translation>Namen laden</translation>
    </message>
    <message>
        <source>Names (*.txt *.csv);;All files (*)</source>
        <translation>Namen (*.txt *.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Graph Paper</source>
        <translation>Millimeterpapier</translation>
    </message>
    <message>
        <source>Print squared, semi-log, log and spacetime graph paper for the classroom</source>
        <translation>Karopapier, einfach- und doppelt-logarithmisches Papier und Raumzeit-Papier für den Unterricht drucken</translation>
    </message>
    <message>
        <source>graph;paper;grid;logarithmic;semilog;spacetime;relativity;print;worksheet;</source>
        <translation>Millimeterpapier;Karopapier;Papier;Raster;logarithmisch;einfach-logarithmisch;doppelt-logarithmisch;Raumzeit;Relativitätstheorie;drucken;Arbeitsblatt;</translation>
    </message>
    <message>
        <source>Print graph paper for the classroom</source>
        <translation>Millimeterpapier für den Unterricht drucken</translation>
    </message>
</context>
<context>
    <name>LicenceViewer</name>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>Vereinbarung</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>gridora::app::MainWindow</name>
    <message>
        <source>Choose Your Graph......</source>
        <translation>Papier auswählen......</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation>Drucker&amp;einrichtung</translation>
    </message>
    <message>
        <source>&amp;Class Set...</source>
        <translation>&amp;Klassensatz...</translation>
    </message>
    <message>
        <source>Save &amp;as PDF...</source>
        <translation>Als PDF &amp;speichern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über Gridora</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Graph to be Printed</source>
        <translation>Zu druckendes Blatt</translation>
    </message>
    <message>
        <source>Spacetime</source>
        <translation>Raumzeit</translation>
    </message>
    <message>
        <source>Prints name entered on graph paper</source>
        <translation>Druckt den eingegebenen Namen auf das Papier</translation>
    </message>
    <message>
        <source>Kind of graph paper</source>
        <translation>Papiersorte</translation>
    </message>
    <message>
        <source>Size of the graph paper</source>
        <translation>Einteilung des Papiers</translation>
    </message>
    <message>
        <source>Velocity of the moving frame</source>
        <translation>Geschwindigkeit des bewegten Bezugssystems</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Sample of the graph paper</source>
        <translation>Vorschau des Papiers</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Printing the class set...</source>
        <translation>Der Klassensatz wird gedruckt...</translation>
    </message>
    <message>
        <source>The class set was cancelled: nothing was sent to the printer.</source>
        <translation>Der Klassensatz wurde abgebrochen: Es wurde nichts an den Drucker geschickt.</translation>
    </message>
    <message>
        <source>Saving the PDF file...</source>
        <translation>Die PDF-Datei wird gespeichert...</translation>
    </message>
    <message>
        <source>Saving the PDF file was cancelled: nothing was written.</source>
        <translation>Das Speichern der PDF-Datei wurde abgebrochen: Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be saved: %2.</source>
        <translation>Die PDF-Datei „%1“ konnte nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>An unexpected error occurred</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>&quot;%1&quot; paper</source>
        <translation>„%1“-Papier</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Klassensatz</translation>
    </message>
</context>
<context>
    <name>gridora::dialogs::ClickLabel</name>
    <message>
        <source>link</source>
        <translation>Link</translation>
    </message>
</context>
</TS>
