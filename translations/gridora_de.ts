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
    <name>Browser</name>
    <message>
        <source>Gridora: Choose Your Graph</source>
        <translation>Gridora: Papier auswählen</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Printer resolution</source>
        <translation>Druckerauflösung</translation>
    </message>
    <message>
        <source>Download PDF</source>
        <translation>PDF herunterladen</translation>
    </message>
    <message>
        <source>Class set…</source>
        <translation>Klassensatz…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Gridora</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Gridora is free software under the MIT licence.</source>
        <translation>Gridora ist freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>The licence</source>
        <translation>Die Lizenz (auf Englisch)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Handbuch (auf Englisch)</translation>
    </message>
    <message>
        <source>Gridora cannot run in this browser</source>
        <translation>Gridora kann in diesem Browser nicht laufen</translation>
    </message>
    <message>
        <source>This browser has WebAssembly switched off or does not have it, and Gridora needs it to draw its sheets. Switch WebAssembly on, or open this page in a current version of Firefox, Chrome, Edge or Safari.</source>
        <translation>In diesem Browser ist WebAssembly ausgeschaltet oder fehlt, und Gridora braucht es, um seine Blätter zu zeichnen. Schalten Sie WebAssembly ein oder öffnen Sie diese Seite in einer aktuellen Version von Firefox, Chrome, Edge oder Safari.</translation>
    </message>
    <message>
        <source>A sheet for every pupil</source>
        <translation>Ein Blatt für jede Schülerin und jeden Schüler</translation>
    </message>
    <message>
        <source>One page for each name, in this order, of the paper chosen in the window.</source>
        <translation>Eine Seite für jeden Namen, in dieser Reihenfolge, mit dem im Fenster gewählten Papier.</translation>
    </message>
    <message>
        <source>Names, one per line</source>
        <translation>Namen, einer pro Zeile</translation>
    </message>
    <message>
        <source>Names from a text or CSV file (first column)</source>
        <translation>Namen aus einer Text- oder CSV-Datei (erste Spalte)</translation>
    </message>
    <message>
        <source>The file&apos;s first row is a header</source>
        <translation>Die erste Zeile der Datei ist eine Überschrift</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Making the PDF…</source>
        <translation>Das PDF wird erstellt…</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 gespeichert.</translation>
    </message>
    <message>
        <source>The PDF could not be made: %1</source>
        <translation>Das PDF konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>No names yet.</source>
        <translation>Noch keine Namen.</translation>
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
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 - class set.pdf</source>
        <translation>%1 - Klassensatz.pdf</translation>
    </message>
    <message>
        <source>The name on %1, &quot;%2&quot;, has letters Gridora cannot print (%3): they would come out as empty boxes. Write the name another way.</source>
        <translation>Der Name in %1, „%2“, hat Buchstaben, die Gridora nicht drucken kann (%3): Sie kämen als leere Kästchen heraus. Schreiben Sie den Namen anders.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has letters Gridora cannot print (%2): they would come out as empty boxes. Write the name another way.</source>
        <translation>Der Name „%1“ hat Buchstaben, die Gridora nicht drucken kann (%2): Sie kämen als leere Kästchen heraus. Schreiben Sie den Namen anders.</translation>
    </message>
    <message>
        <source>A new version of Gridora is ready</source>
        <translation>Eine neue Version von Gridora ist bereit</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>A browser cannot ask the printer, so tell Gridora what it prints on. The sheet keeps a margin of ¼ inch (6.35 mm) on every side.</source>
        <translation>Ein Browser kann den Drucker nicht fragen: Sagen Sie Gridora, worauf er druckt. Das Blatt hält auf jeder Seite einen Rand von ¼ Zoll (6,35 mm) frei.</translation>
    </message>
    <message>
        <source>Gridora cannot draw its sheets</source>
        <translation>Gridora kann seine Blätter nicht zeichnen</translation>
    </message>
    <message>
        <source>Reload the page. If this goes on, tell whoever looks after the school&apos;s web server.</source>
        <translation>Laden Sie die Seite neu. Wenn das so bleibt, sagen Sie es der Person, die den Webserver der Schule betreut.</translation>
    </message>
    <message>
        <source>What the server must send (user guide)</source>
        <translation>Was der Server senden muss (Handbuch, auf Englisch)</translation>
    </message>
    <message>
        <source>The class set&apos;s PDF being made</source>
        <translation>Das PDF des Klassensatzes wird erstellt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Gridora&apos;s drawing core could not be loaded from the server: %1</source>
        <translation>Der Zeichenkern von Gridora konnte nicht vom Server geladen werden: %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Writing the PDF file…</source>
        <translation>Die PDF-Datei wird geschrieben…</translation>
    </message>
    <message>
        <source>Laying out 1 page…</source>
        <translation>1 Seite wird angelegt…</translation>
    </message>
    <message>
        <source>Laying out %1 pages…</source>
        <translation>%1 Seiten werden angelegt…</translation>
    </message>
    <message>
        <source>Cancelled: no PDF was saved.</source>
        <translation>Abgebrochen: Es wurde kein PDF gespeichert.</translation>
    </message>
    <message>
        <source>In the print dialog, choose %1 paper, landscape, and a scale of 100 % (“Actual size”), not “Fit to page”.</source>
        <translation>Wählen Sie im Druckdialog Papier %1 im Querformat und einen Maßstab von 100 % („Tatsächliche Größe“), nicht „An Seite anpassen“.</translation>
    </message>
    <message>
        <source>In the print dialog, choose %1 paper, and a scale of 100 % (“Actual size”), not “Fit to page”.</source>
        <translation>Wählen Sie im Druckdialog Papier %1 und einen Maßstab von 100 % („Tatsächliche Größe“), nicht „An Seite anpassen“.</translation>
    </message>
    <message>
        <source>Printers in this browser&apos;s region usually hold %1 paper. On %1, this %2 sheet prints shrunk to %3 %: choose the paper your printer holds.</source>
        <translation>Drucker in der Region dieses Browsers haben meist Papier %1. Auf %1 wird dieses Blatt %2 auf %3 % verkleinert gedruckt: Wählen Sie das Papier, das Ihr Drucker hat.</translation>
    </message>
    <message>
        <source>Turned sideways, a Squared sheet’s cells are not square: they become long rectangles, more than twice as wide as they are tall.</source>
        <translation>Quer gedreht sind die Kästchen eines karierten Blatts nicht quadratisch: Sie werden lange Rechtecke, mehr als doppelt so breit wie hoch.</translation>
    </message>
