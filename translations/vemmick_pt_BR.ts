<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AnimationFile</name>
    <message>
        <source>There is not enough memory to make the animation.</source>
        <translation>Não há memória suficiente para criar a animação.</translation>
    </message>
    <message>
        <source>The GIF encoder failed: %1.</source>
        <translation>O codificador GIF falhou: %1.</translation>
    </message>
    <message>
        <source>A GIF animation is at most %1 pixels wide and high; this one would be %2 by %3.</source>
        <translation>Uma animação GIF tem no máximo %1 pixels de largura e de altura; esta teria %2 por %3.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Animates the two-colour ant (Langton&apos;s ant) on a wrapping grid, cell by cell, in one window; everything else is set in the window.</source>
        <translation>Anima a formiga de duas cores (formiga de Langton) célula por célula em uma grade cujas bordas se unem, em uma única janela; todo o resto é ajustado na janela.</translation>
    </message>
    <message>
        <source>vemmick needs a graphical display and none is set (DISPLAY is empty); run it on a desktop, or under xvfb-run</source>
        <translation>o vemmick precisa de uma tela gráfica e nenhuma está definida (DISPLAY está vazia); execute-o em uma área de trabalho ou com o xvfb-run</translation>
    </message>
    <message>
        <source>cannot open the graphical display (%1); start it on a running desktop, or under xvfb-run</source>
        <translation>não é possível abrir a tela gráfica (%1); execute-o em uma área de trabalho em execução ou com o xvfb-run</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Exibe esta ajuda.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Exibe a versão.</translation>
    </message>
    <message>
        <source>%1 --help lists the options</source>
        <translation>%1 --help lista as opções</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado “%1”</translation>
    </message>
</context>
<context>
    <name>BackgroundTask</name>
    <message>
        <source>There is not enough memory for it.</source>
        <translation>Não há memória suficiente para isso.</translation>
    </message>
</context>
<context>
    <name>ColorPic</name>
    <message>
        <source>%1, column %2, row %3</source>
        <translation>%1, coluna %2, linha %3</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>Selecionar uma cor</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Clear image</source>
        <translation>Limpar a imagem</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Milliseconds between cycles</source>
        <translation>Milissegundos entre ciclos</translation>
    </message>
    <message>
        <source>Steps per cycle</source>
        <translation>Passos por ciclo</translation>
    </message>
    <message>
        <source>Select dot size</source>
        <translation>Selecionar o tamanho do ponto</translation>
    </message>
    <message>
        <source>Select color one</source>
        <translation>Selecionar a primeira cor</translation>
    </message>
    <message>
        <source>Select color two</source>
        <translation>Selecionar a segunda cor</translation>
    </message>
    <message>
        <source>Color one</source>
        <translation>Primeira cor</translation>
    </message>
    <message>
        <source>Color two</source>
        <translation>Segunda cor</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copiar imagem</translation>
    </message>
    <message>
        <source>&amp;Save Picture As...</source>
        <translation>&amp;Salvar imagem como...</translation>
    </message>
    <message>
        <source>Save Picture As</source>
        <translation>Salvar imagem como</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
        <source>Save &amp;Animation As...</source>
        <translation>Salvar &amp;animação como...</translation>
    </message>
    <message>
        <source>Save Animation As</source>
        <translation>Salvar animação como</translation>
    </message>
    <message>
        <source>GIF animation (*.gif)</source>
        <translation>Animação GIF (*.gif)</translation>
    </message>
    <message>
        <source>Saving the animation...</source>
        <translation>Salvando a animação...</translation>
    </message>
    <message>
        <source>An animation is being saved. Wait until it is saved, or cancel it, before saving another.</source>
        <translation>Uma animação está sendo salva. Aguarde até que ela seja salva, ou cancele o salvamento, antes de salvar outra.</translation>
    </message>
    <message>
        <source>The picture could not be saved as
%1

%2</source>
        <translation>Não foi possível salvar a imagem como
%1

%2</translation>
    </message>
    <message>
        <source>The animation could not be saved as
%1

%2</source>
        <translation>Não foi possível salvar a animação como
%1

%2</translation>
    </message>
    <message>
        <source>Drawing area</source>
        <translation>Área de desenho</translation>
    </message>
    <message>
        <source>Vemmick 2  Size: %1 x %2</source>
        <translation>Vemmick 2  Tamanho: %1 x %2</translation>
    </message>
    <message>
        <source>%1 x %2  %3 Steps  Color 1: %4%  Color 2: %5%</source>
        <translation>%1 x %2  Passos: %3  Cor 1: %4%  Cor 2: %5%</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>There is no picture to save.</source>
        <translation>Não há imagem para salvar.</translation>
    </message>
</context>
</TS>
