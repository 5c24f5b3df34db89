<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>AnimationFile</name>
    <message>
        <source>There is not enough memory to make the animation.</source>
        <translation>Brakuje pamięci do utworzenia animacji.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1.</source>
        <translation>Koder GIF zawiódł: %1.</translation>
    </message>
    <message>
        <source>A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3.</source>
        <translation>Animacja GIF ma najwyżej %1 pikseli szerokości i wysokości; ta miałaby %2 na %3.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Animates the two-colour ant (Langton&apos;s ant) on a wrapping grid, cell by cell, in one window; everything else is set in the window.</source>
        <translation>Animuje dwukolorową mrówkę (mrówkę Langtona) komórka po komórce na siatce o złączonych brzegach, w jednym oknie; wszystko inne ustawia się w oknie.</translation>
    </message>
    <message>
        <source>vemmick needs a graphical display and none is set (DISPLAY is empty); run it on a desktop, or under xvfb-run</source>
        <translation>vemmick potrzebuje ekranu graficznego, a żaden nie jest ustawiony (DISPLAY jest pusta); uruchom go na pulpicie lub przez xvfb-run</translation>
    </message>
    <message>
        <source>cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run</source>
        <translation>nie można otworzyć ekranu graficznego (%1); uruchom go na działającym pulpicie lub przez xvfb-run</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Wyświetla tę pomoc.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Wyświetla wersję.</translation>
    </message>
    <message>
        <source>%1 --help lists the options</source>
        <translation>%1 --help wyświetla listę opcji</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>Brakuje na to pamięci.</translation>
    </message>
</context>
<context>
    <name>ColorPic</name>
    <message>
        <source>%1, column %2, row %3</source>
        <translation>%1, kolumna %2, wiersz %3</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>Wybierz kolor</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clear image</source>
        <translation>Wyczyść obraz</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Uruchom</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Milliseconds between cycles</source>
        <translation>Milisekundy między cyklami</translation>
    </message>
    <message>
        <source>Steps per cycle</source>
        <translation>Kroki na cykl</translation>
    </message>
    <message>
        <source>Select dot size</source>
        <translation>Wybierz rozmiar punktu</translation>
    </message>
    <message>
        <source>Select color one</source>
        <translation>Wybierz pierwszy kolor</translation>
    </message>
    <message>
        <source>Select color two</source>
        <translation>Wybierz drugi kolor</translation>
    </message>
    <message>
        <source>Color one</source>
        <translation>Pierwszy kolor</translation>
    </message>
    <message>
        <source>Color two</source>
        <translation>Drugi kolor</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Obraz</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Kopiuj obraz</translation>
    </message>
    <message>
        <source>&amp;Save Picture As...</source>
        <translation>&amp;Zapisz obraz jako...</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Zapisz obraz jako</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Obraz PNG (*.png)</translation>
    </message>
    <message>
        <source>Save &amp;Animation As...</source>
        <translation>Zapisz &amp;animację jako...</translation>
    </message>
    <message>
        <source>Save Animation As</source>
        <translation>Zapisz animację jako</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>Animacja GIF (*.gif)</translation>
    </message>
    <message>
        <source>Saving the animation...</source>
        <translation>Zapisywanie animacji...</translation>
    </message>
    <message>
        <source>An animation is being saved. Wait until it is saved, or cancel it, before saving another.</source>
        <translation>Trwa zapisywanie animacji. Zaczekaj, aż zostanie zapisana, lub anuluj zapisywanie, zanim zapiszesz kolejną.</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>Nie można zapisać obrazu jako
%1

%2</translation>
    </message>
    <message>
        <source>The animation could not be saved as
%1

%2</source>
        <translation>Nie można zapisać animacji jako
%1

%2</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>Obszar rysowania</translation>
    </message>
    <message>
        <source>Vemmick 2  Size: %1 x %2</source>
        <translation>Vemmick 2  Rozmiar: %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%</source>
        <translation>%1 x %2  Kroki: %3  Kolor 1: %4%  Kolor 2: %5%</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Brak obrazu do zapisania.</translation>
    </message>
</context>
</TS>