</context>
<context>
    <name>Class lists</name>
    <message>
        <source>holds a NUL byte: it is no text file, or not UTF-8</source>
        <translation>enthält ein NUL-Byte: Es ist keine Textdatei oder kein UTF-8</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>is larger than %1 MB</source>
        <translation>ist größer als %1 MB</translation>
    </message>
    <message>
        <source>opens a quoted field that never ends</source>
        <translation>öffnet ein Feld in Anführungszeichen, das nie endet</translation>
    </message>
    <message>
        <source>holds a name longer than %1 characters</source>
        <translation>enthält einen Namen mit mehr als %1 Zeichen</translation>
    </message>
    <message>
        <source>holds name %1, over the limit of %2</source>
        <translation>enthält Name Nr. %1, über der Grenze von %2</translation>
    </message>
    <message>
        <source>holds no names</source>
        <translation>enthält keine Namen</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>Die Liste</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Zeile %1 von %2</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>is not UTF-16 text</source>
        <translation>ist kein UTF-16-Text</translation>
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
        <source>Print graph paper for the classroom</source>
        <translation>Millimeterpapier für den Unterricht drucken</translation>
    </message>
    <message>
        <source>Print squared, semi-log, log, spacetime and millimetre graph paper for the classroom</source>
        <translation>Karopapier, einfach- und doppelt-logarithmisches Papier, Raumzeit-Papier und Millimeterpapier für den Unterricht drucken</translation>
    </message>
    <message>
        <source>graph;paper;grid;logarithmic;semilog;spacetime;relativity;millimetre;millimeter;print;worksheet;</source>
        <translation>Millimeterpapier;Karopapier;Papier;Raster;logarithmisch;einfach-logarithmisch;doppelt-logarithmisch;Raumzeit;Relativitätstheorie;drucken;Arbeitsblatt;</translation>
    </message>
