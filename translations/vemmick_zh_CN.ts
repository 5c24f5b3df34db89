<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AnimationFile</name>
    <message>
        <source>There is not enough memory to make the animation.</source>
        <translation>内存不足，无法创建动画。</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1.</source>
        <translation>GIF 编码器出错：%1。</translation>
    </message>
    <message>
        <source>A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3.</source>
        <translation>GIF 动画的宽度和高度最多为 %1 像素；此动画将为 %2 x %3。</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Animates the two-colour ant (Langton&apos;s ant) on a wrapping grid, cell by cell, in one window; everything else is set in the window.</source>
        <translation>在一个窗口中，于边缘首尾相接的网格上逐格演示双色蚂蚁（兰顿蚂蚁）；其他一切都在窗口中设置。</translation>
    </message>
    <message>
        <source>vemmick needs a graphical display and none is set (DISPLAY is empty); run it on a desktop, or under xvfb-run</source>
        <translation>vemmick 需要图形显示，但未设置任何显示（DISPLAY 为空）；请在桌面环境中或通过 xvfb-run 运行它</translation>
    </message>
    <message>
        <source>cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run</source>
        <translation>无法打开图形显示（%1）；请在正在运行的桌面环境中或通过 xvfb-run 启动它</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message>
        <source>%1 --help lists the options</source>
        <translation>%1 --help 会列出所有选项</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>意外的参数“%1”</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>内存不足。</translation>
    </message>
</context>
<context>
    <name>ColorPic</name>
    <message>
        <source>%1, column %2, row %3</source>
        <translation>%1，第 %2 列，第 %3 行</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>选择颜色</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clear image</source>
        <translation>清除图像</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Milliseconds between cycles</source>
        <translation>周期间隔（毫秒）</translation>
    </message>
    <message>
        <source>Steps per cycle</source>
        <translation>每周期步数</translation>
    </message>
    <message>
        <source>Select dot size</source>
        <translation>选择点大小</translation>
    </message>
    <message>
        <source>Select color one</source>
        <translation>选择颜色一</translation>
    </message>
    <message>
        <source>Select color two</source>
        <translation>选择颜色二</translation>
    </message>
    <message>
        <source>Color one</source>
        <translation>颜色一</translation>
    </message>
    <message>
        <source>Color two</source>
        <translation>颜色二</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>复制图像(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save Picture As...</source>
        <translation>图像另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>图像另存为</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Save &amp;Animation As...</source>
        <translation>动画另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save Animation As</source>
        <translation>动画另存为</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>GIF 动画 (*.gif)</translation>
    </message>
    <message>
        <source>Saving the animation...</source>
        <translation>正在保存动画...</translation>
    </message>
    <message>
        <source>An animation is being saved. Wait until it is saved, or cancel it, before saving another.</source>
        <translation>正在保存一个动画。请等待保存完成或取消保存，然后再保存另一个。</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>无法将图像保存为
%1

%2</translation>
    </message>
    <message>
        <source>The animation could not be saved as
%1

%2</source>
        <translation>无法将动画保存为
%1

%2</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>绘图区域</translation>
    </message>
    <message>
        <source>Vemmick 2  Size: %1 x %2</source>
        <translation>Vemmick 2  大小：%1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%</source>
        <translation>%1 x %2  步数：%3  颜色 1：%4%  颜色 2：%5%</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>没有可保存的图像。</translation>
    </message>
</context>
</TS>
