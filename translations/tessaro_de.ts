<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Catalogue</name>
    <message>
        <source>USA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>France</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Germany</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denmark 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spain 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Denmark 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spain 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latine America </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8x16 font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12x20 font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7x16 font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>180° Rotated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above Barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Under Barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Above and Under Barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xon-Xoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSR/DTR Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Division</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets default number of black bytes activated per heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets default printout darkness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration Smooting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets default maximum acceleration ratio between two steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Printing Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default max printing/paperfeed speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosleep Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default time the printer enters in sleepmode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Communication Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default serial/IR communication speed and handshake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy Hold Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default minimum active time for Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Loading Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default pause time before paper is loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Loading Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default length for paper loading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Loading Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default paper loading speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>International Character Set:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default international characters set used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Internal Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default internal font used </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text orientation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default text rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Justification:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default text justification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default text features (height, width and underligned) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Number of Characters / Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default maximum number of characters on a line </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the space between 2 characters on a line </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the number of blank lines between two characters lines </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre-Line Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the preline spacing distance useful in inverse video mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default height of the barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode Magnification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default magnification of the barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode Text Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default text position on the barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode Orientation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default barcode orientation (vertical or horizontal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark To Cut Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the distance between black mark and cutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head To Cut Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the distance between Head line and cutter </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opto To Head Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the distance between head line and opto sensor (remain unchanged if not sure)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Of Form Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the default Top Of Form position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous paper Feed Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensity :%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acceleration smoothing :   %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Printing Speed :%1 mm/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autosleep Time :%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy Hold Time :%1µs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Loading Pause :%1 sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Loading Length :%1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Loading Speed :%1 mm/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Characters/Line :%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Spacing :%1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Spacing :%1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre-Line Spacing :%1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode Height :%1mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode Magnification :%1mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark To Cut Position :%1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head To Cut Length :%1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opto To Head Length :%1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Of Form Position :%1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MarkLength :%1 mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Underligned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MarkLength: Continuous paper feed mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Setting autosleep (ESC A n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ESC A n : Set the autosleep time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting max speed (GS s n1 n2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS s n1 n2 : Set maximum print out speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting paper loading length (GS P n1 n2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS P n1 n2 : Set paper loading length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting paper loading speed (GS M n1 n2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS M n1 n2 : Set paper loading speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting paper loading pause (GS p n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS p n : Set paper loading pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting TOF position (GS T n1 n2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS T n1 n2 : Set TOF position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting mark to cut position (GS X n1 n2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS X n1 n2 : Set mark to cut position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting Cut line to head dot line length (GS x n1 n2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS x n1 n2 : Set cut line to head length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting opto to head dot line length (GS Y n1 n2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS Y n1 n2 : Set opto to head length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting mark length (GS L n1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS L n : Set mark length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting Acceleration (GS a n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS a n : Set acceleration smoothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting line pre-spacing (ESC 2 n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ESC 2 n : Set line pre-spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting line spacing (ESC 3 n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ESC 3 n : Set line spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting character spacing (ESC SP n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ESC SP n : Set character spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting maximun number of columns (ESC c n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ESC c n : Set max number of columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting dynamic division (GS / n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS / n : Set print speed / max current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting print intensity (GA D n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS D n : Set print intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting busy hold time (GS b n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS b n : Set parallel port busy hold time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting Barcode height (GS h n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS h n : Barcode height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting barcode magnification (GS w n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS w n : Barcode magnification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting text position in barcode (GS H n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS H n : Text position in barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting barcode orientation (GS R n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS R n : Set/reset rotated barcode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting internationnal charset (ESC R n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ESC R n : Select international char set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting internal font (ESC % n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ESC % n : Select internal font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting text justification (ESC C n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ESC C n : Set text justification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting rotated characters (ESC { n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ESC { n : Set/reset rotated characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting print mode (ESC ! n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   ESC ! n : Set print mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting serial com (GS B n)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   GS B n : Serial communication settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoreTexts</name>
    <message>
        <source>%1 found on %2 at %3 bauds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 found on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer found on %1 at %2 bauds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer found on %1 at any speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer found on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Printer found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO Printer on %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power: 5V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power: 24V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This port does not exist
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a parallel port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to wake-up the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1 at %2 bauds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
The automatic search leaves this port out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Need a Printer Connected
Detect Printer Please</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameters saved...   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving sequence failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Sequence Successful !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Saving Sequence Failed
 Please verify that your software revision allow parameters modificaiton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Sequence Failed
Please verify that your software revision
allow parameters modificaiton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please reboot your printer by powering it down, then up.
Then, perform a printer detection again...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will set the modified parameters as printer default.

Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will load the factory settings into the workspace
and transfer them to the printer.

Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 28800 bauds
if the printer chipset is powered on 5V.

Available baudrates are: 
          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.

The baudrate parameter will not be modified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 38400 or 115200 bauds
if the printer chipset is powered on 3.3V.

Available baudrates are: 
          1200, 2400, 4800, 9600, 19200, 28800, 57600.

The baudrate parameter will not be modified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 : BYTE Mode Error
Please check you LPT setup </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The LPT ports will be unusable !
Please check your LPT port configuration !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LPT Communication Port Error !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: in use by %2 (process %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no such port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the printer stopped taking data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Setup and hardware control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text and general commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text and General commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barcode commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole/Black mark detection commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole and black mark detection commands</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::ClientArea</name>
    <message>
        <source>List of modified parameters:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set modified parameters as printer default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover Factory Settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::ControlFactory</name>
    <message>
        <source>Serial speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IR mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::Form1</name>
    <message>
        <source>The configuration could not be loaded.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 no longer exists; it is removed from the recent profiles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The configuration could not be saved.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::Helpfrm</name>
    <message>
        <source>Tessaro Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Config From File to Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recent &amp;profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Workspace Config to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reload Factory Settings to Workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Detect the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Configure the Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Recover Factory Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Send Mofified Parameters to Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Production station...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::PortSelection</name>
    <message>
        <source>Communication Port Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autodetect Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the detection or the automatic search now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handshake:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detect Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB and network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network printer address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A printer on raw TCP; port 9100 unless the address names another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>port and its device</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Xon-Xoff</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DSR/DTR Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer found yet, please start detection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The production station is using ports: the automatic search would reach its printers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the network printer&apos;s address (host or host:port).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select a USB port or a network printer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::QtFileDialogs</name>
    <message>
        <source>PCF Config Files (*.pcf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Configuration as ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::SplashScreen</name>
    <message>
        <source>Rev: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationDriver</name>
    <message>
        <source>stored %1, failed %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for a printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the printer to leave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the next printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last unit: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Detecting the printer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot serve the port: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed (%1): %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All ports: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored %1, failed %2, mean %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station is running already</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored: %1 (%2), not recorded in the audit log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationSetup</name>
    <message>
        <source>&amp;Repeat: configure each new printer as it arrives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile to store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current &amp;workspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A profile &amp;file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for a profile file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No COM, USB or LPT port is there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Network printers (host or host:port):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network printers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network printer to add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit &amp;log:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse for the audit log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(the file cannot be read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no file chosen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name: %1
SHA-256: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationTile</name>
    <message>
        <source>Not started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationWindow</name>
    <message>
        <source>Production station</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Messages:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping: the units under way finish (Stop now stops them too).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audit logs (*.jsonl);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units are under way. Stop the station once they have ended, then close this window?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No profile file is chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The station cannot start.<byte value="xd"/>
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audit log is chosen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessaro::app::frmAbout</name>
    <message>
        <source>About Tessaro </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessaro v: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