</context>
<context>
    <name>Kinds</name>
    <message>
        <source>Squared</source>
        <translation>Kariert</translation>
    </message>
    <message>
        <source>10x15</source>
        <translation>10x15</translation>
    </message>
    <message>
        <source>Semi log</source>
        <translation>Einfach-log.</translation>
    </message>
    <message>
        <source>10x1 cycle</source>
        <translation>10x1 Dekade</translation>
    </message>
    <message>
        <source>10x2 cycle</source>
        <translation>10x2 Dekaden</translation>
    </message>
    <message>
        <source>10x3 cycle</source>
        <translation>10x3 Dekaden</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Doppelt-log.</translation>
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
        <translation>Raumzeit</translation>
    </message>
    <message>
        <source>Millimetre</source>
        <translation>Millimeterpapier</translation>
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
    <name>Messages</name>
    <message>
        <source>The PDF page could not be laid out on %1</source>
        <translation>Die PDF-Seite konnte nicht auf %1 angelegt werden</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped, so the page was not printed.</source>
        <translation>Der Drucker „%1“ ist angehalten, deshalb wurde die Seite nicht gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting pages, so the page was not printed.</source>
        <translation>Der Drucker „%1“ nimmt keine Seiten an, deshalb wurde die Seite nicht gedruckt.</translation>
    </message>
    <message>
        <source>The print server refused the page: %1. Nothing was printed.</source>
        <translation>Der Druckserver hat die Seite abgelehnt: %1. Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The print server is not answering, so the page was not printed.</source>
        <translation>Der Druckserver antwortet nicht, deshalb wurde die Seite nicht gedruckt.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page image of %1 x %2 pixels</source>
        <translation>Es ist nicht genug Speicher für ein Seitenbild von %1 × %2 Pixeln frei</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Es ist kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der gewählte Drucker ist ungültig</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Es wird bereits gedruckt</translation>
    </message>
    <message>
        <source>Printing not in progress</source>
        <translation>Es wird gerade nicht gedruckt</translation>
    </message>
    <message>
        <source>This kind of file holds one page only</source>
        <translation>Diese Art von Datei fasst nur eine Seite</translation>
    </message>
    <message>
        <source>The page could not be written</source>
        <translation>Die Seite konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped (it says &quot;%2&quot;), so the page was not printed.</source>
        <translation>Der Drucker „%1“ ist angehalten (er meldet „%2“), deshalb wurde die Seite nicht gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting pages (it says &quot;%2&quot;), so the page was not printed.</source>
        <translation>Der Drucker „%1“ nimmt keine Seiten an (er meldet „%2“), deshalb wurde die Seite nicht gedruckt.</translation>
    </message>
    <message>
        <source>The print server is not answering, so no printer can be chosen now.</source>
        <translation>Der Druckserver antwortet nicht, deshalb kann gerade kein Drucker gewählt werden.</translation>
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
    <message>
        <source>The name &quot;%1&quot; is too long for the page: its end will be cut off. Go on anyway?</source>
        <translation>Der Name „%1“ ist zu lang für die Seite: Sein Ende wird abgeschnitten. Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>%1 names are too long for the page and will be cut off, such as &quot;%2&quot;. Go on anyway?</source>
        <translation>%1 Namen sind zu lang für die Seite und werden abgeschnitten, zum Beispiel „%2“. Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Sample of %1 paper</source>
        <translation>Muster des Papiers „%1“</translation>
    </message>
    <message>
        <source>Sample of %1 paper, %2</source>
        <translation>Muster des Papiers „%1“, %2</translation>
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
