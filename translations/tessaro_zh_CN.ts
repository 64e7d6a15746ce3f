<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Catalogue</name>
    <message>
        <source>USA</source>
        <translation>美国</translation>
    </message>
    <message>
        <source>France</source>
        <translation>法国</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>德国</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>英国</translation>
    </message>
    <message>
        <source>Denmark 1</source>
        <translation>丹麦 1</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>瑞典</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>意大利</translation>
    </message>
    <message>
        <source>Spain 1</source>
        <translation>西班牙 1</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>挪威</translation>
    </message>
    <message>
        <source>Denmark 2</source>
        <translation>丹麦 2</translation>
    </message>
    <message>
        <source>Spain 2</source>
        <translation>西班牙 2</translation>
    </message>
    <message>
        <source>Latine America </source>
        <translation>拉丁美洲 </translation>
    </message>
    <message>
        <source>8x16 font</source>
        <translation>8x16 字体</translation>
    </message>
    <message>
        <source>12x20 font</source>
        <translation>12x20 字体</translation>
    </message>
    <message>
        <source>7x16 font</source>
        <translation>7x16 字体</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>180° Rotated</source>
        <translation>旋转 180°</translation>
    </message>
    <message>
        <source>Not Printed</source>
        <translation>不打印</translation>
    </message>
    <message>
        <source>Above Barcode</source>
        <translation>条码上方</translation>
    </message>
    <message>
        <source>Under Barcode</source>
        <translation>条码下方</translation>
    </message>
    <message>
        <source>Above and Under Barcode</source>
        <translation>条码上方和下方</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>Xon-Xoff</source>
        <translation>Xon-Xoff</translation>
    </message>
    <message>
        <source>DSR/DTR Mode</source>
        <translation>DSR/DTR 模式</translation>
    </message>
    <message>
        <source>IR Disable</source>
        <translation>禁用红外</translation>
    </message>
    <message>
        <source>IR Enable</source>
        <translation>启用红外</translation>
    </message>
    <message>
        <source>Dynamic Division</source>
        <translation>动态分段</translation>
    </message>
    <message>
        <source>Sets default number of black bytes activated per heat</source>
        <translation>设置每次加热启用的黑点字节数默认值</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>打印浓度</translation>
    </message>
    <message>
        <source>Sets default printout darkness</source>
        <translation>设置默认打印浓度</translation>
    </message>
    <message>
        <source>Acceleration Smooting</source>
        <translation>加速平滑</translation>
    </message>
    <message>
        <source>Sets default maximum acceleration ratio between two steps</source>
        <translation>设置两步之间的默认最大加速比</translation>
    </message>
    <message>
        <source>Max Printing Speed</source>
        <translation>最大打印速度</translation>
    </message>
    <message>
        <source>Sets the default max printing/paperfeed speed</source>
        <translation>设置默认最大打印/走纸速度</translation>
    </message>
    <message>
        <source>Autosleep Time</source>
        <translation>自动休眠时间</translation>
    </message>
    <message>
        <source>Sets the default time the printer enters in sleepmode</source>
        <translation>设置打印机进入休眠模式前的默认时间</translation>
    </message>
    <message>
        <source>Serial Communication Settings</source>
        <translation>串口通信设置</translation>
    </message>
    <message>
        <source>Sets the default serial/IR communication speed and handshake</source>
        <translation>设置默认串口/红外通信速度和握手方式</translation>
    </message>
    <message>
        <source>Busy Hold Time</source>
        <translation>忙信号保持时间</translation>
    </message>
    <message>
        <source>Sets the default minimum active time for Busy</source>
        <translation>设置 BUSY 信号的默认最短有效时间</translation>
    </message>
    <message>
        <source>Paper Loading Pause</source>
        <translation>装纸暂停时间</translation>
    </message>
    <message>
        <source>Sets the default pause time before paper is loaded</source>
        <translation>设置装纸前的默认暂停时间</translation>
    </message>
    <message>
        <source>Paper Loading Length</source>
        <translation>装纸长度</translation>
    </message>
    <message>
        <source>Sets the default length for paper loading</source>
        <translation>设置默认装纸长度</translation>
    </message>
    <message>
        <source>Paper Loading Speed</source>
        <translation>装纸速度</translation>
    </message>
    <message>
        <source>Sets the default paper loading speed</source>
        <translation>设置默认装纸速度</translation>
    </message>
    <message>
        <source>International Character Set:</source>
        <translation>国际字符集：</translation>
    </message>
    <message>
        <source>Sets the default international characters set used</source>
        <translation>设置默认使用的国际字符集</translation>
    </message>
    <message>
        <source>Default Internal Font:</source>
        <translation>默认内置字体：</translation>
    </message>
    <message>
        <source>Sets the default internal font used </source>
        <translation>设置默认使用的内置字体 </translation>
    </message>
    <message>
        <source>Text orientation:</source>
        <translation>文本方向：</translation>
    </message>
    <message>
        <source>Sets the default text rotation</source>
        <translation>设置默认文本旋转</translation>
    </message>
    <message>
        <source>Text Justification:</source>
        <translation>文本对齐：</translation>
    </message>
    <message>
        <source>Sets the default text justification</source>
        <translation>设置默认文本对齐方式</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>打印模式</translation>
    </message>
    <message>
        <source>Sets the default text features (height, width and underligned) </source>
        <translation>设置默认文本特性（高度、宽度和下划线） </translation>
    </message>
    <message>
        <source>Max Number of Characters / Line</source>
        <translation>每行最大字符数</translation>
    </message>
    <message>
        <source>Sets the default maximum number of characters on a line </source>
        <translation>设置每行默认最大字符数 </translation>
    </message>
    <message>
        <source>Character Spacing</source>
        <translation>字符间距</translation>
    </message>
    <message>
        <source>Sets the space between 2 characters on a line </source>
        <translation>设置一行中两个字符之间的间距 </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>行间距</translation>
    </message>
    <message>
        <source>Sets the number of blank lines between two characters lines </source>
        <translation>设置两行字符之间的空白间距 </translation>
    </message>
    <message>
        <source>Pre-Line Spacing</source>
        <translation>行前间距</translation>
    </message>
    <message>
        <source>Sets the preline spacing distance useful in inverse video mode</source>
        <translation>设置行前间距，用于反白打印模式</translation>
    </message>
    <message>
        <source>Barcode Height</source>
        <translation>条码高度</translation>
    </message>
    <message>
        <source>Sets the default height of the barcode</source>
        <translation>设置默认条码高度</translation>
    </message>
    <message>
        <source>Barcode Magnification</source>
        <translation>条码放大倍数</translation>
    </message>
    <message>
        <source>Sets the default magnification of the barcode</source>
        <translation>设置默认条码放大倍数</translation>
    </message>
    <message>
        <source>Barcode Text Position:</source>
        <translation>条码文字位置：</translation>
    </message>
    <message>
        <source>Sets the default text position on the barcode</source>
        <translation>设置条码文字的默认位置</translation>
    </message>
    <message>
        <source>Barcode Orientation:</source>
        <translation>条码方向：</translation>
    </message>
    <message>
        <source>Sets the default barcode orientation (vertical or horizontal)</source>
        <translation>设置默认条码方向（垂直或水平）</translation>
    </message>
    <message>
        <source>Mark To Cut Position</source>
        <translation>黑标至切刀位置</translation>
    </message>
    <message>
        <source>Sets the distance between black mark and cutter</source>
        <translation>设置黑标与切刀之间的距离</translation>
    </message>
    <message>
        <source>Head To Cut Length</source>
        <translation>打印头至切刀距离</translation>
    </message>
    <message>
        <source>Sets the distance between Head line and cutter </source>
        <translation>设置打印头加热线与切刀之间的距离 </translation>
    </message>
    <message>
        <source>Opto To Head Length</source>
        <translation>传感器至打印头距离</translation>
    </message>
    <message>
        <source>Sets the distance between head line and opto sensor (remain unchanged if not sure)</source>
        <translation>设置打印头加热线与光电传感器之间的距离（如不确定，请保持不变）</translation>
    </message>
    <message>
        <source>Top Of Form Position</source>
        <translation>页首位置</translation>
    </message>
    <message>
        <source>Sets the default Top Of Form position</source>
        <translation>设置默认页首位置</translation>
    </message>
    <message>
        <source>Mark Length</source>
        <translation>黑标长度</translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Bytes</source>
        <translation>动态分段：%1 黑点字节</translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Byte</source>
        <translation>动态分段：%1 黑点字节</translation>
    </message>
    <message>
        <source>Continuous paper Feed Mode</source>
        <translation>连续纸模式</translation>
    </message>
    <message>
        <source>Intensity :%1%</source>
        <translation>打印浓度：%1%</translation>
    </message>
    <message>
        <source>Acceleration smoothing :   %1%</source>
        <translation>加速平滑：%1%</translation>
    </message>
    <message>
        <source>Max Printing Speed :%1 mm/s</source>
        <translation>最大打印速度：%1 mm/s</translation>
    </message>
    <message>
        <source>Autosleep Time :%1 s</source>
        <translation>自动休眠时间：%1 s</translation>
    </message>
    <message>
        <source>Busy Hold Time :%1µs</source>
        <translation>忙信号保持时间：%1µs</translation>
    </message>
    <message>
        <source>Paper Loading Pause :%1 sec</source>
        <translation>装纸暂停时间：%1 秒</translation>
    </message>
    <message>
        <source>Paper Loading Length :%1 mm</source>
        <translation>装纸长度：%1 mm</translation>
    </message>
    <message>
        <source>Paper Loading Speed :%1 mm/s</source>
        <translation>装纸速度：%1 mm/s</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>单倍</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>双倍</translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation>四倍</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Max Characters/Line :%1</source>
        <translation>每行最大字符数：%1</translation>
    </message>
    <message>
        <source>Character Spacing :%1 mm</source>
        <translation>字符间距：%1 mm</translation>
    </message>
    <message>
        <source>Line Spacing :%1 mm</source>
        <translation>行间距：%1 mm</translation>
    </message>
    <message>
        <source>Pre-Line Spacing :%1 mm</source>
        <translation>行前间距：%1 mm</translation>
    </message>
    <message>
        <source>Barcode Height :%1mm</source>
        <translation>条码高度：%1mm</translation>
    </message>
    <message>
        <source>Barcode Magnification :%1mm</source>
        <translation>条码放大倍数：%1mm</translation>
    </message>
    <message>
        <source>Mark To Cut Position :%1 mm</source>
        <translation>黑标至切刀位置：%1 mm</translation>
    </message>
    <message>
        <source>Head To Cut Length :%1 mm</source>
        <translation>打印头至切刀距离：%1 mm</translation>
    </message>
    <message>
        <source>Opto To Head Length :%1 mm</source>
        <translation>传感器至打印头距离：%1 mm</translation>
    </message>
    <message>
        <source>Top Of Form Position :%1 mm</source>
        <translation>页首位置：%1 mm</translation>
    </message>
    <message>
        <source>MarkLength :%1 mm</source>
        <translation>黑标长度：%1 mm</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>宽度</translation>
    </message>
    <message>
        <source>Underligned</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>MarkLength: Continuous paper feed mode</source>
        <translation>黑标长度：连续纸模式</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Setting autosleep (ESC A n)</source>
        <translation>设置自动休眠时间 (ESC A n)</translation>
    </message>
    <message>
        <source>   ESC A n : Set the autosleep time</source>
        <translation>   ESC A n : 设置自动休眠时间</translation>
    </message>
    <message>
        <source>Setting max speed (GS s n1 n2)</source>
        <translation>设置最大速度 (GS s n1 n2)</translation>
    </message>
    <message>
        <source>   GS s n1 n2 : Set maximum print out speed</source>
        <translation>   GS s n1 n2 : 设置最大打印速度</translation>
    </message>
    <message>
        <source>Setting paper loading length (GS P n1 n2)</source>
        <translation>设置装纸长度 (GS P n1 n2)</translation>
    </message>
    <message>
        <source>   GS P n1 n2 : Set paper loading length</source>
        <translation>   GS P n1 n2 : 设置装纸长度</translation>
    </message>
    <message>
        <source>Setting paper loading speed (GS M n1 n2)</source>
        <translation>设置装纸速度 (GS M n1 n2)</translation>
    </message>
    <message>
        <source>   GS M n1 n2 : Set paper loading speed</source>
        <translation>   GS M n1 n2 : 设置装纸速度</translation>
    </message>
    <message>
        <source>Setting paper loading pause (GS p n)</source>
        <translation>设置装纸暂停时间 (GS p n)</translation>
    </message>
    <message>
        <source>   GS p n : Set paper loading pause</source>
        <translation>   GS p n : 设置装纸暂停时间</translation>
    </message>
    <message>
        <source>Setting TOF position (GS T n1 n2)</source>
        <translation>设置页首位置 (GS T n1 n2)</translation>
    </message>
    <message>
        <source>   GS T n1 n2 : Set TOF position</source>
        <translation>   GS T n1 n2 : 设置页首位置</translation>
    </message>
    <message>
        <source>Setting mark to cut position (GS X n1 n2)</source>
        <translation>设置黑标至切刀位置 (GS X n1 n2)</translation>
    </message>
    <message>
        <source>   GS X n1 n2 : Set mark to cut position</source>
        <translation>   GS X n1 n2 : 设置黑标至切刀位置</translation>
    </message>
    <message>
        <source>Setting Cut line to head dot line length (GS x n1 n2)</source>
        <translation>设置切刀至打印头点行距离 (GS x n1 n2)</translation>
    </message>
    <message>
        <source>   GS x n1 n2 : Set cut line to head length</source>
        <translation>   GS x n1 n2 : 设置切刀至打印头距离</translation>
    </message>
    <message>
        <source>Setting opto to head dot line length (GS Y n1 n2)</source>
        <translation>设置传感器至打印头点行距离 (GS Y n1 n2)</translation>
    </message>
    <message>
        <source>   GS Y n1 n2 : Set opto to head length</source>
        <translation>   GS Y n1 n2 : 设置传感器至打印头距离</translation>
    </message>
    <message>
        <source>Setting mark length (GS L n1)</source>
        <translation>设置黑标长度 (GS L n1)</translation>
    </message>
    <message>
        <source>   GS L n : Set mark length</source>
        <translation>   GS L n : 设置黑标长度</translation>
    </message>
    <message>
        <source>Setting Acceleration (GS a n)</source>
        <translation>设置加速 (GS a n)</translation>
    </message>
    <message>
        <source>   GS a n : Set acceleration smoothing</source>
        <translation>   GS a n : 设置加速平滑</translation>
    </message>
    <message>
        <source>Setting line pre-spacing (ESC 2 n)</source>
        <translation>设置行前间距 (ESC 2 n)</translation>
    </message>
    <message>
        <source>   ESC 2 n : Set line pre-spacing</source>
        <translation>   ESC 2 n : 设置行前间距</translation>
    </message>
    <message>
        <source>Setting line spacing (ESC 3 n)</source>
        <translation>设置行间距 (ESC 3 n)</translation>
    </message>
    <message>
        <source>   ESC 3 n : Set line spacing</source>
        <translation>   ESC 3 n : 设置行间距</translation>
    </message>
    <message>
        <source>Setting character spacing (ESC SP n)</source>
        <translation>设置字符间距 (ESC SP n)</translation>
    </message>
    <message>
        <source>   ESC SP n : Set character spacing</source>
        <translation>   ESC SP n : 设置字符间距</translation>
    </message>
    <message>
        <source>Setting maximun number of columns (ESC c n)</source>
        <translation>设置每行最大字符数 (ESC c n)</translation>
    </message>
    <message>
        <source>   ESC c n : Set max number of columns</source>
        <translation>   ESC c n : 设置每行最大字符数</translation>
    </message>
    <message>
        <source>Setting dynamic division (GS / n)</source>
        <translation>设置动态分段 (GS / n)</translation>
    </message>
    <message>
        <source>   GS / n : Set print speed / max current</source>
        <translation>   GS / n : 设置打印速度/最大电流</translation>
    </message>
    <message>
        <source>Setting print intensity (GA D n)</source>
        <translation>设置打印浓度 (GS D n)</translation>
    </message>
    <message>
        <source>   GS D n : Set print intensity</source>
        <translation>   GS D n : 设置打印浓度</translation>
    </message>
    <message>
        <source>Setting busy hold time (GS b n)</source>
        <translation>设置忙信号保持时间 (GS b n)</translation>
    </message>
    <message>
        <source>   GS b n : Set parallel port busy hold time</source>
        <translation>   GS b n : 设置并口忙信号保持时间</translation>
    </message>
    <message>
        <source>Setting Barcode height (GS h n)</source>
        <translation>设置条码高度 (GS h n)</translation>
    </message>
    <message>
        <source>   GS h n : Barcode height</source>
        <translation>   GS h n : 条码高度</translation>
    </message>
    <message>
        <source>Setting barcode magnification (GS w n)</source>
        <translation>设置条码放大倍数 (GS w n)</translation>
    </message>
    <message>
        <source>   GS w n : Barcode magnification</source>
        <translation>   GS w n : 条码放大倍数</translation>
    </message>
    <message>
        <source>Setting text position in barcode (GS H n)</source>
        <translation>设置条码文字位置 (GS H n)</translation>
    </message>
    <message>
        <source>   GS H n : Text position in barcode</source>
        <translation>   GS H n : 条码文字位置</translation>
    </message>
    <message>
        <source>Setting barcode orientation (GS R n)</source>
        <translation>设置条码方向 (GS R n)</translation>
    </message>
    <message>
        <source>   GS R n : Set/reset rotated barcode</source>
        <translation>   GS R n : 设置/取消条码旋转</translation>
    </message>
    <message>
        <source>Setting internationnal charset (ESC R n)</source>
        <translation>设置国际字符集 (ESC R n)</translation>
    </message>
    <message>
        <source>   ESC R n : Select international char set</source>
        <translation>   ESC R n : 选择国际字符集</translation>
    </message>
    <message>
        <source>Setting internal font (ESC % n)</source>
        <translation>设置内置字体 (ESC % n)</translation>
    </message>
    <message>
        <source>   ESC % n : Select internal font</source>
        <translation>   ESC % n : 选择内置字体</translation>
    </message>
    <message>
        <source>Setting text justification (ESC C n)</source>
        <translation>设置文本对齐 (ESC C n)</translation>
    </message>
    <message>
        <source>   ESC C n : Set text justification</source>
        <translation>   ESC C n : 设置文本对齐</translation>
    </message>
    <message>
        <source>Setting rotated characters (ESC { n)</source>
        <translation>设置字符旋转 (ESC { n)</translation>
    </message>
    <message>
        <source>   ESC { n : Set/reset rotated characters</source>
        <translation>   ESC { n : 设置/取消字符旋转</translation>
    </message>
    <message>
        <source>Setting print mode (ESC ! n)</source>
        <translation>设置打印模式 (ESC ! n)</translation>
    </message>
    <message>
        <source>   ESC ! n : Set print mode</source>
        <translation>   ESC ! n : 设置打印模式</translation>
    </message>
    <message>
        <source>Setting serial com (GS B n)</source>
        <translation>设置串口通信 (GS B n)</translation>
    </message>
    <message>
        <source>   GS B n : Serial communication settings</source>
        <translation>   GS B n : 串口通信设置</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No printer found</source>
        <translation>未找到打印机</translation>
    </message>
    <message>
        <source>No printer found on %1</source>
        <translation>%1 上未找到打印机</translation>
    </message>
    <message>
        <source>No printer found on %1 at %2 bauds</source>
        <translation>%1 上未找到打印机（波特率 %2）</translation>
    </message>
    <message>
        <source>No printer found on %1 at any speed</source>
        <translation>%1 上以任何速度均未找到打印机</translation>
    </message>
    <message>
        <source>%1 found on %2</source>
        <translation>已在 %2 上找到 %1</translation>
    </message>
    <message>
        <source>%1 found on %2 at %3 bauds</source>
        <translation>已在 %2 上找到 %1，波特率 %3</translation>
    </message>
    <message>
        <source>Power: 5V</source>
        <translation>电源：5V</translation>
    </message>
    <message>
        <source>Power: 24V</source>
        <translation>电源：24V</translation>
    </message>
    <message>
        <source>No Printer found</source>
        <translation>未找到打印机</translation>
    </message>
    <message>
        <source>NO Printer on %1 :</source>
        <translation>%1 上没有打印机 :</translation>
    </message>
    <message>
        <source>%1 ,  %2 BAUDS </source>
        <translation>%1 ，  %2 波特 </translation>
    </message>
    <message>
        <source>This port does not exist<byte value="xd"/>%1</source>
        <translation>此端口不存在
%1</translation>
    </message>
    <message>
        <source>You must select a serial port</source>
        <translation>必须选择一个串口</translation>
    </message>
    <message>
        <source>You must select a parallel port</source>
        <translation>必须选择一个并口</translation>
    </message>
    <message>
        <source>Trying to wake-up the printer</source>
        <translation>正在尝试唤醒打印机</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1</source>
        <translation>正在尝试联系 %1 上的打印机</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1.</source>
        <translation>正在尝试连接 %1 上的打印机。</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1 at %2 bauds.</source>
        <translation>正在以波特率 %2 尝试连接 %1 上的打印机。</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>The automatic search leaves this port out.</source>
        <translation>%1
自动搜索将跳过此端口。</translation>
    </message>
    <message>
        <source>Need a Printer Connected<byte value="xd"/>Detect Printer Please</source>
        <translation>需要连接打印机
请先检测打印机</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Nothing was sent.</source>
        <translation>%1
未发送任何内容。</translation>
    </message>
    <message>
        <source>Saving parameters</source>
        <translation>正在保存参数</translation>
    </message>
    <message>
        <source>Parameters saved...   </source>
        <translation>参数已保存...   </translation>
    </message>
    <message>
        <source>Saving sequence failed</source>
        <translation>保存序列失败</translation>
    </message>
    <message>
        <source>Saving Sequence Successful !</source>
        <translation>保存序列成功！</translation>
    </message>
    <message>
        <source> Saving Sequence Failed<byte value="xd"/> Please verify that your software revision allow parameters modificaiton</source>
        <translation> 保存序列失败
 请确认打印机的软件版本允许修改参数</translation>
    </message>
    <message>
        <source>Saving Sequence Failed<byte value="xd"/>Please verify that your software revision<byte value="xd"/>allow parameters modificaiton</source>
        <translation>保存序列失败
请确认打印机的软件版本
允许修改参数</translation>
    </message>
    <message>
        <source>Please reboot your printer by powering it down, then up.<byte value="xd"/>
Then, perform a printer detection again...</source>
        <translation>请关闭打印机电源再重新打开，以重启打印机。
然后重新检测打印机...</translation>
    </message>
    <message>
        <source>This will set the modified parameters as printer default.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>这将把已修改参数设为打印机默认值。

是否继续？</translation>
    </message>
    <message>
        <source>This will load the factory settings into the workspace<byte value="xd"/>
and transfer them to the printer.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>这将把出厂设置加载到工作区
并传送到打印机。

是否继续？</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 28800 bauds<byte value="xd"/>
if the printer chipset is powered on 5V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>打印机芯片组使用 5V 供电时，
无法将波特率设为 28800。

可用的波特率为：
          1200、2400、4800、9600、19200、38400、57600、115200。

波特率参数将不会修改。</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 38400 or 115200 bauds<byte value="xd"/>
if the printer chipset is powered on 3.3V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 28800, 57600.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>打印机芯片组使用 3.3V 供电时，
无法将波特率设为 38400 或 115200。

可用的波特率为：
          1200、2400、4800、9600、19200、28800、57600。

波特率参数将不会修改。</translation>
    </message>
    <message>
        <source>%1 : BYTE Mode Error<byte value="xd"/>Please check you LPT setup </source>
        <translation>%1：BYTE 模式错误
请检查 LPT 设置 </translation>
    </message>
    <message>
        <source>The LPT ports will be unusable !<byte value="xd"/>Please check your LPT port configuration !</source>
        <translation>LPT 端口将无法使用！
请检查 LPT 端口配置！</translation>
    </message>
    <message>
        <source>LPT Communication Port Error !</source>
        <translation>LPT 通信端口错误！</translation>
    </message>
    <message>
        <source>Parallel Object Error</source>
        <translation>并口错误</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>端口不存在</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>设备不存在</translation>
    </message>
    <message>
        <source>%1: no %2 has this number</source>
        <translation>%1：没有此编号的%2</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>USB printer</source>
        <translation>USB 打印机</translation>
    </message>
    <message>
        <source>parallel port</source>
        <translation>并口</translation>
    </message>
    <message>
        <source>network printer</source>
        <translation>网络打印机</translation>
    </message>
    <message>
        <source>serial server</source>
        <translation>串口服务器</translation>
    </message>
    <message>
        <source>speed refused</source>
        <translation>速率被拒绝</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>不是串口</translation>
    </message>
    <message>
        <source>the device was disconnected</source>
        <translation>设备已断开连接</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>被其他程序占用</translation>
    </message>
    <message>
        <source>in use by %1 (process %2)</source>
        <translation>被 %1 占用（进程 %2）</translation>
    </message>
    <message>
        <source>in use by process %1</source>
        <translation>被进程 %1 占用</translation>
    </message>
    <message>
        <source>in use by another program (%1 is held)</source>
        <translation>被其他程序占用（%1 已被锁定）</translation>
    </message>
    <message>
        <source>the port is in use by another driver or program</source>
        <translation>端口被其他驱动程序或程序占用</translation>
    </message>
    <message>
        <source>%1 (ModemManager, which probes new modems, may hold it: `sudo fuser -v %2` names the holder)</source>
        <translation>%1（ModemManager 会探测新的调制解调器，可能占用了它：`sudo fuser -v %2` 可显示占用者）</translation>
    </message>
    <message>
        <source>%1 (if it was not unplugged, ModemManager or brltty may have taken it: `dmesg` shows which)</source>
        <translation>%1（如果设备未被拔出，可能已被 ModemManager 或 brltty 占用：`dmesg` 可显示是哪一个）</translation>
    </message>
    <message>
        <source>permission denied; join the dialout group (sudo adduser $USER dialout, then log in again)</source>
        <translation>权限被拒绝；请加入 dialout 组（sudo adduser $USER dialout，然后重新登录）</translation>
    </message>
    <message>
        <source>permission denied; join the lp group (sudo adduser $USER lp, then log in again)</source>
        <translation>权限被拒绝；请加入 lp 组（sudo adduser $USER lp，然后重新登录）</translation>
    </message>
    <message>
        <source>permission denied: %1 is yours%2</source>
        <translation>权限被拒绝：%1 属于您%2</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are in it%3</source>
        <translation>权限被拒绝：%1 属于 %2 组，您也在该组中%3</translation>
    </message>
    <message>
        <source>permission denied: %1%2</source>
        <translation>权限被拒绝：%1%2</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2%3</source>
        <translation>权限被拒绝：%1 属于 %2 组%3</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, which you joined after this session started: log in again (or run newgrp %2)</source>
        <translation>权限被拒绝：%1 属于 %2 组，而您是在本次会话开始后才加入该组的：请重新登录（或运行 newgrp %2）</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are not in it</source>
        <translation>权限被拒绝：%1 属于 %2 组，而您不在该组中</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are not in it; join it (sudo adduser $USER %2), then log in again</source>
        <translation>权限被拒绝：%1 属于 %2 组，而您不在该组中；请加入该组（sudo adduser $USER %2），然后重新登录</translation>
    </message>
    <message>
        <source>; its mode (%1) lets %2 read and write, so something else refuses it (an access control list, a security policy or a sandbox)</source>
        <translation>；其模式（%1）允许%2读写，因此是其他机制拒绝了访问（访问控制列表、安全策略或沙箱）</translation>
    </message>
    <message>
        <source>, but the device allows %1 no %2 (mode %3)</source>
        <translation>，但该设备不允许%1%2（模式 %3）</translation>
    </message>
    <message>
        <source>its owner</source>
        <translation>其所有者</translation>
    </message>
    <message>
        <source>its group</source>
        <translation>其所属组</translation>
    </message>
    <message>
        <source>everyone</source>
        <translation>所有人</translation>
    </message>
    <message>
        <source>read and write</source>
        <translation>读写</translation>
    </message>
    <message>
        <source>read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>write</source>
        <translation>写入</translation>
    </message>
    <message>
        <source>the name now leads to another device (%1%2) than the printer was found on; detect the printer again</source>
        <translation>该名称现在指向的设备（%1%2）不是找到打印机时的那个设备；请重新检测打印机</translation>
    </message>
    <message>
        <source>, not %1</source>
        <translation>，而不是 %1</translation>
    </message>
    <message>
        <source>another device</source>
        <translation>另一个设备</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>%1 秒内无应答</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>无地址</translation>
    </message>
    <message>
        <source>the name lookup failed</source>
        <translation>名称解析失败</translation>
    </message>
    <message>
        <source>not a network address (HOST or HOST:PORT)</source>
        <translation>不是网络地址（HOST 或 HOST:PORT）</translation>
    </message>
    <message>
        <source>not a serial server address (HOST:PORT)</source>
        <translation>不是串口服务器地址（HOST:PORT）</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>打印机关闭了连接</translation>
    </message>
    <message>
        <source>the printer went away (%1)</source>
        <translation>打印机已断开（%1）</translation>
    </message>
    <message>
        <source>the printer stopped taking data</source>
        <translation>打印机停止接收数据</translation>
    </message>
    <message>
        <source>the server does not set serial lines (no RFC 2217)</source>
        <translation>服务器不设置串行线路（不支持 RFC 2217）</translation>
    </message>
    <message>
        <source>the serial server closed the connection</source>
        <translation>串口服务器关闭了连接</translation>
    </message>
    <message>
        <source>the printer sent more than 64 KiB before the server had set the line</source>
        <translation>服务器设置好线路之前，打印机已发送超过 64 KiB 的数据</translation>
    </message>
    <message>
        <source>the server set the line to %1, not %2</source>
        <translation>服务器将线路设置为“%1”，而不是“%2”</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>无校验</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>标记校验</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>空格校验</translation>
    </message>
    <message>
        <source>parity %1</source>
        <translation>校验方式 %1</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 位停止位</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 位停止位</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <translation>1.5 位停止位</translation>
    </message>
    <message>
        <source>stop size %1</source>
        <translation>停止位值 %1</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>无流控</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <translation>XON/XOFF 流控</translation>
    </message>
    <message>
        <source>hardware flow control</source>
        <translation>硬件流控</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 位数据位</translation>
    </message>
    <message>
        <source>%1 bit/s</source>
        <translation>%1 比特/秒</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>无错误</translation>
    </message>
    <message>
        <source>not implemented by this port</source>
        <translation>此端口未实现该功能</translation>
    </message>
    <message>
        <source>a capability the program needs is not available on this port</source>
        <translation>此端口不提供程序所需的功能</translation>
    </message>
    <message>
        <source>the port did not answer in time</source>
        <translation>端口未及时响应</translation>
    </message>
    <message>
        <source>the printer rejected the request</source>
        <translation>打印机拒绝了请求</translation>
    </message>
    <message>
        <source>negotiation with the printer failed</source>
        <translation>与打印机协商失败</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>the port could not be initialised</source>
        <translation>无法初始化端口</translation>
    </message>
    <message>
        <source>system error</source>
        <translation>系统错误</translation>
    </message>
    <message>
        <source>the printer gave no device ID</source>
        <translation>打印机未提供设备 ID</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>端口未打开</translation>
    </message>
    <message>
        <source>libieee1284 error %1</source>
        <translation>libieee1284 错误 %1</translation>
    </message>
    <message>
        <source>no parallel port support: %1</source>
        <translation>不支持并口：%1</translation>
    </message>
    <message>
        <source>the parallel port library does not list it</source>
        <translation>并口库未列出该端口</translation>
    </message>
    <message>
        <source>no parallel port at this address</source>
        <translation>此地址上没有并口</translation>
    </message>
    <message>
        <source>no parallel port at this number</source>
        <translation>没有此编号的并口</translation>
    </message>
    <message>
        <source>%1: cannot claim the port: %2</source>
        <translation>%1：无法占用端口：%2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已中止</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>file is larger than %1 bytes</source>
        <translation>文件大于 %1 字节</translation>
    </message>
    <message>
        <source>file is larger than 1 byte</source>
        <translation>文件大于 1 字节</translation>
    </message>
    <message>
        <source>file is larger than %1 KiB</source>
        <translation>文件大于 %1 KiB</translation>
    </message>
    <message>
        <source>file is larger than %1 MiB</source>
        <translation>文件大于 %1 MiB</translation>
    </message>
    <message>
        <source>a symbolic link to a file of another user; not followed</source>
        <translation>指向其他用户文件的符号链接；不予跟随</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist; not followed</source>
        <translation>指向不存在文件的符号链接；不予跟随</translation>
    </message>
    <message>
        <source>%1 is read only !</source>
        <translation>%1 是只读的！</translation>
    </message>
    <message>
        <source>Some keys of %1 were skipped: their values are not valid.</source>
        <translation>已跳过 %1 中的部分键：其值无效。</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
   %2</source>
        <translation>%1
   %2</translation>
    </message>
    <message>
        <source>%1 (%2 is missing)</source>
        <translation>%1（缺少 %2）</translation>
    </message>
    <message>
        <source>print mode (%1 to %2): a group of options has no option selected</source>
        <translation>打印模式（%1 至 %2）：某组选项中没有选中任何选项</translation>
    </message>
    <message>
        <source>The unit was stopped before its end</source>
        <translation>该单元在结束前被停止</translation>
    </message>
    <message>
        <source>The unit failed: %1</source>
        <translation>该单元失败：%1</translation>
    </message>
    <message>
        <source>The station stopped serving this port: %1</source>
        <translation>工作站已停止服务此端口：%1</translation>
    </message>
    <message>
        <source>The printer on %1 reports a fault: %2</source>
        <translation>%1 上的打印机报告故障：%2</translation>
    </message>
    <message>
        <source>No reply to the status request on %1</source>
        <translation>%1 上的状态请求没有应答</translation>
    </message>
    <message>
        <source>No reply to the status request on %1 at any speed</source>
        <translation>%1 上的状态请求在任何速度下均没有应答</translation>
    </message>
    <message>
        <source>Cannot open the audit log %1: %2</source>
        <translation>无法打开审计日志 %1：%2</translation>
    </message>
    <message>
        <source>Cannot write the audit log %1</source>
        <translation>无法写入审计日志 %1</translation>
    </message>
    <message>
        <source>No port is chosen</source>
        <translation>未选择端口</translation>
    </message>
    <message>
        <source>The port %1 is given twice</source>
        <translation>端口 %1 被指定了两次</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>Cannot send %1: not a profile: it has none of the sections of a .pcf file</source>
        <translation>无法发送 %1：不是配置文件，它没有 .pcf 文件的任何节</translation>
    </message>
    <message>
        <source>°C Head Problem</source>
        <translation>°C 打印头故障</translation>
    </message>
    <message>
        <source>Head Up</source>
        <translation>打印头抬起</translation>
    </message>
    <message>
        <source>No Paper</source>
        <translation>缺纸</translation>
    </message>
    <message>
        <source>Vbat Problem</source>
        <translation>Vbat 故障</translation>
    </message>
    <message>
        <source>Mark Error</source>
        <translation>黑标错误</translation>
    </message>
    <message>
        <source>Cutter failure</source>
        <translation>切刀故障</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at %1 bauds<byte value="xd"/>
while the printer has not said whether its chipset is powered on 5V or 3.3V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 57600.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>打印机尚未告知其芯片组是 5V 还是 3.3V 供电，
无法将波特率设为 %1。

可用的波特率为：
          1200、2400、4800、9600、19200、57600。

波特率参数将不会修改。</translation>
    </message>
    <message>
        <source>the name now leads to another address (%1, not %2) than the printer was found at; detect the printer again</source>
        <translation>该名称现在指向另一个地址（%1，而不是 %2），不是找到打印机时的地址；请重新检测打印机</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>ok</source>
        <translation>成功</translation>
    </message>
    <message>
        <source>no_answer</source>
        <translation>无打印机应答</translation>
    </message>
    <message>
        <source>not_stored</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>declined</source>
        <translation>已拒绝</translation>
    </message>
    <message>
        <source>bad_usage</source>
        <translation>用法错误</translation>
    </message>
    <message>
        <source>file_error</source>
        <translation>文件错误</translation>
    </message>
    <message>
        <source>output_error</source>
        <translation>输出错误</translation>
    </message>
    <message>
        <source>port_absent</source>
        <translation>端口不存在</translation>
    </message>
    <message>
        <source>port_in_use</source>
        <translation>端口被占用</translation>
    </message>
    <message>
        <source>permission_denied</source>
        <translation>权限被拒绝</translation>
    </message>
    <message>
        <source>port_lost</source>
        <translation>端口丢失</translation>
    </message>
    <message>
        <source>port_unusable</source>
        <translation>端口不可用</translation>
    </message>
    <message>
        <source>printer_fault</source>
        <translation>打印机故障</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Permission denied</source>
        <translation>权限不够</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>不允许的操作</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>没有那个文件或目录</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>没有那个设备</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>没有那个设备或地址</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>输入/输出错误</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>设备或资源忙</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>拒绝连接</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>连接超时</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>没有到主机的路由</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>网络不可达</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>连接被对方重设</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>断开的管道</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>文件过大</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>设备上没有空间</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>只读文件系统</translation>
    </message>
    <message>
        <source>Inappropriate ioctl for device</source>
        <translation>对设备不适当的 ioctl 操作</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>无效的参数</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>是一个目录</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>不是目录</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>打开的文件过多</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>资源暂时不可用</translation>
    </message>
    <message>
        <source>Protocol error</source>
        <translation>协议错误</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>文件名过长</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>超出磁盘限额</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>未知的名称或服务</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>域名解析暂时失败</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>域名解析中出现不可修复的失败</translation>
    </message>
    <message>
        <source>No address associated with hostname</source>
        <translation>没有与主机名关联的地址</translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Setup and hardware control</source>
        <translation>设置与硬件控制</translation>
    </message>
    <message>
        <source>Text and general commands</source>
        <translation>文本与通用命令</translation>
    </message>
    <message>
        <source>Text and General commands</source>
        <translation>文本与通用命令</translation>
    </message>
    <message>
        <source>Barcode commands</source>
        <translation>条码命令</translation>
    </message>
    <message>
        <source>Hole/Black mark detection commands</source>
        <translation>孔/黑标检测命令</translation>
    </message>
    <message>
        <source>Hole and black mark detection commands</source>
        <translation>孔和黑标检测命令</translation>
    </message>
</context>
<context>
    <name>tessaro::app::ClientArea</name>
    <message>
        <source>List of modified parameters:</source>
        <translation>已修改参数列表：</translation>
    </message>
    <message>
        <source>Set modified parameters as printer default</source>
        <translation>将已修改参数设为打印机默认值</translation>
    </message>
    <message>
        <source>Recover Factory Settings</source>
        <translation>恢复出厂设置</translation>
    </message>
</context>
<context>
    <name>tessaro::app::ControlFactory</name>
    <message>
        <source>Serial speed</source>
        <translation>串口速度</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>握手方式</translation>
    </message>
    <message>
        <source>IR mode</source>
        <translation>红外模式</translation>
    </message>
</context>
<context>
    <name>tessaro::app::Form1</name>
    <message>
        <source>The configuration could not be loaded.<byte value="xd"/>
%1</source>
        <translation>无法加载配置。<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists; it is removed from the recent profiles.</source>
        <translation>%1 已不存在，已将其从最近的配置文件中移除。</translation>
    </message>
    <message>
        <source>The configuration could not be saved.<byte value="xd"/>
%1</source>
        <translation>无法保存配置。<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Do you want to save changes before closing?</source>
        <translation>关闭前是否保存更改？</translation>
    </message>
    <message>
        <source>NO Port is openned. Please open a port.</source>
        <translation>未打开端口。请打开一个端口。</translation>
    </message>
    <message>
        <source>The production station has units under way. Stop it once they have ended, then close Tessaro?</source>
        <translation>生产工位仍有单元正在进行。待其结束后停止工位，然后关闭 Tessaro？</translation>
    </message>
</context>
<context>
    <name>tessaro::app::Helpfrm</name>
    <message>
        <source>Tessaro Help</source>
        <translation>Tessaro 帮助</translation>
    </message>
</context>
<context>
    <name>tessaro::app::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Load Config From File to Workspace</source>
        <translation>从文件加载配置到工作区(&amp;L)</translation>
    </message>
    <message>
        <source>Recent &amp;profiles</source>
        <translation>最近的配置文件(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Save Workspace Config to File</source>
        <translation>将工作区配置保存到文件(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Reload Factory Settings to Workspace</source>
        <translation>重新加载出厂设置到工作区(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Detect the printer</source>
        <translation>检测打印机(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Configure the Printer</source>
        <translation>配置打印机(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Recover Factory Settings</source>
        <translation>恢复出厂设置(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Send Mofified Parameters to Printer</source>
        <translation>发送已修改参数到打印机(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Production station...</source>
        <translation>生产工位(&amp;P)...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>关于(&amp;A)</translation>
    </message>
</context>
<context>
    <name>tessaro::app::PortSelection</name>
    <message>
        <source>Communication Port Selection</source>
        <translation>通信端口选择</translation>
    </message>
    <message>
        <source>Autodetect Printer</source>
        <translation>自动检测打印机</translation>
    </message>
    <message>
        <source>Current printer</source>
        <translation>当前打印机</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>搜索进度</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>End the detection or the automatic search now</source>
        <translation>立即结束检测或自动搜索</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Handshake:</source>
        <translation>握手方式：</translation>
    </message>
    <message>
        <source>Detect Printer</source>
        <translation>检测打印机</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>并口</translation>
    </message>
    <message>
        <source>USB and network</source>
        <translation>USB 与网络</translation>
    </message>
    <message>
        <source>Network printer</source>
        <translation>网络打印机</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>主机或主机:端口</translation>
    </message>
    <message>
        <source>Network printer address</source>
        <translation>网络打印机地址</translation>
    </message>
    <message>
        <source>A printer on raw TCP; port 9100 unless the address names another</source>
        <translation>通过原始 TCP 连接的打印机；地址中未指定端口时使用端口 9100</translation>
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
        <translation>DSR/DTR 模式</translation>
    </message>
    <message>
        <source>No printer found yet, please start detection.</source>
        <translation>尚未找到打印机，请开始检测。</translation>
    </message>
    <message>
        <source>The production station is using ports: the automatic search would reach its printers.</source>
        <translation>生产工位正在使用端口：自动搜索会干扰其打印机。</translation>
    </message>
    <message>
        <source>Enter the network printer&apos;s address (host or host:port).</source>
        <translation>请输入网络打印机的地址（主机或主机:端口）。</translation>
    </message>
    <message>
        <source>You must select a USB port or a network printer</source>
        <translation>必须选择一个 USB 端口或网络打印机</translation>
    </message>
    <message>
        <source>Serial server</source>
        <translation>串口服务器</translation>
    </message>
    <message>
        <source>host:port</source>
        <translation>主机:端口</translation>
    </message>
    <message>
        <source>Serial server address</source>
        <translation>串口服务器地址</translation>
    </message>
    <message>
        <source>A serial port on a network serial server (RFC 2217), as host:port; the speed and handshake below are set on it</source>
        <translation>网络串口服务器上的串口（RFC 2217），格式为 主机:端口；下方的波特率和握手方式即设置到该串口</translation>
    </message>
    <message>
        <source>Enter the serial server&apos;s address (host:port).</source>
        <translation>请输入串口服务器的地址（主机:端口）。</translation>
    </message>
    <message>
        <source>Not a serial server&apos;s address: &quot;%1&quot;. Enter it as host:port, an IPv6 host in brackets ([::1]:2001).</source>
        <translation>不是串口服务器地址：“%1”。请按 主机:端口 的格式输入，IPv6 主机需放在方括号中（[::1]:2001）。</translation>
    </message>
    <message>
        <source>Detection stopped.</source>
        <translation>检测已停止。</translation>
    </message>
</context>
<context>
    <name>tessaro::app::QtFileDialogs</name>
    <message>
        <source>PCF Config Files (*.pcf)</source>
        <translation>PCF 配置文件 (*.pcf)</translation>
    </message>
    <message>
        <source>Open File ...</source>
        <translation>打开文件...</translation>
    </message>
    <message>
        <source>Save Configuration as ...</source>
        <translation>配置另存为...</translation>
    </message>
</context>
<context>
    <name>tessaro::app::SplashScreen</name>
    <message>
        <source>Rev: %1</source>
        <translation>修订版：%1</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationDriver</name>
    <message>
        <source>stored %1, failed %2</source>
        <translation>已存储 %1，失败 %2</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>正在启动</translation>
    </message>
    <message>
        <source>Waiting for a printer</source>
        <translation>等待打印机</translation>
    </message>
    <message>
        <source>Detecting the printer</source>
        <translation>正在检测打印机</translation>
    </message>
    <message>
        <source>Waiting for the printer to leave</source>
        <translation>等待打印机移走</translation>
    </message>
    <message>
        <source>Waiting for the next printer</source>
        <translation>等待下一台打印机</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>Last unit: %1</source>
        <translation>上一台：%1</translation>
    </message>
    <message>
        <source>Detecting the printer: %1</source>
        <translation>正在检测打印机：%1</translation>
    </message>
    <message>
        <source>Sending: %1</source>
        <translation>正在发送：%1</translation>
    </message>
    <message>
        <source>Cannot serve the port: %1</source>
        <translation>无法使用该端口：%1</translation>
    </message>
    <message>
        <source>Stored: %1 (%2)</source>
        <translation>已存储：%1（%2）</translation>
    </message>
    <message>
        <source>Failed (%1): %2</source>
        <translation>失败（%1）：%2</translation>
    </message>
    <message>
        <source>All ports: %1</source>
        <translation>所有端口：%1</translation>
    </message>
    <message>
        <source>stored %1, failed %2, mean %3</source>
        <translation>已存储 %1，失败 %2，平均 %3</translation>
    </message>
    <message>
        <source>The station is running already</source>
        <translation>工位已在运行</translation>
    </message>
    <message>
        <source>Stored: %1 (%2), not recorded in the audit log</source>
        <translation>已存储：%1（%2），未记入审计日志</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationSetup</name>
    <message>
        <source>&amp;Repeat: configure each new printer as it arrives</source>
        <translation>重复(&amp;R)：逐台配置新接入的打印机</translation>
    </message>
    <message>
        <source>Profile to store</source>
        <translation>要存储的配置文件</translation>
    </message>
    <message>
        <source>The current &amp;workspace</source>
        <translation>当前工作区(&amp;W)</translation>
    </message>
    <message>
        <source>A profile &amp;file:</source>
        <translation>配置文件(&amp;F)：</translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation>配置文件</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Browse for a profile file</source>
        <translation>浏览配置文件</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>No COM, USB or LPT port is there.</source>
        <translation>没有可用的 COM、USB 或 LPT 端口。</translation>
    </message>
    <message>
        <source>&amp;Network printers (host or host:port):</source>
        <translation>网络打印机（主机或主机:端口）(&amp;N)：</translation>
    </message>
    <message>
        <source>Network printers</source>
        <translation>网络打印机</translation>
    </message>
    <message>
        <source>Network printer to add</source>
        <translation>要添加的网络打印机</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>移除(&amp;E)</translation>
    </message>
    <message>
        <source>Audit &amp;log:</source>
        <translation>审计日志(&amp;L)：</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>浏览(&amp;O)...</translation>
    </message>
    <message>
        <source>Browse for the audit log</source>
        <translation>浏览审计日志</translation>
    </message>
    <message>
        <source>(the file cannot be read)</source>
        <translation>（无法读取该文件）</translation>
    </message>
    <message>
        <source>(no file chosen)</source>
        <translation>（未选择文件）</translation>
    </message>
    <message>
        <source>Name: %1
SHA-256: %2</source>
        <translation>名称：%1
SHA-256：%2</translation>
    </message>
    <message>
        <source>A network printer as host or host:port, or a serial printer on a network serial server as rfc2217://host:port</source>
        <translation>网络打印机：主机 或 主机:端口；网络串口服务器上的串口打印机：rfc2217://主机:端口</translation>
    </message>
    <message>
        <source>Lab&amp;el:</source>
        <translation>标签(&amp;B)：</translation>
    </message>
    <message>
        <source>an order, a batch, an operator</source>
        <translation>订单、批次或操作员</translation>
    </message>
    <message>
        <source>Written in every record of the audit log</source>
        <translation>写入审计日志的每条记录</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationTile</name>
    <message>
        <source>Not started</source>
        <translation>未开始</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>打印机：%1</translation>
    </message>
    <message>
        <source>Run again</source>
        <translation>重新运行</translation>
    </message>
    <message>
        <source>Run %1 again</source>
        <translation>重新运行 %1</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationWindow</name>
    <message>
        <source>Production station</source>
        <translation>生产工位</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Messages:</source>
        <translation>消息(&amp;M)：</translation>
    </message>
    <message>
        <source>S&amp;top now</source>
        <translation>立即停止(&amp;T)</translation>
    </message>
    <message>
        <source>Stopping: the units under way finish (Stop now stops them too).</source>
        <translation>正在停止：正在处理的打印机将完成（“立即停止”会让它们也停止）。</translation>
    </message>
    <message>
        <source>Audit log</source>
        <translation>审计日志</translation>
    </message>
    <message>
        <source>Audit logs (*.jsonl);;All files (*)</source>
        <translation>审计日志 (*.jsonl);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Units are under way. Stop the station once they have ended, then close this window?</source>
        <translation>有打印机正在处理。是否在它们完成后停止工位，然后关闭此窗口？</translation>
    </message>
    <message>
        <source>No profile file is chosen</source>
        <translation>未选择配置文件</translation>
    </message>
    <message>
        <source>The station cannot start.<byte value="xd"/>
%1</source>
        <translation>工位无法启动。<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>No audit log is chosen</source>
        <translation>未选择审计日志</translation>
    </message>
    <message>
        <source>The main window is searching every port for a printer: start the station once the search has ended.</source>
        <translation>主窗口正在所有端口上搜索打印机：请在搜索结束后启动工位。</translation>
    </message>
    <message>
        <source>The main window is using %1: start the station once its operation has ended.</source>
        <translation>主窗口正在使用 %1：请在其操作结束后启动工位。</translation>
    </message>
    <message>
        <source>The profile changes no setting: every printer would only get the factory settings&apos; mark length and the saving sequence.<byte value="xd"/>
<byte value="xd"/>
Start anyway?</source>
        <translation>该配置文件未更改任何设置：每台打印机只会收到出厂设置的标记长度和保存序列。

仍要启动吗？</translation>
    </message>
    <message>
        <source>S&amp;ound on a failure</source>
        <translation>失败时发出声音(&amp;F)</translation>
    </message>
    <message>
        <source>Reset &amp;counts</source>
        <translation>重置计数(&amp;R)</translation>
    </message>
</context>
<context>
    <name>tessaro::app::frmAbout</name>
    <message>
        <source>About Tessaro </source>
        <translation>关于 Tessaro </translation>
    </message>
    <message>
        <source>Tessaro v: %1</source>
        <translation>Tessaro 版本：%1</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>网站：</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>技术支持：</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>单击关闭</translation>
    </message>
</context>
</TS>
