<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AnimationFile</name>
    <message>
        <source>There is not enough memory to make the animation.</source>
        <translation>La mémoire est insuffisante pour créer l&apos;animation.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1.</source>
        <translation>L&apos;encodeur GIF a échoué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3.</source>
        <translation>Une animation GIF mesure au plus %1 pixels de large et de haut&#xa0;; celle-ci mesurerait %2 sur %3.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Animates the two-colour ant (Langton&apos;s ant) on a wrapping grid, cell by cell, in one window; everything else is set in the window.</source>
        <translation>Anime la fourmi à deux couleurs (fourmi de Langton) case par case sur une grille dont les bords se rejoignent, dans une seule fenêtre&#xa0;; tout le reste se règle dans la fenêtre.</translation>
    </message>
    <message>
        <source>vemmick needs a graphical display and none is set (DISPLAY is empty); run it on a desktop, or under xvfb-run</source>
        <translation>vemmick a besoin d&apos;un affichage graphique et aucun n&apos;est défini (DISPLAY est vide)&#xa0;; lancez-le sur un bureau, ou sous xvfb-run</translation>
    </message>
    <message>
        <source>cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run</source>
        <translation>impossible d&apos;ouvrir l&apos;affichage graphique (%1)&#xa0;; lancez-le sur un bureau en cours d&apos;exécution, ou sous xvfb-run</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Affiche la version.</translation>
    </message>
    <message>
        <source>%1 --help lists the options</source>
        <translation>%1 --help liste les options</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>La mémoire est insuffisante pour cela.</translation>
    </message>
</context>
<context>
    <name>ColorPic</name>
    <message>
        <source>%1, column %2, row %3</source>
        <translation>%1, colonne %2, ligne %3</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>Choisir une couleur</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clear image</source>
        <translation>Effacer l&apos;image</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Milliseconds between cycles</source>
        <translation>Millisecondes entre les cycles</translation>
    </message>
    <message>
        <source>Steps per cycle</source>
        <translation>Pas par cycle</translation>
    </message>
    <message>
        <source>Select dot size</source>
        <translation>Choisir la taille des points</translation>
    </message>
    <message>
        <source>Select color one</source>
        <translation>Choisir la première couleur</translation>
    </message>
    <message>
        <source>Select color two</source>
        <translation>Choisir la deuxième couleur</translation>
    </message>
    <message>
        <source>Color one</source>
        <translation>Première couleur</translation>
    </message>
    <message>
        <source>Color two</source>
        <translation>Deuxième couleur</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copier l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Save Picture As...</source>
        <translation>&amp;Enregistrer l&apos;image sous...</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Enregistrer l&apos;image sous</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>Save &amp;Animation As...</source>
        <translation>Enregistrer l&apos;&amp;animation sous...</translation>
    </message>
    <message>
        <source>Save Animation As</source>
        <translation>Enregistrer l&apos;animation sous</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>Animation GIF (*.gif)</translation>
    </message>
    <message>
        <source>Saving the animation...</source>
        <translation>Enregistrement de l&apos;animation...</translation>
    </message>
    <message>
        <source>An animation is being saved. Wait until it is saved, or cancel it, before saving another.</source>
        <translation>Une animation est en cours d&apos;enregistrement. Attendez qu&apos;elle soit enregistrée, ou annulez l&apos;enregistrement, avant d&apos;en enregistrer une autre.</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>Impossible d&apos;enregistrer l&apos;image sous
%1

%2</translation>
    </message>
    <message>
        <source>The animation could not be saved as
%1

%2</source>
        <translation>Impossible d&apos;enregistrer l&apos;animation sous
%1

%2</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>Zone de dessin</translation>
    </message>
    <message>
        <source>Vemmick 2  Size: %1 x %2</source>
        <translation>Vemmick 2  Taille&#xa0;: %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%</source>
        <translation>%1 x %2  Pas&#xa0;: %3  Couleur 1&#xa0;: %4&#xa0;%  Couleur 2&#xa0;: %5&#xa0;%</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Il n&apos;y a aucune image à enregistrer.</translation>
    </message>
</context>
</TS>
