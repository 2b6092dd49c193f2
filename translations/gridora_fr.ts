<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AboutBox</name>
    <message>
        <source>Gridora is free software under the MIT licence. Print as many sheets as your classes need, and copy, change or share the program, as long as the copyright notice and the licence go with it. It comes with no warranty of any kind: see the licence agreement below.</source>
        <translation>Gridora est un logiciel libre sous licence MIT. Imprimez autant de feuilles que vos classes en ont besoin, copiez, modifiez ou partagez le programme, à condition d&apos;y joindre l&apos;avis de droit d&apos;auteur et la licence. Il est fourni sans aucune garantie&#xa0;: voir la licence ci-dessous.</translation>
    </message>
    <message>
        <source>Comments:</source>
        <translation>Remarques&#xa0;:</translation>
    </message>
    <message>
        <source>Presented by:</source>
        <translation>Présenté par&#xa0;:</translation>
    </message>
    <message>
        <source>For more info visit:</source>
        <translation>En savoir plus&#xa0;:</translation>
    </message>
    <message>
        <source>Gridora user guide</source>
        <translation>Guide (en anglais)</translation>
    </message>
    <message>
        <source>View License Agreement</source>
        <translation>Voir la licence</translation>
    </message>
    <message>
        <source>© 2026 The Gridora developers</source>
        <translation>© 2026 Les développeurs de Gridora</translation>
    </message>
    <message>
        <source>Open the Gridora user guide</source>
        <translation>Ouvrir le guide d&apos;utilisation de Gridora (en anglais)</translation>
    </message>
    <message>
        <source>Gridora logo: open the user guide</source>
        <translation>Logo de Gridora&#xa0;: ouvrir le guide d&apos;utilisation (en anglais)</translation>
    </message>
    <message>
        <source>Product Name: %1</source>
        <translation>Nom du produit&#xa0;: %1</translation>
    </message>
    <message>
        <source>Version: %1</source>
        <translation>Version&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>Gridora: Choose Your Graph</source>
        <translation>Gridora&#xa0;: choisissez votre papier</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Printer resolution</source>
        <translation>Résolution de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Download PDF</source>
        <translation>Télécharger le PDF</translation>
    </message>
    <message>
        <source>Class set…</source>
        <translation>Série pour la classe…</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Gridora is free software under the MIT licence.</source>
        <translation>Gridora est un logiciel libre sous licence MIT.</translation>
    </message>
    <message>
        <source>The licence</source>
        <translation>La licence (en anglais)</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide d&apos;utilisation (en anglais)</translation>
    </message>
    <message>
        <source>Gridora cannot run in this browser</source>
        <translation>Gridora ne peut pas fonctionner dans ce navigateur</translation>
    </message>
    <message>
        <source>This browser has WebAssembly switched off or does not have it, and Gridora needs it to draw its sheets. Switch WebAssembly on, or open this page in a current version of Firefox, Chrome, Edge or Safari.</source>
        <translation>Ce navigateur n&apos;a pas WebAssembly ou l&apos;a désactivé, et Gridora en a besoin pour dessiner ses feuilles. Activez WebAssembly, ou ouvrez cette page dans une version récente de Firefox, Chrome, Edge ou Safari.</translation>
    </message>
    <message>
        <source>A sheet for every pupil</source>
        <translation>Une feuille pour chaque élève</translation>
    </message>
    <message>
        <source>One page for each name, in this order, of the paper chosen in the window.</source>
        <translation>Une page pour chaque nom, dans cet ordre, du papier choisi dans la fenêtre.</translation>
    </message>
    <message>
        <source>Names, one per line</source>
        <translation>Noms, un par ligne</translation>
    </message>
    <message>
        <source>Names from a text or CSV file (first column)</source>
        <translation>Noms depuis un fichier texte ou CSV (première colonne)</translation>
    </message>
    <message>
        <source>The file&apos;s first row is a header</source>
        <translation>La première ligne du fichier est un titre</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Making the PDF…</source>
        <translation>Création du PDF…</translation>
    </message>
    <message>
        <source>Saved %1.</source>
        <translation>%1 enregistré.</translation>
    </message>
    <message>
        <source>The PDF could not be made: %1</source>
        <translation>Le PDF n&apos;a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>No names yet.</source>
        <translation>Aucun nom pour l&apos;instant.</translation>
    </message>
    <message>
        <source>1 page will print.</source>
        <translation>1 page sera imprimée.</translation>
    </message>
    <message>
        <source>%1 pages will print.</source>
        <translation>%1 pages seront imprimées.</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>la ligne %1</translation>
    </message>
    <message>
        <source>%1 - class set.pdf</source>
        <translation>%1 - série pour la classe.pdf</translation>
    </message>
    <message>
        <source>The name on %1, &quot;%2&quot;, has letters Gridora cannot print (%3): they would come out as empty boxes. Write the name another way.</source>
        <translation>Le nom de %1, «&#xa0;%2&#xa0;», contient des lettres que Gridora ne peut pas imprimer (%3)&#xa0;: elles sortiraient en cases vides. Écrivez le nom autrement.</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; has letters Gridora cannot print (%2): they would come out as empty boxes. Write the name another way.</source>
        <translation>Le nom «&#xa0;%1&#xa0;» contient des lettres que Gridora ne peut pas imprimer (%2)&#xa0;: elles sortiraient en cases vides. Écrivez le nom autrement.</translation>
    </message>
    <message>
        <source>A new version of Gridora is ready</source>
        <translation>Une nouvelle version de Gridora est prête</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Recharger</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>A browser cannot ask the printer, so tell Gridora what it prints on. The sheet keeps a margin of ¼ inch (6.35 mm) on every side.</source>
        <translation>Un navigateur ne peut pas interroger l&apos;imprimante&#xa0;: indiquez à Gridora sur quoi elle imprime. La feuille garde une marge de ¼ de pouce (6,35 mm) de chaque côté.</translation>
    </message>
    <message>
        <source>Gridora cannot draw its sheets</source>
        <translation>Gridora ne peut pas dessiner ses feuilles</translation>
    </message>
    <message>
        <source>Reload the page. If this goes on, tell whoever looks after the school&apos;s web server.</source>
        <translation>Rechargez la page. Si cela continue, prévenez la personne qui s&apos;occupe du serveur web de l&apos;école.</translation>
    </message>
    <message>
        <source>What the server must send (user guide)</source>
        <translation>Ce que le serveur doit envoyer (guide d&apos;utilisation, en anglais)</translation>
    </message>
    <message>
        <source>The class set&apos;s PDF being made</source>
        <translation>Création du PDF de la série pour la classe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Gridora&apos;s drawing core could not be loaded from the server: %1</source>
        <translation>Le moteur de dessin de Gridora n&apos;a pas pu être chargé depuis le serveur&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Writing the PDF file…</source>
        <translation>Écriture du fichier PDF…</translation>
    </message>
    <message>
        <source>Laying out 1 page…</source>
        <translation>Mise en page d&apos;une page…</translation>
    </message>
    <message>
        <source>Laying out %1 pages…</source>
        <translation>Mise en page de %1 pages…</translation>
    </message>
    <message>
        <source>Cancelled: no PDF was saved.</source>
        <translation>Annulé&#xa0;: aucun PDF n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>In the print dialog, choose %1 paper, landscape, and a scale of 100 % (“Actual size”), not “Fit to page”.</source>
        <translation>Dans la boîte d&apos;impression, choisissez le papier %1 en paysage et une échelle de 100&#xa0;% («&#xa0;Taille réelle&#xa0;»), pas «&#xa0;Ajuster à la page&#xa0;».</translation>
    </message>
    <message>
        <source>In the print dialog, choose %1 paper, and a scale of 100 % (“Actual size”), not “Fit to page”.</source>
        <translation>Dans la boîte d&apos;impression, choisissez le papier %1 et une échelle de 100&#xa0;% («&#xa0;Taille réelle&#xa0;»), pas «&#xa0;Ajuster à la page&#xa0;».</translation>
    </message>
    <message>
        <source>Printers in this browser&apos;s region usually hold %1 paper. On %1, this %2 sheet prints shrunk to %3 %: choose the paper your printer holds.</source>
        <translation>Dans la région de ce navigateur, les imprimantes ont d&apos;ordinaire du papier %1. Sur du %1, cette feuille %2 sort réduite à %3&#xa0;%&#xa0;: choisissez le papier de votre imprimante.</translation>
    </message>
    <message>
        <source>Turned sideways, a Squared sheet’s cells are not square: they become long rectangles, more than twice as wide as they are tall.</source>
        <translation>Tournée de côté, une feuille quadrillée n&apos;a plus de carreaux carrés&#xa0;: ils deviennent de longs rectangles, plus de deux fois plus larges que hauts.</translation>
    </message>
