<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AnimationFile</name>
    <message>
        <source>There is not enough memory to make the animation.</source>
        <translation>Der Arbeitsspeicher reicht nicht aus, um die Animation zu erstellen.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1.</source>
        <translation>Der GIF-Kodierer ist fehlgeschlagen: %1.</translation>
    </message>
    <message>
        <source>A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3.</source>
        <translation>Eine GIF-Animation ist höchstens %1 Pixel breit und hoch; diese wäre %2 mal %3 Pixel groß.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Animates the two-colour ant (Langton&apos;s ant) on a wrapping grid, cell by cell, in one window; everything else is set in the window.</source>
        <translation>Animiert die zweifarbige Ameise (Langtons Ameise) Zelle für Zelle auf einem an den Rändern verbundenen Gitter in einem Fenster; alles Weitere wird im Fenster eingestellt.</translation>
    </message>
    <message>
        <source>vemmick needs a graphical display and none is set (DISPLAY is empty); run it on a desktop, or under xvfb-run</source>
        <translation>vemmick braucht eine grafische Anzeige, und keine ist eingestellt (DISPLAY ist leer); starten Sie es auf einem Desktop oder unter xvfb-run</translation>
    </message>
    <message>
        <source>cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run</source>
        <translation>die grafische Anzeige kann nicht geöffnet werden (%1); starten Sie es auf einem laufenden Desktop oder unter xvfb-run</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Zeigt diese Hilfe an.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Zeigt die Version an.</translation>
    </message>
    <message>
        <source>%1 --help lists the options</source>
        <translation>%1 --help zeigt die Optionen</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>Dafür reicht der Arbeitsspeicher nicht aus.</translation>
    </message>
</context>
<context>
    <name>ColorPic</name>
    <message>
        <source>%1, column %2, row %3</source>
        <translation>%1, Spalte %2, Zeile %3</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>Farbe wählen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clear image</source>
        <translation>Bild leeren</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Milliseconds between cycles</source>
        <translation>Millisekunden zwischen den Zyklen</translation>
    </message>
    <message>
        <source>Steps per cycle</source>
        <translation>Schritte pro Zyklus</translation>
    </message>
    <message>
        <source>Select dot size</source>
        <translation>Punktgröße wählen</translation>
    </message>
    <message>
        <source>Select color one</source>
        <translation>Erste Farbe wählen</translation>
    </message>
    <message>
        <source>Select color two</source>
        <translation>Zweite Farbe wählen</translation>
    </message>
    <message>
        <source>Color one</source>
        <translation>Erste Farbe</translation>
    </message>
    <message>
        <source>Color two</source>
        <translation>Zweite Farbe</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save Picture As...</source>
        <translation>Bild &amp;speichern unter...</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Bild speichern unter</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>Save &amp;Animation As...</source>
        <translation>&amp;Animation speichern unter...</translation>
    </message>
    <message>
        <source>Save Animation As</source>
        <translation>Animation speichern unter</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>GIF-Animation (*.gif)</translation>
    </message>
    <message>
        <source>Saving the animation...</source>
        <translation>Animation wird gespeichert...</translation>
    </message>
    <message>
        <source>An animation is being saved. Wait until it is saved, or cancel it, before saving another.</source>
        <translation>Es wird gerade eine Animation gespeichert. Warten Sie, bis sie gespeichert ist, oder brechen Sie das Speichern ab, bevor Sie eine weitere speichern.</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>Das Bild konnte nicht gespeichert werden als
%1

%2</translation>
    </message>
    <message>
        <source>The animation could not be saved as
%1

%2</source>
        <translation>Die Animation konnte nicht gespeichert werden als
%1

%2</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>Zeichenfläche</translation>
    </message>
    <message>
        <source>Vemmick 2  Size: %1 x %2</source>
        <translation>Vemmick 2  Größe: %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%</source>
        <translation>%1 x %2  Schritte: %3  Farbe 1: %4&#xa0;%  Farbe 2: %5&#xa0;%</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
</context>
</TS>
