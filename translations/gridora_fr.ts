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
        <source>Print squared, semi-log, log and spacetime graph paper for the classroom</source>
        <translation>Imprimer du papier quadrillé, semi-logarithmique, log-log et espace-temps pour la classe</translation>
    </message>
    <message>
        <source>graph;paper;grid;logarithmic;semilog;spacetime;relativity;print;worksheet;</source>
        <translation>papier millimétré;quadrillé;papier;grille;logarithmique;semi-logarithmique;log-log;espace-temps;relativité;imprimer;fiche;</translation>
    </message>
    <message>
        <source>Print graph paper for the classroom</source>
        <translation>Imprimer du papier millimétré pour la classe</translation>
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
</context>
<context>
    <name>gridora::dialogs::ClickLabel</name>
    <message>
        <source>link</source>
        <translation>lien</translation>
    </message>
</context>
</TS>
