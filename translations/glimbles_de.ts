<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles Version 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>Weitere Spiele</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>Über 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. Freie Software: GPL v3 oder neuer.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>Bestenliste, Spielbrett %1 × %2, %3 Glimbel</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. frei</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, Punkte %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>Anzahl der Glimbel festlegen</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>mindestens %1, höchstens %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Neu	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>&amp;Tipps anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Über ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>&amp;Hilfe	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>&amp;Bestenliste ...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Die Hilfe konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>Das ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>Das ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>Die Datei ist nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>Diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>Punkte %1, ein Platz in der Bestenliste</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>&amp;Größe festlegen</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;Anzahl der Glimbel</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>&amp;Felder</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>&amp;Ton</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>Spalte %1, Zeile %2, verdeckt</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>Spalte %1, Zeile %2, Glimbel gefunden, %n auf seinen Linien</numerusform>
            <numerusform>Spalte %1, Zeile %2, Glimbel gefunden, %n auf seinen Linien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>Spalte %1, Zeile %2, %n auf seinen Linien</numerusform>
            <numerusform>Spalte %1, Zeile %2, %n auf seinen Linien</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>Spielbrett, %1 mal %2 Felder</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>Glimbel gefunden, %n auf seinen Linien.</numerusform>
            <numerusform>Glimbel gefunden, %n auf seinen Linien.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>Leer, %n auf seinen Linien.</numerusform>
            <numerusform>Leer, %n auf seinen Linien.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>Punkte %1. Übrige Glimbel: %n.</numerusform>
            <numerusform>Punkte %1. Übrige Glimbel: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Gewonnen! Punkte: %n, genug für einen Platz in der Bestenliste. Ein neues Spielbrett wird ausgeteilt.</numerusform>
            <numerusform>Gewonnen! Punkte: %n, genug für einen Platz in der Bestenliste. Ein neues Spielbrett wird ausgeteilt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Gewonnen! Punkte: %n, zu wenig für einen Platz in der Bestenliste. Ein neues Spielbrett wird ausgeteilt.</numerusform>
            <numerusform>Gewonnen! Punkte: %n, zu wenig für einen Platz in der Bestenliste. Ein neues Spielbrett wird ausgeteilt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>Punkte %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>Glimbel %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>&amp;Winzig</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;Klein</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>&amp;Groß</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>&amp;Riesig</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>Glimbel</translation>
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
        <translation>&amp;Sand</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>Was eine Zahl sagt</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>Die Zahl auf einem aufgedeckten Feld zählt die Glimbel, die noch in seiner *Zeile*, seiner *Spalte* und seinen beiden *Diagonalen* stecken.

Diese 3 sieht drei davon. Jeder eingesammelte Glimbel senkt die Zahlen auf seinen Linien um eins.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>Ein Glimbel gefunden!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>Ein Glimbel zeigt: Hier hast du einen gefunden. Die Zahl daneben zählt wie überall die Glimbel, die auf den vier Linien noch stecken.

Ein Feld kann mehrere Glimbel verstecken: Klicke zum Nachsehen erneut auf ein Fundfeld. Ist keiner mehr da, kostet es nichts.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>Punkte und Glimbel</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*Punkte* zeigt deinen Stand. Er beginnt bei der Zahl der Felder und sinkt mit jedem gewählten Feld um eins.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*Glimbel* zählt die noch versteckten. Finde sie alle mit so wenigen Klicks wie möglich.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>Größe und Anzahl</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*Optionen &gt; Größe festlegen* wählt das Spielbrett, von Winzig (8&#xa0;×&#xa0;8) bis Riesig (20&#xa0;×&#xa0;20).

*Optionen &gt; Anzahl der Glimbel* legt fest, wie viele sich verstecken: bei N&#xa0;×&#xa0;N Feldern N/2 bis N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>Null: vier Linien frei</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>Eine *0* heißt: In ihrer Zeile, Spalte und ihren Diagonalen ist kein Glimbel mehr. Jedes Feld auf diesen Linien ist leer, gib dort keine Punkte aus.

Suche lieber zwischen den Linien: Nur die markierten Felder können noch einen Glimbel verstecken.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Nächster Tipp</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>Diesen Dialog beim Start nicht anzeigen.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>Tipps zu 2Glimbles</translation>
    </message>
</context>
</TS>
