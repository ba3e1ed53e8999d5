<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>‎2 Glimbles גרסה 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>עוד משחקים</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>אודות 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. תוכנה חופשית: GPL v3 ואילך.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>שיאים, לוח %1 × %2, %3 גלימבלים</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>שיאים</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. פנוי</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, נקודות %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>קביעת מספר הגלימבלים</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>מינימום %1, מקסימום %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>כל הקבצים (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>שמירה בשם</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>משחק &amp;חדש	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>הצגת &amp;עצות</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;אודות ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>&amp;עזרה	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>&amp;שיאים ...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;אחורה</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;קדימה</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;תוכן העניינים</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;משחק</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;אפשרויות</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>הפעלת העזרה נכשלה.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>זו תיקייה</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>זה אינו קובץ רגיל</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>אי אפשר לקרוא אותו (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>אין קובץ כזה</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>לא ניתן לפתוח את &quot;%1&quot;: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>הזנת שם</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>נקודות %1, מקום בשיאים</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>&amp;גודל הלוח</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;מספר הגלימבלים</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>מ&amp;שבצות</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>&amp;צלילים</translation>
    </message>
</context>
<context>
    <name>Picture buttons</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>לוח המשחק</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>עמודה %1, שורה %2, מכוסה</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>עמודה %1, שורה %2, נמצא גלימבל, %n על הקווים שלה</numerusform>
            <numerusform>עמודה %1, שורה %2, נמצא גלימבל, %n על הקווים שלה</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>עמודה %1, שורה %2, %n על הקווים שלה</numerusform>
            <numerusform>עמודה %1, שורה %2, %n על הקווים שלה</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>לוח, %1 על %2 משבצות</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>נמצא גלימבל, %n על הקווים שלה.</numerusform>
            <numerusform>נמצא גלימבל, %n על הקווים שלה.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>ריקה, %n על הקווים שלה.</numerusform>
            <numerusform>ריקה, %n על הקווים שלה.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>נקודות %1. גלימבלים שנותרו: %n.</numerusform>
            <numerusform>נקודות %1. גלימבלים שנותרו: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>ניצחון! נקודות: %n, מספיק למקום בשיאים. מחולק לוח חדש.</numerusform>
            <numerusform>ניצחון! נקודות: %n, מספיק למקום בשיאים. מחולק לוח חדש.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>ניצחון! נקודות: %n, מעט מדי למקום בשיאים. מחולק לוח חדש.</numerusform>
            <numerusform>ניצחון! נקודות: %n, מעט מדי למקום בשיאים. מחולק לוח חדש.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>נקודות %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>גלימבלים %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>&amp;זעיר</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;קטן</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>&amp;רגיל</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>&amp;גדול</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>&amp;ענק</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>נקודות</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>גלימבלים</translation>
    </message>
</context>
<context>
    <name>Tiles menu</name>
    <message>
        <source>Grass</source>
        <translation>&amp;דשא</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>&amp;חול</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>מה אומר המספר</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>המספר על משבצת חשופה מראה כמה גלימבלים עדיין מוסתרים ב*שורה* שלה, ב*עמודה* שלה ובשני ה*אלכסונים* שלה.

ה־3 הזה רואה שלושה מהם. כל גלימבל שאתם אוספים מוריד באחד את המספרים שעל הקווים שלו.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>מצאתם גלימבל!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>גלימבל מסמן משבצת שבה מצאתם אחד. למספר שלה אותה משמעות כמו בכל משבצת: הגלימבלים שעדיין מוסתרים על ארבעת הקווים שלה.

משבצת אחת יכולה להסתיר כמה גלימבלים: לחצו שוב על משבצת מציאה כדי לבדוק. אם לא נשאר בה אף אחד, זה לא עולה דבר.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>נקודות וגלימבלים</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*נקודות* הן הניקוד שלכם. הן מתחילות ממספר המשבצות ויורדות באחת בכל משבצת שאתם בוחרים.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*גלימבלים* מראה כמה עוד מוסתרים. מצאו את כולם בכמה שפחות לחיצות.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>גודל ומספר</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*אפשרויות &gt; גודל הלוח* בוחר את הלוח, מזעיר (8&#xa0;×&#xa0;8) ועד ענק (20&#xa0;×&#xa0;20).

*אפשרויות &gt; מספר הגלימבלים* קובע כמה מתחבאים: בלוח N&#xa0;×&#xa0;N, מ־N/2 ועד N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>אפס מנקה ארבעה קווים</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>*0* פירושו שלא נשאר אף גלימבל בשורה, בעמודה או באלכסונים שלו. כל המשבצות על הקווים האלה ריקות, אז אל תבזבזו שם נקודות.

במקום זאת, הביטו בין הקווים: רק המשבצות המסומנות עוד יכולות להסתיר גלימבל.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>העצה הבאה</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>לא להציג חלון זה בהפעלה.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>עצות למשחק 2Glimbles</translation>
    </message>
</context>
</TS>
