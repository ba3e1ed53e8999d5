<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles version 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>D’autres jeux</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>À propos de 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. Logiciel libre&#xa0;: GPL v3 ou ultérieure.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>Meilleurs résultats</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>Meilleurs résultats, plateau %1 × %2, %3 glimbles</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Meilleurs résultats</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. libre</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, points %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>Choisir le nombre de glimbles</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>minimum %1, maximum %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nouvelle partie	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>Afficher les &amp;astuces</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>&amp;Aide	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>&amp;Meilleurs résultats ...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>S&amp;ommaire</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Impossible de lancer l’aide.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>il ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n’existe pas</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>Entrez votre nom</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>Points %1, une place dans les meilleurs résultats</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>Choisir la &amp;taille</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;Nombre de glimbles</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>&amp;Cases</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>&amp;Son</translation>
    </message>
</context>
<context>
    <name>Picture buttons</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>colonne %1, rangée %2, couverte</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>colonne %1, rangée %2, glimble trouvé, %n sur ses lignes</numerusform>
            <numerusform>colonne %1, rangée %2, glimble trouvé, %n sur ses lignes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>colonne %1, rangée %2, %n sur ses lignes</numerusform>
            <numerusform>colonne %1, rangée %2, %n sur ses lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>Plateau de %1 sur %2 cases</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>Glimble trouvé, %n sur ses lignes.</numerusform>
            <numerusform>Glimble trouvé, %n sur ses lignes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>Vide, %n sur ses lignes.</numerusform>
            <numerusform>Vide, %n sur ses lignes.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>Points %1. Glimbles restants&#xa0;: %n.</numerusform>
            <numerusform>Points %1. Glimbles restants&#xa0;: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Gagné&#xa0;! Points&#xa0;: %n, assez pour une place dans les meilleurs résultats. Un nouveau plateau est distribué.</numerusform>
            <numerusform>Gagné&#xa0;! Points&#xa0;: %n, assez pour une place dans les meilleurs résultats. Un nouveau plateau est distribué.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Gagné&#xa0;! Points&#xa0;: %n, trop peu pour une place dans les meilleurs résultats. Un nouveau plateau est distribué.</numerusform>
            <numerusform>Gagné&#xa0;! Points&#xa0;: %n, trop peu pour une place dans les meilleurs résultats. Un nouveau plateau est distribué.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>Points %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>Glimbles %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>&amp;Minuscule</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;Petit</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>&amp;Grand</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>&amp;Immense</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>Glimbles</translation>
    </message>
</context>
<context>
    <name>Tiles menu</name>
    <message>
        <source>Grass</source>
        <translation>&amp;Herbe</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>&amp;Sable</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>Ce que dit un nombre</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>Le nombre d’une case découverte indique combien de glimbles sont encore cachés sur sa *rangée*, sa *colonne* et ses deux *diagonales*.

Ce 3 en voit trois. Chaque glimble attrapé fait baisser d’un les nombres de ses lignes.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>Un glimble trouvé&#xa0;!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>Un glimble marque la case où vous l’avez trouvé. Son nombre compte, comme partout, les glimbles cachés sur ses quatre lignes.

Une case peut en cacher plusieurs&#xa0;: recliquez dessus pour voir. S’il n’en reste aucun, c’est gratuit.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>Points et glimbles</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*Points* est votre score. Il part du nombre de cases et baisse d’un à chaque case choisie.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*Glimbles* compte ceux encore cachés. Trouvez-les tous en aussi peu de clics que possible.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>Taille et nombre</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*Options &gt; Choisir la taille* règle le plateau, de Minuscule (8&#xa0;×&#xa0;8) à Immense (20&#xa0;×&#xa0;20).

*Options &gt; Nombre de glimbles* fixe combien se cachent&#xa0;: sur un plateau N&#xa0;×&#xa0;N, de N/2 à N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>Un zéro libère 4 lignes</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>Un *0* signifie qu’il ne reste aucun glimble sur sa rangée, sa colonne ou ses diagonales. Leurs cases sont vides&#xa0;: n’y dépensez pas de points.

Cherchez entre les lignes&#xa0;: seules les cases marquées peuvent encore cacher un glimble.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Astuce suivante</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>Ne pas afficher cette fenêtre au démarrage.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>Astuces pour 2Glimbles</translation>
    </message>
</context>
</TS>
