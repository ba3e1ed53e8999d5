<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles versione 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>Altri giochi</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>Informazioni su 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. Software libero: GPL v3 o successiva.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>Migliori risultati</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>Migliori risultati, tabellone %1 × %2, %3 glimboli</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Migliori risultati</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. libero</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, punti %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>Imposta il numero di glimboli</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>minimo %1, massimo %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuova partita	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>Mostra &amp;consigli</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Informazioni ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>&amp;Guida	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>&amp;Migliori risultati ...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Impossibile avviare la guida.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>non si può leggere (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossibile aprire «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>Punti %1, un posto nei migliori risultati</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>Imposta &amp;dimensioni</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;Numero di glimboli</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>&amp;Caselle</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>&amp;Suono</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>Tabellone di gioco</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>colonna %1, riga %2, coperta</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>colonna %1, riga %2, glimbolo trovato, %n sulle sue linee</numerusform>
            <numerusform>colonna %1, riga %2, glimbolo trovato, %n sulle sue linee</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>colonna %1, riga %2, %n sulle sue linee</numerusform>
            <numerusform>colonna %1, riga %2, %n sulle sue linee</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>Tabellone di %1 per %2 caselle</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>Glimbolo trovato, %n sulle sue linee.</numerusform>
            <numerusform>Glimbolo trovato, %n sulle sue linee.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>Vuota, %n sulle sue linee.</numerusform>
            <numerusform>Vuota, %n sulle sue linee.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>Punti %1. Glimboli rimasti: %n.</numerusform>
            <numerusform>Punti %1. Glimboli rimasti: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Vittoria! Punti: %n, abbastanza per un posto nei migliori risultati. Viene distribuito un nuovo tabellone.</numerusform>
            <numerusform>Vittoria! Punti: %n, abbastanza per un posto nei migliori risultati. Viene distribuito un nuovo tabellone.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Vittoria! Punti: %n, troppo pochi per un posto nei migliori risultati. Viene distribuito un nuovo tabellone.</numerusform>
            <numerusform>Vittoria! Punti: %n, troppo pochi per un posto nei migliori risultati. Viene distribuito un nuovo tabellone.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>Punti %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>Glimboli %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>&amp;Minuscolo</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;Piccolo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>&amp;Normale</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>&amp;Grande</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>&amp;Enorme</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>Glimboli</translation>
    </message>
</context>
<context>
    <name>Tiles menu</name>
    <message>
        <source>Grass</source>
        <translation>&amp;Erba</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>&amp;Sabbia</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>Cosa dice un numero</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>Il numero su una casella scoperta indica quanti glimboli sono ancora nascosti sulla sua *riga*, sulla sua *colonna* e sulle sue due *diagonali*.

Questo 3 ne vede tre. Ogni glimbolo che catturi abbassa di uno i numeri sulle sue linee.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>Trovato un glimbolo!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>Un glimbolo segna la casella dove l’hai trovato. Il suo numero conta, come altrove, i glimboli ancora nascosti sulle sue quattro linee.

Una casella può nasconderne più d’uno: fai ancora clic su una casella fortunata per vedere. Se non ne resta nessuno, è gratis.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>Punti e glimboli</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*Punti* è il tuo punteggio. Parte dal numero delle caselle e scende di uno a ogni casella che scegli.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*Glimboli* conta quelli ancora nascosti. Trovali tutti con meno clic possibile.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>Misure e numero</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*Opzioni &gt; Imposta dimensioni* sceglie il tabellone, da Minuscolo (8&#xa0;×&#xa0;8) a Enorme (20&#xa0;×&#xa0;20).

*Opzioni &gt; Numero di glimboli* fissa quanti se ne nascondono: su un tabellone N&#xa0;×&#xa0;N, da N/2 a N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>Uno zero libera 4 linee</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>Uno *0* significa che sulla sua riga, colonna e diagonali non resta nessun glimbolo. Ogni casella su quelle linee è vuota: non spenderci punti.

Cerca piuttosto tra le linee: solo le caselle segnate possono ancora nascondere un glimbolo.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Consiglio successivo</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>Non mostrare questa finestra all’avvio.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>Consigli per 2Glimbles</translation>
    </message>
</context>
</TS>
