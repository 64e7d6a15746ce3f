<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Catalogue</name>
    <message>
        <source>USA</source>
        <translation>EUA</translation>
    </message>
    <message>
        <source>France</source>
        <translation>França</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemanha</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>Denmark 1</source>
        <translation>Dinamarca 1</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suécia</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Itália</translation>
    </message>
    <message>
        <source>Spain 1</source>
        <translation>Espanha 1</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japão</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Noruega</translation>
    </message>
    <message>
        <source>Denmark 2</source>
        <translation>Dinamarca 2</translation>
    </message>
    <message>
        <source>Spain 2</source>
        <translation>Espanha 2</translation>
    </message>
    <message>
        <source>Latine America </source>
        <translation>América Latina </translation>
    </message>
    <message>
        <source>8x16 font</source>
        <translation>Fonte 8x16</translation>
    </message>
    <message>
        <source>12x20 font</source>
        <translation>Fonte 12x20</translation>
    </message>
    <message>
        <source>7x16 font</source>
        <translation>Fonte 7x16</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centralizado</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À direita</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À esquerda</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>180° Rotated</source>
        <translation>Girado 180°</translation>
    </message>
    <message>
        <source>Not Printed</source>
        <translation>Não impresso</translation>
    </message>
    <message>
        <source>Above Barcode</source>
        <translation>Acima do código</translation>
    </message>
    <message>
        <source>Under Barcode</source>
        <translation>Abaixo do código</translation>
    </message>
    <message>
        <source>Above and Under Barcode</source>
        <translation>Acima e abaixo do código</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Xon-Xoff</source>
        <translation>Xon-Xoff</translation>
    </message>
    <message>
        <source>DSR/DTR Mode</source>
        <translation>Modo DSR/DTR</translation>
    </message>
    <message>
        <source>IR Disable</source>
        <translation>IR desativado</translation>
    </message>
    <message>
        <source>IR Enable</source>
        <translation>IR ativado</translation>
    </message>
    <message>
        <source>Dynamic Division</source>
        <translation>Divisão dinâmica</translation>
    </message>
    <message>
        <source>Sets default number of black bytes activated per heat</source>
        <translation>Define o número padrão de bytes pretos ativados por aquecimento</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>Sets default printout darkness</source>
        <translation>Define o escurecimento padrão da impressão</translation>
    </message>
    <message>
        <source>Acceleration Smooting</source>
        <translation>Suavização da aceleração</translation>
    </message>
    <message>
        <source>Sets default maximum acceleration ratio between two steps</source>
        <translation>Define a taxa máxima padrão de aceleração entre dois passos</translation>
    </message>
    <message>
        <source>Max Printing Speed</source>
        <translation>Velocidade máx. de impressão</translation>
    </message>
    <message>
        <source>Sets the default max printing/paperfeed speed</source>
        <translation>Define a velocidade máxima padrão de impressão/avanço do papel</translation>
    </message>
    <message>
        <source>Autosleep Time</source>
        <translation>Tempo para repouso automático</translation>
    </message>
    <message>
        <source>Sets the default time the printer enters in sleepmode</source>
        <translation>Define o tempo padrão até a impressora entrar em repouso</translation>
    </message>
    <message>
        <source>Serial Communication Settings</source>
        <translation>Comunicação serial</translation>
    </message>
    <message>
        <source>Sets the default serial/IR communication speed and handshake</source>
        <translation>Define a velocidade e o controle de fluxo padrão da comunicação serial/IR</translation>
    </message>
    <message>
        <source>Busy Hold Time</source>
        <translation>Tempo de retenção do BUSY</translation>
    </message>
    <message>
        <source>Sets the default minimum active time for Busy</source>
        <translation>Define o tempo mínimo padrão do sinal BUSY ativo</translation>
    </message>
    <message>
        <source>Paper Loading Pause</source>
        <translation>Pausa de carga do papel</translation>
    </message>
    <message>
        <source>Sets the default pause time before paper is loaded</source>
        <translation>Define a pausa padrão antes da carga do papel</translation>
    </message>
    <message>
        <source>Paper Loading Length</source>
        <translation>Comprimento de carga do papel</translation>
    </message>
    <message>
        <source>Sets the default length for paper loading</source>
        <translation>Define o comprimento padrão da carga do papel</translation>
    </message>
    <message>
        <source>Paper Loading Speed</source>
        <translation>Velocidade de carga do papel</translation>
    </message>
    <message>
        <source>Sets the default paper loading speed</source>
        <translation>Define a velocidade padrão da carga do papel</translation>
    </message>
    <message>
        <source>International Character Set:</source>
        <translation>Conjunto de caracteres internacional:</translation>
    </message>
    <message>
        <source>Sets the default international characters set used</source>
        <translation>Define o conjunto de caracteres internacional padrão</translation>
    </message>
    <message>
        <source>Default Internal Font:</source>
        <translation>Fonte interna padrão:</translation>
    </message>
    <message>
        <source>Sets the default internal font used </source>
        <translation>Define a fonte interna padrão </translation>
    </message>
    <message>
        <source>Text orientation:</source>
        <translation>Orientação do texto:</translation>
    </message>
    <message>
        <source>Sets the default text rotation</source>
        <translation>Define a rotação padrão do texto</translation>
    </message>
    <message>
        <source>Text Justification:</source>
        <translation>Alinhamento do texto:</translation>
    </message>
    <message>
        <source>Sets the default text justification</source>
        <translation>Define o alinhamento padrão do texto</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Modo de impressão</translation>
    </message>
    <message>
        <source>Sets the default text features (height, width and underligned) </source>
        <translation>Define os atributos padrão do texto (altura, largura e sublinhado) </translation>
    </message>
    <message>
        <source>Max Number of Characters / Line</source>
        <translation>Máx. de caracteres por linha</translation>
    </message>
    <message>
        <source>Sets the default maximum number of characters on a line </source>
        <translation>Define o número máximo padrão de caracteres por linha </translation>
    </message>
    <message>
        <source>Character Spacing</source>
        <translation>Espaçamento entre caracteres</translation>
    </message>
    <message>
        <source>Sets the space between 2 characters on a line </source>
        <translation>Define o espaço entre 2 caracteres de uma linha </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Espaçamento entre linhas</translation>
    </message>
    <message>
        <source>Sets the number of blank lines between two characters lines </source>
        <translation>Define o espaço em branco entre duas linhas de caracteres </translation>
    </message>
    <message>
        <source>Pre-Line Spacing</source>
        <translation>Espaçamento antes da linha</translation>
    </message>
    <message>
        <source>Sets the preline spacing distance useful in inverse video mode</source>
        <translation>Define o espaçamento antes da linha, útil no modo de vídeo inverso</translation>
    </message>
    <message>
        <source>Barcode Height</source>
        <translation>Altura do código de barras</translation>
    </message>
    <message>
        <source>Sets the default height of the barcode</source>
        <translation>Define a altura padrão do código de barras</translation>
    </message>
    <message>
        <source>Barcode Magnification</source>
        <translation>Ampliação do código de barras</translation>
    </message>
    <message>
        <source>Sets the default magnification of the barcode</source>
        <translation>Define a ampliação padrão do código de barras</translation>
    </message>
    <message>
        <source>Barcode Text Position:</source>
        <translation>Posição do texto do código:</translation>
    </message>
    <message>
        <source>Sets the default text position on the barcode</source>
        <translation>Define a posição padrão do texto no código de barras</translation>
    </message>
    <message>
        <source>Barcode Orientation:</source>
        <translation>Orientação do código de barras:</translation>
    </message>
    <message>
        <source>Sets the default barcode orientation (vertical or horizontal)</source>
        <translation>Define a orientação padrão do código de barras (vertical ou horizontal)</translation>
    </message>
    <message>
        <source>Mark To Cut Position</source>
        <translation>Posição marca–corte</translation>
    </message>
    <message>
        <source>Sets the distance between black mark and cutter</source>
        <translation>Define a distância entre a marca preta e a guilhotina</translation>
    </message>
    <message>
        <source>Head To Cut Length</source>
        <translation>Distância cabeçote–corte</translation>
    </message>
    <message>
        <source>Sets the distance between Head line and cutter </source>
        <translation>Define a distância entre a linha do cabeçote e a guilhotina </translation>
    </message>
    <message>
        <source>Opto To Head Length</source>
        <translation>Distância sensor–cabeçote</translation>
    </message>
    <message>
        <source>Sets the distance between head line and opto sensor (remain unchanged if not sure)</source>
        <translation>Define a distância entre a linha do cabeçote e o sensor óptico (deixe inalterada se não tiver certeza)</translation>
    </message>
    <message>
        <source>Top Of Form Position</source>
        <translation>Posição do topo do formulário</translation>
    </message>
    <message>
        <source>Sets the default Top Of Form position</source>
        <translation>Define a posição padrão do topo do formulário</translation>
    </message>
    <message>
        <source>Mark Length</source>
        <translation>Comprimento da marca</translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Bytes</source>
        <translation>Divisão dinâmica:%1 bytes pretos</translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Byte</source>
        <translation>Divisão dinâmica:%1 byte preto</translation>
    </message>
    <message>
        <source>Continuous paper Feed Mode</source>
        <translation>Modo de papel contínuo</translation>
    </message>
    <message>
        <source>Intensity :%1%</source>
        <translation>Intensidade:%1%</translation>
    </message>
    <message>
        <source>Acceleration smoothing :   %1%</source>
        <translation>Suavização da aceleração:%1%</translation>
    </message>
    <message>
        <source>Max Printing Speed :%1 mm/s</source>
        <translation>Velocidade máx. de impressão:%1 mm/s</translation>
    </message>
    <message>
        <source>Autosleep Time :%1 s</source>
        <translation>Tempo para repouso automático:%1 s</translation>
    </message>
    <message>
        <source>Busy Hold Time :%1µs</source>
        <translation>Tempo de retenção do BUSY:%1 µs</translation>
    </message>
    <message>
        <source>Paper Loading Pause :%1 sec</source>
        <translation>Pausa de carga do papel:%1 s</translation>
    </message>
    <message>
        <source>Paper Loading Length :%1 mm</source>
        <translation>Comprimento de carga do papel:%1 mm</translation>
    </message>
    <message>
        <source>Paper Loading Speed :%1 mm/s</source>
        <translation>Velocidade de carga do papel:%1 mm/s</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Dupla</translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation>Quádrupla</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Max Characters/Line :%1</source>
        <translation>Máx. caracteres/linha:%1</translation>
    </message>
    <message>
        <source>Character Spacing :%1 mm</source>
        <translation>Espaçamento entre caracteres:%1 mm</translation>
    </message>
    <message>
        <source>Line Spacing :%1 mm</source>
        <translation>Espaçamento entre linhas:%1 mm</translation>
    </message>
    <message>
        <source>Pre-Line Spacing :%1 mm</source>
        <translation>Espaçamento antes da linha:%1 mm</translation>
    </message>
    <message>
        <source>Barcode Height :%1mm</source>
        <translation>Altura do código de barras:%1 mm</translation>
    </message>
    <message>
        <source>Barcode Magnification :%1mm</source>
        <translation>Ampliação do código de barras:%1 mm</translation>
    </message>
    <message>
        <source>Mark To Cut Position :%1 mm</source>
        <translation>Posição marca–corte:%1 mm</translation>
    </message>
    <message>
        <source>Head To Cut Length :%1 mm</source>
        <translation>Distância cabeçote–corte:%1 mm</translation>
    </message>
    <message>
        <source>Opto To Head Length :%1 mm</source>
        <translation>Distância sensor–cabeçote:%1 mm</translation>
    </message>
    <message>
        <source>Top Of Form Position :%1 mm</source>
        <translation>Posição do topo do formulário:%1 mm</translation>
    </message>
    <message>
        <source>MarkLength :%1 mm</source>
        <translation>Comprimento da marca:%1 mm</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largura</translation>
    </message>
    <message>
        <source>Underligned</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>MarkLength: Continuous paper feed mode</source>
        <translation>Comprimento da marca: modo de papel contínuo</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Setting autosleep (ESC A n)</source>
        <translation>Definindo o repouso automático (ESC A n)</translation>
    </message>
    <message>
        <source>   ESC A n : Set the autosleep time</source>
        <translation>   ESC A n: Definir o tempo para repouso automático</translation>
    </message>
    <message>
        <source>Setting max speed (GS s n1 n2)</source>
        <translation>Definindo a velocidade máxima (GS s n1 n2)</translation>
    </message>
    <message>
        <source>   GS s n1 n2 : Set maximum print out speed</source>
        <translation>   GS s n1 n2: Definir a velocidade máxima de impressão</translation>
    </message>
    <message>
        <source>Setting paper loading length (GS P n1 n2)</source>
        <translation>Definindo o comprimento de carga do papel (GS P n1 n2)</translation>
    </message>
    <message>
        <source>   GS P n1 n2 : Set paper loading length</source>
        <translation>   GS P n1 n2: Definir o comprimento de carga do papel</translation>
    </message>
    <message>
        <source>Setting paper loading speed (GS M n1 n2)</source>
        <translation>Definindo a velocidade de carga do papel (GS M n1 n2)</translation>
    </message>
    <message>
        <source>   GS M n1 n2 : Set paper loading speed</source>
        <translation>   GS M n1 n2: Definir a velocidade de carga do papel</translation>
    </message>
    <message>
        <source>Setting paper loading pause (GS p n)</source>
        <translation>Definindo a pausa de carga do papel (GS p n)</translation>
    </message>
    <message>
        <source>   GS p n : Set paper loading pause</source>
        <translation>   GS p n: Definir a pausa de carga do papel</translation>
    </message>
    <message>
        <source>Setting TOF position (GS T n1 n2)</source>
        <translation>Definindo a posição do topo do formulário (GS T n1 n2)</translation>
    </message>
    <message>
        <source>   GS T n1 n2 : Set TOF position</source>
        <translation>   GS T n1 n2: Definir a posição do topo do formulário</translation>
    </message>
    <message>
        <source>Setting mark to cut position (GS X n1 n2)</source>
        <translation>Definindo a posição marca–corte (GS X n1 n2)</translation>
    </message>
    <message>
        <source>   GS X n1 n2 : Set mark to cut position</source>
        <translation>   GS X n1 n2: Definir a posição marca–corte</translation>
    </message>
    <message>
        <source>Setting Cut line to head dot line length (GS x n1 n2)</source>
        <translation>Definindo a distância da linha de corte à linha de pontos do cabeçote (GS x n1 n2)</translation>
    </message>
    <message>
        <source>   GS x n1 n2 : Set cut line to head length</source>
        <translation>   GS x n1 n2: Definir a distância cabeçote–corte</translation>
    </message>
    <message>
        <source>Setting opto to head dot line length (GS Y n1 n2)</source>
        <translation>Definindo a distância do sensor óptico à linha de pontos do cabeçote (GS Y n1 n2)</translation>
    </message>
    <message>
        <source>   GS Y n1 n2 : Set opto to head length</source>
        <translation>   GS Y n1 n2: Definir a distância sensor–cabeçote</translation>
    </message>
    <message>
        <source>Setting mark length (GS L n1)</source>
        <translation>Definindo o comprimento da marca (GS L n1)</translation>
    </message>
    <message>
        <source>   GS L n : Set mark length</source>
        <translation>   GS L n: Definir o comprimento da marca</translation>
    </message>
    <message>
        <source>Setting Acceleration (GS a n)</source>
        <translation>Definindo a aceleração (GS a n)</translation>
    </message>
    <message>
        <source>   GS a n : Set acceleration smoothing</source>
        <translation>   GS a n: Definir a suavização da aceleração</translation>
    </message>
    <message>
        <source>Setting line pre-spacing (ESC 2 n)</source>
        <translation>Definindo o espaçamento antes da linha (ESC 2 n)</translation>
    </message>
    <message>
        <source>   ESC 2 n : Set line pre-spacing</source>
        <translation>   ESC 2 n: Definir o espaçamento antes da linha</translation>
    </message>
    <message>
        <source>Setting line spacing (ESC 3 n)</source>
        <translation>Definindo o espaçamento entre linhas (ESC 3 n)</translation>
    </message>
    <message>
        <source>   ESC 3 n : Set line spacing</source>
        <translation>   ESC 3 n: Definir o espaçamento entre linhas</translation>
    </message>
    <message>
        <source>Setting character spacing (ESC SP n)</source>
        <translation>Definindo o espaçamento entre caracteres (ESC SP n)</translation>
    </message>
    <message>
        <source>   ESC SP n : Set character spacing</source>
        <translation>   ESC SP n: Definir o espaçamento entre caracteres</translation>
    </message>
    <message>
        <source>Setting maximun number of columns (ESC c n)</source>
        <translation>Definindo o número máximo de colunas (ESC c n)</translation>
    </message>
    <message>
        <source>   ESC c n : Set max number of columns</source>
        <translation>   ESC c n: Definir o número máx. de colunas</translation>
    </message>
    <message>
        <source>Setting dynamic division (GS / n)</source>
        <translation>Definindo a divisão dinâmica (GS / n)</translation>
    </message>
    <message>
        <source>   GS / n : Set print speed / max current</source>
        <translation>   GS / n: Definir a velocidade de impressão/corrente máx.</translation>
    </message>
    <message>
        <source>Setting print intensity (GA D n)</source>
        <translation>Definindo a intensidade de impressão (GS D n)</translation>
    </message>
    <message>
        <source>   GS D n : Set print intensity</source>
        <translation>   GS D n: Definir a intensidade de impressão</translation>
    </message>
    <message>
        <source>Setting busy hold time (GS b n)</source>
        <translation>Definindo o tempo de retenção do BUSY (GS b n)</translation>
    </message>
    <message>
        <source>   GS b n : Set parallel port busy hold time</source>
        <translation>   GS b n: Definir o tempo de retenção do BUSY da porta paralela</translation>
    </message>
    <message>
        <source>Setting Barcode height (GS h n)</source>
        <translation>Definindo a altura do código de barras (GS h n)</translation>
    </message>
    <message>
        <source>   GS h n : Barcode height</source>
        <translation>   GS h n: Altura do código de barras</translation>
    </message>
    <message>
        <source>Setting barcode magnification (GS w n)</source>
        <translation>Definindo a ampliação do código de barras (GS w n)</translation>
    </message>
    <message>
        <source>   GS w n : Barcode magnification</source>
        <translation>   GS w n: Ampliação do código de barras</translation>
    </message>
    <message>
        <source>Setting text position in barcode (GS H n)</source>
        <translation>Definindo a posição do texto no código de barras (GS H n)</translation>
    </message>
    <message>
        <source>   GS H n : Text position in barcode</source>
        <translation>   GS H n: Posição do texto no código de barras</translation>
    </message>
    <message>
        <source>Setting barcode orientation (GS R n)</source>
        <translation>Definindo a orientação do código de barras (GS R n)</translation>
    </message>
    <message>
        <source>   GS R n : Set/reset rotated barcode</source>
        <translation>   GS R n: Ativar/desativar código de barras girado</translation>
    </message>
    <message>
        <source>Setting internationnal charset (ESC R n)</source>
        <translation>Definindo o conjunto de caracteres internacional (ESC R n)</translation>
    </message>
    <message>
        <source>   ESC R n : Select international char set</source>
        <translation>   ESC R n: Selecionar o conjunto de caracteres internacional</translation>
    </message>
    <message>
        <source>Setting internal font (ESC % n)</source>
        <translation>Definindo a fonte interna (ESC % n)</translation>
    </message>
    <message>
        <source>   ESC % n : Select internal font</source>
        <translation>   ESC % n: Selecionar a fonte interna</translation>
    </message>
    <message>
        <source>Setting text justification (ESC C n)</source>
        <translation>Definindo o alinhamento do texto (ESC C n)</translation>
    </message>
    <message>
        <source>   ESC C n : Set text justification</source>
        <translation>   ESC C n: Definir o alinhamento do texto</translation>
    </message>
    <message>
        <source>Setting rotated characters (ESC { n)</source>
        <translation>Definindo os caracteres girados (ESC { n)</translation>
    </message>
    <message>
        <source>   ESC { n : Set/reset rotated characters</source>
        <translation>   ESC { n: Ativar/desativar caracteres girados</translation>
    </message>
    <message>
        <source>Setting print mode (ESC ! n)</source>
        <translation>Definindo o modo de impressão (ESC ! n)</translation>
    </message>
    <message>
        <source>   ESC ! n : Set print mode</source>
        <translation>   ESC ! n: Definir o modo de impressão</translation>
    </message>
    <message>
        <source>Setting serial com (GS B n)</source>
        <translation>Definindo a comunicação serial (GS B n)</translation>
    </message>
    <message>
        <source>   GS B n : Serial communication settings</source>
        <translation>   GS B n: Configurações da comunicação serial</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No printer found</source>
        <translation>Nenhuma impressora encontrada</translation>
    </message>
    <message>
        <source>No printer found on %1</source>
        <translation>Nenhuma impressora encontrada em %1</translation>
    </message>
    <message>
        <source>No printer found on %1 at %2 bauds</source>
        <translation>Nenhuma impressora encontrada em %1 a %2 bauds</translation>
    </message>
    <message>
        <source>No printer found on %1 at any speed</source>
        <translation>Nenhuma impressora encontrada em %1, em nenhuma velocidade</translation>
    </message>
    <message>
        <source>%1 found on %2</source>
        <translation>%1 encontrada em %2</translation>
    </message>
    <message>
        <source>%1 found on %2 at %3 bauds</source>
        <translation>%1 encontrada em %2 a %3 bauds</translation>
    </message>
    <message>
        <source>Power: 5V</source>
        <translation>Alimentação: 5 V</translation>
    </message>
    <message>
        <source>Power: 24V</source>
        <translation>Alimentação: 24 V</translation>
    </message>
    <message>
        <source>No Printer found</source>
        <translation>Nenhuma impressora encontrada</translation>
    </message>
    <message>
        <source>NO Printer on %1 :</source>
        <translation>NENHUMA impressora em %1 :</translation>
    </message>
    <message>
        <source>%1 ,  %2 BAUDS </source>
        <translation>%1 ,  %2 bauds </translation>
    </message>
    <message>
        <source>This port does not exist<byte value="xd"/>%1</source>
        <translation>Esta porta não existe
%1</translation>
    </message>
    <message>
        <source>You must select a serial port</source>
        <translation>Selecione uma porta serial</translation>
    </message>
    <message>
        <source>You must select a parallel port</source>
        <translation>Selecione uma porta paralela</translation>
    </message>
    <message>
        <source>Trying to wake-up the printer</source>
        <translation>Tentando despertar a impressora</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1</source>
        <translation>Tentando contatar a impressora em %1</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1.</source>
        <translation>Tentando contatar a impressora em %1.</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1 at %2 bauds.</source>
        <translation>Tentando contatar a impressora em %1 a %2 bauds.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>The automatic search leaves this port out.</source>
        <translation>%1
A busca automática ignora esta porta.</translation>
    </message>
    <message>
        <source>Need a Printer Connected<byte value="xd"/>Detect Printer Please</source>
        <translation>É preciso ter uma impressora conectada
Detecte a impressora</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Nothing was sent.</source>
        <translation>%1
Nada foi enviado.</translation>
    </message>
    <message>
        <source>Saving parameters</source>
        <translation>Gravando os parâmetros</translation>
    </message>
    <message>
        <source>Parameters saved...   </source>
        <translation>Parâmetros gravados...   </translation>
    </message>
    <message>
        <source>Saving sequence failed</source>
        <translation>Falha na sequência de gravação</translation>
    </message>
    <message>
        <source>Saving Sequence Successful !</source>
        <translation>Sequência de gravação concluída com sucesso!</translation>
    </message>
    <message>
        <source> Saving Sequence Failed<byte value="xd"/> Please verify that your software revision allow parameters modificaiton</source>
        <translation> Falha na sequência de gravação
 Verifique se a revisão de software da sua impressora permite alterar os parâmetros</translation>
    </message>
    <message>
        <source>Saving Sequence Failed<byte value="xd"/>Please verify that your software revision<byte value="xd"/>allow parameters modificaiton</source>
        <translation>Falha na sequência de gravação
Verifique se a revisão de software da sua impressora
permite alterar os parâmetros</translation>
    </message>
    <message>
        <source>Please reboot your printer by powering it down, then up.<byte value="xd"/>
Then, perform a printer detection again...</source>
        <translation>Reinicie a impressora desligando-a e ligando-a novamente.
Depois, faça uma nova detecção da impressora...</translation>
    </message>
    <message>
        <source>This will set the modified parameters as printer default.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>Isto gravará os parâmetros alterados como padrão da impressora.

Deseja continuar?</translation>
    </message>
    <message>
        <source>This will load the factory settings into the workspace<byte value="xd"/>
and transfer them to the printer.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>Isto carregará as configurações de fábrica no espaço de trabalho
e as transferirá para a impressora.

Deseja continuar?</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 28800 bauds<byte value="xd"/>
if the printer chipset is powered on 5V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>Não é possível configurar a velocidade de 28800 bauds
se o chipset da impressora for alimentado com 5 V.

Velocidades disponíveis: 
          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.

O parâmetro de velocidade não será alterado.</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 38400 or 115200 bauds<byte value="xd"/>
if the printer chipset is powered on 3.3V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 28800, 57600.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>Não é possível configurar a velocidade de 38400 ou 115200 bauds
se o chipset da impressora for alimentado com 3,3 V.

Velocidades disponíveis: 
          1200, 2400, 4800, 9600, 19200, 28800, 57600.

O parâmetro de velocidade não será alterado.</translation>
    </message>
    <message>
        <source>%1 : BYTE Mode Error<byte value="xd"/>Please check you LPT setup </source>
        <translation>%1: erro no modo BYTE
Verifique a configuração da porta LPT </translation>
    </message>
    <message>
        <source>The LPT ports will be unusable !<byte value="xd"/>Please check your LPT port configuration !</source>
        <translation>As portas LPT ficarão inutilizáveis!
Verifique a configuração das portas LPT!</translation>
    </message>
    <message>
        <source>LPT Communication Port Error !</source>
        <translation>Erro na porta de comunicação LPT!</translation>
    </message>
    <message>
        <source>Parallel Object Error</source>
        <translation>Erro da porta paralela</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>porta inexistente</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>dispositivo inexistente</translation>
    </message>
    <message>
        <source>%1: no %2 has this number</source>
        <translation>%1: nenhum dispositivo do tipo “%2” tem este número</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>porta serial</translation>
    </message>
    <message>
        <source>USB printer</source>
        <translation>impressora USB</translation>
    </message>
    <message>
        <source>parallel port</source>
        <translation>porta paralela</translation>
    </message>
    <message>
        <source>network printer</source>
        <translation>impressora de rede</translation>
    </message>
    <message>
        <source>serial server</source>
        <translation>servidor serial</translation>
    </message>
    <message>
        <source>speed refused</source>
        <translation>velocidade recusada</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>não é uma porta serial</translation>
    </message>
    <message>
        <source>the device was disconnected</source>
        <translation>o dispositivo foi desconectado</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>em uso por outro programa</translation>
    </message>
    <message>
        <source>in use by %1 (process %2)</source>
        <translation>em uso por %1 (processo %2)</translation>
    </message>
    <message>
        <source>in use by process %1</source>
        <translation>em uso pelo processo %1</translation>
    </message>
    <message>
        <source>in use by another program (%1 is held)</source>
        <translation>em uso por outro programa (%1 está bloqueado)</translation>
    </message>
    <message>
        <source>the port is in use by another driver or program</source>
        <translation>a porta está em uso por outro driver ou programa</translation>
    </message>
    <message>
        <source>%1 (ModemManager, which probes new modems, may hold it: `sudo fuser -v %2` names the holder)</source>
        <translation>%1 (o ModemManager, que sonda modems novos, pode estar ocupando-o: `sudo fuser -v %2` mostra quem o ocupa)</translation>
    </message>
    <message>
        <source>%1 (if it was not unplugged, ModemManager or brltty may have taken it: `dmesg` shows which)</source>
        <translation>%1 (se não foi desconectado, o ModemManager ou o brltty pode tê-lo tomado: `dmesg` mostra qual)</translation>
    </message>
    <message>
        <source>permission denied; join the dialout group (sudo adduser $USER dialout, then log in again)</source>
        <translation>permissão negada; entre no grupo dialout (sudo adduser $USER dialout e depois faça login novamente)</translation>
    </message>
    <message>
        <source>permission denied; join the lp group (sudo adduser $USER lp, then log in again)</source>
        <translation>permissão negada; entre no grupo lp (sudo adduser $USER lp e depois faça login novamente)</translation>
    </message>
    <message>
        <source>permission denied: %1 is yours%2</source>
        <translation>permissão negada: %1 pertence a você%2</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are in it%3</source>
        <translation>permissão negada: %1 pertence ao grupo %2, do qual você faz parte%3</translation>
    </message>
    <message>
        <source>permission denied: %1%2</source>
        <translation>permissão negada: %1%2</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2%3</source>
        <translation>permissão negada: %1 pertence ao grupo %2%3</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, which you joined after this session started: log in again (or run newgrp %2)</source>
        <translation>permissão negada: %1 pertence ao grupo %2, no qual você entrou depois do início desta sessão: faça login novamente (ou execute newgrp %2)</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are not in it</source>
        <translation>permissão negada: %1 pertence ao grupo %2, do qual você não faz parte</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are not in it; join it (sudo adduser $USER %2), then log in again</source>
        <translation>permissão negada: %1 pertence ao grupo %2, do qual você não faz parte; entre nele (sudo adduser $USER %2) e depois faça login novamente</translation>
    </message>
    <message>
        <source>; its mode (%1) lets %2 read and write, so something else refuses it (an access control list, a security policy or a sandbox)</source>
        <translation>; seu modo (%1) permite leitura e escrita a %2, então outra coisa recusa o acesso (uma lista de controle de acesso, uma política de segurança ou uma sandbox)</translation>
    </message>
    <message>
        <source>, but the device allows %1 no %2 (mode %3)</source>
        <translation>, mas o dispositivo não concede a %1 permissão de %2 (modo %3)</translation>
    </message>
    <message>
        <source>its owner</source>
        <translation>seu proprietário</translation>
    </message>
    <message>
        <source>its group</source>
        <translation>seu grupo</translation>
    </message>
    <message>
        <source>everyone</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>read and write</source>
        <translation>leitura e escrita</translation>
    </message>
    <message>
        <source>read</source>
        <translation>leitura</translation>
    </message>
    <message>
        <source>write</source>
        <translation>escrita</translation>
    </message>
    <message>
        <source>the name now leads to another device (%1%2) than the printer was found on; detect the printer again</source>
        <translation>o nome agora leva a outro dispositivo (%1%2) diferente daquele em que a impressora foi encontrada; detecte a impressora novamente</translation>
    </message>
    <message>
        <source>, not %1</source>
        <translation>, não %1</translation>
    </message>
    <message>
        <source>another device</source>
        <translation>outro dispositivo</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sem resposta em %1 s</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>sem endereço</translation>
    </message>
    <message>
        <source>the name lookup failed</source>
        <translation>a resolução do nome falhou</translation>
    </message>
    <message>
        <source>not a network address (HOST or HOST:PORT)</source>
        <translation>não é um endereço de rede (HOST ou HOST:PORT)</translation>
    </message>
    <message>
        <source>not a serial server address (HOST:PORT)</source>
        <translation>não é um endereço de servidor serial (HOST:PORT)</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>a impressora fechou a conexão</translation>
    </message>
    <message>
        <source>the printer went away (%1)</source>
        <translation>a impressora ficou indisponível (%1)</translation>
    </message>
    <message>
        <source>the printer stopped taking data</source>
        <translation>a impressora parou de receber dados</translation>
    </message>
    <message>
        <source>the server does not set serial lines (no RFC 2217)</source>
        <translation>o servidor não configura linhas seriais (sem RFC 2217)</translation>
    </message>
    <message>
        <source>the serial server closed the connection</source>
        <translation>o servidor serial fechou a conexão</translation>
    </message>
    <message>
        <source>the printer sent more than 64 KiB before the server had set the line</source>
        <translation>a impressora enviou mais de 64 KiB antes de o servidor configurar a linha</translation>
    </message>
    <message>
        <source>the server set the line to %1, not %2</source>
        <translation>o servidor configurou a linha com “%1”, não com “%2”</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>sem paridade</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>paridade ímpar</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>paridade par</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>paridade mark</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>paridade space</translation>
    </message>
    <message>
        <source>parity %1</source>
        <translation>paridade %1</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 bit de parada</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 bits de parada</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <translation>1,5 bit de parada</translation>
    </message>
    <message>
        <source>stop size %1</source>
        <translation>valor de bits de parada %1</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>sem controle de fluxo</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <translation>controle de fluxo XON/XOFF</translation>
    </message>
    <message>
        <source>hardware flow control</source>
        <translation>controle de fluxo por hardware</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 bits de dados</translation>
    </message>
    <message>
        <source>%1 bit/s</source>
        <translation>%1 bits/s</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>nenhum erro</translation>
    </message>
    <message>
        <source>not implemented by this port</source>
        <translation>não implementado por esta porta</translation>
    </message>
    <message>
        <source>a capability the program needs is not available on this port</source>
        <translation>um recurso de que o programa precisa não está disponível nesta porta</translation>
    </message>
    <message>
        <source>the port did not answer in time</source>
        <translation>a porta não respondeu a tempo</translation>
    </message>
    <message>
        <source>the printer rejected the request</source>
        <translation>a impressora rejeitou a solicitação</translation>
    </message>
    <message>
        <source>negotiation with the printer failed</source>
        <translation>a negociação com a impressora falhou</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>the port could not be initialised</source>
        <translation>não foi possível inicializar a porta</translation>
    </message>
    <message>
        <source>system error</source>
        <translation>erro do sistema</translation>
    </message>
    <message>
        <source>the printer gave no device ID</source>
        <translation>a impressora não forneceu um ID de dispositivo</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>a porta não está aberta</translation>
    </message>
    <message>
        <source>libieee1284 error %1</source>
        <translation>erro %1 da libieee1284</translation>
    </message>
    <message>
        <source>no parallel port support: %1</source>
        <translation>sem suporte a portas paralelas: %1</translation>
    </message>
    <message>
        <source>the parallel port library does not list it</source>
        <translation>a biblioteca de portas paralelas não a lista</translation>
    </message>
    <message>
        <source>no parallel port at this address</source>
        <translation>nenhuma porta paralela neste endereço</translation>
    </message>
    <message>
        <source>no parallel port at this number</source>
        <translation>nenhuma porta paralela com este número</translation>
    </message>
    <message>
        <source>%1: cannot claim the port: %2</source>
        <translation>%1: não é possível reservar a porta: %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>file is larger than %1 bytes</source>
        <translation>o arquivo é maior que %1 bytes</translation>
    </message>
    <message>
        <source>file is larger than 1 byte</source>
        <translation>o arquivo é maior que 1 byte</translation>
    </message>
    <message>
        <source>file is larger than %1 KiB</source>
        <translation>o arquivo é maior que %1 KiB</translation>
    </message>
    <message>
        <source>file is larger than %1 MiB</source>
        <translation>o arquivo é maior que %1 MiB</translation>
    </message>
    <message>
        <source>a symbolic link to a file of another user; not followed</source>
        <translation>um link simbólico para um arquivo de outro usuário; não é seguido</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist; not followed</source>
        <translation>um link simbólico para um arquivo que não existe; não é seguido</translation>
    </message>
    <message>
        <source>%1 is read only !</source>
        <translation>%1 é somente leitura!</translation>
    </message>
    <message>
        <source>Some keys of %1 were skipped: their values are not valid.</source>
        <translation>Algumas chaves de %1 foram ignoradas: seus valores não são válidos.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
   %2</source>
        <translation>%1
   %2</translation>
    </message>
    <message>
        <source>%1 (%2 is missing)</source>
        <translation>%1 (falta %2)</translation>
    </message>
    <message>
        <source>print mode (%1 to %2): a group of options has no option selected</source>
        <translation>modo de impressão (%1 a %2): um grupo de opções não tem nenhuma opção selecionada</translation>
    </message>
    <message>
        <source>The unit was stopped before its end</source>
        <translation>A unidade foi interrompida antes do fim</translation>
    </message>
    <message>
        <source>The unit failed: %1</source>
        <translation>A unidade falhou: %1</translation>
    </message>
    <message>
        <source>The station stopped serving this port: %1</source>
        <translation>A estação deixou de atender esta porta: %1</translation>
    </message>
    <message>
        <source>The printer on %1 reports a fault: %2</source>
        <translation>A impressora em %1 relata uma falha: %2</translation>
    </message>
    <message>
        <source>No reply to the status request on %1</source>
        <translation>Nenhuma resposta à solicitação de status em %1</translation>
    </message>
    <message>
        <source>No reply to the status request on %1 at any speed</source>
        <translation>Nenhuma resposta à solicitação de status em %1, em nenhuma velocidade</translation>
    </message>
    <message>
        <source>Cannot open the audit log %1: %2</source>
        <translation>Não é possível abrir o registro de auditoria %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the audit log %1</source>
        <translation>Não é possível gravar o registro de auditoria %1</translation>
    </message>
    <message>
        <source>No port is chosen</source>
        <translation>Nenhuma porta foi escolhida</translation>
    </message>
    <message>
        <source>The port %1 is given twice</source>
        <translation>A porta %1 foi indicada duas vezes</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Não é possível ler %1</translation>
    </message>
    <message>
        <source>Cannot send %1: not a profile: it has none of the sections of a .pcf file</source>
        <translation>Não é possível enviar %1: não é um perfil, não tem nenhuma das seções de um arquivo .pcf</translation>
    </message>
    <message>
        <source>°C Head Problem</source>
        <translation>Problema de cabeça °C</translation>
    </message>
    <message>
        <source>Head Up</source>
        <translation>Cabeça levantada</translation>
    </message>
    <message>
        <source>No Paper</source>
        <translation>Sem papel</translation>
    </message>
    <message>
        <source>Vbat Problem</source>
        <translation>Problema de Vbat</translation>
    </message>
    <message>
        <source>Mark Error</source>
        <translation>Erro de marca</translation>
    </message>
    <message>
        <source>Cutter failure</source>
        <translation>Falha da guilhotina</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at %1 bauds<byte value="xd"/>
while the printer has not said whether its chipset is powered on 5V or 3.3V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 57600.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>Não é possível configurar a velocidade em %1 bauds
enquanto a impressora não informar se o chipset é alimentado com 5 V ou 3,3 V.

Velocidades disponíveis: 
          1200, 2400, 4800, 9600, 19200, 57600.

O parâmetro de velocidade não será alterado.</translation>
    </message>
    <message>
        <source>the name now leads to another address (%1, not %2) than the printer was found at; detect the printer again</source>
        <translation>o nome agora leva a outro endereço (%1, não %2) diferente daquele em que a impressora foi encontrada; detecte a impressora novamente</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>ok</source>
        <translation>concluído</translation>
    </message>
    <message>
        <source>no_answer</source>
        <translation>nenhuma impressora responde</translation>
    </message>
    <message>
        <source>not_stored</source>
        <translation>não gravado</translation>
    </message>
    <message>
        <source>declined</source>
        <translation>recusado</translation>
    </message>
    <message>
        <source>bad_usage</source>
        <translation>uso incorreto</translation>
    </message>
    <message>
        <source>file_error</source>
        <translation>erro de arquivo</translation>
    </message>
    <message>
        <source>output_error</source>
        <translation>erro de saída</translation>
    </message>
    <message>
        <source>port_absent</source>
        <translation>porta ausente</translation>
    </message>
    <message>
        <source>port_in_use</source>
        <translation>porta em uso</translation>
    </message>
    <message>
        <source>permission_denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>port_lost</source>
        <translation>porta perdida</translation>
    </message>
    <message>
        <source>port_unusable</source>
        <translation>porta inutilizável</translation>
    </message>
    <message>
        <source>printer_fault</source>
        <translation>falha da impressora</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Permission denied</source>
        <translation>Permissão negada</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operação não permitida</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Arquivo ou diretório inexistente</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Dispositivo inexistente</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Endereço ou dispositivo inexistente</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erro de entrada/saída</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo ou recurso está ocupado</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexão recusada</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Tempo esgotado para conexão</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Não há rota para o host</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>A rede está fora de alcance</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Conexão fechada pela outra ponta</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Pipe quebrado</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Arquivo muito grande</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Não há espaço disponível no dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de arquivos somente para leitura</translation>
    </message>
    <message>
        <source>Inappropriate ioctl for device</source>
        <translation>ioctl inapropriado para dispositivo</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento inválido</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>É um diretório</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Não é um diretório</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Muitos arquivos abertos</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Recurso temporariamente indisponível</translation>
    </message>
    <message>
        <source>Protocol error</source>
        <translation>Erro de protocolo</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nome de arquivo muito longo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Cota de disco excedida</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>Nome ou serviço desconhecido</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>Falha temporária na resolução de nome</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>Falha irrecuperável na resolução de nome</translation>
    </message>
    <message>
        <source>No address associated with hostname</source>
        <translation>Não há endereço associado com o nome</translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Setup and hardware control</source>
        <translation>Configuração e controle do hardware</translation>
    </message>
    <message>
        <source>Text and general commands</source>
        <translation>Comandos de texto e gerais</translation>
    </message>
    <message>
        <source>Text and General commands</source>
        <translation>Comandos de texto e gerais</translation>
    </message>
    <message>
        <source>Barcode commands</source>
        <translation>Comandos de código de barras</translation>
    </message>
    <message>
        <source>Hole/Black mark detection commands</source>
        <translation>Comandos de detecção de furo/marca preta</translation>
    </message>
    <message>
        <source>Hole and black mark detection commands</source>
        <translation>Comandos de detecção de furo e marca preta</translation>
    </message>
</context>
<context>
    <name>tessaro::app::ClientArea</name>
    <message>
        <source>List of modified parameters:</source>
        <translation>Lista de parâmetros alterados:</translation>
    </message>
    <message>
        <source>Set modified parameters as printer default</source>
        <translation>Gravar parâmetros alterados como padrão da impressora</translation>
    </message>
    <message>
        <source>Recover Factory Settings</source>
        <translation>Restaurar configurações de fábrica</translation>
    </message>
</context>
<context>
    <name>tessaro::app::ControlFactory</name>
    <message>
        <source>Serial speed</source>
        <translation>Velocidade serial</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Controle de fluxo</translation>
    </message>
    <message>
        <source>IR mode</source>
        <translation>Modo IR</translation>
    </message>
</context>
<context>
    <name>tessaro::app::Form1</name>
    <message>
        <source>The configuration could not be loaded.<byte value="xd"/>
%1</source>
        <translation>Não foi possível carregar a configuração.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists; it is removed from the recent profiles.</source>
        <translation>%1 não existe mais; foi removido dos perfis recentes.</translation>
    </message>
    <message>
        <source>The configuration could not be saved.<byte value="xd"/>
%1</source>
        <translation>Não foi possível salvar a configuração.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Do you want to save changes before closing?</source>
        <translation>Deseja salvar as alterações antes de fechar?</translation>
    </message>
    <message>
        <source>NO Port is openned. Please open a port.</source>
        <translation>NENHUMA porta aberta. Abra uma porta.</translation>
    </message>
    <message>
        <source>The production station has units under way. Stop it once they have ended, then close Tessaro?</source>
        <translation>A estação de produção tem unidades em andamento. Pará-la quando terminarem e depois fechar o Tessaro?</translation>
    </message>
</context>
<context>
    <name>tessaro::app::Helpfrm</name>
    <message>
        <source>Tessaro Help</source>
        <translation>Ajuda do Tessaro</translation>
    </message>
</context>
<context>
    <name>tessaro::app::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Load Config From File to Workspace</source>
        <translation>&amp;Carregar configuração de arquivo no espaço de trabalho</translation>
    </message>
    <message>
        <source>Recent &amp;profiles</source>
        <translation>Perfis &amp;recentes</translation>
    </message>
    <message>
        <source>&amp;Save Workspace Config to File</source>
        <translation>&amp;Salvar configuração do espaço de trabalho em arquivo</translation>
    </message>
    <message>
        <source>&amp;Reload Factory Settings to Workspace</source>
        <translation>Recarregar configurações de &amp;fábrica no espaço de trabalho</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Detect the printer</source>
        <translation>&amp;Detectar a impressora</translation>
    </message>
    <message>
        <source>&amp;Configure the Printer</source>
        <translation>&amp;Configurar a impressora</translation>
    </message>
    <message>
        <source>&amp;Recover Factory Settings</source>
        <translation>&amp;Restaurar configurações de fábrica</translation>
    </message>
    <message>
        <source>&amp;Send Mofified Parameters to Printer</source>
        <translation>&amp;Enviar parâmetros alterados à impressora</translation>
    </message>
    <message>
        <source>&amp;Production station...</source>
        <translation>Estação de &amp;produção...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
</context>
<context>
    <name>tessaro::app::PortSelection</name>
    <message>
        <source>Communication Port Selection</source>
        <translation>Seleção da porta de comunicação</translation>
    </message>
    <message>
        <source>Autodetect Printer</source>
        <translation>Detectar automaticamente</translation>
    </message>
    <message>
        <source>Current printer</source>
        <translation>Impressora atual</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Andamento da busca</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>End the detection or the automatic search now</source>
        <translation>Encerrar agora a detecção ou a busca automática</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Porta serial</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Velocidade (baud):</translation>
    </message>
    <message>
        <source>Handshake:</source>
        <translation>Controle de fluxo:</translation>
    </message>
    <message>
        <source>Detect Printer</source>
        <translation>Detectar impressora</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Porta paralela</translation>
    </message>
    <message>
        <source>USB and network</source>
        <translation>USB e rede</translation>
    </message>
    <message>
        <source>Network printer</source>
        <translation>Impressora de rede</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>host ou host:porta</translation>
    </message>
    <message>
        <source>Network printer address</source>
        <translation>Endereço da impressora de rede</translation>
    </message>
    <message>
        <source>A printer on raw TCP; port 9100 unless the address names another</source>
        <translation>Impressora em TCP puro (raw); porta 9100, a menos que o endereço indique outra</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>port and its device</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Xon-Xoff</source>
        <translation>Xon-Xoff</translation>
    </message>
    <message>
        <source>DSR/DTR Mode</source>
        <translation>Modo DSR/DTR</translation>
    </message>
    <message>
        <source>No printer found yet, please start detection.</source>
        <translation>Nenhuma impressora encontrada ainda; inicie a detecção.</translation>
    </message>
    <message>
        <source>The production station is using ports: the automatic search would reach its printers.</source>
        <translation>A estação de produção está usando portas: a busca automática alcançaria as impressoras dela.</translation>
    </message>
    <message>
        <source>Enter the network printer&apos;s address (host or host:port).</source>
        <translation>Digite o endereço da impressora de rede (host ou host:porta).</translation>
    </message>
    <message>
        <source>You must select a USB port or a network printer</source>
        <translation>Selecione uma porta USB ou uma impressora de rede</translation>
    </message>
    <message>
        <source>Serial server</source>
        <translation>Servidor serial</translation>
    </message>
    <message>
        <source>host:port</source>
        <translation>host:porta</translation>
    </message>
    <message>
        <source>Serial server address</source>
        <translation>Endereço do servidor serial</translation>
    </message>
    <message>
        <source>A serial port on a network serial server (RFC 2217), as host:port; the speed and handshake below are set on it</source>
        <translation>Uma porta serial em um servidor serial de rede (RFC 2217), como host:porta; a velocidade e o controle de fluxo abaixo são aplicados a ela</translation>
    </message>
    <message>
        <source>Enter the serial server&apos;s address (host:port).</source>
        <translation>Digite o endereço do servidor serial (host:porta).</translation>
    </message>
    <message>
        <source>Not a serial server&apos;s address: &quot;%1&quot;. Enter it as host:port, an IPv6 host in brackets ([::1]:2001).</source>
        <translation>Não é um endereço de servidor serial: “%1”. Digite-o como host:porta, com um host IPv6 entre colchetes ([::1]:2001).</translation>
    </message>
    <message>
        <source>Detection stopped.</source>
        <translation>Detecção interrompida.</translation>
    </message>
</context>
<context>
    <name>tessaro::app::QtFileDialogs</name>
    <message>
        <source>PCF Config Files (*.pcf)</source>
        <translation>Arquivos de configuração PCF (*.pcf)</translation>
    </message>
    <message>
        <source>Open File ...</source>
        <translation>Abrir arquivo...</translation>
    </message>
    <message>
        <source>Save Configuration as ...</source>
        <translation>Salvar configuração como...</translation>
    </message>
</context>
<context>
    <name>tessaro::app::SplashScreen</name>
    <message>
        <source>Rev: %1</source>
        <translation>Rev.: %1</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationDriver</name>
    <message>
        <source>stored %1, failed %2</source>
        <translation>gravadas %1, com falha %2</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Iniciando</translation>
    </message>
    <message>
        <source>Waiting for a printer</source>
        <translation>Aguardando uma impressora</translation>
    </message>
    <message>
        <source>Detecting the printer</source>
        <translation>Detectando a impressora</translation>
    </message>
    <message>
        <source>Waiting for the printer to leave</source>
        <translation>Aguardando a retirada da impressora</translation>
    </message>
    <message>
        <source>Waiting for the next printer</source>
        <translation>Aguardando a próxima impressora</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Last unit: %1</source>
        <translation>Última unidade: %1</translation>
    </message>
    <message>
        <source>Detecting the printer: %1</source>
        <translation>Detectando a impressora: %1</translation>
    </message>
    <message>
        <source>Sending: %1</source>
        <translation>Enviando: %1</translation>
    </message>
    <message>
        <source>Cannot serve the port: %1</source>
        <translation>Não é possível atender a porta: %1</translation>
    </message>
    <message>
        <source>Stored: %1 (%2)</source>
        <translation>Gravado: %1 (%2)</translation>
    </message>
    <message>
        <source>Failed (%1): %2</source>
        <translation>Falha (%1): %2</translation>
    </message>
    <message>
        <source>All ports: %1</source>
        <translation>Todas as portas: %1</translation>
    </message>
    <message>
        <source>stored %1, failed %2, mean %3</source>
        <translation>gravadas %1, com falha %2, média %3</translation>
    </message>
    <message>
        <source>The station is running already</source>
        <translation>A estação já está em execução</translation>
    </message>
    <message>
        <source>Stored: %1 (%2), not recorded in the audit log</source>
        <translation>Gravado: %1 (%2), sem entrada no registro de auditoria</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationSetup</name>
    <message>
        <source>&amp;Repeat: configure each new printer as it arrives</source>
        <translation>&amp;Repetir: configurar cada nova impressora assim que chegar</translation>
    </message>
    <message>
        <source>Profile to store</source>
        <translation>Perfil a gravar</translation>
    </message>
    <message>
        <source>The current &amp;workspace</source>
        <translation>O &amp;espaço de trabalho atual</translation>
    </message>
    <message>
        <source>A profile &amp;file:</source>
        <translation>Um &amp;arquivo de perfil:</translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation>Arquivo de perfil</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>Pro&amp;curar...</translation>
    </message>
    <message>
        <source>Browse for a profile file</source>
        <translation>Procurar um arquivo de perfil</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Portas</translation>
    </message>
    <message>
        <source>No COM, USB or LPT port is there.</source>
        <translation>Não há nenhuma porta COM, USB ou LPT.</translation>
    </message>
    <message>
        <source>&amp;Network printers (host or host:port):</source>
        <translation>Impressoras de re&amp;de (host ou host:porta):</translation>
    </message>
    <message>
        <source>Network printers</source>
        <translation>Impressoras de rede</translation>
    </message>
    <message>
        <source>Network printer to add</source>
        <translation>Impressora de rede a adicionar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Adici&amp;onar</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;mover</translation>
    </message>
    <message>
        <source>Audit &amp;log:</source>
        <translation>Re&amp;gistro de auditoria:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Proc&amp;urar...</translation>
    </message>
    <message>
        <source>Browse for the audit log</source>
        <translation>Procurar o registro de auditoria</translation>
    </message>
    <message>
        <source>(the file cannot be read)</source>
        <translation>(não é possível ler o arquivo)</translation>
    </message>
    <message>
        <source>(no file chosen)</source>
        <translation>(nenhum arquivo escolhido)</translation>
    </message>
    <message>
        <source>Name: %1
SHA-256: %2</source>
        <translation>Nome: %1
SHA-256: %2</translation>
    </message>
    <message>
        <source>A network printer as host or host:port, or a serial printer on a network serial server as rfc2217://host:port</source>
        <translation>Uma impressora de rede como host ou host:porta, ou uma impressora serial em um servidor serial de rede como rfc2217://host:porta</translation>
    </message>
    <message>
        <source>Lab&amp;el:</source>
        <translation>Rótu&amp;lo:</translation>
    </message>
    <message>
        <source>an order, a batch, an operator</source>
        <translation>um pedido, um lote, um operador</translation>
    </message>
    <message>
        <source>Written in every record of the audit log</source>
        <translation>Gravado em cada registro do log de auditoria</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationTile</name>
    <message>
        <source>Not started</source>
        <translation>Não iniciado</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Impressora: %1</translation>
    </message>
    <message>
        <source>Run again</source>
        <translation>Executar novamente</translation>
    </message>
    <message>
        <source>Run %1 again</source>
        <translation>Executar %1 novamente</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationWindow</name>
    <message>
        <source>Production station</source>
        <translation>Estação de produção</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Messages:</source>
        <translation>Me&amp;nsagens:</translation>
    </message>
    <message>
        <source>S&amp;top now</source>
        <translation>&amp;Parar agora</translation>
    </message>
    <message>
        <source>Stopping: the units under way finish (Stop now stops them too).</source>
        <translation>Parando: as unidades em andamento terminam (Parar agora as interrompe também).</translation>
    </message>
    <message>
        <source>Audit log</source>
        <translation>Registro de auditoria</translation>
    </message>
    <message>
        <source>Audit logs (*.jsonl);;All files (*)</source>
        <translation>Registros de auditoria (*.jsonl);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Units are under way. Stop the station once they have ended, then close this window?</source>
        <translation>Há unidades em andamento. Parar a estação quando elas terminarem e então fechar esta janela?</translation>
    </message>
    <message>
        <source>No profile file is chosen</source>
        <translation>Nenhum arquivo de perfil escolhido</translation>
    </message>
    <message>
        <source>The station cannot start.<byte value="xd"/>
%1</source>
        <translation>A estação não pode ser iniciada.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>No audit log is chosen</source>
        <translation>Nenhum registro de auditoria escolhido</translation>
    </message>
    <message>
        <source>The main window is searching every port for a printer: start the station once the search has ended.</source>
        <translation>A janela principal está procurando uma impressora em todas as portas: inicie a estação quando a busca terminar.</translation>
    </message>
    <message>
        <source>The main window is using %1: start the station once its operation has ended.</source>
        <translation>A janela principal está usando %1: inicie a estação quando a operação dela terminar.</translation>
    </message>
    <message>
        <source>The profile changes no setting: every printer would only get the factory settings&apos; mark length and the saving sequence.<byte value="xd"/>
<byte value="xd"/>
Start anyway?</source>
        <translation>O perfil não altera nenhuma configuração: cada impressora receberia apenas o comprimento de marca das configurações de fábrica e a sequência de gravação.

Iniciar mesmo assim?</translation>
    </message>
    <message>
        <source>S&amp;ound on a failure</source>
        <translation>Som em caso de &amp;falha</translation>
    </message>
    <message>
        <source>Reset &amp;counts</source>
        <translation>&amp;Zerar contagens</translation>
    </message>
</context>
<context>
    <name>tessaro::app::frmAbout</name>
    <message>
        <source>About Tessaro </source>
        <translation>Sobre o Tessaro </translation>
    </message>
    <message>
        <source>Tessaro v: %1</source>
        <translation>Tessaro v: %1</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Suporte:</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Clique para fechar</translation>
    </message>
</context>
</TS>
