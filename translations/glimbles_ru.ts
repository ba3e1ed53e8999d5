<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles версия 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>Другие игры</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>Об игре 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. Свободная программа: GPL v3 или новее.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>Лучшие результаты</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>Лучшие результаты, поле %1 × %2, глимблей: %3</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Лучшие результаты</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. свободно</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, очки %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>Задайте число глимблей</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>минимум %1, максимум %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Новая игра	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>&amp;Показать советы</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Об игре ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>&amp;Справка	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>&amp;Лучшие результаты ...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Не удалось открыть справку.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>его не удаётся прочитать (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>такого файла нет</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Не удаётся открыть «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>Введите своё имя</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>Очки %1, место в лучших результатах</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>&amp;Размер поля</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;Число глимблей</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>&amp;Клетки</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>&amp;Звук</translation>
    </message>
</context>
<context>
    <name>Picture buttons</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>столбец %1, строка %2, закрыта</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>столбец %1, строка %2, глимбль найден, %n на её линиях</numerusform>
            <numerusform>столбец %1, строка %2, глимбль найден, %n на её линиях</numerusform>
            <numerusform>столбец %1, строка %2, глимбль найден, %n на её линиях</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>столбец %1, строка %2, %n на её линиях</numerusform>
            <numerusform>столбец %1, строка %2, %n на её линиях</numerusform>
            <numerusform>столбец %1, строка %2, %n на её линиях</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>Поле %1 на %2 клеток</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>Глимбль найден, %n на её линиях.</numerusform>
            <numerusform>Глимбль найден, %n на её линиях.</numerusform>
            <numerusform>Глимбль найден, %n на её линиях.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>Пусто, %n на её линиях.</numerusform>
            <numerusform>Пусто, %n на её линиях.</numerusform>
            <numerusform>Пусто, %n на её линиях.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>Очки %1. Осталось глимблей: %n.</numerusform>
            <numerusform>Очки %1. Осталось глимблей: %n.</numerusform>
            <numerusform>Очки %1. Осталось глимблей: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Победа! Очки: %n, этого хватает на место в лучших результатах. Раздаётся новое поле.</numerusform>
            <numerusform>Победа! Очки: %n, этого хватает на место в лучших результатах. Раздаётся новое поле.</numerusform>
            <numerusform>Победа! Очки: %n, этого хватает на место в лучших результатах. Раздаётся новое поле.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Победа! Очки: %n, этого мало для места в лучших результатах. Раздаётся новое поле.</numerusform>
            <numerusform>Победа! Очки: %n, этого мало для места в лучших результатах. Раздаётся новое поле.</numerusform>
            <numerusform>Победа! Очки: %n, этого мало для места в лучших результатах. Раздаётся новое поле.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>Очки %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>Глимбли %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>&amp;Крошечное</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;Маленькое</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>&amp;Среднее</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>&amp;Большое</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>&amp;Огромное</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>Глимбли</translation>
    </message>
</context>
<context>
    <name>Tiles menu</name>
    <message>
        <source>Grass</source>
        <translation>&amp;Трава</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>&amp;Песок</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>Что означает число</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>Число на открытой клетке говорит, сколько глимблей ещё прячется в её *строке*, *столбце* и на обеих *диагоналях*.

Эта 3 видит трёх из них. Каждый собранный глимбль уменьшает числа на своих линиях на единицу.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>Вы нашли глимбля!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>Глимбль отмечает клетку, где вы его нашли. Её число — как и везде: сколько глимблей ещё прячется на её четырёх линиях.

В клетке их может быть несколько: щёлкните ещё раз и проверьте. Если пусто, это ничего не стоит.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>Очки и глимбли</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*Очки* — ваш счёт. Вначале их столько, сколько клеток, и каждая выбранная клетка отнимает одно.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*Глимбли* — это те, кто ещё прячется. Найдите всех, сделав как можно меньше щелчков.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>Размер и число</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*Параметры &gt; Размер поля* выбирает поле: от Крошечного (8&#xa0;×&#xa0;8) до Огромного (20&#xa0;×&#xa0;20).

*Параметры &gt; Число глимблей* задаёт, сколько их прячется: на поле N&#xa0;×&#xa0;N — от N/2 до N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>Ноль очищает линии</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>*0* означает, что ни в его строке, ни в столбце, ни на диагоналях глимблей не осталось. Все клетки на этих линиях пусты, так что не тратьте на них очки.

Ищите лучше между линиями: только отмеченные клетки ещё могут скрывать глимбля.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Следующий совет</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>Не показывать это окно при запуске.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>Советы по игре 2Glimbles</translation>
    </message>
</context>
</TS>
