<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles версія 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>Більше ігор</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>Про гру 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. Вільна програма: GPL v3 або новіша.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>Найкращі результати</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>Найкращі результати, поле %1 × %2, глімблів: %3</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Найкращі результати</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. вільно</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, бали %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>Задайте кількість глімблів</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>мінімум %1, максимум %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Усі файли (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Зберегти як</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Нова гра	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>&amp;Показати поради</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Про гру ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>&amp;Довідка	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>&amp;Найкращі результати ...</translation>
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
        <translation>&amp;Вперед</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Зміст</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Параметри</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Не вдалося відкрити довідку.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>це тека</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>це не звичайний файл</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>його не вдається прочитати (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>такого файлу немає</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Не вдається відкрити «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>Введіть своє ім’я</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>Бали %1, місце серед найкращих результатів</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>&amp;Розмір поля</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;Кількість глімблів</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>К&amp;літинки</translation>
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
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>Ігрове поле</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>стовпець %1, рядок %2, закрита</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>стовпець %1, рядок %2, глімбля знайдено, %n на її лініях</numerusform>
            <numerusform>стовпець %1, рядок %2, глімбля знайдено, %n на її лініях</numerusform>
            <numerusform>стовпець %1, рядок %2, глімбля знайдено, %n на її лініях</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>стовпець %1, рядок %2, %n на її лініях</numerusform>
            <numerusform>стовпець %1, рядок %2, %n на її лініях</numerusform>
            <numerusform>стовпець %1, рядок %2, %n на її лініях</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>Поле %1 на %2 клітинок</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>Глімбля знайдено, %n на її лініях.</numerusform>
            <numerusform>Глімбля знайдено, %n на її лініях.</numerusform>
            <numerusform>Глімбля знайдено, %n на її лініях.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>Порожньо, %n на її лініях.</numerusform>
            <numerusform>Порожньо, %n на її лініях.</numerusform>
            <numerusform>Порожньо, %n на її лініях.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>Бали %1. Залишилося глімблів: %n.</numerusform>
            <numerusform>Бали %1. Залишилося глімблів: %n.</numerusform>
            <numerusform>Бали %1. Залишилося глімблів: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Перемога! Бали: %n, цього досить для місця серед найкращих результатів. Роздається нове поле.</numerusform>
            <numerusform>Перемога! Бали: %n, цього досить для місця серед найкращих результатів. Роздається нове поле.</numerusform>
            <numerusform>Перемога! Бали: %n, цього досить для місця серед найкращих результатів. Роздається нове поле.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Перемога! Бали: %n, цього замало для місця серед найкращих результатів. Роздається нове поле.</numerusform>
            <numerusform>Перемога! Бали: %n, цього замало для місця серед найкращих результатів. Роздається нове поле.</numerusform>
            <numerusform>Перемога! Бали: %n, цього замало для місця серед найкращих результатів. Роздається нове поле.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>Бали %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>Глімблі %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>&amp;Крихітне</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;Маленьке</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>&amp;Середнє</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>&amp;Велике</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>Вели&amp;чезне</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>Бали</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>Глімблі</translation>
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
        <translation>&amp;Пісок</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>Що означає число</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>Число на відкритій клітинці показує, скільки глімблів ще ховається в її *рядку*, її *стовпці* й на обох її *діагоналях*.

Ця 3 бачить трьох із них. Кожен зібраний глімбель зменшує числа на своїх лініях на одиницю.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>Ви знайшли глімбля!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>Глімбель позначає клітинку, де ви його знайшли. Її число означає те саме, що й деінде: скільки глімблів ще ховається на її чотирьох лініях.

У клітинці їх може бути кілька: клацніть ще раз і перевірте. Якщо пусто, це нічого не коштує.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>Бали й глімблі</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*Бали* — ваш рахунок. Спочатку їх стільки, скільки клітинок, і кожна вибрана клітинка забирає один.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*Глімблі* — це ті, хто ще ховається. Знайдіть усіх якомога меншою кількістю клацань.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>Розмір і кількість</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*Параметри &gt; Розмір поля* вибирає поле: від Крихітного (8&#xa0;×&#xa0;8) до Величезного (20&#xa0;×&#xa0;20).

*Параметри &gt; Кількість глімблів* задає, скільки їх ховається: на полі N&#xa0;×&#xa0;N — від N/2 до N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>Нуль очищає лінії</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>*0* означає, що ні в його рядку, ні в стовпці, ні на діагоналях глімблів не лишилося. Усі клітинки на цих лініях порожні, тож не витрачайте на них бали.

Шукайте краще між лініями: лише позначені клітинки ще можуть приховувати глімбля.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Наступна порада</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>Не показувати це вікно під час запуску.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>Поради до гри 2Glimbles</translation>
    </message>
</context>
</TS>