</context>
<context>
    <name>Class lists</name>
    <message>
        <source>holds a NUL byte: it is no text file, or not UTF-8</source>
        <translation>contient un octet NUL&#xa0;: ce n&apos;est pas un fichier texte, ou pas en UTF-8</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>is larger than %1 MB</source>
        <translation>dépasse %1&#xa0;Mo</translation>
    </message>
    <message>
        <source>opens a quoted field that never ends</source>
        <translation>ouvre un champ entre guillemets qui ne se termine jamais</translation>
    </message>
    <message>
        <source>holds a name longer than %1 characters</source>
        <translation>contient un nom de plus de %1 caractères</translation>
    </message>
    <message>
        <source>holds name %1, over the limit of %2</source>
        <translation>contient le nom n°%1, au-delà de la limite de %2</translation>
    </message>
    <message>
        <source>holds no names</source>
        <translation>ne contient aucun nom</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>La liste</translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>La ligne %1</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>La ligne %1 de %2</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <translation>%1 %2.</translation>
    </message>
    <message>
        <source>is not UTF-16 text</source>
        <translation>n&apos;est pas du texte UTF-16</translation>
    </message>
</context>
<context>
    <name>ClassSetDialog</name>
    <message>
        <source>Class Set</source>
        <translation>Série pour la classe</translation>
    </message>
    <message>
        <source>&amp;Names, one per line:</source>
        <translation>&amp;Noms, un par ligne&#xa0;:</translation>
    </message>
    <message>
        <source>Names, one per line</source>
        <translation>Noms, un par ligne</translation>
    </message>
    <message>
        <source>&amp;Load from File...</source>
        <translation>&amp;Charger un fichier...</translation>
    </message>
    <message>
        <source>First line is a &amp;header</source>
        <translation>La première ligne est un &amp;titre</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Every name below gets its own page of %1, with the name in the top-left corner, in the order of the list.</source>
        <translation>Chaque nom ci-dessous reçoit sa propre feuille de %1, avec le nom en haut à gauche, dans l&apos;ordre de la liste.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>1 page will print.</source>
        <translation>1 page sera imprimée.</translation>
    </message>
    <message>
        <source>%1 pages will print.</source>
        <translation>%1 pages seront imprimées.</translation>
    </message>
    <message>
        <source>No names yet.</source>
        <translation>Aucun nom pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Load Names</source>
        <translation>Charger les noms</translation>
    </message>
    <message>
        <source>Names (*.txt *.csv);;All files (*)</source>
        <translation>Noms (*.txt *.csv);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>Desktop entry</name>
    <message>
        <source>Graph Paper</source>
        <translation>Papier millimétré</translation>
    </message>
    <message>
        <source>Print graph paper for the classroom</source>
        <translation>Imprimer du papier millimétré pour la classe</translation>
    </message>
    <message>
        <source>Print squared, semi-log, log, spacetime and millimetre graph paper for the classroom</source>
        <translation>Imprimer du papier quadrillé, semi-logarithmique, log-log, espace-temps et millimétré pour la classe</translation>
    </message>
    <message>
        <source>graph;paper;grid;logarithmic;semilog;spacetime;relativity;millimetre;millimeter;print;worksheet;</source>
        <translation>papier millimétré;quadrillé;papier;grille;logarithmique;semi-logarithmique;log-log;espace-temps;relativité;imprimer;fiche;</translation>
    </message>
