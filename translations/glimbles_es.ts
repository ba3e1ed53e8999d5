<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About dialog</name>
    <message>
        <source>2 Glimbles Version 1.5</source>
        <translation>2 Glimbles versión 1.5</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Get More Games</source>
        <translation>Más juegos</translation>
    </message>
    <message>
        <source>About 2Glimbles</source>
        <translation>Acerca de 2Glimbles</translation>
    </message>
    <message>
        <source>(C) Pellix. Free software: GPL v3 or later.</source>
        <translation>(C) Pellix. Software libre: GPL v3 o posterior.</translation>
    </message>
</context>
<context>
    <name>Best Results dialog</name>
    <message>
        <source>Best results</source>
        <translation>Mejores resultados</translation>
    </message>
    <message>
        <source>Best results, %1 × %2 board, %3 glimbles</source>
        <translation>Mejores resultados, tablero de %1 × %2, %3 glimbles</translation>
    </message>
    <message>
        <source>Best Results</source>
        <translation>Mejores resultados</translation>
    </message>
    <message>
        <source>%1. empty</source>
        <translation>%1. libre</translation>
    </message>
    <message>
        <source>%1. %2, points %3</source>
        <translation>%1. %2, puntos %3</translation>
    </message>
</context>
<context>
    <name>Count dialog</name>
    <message>
        <source>Set number of glimbles</source>
        <translation>Elegir el número de glimbles</translation>
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
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
</context>
<context>
    <name>Game menu</name>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nuevo	Ctrl+N</translation>
    </message>
    <message>
        <source>Show Tips</source>
        <translation>Mostrar &amp;consejos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>Help menu</name>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Acerca de ...</translation>
    </message>
    <message>
        <source>Help	F1</source>
        <translation>Ay&amp;uda	F1</translation>
    </message>
    <message>
        <source>Best Results ...</source>
        <translation>&amp;Mejores resultados ...</translation>
    </message>
</context>
<context>
    <name>Help window</name>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
</context>
<context>
    <name>Menu bar</name>
    <message>
        <source>Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Failed to launch help.</source>
        <translation>No se pudo abrir la ayuda.</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it cannot be read (%1)</source>
        <translation>no se puede leer (%1)</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>No se puede abrir «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>Name dialog</name>
    <message>
        <source>Enter your name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>Points %1, a place among the best results</source>
        <translation>Puntos %1, un puesto en los mejores resultados</translation>
    </message>
</context>
<context>
    <name>Options menu</name>
    <message>
        <source>Set Size</source>
        <translation>Elegir &amp;tamaño</translation>
    </message>
    <message>
        <source>Number of Glimbles</source>
        <translation>&amp;Número de glimbles</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>&amp;Casillas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
</context>
<context>
    <name>Picture buttons</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Tablero de juego</translation>
    </message>
    <message>
        <source>column %1, row %2, covered</source>
        <translation>columna %1, fila %2, tapada</translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, glimble found, %n on its lines</source>
        <translation>
            <numerusform>columna %1, fila %2, glimble encontrado, %n en sus líneas</numerusform>
            <numerusform>columna %1, fila %2, glimble encontrado, %n en sus líneas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>column %1, row %2, %n on its lines</source>
        <translation>
            <numerusform>columna %1, fila %2, %n en sus líneas</numerusform>
            <numerusform>columna %1, fila %2, %n en sus líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>Board, %1 by %2 tiles</source>
        <translation>Tablero de %1 por %2 casillas</translation>
    </message>
    <message numerus="yes">
        <source>Glimble found, %n on its lines.</source>
        <translation>
            <numerusform>Glimble encontrado, %n en sus líneas.</numerusform>
            <numerusform>Glimble encontrado, %n en sus líneas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Empty, %n on its lines.</source>
        <translation>
            <numerusform>Vacía, %n en sus líneas.</numerusform>
            <numerusform>Vacía, %n en sus líneas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Points %1. Glimbles left: %n.</source>
        <translation>
            <numerusform>Puntos %1. Glimbles que quedan: %n.</numerusform>
            <numerusform>Puntos %1. Glimbles que quedan: %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, enough for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>¡Victoria! Puntos: %n, suficientes para un puesto en los mejores resultados. Se reparte un tablero nuevo.</numerusform>
            <numerusform>¡Victoria! Puntos: %n, suficientes para un puesto en los mejores resultados. Se reparte un tablero nuevo.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won! Points: %n, too few for a place in the best results. A new board is dealt.</source>
        <translation>
            <numerusform>¡Victoria! Puntos: %n, demasiado pocos para un puesto en los mejores resultados. Se reparte un tablero nuevo.</numerusform>
            <numerusform>¡Victoria! Puntos: %n, demasiado pocos para un puesto en los mejores resultados. Se reparte un tablero nuevo.</numerusform>
        </translation>
    </message>
    <message>
        <source>Points %1</source>
        <translation>Puntos %1</translation>
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
        <translation>&amp;Diminuto</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>&amp;Pequeño</translation>
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
        <translation>Puntos</translation>
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
        <translation>&amp;Hierba</translation>
    </message>
    <message>
        <source>Sand</source>
        <translation>&amp;Arena</translation>
    </message>
