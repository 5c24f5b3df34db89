<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>AnimationFile</name>
    <message>
        <source>There is not enough memory to make the animation.</source>
        <translation>アニメーションを作成するためのメモリが不足しています。</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1.</source>
        <translation>GIF エンコーダーが失敗しました: %1。</translation>
    </message>
    <message>
        <source>A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3.</source>
        <translation>GIF アニメーションの幅と高さは最大 %1 ピクセルですが、このアニメーションは %2 x %3 になります。</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Animates the two-colour ant (Langton&apos;s ant) on a wrapping grid, cell by cell, in one window; everything else is set in the window.</source>
        <translation>2 色のアリ（ラングトンのアリ）を、端どうしがつながった格子の上でセルごとに 1 つのウィンドウでアニメーション表示します。その他の設定はすべてウィンドウで行います。</translation>
    </message>
    <message>
        <source>vemmick needs a graphical display and none is set (DISPLAY is empty); run it on a desktop, or under xvfb-run</source>
        <translation>vemmick にはグラフィカルディスプレイが必要ですが、設定されていません (DISPLAY が空です)。デスクトップ上で、または xvfb-run の下で実行してください</translation>
    </message>
    <message>
        <source>cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run</source>
        <translation>グラフィカルディスプレイを開けません (%1)。実行中のデスクトップ上で、または xvfb-run の下で起動してください</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>このヘルプを表示します。</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>バージョンを表示します。</translation>
    </message>
    <message>
        <source>%1 --help lists the options</source>
        <translation>%1 --help でオプションの一覧を表示します</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>予期しない引数「%1」</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>メモリが不足しています。</translation>
    </message>
</context>
<context>
    <name>ColorPic</name>
    <message>
        <source>%1, column %2, row %3</source>
        <translation>%1、列 %2、行 %3</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>色を選択</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clear image</source>
        <translation>画像を消去</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Milliseconds between cycles</source>
        <translation>サイクル間の間隔 (ミリ秒)</translation>
    </message>
    <message>
        <source>Steps per cycle</source>
        <translation>1 サイクルあたりのステップ数</translation>
    </message>
    <message>
        <source>Select dot size</source>
        <translation>点のサイズを選択</translation>
    </message>
    <message>
        <source>Select color one</source>
        <translation>色 1 を選択</translation>
    </message>
    <message>
        <source>Select color two</source>
        <translation>色 2 を選択</translation>
    </message>
    <message>
        <source>Color one</source>
        <translation>色 1</translation>
    </message>
    <message>
        <source>Color two</source>
        <translation>色 2</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>画像をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Picture As...</source>
        <translation>画像に名前を付けて保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>画像に名前を付けて保存</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Save &amp;Animation As...</source>
        <translation>アニメーションに名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save Animation As</source>
        <translation>アニメーションに名前を付けて保存</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>GIF アニメーション (*.gif)</translation>
    </message>
    <message>
        <source>Saving the animation...</source>
        <translation>アニメーションを保存しています...</translation>
    </message>
    <message>
        <source>An animation is being saved. Wait until it is saved, or cancel it, before saving another.</source>
        <translation>アニメーションを保存しています。別のアニメーションを保存する前に、保存が終わるまで待つか、保存をキャンセルしてください。</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>画像を次の名前で保存できませんでした:
%1

%2</translation>
    </message>
    <message>
        <source>The animation could not be saved as
%1

%2</source>
        <translation>アニメーションを次の名前で保存できませんでした:
%1

%2</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>描画領域</translation>
    </message>
    <message>
        <source>Vemmick 2  Size: %1 x %2</source>
        <translation>Vemmick 2  サイズ: %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%</source>
        <translation>%1 x %2  ステップ数: %3  色 1: %4%  色 2: %5%</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>保存する画像がありません。</translation>
    </message>
</context>
</TS>
