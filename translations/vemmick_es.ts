<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AnimationFile</name>
    <message>
        <source>There is not enough memory to make the animation.</source>
        <translation>No hay memoria suficiente para crear la animación.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1.</source>
        <translation>El codificador GIF ha fallado: %1.</translation>
    </message>
    <message>
        <source>A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3.</source>
        <translation>Una animación GIF mide como máximo %1 píxeles de ancho y de alto; esta mediría %2 por %3.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Animates the two-colour ant (Langton&apos;s ant) on a wrapping grid, cell by cell, in one window; everything else is set in the window.</source>
        <translation>Anima la hormiga de dos colores (hormiga de Langton) celda a celda sobre una cuadrícula cuyos bordes se unen, en una sola ventana; todo lo demás se ajusta en la ventana.</translation>
    </message>
    <message>
        <source>vemmick needs a graphical display and none is set (DISPLAY is empty); run it on a desktop, or under xvfb-run</source>
        <translation>vemmick necesita una pantalla gráfica y no hay ninguna definida (DISPLAY está vacía); ejecútelo en un escritorio o con xvfb-run</translation>
    </message>
    <message>
        <source>cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run</source>
        <translation>no se puede abrir la pantalla gráfica (%1); ejecútelo en un escritorio en funcionamiento o con xvfb-run</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Muestra la versión.</translation>
    </message>
    <message>
        <source>%1 --help lists the options</source>
        <translation>%1 --help muestra las opciones</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>No hay memoria suficiente para ello.</translation>
    </message>
</context>
<context>
    <name>ColorPic</name>
    <message>
        <source>%1, column %2, row %3</source>
        <translation>%1, columna %2, fila %3</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>Seleccionar un color</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clear image</source>
        <translation>Borrar la imagen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Milliseconds between cycles</source>
        <translation>Milisegundos entre ciclos</translation>
    </message>
    <message>
        <source>Steps per cycle</source>
        <translation>Pasos por ciclo</translation>
    </message>
    <message>
        <source>Select dot size</source>
        <translation>Seleccionar el tamaño de punto</translation>
    </message>
    <message>
        <source>Select color one</source>
        <translation>Seleccionar el primer color</translation>
    </message>
    <message>
        <source>Select color two</source>
        <translation>Seleccionar el segundo color</translation>
    </message>
    <message>
        <source>Color one</source>
        <translation>Primer color</translation>
    </message>
    <message>
        <source>Color two</source>
        <translation>Segundo color</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagen</translation>
    </message>
    <message>
        <source>&amp;Save Picture As...</source>
        <translation>&amp;Guardar imagen como...</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Guardar imagen como</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>Save &amp;Animation As...</source>
        <translation>Guardar &amp;animación como...</translation>
    </message>
    <message>
        <source>Save Animation As</source>
        <translation>Guardar animación como</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>Animación GIF (*.gif)</translation>
    </message>
    <message>
        <source>Saving the animation...</source>
        <translation>Guardando la animación...</translation>
    </message>
    <message>
        <source>An animation is being saved. Wait until it is saved, or cancel it, before saving another.</source>
        <translation>Se está guardando una animación. Espere a que se termine de guardar, o cancele el guardado, antes de guardar otra.</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>No se pudo guardar la imagen como
%1

%2</translation>
    </message>
    <message>
        <source>The animation could not be saved as
%1

%2</source>
        <translation>No se pudo guardar la animación como
%1

%2</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>Área de dibujo</translation>
    </message>
    <message>
        <source>Vemmick 2  Size: %1 x %2</source>
        <translation>Vemmick 2  Tamaño: %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%</source>
        <translation>%1 x %2  Pasos: %3  Color 1: %4&#xa0;%  Color 2: %5&#xa0;%</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
</context>
</TS>
