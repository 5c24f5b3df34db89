<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>AnimationFile</name>
    <message>
        <source>There is not enough memory to make the animation.</source>
        <translation>Недостаточно памяти для создания анимации.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1.</source>
        <translation>Ошибка кодировщика GIF: %1.</translation>
    </message>
    <message>
        <source>A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3.</source>
        <translation>Анимация GIF может быть не больше %1 пикселей в ширину и в высоту; эта была бы %2 на %3.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Animates the two-colour ant (Langton&apos;s ant) on a wrapping grid, cell by cell, in one window; everything else is set in the window.</source>
        <translation>Показывает двухцветного муравья (муравья Лэнгтона) клетка за клеткой на сетке с замкнутыми краями в одном окне; всё остальное настраивается в окне.</translation>
    </message>
    <message>
        <source>vemmick needs a graphical display and none is set (DISPLAY is empty); run it on a desktop, or under xvfb-run</source>
        <translation>vemmick нужен графический дисплей, а он не задан (DISPLAY пуста); запустите программу в графическом сеансе или через xvfb-run</translation>
    </message>
    <message>
        <source>cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run</source>
        <translation>не удаётся открыть графический дисплей (%1); запустите программу в работающем графическом сеансе или через xvfb-run</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Показывает эту справку.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Показывает версию.</translation>
    </message>
    <message>
        <source>%1 --help lists the options</source>
        <translation>%1 --help выводит список параметров</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>Для этого недостаточно памяти.</translation>
    </message>
</context>
<context>
    <name>ColorPic</name>
    <message>
        <source>%1, column %2, row %3</source>
        <translation>%1, столбец %2, строка %3</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>Выбрать цвет</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clear image</source>
        <translation>Очистить изображение</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Запустить</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Milliseconds between cycles</source>
        <translation>Миллисекунды между циклами</translation>
    </message>
    <message>
        <source>Steps per cycle</source>
        <translation>Шагов за цикл</translation>
    </message>
    <message>
        <source>Select dot size</source>
        <translation>Выбрать размер точки</translation>
    </message>
    <message>
        <source>Select color one</source>
        <translation>Выбрать первый цвет</translation>
    </message>
    <message>
        <source>Select color two</source>
        <translation>Выбрать второй цвет</translation>
    </message>
    <message>
        <source>Color one</source>
        <translation>Первый цвет</translation>
    </message>
    <message>
        <source>Color two</source>
        <translation>Второй цвет</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Изображение</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Копировать изображение</translation>
    </message>
    <message>
        <source>&amp;Save Picture As...</source>
        <translation>&amp;Сохранить изображение как...</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Сохранить изображение как</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>Save &amp;Animation As...</source>
        <translation>Сохранить &amp;анимацию как...</translation>
    </message>
    <message>
        <source>Save Animation As</source>
        <translation>Сохранить анимацию как</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>Анимация GIF (*.gif)</translation>
    </message>
    <message>
        <source>Saving the animation...</source>
        <translation>Сохранение анимации...</translation>
    </message>
    <message>
        <source>An animation is being saved. Wait until it is saved, or cancel it, before saving another.</source>
        <translation>Идёт сохранение анимации. Дождитесь окончания сохранения или отмените его, прежде чем сохранять другую.</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>Не удалось сохранить изображение как
%1

%2</translation>
    </message>
    <message>
        <source>The animation could not be saved as
%1

%2</source>
        <translation>Не удалось сохранить анимацию как
%1

%2</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>Область рисования</translation>
    </message>
    <message>
        <source>Vemmick 2  Size: %1 x %2</source>
        <translation>Vemmick 2  Размер: %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%</source>
        <translation>%1 x %2  Шаги: %3  Цвет 1: %4&#xa0;%  Цвет 2: %5&#xa0;%</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Нет изображения для сохранения.</translation>
    </message>
</context>
</TS>
