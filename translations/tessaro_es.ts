<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Catalogue</name>
    <message>
        <source>USA</source>
        <translation>EE. UU.</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Francia</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Alemania</translation>
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
        <translation>Suecia</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italia</translation>
    </message>
    <message>
        <source>Spain 1</source>
        <translation>España 1</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japón</translation>
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
        <translation>España 2</translation>
    </message>
    <message>
        <source>Latine America </source>
        <translation>Latinoamérica </translation>
    </message>
    <message>
        <source>8x16 font</source>
        <translation>Fuente 8x16</translation>
    </message>
    <message>
        <source>12x20 font</source>
        <translation>Fuente 12x20</translation>
    </message>
    <message>
        <source>7x16 font</source>
        <translation>Fuente 7x16</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
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
        <translation>No impreso</translation>
    </message>
    <message>
        <source>Above Barcode</source>
        <translation>Encima del código</translation>
    </message>
    <message>
        <source>Under Barcode</source>
        <translation>Debajo del código</translation>
    </message>
    <message>
        <source>Above and Under Barcode</source>
        <translation>Encima y debajo del código</translation>
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
        <translation>IR desactivado</translation>
    </message>
    <message>
        <source>IR Enable</source>
        <translation>IR activado</translation>
    </message>
    <message>
        <source>Dynamic Division</source>
        <translation>División dinámica</translation>
    </message>
    <message>
        <source>Sets default number of black bytes activated per heat</source>
        <translation>Establece el número predeterminado de bytes negros activados en cada calentamiento</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>Sets default printout darkness</source>
        <translation>Establece la oscuridad predeterminada de la impresión</translation>
    </message>
    <message>
        <source>Acceleration Smooting</source>
        <translation>Suavizado de aceleración</translation>
    </message>
    <message>
        <source>Sets default maximum acceleration ratio between two steps</source>
        <translation>Establece la relación máxima predeterminada de aceleración entre dos pasos</translation>
    </message>
    <message>
        <source>Max Printing Speed</source>
        <translation>Velocidad máx. de impresión</translation>
    </message>
    <message>
        <source>Sets the default max printing/paperfeed speed</source>
        <translation>Establece la velocidad máxima predeterminada de impresión/avance del papel</translation>
    </message>
    <message>
        <source>Autosleep Time</source>
        <translation>Tiempo de reposo automático</translation>
    </message>
    <message>
        <source>Sets the default time the printer enters in sleepmode</source>
        <translation>Establece el tiempo predeterminado tras el que la impresora pasa al modo de reposo</translation>
    </message>
    <message>
        <source>Serial Communication Settings</source>
        <translation>Comunicación serie</translation>
    </message>
    <message>
        <source>Sets the default serial/IR communication speed and handshake</source>
        <translation>Establece la velocidad y el control de flujo predeterminados de la comunicación serie/IR</translation>
    </message>
    <message>
        <source>Busy Hold Time</source>
        <translation>Tiempo de retención de BUSY</translation>
    </message>
    <message>
        <source>Sets the default minimum active time for Busy</source>
        <translation>Establece el tiempo mínimo predeterminado que BUSY permanece activa</translation>
    </message>
    <message>
        <source>Paper Loading Pause</source>
        <translation>Pausa de carga de papel</translation>
    </message>
    <message>
        <source>Sets the default pause time before paper is loaded</source>
        <translation>Establece la pausa predeterminada antes de cargar el papel</translation>
    </message>
    <message>
        <source>Paper Loading Length</source>
        <translation>Longitud de carga de papel</translation>
    </message>
    <message>
        <source>Sets the default length for paper loading</source>
        <translation>Establece la longitud predeterminada de carga del papel</translation>
    </message>
    <message>
        <source>Paper Loading Speed</source>
        <translation>Velocidad de carga de papel</translation>
    </message>
    <message>
        <source>Sets the default paper loading speed</source>
        <translation>Establece la velocidad predeterminada de carga del papel</translation>
    </message>
    <message>
        <source>International Character Set:</source>
        <translation>Juego de caracteres internacional:</translation>
    </message>
    <message>
        <source>Sets the default international characters set used</source>
        <translation>Establece el juego de caracteres internacional predeterminado</translation>
    </message>
    <message>
        <source>Default Internal Font:</source>
        <translation>Fuente interna predeterminada:</translation>
    </message>
    <message>
        <source>Sets the default internal font used </source>
        <translation>Establece la fuente interna predeterminada </translation>
    </message>
    <message>
        <source>Text orientation:</source>
        <translation>Orientación del texto:</translation>
    </message>
    <message>
        <source>Sets the default text rotation</source>
        <translation>Establece el giro predeterminado del texto</translation>
    </message>
    <message>
        <source>Text Justification:</source>
        <translation>Alineación del texto:</translation>
    </message>
    <message>
        <source>Sets the default text justification</source>
        <translation>Establece la alineación predeterminada del texto</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Modo de impresión</translation>
    </message>
    <message>
        <source>Sets the default text features (height, width and underligned) </source>
        <translation>Establece las características predeterminadas del texto (altura, anchura y subrayado) </translation>
    </message>
    <message>
        <source>Max Number of Characters / Line</source>
        <translation>Máx. caracteres por línea</translation>
    </message>
    <message>
        <source>Sets the default maximum number of characters on a line </source>
        <translation>Establece el número máximo predeterminado de caracteres en una línea </translation>
    </message>
    <message>
        <source>Character Spacing</source>
        <translation>Espaciado entre caracteres</translation>
    </message>
    <message>
        <source>Sets the space between 2 characters on a line </source>
        <translation>Establece el espacio entre 2 caracteres de una línea </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Interlineado</translation>
    </message>
    <message>
        <source>Sets the number of blank lines between two characters lines </source>
        <translation>Establece el espacio en blanco entre dos líneas de caracteres </translation>
    </message>
    <message>
        <source>Pre-Line Spacing</source>
        <translation>Espaciado previo a la línea</translation>
    </message>
    <message>
        <source>Sets the preline spacing distance useful in inverse video mode</source>
        <translation>Establece el espaciado previo a la línea, útil en modo de vídeo inverso</translation>
    </message>
    <message>
        <source>Barcode Height</source>
        <translation>Altura del código de barras</translation>
    </message>
    <message>
        <source>Sets the default height of the barcode</source>
        <translation>Establece la altura predeterminada del código de barras</translation>
    </message>
    <message>
        <source>Barcode Magnification</source>
        <translation>Ampliación del código de barras</translation>
    </message>
    <message>
        <source>Sets the default magnification of the barcode</source>
        <translation>Establece la ampliación predeterminada del código de barras</translation>
    </message>
    <message>
        <source>Barcode Text Position:</source>
        <translation>Posición del texto del código:</translation>
    </message>
    <message>
        <source>Sets the default text position on the barcode</source>
        <translation>Establece la posición predeterminada del texto del código de barras</translation>
    </message>
    <message>
        <source>Barcode Orientation:</source>
        <translation>Orientación del código de barras:</translation>
    </message>
    <message>
        <source>Sets the default barcode orientation (vertical or horizontal)</source>
        <translation>Establece la orientación predeterminada del código de barras (vertical u horizontal)</translation>
    </message>
    <message>
        <source>Mark To Cut Position</source>
        <translation>Distancia marca-corte</translation>
    </message>
    <message>
        <source>Sets the distance between black mark and cutter</source>
        <translation>Establece la distancia entre la marca negra y el cortador</translation>
    </message>
    <message>
        <source>Head To Cut Length</source>
        <translation>Distancia cabezal-corte</translation>
    </message>
    <message>
        <source>Sets the distance between Head line and cutter </source>
        <translation>Establece la distancia entre la línea del cabezal y el cortador </translation>
    </message>
    <message>
        <source>Opto To Head Length</source>
        <translation>Distancia sensor óptico-cabezal</translation>
    </message>
    <message>
        <source>Sets the distance between head line and opto sensor (remain unchanged if not sure)</source>
        <translation>Establece la distancia entre la línea del cabezal y el sensor óptico (no la modifique si no está seguro)</translation>
    </message>
    <message>
        <source>Top Of Form Position</source>
        <translation>Posición de inicio de formulario</translation>
    </message>
    <message>
        <source>Sets the default Top Of Form position</source>
        <translation>Establece la posición predeterminada de inicio de formulario</translation>
    </message>
    <message>
        <source>Mark Length</source>
        <translation>Longitud de la marca</translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Bytes</source>
        <translation>División dinámica:%1 bytes negros</translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Byte</source>
        <translation>División dinámica:%1 byte negro</translation>
    </message>
    <message>
        <source>Continuous paper Feed Mode</source>
        <translation>Modo de papel continuo</translation>
    </message>
    <message>
        <source>Intensity :%1%</source>
        <translation>Intensidad:%1 %</translation>
    </message>
    <message>
        <source>Acceleration smoothing :   %1%</source>
        <translation>Suavizado de aceleración:%1 %</translation>
    </message>
    <message>
        <source>Max Printing Speed :%1 mm/s</source>
        <translation>Velocidad máx. de impresión:%1 mm/s</translation>
    </message>
    <message>
        <source>Autosleep Time :%1 s</source>
        <translation>Tiempo de reposo automático:%1 s</translation>
    </message>
    <message>
        <source>Busy Hold Time :%1µs</source>
        <translation>Tiempo de retención de BUSY:%1 µs</translation>
    </message>
    <message>
        <source>Paper Loading Pause :%1 sec</source>
        <translation>Pausa de carga de papel:%1 s</translation>
    </message>
    <message>
        <source>Paper Loading Length :%1 mm</source>
        <translation>Longitud de carga de papel:%1 mm</translation>
    </message>
    <message>
        <source>Paper Loading Speed :%1 mm/s</source>
        <translation>Velocidad de carga de papel:%1 mm/s</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation>Cuádruple</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Max Characters/Line :%1</source>
        <translation>Máx. caracteres por línea:%1</translation>
    </message>
    <message>
        <source>Character Spacing :%1 mm</source>
        <translation>Espaciado entre caracteres:%1 mm</translation>
    </message>
    <message>
        <source>Line Spacing :%1 mm</source>
        <translation>Interlineado:%1 mm</translation>
    </message>
    <message>
        <source>Pre-Line Spacing :%1 mm</source>
        <translation>Espaciado previo a la línea:%1 mm</translation>
    </message>
    <message>
        <source>Barcode Height :%1mm</source>
        <translation>Altura del código de barras:%1 mm</translation>
    </message>
    <message>
        <source>Barcode Magnification :%1mm</source>
        <translation>Ampliación del código de barras:%1 mm</translation>
    </message>
    <message>
        <source>Mark To Cut Position :%1 mm</source>
        <translation>Distancia marca-corte:%1 mm</translation>
    </message>
    <message>
        <source>Head To Cut Length :%1 mm</source>
        <translation>Distancia cabezal-corte:%1 mm</translation>
    </message>
    <message>
        <source>Opto To Head Length :%1 mm</source>
        <translation>Distancia sensor óptico-cabezal:%1 mm</translation>
    </message>
    <message>
        <source>Top Of Form Position :%1 mm</source>
        <translation>Posición de inicio de formulario:%1 mm</translation>
    </message>
    <message>
        <source>MarkLength :%1 mm</source>
        <translation>Longitud de la marca:%1 mm</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Anchura</translation>
    </message>
    <message>
        <source>Underligned</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>MarkLength: Continuous paper feed mode</source>
        <translation>Longitud de la marca: modo de papel continuo</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Setting autosleep (ESC A n)</source>
        <translation>Ajustando el reposo automático (ESC A n)</translation>
    </message>
    <message>
        <source>   ESC A n : Set the autosleep time</source>
        <translation>   ESC A n : Ajustar el tiempo de reposo automático</translation>
    </message>
    <message>
        <source>Setting max speed (GS s n1 n2)</source>
        <translation>Ajustando la velocidad máxima (GS s n1 n2)</translation>
    </message>
    <message>
        <source>   GS s n1 n2 : Set maximum print out speed</source>
        <translation>   GS s n1 n2 : Ajustar la velocidad máxima de impresión</translation>
    </message>
    <message>
        <source>Setting paper loading length (GS P n1 n2)</source>
        <translation>Ajustando la longitud de carga de papel (GS P n1 n2)</translation>
    </message>
    <message>
        <source>   GS P n1 n2 : Set paper loading length</source>
        <translation>   GS P n1 n2 : Ajustar la longitud de carga de papel</translation>
    </message>
    <message>
        <source>Setting paper loading speed (GS M n1 n2)</source>
        <translation>Ajustando la velocidad de carga de papel (GS M n1 n2)</translation>
    </message>
    <message>
        <source>   GS M n1 n2 : Set paper loading speed</source>
        <translation>   GS M n1 n2 : Ajustar la velocidad de carga de papel</translation>
    </message>
    <message>
        <source>Setting paper loading pause (GS p n)</source>
        <translation>Ajustando la pausa de carga de papel (GS p n)</translation>
    </message>
    <message>
        <source>   GS p n : Set paper loading pause</source>
        <translation>   GS p n : Ajustar la pausa de carga de papel</translation>
    </message>
    <message>
        <source>Setting TOF position (GS T n1 n2)</source>
        <translation>Ajustando la posición de inicio de formulario (GS T n1 n2)</translation>
    </message>
    <message>
        <source>   GS T n1 n2 : Set TOF position</source>
        <translation>   GS T n1 n2 : Ajustar la posición de inicio de formulario</translation>
    </message>
    <message>
        <source>Setting mark to cut position (GS X n1 n2)</source>
        <translation>Ajustando la distancia marca-corte (GS X n1 n2)</translation>
    </message>
    <message>
        <source>   GS X n1 n2 : Set mark to cut position</source>
        <translation>   GS X n1 n2 : Ajustar la distancia marca-corte</translation>
    </message>
    <message>
        <source>Setting Cut line to head dot line length (GS x n1 n2)</source>
        <translation>Ajustando la distancia entre la línea de corte y la línea de puntos del cabezal (GS x n1 n2)</translation>
    </message>
    <message>
        <source>   GS x n1 n2 : Set cut line to head length</source>
        <translation>   GS x n1 n2 : Ajustar la distancia cabezal-corte</translation>
    </message>
    <message>
        <source>Setting opto to head dot line length (GS Y n1 n2)</source>
        <translation>Ajustando la distancia entre el sensor óptico y la línea de puntos del cabezal (GS Y n1 n2)</translation>
    </message>
    <message>
        <source>   GS Y n1 n2 : Set opto to head length</source>
        <translation>   GS Y n1 n2 : Ajustar la distancia sensor óptico-cabezal</translation>
    </message>
    <message>
        <source>Setting mark length (GS L n1)</source>
        <translation>Ajustando la longitud de la marca (GS L n1)</translation>
    </message>
    <message>
        <source>   GS L n : Set mark length</source>
        <translation>   GS L n : Ajustar la longitud de la marca</translation>
    </message>
    <message>
        <source>Setting Acceleration (GS a n)</source>
        <translation>Ajustando la aceleración (GS a n)</translation>
    </message>
    <message>
        <source>   GS a n : Set acceleration smoothing</source>
        <translation>   GS a n : Ajustar el suavizado de aceleración</translation>
    </message>
    <message>
        <source>Setting line pre-spacing (ESC 2 n)</source>
        <translation>Ajustando el espaciado previo a la línea (ESC 2 n)</translation>
    </message>
    <message>
        <source>   ESC 2 n : Set line pre-spacing</source>
        <translation>   ESC 2 n : Ajustar el espaciado previo a la línea</translation>
    </message>
    <message>
        <source>Setting line spacing (ESC 3 n)</source>
        <translation>Ajustando el interlineado (ESC 3 n)</translation>
    </message>
    <message>
        <source>   ESC 3 n : Set line spacing</source>
        <translation>   ESC 3 n : Ajustar el interlineado</translation>
    </message>
    <message>
        <source>Setting character spacing (ESC SP n)</source>
        <translation>Ajustando el espaciado entre caracteres (ESC SP n)</translation>
    </message>
    <message>
        <source>   ESC SP n : Set character spacing</source>
        <translation>   ESC SP n : Ajustar el espaciado entre caracteres</translation>
    </message>
    <message>
        <source>Setting maximun number of columns (ESC c n)</source>
        <translation>Ajustando el número máximo de columnas (ESC c n)</translation>
    </message>
    <message>
        <source>   ESC c n : Set max number of columns</source>
        <translation>   ESC c n : Ajustar el número máximo de columnas</translation>
    </message>
    <message>
        <source>Setting dynamic division (GS / n)</source>
        <translation>Ajustando la división dinámica (GS / n)</translation>
    </message>
    <message>
        <source>   GS / n : Set print speed / max current</source>
        <translation>   GS / n : Ajustar velocidad de impresión / corriente máx.</translation>
    </message>
    <message>
        <source>Setting print intensity (GA D n)</source>
        <translation>Ajustando la intensidad de impresión (GS D n)</translation>
    </message>
    <message>
        <source>   GS D n : Set print intensity</source>
        <translation>   GS D n : Ajustar la intensidad de impresión</translation>
    </message>
    <message>
        <source>Setting busy hold time (GS b n)</source>
        <translation>Ajustando el tiempo de retención de BUSY (GS b n)</translation>
    </message>
    <message>
        <source>   GS b n : Set parallel port busy hold time</source>
        <translation>   GS b n : Ajustar el tiempo de retención de BUSY del puerto paralelo</translation>
    </message>
    <message>
        <source>Setting Barcode height (GS h n)</source>
        <translation>Ajustando la altura del código de barras (GS h n)</translation>
    </message>
    <message>
        <source>   GS h n : Barcode height</source>
        <translation>   GS h n : Altura del código de barras</translation>
    </message>
    <message>
        <source>Setting barcode magnification (GS w n)</source>
        <translation>Ajustando la ampliación del código de barras (GS w n)</translation>
    </message>
    <message>
        <source>   GS w n : Barcode magnification</source>
        <translation>   GS w n : Ampliación del código de barras</translation>
    </message>
    <message>
        <source>Setting text position in barcode (GS H n)</source>
        <translation>Ajustando la posición del texto del código de barras (GS H n)</translation>
    </message>
    <message>
        <source>   GS H n : Text position in barcode</source>
        <translation>   GS H n : Posición del texto del código de barras</translation>
    </message>
    <message>
        <source>Setting barcode orientation (GS R n)</source>
        <translation>Ajustando la orientación del código de barras (GS R n)</translation>
    </message>
    <message>
        <source>   GS R n : Set/reset rotated barcode</source>
        <translation>   GS R n : Activar/desactivar código de barras girado</translation>
    </message>
    <message>
        <source>Setting internationnal charset (ESC R n)</source>
        <translation>Ajustando el juego de caracteres internacional (ESC R n)</translation>
    </message>
    <message>
        <source>   ESC R n : Select international char set</source>
        <translation>   ESC R n : Seleccionar el juego de caracteres internacional</translation>
    </message>
    <message>
        <source>Setting internal font (ESC % n)</source>
        <translation>Ajustando la fuente interna (ESC % n)</translation>
    </message>
    <message>
        <source>   ESC % n : Select internal font</source>
        <translation>   ESC % n : Seleccionar la fuente interna</translation>
    </message>
    <message>
        <source>Setting text justification (ESC C n)</source>
        <translation>Ajustando la alineación del texto (ESC C n)</translation>
    </message>
    <message>
        <source>   ESC C n : Set text justification</source>
        <translation>   ESC C n : Ajustar la alineación del texto</translation>
    </message>
    <message>
        <source>Setting rotated characters (ESC { n)</source>
        <translation>Ajustando los caracteres girados (ESC { n)</translation>
    </message>
    <message>
        <source>   ESC { n : Set/reset rotated characters</source>
        <translation>   ESC { n : Activar/desactivar caracteres girados</translation>
    </message>
    <message>
        <source>Setting print mode (ESC ! n)</source>
        <translation>Ajustando el modo de impresión (ESC ! n)</translation>
    </message>
    <message>
        <source>   ESC ! n : Set print mode</source>
        <translation>   ESC ! n : Ajustar el modo de impresión</translation>
    </message>
    <message>
        <source>Setting serial com (GS B n)</source>
        <translation>Ajustando la comunicación serie (GS B n)</translation>
    </message>
    <message>
        <source>   GS B n : Serial communication settings</source>
        <translation>   GS B n : Configuración de la comunicación serie</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No printer found</source>
        <translation>No se encontró ninguna impresora</translation>
    </message>
    <message>
        <source>No printer found on %1</source>
        <translation>No se encontró ninguna impresora en %1</translation>
    </message>
    <message>
        <source>No printer found on %1 at %2 bauds</source>
        <translation>No se encontró ninguna impresora en %1 a %2 baudios</translation>
    </message>
    <message>
        <source>No printer found on %1 at any speed</source>
        <translation>No se encontró ninguna impresora en %1 a ninguna velocidad</translation>
    </message>
    <message>
        <source>%1 found on %2</source>
        <translation>%1 detectada en %2</translation>
    </message>
    <message>
        <source>%1 found on %2 at %3 bauds</source>
        <translation>%1 detectada en %2 a %3 baudios</translation>
    </message>
    <message>
        <source>Power: 5V</source>
        <translation>Alimentación: 5 V</translation>
    </message>
    <message>
        <source>Power: 24V</source>
        <translation>Alimentación: 24 V</translation>
    </message>
    <message>
        <source>No Printer found</source>
        <translation>No se encontró ninguna impresora</translation>
    </message>
    <message>
        <source>NO Printer on %1 :</source>
        <translation>NINGUNA impresora en %1 :</translation>
    </message>
    <message>
        <source>%1 ,  %2 BAUDS </source>
        <translation>%1 ,  %2 baudios </translation>
    </message>
    <message>
        <source>This port does not exist<byte value="xd"/>%1</source>
        <translation>Este puerto no existe
%1</translation>
    </message>
    <message>
        <source>You must select a serial port</source>
        <translation>Debe seleccionar un puerto serie</translation>
    </message>
    <message>
        <source>You must select a parallel port</source>
        <translation>Debe seleccionar un puerto paralelo</translation>
    </message>
    <message>
        <source>Trying to wake-up the printer</source>
        <translation>Intentando activar la impresora</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1</source>
        <translation>Intentando contactar con la impresora en %1</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1.</source>
        <translation>Intentando contactar con la impresora en %1.</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1 at %2 bauds.</source>
        <translation>Intentando contactar con la impresora en %1 a %2 baudios.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>The automatic search leaves this port out.</source>
        <translation>%1
La búsqueda automática omite este puerto.</translation>
    </message>
    <message>
        <source>Need a Printer Connected<byte value="xd"/>Detect Printer Please</source>
        <translation>Se necesita una impresora conectada
Detecte la impresora</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Nothing was sent.</source>
        <translation>%1
No se ha enviado nada.</translation>
    </message>
    <message>
        <source>Saving parameters</source>
        <translation>Guardando los parámetros</translation>
    </message>
    <message>
        <source>Parameters saved...   </source>
        <translation>Parámetros guardados...   </translation>
    </message>
    <message>
        <source>Saving sequence failed</source>
        <translation>Ha fallado la secuencia de guardado</translation>
    </message>
    <message>
        <source>Saving Sequence Successful !</source>
        <translation>¡Secuencia de guardado correcta!</translation>
    </message>
    <message>
        <source> Saving Sequence Failed<byte value="xd"/> Please verify that your software revision allow parameters modificaiton</source>
        <translation> Ha fallado la secuencia de guardado
 Compruebe que la revisión del firmware permite modificar los parámetros</translation>
    </message>
    <message>
        <source>Saving Sequence Failed<byte value="xd"/>Please verify that your software revision<byte value="xd"/>allow parameters modificaiton</source>
        <translation>Ha fallado la secuencia de guardado
Compruebe que la revisión del firmware
permite modificar los parámetros</translation>
    </message>
    <message>
        <source>Please reboot your printer by powering it down, then up.<byte value="xd"/>
Then, perform a printer detection again...</source>
        <translation>Reinicie la impresora apagándola y volviéndola a encender.
Después, vuelva a detectar la impresora...</translation>
    </message>
    <message>
        <source>This will set the modified parameters as printer default.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>Los parámetros modificados se guardarán como valores predeterminados de la impresora.

¿Desea continuar?</translation>
    </message>
    <message>
        <source>This will load the factory settings into the workspace<byte value="xd"/>
and transfer them to the printer.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>Se cargarán los valores de fábrica en el área de trabajo
y se transferirán a la impresora.

¿Desea continuar?</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 28800 bauds<byte value="xd"/>
if the printer chipset is powered on 5V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>No es posible configurar la velocidad a 28800 baudios
si la electrónica de la impresora se alimenta a 5 V.

Velocidades disponibles: 
          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.

El parámetro de velocidad no se modificará.</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 38400 or 115200 bauds<byte value="xd"/>
if the printer chipset is powered on 3.3V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 28800, 57600.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>No es posible configurar la velocidad a 38400 o 115200 baudios
si la electrónica de la impresora se alimenta a 3,3 V.

Velocidades disponibles: 
          1200, 2400, 4800, 9600, 19200, 28800, 57600.

El parámetro de velocidad no se modificará.</translation>
    </message>
    <message>
        <source>%1 : BYTE Mode Error<byte value="xd"/>Please check you LPT setup </source>
        <translation>%1: error del modo BYTE
Compruebe la configuración del puerto LPT </translation>
    </message>
    <message>
        <source>The LPT ports will be unusable !<byte value="xd"/>Please check your LPT port configuration !</source>
        <translation>¡Los puertos LPT no se podrán usar!
¡Compruebe la configuración de los puertos LPT!</translation>
    </message>
    <message>
        <source>LPT Communication Port Error !</source>
        <translation>¡Error del puerto de comunicación LPT!</translation>
    </message>
    <message>
        <source>Parallel Object Error</source>
        <translation>Error del puerto paralelo</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>no existe el puerto</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>no existe el dispositivo</translation>
    </message>
    <message>
        <source>%1: no %2 has this number</source>
        <translation>%1: no hay ningún dispositivo del tipo «%2» con este número</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>puerto serie</translation>
    </message>
    <message>
        <source>USB printer</source>
        <translation>impresora USB</translation>
    </message>
    <message>
        <source>parallel port</source>
        <translation>puerto paralelo</translation>
    </message>
    <message>
        <source>network printer</source>
        <translation>impresora de red</translation>
    </message>
    <message>
        <source>serial server</source>
        <translation>servidor serie</translation>
    </message>
    <message>
        <source>speed refused</source>
        <translation>velocidad rechazada</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>no es un puerto serie</translation>
    </message>
    <message>
        <source>the device was disconnected</source>
        <translation>el dispositivo se ha desconectado</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>en uso por otro programa</translation>
    </message>
    <message>
        <source>in use by %1 (process %2)</source>
        <translation>en uso por %1 (proceso %2)</translation>
    </message>
    <message>
        <source>in use by process %1</source>
        <translation>en uso por el proceso %1</translation>
    </message>
    <message>
        <source>in use by another program (%1 is held)</source>
        <translation>en uso por otro programa (%1 está bloqueado)</translation>
    </message>
    <message>
        <source>the port is in use by another driver or program</source>
        <translation>el puerto está en uso por otro controlador o programa</translation>
    </message>
    <message>
        <source>%1 (ModemManager, which probes new modems, may hold it: `sudo fuser -v %2` names the holder)</source>
        <translation>%1 (ModemManager, que sondea los módems nuevos, puede estar ocupándolo: `sudo fuser -v %2` indica quién lo ocupa)</translation>
    </message>
    <message>
        <source>%1 (if it was not unplugged, ModemManager or brltty may have taken it: `dmesg` shows which)</source>
        <translation>%1 (si no se desconectó, puede que ModemManager o brltty lo hayan tomado: `dmesg` muestra cuál)</translation>
    </message>
    <message>
        <source>permission denied; join the dialout group (sudo adduser $USER dialout, then log in again)</source>
        <translation>permiso denegado; únase al grupo dialout (sudo adduser $USER dialout y luego vuelva a iniciar sesión)</translation>
    </message>
    <message>
        <source>permission denied; join the lp group (sudo adduser $USER lp, then log in again)</source>
        <translation>permiso denegado; únase al grupo lp (sudo adduser $USER lp y luego vuelva a iniciar sesión)</translation>
    </message>
    <message>
        <source>permission denied: %1 is yours%2</source>
        <translation>permiso denegado: %1 le pertenece%2</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are in it%3</source>
        <translation>permiso denegado: %1 pertenece al grupo %2, del que usted es miembro%3</translation>
    </message>
    <message>
        <source>permission denied: %1%2</source>
        <translation>permiso denegado: %1%2</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2%3</source>
        <translation>permiso denegado: %1 pertenece al grupo %2%3</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, which you joined after this session started: log in again (or run newgrp %2)</source>
        <translation>permiso denegado: %1 pertenece al grupo %2, al que usted se unió después de iniciar esta sesión: vuelva a iniciar sesión (o ejecute newgrp %2)</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are not in it</source>
        <translation>permiso denegado: %1 pertenece al grupo %2, del que usted no es miembro</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are not in it; join it (sudo adduser $USER %2), then log in again</source>
        <translation>permiso denegado: %1 pertenece al grupo %2, del que usted no es miembro; únase a él (sudo adduser $USER %2) y luego vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>; its mode (%1) lets %2 read and write, so something else refuses it (an access control list, a security policy or a sandbox)</source>
        <translation>; su modo (%1) permite leer y escribir a %2, así que otra cosa impide el acceso (una lista de control de acceso, una directiva de seguridad o un entorno aislado)</translation>
    </message>
    <message>
        <source>, but the device allows %1 no %2 (mode %3)</source>
        <translation>, pero el dispositivo no concede a %1 permiso de %2 (modo %3)</translation>
    </message>
    <message>
        <source>its owner</source>
        <translation>su propietario</translation>
    </message>
    <message>
        <source>its group</source>
        <translation>su grupo</translation>
    </message>
    <message>
        <source>everyone</source>
        <translation>todos</translation>
    </message>
    <message>
        <source>read and write</source>
        <translation>lectura y escritura</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lectura</translation>
    </message>
    <message>
        <source>write</source>
        <translation>escritura</translation>
    </message>
    <message>
        <source>the name now leads to another device (%1%2) than the printer was found on; detect the printer again</source>
        <translation>el nombre lleva ahora a otro dispositivo (%1%2) distinto de aquel en el que se encontró la impresora; vuelva a detectar la impresora</translation>
    </message>
    <message>
        <source>, not %1</source>
        <translation>, no %1</translation>
    </message>
    <message>
        <source>another device</source>
        <translation>otro dispositivo</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sin respuesta en %1 s</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>sin dirección</translation>
    </message>
    <message>
        <source>the name lookup failed</source>
        <translation>falló la resolución del nombre</translation>
    </message>
    <message>
        <source>not a network address (HOST or HOST:PORT)</source>
        <translation>no es una dirección de red (HOST o HOST:PORT)</translation>
    </message>
    <message>
        <source>not a serial server address (HOST:PORT)</source>
        <translation>no es una dirección de servidor serie (HOST:PORT)</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>la impresora cerró la conexión</translation>
    </message>
    <message>
        <source>the printer went away (%1)</source>
        <translation>la impresora dejó de estar disponible (%1)</translation>
    </message>
    <message>
        <source>the printer stopped taking data</source>
        <translation>la impresora ha dejado de aceptar datos</translation>
    </message>
    <message>
        <source>the server does not set serial lines (no RFC 2217)</source>
        <translation>el servidor no configura líneas serie (sin RFC 2217)</translation>
    </message>
    <message>
        <source>the serial server closed the connection</source>
        <translation>el servidor serie cerró la conexión</translation>
    </message>
    <message>
        <source>the printer sent more than 64 KiB before the server had set the line</source>
        <translation>la impresora envió más de 64 KiB antes de que el servidor configurara la línea</translation>
    </message>
    <message>
        <source>the server set the line to %1, not %2</source>
        <translation>el servidor configuró la línea con «%1», no con «%2»</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>sin paridad</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>paridad impar</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>paridad par</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>paridad mark</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>paridad space</translation>
    </message>
    <message>
        <source>parity %1</source>
        <translation>paridad %1</translation>
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
        <translation>1,5 bits de parada</translation>
    </message>
    <message>
        <source>stop size %1</source>
        <translation>valor de bits de parada %1</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>sin control de flujo</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <translation>control de flujo XON/XOFF</translation>
    </message>
    <message>
        <source>hardware flow control</source>
        <translation>control de flujo por hardware</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 bits de datos</translation>
    </message>
    <message>
        <source>%1 bit/s</source>
        <translation>%1 bits/s</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>sin error</translation>
    </message>
    <message>
        <source>not implemented by this port</source>
        <translation>no implementado por este puerto</translation>
    </message>
    <message>
        <source>a capability the program needs is not available on this port</source>
        <translation>una función que el programa necesita no está disponible en este puerto</translation>
    </message>
    <message>
        <source>the port did not answer in time</source>
        <translation>el puerto no respondió a tiempo</translation>
    </message>
    <message>
        <source>the printer rejected the request</source>
        <translation>la impresora rechazó la solicitud</translation>
    </message>
    <message>
        <source>negotiation with the printer failed</source>
        <translation>falló la negociación con la impresora</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>the port could not be initialised</source>
        <translation>no se pudo inicializar el puerto</translation>
    </message>
    <message>
        <source>system error</source>
        <translation>error del sistema</translation>
    </message>
    <message>
        <source>the printer gave no device ID</source>
        <translation>la impresora no proporcionó ningún ID de dispositivo</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>el puerto no está abierto</translation>
    </message>
    <message>
        <source>libieee1284 error %1</source>
        <translation>error %1 de libieee1284</translation>
    </message>
    <message>
        <source>no parallel port support: %1</source>
        <translation>no hay soporte para puertos paralelos: %1</translation>
    </message>
    <message>
        <source>the parallel port library does not list it</source>
        <translation>la biblioteca de puertos paralelos no lo incluye</translation>
    </message>
    <message>
        <source>no parallel port at this address</source>
        <translation>no hay ningún puerto paralelo en esta dirección</translation>
    </message>
    <message>
        <source>no parallel port at this number</source>
        <translation>no hay ningún puerto paralelo con este número</translation>
    </message>
    <message>
        <source>%1: cannot claim the port: %2</source>
        <translation>%1: no se puede reservar el puerto: %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrumpido</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>file is larger than %1 bytes</source>
        <translation>el archivo ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>file is larger than 1 byte</source>
        <translation>el archivo ocupa más de 1 byte</translation>
    </message>
    <message>
        <source>file is larger than %1 KiB</source>
        <translation>el archivo ocupa más de %1 KiB</translation>
    </message>
    <message>
        <source>file is larger than %1 MiB</source>
        <translation>el archivo ocupa más de %1 MiB</translation>
    </message>
    <message>
        <source>a symbolic link to a file of another user; not followed</source>
        <translation>un enlace simbólico a un archivo de otro usuario; no se sigue</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist; not followed</source>
        <translation>un enlace simbólico a un archivo que no existe; no se sigue</translation>
    </message>
    <message>
        <source>%1 is read only !</source>
        <translation>¡%1 es de solo lectura!</translation>
    </message>
    <message>
        <source>Some keys of %1 were skipped: their values are not valid.</source>
        <translation>Se omitieron algunas claves de %1: sus valores no son válidos.</translation>
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
        <translation>modo de impresión (%1 a %2): un grupo de opciones no tiene ninguna opción seleccionada</translation>
    </message>
    <message>
        <source>The unit was stopped before its end</source>
        <translation>La unidad se detuvo antes de terminar</translation>
    </message>
    <message>
        <source>The unit failed: %1</source>
        <translation>La unidad falló: %1</translation>
    </message>
    <message>
        <source>The station stopped serving this port: %1</source>
        <translation>La estación dejó de atender este puerto: %1</translation>
    </message>
    <message>
        <source>The printer on %1 reports a fault: %2</source>
        <translation>La impresora en %1 informa de un fallo: %2</translation>
    </message>
    <message>
        <source>No reply to the status request on %1</source>
        <translation>No hubo respuesta a la solicitud de estado en %1</translation>
    </message>
    <message>
        <source>No reply to the status request on %1 at any speed</source>
        <translation>No hubo respuesta a la solicitud de estado en %1 a ninguna velocidad</translation>
    </message>
    <message>
        <source>Cannot open the audit log %1: %2</source>
        <translation>No se puede abrir el registro de auditoría %1: %2</translation>
    </message>
    <message>
        <source>Cannot write the audit log %1</source>
        <translation>No se puede escribir el registro de auditoría %1</translation>
    </message>
    <message>
        <source>No port is chosen</source>
        <translation>No se ha elegido ningún puerto</translation>
    </message>
    <message>
        <source>The port %1 is given twice</source>
        <translation>El puerto %1 se indica dos veces</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>Cannot send %1: not a profile: it has none of the sections of a .pcf file</source>
        <translation>No se puede enviar %1: no es un perfil, no tiene ninguna de las secciones de un archivo .pcf</translation>
    </message>
    <message>
        <source>°C Head Problem</source>
        <translation>Problema de cabezal °C</translation>
    </message>
    <message>
        <source>Head Up</source>
        <translation>Cabezal levantado</translation>
    </message>
    <message>
        <source>No Paper</source>
        <translation>Sin papel</translation>
    </message>
    <message>
        <source>Vbat Problem</source>
        <translation>Problema de Vbat</translation>
    </message>
    <message>
        <source>Mark Error</source>
        <translation>Error de marca</translation>
    </message>
    <message>
        <source>Cutter failure</source>
        <translation>Fallo de la cuchilla</translation>
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
        <translation>No es posible configurar la velocidad a %1 baudios
mientras la impresora no haya indicado si su chipset se alimenta a 5 V o a 3,3 V.

Velocidades disponibles: 
          1200, 2400, 4800, 9600, 19200, 57600.

El parámetro de velocidad no se modificará.</translation>
    </message>
    <message>
        <source>the name now leads to another address (%1, not %2) than the printer was found at; detect the printer again</source>
        <translation>el nombre lleva ahora a otra dirección (%1, no %2) que aquella en la que se encontró la impresora; vuelva a detectar la impresora</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>ok</source>
        <translation>correcto</translation>
    </message>
    <message>
        <source>no_answer</source>
        <translation>ninguna impresora responde</translation>
    </message>
    <message>
        <source>not_stored</source>
        <translation>no guardado</translation>
    </message>
    <message>
        <source>declined</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>bad_usage</source>
        <translation>uso incorrecto</translation>
    </message>
    <message>
        <source>file_error</source>
        <translation>error de archivo</translation>
    </message>
    <message>
        <source>output_error</source>
        <translation>error de salida</translation>
    </message>
    <message>
        <source>port_absent</source>
        <translation>puerto ausente</translation>
    </message>
    <message>
        <source>port_in_use</source>
        <translation>puerto en uso</translation>
    </message>
    <message>
        <source>permission_denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>port_lost</source>
        <translation>puerto perdido</translation>
    </message>
    <message>
        <source>port_unusable</source>
        <translation>puerto inutilizable</translation>
    </message>
    <message>
        <source>printer_fault</source>
        <translation>fallo de la impresora</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Permission denied</source>
        <translation>Permiso denegado</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operación no permitida</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No existe el fichero o el directorio</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>No existe el dispositivo</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>No existe el dispositivo o la dirección</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Error de entrada/salida</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Dispositivo o recurso ocupado</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Conexión rehusada</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Expiró el tiempo de conexión</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>No existe ninguna ruta hasta el host</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>La red es inaccesible</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Conexión reinicializada por la máquina remota</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Tubería rota</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichero demasiado grande</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No queda espacio en el dispositivo</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Sistema de ficheros de sólo lectura</translation>
    </message>
    <message>
        <source>Inappropriate ioctl for device</source>
        <translation>Función ioctl no apropiada para el dispositivo</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argumento inválido</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Es un directorio</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>No es un directorio</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados ficheros abiertos</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Recurso no disponible temporalmente</translation>
    </message>
    <message>
        <source>Protocol error</source>
        <translation>Error de protocolo</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nombre de fichero demasiado largo</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Se ha excedido la cuota de disco</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>Nombre o servicio desconocido</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>Fallo temporal en la resolución del nombre</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>Fallo irrecuperable en la resolución del nombre</translation>
    </message>
    <message>
        <source>No address associated with hostname</source>
        <translation>No existe ninguna dirección asociada al nombre</translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Setup and hardware control</source>
        <translation>Configuración y control del hardware</translation>
    </message>
    <message>
        <source>Text and general commands</source>
        <translation>Texto y comandos generales</translation>
    </message>
    <message>
        <source>Text and General commands</source>
        <translation>Texto y comandos generales</translation>
    </message>
    <message>
        <source>Barcode commands</source>
        <translation>Comandos de código de barras</translation>
    </message>
    <message>
        <source>Hole/Black mark detection commands</source>
        <translation>Comandos de detección de orificio/marca negra</translation>
    </message>
    <message>
        <source>Hole and black mark detection commands</source>
        <translation>Comandos de detección de orificio y marca negra</translation>
    </message>
</context>
<context>
    <name>tessaro::app::ClientArea</name>
    <message>
        <source>List of modified parameters:</source>
        <translation>Lista de parámetros modificados:</translation>
    </message>
    <message>
        <source>Set modified parameters as printer default</source>
        <translation>Guardar los parámetros modificados en la impresora</translation>
    </message>
    <message>
        <source>Recover Factory Settings</source>
        <translation>Restaurar valores de fábrica</translation>
    </message>
</context>
<context>
    <name>tessaro::app::ControlFactory</name>
    <message>
        <source>Serial speed</source>
        <translation>Velocidad serie</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Control de flujo</translation>
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
        <translation>No se pudo cargar la configuración.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists; it is removed from the recent profiles.</source>
        <translation>%1 ya no existe; se quita de los perfiles recientes.</translation>
    </message>
    <message>
        <source>The configuration could not be saved.<byte value="xd"/>
%1</source>
        <translation>No se pudo guardar la configuración.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Do you want to save changes before closing?</source>
        <translation>¿Desea guardar los cambios antes de cerrar?</translation>
    </message>
    <message>
        <source>NO Port is openned. Please open a port.</source>
        <translation>No hay ningún puerto abierto. Abra un puerto.</translation>
    </message>
    <message>
        <source>The production station has units under way. Stop it once they have ended, then close Tessaro?</source>
        <translation>La estación de producción tiene unidades en curso. ¿Detenerla cuando terminen y después cerrar Tessaro?</translation>
    </message>
</context>
<context>
    <name>tessaro::app::Helpfrm</name>
    <message>
        <source>Tessaro Help</source>
        <translation>Ayuda de Tessaro</translation>
    </message>
</context>
<context>
    <name>tessaro::app::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Load Config From File to Workspace</source>
        <translation>&amp;Cargar configuración desde archivo al área de trabajo</translation>
    </message>
    <message>
        <source>Recent &amp;profiles</source>
        <translation>&amp;Perfiles recientes</translation>
    </message>
    <message>
        <source>&amp;Save Workspace Config to File</source>
        <translation>&amp;Guardar configuración del área de trabajo en archivo</translation>
    </message>
    <message>
        <source>&amp;Reload Factory Settings to Workspace</source>
        <translation>&amp;Recargar valores de fábrica en el área de trabajo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Detect the printer</source>
        <translation>&amp;Detectar la impresora</translation>
    </message>
    <message>
        <source>&amp;Configure the Printer</source>
        <translation>&amp;Configurar la impresora</translation>
    </message>
    <message>
        <source>&amp;Recover Factory Settings</source>
        <translation>&amp;Restaurar valores de fábrica</translation>
    </message>
    <message>
        <source>&amp;Send Mofified Parameters to Printer</source>
        <translation>&amp;Enviar parámetros modificados a la impresora</translation>
    </message>
    <message>
        <source>&amp;Production station...</source>
        <translation>Estación de &amp;producción…</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
</context>
<context>
    <name>tessaro::app::PortSelection</name>
    <message>
        <source>Communication Port Selection</source>
        <translation>Selección del puerto de comunicación</translation>
    </message>
    <message>
        <source>Autodetect Printer</source>
        <translation>Detección automática</translation>
    </message>
    <message>
        <source>Current printer</source>
        <translation>Impresora actual</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Avance de la búsqueda</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>End the detection or the automatic search now</source>
        <translation>Terminar ahora la detección o la búsqueda automática</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Velocidad (baudios):</translation>
    </message>
    <message>
        <source>Handshake:</source>
        <translation>Control de flujo:</translation>
    </message>
    <message>
        <source>Detect Printer</source>
        <translation>Detectar impresora</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Puerto paralelo</translation>
    </message>
    <message>
        <source>USB and network</source>
        <translation>USB y red</translation>
    </message>
    <message>
        <source>Network printer</source>
        <translation>Impresora de red</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>host o host:puerto</translation>
    </message>
    <message>
        <source>Network printer address</source>
        <translation>Dirección de la impresora de red</translation>
    </message>
    <message>
        <source>A printer on raw TCP; port 9100 unless the address names another</source>
        <translation>Una impresora en TCP directo (raw); puerto 9100 salvo que la dirección indique otro</translation>
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
        <translation>Aún no se ha encontrado ninguna impresora; inicie la detección.</translation>
    </message>
    <message>
        <source>The production station is using ports: the automatic search would reach its printers.</source>
        <translation>La estación de producción está usando puertos: la búsqueda automática llegaría a sus impresoras.</translation>
    </message>
    <message>
        <source>Enter the network printer&apos;s address (host or host:port).</source>
        <translation>Introduzca la dirección de la impresora de red (host o host:puerto).</translation>
    </message>
    <message>
        <source>You must select a USB port or a network printer</source>
        <translation>Debe seleccionar un puerto USB o una impresora de red</translation>
    </message>
    <message>
        <source>Serial server</source>
        <translation>Servidor serie</translation>
    </message>
    <message>
        <source>host:port</source>
        <translation>host:puerto</translation>
    </message>
    <message>
        <source>Serial server address</source>
        <translation>Dirección del servidor serie</translation>
    </message>
    <message>
        <source>A serial port on a network serial server (RFC 2217), as host:port; the speed and handshake below are set on it</source>
        <translation>Un puerto serie en un servidor serie de red (RFC 2217), como host:puerto; la velocidad y el control de flujo de abajo se aplican a él</translation>
    </message>
    <message>
        <source>Enter the serial server&apos;s address (host:port).</source>
        <translation>Introduzca la dirección del servidor serie (host:puerto).</translation>
    </message>
    <message>
        <source>Not a serial server&apos;s address: &quot;%1&quot;. Enter it as host:port, an IPv6 host in brackets ([::1]:2001).</source>
        <translation>No es la dirección de un servidor serie: «%1». Introdúzcala como host:puerto, con un host IPv6 entre corchetes ([::1]:2001).</translation>
    </message>
    <message>
        <source>Detection stopped.</source>
        <translation>Detección detenida.</translation>
    </message>
</context>
<context>
    <name>tessaro::app::QtFileDialogs</name>
    <message>
        <source>PCF Config Files (*.pcf)</source>
        <translation>Archivos de configuración PCF (*.pcf)</translation>
    </message>
    <message>
        <source>Open File ...</source>
        <translation>Abrir archivo…</translation>
    </message>
    <message>
        <source>Save Configuration as ...</source>
        <translation>Guardar configuración como…</translation>
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
        <translation>guardadas %1, fallidas %2</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Iniciando</translation>
    </message>
    <message>
        <source>Waiting for a printer</source>
        <translation>Esperando una impresora</translation>
    </message>
    <message>
        <source>Detecting the printer</source>
        <translation>Detectando la impresora</translation>
    </message>
    <message>
        <source>Waiting for the printer to leave</source>
        <translation>Esperando a que se retire la impresora</translation>
    </message>
    <message>
        <source>Waiting for the next printer</source>
        <translation>Esperando la siguiente impresora</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Last unit: %1</source>
        <translation>Última unidad: %1</translation>
    </message>
    <message>
        <source>Detecting the printer: %1</source>
        <translation>Detectando la impresora: %1</translation>
    </message>
    <message>
        <source>Sending: %1</source>
        <translation>Enviando: %1</translation>
    </message>
    <message>
        <source>Cannot serve the port: %1</source>
        <translation>No se puede atender el puerto: %1</translation>
    </message>
    <message>
        <source>Stored: %1 (%2)</source>
        <translation>Guardado: %1 (%2)</translation>
    </message>
    <message>
        <source>Failed (%1): %2</source>
        <translation>Fallido (%1): %2</translation>
    </message>
    <message>
        <source>All ports: %1</source>
        <translation>Todos los puertos: %1</translation>
    </message>
    <message>
        <source>stored %1, failed %2, mean %3</source>
        <translation>guardadas %1, fallidas %2, media %3</translation>
    </message>
    <message>
        <source>The station is running already</source>
        <translation>La estación ya está en marcha</translation>
    </message>
    <message>
        <source>Stored: %1 (%2), not recorded in the audit log</source>
        <translation>Guardado: %1 (%2), no anotado en el registro de auditoría</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationSetup</name>
    <message>
        <source>&amp;Repeat: configure each new printer as it arrives</source>
        <translation>&amp;Repetir: configurar cada nueva impresora en cuanto llegue</translation>
    </message>
    <message>
        <source>Profile to store</source>
        <translation>Perfil que se guardará</translation>
    </message>
    <message>
        <source>The current &amp;workspace</source>
        <translation>El área de &amp;trabajo actual</translation>
    </message>
    <message>
        <source>A profile &amp;file:</source>
        <translation>Un archivo de &amp;perfil:</translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation>Archivo de perfil</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Examinar…</translation>
    </message>
    <message>
        <source>Browse for a profile file</source>
        <translation>Buscar un archivo de perfil</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Puertos</translation>
    </message>
    <message>
        <source>No COM, USB or LPT port is there.</source>
        <translation>No hay ningún puerto COM, USB ni LPT.</translation>
    </message>
    <message>
        <source>&amp;Network printers (host or host:port):</source>
        <translation>Impresoras de red (&amp;host o host:puerto):</translation>
    </message>
    <message>
        <source>Network printers</source>
        <translation>Impresoras de red</translation>
    </message>
    <message>
        <source>Network printer to add</source>
        <translation>Impresora de red que se añadirá</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Audit &amp;log:</source>
        <translation>Registro de a&amp;uditoría:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>E&amp;xaminar…</translation>
    </message>
    <message>
        <source>Browse for the audit log</source>
        <translation>Buscar el registro de auditoría</translation>
    </message>
    <message>
        <source>(the file cannot be read)</source>
        <translation>(no se puede leer el archivo)</translation>
    </message>
    <message>
        <source>(no file chosen)</source>
        <translation>(ningún archivo elegido)</translation>
    </message>
    <message>
        <source>Name: %1
SHA-256: %2</source>
        <translation>Nombre: %1
SHA-256: %2</translation>
    </message>
    <message>
        <source>A network printer as host or host:port, or a serial printer on a network serial server as rfc2217://host:port</source>
        <translation>Una impresora de red como host o host:puerto, o una impresora serie en un servidor serie de red como rfc2217://host:puerto</translation>
    </message>
    <message>
        <source>Lab&amp;el:</source>
        <translation>Eti&amp;queta:</translation>
    </message>
    <message>
        <source>an order, a batch, an operator</source>
        <translation>un pedido, un lote, un operario</translation>
    </message>
    <message>
        <source>Written in every record of the audit log</source>
        <translation>Se escribe en cada registro del registro de auditoría</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationTile</name>
    <message>
        <source>Not started</source>
        <translation>Sin iniciar</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Impresora: %1</translation>
    </message>
    <message>
        <source>Run again</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Run %1 again</source>
        <translation>Repetir %1</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationWindow</name>
    <message>
        <source>Production station</source>
        <translation>Estación de producción</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Messages:</source>
        <translation>&amp;Mensajes:</translation>
    </message>
    <message>
        <source>S&amp;top now</source>
        <translation>&amp;Detener ya</translation>
    </message>
    <message>
        <source>Stopping: the units under way finish (Stop now stops them too).</source>
        <translation>Deteniendo: las unidades en curso terminan («Detener ya» también las detiene).</translation>
    </message>
    <message>
        <source>Audit log</source>
        <translation>Registro de auditoría</translation>
    </message>
    <message>
        <source>Audit logs (*.jsonl);;All files (*)</source>
        <translation>Registros de auditoría (*.jsonl);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Units are under way. Stop the station once they have ended, then close this window?</source>
        <translation>Hay unidades en curso. ¿Detener la estación cuando hayan terminado y después cerrar esta ventana?</translation>
    </message>
    <message>
        <source>No profile file is chosen</source>
        <translation>No se ha elegido ningún archivo de perfil</translation>
    </message>
    <message>
        <source>The station cannot start.<byte value="xd"/>
%1</source>
        <translation>La estación no puede iniciarse.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>No audit log is chosen</source>
        <translation>No se ha elegido ningún registro de auditoría</translation>
    </message>
    <message>
        <source>The main window is searching every port for a printer: start the station once the search has ended.</source>
        <translation>La ventana principal está buscando una impresora en todos los puertos: inicie la estación cuando la búsqueda haya terminado.</translation>
    </message>
    <message>
        <source>The main window is using %1: start the station once its operation has ended.</source>
        <translation>La ventana principal está usando %1: inicie la estación cuando su operación haya terminado.</translation>
    </message>
    <message>
        <source>The profile changes no setting: every printer would only get the factory settings&apos; mark length and the saving sequence.<byte value="xd"/>
<byte value="xd"/>
Start anyway?</source>
        <translation>El perfil no cambia ningún ajuste: cada impresora solo recibiría la longitud de marca de los ajustes de fábrica y la secuencia de guardado.

¿Iniciar de todos modos?</translation>
    </message>
    <message>
        <source>S&amp;ound on a failure</source>
        <translation>Sonido al &amp;fallar</translation>
    </message>
    <message>
        <source>Reset &amp;counts</source>
        <translation>Poner a cero los &amp;contadores</translation>
    </message>
</context>
<context>
    <name>tessaro::app::frmAbout</name>
    <message>
        <source>About Tessaro </source>
        <translation>Acerca de Tessaro </translation>
    </message>
    <message>
        <source>Tessaro v: %1</source>
        <translation>Tessaro versión: %1</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Haga clic para cerrar</translation>
    </message>
</context>
</TS>
