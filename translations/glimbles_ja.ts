<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles バージョン 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>ほかのゲーム</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>2Glimbles について</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix。フリーソフトウェア：GPL v3 以降。</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>ベスト記録</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>ベスト記録、%1 × %2 の盤面、グリンブル%3匹</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>ベスト記録</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. 空き</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2、得点 %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>グリンブルの数の設定</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>最小 %1、最大 %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>新しいゲーム(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>ヒントを表示(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>ヘルプ(&amp;H)	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>ベスト記録(&amp;B)...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>進む(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>ヘルプを起動できませんでした。</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>読み込めません（%1）</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>そのようなファイルはありません</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>「%1」を開けません：%2。</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>名前の入力</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>得点 %1、ベスト記録入り</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>盤面のサイズ(&amp;S)</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>グリンブルの数(&amp;N)</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>タイル(&amp;T)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>サウンド(&amp;O)</translation>
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
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>ゲームの盤面</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>%1列目、%2行目、閉じたタイル</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>%1列目、%2行目、グリンブル発見、線の上に%n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>%1列目、%2行目、線の上に%n</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>盤面、%1列×%2行のタイル</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>グリンブル発見、線の上に%n。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>空のタイル、線の上に%n。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>得点 %1。残りのグリンブル：%n。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>勝利！得点：%n、ベスト記録に入りました。新しい盤面が配られます。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>勝利！得点：%n、ベスト記録には足りません。新しい盤面が配られます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>得点 %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>グリンブル %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>極小(&amp;T)</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小(&amp;S)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>標準(&amp;N)</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>大(&amp;B)</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>特大(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>得点</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>グリンブル</translation>
    </message>
</context>
<context>
    <name>Tiles menu</name>
    <message>
        <source>Grass</source>
        <translation>草地(&amp;G)</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>砂地(&amp;S)</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>数字の意味</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>開いたタイルの数字は、その*行*、*列*、2本の*対角線*の上にまだ隠れているグリンブルの数です。

この 3 は3匹を数えています。グリンブルを1匹集めるたびに、その線の上の数字が1ずつ減ります。</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>グリンブル発見！</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>グリンブルの絵は、見つけた場所の印です。数字の意味はほかのタイルと同じで、4本の線の上にまだ隠れているグリンブルの数です。

1枚のタイルに何匹も隠れていることがあります。発見済みのタイルをもう一度クリックして確かめましょう。もういなければ、得点は減りません。</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>得点とグリンブル</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*得点*があなたのスコアです。タイルの数から始まり、タイルを1枚選ぶたびに1点減ります。</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*グリンブル*は、まだ隠れている数です。できるだけ少ないクリックで全部見つけましょう。</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>サイズと数</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*オプション &gt; 盤面のサイズ*で盤面を選びます。「極小」(8&#xa0;×&#xa0;8) から「特大」(20&#xa0;×&#xa0;20) まであります。

*オプション &gt; グリンブルの数*で隠れる数を決めます。N&#xa0;×&#xa0;N の盤面なら N/2 から N までです。</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>0 で4本の線が片付く</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>*0* は、その行、列、対角線のどこにもグリンブルが残っていないという意味です。その線の上のタイルはすべて空なので、そこに得点を使わないでください。

代わりに線の間を見ましょう。まだグリンブルがいるかもしれないのは、印の付いたタイルだけです。</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>次のヒント</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>起動時にこのダイアログを表示しない</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>2Glimbles のヒント</translation>
    </message>
</context>
</TS>
