<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Catalogue</name>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>France</source>
        <translation>Frankreich</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Deutschland</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <source>Denmark 1</source>
        <translation>Dänemark 1</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Schweden</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Spain 1</source>
        <translation>Spanien 1</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japan</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norwegen</translation>
    </message>
    <message>
        <source>Denmark 2</source>
        <translation>Dänemark 2</translation>
    </message>
    <message>
        <source>Spain 2</source>
        <translation>Spanien 2</translation>
    </message>
    <message>
        <source>Latine America </source>
        <translation>Lateinamerika </translation>
    </message>
    <message>
        <source>8x16 font</source>
        <translation>8x16-Schrift</translation>
    </message>
    <message>
        <source>12x20 font</source>
        <translation>12x20-Schrift</translation>
    </message>
    <message>
        <source>7x16 font</source>
        <translation>7x16-Schrift</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>180° Rotated</source>
        <translation>180° gedreht</translation>
    </message>
    <message>
        <source>Not Printed</source>
        <translation>Nicht gedruckt</translation>
    </message>
    <message>
        <source>Above Barcode</source>
        <translation>Über dem Barcode</translation>
    </message>
    <message>
        <source>Under Barcode</source>
        <translation>Unter dem Barcode</translation>
    </message>
    <message>
        <source>Above and Under Barcode</source>
        <translation>Über und unter dem Barcode</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Xon-Xoff</source>
        <translation>Xon-Xoff</translation>
    </message>
    <message>
        <source>DSR/DTR Mode</source>
        <translation>DSR/DTR-Modus</translation>
    </message>
    <message>
        <source>IR Disable</source>
        <translation>IR aus</translation>
    </message>
    <message>
        <source>IR Enable</source>
        <translation>IR ein</translation>
    </message>
    <message>
        <source>Dynamic Division</source>
        <translation>Dynamische Aufteilung</translation>
    </message>
    <message>
        <source>Sets default number of black bytes activated per heat</source>
        <translation>Legt die Standardanzahl der je Heizvorgang aktivierten Schwarz-Bytes fest</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>Sets default printout darkness</source>
        <translation>Legt die Standardschwärzung des Ausdrucks fest</translation>
    </message>
    <message>
        <source>Acceleration Smooting</source>
        <translation>Beschleunigungsglättung</translation>
    </message>
    <message>
        <source>Sets default maximum acceleration ratio between two steps</source>
        <translation>Legt das maximale Standard-Beschleunigungsverhältnis zwischen zwei Schritten fest</translation>
    </message>
    <message>
        <source>Max Printing Speed</source>
        <translation>Max. Druckgeschwindigkeit</translation>
    </message>
    <message>
        <source>Sets the default max printing/paperfeed speed</source>
        <translation>Legt die max. Standardgeschwindigkeit für Druck/Papiervorschub fest</translation>
    </message>
    <message>
        <source>Autosleep Time</source>
        <translation>Zeit bis Ruhemodus</translation>
    </message>
    <message>
        <source>Sets the default time the printer enters in sleepmode</source>
        <translation>Legt die Standardzeit fest, nach der der Drucker in den Ruhemodus wechselt</translation>
    </message>
    <message>
        <source>Serial Communication Settings</source>
        <translation>Serielle Kommunikation</translation>
    </message>
    <message>
        <source>Sets the default serial/IR communication speed and handshake</source>
        <translation>Legt die Standard-Baudrate und den Handshake für seriell/IR fest</translation>
    </message>
    <message>
        <source>Busy Hold Time</source>
        <translation>BUSY-Haltezeit</translation>
    </message>
    <message>
        <source>Sets the default minimum active time for Busy</source>
        <translation>Legt die Standard-Mindestdauer des BUSY-Signals fest</translation>
    </message>
    <message>
        <source>Paper Loading Pause</source>
        <translation>Einzugspause</translation>
    </message>
    <message>
        <source>Sets the default pause time before paper is loaded</source>
        <translation>Legt die Standardpause vor dem Papiereinzug fest</translation>
    </message>
    <message>
        <source>Paper Loading Length</source>
        <translation>Einzugslänge</translation>
    </message>
    <message>
        <source>Sets the default length for paper loading</source>
        <translation>Legt die Standardlänge für den Papiereinzug fest</translation>
    </message>
    <message>
        <source>Paper Loading Speed</source>
        <translation>Einzugsgeschwindigkeit</translation>
    </message>
    <message>
        <source>Sets the default paper loading speed</source>
        <translation>Legt die Standardgeschwindigkeit für den Papiereinzug fest</translation>
    </message>
    <message>
        <source>International Character Set:</source>
        <translation>Internationaler Zeichensatz:</translation>
    </message>
    <message>
        <source>Sets the default international characters set used</source>
        <translation>Legt den standardmäßig verwendeten internationalen Zeichensatz fest</translation>
    </message>
    <message>
        <source>Default Internal Font:</source>
        <translation>Interne Standardschrift:</translation>
    </message>
    <message>
        <source>Sets the default internal font used </source>
        <translation>Legt die standardmäßig verwendete interne Schrift fest </translation>
    </message>
    <message>
        <source>Text orientation:</source>
        <translation>Textdrehung:</translation>
    </message>
    <message>
        <source>Sets the default text rotation</source>
        <translation>Legt die Standard-Textdrehung fest</translation>
    </message>
    <message>
        <source>Text Justification:</source>
        <translation>Textausrichtung:</translation>
    </message>
    <message>
        <source>Sets the default text justification</source>
        <translation>Legt die Standard-Textausrichtung fest</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Druckmodus</translation>
    </message>
    <message>
        <source>Sets the default text features (height, width and underligned) </source>
        <translation>Legt die Standard-Textmerkmale fest (Höhe, Breite und Unterstreichung) </translation>
    </message>
    <message>
        <source>Max Number of Characters / Line</source>
        <translation>Max. Zeichen pro Zeile</translation>
    </message>
    <message>
        <source>Sets the default maximum number of characters on a line </source>
        <translation>Legt die max. Standardanzahl von Zeichen pro Zeile fest </translation>
    </message>
    <message>
        <source>Character Spacing</source>
        <translation>Zeichenabstand</translation>
    </message>
    <message>
        <source>Sets the space between 2 characters on a line </source>
        <translation>Legt den Abstand zwischen 2 Zeichen einer Zeile fest </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Zeilenabstand</translation>
    </message>
    <message>
        <source>Sets the number of blank lines between two characters lines </source>
        <translation>Legt den Leerraum zwischen zwei Zeichenzeilen fest </translation>
    </message>
    <message>
        <source>Pre-Line Spacing</source>
        <translation>Vorzeilenabstand</translation>
    </message>
    <message>
        <source>Sets the preline spacing distance useful in inverse video mode</source>
        <translation>Legt den Vorzeilenabstand fest, nützlich bei inverser Darstellung</translation>
    </message>
    <message>
        <source>Barcode Height</source>
        <translation>Barcodehöhe</translation>
    </message>
    <message>
        <source>Sets the default height of the barcode</source>
        <translation>Legt die Standardhöhe des Barcodes fest</translation>
    </message>
    <message>
        <source>Barcode Magnification</source>
        <translation>Barcode-Vergrößerung</translation>
    </message>
    <message>
        <source>Sets the default magnification of the barcode</source>
        <translation>Legt die Standardvergrößerung des Barcodes fest</translation>
    </message>
    <message>
        <source>Barcode Text Position:</source>
        <translation>Klarschrift-Position:</translation>
    </message>
    <message>
        <source>Sets the default text position on the barcode</source>
        <translation>Legt die Standardposition der Klarschrift am Barcode fest</translation>
    </message>
    <message>
        <source>Barcode Orientation:</source>
        <translation>Barcode-Ausrichtung:</translation>
    </message>
    <message>
        <source>Sets the default barcode orientation (vertical or horizontal)</source>
        <translation>Legt die Standard-Barcodeausrichtung fest (vertikal oder horizontal)</translation>
    </message>
    <message>
        <source>Mark To Cut Position</source>
        <translation>Abstand Marke–Schnitt</translation>
    </message>
    <message>
        <source>Sets the distance between black mark and cutter</source>
        <translation>Legt den Abstand zwischen Schwarzmarke und Schneidwerk fest</translation>
    </message>
    <message>
        <source>Head To Cut Length</source>
        <translation>Abstand Kopf–Schnitt</translation>
    </message>
    <message>
        <source>Sets the distance between Head line and cutter </source>
        <translation>Legt den Abstand zwischen Heizlinie und Schneidwerk fest </translation>
    </message>
    <message>
        <source>Opto To Head Length</source>
        <translation>Abstand Sensor–Kopf</translation>
    </message>
    <message>
        <source>Sets the distance between head line and opto sensor (remain unchanged if not sure)</source>
        <translation>Legt den Abstand zwischen Heizlinie und Optosensor fest (im Zweifel unverändert lassen)</translation>
    </message>
    <message>
        <source>Top Of Form Position</source>
        <translation>Formularanfang</translation>
    </message>
    <message>
        <source>Sets the default Top Of Form position</source>
        <translation>Legt die Standardposition des Formularanfangs fest</translation>
    </message>
    <message>
        <source>Mark Length</source>
        <translation>Markenlänge</translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Bytes</source>
        <translation>Dyn. Aufteilung:%1 Schwarz-Bytes</translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Byte</source>
        <translation>Dyn. Aufteilung:%1 Schwarz-Byte</translation>
    </message>
    <message>
        <source>Continuous paper Feed Mode</source>
        <translation>Endlospapiermodus</translation>
    </message>
    <message>
        <source>Intensity :%1%</source>
        <translation>Intensität:%1 %</translation>
    </message>
    <message>
        <source>Acceleration smoothing :   %1%</source>
        <translation>Beschleunigungsglättung:%1 %</translation>
    </message>
    <message>
        <source>Max Printing Speed :%1 mm/s</source>
        <translation>Max. Druckgeschwindigkeit:%1 mm/s</translation>
    </message>
    <message>
        <source>Autosleep Time :%1 s</source>
        <translation>Zeit bis Ruhemodus:%1 s</translation>
    </message>
    <message>
        <source>Busy Hold Time :%1µs</source>
        <translation>BUSY-Haltezeit:%1 µs</translation>
    </message>
    <message>
        <source>Paper Loading Pause :%1 sec</source>
        <translation>Einzugspause:%1 Sek.</translation>
    </message>
    <message>
        <source>Paper Loading Length :%1 mm</source>
        <translation>Einzugslänge:%1 mm</translation>
    </message>
    <message>
        <source>Paper Loading Speed :%1 mm/s</source>
        <translation>Einzugsgeschwindigkeit:%1 mm/s</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation>Vierfach</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Max Characters/Line :%1</source>
        <translation>Max. Zeichen/Zeile:%1</translation>
    </message>
    <message>
        <source>Character Spacing :%1 mm</source>
        <translation>Zeichenabstand:%1 mm</translation>
    </message>
    <message>
        <source>Line Spacing :%1 mm</source>
        <translation>Zeilenabstand:%1 mm</translation>
    </message>
    <message>
        <source>Pre-Line Spacing :%1 mm</source>
        <translation>Vorzeilenabstand:%1 mm</translation>
    </message>
    <message>
        <source>Barcode Height :%1mm</source>
        <translation>Barcodehöhe:%1 mm</translation>
    </message>
    <message>
        <source>Barcode Magnification :%1mm</source>
        <translation>Barcode-Vergrößerung:%1 mm</translation>
    </message>
    <message>
        <source>Mark To Cut Position :%1 mm</source>
        <translation>Abstand Marke–Schnitt:%1 mm</translation>
    </message>
    <message>
        <source>Head To Cut Length :%1 mm</source>
        <translation>Abstand Kopf–Schnitt:%1 mm</translation>
    </message>
    <message>
        <source>Opto To Head Length :%1 mm</source>
        <translation>Abstand Sensor–Kopf:%1 mm</translation>
    </message>
    <message>
        <source>Top Of Form Position :%1 mm</source>
        <translation>Formularanfang:%1 mm</translation>
    </message>
    <message>
        <source>MarkLength :%1 mm</source>
        <translation>Markenlänge:%1 mm</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Underligned</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>MarkLength: Continuous paper feed mode</source>
        <translation>Markenlänge: Endlospapiermodus</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Setting autosleep (ESC A n)</source>
        <translation>Zeit bis Ruhemodus wird eingestellt (ESC A n)</translation>
    </message>
    <message>
        <source>   ESC A n : Set the autosleep time</source>
        <translation>   ESC A n: Zeit bis Ruhemodus einstellen</translation>
    </message>
    <message>
        <source>Setting max speed (GS s n1 n2)</source>
        <translation>Max. Geschwindigkeit wird eingestellt (GS s n1 n2)</translation>
    </message>
    <message>
        <source>   GS s n1 n2 : Set maximum print out speed</source>
        <translation>   GS s n1 n2: Max. Druckgeschwindigkeit einstellen</translation>
    </message>
    <message>
        <source>Setting paper loading length (GS P n1 n2)</source>
        <translation>Einzugslänge wird eingestellt (GS P n1 n2)</translation>
    </message>
    <message>
        <source>   GS P n1 n2 : Set paper loading length</source>
        <translation>   GS P n1 n2: Einzugslänge einstellen</translation>
    </message>
    <message>
        <source>Setting paper loading speed (GS M n1 n2)</source>
        <translation>Einzugsgeschwindigkeit wird eingestellt (GS M n1 n2)</translation>
    </message>
    <message>
        <source>   GS M n1 n2 : Set paper loading speed</source>
        <translation>   GS M n1 n2: Einzugsgeschwindigkeit einstellen</translation>
    </message>
    <message>
        <source>Setting paper loading pause (GS p n)</source>
        <translation>Einzugspause wird eingestellt (GS p n)</translation>
    </message>
    <message>
        <source>   GS p n : Set paper loading pause</source>
        <translation>   GS p n: Einzugspause einstellen</translation>
    </message>
    <message>
        <source>Setting TOF position (GS T n1 n2)</source>
        <translation>Formularanfang wird eingestellt (GS T n1 n2)</translation>
    </message>
    <message>
        <source>   GS T n1 n2 : Set TOF position</source>
        <translation>   GS T n1 n2: Formularanfang einstellen</translation>
    </message>
    <message>
        <source>Setting mark to cut position (GS X n1 n2)</source>
        <translation>Abstand Marke–Schnitt wird eingestellt (GS X n1 n2)</translation>
    </message>
    <message>
        <source>   GS X n1 n2 : Set mark to cut position</source>
        <translation>   GS X n1 n2: Abstand Marke–Schnitt einstellen</translation>
    </message>
    <message>
        <source>Setting Cut line to head dot line length (GS x n1 n2)</source>
        <translation>Abstand Kopf–Schnitt wird eingestellt (GS x n1 n2)</translation>
    </message>
    <message>
        <source>   GS x n1 n2 : Set cut line to head length</source>
        <translation>   GS x n1 n2: Abstand Kopf–Schnitt einstellen</translation>
    </message>
    <message>
        <source>Setting opto to head dot line length (GS Y n1 n2)</source>
        <translation>Abstand Sensor–Kopf wird eingestellt (GS Y n1 n2)</translation>
    </message>
    <message>
        <source>   GS Y n1 n2 : Set opto to head length</source>
        <translation>   GS Y n1 n2: Abstand Sensor–Kopf einstellen</translation>
    </message>
    <message>
        <source>Setting mark length (GS L n1)</source>
        <translation>Markenlänge wird eingestellt (GS L n1)</translation>
    </message>
    <message>
        <source>   GS L n : Set mark length</source>
        <translation>   GS L n: Markenlänge einstellen</translation>
    </message>
    <message>
        <source>Setting Acceleration (GS a n)</source>
        <translation>Beschleunigung wird eingestellt (GS a n)</translation>
    </message>
    <message>
        <source>   GS a n : Set acceleration smoothing</source>
        <translation>   GS a n: Beschleunigungsglättung einstellen</translation>
    </message>
    <message>
        <source>Setting line pre-spacing (ESC 2 n)</source>
        <translation>Vorzeilenabstand wird eingestellt (ESC 2 n)</translation>
    </message>
    <message>
        <source>   ESC 2 n : Set line pre-spacing</source>
        <translation>   ESC 2 n: Vorzeilenabstand einstellen</translation>
    </message>
    <message>
        <source>Setting line spacing (ESC 3 n)</source>
        <translation>Zeilenabstand wird eingestellt (ESC 3 n)</translation>
    </message>
    <message>
        <source>   ESC 3 n : Set line spacing</source>
        <translation>   ESC 3 n: Zeilenabstand einstellen</translation>
    </message>
    <message>
        <source>Setting character spacing (ESC SP n)</source>
        <translation>Zeichenabstand wird eingestellt (ESC SP n)</translation>
    </message>
    <message>
        <source>   ESC SP n : Set character spacing</source>
        <translation>   ESC SP n: Zeichenabstand einstellen</translation>
    </message>
    <message>
        <source>Setting maximun number of columns (ESC c n)</source>
        <translation>Max. Spaltenzahl wird eingestellt (ESC c n)</translation>
    </message>
    <message>
        <source>   ESC c n : Set max number of columns</source>
        <translation>   ESC c n: Max. Spaltenzahl einstellen</translation>
    </message>
    <message>
        <source>Setting dynamic division (GS / n)</source>
        <translation>Dynamische Aufteilung wird eingestellt (GS / n)</translation>
    </message>
    <message>
        <source>   GS / n : Set print speed / max current</source>
        <translation>   GS / n: Druckgeschwindigkeit / max. Strom einstellen</translation>
    </message>
    <message>
        <source>Setting print intensity (GA D n)</source>
        <translation>Druckintensität wird eingestellt (GS D n)</translation>
    </message>
    <message>
        <source>   GS D n : Set print intensity</source>
        <translation>   GS D n: Druckintensität einstellen</translation>
    </message>
    <message>
        <source>Setting busy hold time (GS b n)</source>
        <translation>BUSY-Haltezeit wird eingestellt (GS b n)</translation>
    </message>
    <message>
        <source>   GS b n : Set parallel port busy hold time</source>
        <translation>   GS b n: BUSY-Haltezeit (parallel) einstellen</translation>
    </message>
    <message>
        <source>Setting Barcode height (GS h n)</source>
        <translation>Barcodehöhe wird eingestellt (GS h n)</translation>
    </message>
    <message>
        <source>   GS h n : Barcode height</source>
        <translation>   GS h n: Barcodehöhe</translation>
    </message>
    <message>
        <source>Setting barcode magnification (GS w n)</source>
        <translation>Barcode-Vergrößerung wird eingestellt (GS w n)</translation>
    </message>
    <message>
        <source>   GS w n : Barcode magnification</source>
        <translation>   GS w n: Barcode-Vergrößerung</translation>
    </message>
    <message>
        <source>Setting text position in barcode (GS H n)</source>
        <translation>Klarschrift-Position wird eingestellt (GS H n)</translation>
    </message>
    <message>
        <source>   GS H n : Text position in barcode</source>
        <translation>   GS H n: Klarschrift-Position</translation>
    </message>
    <message>
        <source>Setting barcode orientation (GS R n)</source>
        <translation>Barcode-Ausrichtung wird eingestellt (GS R n)</translation>
    </message>
    <message>
        <source>   GS R n : Set/reset rotated barcode</source>
        <translation>   GS R n: Gedrehten Barcode ein/aus</translation>
    </message>
    <message>
        <source>Setting internationnal charset (ESC R n)</source>
        <translation>Internationaler Zeichensatz wird eingestellt (ESC R n)</translation>
    </message>
    <message>
        <source>   ESC R n : Select international char set</source>
        <translation>   ESC R n: Internationalen Zeichensatz wählen</translation>
    </message>
    <message>
        <source>Setting internal font (ESC % n)</source>
        <translation>Interne Schrift wird eingestellt (ESC % n)</translation>
    </message>
    <message>
        <source>   ESC % n : Select internal font</source>
        <translation>   ESC % n: Interne Schrift wählen</translation>
    </message>
    <message>
        <source>Setting text justification (ESC C n)</source>
        <translation>Textausrichtung wird eingestellt (ESC C n)</translation>
    </message>
    <message>
        <source>   ESC C n : Set text justification</source>
        <translation>   ESC C n: Textausrichtung einstellen</translation>
    </message>
    <message>
        <source>Setting rotated characters (ESC { n)</source>
        <translation>Gedrehte Zeichen werden eingestellt (ESC { n)</translation>
    </message>
    <message>
        <source>   ESC { n : Set/reset rotated characters</source>
        <translation>   ESC { n: Gedrehte Zeichen ein/aus</translation>
    </message>
    <message>
        <source>Setting print mode (ESC ! n)</source>
        <translation>Druckmodus wird eingestellt (ESC ! n)</translation>
    </message>
    <message>
        <source>   ESC ! n : Set print mode</source>
        <translation>   ESC ! n: Druckmodus einstellen</translation>
    </message>
    <message>
        <source>Setting serial com (GS B n)</source>
        <translation>Serielle Kommunikation wird eingestellt (GS B n)</translation>
    </message>
    <message>
        <source>   GS B n : Serial communication settings</source>
        <translation>   GS B n: Serielle Kommunikation</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No printer found</source>
        <translation>Kein Drucker gefunden</translation>
    </message>
    <message>
        <source>No printer found on %1</source>
        <translation>Kein Drucker an %1 gefunden</translation>
    </message>
    <message>
        <source>No printer found on %1 at %2 bauds</source>
        <translation>Kein Drucker an %1 mit %2 Baud gefunden</translation>
    </message>
    <message>
        <source>No printer found on %1 at any speed</source>
        <translation>Kein Drucker an %1 gefunden (alle Baudraten geprüft)</translation>
    </message>
    <message>
        <source>%1 found on %2</source>
        <translation>%1 an %2 gefunden</translation>
    </message>
    <message>
        <source>%1 found on %2 at %3 bauds</source>
        <translation>%1 an %2 mit %3 Baud gefunden</translation>
    </message>
    <message>
        <source>Power: 5V</source>
        <translation>Spannung: 5 V</translation>
    </message>
    <message>
        <source>Power: 24V</source>
        <translation>Spannung: 24 V</translation>
    </message>
    <message>
        <source>No Printer found</source>
        <translation>Kein Drucker gefunden</translation>
    </message>
    <message>
        <source>NO Printer on %1 :</source>
        <translation>KEIN Drucker an %1 :</translation>
    </message>
    <message>
        <source>%1 ,  %2 BAUDS </source>
        <translation>%1 ,  %2 Baud </translation>
    </message>
    <message>
        <source>This port does not exist<byte value="xd"/>%1</source>
        <translation>Diese Schnittstelle existiert nicht
%1</translation>
    </message>
    <message>
        <source>You must select a serial port</source>
        <translation>Wählen Sie eine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>You must select a parallel port</source>
        <translation>Wählen Sie eine parallele Schnittstelle</translation>
    </message>
    <message>
        <source>Trying to wake-up the printer</source>
        <translation>Drucker wird aufgeweckt</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1</source>
        <translation>Verbindung zum Drucker an %1 wird versucht</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1.</source>
        <translation>Verbindung zum Drucker an %1 wird versucht.</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1 at %2 bauds.</source>
        <translation>Verbindung zum Drucker an %1 mit %2 Baud wird versucht.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>The automatic search leaves this port out.</source>
        <translation>%1
Die automatische Suche überspringt diese Schnittstelle.</translation>
    </message>
    <message>
        <source>Need a Printer Connected<byte value="xd"/>Detect Printer Please</source>
        <translation>Kein Drucker verbunden
Bitte Drucker erkennen</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Nothing was sent.</source>
        <translation>%1
Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Saving parameters</source>
        <translation>Parameter werden gespeichert</translation>
    </message>
    <message>
        <source>Parameters saved...   </source>
        <translation>Parameter gespeichert …   </translation>
    </message>
    <message>
        <source>Saving sequence failed</source>
        <translation>Speichersequenz fehlgeschlagen</translation>
    </message>
    <message>
        <source>Saving Sequence Successful !</source>
        <translation>Speichersequenz erfolgreich!</translation>
    </message>
    <message>
        <source> Saving Sequence Failed<byte value="xd"/> Please verify that your software revision allow parameters modificaiton</source>
        <translation> Speichersequenz fehlgeschlagen
 Bitte prüfen Sie, ob Ihre Softwareversion das Ändern von Parametern erlaubt</translation>
    </message>
    <message>
        <source>Saving Sequence Failed<byte value="xd"/>Please verify that your software revision<byte value="xd"/>allow parameters modificaiton</source>
        <translation>Speichersequenz fehlgeschlagen
Bitte prüfen Sie, ob Ihre Softwareversion
das Ändern von Parametern erlaubt</translation>
    </message>
    <message>
        <source>Please reboot your printer by powering it down, then up.<byte value="xd"/>
Then, perform a printer detection again...</source>
        <translation>Bitte starten Sie den Drucker neu, indem Sie ihn aus- und wieder einschalten.
Führen Sie dann erneut eine Druckererkennung durch …</translation>
    </message>
    <message>
        <source>This will set the modified parameters as printer default.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>Die geänderten Parameter werden als Druckerstandard gesetzt.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>This will load the factory settings into the workspace<byte value="xd"/>
and transfer them to the printer.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>Die Werkseinstellungen werden in den Arbeitsbereich geladen
und an den Drucker übertragen.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 28800 bauds<byte value="xd"/>
if the printer chipset is powered on 5V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>Die Baudrate 28800 Baud ist nicht einstellbar,
wenn der Chipsatz des Druckers mit 5 V versorgt wird.

Verfügbare Baudraten: 
          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.

Die Baudrate wird nicht geändert.</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 38400 or 115200 bauds<byte value="xd"/>
if the printer chipset is powered on 3.3V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 28800, 57600.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>Die Baudraten 38400 und 115200 Baud sind nicht einstellbar,
wenn der Chipsatz des Druckers mit 3,3 V versorgt wird.

Verfügbare Baudraten: 
          1200, 2400, 4800, 9600, 19200, 28800, 57600.

Die Baudrate wird nicht geändert.</translation>
    </message>
    <message>
        <source>%1 : BYTE Mode Error<byte value="xd"/>Please check you LPT setup </source>
        <translation>%1: Fehler im BYTE-Modus
Bitte prüfen Sie die LPT-Einrichtung </translation>
    </message>
    <message>
        <source>The LPT ports will be unusable !<byte value="xd"/>Please check your LPT port configuration !</source>
        <translation>Die LPT-Schnittstellen sind nicht nutzbar!
Bitte prüfen Sie die Konfiguration der LPT-Schnittstellen!</translation>
    </message>
    <message>
        <source>LPT Communication Port Error !</source>
        <translation>Fehler der LPT-Schnittstelle!</translation>
    </message>
    <message>
        <source>Parallel Object Error</source>
        <translation>Fehler der Parallelschnittstelle</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>Schnittstelle nicht vorhanden</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source>%1: no %2 has this number</source>
        <translation>%1: Unter dieser Nummer gibt es kein Gerät vom Typ „%2“</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>serielle Schnittstelle</translation>
    </message>
    <message>
        <source>USB printer</source>
        <translation>USB-Drucker</translation>
    </message>
    <message>
        <source>parallel port</source>
        <translation>parallele Schnittstelle</translation>
    </message>
    <message>
        <source>network printer</source>
        <translation>Netzwerkdrucker</translation>
    </message>
    <message>
        <source>serial server</source>
        <translation>serieller Geräteserver</translation>
    </message>
    <message>
        <source>speed refused</source>
        <translation>Baudrate abgelehnt</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>the device was disconnected</source>
        <translation>Das Gerät wurde getrennt</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>in use by %1 (process %2)</source>
        <translation>belegt von %1 (Prozess %2)</translation>
    </message>
    <message>
        <source>in use by process %1</source>
        <translation>belegt von Prozess %1</translation>
    </message>
    <message>
        <source>in use by another program (%1 is held)</source>
        <translation>von einem anderen Programm belegt (%1 ist gesperrt)</translation>
    </message>
    <message>
        <source>the port is in use by another driver or program</source>
        <translation>Die Schnittstelle ist von einem anderen Treiber oder Programm belegt</translation>
    </message>
    <message>
        <source>%1 (ModemManager, which probes new modems, may hold it: `sudo fuser -v %2` names the holder)</source>
        <translation>%1 (ModemManager, der neue Modems abfragt, könnte das Gerät belegen: `sudo fuser -v %2` zeigt, wer es belegt)</translation>
    </message>
    <message>
        <source>%1 (if it was not unplugged, ModemManager or brltty may have taken it: `dmesg` shows which)</source>
        <translation>%1 (falls das Gerät nicht abgezogen wurde, haben ModemManager oder brltty es womöglich übernommen: `dmesg` zeigt, welches Programm)</translation>
    </message>
    <message>
        <source>permission denied; join the dialout group (sudo adduser $USER dialout, then log in again)</source>
        <translation>Zugriff verweigert; treten Sie der Gruppe dialout bei (sudo adduser $USER dialout, dann melden Sie sich erneut an)</translation>
    </message>
    <message>
        <source>permission denied; join the lp group (sudo adduser $USER lp, then log in again)</source>
        <translation>Zugriff verweigert; treten Sie der Gruppe lp bei (sudo adduser $USER lp, dann melden Sie sich erneut an)</translation>
    </message>
    <message>
        <source>permission denied: %1 is yours%2</source>
        <translation>Zugriff verweigert: %1 gehört Ihnen%2</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are in it%3</source>
        <translation>Zugriff verweigert: %1 gehört der Gruppe %2, und Sie sind Mitglied dieser Gruppe%3</translation>
    </message>
    <message>
        <source>permission denied: %1%2</source>
        <translation>Zugriff verweigert: %1%2</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2%3</source>
        <translation>Zugriff verweigert: %1 gehört der Gruppe %2%3</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, which you joined after this session started: log in again (or run newgrp %2)</source>
        <translation>Zugriff verweigert: %1 gehört der Gruppe %2, der Sie erst nach Beginn dieser Sitzung beigetreten sind: Melden Sie sich erneut an (oder führen Sie newgrp %2 aus)</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are not in it</source>
        <translation>Zugriff verweigert: %1 gehört der Gruppe %2, und Sie sind nicht Mitglied dieser Gruppe</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are not in it; join it (sudo adduser $USER %2), then log in again</source>
        <translation>Zugriff verweigert: %1 gehört der Gruppe %2, und Sie sind nicht Mitglied dieser Gruppe; treten Sie ihr bei (sudo adduser $USER %2) und melden Sie sich dann erneut an</translation>
    </message>
    <message>
        <source>; its mode (%1) lets %2 read and write, so something else refuses it (an access control list, a security policy or a sandbox)</source>
        <translation>; der Modus des Geräts (%1) erlaubt %2 Lesen und Schreiben, also verweigert etwas anderes den Zugriff (eine Zugriffskontrollliste, eine Sicherheitsrichtlinie oder eine Sandbox)</translation>
    </message>
    <message>
        <source>, but the device allows %1 no %2 (mode %3)</source>
        <translation>, aber das Gerät verweigert %1 das %2 (Modus %3)</translation>
    </message>
    <message>
        <source>its owner</source>
        <translation>seinem Eigentümer</translation>
    </message>
    <message>
        <source>its group</source>
        <translation>seiner Gruppe</translation>
    </message>
    <message>
        <source>everyone</source>
        <translation>allen</translation>
    </message>
    <message>
        <source>read and write</source>
        <translation>Lesen und Schreiben</translation>
    </message>
    <message>
        <source>read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>the name now leads to another device (%1%2) than the printer was found on; detect the printer again</source>
        <translation>Der Name führt jetzt zu einem anderen Gerät (%1%2) als dem, an dem der Drucker gefunden wurde; erkennen Sie den Drucker erneut</translation>
    </message>
    <message>
        <source>, not %1</source>
        <translation>, nicht %1</translation>
    </message>
    <message>
        <source>another device</source>
        <translation>ein anderes Gerät</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <source>the name lookup failed</source>
        <translation>Die Namensauflösung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>not a network address (HOST or HOST:PORT)</source>
        <translation>keine Netzwerkadresse (HOST oder HOST:PORT)</translation>
    </message>
    <message>
        <source>not a serial server address (HOST:PORT)</source>
        <translation>keine Adresse eines seriellen Geräteservers (HOST:PORT)</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>Der Drucker hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the printer went away (%1)</source>
        <translation>Der Drucker ist nicht mehr erreichbar (%1)</translation>
    </message>
    <message>
        <source>the printer stopped taking data</source>
        <translation>Der Drucker nimmt keine Daten mehr an</translation>
    </message>
    <message>
        <source>the server does not set serial lines (no RFC 2217)</source>
        <translation>Der Server stellt keine seriellen Leitungen ein (kein RFC 2217)</translation>
    </message>
    <message>
        <source>the serial server closed the connection</source>
        <translation>Der serielle Geräteserver hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the printer sent more than 64 KiB before the server had set the line</source>
        <translation>Der Drucker hat mehr als 64 KiB gesendet, bevor der Server die Leitung eingestellt hatte</translation>
    </message>
    <message>
        <source>the server set the line to %1, not %2</source>
        <translation>Der Server hat die Leitung auf „%1“ statt auf „%2“ eingestellt</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>keine Parität</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>ungerade Parität</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>gerade Parität</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>Mark-Parität</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>Space-Parität</translation>
    </message>
    <message>
        <source>parity %1</source>
        <translation>Parität %1</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 Stoppbit</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 Stoppbits</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <translation>1,5 Stoppbits</translation>
    </message>
    <message>
        <source>stop size %1</source>
        <translation>Stoppbit-Wert %1</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>keine Flusssteuerung</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <translation>XON/XOFF-Flusssteuerung</translation>
    </message>
    <message>
        <source>hardware flow control</source>
        <translation>Hardware-Flusssteuerung</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 Datenbits</translation>
    </message>
    <message>
        <source>%1 bit/s</source>
        <translation>%1 Bit/s</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>kein Fehler</translation>
    </message>
    <message>
        <source>not implemented by this port</source>
        <translation>von dieser Schnittstelle nicht implementiert</translation>
    </message>
    <message>
        <source>a capability the program needs is not available on this port</source>
        <translation>Eine vom Programm benötigte Fähigkeit ist an dieser Schnittstelle nicht verfügbar</translation>
    </message>
    <message>
        <source>the port did not answer in time</source>
        <translation>Die Schnittstelle hat nicht rechtzeitig geantwortet</translation>
    </message>
    <message>
        <source>the printer rejected the request</source>
        <translation>Der Drucker hat die Anfrage abgelehnt</translation>
    </message>
    <message>
        <source>negotiation with the printer failed</source>
        <translation>Die Aushandlung mit dem Drucker ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>nicht genügend Speicher</translation>
    </message>
    <message>
        <source>the port could not be initialised</source>
        <translation>Die Schnittstelle konnte nicht initialisiert werden</translation>
    </message>
    <message>
        <source>system error</source>
        <translation>Systemfehler</translation>
    </message>
    <message>
        <source>the printer gave no device ID</source>
        <translation>Der Drucker hat keine Geräte-ID geliefert</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>Die Schnittstelle ist nicht geöffnet</translation>
    </message>
    <message>
        <source>libieee1284 error %1</source>
        <translation>libieee1284-Fehler %1</translation>
    </message>
    <message>
        <source>no parallel port support: %1</source>
        <translation>keine Unterstützung für parallele Schnittstellen: %1</translation>
    </message>
    <message>
        <source>the parallel port library does not list it</source>
        <translation>Die Bibliothek für parallele Schnittstellen führt sie nicht auf</translation>
    </message>
    <message>
        <source>no parallel port at this address</source>
        <translation>keine parallele Schnittstelle an dieser Adresse</translation>
    </message>
    <message>
        <source>no parallel port at this number</source>
        <translation>keine parallele Schnittstelle mit dieser Nummer</translation>
    </message>
    <message>
        <source>%1: cannot claim the port: %2</source>
        <translation>%1: Die Schnittstelle kann nicht belegt werden: %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>file is larger than %1 bytes</source>
        <translation>die Datei ist größer als %1 Bytes</translation>
    </message>
    <message>
        <source>file is larger than 1 byte</source>
        <translation>die Datei ist größer als 1 Byte</translation>
    </message>
    <message>
        <source>file is larger than %1 KiB</source>
        <translation>die Datei ist größer als %1 KiB</translation>
    </message>
    <message>
        <source>file is larger than %1 MiB</source>
        <translation>die Datei ist größer als %1 MiB</translation>
    </message>
    <message>
        <source>a symbolic link to a file of another user; not followed</source>
        <translation>ein symbolischer Link auf eine Datei eines anderen Benutzers; ihm wird nicht gefolgt</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist; not followed</source>
        <translation>ein symbolischer Link auf eine Datei, die es nicht gibt; ihm wird nicht gefolgt</translation>
    </message>
    <message>
        <source>%1 is read only !</source>
        <translation>%1 ist schreibgeschützt!</translation>
    </message>
    <message>
        <source>Some keys of %1 were skipped: their values are not valid.</source>
        <translation>Einige Schlüssel von %1 wurden übergangen: Ihre Werte sind ungültig.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
   %2</source>
        <translation>%1
   %2</translation>
    </message>
    <message>
        <source>%1 (%2 is missing)</source>
        <translation>%1 (%2 fehlt)</translation>
    </message>
    <message>
        <source>print mode (%1 to %2): a group of options has no option selected</source>
        <translation>Druckmodus (%1 bis %2): In einer Gruppe von Optionen ist keine Option ausgewählt</translation>
    </message>
    <message>
        <source>The unit was stopped before its end</source>
        <translation>Das Gerät wurde vor dem Ende seines Durchgangs angehalten</translation>
    </message>
    <message>
        <source>The unit failed: %1</source>
        <translation>Das Gerät ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>The station stopped serving this port: %1</source>
        <translation>Die Station bedient diese Schnittstelle nicht mehr: %1</translation>
    </message>
    <message>
        <source>The printer on %1 reports a fault: %2</source>
        <translation>Der Drucker an %1 meldet einen Fehler: %2</translation>
    </message>
    <message>
        <source>No reply to the status request on %1</source>
        <translation>Keine Antwort auf die Statusabfrage an %1</translation>
    </message>
    <message>
        <source>No reply to the status request on %1 at any speed</source>
        <translation>Keine Antwort auf die Statusabfrage an %1 (alle Baudraten geprüft)</translation>
    </message>
    <message>
        <source>Cannot open the audit log %1: %2</source>
        <translation>Das Prüfprotokoll %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot write the audit log %1</source>
        <translation>Das Prüfprotokoll kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>No port is chosen</source>
        <translation>Es ist keine Schnittstelle gewählt</translation>
    </message>
    <message>
        <source>The port %1 is given twice</source>
        <translation>Die Schnittstelle %1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Cannot send %1: not a profile: it has none of the sections of a .pcf file</source>
        <translation>%1 kann nicht gesendet werden: kein Profil, die Datei hat keinen der Abschnitte einer .pcf-Datei</translation>
    </message>
    <message>
        <source>°C Head Problem</source>
        <translation>°C Kopfproblem</translation>
    </message>
    <message>
        <source>Head Up</source>
        <translation>Kopf offen</translation>
    </message>
    <message>
        <source>No Paper</source>
        <translation>Kein Papier</translation>
    </message>
    <message>
        <source>Vbat Problem</source>
        <translation>Vbat-Problem</translation>
    </message>
    <message>
        <source>Mark Error</source>
        <translation>Markenfehler</translation>
    </message>
    <message>
        <source>Cutter failure</source>
        <translation>Schneidwerk defekt</translation>
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
        <translation>Die Baudrate %1 Baud ist nicht einstellbar,
solange der Drucker nicht gemeldet hat, ob sein Chipsatz mit 5 V oder 3,3 V versorgt wird.

Verfügbare Baudraten: 
          1200, 2400, 4800, 9600, 19200, 57600.

Der Baudraten-Parameter wird nicht geändert.</translation>
    </message>
    <message>
        <source>the name now leads to another address (%1, not %2) than the printer was found at; detect the printer again</source>
        <translation>Der Name führt jetzt zu einer anderen Adresse (%1, nicht %2) als der, an der der Drucker gefunden wurde; erkennen Sie den Drucker erneut</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>ok</source>
        <translation>in Ordnung</translation>
    </message>
    <message>
        <source>no_answer</source>
        <translation>kein Drucker antwortet</translation>
    </message>
    <message>
        <source>not_stored</source>
        <translation>nicht gespeichert</translation>
    </message>
    <message>
        <source>declined</source>
        <translation>abgelehnt</translation>
    </message>
    <message>
        <source>bad_usage</source>
        <translation>falscher Aufruf</translation>
    </message>
    <message>
        <source>file_error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>output_error</source>
        <translation>Ausgabefehler</translation>
    </message>
    <message>
        <source>port_absent</source>
        <translation>Schnittstelle fehlt</translation>
    </message>
    <message>
        <source>port_in_use</source>
        <translation>Schnittstelle belegt</translation>
    </message>
    <message>
        <source>permission_denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>port_lost</source>
        <translation>Verbindung verloren</translation>
    </message>
    <message>
        <source>port_unusable</source>
        <translation>Schnittstelle unbrauchbar</translation>
    </message>
    <message>
        <source>printer_fault</source>
        <translation>Druckerfehler</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Permission denied</source>
        <translation>Keine Berechtigung</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Die Operation ist nicht erlaubt</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Kein passendes Gerät gefunden</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Kein passendes Gerät bzw. keine passende Adresse gefunden</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Eingabe-/Ausgabefehler</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Das Gerät oder die Ressource ist belegt</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Verbindungsaufbau abgelehnt</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Die Wartezeit für die Verbindung ist abgelaufen</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Keine Route zum Zielrechner</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Das Netzwerk ist nicht erreichbar</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Die Verbindung wurde vom Kommunikationspartner zurückgesetzt</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Datenübergabe unterbrochen (broken pipe)</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Die Datei ist zu groß</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Auf dem Gerät ist kein Speicherplatz mehr verfügbar</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Das Dateisystem ist nur lesbar</translation>
    </message>
    <message>
        <source>Inappropriate ioctl for device</source>
        <translation>Unpassender IOCTL (I/O-Control) für das Gerät</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Das Argument ist ungültig</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Ist kein Verzeichnis</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Die Ressource ist zur Zeit nicht verfügbar</translation>
    </message>
    <message>
        <source>Protocol error</source>
        <translation>Protokollfehler</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Der Dateiname ist zu lang</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Der zugewiesene Plattenplatz (Quota) ist überschritten</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>Der Name oder der Dienst ist nicht bekannt</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>Temporärer Fehler bei der Namensauflösung</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>Nicht-behebbarer Fehler in der Namensauflösung</translation>
    </message>
    <message>
        <source>No address associated with hostname</source>
        <translation>Zu diesem Hostnamen gehört keine Adresse</translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Setup and hardware control</source>
        <translation>Einrichtung und Hardware</translation>
    </message>
    <message>
        <source>Text and general commands</source>
        <translation>Text und allgemeine Befehle</translation>
    </message>
    <message>
        <source>Text and General commands</source>
        <translation>Text und allgemeine Befehle</translation>
    </message>
    <message>
        <source>Barcode commands</source>
        <translation>Barcode-Befehle</translation>
    </message>
    <message>
        <source>Hole/Black mark detection commands</source>
        <translation>Loch-/Schwarzmarkenerkennung</translation>
    </message>
    <message>
        <source>Hole and black mark detection commands</source>
        <translation>Loch- und Schwarzmarkenerkennung</translation>
    </message>
</context>
<context>
    <name>tessaro::app::ClientArea</name>
    <message>
        <source>List of modified parameters:</source>
        <translation>Liste geänderter Parameter:</translation>
    </message>
    <message>
        <source>Set modified parameters as printer default</source>
        <translation>Geänderte Parameter als Druckerstandard setzen</translation>
    </message>
    <message>
        <source>Recover Factory Settings</source>
        <translation>Werkseinstellungen wiederherstellen</translation>
    </message>
</context>
<context>
    <name>tessaro::app::ControlFactory</name>
    <message>
        <source>Serial speed</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Handshake</translation>
    </message>
    <message>
        <source>IR mode</source>
        <translation>IR-Modus</translation>
    </message>
</context>
<context>
    <name>tessaro::app::Form1</name>
    <message>
        <source>The configuration could not be loaded.<byte value="xd"/>
%1</source>
        <translation>Die Konfiguration konnte nicht geladen werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists; it is removed from the recent profiles.</source>
        <translation>%1 existiert nicht mehr und wird aus den zuletzt verwendeten Profilen entfernt.</translation>
    </message>
    <message>
        <source>The configuration could not be saved.<byte value="xd"/>
%1</source>
        <translation>Die Konfiguration konnte nicht gespeichert werden.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Do you want to save changes before closing?</source>
        <translation>Möchten Sie die Änderungen vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>NO Port is openned. Please open a port.</source>
        <translation>KEINE Schnittstelle geöffnet. Bitte öffnen Sie eine Schnittstelle.</translation>
    </message>
    <message>
        <source>The production station has units under way. Stop it once they have ended, then close Tessaro?</source>
        <translation>In der Produktionsstation laufen noch Einheiten. Sie beenden, sobald diese fertig sind, und dann Tessaro schließen?</translation>
    </message>
</context>
<context>
    <name>tessaro::app::Helpfrm</name>
    <message>
        <source>Tessaro Help</source>
        <translation>Tessaro-Hilfe</translation>
    </message>
</context>
<context>
    <name>tessaro::app::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Load Config From File to Workspace</source>
        <translation>Konfiguration aus Datei &amp;laden</translation>
    </message>
    <message>
        <source>Recent &amp;profiles</source>
        <translation>&amp;Zuletzt verwendete Profile</translation>
    </message>
    <message>
        <source>&amp;Save Workspace Config to File</source>
        <translation>Arbeitsbereich in Datei &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Reload Factory Settings to Workspace</source>
        <translation>&amp;Werkseinstellungen in Arbeitsbereich laden</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Detect the printer</source>
        <translation>Drucker &amp;erkennen</translation>
    </message>
    <message>
        <source>&amp;Configure the Printer</source>
        <translation>Drucker &amp;konfigurieren</translation>
    </message>
    <message>
        <source>&amp;Recover Factory Settings</source>
        <translation>&amp;Werkseinstellungen wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Send Mofified Parameters to Printer</source>
        <translation>Geänderte Parameter an Drucker &amp;senden</translation>
    </message>
    <message>
        <source>&amp;Production station...</source>
        <translation>&amp;Produktionsstation…</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Tessaro</translation>
    </message>
</context>
<context>
    <name>tessaro::app::PortSelection</name>
    <message>
        <source>Communication Port Selection</source>
        <translation>Schnittstellenauswahl</translation>
    </message>
    <message>
        <source>Autodetect Printer</source>
        <translation>Drucker automatisch erkennen</translation>
    </message>
    <message>
        <source>Current printer</source>
        <translation>Aktueller Drucker</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Suchfortschritt</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>End the detection or the automatic search now</source>
        <translation>Die Erkennung oder automatische Suche jetzt beenden</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Handshake:</source>
        <translation>Handshake:</translation>
    </message>
    <message>
        <source>Detect Printer</source>
        <translation>Drucker erkennen</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Parallele Schnittstelle</translation>
    </message>
    <message>
        <source>USB and network</source>
        <translation>USB und Netzwerk</translation>
    </message>
    <message>
        <source>Network printer</source>
        <translation>Netzwerkdrucker</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>Host oder Host:Port</translation>
    </message>
    <message>
        <source>Network printer address</source>
        <translation>Adresse des Netzwerkdruckers</translation>
    </message>
    <message>
        <source>A printer on raw TCP; port 9100 unless the address names another</source>
        <translation>Ein Drucker über Raw-TCP; Port 9100, sofern die Adresse keinen anderen nennt</translation>
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
        <translation>DSR/DTR-Modus</translation>
    </message>
    <message>
        <source>No printer found yet, please start detection.</source>
        <translation>Noch kein Drucker gefunden, bitte Erkennung starten.</translation>
    </message>
    <message>
        <source>The production station is using ports: the automatic search would reach its printers.</source>
        <translation>Die Produktionsstation belegt Schnittstellen: Die automatische Suche würde ihre Drucker erreichen.</translation>
    </message>
    <message>
        <source>Enter the network printer&apos;s address (host or host:port).</source>
        <translation>Geben Sie die Adresse des Netzwerkdruckers ein (Host oder Host:Port).</translation>
    </message>
    <message>
        <source>You must select a USB port or a network printer</source>
        <translation>Wählen Sie eine USB-Schnittstelle oder einen Netzwerkdrucker</translation>
    </message>
    <message>
        <source>Serial server</source>
        <translation>Serieller Geräteserver</translation>
    </message>
    <message>
        <source>host:port</source>
        <translation>Host:Port</translation>
    </message>
    <message>
        <source>Serial server address</source>
        <translation>Adresse des seriellen Geräteservers</translation>
    </message>
    <message>
        <source>A serial port on a network serial server (RFC 2217), as host:port; the speed and handshake below are set on it</source>
        <translation>Eine serielle Schnittstelle an einem seriellen Geräteserver im Netzwerk (RFC 2217), als Host:Port; Baudrate und Handshake darunter werden an ihr eingestellt</translation>
    </message>
    <message>
        <source>Enter the serial server&apos;s address (host:port).</source>
        <translation>Geben Sie die Adresse des seriellen Geräteservers ein (Host:Port).</translation>
    </message>
    <message>
        <source>Not a serial server&apos;s address: &quot;%1&quot;. Enter it as host:port, an IPv6 host in brackets ([::1]:2001).</source>
        <translation>Keine Adresse eines seriellen Geräteservers: „%1“. Geben Sie sie als Host:Port ein, einen IPv6-Host in eckigen Klammern ([::1]:2001).</translation>
    </message>
    <message>
        <source>Detection stopped.</source>
        <translation>Erkennung abgebrochen.</translation>
    </message>
</context>
<context>
    <name>tessaro::app::QtFileDialogs</name>
    <message>
        <source>PCF Config Files (*.pcf)</source>
        <translation>PCF-Konfigurationsdateien (*.pcf)</translation>
    </message>
    <message>
        <source>Open File ...</source>
        <translation>Datei öffnen …</translation>
    </message>
    <message>
        <source>Save Configuration as ...</source>
        <translation>Konfiguration speichern unter …</translation>
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
        <translation>gespeichert %1, fehlgeschlagen %2</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Wird gestartet</translation>
    </message>
    <message>
        <source>Waiting for a printer</source>
        <translation>Warten auf einen Drucker</translation>
    </message>
    <message>
        <source>Detecting the printer</source>
        <translation>Drucker wird erkannt</translation>
    </message>
    <message>
        <source>Waiting for the printer to leave</source>
        <translation>Warten, bis der Drucker entfernt ist</translation>
    </message>
    <message>
        <source>Waiting for the next printer</source>
        <translation>Warten auf den nächsten Drucker</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Last unit: %1</source>
        <translation>Letztes Gerät: %1</translation>
    </message>
    <message>
        <source>Detecting the printer: %1</source>
        <translation>Drucker wird erkannt: %1</translation>
    </message>
    <message>
        <source>Sending: %1</source>
        <translation>Senden: %1</translation>
    </message>
    <message>
        <source>Cannot serve the port: %1</source>
        <translation>Schnittstelle nicht bedienbar: %1</translation>
    </message>
    <message>
        <source>Stored: %1 (%2)</source>
        <translation>Gespeichert: %1 (%2)</translation>
    </message>
    <message>
        <source>Failed (%1): %2</source>
        <translation>Fehlgeschlagen (%1): %2</translation>
    </message>
    <message>
        <source>All ports: %1</source>
        <translation>Alle Schnittstellen: %1</translation>
    </message>
    <message>
        <source>stored %1, failed %2, mean %3</source>
        <translation>gespeichert %1, fehlgeschlagen %2, Mittel %3</translation>
    </message>
    <message>
        <source>The station is running already</source>
        <translation>Die Station läuft bereits</translation>
    </message>
    <message>
        <source>Stored: %1 (%2), not recorded in the audit log</source>
        <translation>Gespeichert: %1 (%2), nicht im Audit-Protokoll vermerkt</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationSetup</name>
    <message>
        <source>&amp;Repeat: configure each new printer as it arrives</source>
        <translation>&amp;Wiederholen: jeden neu angeschlossenen Drucker konfigurieren</translation>
    </message>
    <message>
        <source>Profile to store</source>
        <translation>Zu speicherndes Profil</translation>
    </message>
    <message>
        <source>The current &amp;workspace</source>
        <translation>Der aktuelle &amp;Arbeitsbereich</translation>
    </message>
    <message>
        <source>A profile &amp;file:</source>
        <translation>Eine Profil&amp;datei:</translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation>Profildatei</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>D&amp;urchsuchen…</translation>
    </message>
    <message>
        <source>Browse for a profile file</source>
        <translation>Eine Profildatei suchen</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Schnittstellen</translation>
    </message>
    <message>
        <source>No COM, USB or LPT port is there.</source>
        <translation>Keine COM-, USB- oder LPT-Schnittstelle vorhanden.</translation>
    </message>
    <message>
        <source>&amp;Network printers (host or host:port):</source>
        <translation>&amp;Netzwerkdrucker (Host oder Host:Port):</translation>
    </message>
    <message>
        <source>Network printers</source>
        <translation>Netzwerkdrucker</translation>
    </message>
    <message>
        <source>Network printer to add</source>
        <translation>Hinzuzufügender Netzwerkdrucker</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Audit &amp;log:</source>
        <translation>Audit-&amp;Protokoll:</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Dur&amp;chsuchen…</translation>
    </message>
    <message>
        <source>Browse for the audit log</source>
        <translation>Das Audit-Protokoll suchen</translation>
    </message>
    <message>
        <source>(the file cannot be read)</source>
        <translation>(die Datei ist nicht lesbar)</translation>
    </message>
    <message>
        <source>(no file chosen)</source>
        <translation>(keine Datei gewählt)</translation>
    </message>
    <message>
        <source>Name: %1
SHA-256: %2</source>
        <translation>Name: %1
SHA-256: %2</translation>
    </message>
    <message>
        <source>A network printer as host or host:port, or a serial printer on a network serial server as rfc2217://host:port</source>
        <translation>Ein Netzwerkdrucker als Host oder Host:Port, oder ein serieller Drucker an einem seriellen Geräteserver im Netzwerk als rfc2217://Host:Port</translation>
    </message>
    <message>
        <source>Lab&amp;el:</source>
        <translation>Be&amp;zeichnung:</translation>
    </message>
    <message>
        <source>an order, a batch, an operator</source>
        <translation>ein Auftrag, eine Charge, ein Bediener</translation>
    </message>
    <message>
        <source>Written in every record of the audit log</source>
        <translation>Wird in jeden Eintrag des Prüfprotokolls geschrieben</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationTile</name>
    <message>
        <source>Not started</source>
        <translation>Nicht gestartet</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>Run again</source>
        <translation>Erneut ausführen</translation>
    </message>
    <message>
        <source>Run %1 again</source>
        <translation>%1 erneut ausführen</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationWindow</name>
    <message>
        <source>Production station</source>
        <translation>Produktionsstation</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <source>&amp;Messages:</source>
        <translation>&amp;Meldungen:</translation>
    </message>
    <message>
        <source>S&amp;top now</source>
        <translation>Sofort s&amp;toppen</translation>
    </message>
    <message>
        <source>Stopping: the units under way finish (Stop now stops them too).</source>
        <translation>Wird angehalten: Die laufenden Geräte werden fertig („Sofort stoppen“ hält auch sie an).</translation>
    </message>
    <message>
        <source>Audit log</source>
        <translation>Audit-Protokoll</translation>
    </message>
    <message>
        <source>Audit logs (*.jsonl);;All files (*)</source>
        <translation>Audit-Protokolle (*.jsonl);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Units are under way. Stop the station once they have ended, then close this window?</source>
        <translation>Es sind noch Geräte in Arbeit. Die Station anhalten, sobald sie fertig sind, und dann dieses Fenster schließen?</translation>
    </message>
    <message>
        <source>No profile file is chosen</source>
        <translation>Keine Profildatei gewählt</translation>
    </message>
    <message>
        <source>The station cannot start.<byte value="xd"/>
%1</source>
        <translation>Die Station kann nicht starten.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>No audit log is chosen</source>
        <translation>Kein Audit-Protokoll gewählt</translation>
    </message>
    <message>
        <source>The main window is searching every port for a printer: start the station once the search has ended.</source>
        <translation>Das Hauptfenster durchsucht alle Schnittstellen nach einem Drucker: Starten Sie die Station, wenn die Suche beendet ist.</translation>
    </message>
    <message>
        <source>The main window is using %1: start the station once its operation has ended.</source>
        <translation>Das Hauptfenster verwendet %1: Starten Sie die Station, wenn sein Vorgang beendet ist.</translation>
    </message>
    <message>
        <source>The profile changes no setting: every printer would only get the factory settings&apos; mark length and the saving sequence.<byte value="xd"/>
<byte value="xd"/>
Start anyway?</source>
        <translation>Das Profil ändert keine Einstellung: Jeder Drucker erhielte nur die Markenlänge der Werkseinstellungen und die Speichersequenz.

Trotzdem starten?</translation>
    </message>
    <message>
        <source>S&amp;ound on a failure</source>
        <translation>Ton bei einem &amp;Fehler</translation>
    </message>
    <message>
        <source>Reset &amp;counts</source>
        <translation>Zählungen &amp;zurücksetzen</translation>
    </message>
</context>
<context>
    <name>tessaro::app::frmAbout</name>
    <message>
        <source>About Tessaro </source>
        <translation>Über Tessaro </translation>
    </message>
    <message>
        <source>Tessaro v: %1</source>
        <translation>Tessaro Version: %1</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web:</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Support:</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Zum Schließen klicken</translation>
    </message>
</context>
</TS>
