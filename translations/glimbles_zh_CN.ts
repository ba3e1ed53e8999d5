<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles 版本 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>更多游戏</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>关于 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix。自由软件：GPL v3 或更高版本。</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>最佳成绩</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>最佳成绩，%1 × %2 盘面，%3 只格林宝</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>最佳成绩</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. 空缺</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2，得分 %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>设置格林宝数量</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>最少 %1，最多 %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>新游戏(&amp;N)	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>显示提示(&amp;S)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>帮助(&amp;H)	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>最佳成绩(&amp;B)...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>前进(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>无法启动帮助。</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是一个文件夹</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>这不是普通文件</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>没有这个文件</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>无法打开“%1”：%2。</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>输入你的名字</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>得分 %1，进入最佳成绩</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>盘面大小(&amp;S)</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>格林宝数量(&amp;N)</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>方块(&amp;T)</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音(&amp;O)</translation>
    </message>
</context>
<context>
    <name>Picture buttons</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>游戏盘面</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>第 %1 列，第 %2 行，未翻开</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>第 %1 列，第 %2 行，已找到格林宝，线上有 %n 只</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>第 %1 列，第 %2 行，线上有 %n 只</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>盘面，共 %1 列 %2 行方块</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>已找到格林宝，线上有 %n 只。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>空方块，线上有 %n 只。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>得分 %1。剩余格林宝：%n 只。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>获胜！得分：%n，足以进入最佳成绩。新盘面已发好。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>获胜！得分：%n，不足以进入最佳成绩。新盘面已发好。</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>得分 %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>格林宝 %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>极小(&amp;T)</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>小(&amp;S)</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>标准(&amp;N)</translation>
    </message>
    <message>
        <source>Big</source>
        <translation>大(&amp;B)</translation>
    </message>
    <message>
        <source>Huge</source>
        <translation>巨大(&amp;H)</translation>
    </message>
</context>
<context>
    <name>Status strip</name>
    <message>
        <source>Points</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>格林宝</translation>
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
        <translation>沙地(&amp;S)</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>数字的含义</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>已翻开方块上的数字表示它所在的*行*、*列*和两条*对角线*上还藏着几只格林宝。

这个 3 数到了三只。每收集一只格林宝，它的四条线上的数字都会减一。</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>你找到了一只格林宝！</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>格林宝图案标出你找到格林宝的方块。它的数字与其他方块含义相同：四条线上仍藏着的格林宝数量。

一个方块下可能藏着好几只格林宝：再点一次已找到的方块看看。如果一只都不剩，就不扣分。</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>得分与格林宝</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*得分*就是你的分数。开局时等于方块总数，每选一个方块扣 1 分。</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*格林宝*是仍然藏着的数量。用尽可能少的点击把它们全部找出来。</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>大小与数量</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*选项 &gt; 盘面大小*用来选择盘面，从“极小”（8&#xa0;×&#xa0;8）到“巨大”（20&#xa0;×&#xa0;20）。

*选项 &gt; 格林宝数量*设定藏多少只：在 N&#xa0;×&#xa0;N 盘面上，从 N/2 到 N 只。</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>一个 0 排除四条线</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>*0* 表示它所在的行、列和对角线上都没有格林宝了。这些线上的方块全是空的，别在那里浪费分数。

不如看看线与线之间：只有标出的方块还可能藏着格林宝。</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>下一条提示</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>启动时不显示此对话框。</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>2Glimbles 提示</translation>
    </message>
</context>
</TS>
