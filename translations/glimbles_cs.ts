<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles verze 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>Další hry</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>O hře 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. Svobodný software: GPL v3 nebo novější.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>Nejlepší výsledky, pole %1 × %2, počet glimblů: %3</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Nejlepší výsledky</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. volné</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, body %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>Nastavte počet glimblů</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>nejméně %1, nejvýše %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložit jako</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nová hra	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>Zobrazit &amp;tipy</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;O hře ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>&amp;Nápověda	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>Nejlepší &amp;výsledky ...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zpět</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vpřed</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Nápovědu se nepodařilo otevřít.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>je to složka</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>není to obyčejný soubor</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>nelze ho přečíst (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>takový soubor neexistuje</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Nelze otevřít „%1“: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>Zadejte své jméno</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>Body %1, místo mezi nejlepšími výsledky</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>&amp;Velikost pole</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;Počet glimblů</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>P&amp;olíčka</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>&amp;Zvuk</translation>
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
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>Hrací pole</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>sloupec %1, řádek %2, zakryté</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>sloupec %1, řádek %2, glimbl nalezen, %n na jeho liniích</numerusform>
            <numerusform>sloupec %1, řádek %2, glimbl nalezen, %n na jeho liniích</numerusform>
            <numerusform>sloupec %1, řádek %2, glimbl nalezen, %n na jeho liniích</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>sloupec %1, řádek %2, %n na jeho liniích</numerusform>
            <numerusform>sloupec %1, řádek %2, %n na jeho liniích</numerusform>
            <numerusform>sloupec %1, řádek %2, %n na jeho liniích</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>Hrací pole %1 na %2 políček</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>Glimbl nalezen, %n na jeho liniích.</numerusform>
            <numerusform>Glimbl nalezen, %n na jeho liniích.</numerusform>
            <numerusform>Glimbl nalezen, %n na jeho liniích.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>Prázdné, %n na jeho liniích.</numerusform>
            <numerusform>Prázdné, %n na jeho liniích.</numerusform>
            <numerusform>Prázdné, %n na jeho liniích.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>Body %1. Zbývá glimblů: %n.</numerusform>
            <numerusform>Body %1. Zbývá glimblů: %n.</numerusform>
            <numerusform>Body %1. Zbývá glimblů: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Výhra! Body: %n, to stačí na místo mezi nejlepšími výsledky. Rozdává se nové pole.</numerusform>
            <numerusform>Výhra! Body: %n, to stačí na místo mezi nejlepšími výsledky. Rozdává se nové pole.</numerusform>
            <numerusform>Výhra! Body: %n, to stačí na místo mezi nejlepšími výsledky. Rozdává se nové pole.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Výhra! Body: %n, to je málo na místo mezi nejlepšími výsledky. Rozdává se nové pole.</numerusform>
            <numerusform>Výhra! Body: %n, to je málo na místo mezi nejlepšími výsledky. Rozdává se nové pole.</numerusform>
            <numerusform>Výhra! Body: %n, to je málo na místo mezi nejlepšími výsledky. Rozdává se nové pole.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>Body %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>Glimblové %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>&amp;Drobné</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;Malé</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>&amp;Normální</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>&amp;Velké</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>&amp;Obrovské</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>Body</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>Glimblové</translation>
    </message>
</context>
<context>
    <name>Tiles menu</name>
    <message>
        <source>Grass</source>
        <translation>&amp;Tráva</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>&amp;Písek</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>Co znamená číslo</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>Číslo na odkrytém políčku říká, kolik glimblů se ještě skrývá v jeho *řádku*, jeho *sloupci* a na obou jeho *úhlopříčkách*.

Tato 3 vidí tři z nich. Každý sebraný glimbl sníží čísla na svých liniích o jedna.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>Našli jste glimbla!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>Glimbl označuje políčko, kde jste ho našli. Číslo na něm znamená totéž co jinde: kolik glimblů se ještě skrývá na jeho čtyřech liniích.

Jedno políčko může skrývat víc glimblů: klikněte na ně znovu a podívejte se. Když žádný nezbyl, nic to nestojí.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>Body a glimblové</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*Body* jsou vaše skóre. Na začátku je jich tolik, kolik je políček, a každé vybrané políčko jeden ubere.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*Glimblové* jsou ti, kteří se ještě skrývají. Najděte všechny co nejmenším počtem kliknutí.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>Velikost a počet</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*Možnosti &gt; Velikost pole* vybírá hrací pole, od Drobného (8&#xa0;×&#xa0;8) po Obrovské (20&#xa0;×&#xa0;20).

*Možnosti &gt; Počet glimblů* určuje, kolik se jich schovává: na poli N&#xa0;×&#xa0;N od N/2 do N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>Nula vyčistí čtyři linie</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>*0* znamená, že v jejím řádku, sloupci ani na úhlopříčkách nezbyl žádný glimbl. Každé políčko na těch liniích je prázdné, tak tam neplýtvejte body.

Hledejte raději mezi liniemi: glimbla mohou ještě skrývat jen označená políčka.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Další tip</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>Nezobrazovat toto okno při spuštění.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>Tipy ke hře 2Glimbles</translation>
    </message>
</context>
</TS>
