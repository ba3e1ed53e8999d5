<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles versie 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>Meer spellen</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>Over 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. Vrije software: GPL v3 of later.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>Beste resultaten</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>Beste resultaten, bord van %1 × %2, %3 glimbels</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Beste resultaten</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. leeg</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, punten %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>Aantal glimbels instellen</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>minimaal %1, maximaal %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nieuw spel	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>&amp;Tips tonen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Over ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>&amp;Help	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>&amp;Beste resultaten ...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Kan de help niet starten.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>het kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>het bestand bestaat niet</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Kan “%1” niet openen: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>Voer je naam in</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>Punten %1, een plaats bij de beste resultaten</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>&amp;Bordgrootte</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;Aantal glimbels</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>&amp;Tegels</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>&amp;Geluid</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>kolom %1, rij %2, dicht</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>kolom %1, rij %2, glimbel gevonden, %n op zijn lijnen</numerusform>
            <numerusform>kolom %1, rij %2, glimbel gevonden, %n op zijn lijnen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>kolom %1, rij %2, %n op zijn lijnen</numerusform>
            <numerusform>kolom %1, rij %2, %n op zijn lijnen</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>Bord van %1 bij %2 tegels</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>Glimbel gevonden, %n op zijn lijnen.</numerusform>
            <numerusform>Glimbel gevonden, %n op zijn lijnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>Leeg, %n op zijn lijnen.</numerusform>
            <numerusform>Leeg, %n op zijn lijnen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>Punten %1. Glimbels over: %n.</numerusform>
            <numerusform>Punten %1. Glimbels over: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Gewonnen! Punten: %n, genoeg voor een plaats bij de beste resultaten. Er wordt een nieuw bord gedeeld.</numerusform>
            <numerusform>Gewonnen! Punten: %n, genoeg voor een plaats bij de beste resultaten. Er wordt een nieuw bord gedeeld.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Gewonnen! Punten: %n, te weinig voor een plaats bij de beste resultaten. Er wordt een nieuw bord gedeeld.</numerusform>
            <numerusform>Gewonnen! Punten: %n, te weinig voor een plaats bij de beste resultaten. Er wordt een nieuw bord gedeeld.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>Punten %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>Glimbels %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>&amp;Piepklein</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;Klein</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>&amp;Normaal</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>&amp;Groot</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>&amp;Enorm</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>Glimbels</translation>
    </message>
</context>
<context>
    <name>Tiles menu</name>
    <message>
        <source>Grass</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>&amp;Zand</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>Wat een getal zegt</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>Het getal op een open tegel vertelt hoeveel glimbels er nog verstopt zitten op zijn *rij*, zijn *kolom* en zijn beide *diagonalen*.

Deze 3 ziet er drie. Elke glimbel die je verzamelt, verlaagt de getallen op zijn lijnen met één.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>Een glimbel gevonden!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>Een glimbel markeert een tegel waar je er een vond. Het getal betekent hetzelfde als elders: de glimbels die nog verstopt zitten op zijn vier lijnen.

Eén tegel kan er meer verbergen: klik er nog eens op om te kijken. Is hij leeg, dan kost het niets.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>Punten en glimbels</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*Punten* is je score. Die begint bij het aantal tegels en daalt met één bij elke tegel die je kiest.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*Glimbels* telt hoeveel er nog verstopt zijn. Vind ze allemaal met zo min mogelijk klikken.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>Grootte en aantal</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*Opties &gt; Bordgrootte* kiest het bord, van Piepklein (8&#xa0;×&#xa0;8) tot Enorm (20&#xa0;×&#xa0;20).

*Opties &gt; Aantal glimbels* bepaalt hoeveel er zich verstoppen: op een bord van N&#xa0;×&#xa0;N van N/2 tot N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>Een nul wist vier lijnen</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>Een *0* betekent dat er geen glimbel meer is op zijn rij, zijn kolom of zijn diagonalen. Elke tegel op die lijnen is leeg, dus besteed daar geen punten.

Kijk liever tussen de lijnen: alleen de gemarkeerde tegels kunnen nog een glimbel verbergen.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Volgende tip</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>Dit venster niet tonen bij het starten.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>Tips voor 2Glimbles</translation>
    </message>
</context>
</TS>
