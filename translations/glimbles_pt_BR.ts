<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles versão 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>Mais jogos</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>Sobre o 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. Software livre: GPL v3 ou posterior.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>Melhores resultados</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>Melhores resultados, tabuleiro %1 × %2, %3 glimbles</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Melhores resultados</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. livre</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, pontos %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>Definir o número de glimbles</translation>
    </message>
    <message>
        <source>minimum %1, maximum %2</source>
        <translation>mínimo %1, máximo %2</translation>
    </message>
</context>
<context>
    <name>File dialogs</name>
    <message>
        <source>All Files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Novo	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>Mostrar &amp;dicas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Sobre ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>Aj&amp;uda	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>&amp;Melhores resultados ...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>Não foi possível abrir a ajuda.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>o arquivo não existe</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Não foi possível abrir “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>Pontos %1, um lugar nos melhores resultados</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>Definir &amp;tamanho</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;Número de glimbles</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>&amp;Casas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>&amp;Som</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Screen reader</name>
    <message>
        <source>Game board</source>
        <translation>Tabuleiro do jogo</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>coluna %1, fileira %2, coberta</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>coluna %1, fileira %2, glimble encontrado, %n nas suas linhas</numerusform>
            <numerusform>coluna %1, fileira %2, glimble encontrado, %n nas suas linhas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>coluna %1, fileira %2, %n nas suas linhas</numerusform>
            <numerusform>coluna %1, fileira %2, %n nas suas linhas</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>Tabuleiro de %1 por %2 casas</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>Glimble encontrado, %n nas suas linhas.</numerusform>
            <numerusform>Glimble encontrado, %n nas suas linhas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>Vazia, %n nas suas linhas.</numerusform>
            <numerusform>Vazia, %n nas suas linhas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>Pontos %1. Glimbles que faltam: %n.</numerusform>
            <numerusform>Pontos %1. Glimbles que faltam: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Vitória! Pontos: %n, o bastante para um lugar nos melhores resultados. Um novo tabuleiro é distribuído.</numerusform>
            <numerusform>Vitória! Pontos: %n, o bastante para um lugar nos melhores resultados. Um novo tabuleiro é distribuído.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>Vitória! Pontos: %n, poucos demais para um lugar nos melhores resultados. Um novo tabuleiro é distribuído.</numerusform>
            <numerusform>Vitória! Pontos: %n, poucos demais para um lugar nos melhores resultados. Um novo tabuleiro é distribuído.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>Pontos %1</translation>
    </message>
    <message>
        <source>Glimbles %1</source>
        <translation>Glimbles %1</translation>
    </message>
</context>
<context>
    <name>Set Size menu</name>
    <message>
        <source>Tiny</source>
        <translation>&amp;Minúsculo</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;Pequeno</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>&amp;Normal</translation>
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
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Glimbles</source>
        <extracomment>The status strip&apos;s count of the glimbles still hidden.</extracomment>
        <translation>Glimbles</translation>
    </message>
</context>
<context>
    <name>Tiles menu</name>
    <message>
        <source>Grass</source>
        <translation>&amp;Grama</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>&amp;Areia</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>O que um número diz</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>O número de uma casa descoberta diz quantos glimbles ainda estão escondidos na sua *fileira*, na sua *coluna* e nas suas duas *diagonais*.

Este 3 vê três deles. Cada glimble que você captura baixa em um os números das suas linhas.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>Você achou um glimble!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>Um glimble marca a casa onde você o achou. Como em toda casa, o número conta os glimbles ainda ocultos nas suas quatro linhas.

Uma casa pode esconder vários: clique de novo numa casa premiada para ver. Se não sobrar nenhum, é grátis.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>Pontos e glimbles</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*Pontos* é a sua pontuação. Começa no número de casas e diminui um a cada casa escolhida.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*Glimbles* conta os que ainda estão escondidos. Ache todos com o mínimo de cliques possível.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>Tamanho e número</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*Opções &gt; Definir tamanho* muda o tabuleiro, do Minúsculo (8&#xa0;×&#xa0;8) ao Enorme (20&#xa0;×&#xa0;20).

*Opções &gt; Número de glimbles* define quantos se escondem: num tabuleiro N&#xa0;×&#xa0;N, de N/2 a N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>O zero libera 4 linhas</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>Um *0* quer dizer que não sobrou nenhum glimble na sua fileira, coluna ou diagonais. As casas dessas linhas estão vazias: não gaste pontos ali.

Procure entre as linhas: só as casas marcadas ainda podem esconder um glimble.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Próxima dica</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>Não mostrar esta janela ao iniciar.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>Dicas do 2Glimbles</translation>
    </message>
</context>
</TS>