</context>
<context>
    <name>Kinds</name>
    <message>
        <source>Squared</source>
        <translation>Quadrillé</translation>
    </message>
    <message>
        <source>10x15</source>
        <translation>10x15</translation>
    </message>
    <message>
        <source>Semi log</source>
        <translation>Semi-log</translation>
    </message>
    <message>
        <source>10x1 cycle</source>
        <translation>10x1 décade</translation>
    </message>
    <message>
        <source>10x2 cycle</source>
        <translation>10x2 décades</translation>
    </message>
    <message>
        <source>10x3 cycle</source>
        <translation>10x3 décades</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log-log</translation>
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
        <translation>Espace-temps</translation>
    </message>
    <message>
        <source>Millimetre</source>
        <translation>Papier millimétré</translation>
    </message>
</context>
<context>
    <name>LicenceViewer</name>
    <message>
        <source>License Agreement</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>Agreement</source>
        <translation>Contrat</translation>
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
        <translation>La page PDF n&apos;a pas pu être mise en page sur %1</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped, so the page was not printed.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» est arrêtée&#xa0;: la page n&apos;a pas été imprimée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting pages, so the page was not printed.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;accepte pas de pages&#xa0;: la page n&apos;a pas été imprimée.</translation>
    </message>
    <message>
        <source>The print server refused the page: %1. Nothing was printed.</source>
        <translation>Le serveur d&apos;impression a refusé la page&#xa0;: %1. Rien n&apos;a été imprimé.</translation>
    </message>
    <message>
        <source>The print server is not answering, so the page was not printed.</source>
        <translation>Le serveur d&apos;impression ne répond pas&#xa0;: la page n&apos;a pas été imprimée.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page image of %1 x %2 pixels</source>
        <translation>Il n&apos;y a pas assez de mémoire pour une image de page de %1 × %2 pixels</translation>
    </message>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Aucune imprimante par défaut n&apos;est sélectionnée</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>L&apos;imprimante choisie n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Impression en cours</translation>
    </message>
    <message>
        <source>Printing not in progress</source>
        <translation>Aucune impression en cours</translation>
    </message>
    <message>
        <source>This kind of file holds one page only</source>
        <translation>Ce type de fichier ne contient qu&apos;une seule page</translation>
    </message>
    <message>
        <source>The page could not be written</source>
        <translation>La page n&apos;a pas pu être écrite</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped (it says &quot;%2&quot;), so the page was not printed.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» est arrêtée (elle indique «&#xa0;%2&#xa0;»)&#xa0;: la page n&apos;a pas été imprimée.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting pages (it says &quot;%2&quot;), so the page was not printed.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;accepte pas de pages (elle indique «&#xa0;%2&#xa0;»)&#xa0;: la page n&apos;a pas été imprimée.</translation>
    </message>
    <message>
        <source>The print server is not answering, so no printer can be chosen now.</source>
        <translation>Le serveur d&apos;impression ne répond pas&#xa0;: aucune imprimante ne peut être choisie pour l&apos;instant.</translation>
    </message>
</context>
<context>
    <name>gridora::app::MainWindow</name>
    <message>
        <source>Choose Your Graph......</source>
        <translation>Choisissez votre papier......</translation>
    </message>
    <message>
        <source>&amp;Graph</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print &amp;Setup</source>
        <translation>Con&amp;figuration de l&apos;impression</translation>
    </message>
    <message>
        <source>&amp;Class Set...</source>
        <translation>Série pour la &amp;classe...</translation>
    </message>
    <message>
        <source>Save &amp;as PDF...</source>
        <translation>Enregistrer en P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos de Gridora</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Who</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Graph to be Printed</source>
        <translation>Feuille à imprimer</translation>
    </message>
    <message>
        <source>Spacetime</source>
        <translation>Espace-temps</translation>
    </message>
    <message>
        <source>Prints name entered on graph paper</source>
        <translation>Imprime le nom saisi sur le papier</translation>
    </message>
    <message>
        <source>Kind of graph paper</source>
        <translation>Type de papier</translation>
    </message>
    <message>
        <source>Size of the graph paper</source>
        <translation>Format du papier</translation>
    </message>
    <message>
        <source>Velocity of the moving frame</source>
        <translation>Vitesse du référentiel en mouvement</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Sample of the graph paper</source>
        <translation>Aperçu du papier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Printing the class set...</source>
        <translation>Impression de la série pour la classe...</translation>
    </message>
    <message>
        <source>The class set was cancelled: nothing was sent to the printer.</source>
        <translation>La série pour la classe a été annulée&#xa0;: rien n&apos;a été envoyé à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Saving the PDF file...</source>
        <translation>Enregistrement du fichier PDF...</translation>
    </message>
    <message>
        <source>Saving the PDF file was cancelled: nothing was written.</source>
        <translation>L&apos;enregistrement du fichier PDF a été annulé&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be saved: %2.</source>
        <translation>Le fichier PDF «&#xa0;%1&#xa0;» n&apos;a pas pu être enregistré&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>An unexpected error occurred</source>
        <translation>Une erreur inattendue s&apos;est produite</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l&apos;impression</translation>
    </message>
    <message>
        <source>&quot;%1&quot; paper</source>
        <translation>papier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Série pour la classe</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is too long for the page: its end will be cut off. Go on anyway?</source>
        <translation>Le nom «&#xa0;%1&#xa0;» est trop long pour la page&#xa0;: sa fin sera coupée. Continuer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>%1 names are too long for the page and will be cut off, such as &quot;%2&quot;. Go on anyway?</source>
        <translation>%1 noms sont trop longs pour la page et seront coupés, par exemple «&#xa0;%2&#xa0;». Continuer quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Sample of %1 paper</source>
        <translation>Exemple de papier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Sample of %1 paper, %2</source>
        <translation>Exemple de papier «&#xa0;%1&#xa0;», %2</translation>
    </message>
</context>
<context>
    <name>gridora::dialogs::ClickLabel</name>
    <message>
        <source>link</source>
        <translation>lien</translation>
    </message>
</context>
</TS>
