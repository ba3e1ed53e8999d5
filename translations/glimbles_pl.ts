<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles wersja 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>Więcej gier</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>O grze 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. Wolne oprogramowanie: GPL v3 lub nowsza.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>Najlepsze wyniki, plansza %1 × %2, liczba glimbli: %3</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Najlepsze wyniki</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. wolne</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, punkty %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>Ustaw liczbę glimbli</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>minimum %1, maksimum %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nowa gra	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>&amp;Pokaż porady</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;O grze ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>&amp;Pomoc	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>&amp;Najlepsze wyniki ...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Naprzód</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Nie udało się uruchomić pomocy.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to jest katalog</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>nie można go odczytać (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>taki plik nie istnieje</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Nie można otworzyć „%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>Podaj swoje imię</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>Punkty %1, miejsce w najlepszych wynikach</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>&amp;Rozmiar planszy</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;Liczba glimbli</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>&amp;Pola</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>&amp;Dźwięk</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>Plansza gry</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>kolumna %1, wiersz %2, zakryte</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>kolumna %1, wiersz %2, znaleziono glimbla, %n na jego liniach</numerusform>
            <numerusform>kolumna %1, wiersz %2, znaleziono glimbla, %n na jego liniach</numerusform>
            <numerusform>kolumna %1, wiersz %2, znaleziono glimbla, %n na jego liniach</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>kolumna %1, wiersz %2, %n na jego liniach</numerusform>
            <numerusform>kolumna %1, wiersz %2, %n na jego liniach</numerusform>
            <numerusform>kolumna %1, wiersz %2, %n na jego liniach</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>Plansza %1 na %2 pól</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>Znaleziono glimbla, %n na jego liniach.</numerusform>
            <numerusform>Znaleziono glimbla, %n na jego liniach.</numerusform>
            <numerusform>Znaleziono glimbla, %n na jego liniach.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>Puste, %n na jego liniach.</numerusform>
            <numerusform>Puste, %n na jego liniach.</numerusform>
            <numerusform>Puste, %n na jego liniach.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>Punkty %1. Pozostało glimbli: %n.</numerusform>
            <numerusform>Punkty %1. Pozostało glimbli: %n.</numerusform>
            <numerusform>Punkty %1. Pozostało glimbli: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Wygrana! Punkty: %n, dość na miejsce w najlepszych wynikach. Rozdano nową planszę.</numerusform>
            <numerusform>Wygrana! Punkty: %n, dość na miejsce w najlepszych wynikach. Rozdano nową planszę.</numerusform>
            <numerusform>Wygrana! Punkty: %n, dość na miejsce w najlepszych wynikach. Rozdano nową planszę.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Wygrana! Punkty: %n, za mało na miejsce w najlepszych wynikach. Rozdano nową planszę.</numerusform>
            <numerusform>Wygrana! Punkty: %n, za mało na miejsce w najlepszych wynikach. Rozdano nową planszę.</numerusform>
            <numerusform>Wygrana! Punkty: %n, za mało na miejsce w najlepszych wynikach. Rozdano nową planszę.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>Punkty %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>Glimble %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>Mal&amp;utka</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;Mała</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>&amp;Normalna</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>&amp;Duża</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>&amp;Ogromna</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>Glimble</translation>
    </message>
</context>
<context>
    <name>Tiles menu</name>
    <message>
        <source>Grass</source>
        <translation>&amp;Trawa</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>&amp;Piasek</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>Co znaczy liczba</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>Liczba na odkrytym polu mówi, ile glimbli wciąż się ukrywa w jego *wierszu*, jego *kolumnie* i na obu jego *przekątnych*.

Ta 3 widzi trzy z nich. Każdy zebrany glimbel zmniejsza liczby na swoich liniach o jeden.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>Znaleziono glimbla!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>Glimbel oznacza pole, na którym go znaleziono. Liczba znaczy tu to samo, co na innych polach: glimble ukryte na jego czterech liniach.

Pole może skrywać kilka glimbli: kliknij je ponownie, aby sprawdzić. Jeśli żadnego nie ma, nic to nie kosztuje.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>Punkty i glimble</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*Punkty* to twój wynik. Na starcie jest ich tyle, ile pól, a każde wybrane pole odejmuje jeden.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*Glimble* to te wciąż ukryte. Znajdź wszystkie jak najmniejszą liczbą kliknięć.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>Rozmiar i liczba</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*Opcje &gt; Rozmiar planszy* wybiera planszę, od Malutkiej (8&#xa0;×&#xa0;8) do Ogromnej (20&#xa0;×&#xa0;20).

*Opcje &gt; Liczba glimbli* ustala, ile się ich chowa: na planszy N&#xa0;×&#xa0;N od N/2 do N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>Zero czyści cztery linie</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>*0* oznacza, że w jego wierszu, kolumnie i na przekątnych nie został żaden glimbel. Każde pole na tych liniach jest puste, więc nie wydawaj tam punktów.

Szukaj raczej między liniami: tylko zaznaczone pola mogą jeszcze skrywać glimbla.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Następna porada</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>Nie pokazuj tego okna przy uruchomieniu.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>Porady do gry 2Glimbles</translation>
    </message>
</context>
</TS>