</context>
<context>
    <name>Tips</name>
    <message>
        <source>What a number means</source>
        <translation>Qué dice un número</translation>
    </message>
    <message>
        <source>The number on an uncovered tile tells how many glimbles are still hidden on its *row*, its *column* and both of its *diagonals*.

This 3 sees three of them. Every glimble you collect lowers the numbers on its lines by one.</source>
        <translation>El número de una casilla destapada dice cuántos glimbles quedan escondidos en su *fila*, su *columna* y sus dos *diagonales*.

Este 3 ve tres. Cada glimble que atrapas baja en uno los números de sus líneas.</translation>
    </message>
    <message>
        <source>You found a glimble!</source>
        <translation>¡Glimble encontrado!</translation>
    </message>
    <message>
        <source>A glimble marks a tile where you found one. Its number means the same as on any other tile: the glimbles still hidden on its four lines.

One tile can hide several glimbles: click a found tile again to look. If none is left, it costs nothing.</source>
        <translation>Un glimble marca la casilla donde lo encontraste. Su número cuenta, como en todas, los glimbles aún escondidos en sus cuatro líneas.

Una casilla puede esconder varios: haz clic otra vez en una casilla premiada para mirar. Si no queda ninguno, es gratis.</translation>
    </message>
    <message>
        <source>Points and glimbles</source>
        <translation>Puntos y glimbles</translation>
    </message>
    <message>
        <source>*Points* is your score. It starts at the number of tiles and drops by one with every tile you select.</source>
        <translation>*Puntos* es tu puntuación. Empieza en el número de casillas y baja uno con cada casilla que eliges.</translation>
    </message>
    <message>
        <source>*Glimbles* counts those still hidden. Find them all with as few clicks as you can.</source>
        <translation>*Glimbles* cuenta los que siguen escondidos. Encuéntralos todos con los menos clics posibles.</translation>
    </message>
    <message>
        <source>Size and number</source>
        <translation>Tamaño y número</translation>
    </message>
    <message>
        <source>*Options &gt; Set Size* picks the board, from Tiny (8 × 8) up to Huge (20 × 20).

*Options &gt; Number of Glimbles* sets how many hide: on an N × N board, from N/2 up to N.</source>
        <translation>*Opciones &gt; Elegir tamaño* escoge el tablero, de Diminuto (8&#xa0;×&#xa0;8) a Enorme (20&#xa0;×&#xa0;20).

*Opciones &gt; Número de glimbles* fija cuántos se esconden: en un tablero N&#xa0;×&#xa0;N, de N/2 a N.</translation>
    </message>
    <message>
        <source>A zero clears four lines</source>
        <translation>Un 0 despeja 4 líneas</translation>
    </message>
    <message>
        <source>A *0* means that no glimble is left on its row, its column or its diagonals. Every tile on those lines is empty, so don&apos;t spend points there.

Look between the lines instead: only the marked tiles can still hide a glimble.</source>
        <translation>Un *0* significa que no queda ningún glimble en su fila, su columna ni sus diagonales. Todas las casillas de esas líneas están vacías: no gastes puntos ahí.

Busca entre las líneas: solo las casillas marcadas aún pueden esconder un glimble.</translation>
    </message>
</context>
<context>
    <name>Tips dialog</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Siguiente consejo</translation>
    </message>
    <message>
        <source>Do not show this dialog on the start.</source>
        <translation>No mostrar este diálogo al iniciar.</translation>
    </message>
    <message>
        <source>Tips for 2Glimbles</source>
        <translation>Consejos para 2Glimbles</translation>
    </message>
</context>
</TS>
