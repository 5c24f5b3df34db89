<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>AnimationFile</name>
    <message>
        <source>There is not enough memory to make the animation.</source>
        <translation>Er is niet genoeg geheugen om de animatie te maken.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1.</source>
        <translation>De GIF-encoder is mislukt: %1.</translation>
    </message>
    <message>
        <source>A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3.</source>
        <translation>Een GIF-animatie is hoogstens %1 pixels breed en hoog; deze zou %2 bij %3 zijn.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Animates the two-colour ant (Langton&apos;s ant) on a wrapping grid, cell by cell, in one window; everything else is set in the window.</source>
        <translation>Animeert de tweekleurige mier (mier van Langton) cel voor cel op een rooster waarvan de randen op elkaar aansluiten, in één venster; al het andere stelt u in het venster in.</translation>
    </message>
    <message>
        <source>vemmick needs a graphical display and none is set (DISPLAY is empty); run it on a desktop, or under xvfb-run</source>
        <translation>vemmick heeft een grafisch scherm nodig en er is er geen ingesteld (DISPLAY is leeg); start het op een bureaublad, of met xvfb-run</translation>
    </message>
    <message>
        <source>cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run</source>
        <translation>kan het grafische scherm niet openen (%1); start het op een actief bureaublad, of met xvfb-run</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Toont deze hulp.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Toont de versie.</translation>
    </message>
    <message>
        <source>%1 --help lists the options</source>
        <translation>%1 --help toont de opties</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>onverwacht argument ‘%1’</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>Er is daarvoor niet genoeg geheugen.</translation>
    </message>
</context>
<context>
    <name>ColorPic</name>
    <message>
        <source>%1, column %2, row %3</source>
        <translation>%1, kolom %2, rij %3</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>Kleur kiezen</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clear image</source>
        <translation>Afbeelding wissen</translation>
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
        <translation>Pauzeren</translation>
    </message>
    <message>
        <source>Milliseconds between cycles</source>
        <translation>Milliseconden tussen cycli</translation>
    </message>
    <message>
        <source>Steps per cycle</source>
        <translation>Stappen per cyclus</translation>
    </message>
    <message>
        <source>Select dot size</source>
        <translation>Puntgrootte kiezen</translation>
    </message>
    <message>
        <source>Select color one</source>
        <translation>Eerste kleur kiezen</translation>
    </message>
    <message>
        <source>Select color two</source>
        <translation>Tweede kleur kiezen</translation>
    </message>
    <message>
        <source>Color one</source>
        <translation>Eerste kleur</translation>
    </message>
    <message>
        <source>Color two</source>
        <translation>Tweede kleur</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>Afbeelding &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Save Picture As...</source>
        <translation>Afbeelding &amp;opslaan als...</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Afbeelding opslaan als</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-afbeelding (*.png)</translation>
    </message>
    <message>
        <source>Save &amp;Animation As...</source>
        <translation>&amp;Animatie opslaan als...</translation>
    </message>
    <message>
        <source>Save Animation As</source>
        <translation>Animatie opslaan als</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>GIF-animatie (*.gif)</translation>
    </message>
    <message>
        <source>Saving the animation...</source>
        <translation>Animatie wordt opgeslagen...</translation>
    </message>
    <message>
        <source>An animation is being saved. Wait until it is saved, or cancel it, before saving another.</source>
        <translation>Er wordt een animatie opgeslagen. Wacht tot die is opgeslagen, of annuleer het opslaan, voordat u een andere opslaat.</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>De afbeelding kon niet worden opgeslagen als
%1

%2</translation>
    </message>
    <message>
        <source>The animation could not be saved as
%1

%2</source>
        <translation>De animatie kon niet worden opgeslagen als
%1

%2</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>Tekengebied</translation>
    </message>
    <message>
        <source>Vemmick 2  Size: %1 x %2</source>
        <translation>Vemmick 2  Grootte: %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%</source>
        <translation>%1 x %2  Stappen: %3  Kleur 1: %4%  Kleur 2: %5%</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Er is geen afbeelding om op te slaan.</translation>
    </message>
</context>
</TS>
