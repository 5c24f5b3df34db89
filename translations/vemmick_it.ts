<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>AnimationFile</name>
    <message>
        <source>There is not enough memory to make the animation.</source>
        <translation>La memoria non è sufficiente per creare l&apos;animazione.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1.</source>
        <translation>Il codificatore GIF non è riuscito: %1.</translation>
    </message>
    <message>
        <source>A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3.</source>
        <translation>Un&apos;animazione GIF misura al massimo %1 pixel in larghezza e in altezza; questa sarebbe %2 per %3.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Animates the two-colour ant (Langton&apos;s ant) on a wrapping grid, cell by cell, in one window; everything else is set in the window.</source>
        <translation>Anima la formica a due colori (formica di Langton) cella per cella su una griglia i cui bordi si uniscono, in un&apos;unica finestra; tutto il resto si imposta nella finestra.</translation>
    </message>
    <message>
        <source>vemmick needs a graphical display and none is set (DISPLAY is empty); run it on a desktop, or under xvfb-run</source>
        <translation>vemmick ha bisogno di un display grafico e non ne è impostato nessuno (DISPLAY è vuota); avvialo in un desktop o con xvfb-run</translation>
    </message>
    <message>
        <source>cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run</source>
        <translation>impossibile aprire il display grafico (%1); avvialo in un desktop in esecuzione o con xvfb-run</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Mostra la versione.</translation>
    </message>
    <message>
        <source>%1 --help lists the options</source>
        <translation>%1 --help elenca le opzioni</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>La memoria non è sufficiente.</translation>
    </message>
</context>
<context>
    <name>ColorPic</name>
    <message>
        <source>%1, column %2, row %3</source>
        <translation>%1, colonna %2, riga %3</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>Seleziona un colore</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clear image</source>
        <translation>Cancella l&apos;immagine</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Milliseconds between cycles</source>
        <translation>Millisecondi tra i cicli</translation>
    </message>
    <message>
        <source>Steps per cycle</source>
        <translation>Passi per ciclo</translation>
    </message>
    <message>
        <source>Select dot size</source>
        <translation>Seleziona la dimensione dei punti</translation>
    </message>
    <message>
        <source>Select color one</source>
        <translation>Seleziona il primo colore</translation>
    </message>
    <message>
        <source>Select color two</source>
        <translation>Seleziona il secondo colore</translation>
    </message>
    <message>
        <source>Color one</source>
        <translation>Primo colore</translation>
    </message>
    <message>
        <source>Color two</source>
        <translation>Secondo colore</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copia immagine</translation>
    </message>
    <message>
        <source>&amp;Save Picture As...</source>
        <translation>&amp;Salva immagine con nome...</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Salva immagine con nome</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>Save &amp;Animation As...</source>
        <translation>Salva &amp;animazione con nome...</translation>
    </message>
    <message>
        <source>Save Animation As</source>
        <translation>Salva animazione con nome</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>Animazione GIF (*.gif)</translation>
    </message>
    <message>
        <source>Saving the animation...</source>
        <translation>Salvataggio dell&apos;animazione...</translation>
    </message>
    <message>
        <source>An animation is being saved. Wait until it is saved, or cancel it, before saving another.</source>
        <translation>È in corso il salvataggio di un&apos;animazione. Attendi che sia salvata, o annulla il salvataggio, prima di salvarne un&apos;altra.</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>Impossibile salvare l&apos;immagine come
%1

%2</translation>
    </message>
    <message>
        <source>The animation could not be saved as
%1

%2</source>
        <translation>Impossibile salvare l&apos;animazione come
%1

%2</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>Area di disegno</translation>
    </message>
    <message>
        <source>Vemmick 2  Size: %1 x %2</source>
        <translation>Vemmick 2  Dimensioni: %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%</source>
        <translation>%1 x %2  Passi: %3  Colore 1: %4%  Colore 2: %5%</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Non c&apos;è alcuna immagine da salvare.</translation>
    </message>
</context>
</TS>
