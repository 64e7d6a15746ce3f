<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Catalogue</name>
    <message>
        <source>USA</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <source>UK</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <source>Denmark 1</source>
        <translation>Danemark 1</translation>
    </message>
    <message>
        <source>Sweden</source>
        <translation>Suède</translation>
    </message>
    <message>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <source>Spain 1</source>
        <translation>Espagne 1</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message>
        <source>Norway</source>
        <translation>Norvège</translation>
    </message>
    <message>
        <source>Denmark 2</source>
        <translation>Danemark 2</translation>
    </message>
    <message>
        <source>Spain 2</source>
        <translation>Espagne 2</translation>
    </message>
    <message>
        <source>Latine America </source>
        <translation>Amérique latine </translation>
    </message>
    <message>
        <source>8x16 font</source>
        <translation>Police 8x16</translation>
    </message>
    <message>
        <source>12x20 font</source>
        <translation>Police 12x20</translation>
    </message>
    <message>
        <source>7x16 font</source>
        <translation>Police 7x16</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>180° Rotated</source>
        <translation>Pivoté à 180°</translation>
    </message>
    <message>
        <source>Not Printed</source>
        <translation>Non imprimé</translation>
    </message>
    <message>
        <source>Above Barcode</source>
        <translation>Au-dessus du code-barres</translation>
    </message>
    <message>
        <source>Under Barcode</source>
        <translation>Sous le code-barres</translation>
    </message>
    <message>
        <source>Above and Under Barcode</source>
        <translation>Au-dessus et sous le code-barres</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Xon-Xoff</source>
        <translation>Xon-Xoff</translation>
    </message>
    <message>
        <source>DSR/DTR Mode</source>
        <translation>Mode DSR/DTR</translation>
    </message>
    <message>
        <source>IR Disable</source>
        <translation>IR désactivé</translation>
    </message>
    <message>
        <source>IR Enable</source>
        <translation>IR activé</translation>
    </message>
    <message>
        <source>Dynamic Division</source>
        <translation>Division dynamique</translation>
    </message>
    <message>
        <source>Sets default number of black bytes activated per heat</source>
        <translation>Définit le nombre par défaut d&apos;octets noirs activés par chauffe</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Sets default printout darkness</source>
        <translation>Définit la densité d&apos;impression par défaut</translation>
    </message>
    <message>
        <source>Acceleration Smooting</source>
        <translation>Lissage de l&apos;accélération</translation>
    </message>
    <message>
        <source>Sets default maximum acceleration ratio between two steps</source>
        <translation>Définit le rapport d&apos;accélération maximal par défaut entre deux pas</translation>
    </message>
    <message>
        <source>Max Printing Speed</source>
        <translation>Vitesse d&apos;impression max.</translation>
    </message>
    <message>
        <source>Sets the default max printing/paperfeed speed</source>
        <translation>Définit la vitesse max. par défaut d&apos;impression et d&apos;avance papier</translation>
    </message>
    <message>
        <source>Autosleep Time</source>
        <translation>Délai de mise en veille</translation>
    </message>
    <message>
        <source>Sets the default time the printer enters in sleepmode</source>
        <translation>Définit le délai par défaut avant la mise en veille de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Serial Communication Settings</source>
        <translation>Paramètres de communication série</translation>
    </message>
    <message>
        <source>Sets the default serial/IR communication speed and handshake</source>
        <translation>Définit le débit et le contrôle de flux par défaut de la communication série/IR</translation>
    </message>
    <message>
        <source>Busy Hold Time</source>
        <translation>Durée de maintien BUSY</translation>
    </message>
    <message>
        <source>Sets the default minimum active time for Busy</source>
        <translation>Définit la durée active minimale par défaut du signal BUSY</translation>
    </message>
    <message>
        <source>Paper Loading Pause</source>
        <translation>Pause de chargement du papier</translation>
    </message>
    <message>
        <source>Sets the default pause time before paper is loaded</source>
        <translation>Définit la pause par défaut avant le chargement du papier</translation>
    </message>
    <message>
        <source>Paper Loading Length</source>
        <translation>Longueur de chargement du papier</translation>
    </message>
    <message>
        <source>Sets the default length for paper loading</source>
        <translation>Définit la longueur par défaut du chargement du papier</translation>
    </message>
    <message>
        <source>Paper Loading Speed</source>
        <translation>Vitesse de chargement du papier</translation>
    </message>
    <message>
        <source>Sets the default paper loading speed</source>
        <translation>Définit la vitesse par défaut du chargement du papier</translation>
    </message>
    <message>
        <source>International Character Set:</source>
        <translation>Jeu de caractères international :</translation>
    </message>
    <message>
        <source>Sets the default international characters set used</source>
        <translation>Définit le jeu de caractères international utilisé par défaut</translation>
    </message>
    <message>
        <source>Default Internal Font:</source>
        <translation>Police interne par défaut :</translation>
    </message>
    <message>
        <source>Sets the default internal font used </source>
        <translation>Définit la police interne utilisée par défaut </translation>
    </message>
    <message>
        <source>Text orientation:</source>
        <translation>Orientation du texte :</translation>
    </message>
    <message>
        <source>Sets the default text rotation</source>
        <translation>Définit la rotation du texte par défaut</translation>
    </message>
    <message>
        <source>Text Justification:</source>
        <translation>Alignement du texte :</translation>
    </message>
    <message>
        <source>Sets the default text justification</source>
        <translation>Définit l&apos;alignement du texte par défaut</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Mode d&apos;impression</translation>
    </message>
    <message>
        <source>Sets the default text features (height, width and underligned) </source>
        <translation>Définit les attributs du texte par défaut (hauteur, largeur et soulignement) </translation>
    </message>
    <message>
        <source>Max Number of Characters / Line</source>
        <translation>Nombre max. de caractères / ligne</translation>
    </message>
    <message>
        <source>Sets the default maximum number of characters on a line </source>
        <translation>Définit le nombre maximal de caractères par ligne par défaut </translation>
    </message>
    <message>
        <source>Character Spacing</source>
        <translation>Espacement des caractères</translation>
    </message>
    <message>
        <source>Sets the space between 2 characters on a line </source>
        <translation>Définit l&apos;espace entre 2 caractères d&apos;une ligne </translation>
    </message>
    <message>
        <source>Line Spacing</source>
        <translation>Interligne</translation>
    </message>
    <message>
        <source>Sets the number of blank lines between two characters lines </source>
        <translation>Définit l&apos;espace blanc entre deux lignes de caractères </translation>
    </message>
    <message>
        <source>Pre-Line Spacing</source>
        <translation>Espacement avant ligne</translation>
    </message>
    <message>
        <source>Sets the preline spacing distance useful in inverse video mode</source>
        <translation>Définit l&apos;espacement avant ligne, utile en mode vidéo inverse</translation>
    </message>
    <message>
        <source>Barcode Height</source>
        <translation>Hauteur du code-barres</translation>
    </message>
    <message>
        <source>Sets the default height of the barcode</source>
        <translation>Définit la hauteur par défaut du code-barres</translation>
    </message>
    <message>
        <source>Barcode Magnification</source>
        <translation>Grossissement du code-barres</translation>
    </message>
    <message>
        <source>Sets the default magnification of the barcode</source>
        <translation>Définit le grossissement par défaut du code-barres</translation>
    </message>
    <message>
        <source>Barcode Text Position:</source>
        <translation>Position du texte du code-barres :</translation>
    </message>
    <message>
        <source>Sets the default text position on the barcode</source>
        <translation>Définit la position par défaut du texte du code-barres</translation>
    </message>
    <message>
        <source>Barcode Orientation:</source>
        <translation>Orientation du code-barres :</translation>
    </message>
    <message>
        <source>Sets the default barcode orientation (vertical or horizontal)</source>
        <translation>Définit l&apos;orientation par défaut du code-barres (verticale ou horizontale)</translation>
    </message>
    <message>
        <source>Mark To Cut Position</source>
        <translation>Position marque-coupe</translation>
    </message>
    <message>
        <source>Sets the distance between black mark and cutter</source>
        <translation>Définit la distance entre la marque noire et le massicot</translation>
    </message>
    <message>
        <source>Head To Cut Length</source>
        <translation>Distance tête-coupe</translation>
    </message>
    <message>
        <source>Sets the distance between Head line and cutter </source>
        <translation>Définit la distance entre la ligne de tête et le massicot </translation>
    </message>
    <message>
        <source>Opto To Head Length</source>
        <translation>Distance capteur-tête</translation>
    </message>
    <message>
        <source>Sets the distance between head line and opto sensor (remain unchanged if not sure)</source>
        <translation>Définit la distance entre la ligne de tête et le capteur optique (ne pas modifier en cas de doute)</translation>
    </message>
    <message>
        <source>Top Of Form Position</source>
        <translation>Position du haut de page</translation>
    </message>
    <message>
        <source>Sets the default Top Of Form position</source>
        <translation>Définit la position par défaut du haut de page</translation>
    </message>
    <message>
        <source>Mark Length</source>
        <translation>Longueur de marque</translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Bytes</source>
        <translation>Division dynamique :%1 octets noirs</translation>
    </message>
    <message>
        <source>Dynamic Division :%1 Black Byte</source>
        <translation>Division dynamique :%1 octet noir</translation>
    </message>
    <message>
        <source>Continuous paper Feed Mode</source>
        <translation>Mode papier continu</translation>
    </message>
    <message>
        <source>Intensity :%1%</source>
        <translation>Intensité :%1 %</translation>
    </message>
    <message>
        <source>Acceleration smoothing :   %1%</source>
        <translation>Lissage de l&apos;accélération :%1 %</translation>
    </message>
    <message>
        <source>Max Printing Speed :%1 mm/s</source>
        <translation>Vitesse d&apos;impression max. :%1 mm/s</translation>
    </message>
    <message>
        <source>Autosleep Time :%1 s</source>
        <translation>Délai de mise en veille :%1 s</translation>
    </message>
    <message>
        <source>Busy Hold Time :%1µs</source>
        <translation>Durée de maintien BUSY :%1 µs</translation>
    </message>
    <message>
        <source>Paper Loading Pause :%1 sec</source>
        <translation>Pause de chargement du papier :%1 s</translation>
    </message>
    <message>
        <source>Paper Loading Length :%1 mm</source>
        <translation>Longueur de chargement du papier :%1 mm</translation>
    </message>
    <message>
        <source>Paper Loading Speed :%1 mm/s</source>
        <translation>Vitesse de chargement du papier :%1 mm/s</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Quadruple</source>
        <translation>Quadruple</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Max Characters/Line :%1</source>
        <translation>Caractères max./ligne :%1</translation>
    </message>
    <message>
        <source>Character Spacing :%1 mm</source>
        <translation>Espacement des caractères :%1 mm</translation>
    </message>
    <message>
        <source>Line Spacing :%1 mm</source>
        <translation>Interligne :%1 mm</translation>
    </message>
    <message>
        <source>Pre-Line Spacing :%1 mm</source>
        <translation>Espacement avant ligne :%1 mm</translation>
    </message>
    <message>
        <source>Barcode Height :%1mm</source>
        <translation>Hauteur du code-barres :%1 mm</translation>
    </message>
    <message>
        <source>Barcode Magnification :%1mm</source>
        <translation>Grossissement du code-barres :%1 mm</translation>
    </message>
    <message>
        <source>Mark To Cut Position :%1 mm</source>
        <translation>Position marque-coupe :%1 mm</translation>
    </message>
    <message>
        <source>Head To Cut Length :%1 mm</source>
        <translation>Distance tête-coupe :%1 mm</translation>
    </message>
    <message>
        <source>Opto To Head Length :%1 mm</source>
        <translation>Distance capteur-tête :%1 mm</translation>
    </message>
    <message>
        <source>Top Of Form Position :%1 mm</source>
        <translation>Position du haut de page :%1 mm</translation>
    </message>
    <message>
        <source>MarkLength :%1 mm</source>
        <translation>Longueur de marque :%1 mm</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Underligned</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>MarkLength: Continuous paper feed mode</source>
        <translation>Longueur de marque : mode papier continu</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Setting autosleep (ESC A n)</source>
        <translation>Réglage de la mise en veille (ESC A n)</translation>
    </message>
    <message>
        <source>   ESC A n : Set the autosleep time</source>
        <translation>   ESC A n : Régler le délai de mise en veille</translation>
    </message>
    <message>
        <source>Setting max speed (GS s n1 n2)</source>
        <translation>Réglage de la vitesse max. (GS s n1 n2)</translation>
    </message>
    <message>
        <source>   GS s n1 n2 : Set maximum print out speed</source>
        <translation>   GS s n1 n2 : Régler la vitesse d&apos;impression maximale</translation>
    </message>
    <message>
        <source>Setting paper loading length (GS P n1 n2)</source>
        <translation>Réglage de la longueur de chargement du papier (GS P n1 n2)</translation>
    </message>
    <message>
        <source>   GS P n1 n2 : Set paper loading length</source>
        <translation>   GS P n1 n2 : Régler la longueur de chargement du papier</translation>
    </message>
    <message>
        <source>Setting paper loading speed (GS M n1 n2)</source>
        <translation>Réglage de la vitesse de chargement du papier (GS M n1 n2)</translation>
    </message>
    <message>
        <source>   GS M n1 n2 : Set paper loading speed</source>
        <translation>   GS M n1 n2 : Régler la vitesse de chargement du papier</translation>
    </message>
    <message>
        <source>Setting paper loading pause (GS p n)</source>
        <translation>Réglage de la pause de chargement du papier (GS p n)</translation>
    </message>
    <message>
        <source>   GS p n : Set paper loading pause</source>
        <translation>   GS p n : Régler la pause de chargement du papier</translation>
    </message>
    <message>
        <source>Setting TOF position (GS T n1 n2)</source>
        <translation>Réglage de la position du haut de page (GS T n1 n2)</translation>
    </message>
    <message>
        <source>   GS T n1 n2 : Set TOF position</source>
        <translation>   GS T n1 n2 : Régler la position du haut de page</translation>
    </message>
    <message>
        <source>Setting mark to cut position (GS X n1 n2)</source>
        <translation>Réglage de la position marque-coupe (GS X n1 n2)</translation>
    </message>
    <message>
        <source>   GS X n1 n2 : Set mark to cut position</source>
        <translation>   GS X n1 n2 : Régler la position marque-coupe</translation>
    </message>
    <message>
        <source>Setting Cut line to head dot line length (GS x n1 n2)</source>
        <translation>Réglage de la distance ligne de coupe - ligne de points de la tête (GS x n1 n2)</translation>
    </message>
    <message>
        <source>   GS x n1 n2 : Set cut line to head length</source>
        <translation>   GS x n1 n2 : Régler la distance coupe-tête</translation>
    </message>
    <message>
        <source>Setting opto to head dot line length (GS Y n1 n2)</source>
        <translation>Réglage de la distance capteur - ligne de points de la tête (GS Y n1 n2)</translation>
    </message>
    <message>
        <source>   GS Y n1 n2 : Set opto to head length</source>
        <translation>   GS Y n1 n2 : Régler la distance capteur-tête</translation>
    </message>
    <message>
        <source>Setting mark length (GS L n1)</source>
        <translation>Réglage de la longueur de marque (GS L n1)</translation>
    </message>
    <message>
        <source>   GS L n : Set mark length</source>
        <translation>   GS L n : Régler la longueur de marque</translation>
    </message>
    <message>
        <source>Setting Acceleration (GS a n)</source>
        <translation>Réglage de l&apos;accélération (GS a n)</translation>
    </message>
    <message>
        <source>   GS a n : Set acceleration smoothing</source>
        <translation>   GS a n : Régler le lissage de l&apos;accélération</translation>
    </message>
    <message>
        <source>Setting line pre-spacing (ESC 2 n)</source>
        <translation>Réglage de l&apos;espacement avant ligne (ESC 2 n)</translation>
    </message>
    <message>
        <source>   ESC 2 n : Set line pre-spacing</source>
        <translation>   ESC 2 n : Régler l&apos;espacement avant ligne</translation>
    </message>
    <message>
        <source>Setting line spacing (ESC 3 n)</source>
        <translation>Réglage de l&apos;interligne (ESC 3 n)</translation>
    </message>
    <message>
        <source>   ESC 3 n : Set line spacing</source>
        <translation>   ESC 3 n : Régler l&apos;interligne</translation>
    </message>
    <message>
        <source>Setting character spacing (ESC SP n)</source>
        <translation>Réglage de l&apos;espacement des caractères (ESC SP n)</translation>
    </message>
    <message>
        <source>   ESC SP n : Set character spacing</source>
        <translation>   ESC SP n : Régler l&apos;espacement des caractères</translation>
    </message>
    <message>
        <source>Setting maximun number of columns (ESC c n)</source>
        <translation>Réglage du nombre maximal de colonnes (ESC c n)</translation>
    </message>
    <message>
        <source>   ESC c n : Set max number of columns</source>
        <translation>   ESC c n : Régler le nombre max. de colonnes</translation>
    </message>
    <message>
        <source>Setting dynamic division (GS / n)</source>
        <translation>Réglage de la division dynamique (GS / n)</translation>
    </message>
    <message>
        <source>   GS / n : Set print speed / max current</source>
        <translation>   GS / n : Régler la vitesse d&apos;impression / le courant max.</translation>
    </message>
    <message>
        <source>Setting print intensity (GA D n)</source>
        <translation>Réglage de l&apos;intensité d&apos;impression (GS D n)</translation>
    </message>
    <message>
        <source>   GS D n : Set print intensity</source>
        <translation>   GS D n : Régler l&apos;intensité d&apos;impression</translation>
    </message>
    <message>
        <source>Setting busy hold time (GS b n)</source>
        <translation>Réglage de la durée de maintien BUSY (GS b n)</translation>
    </message>
    <message>
        <source>   GS b n : Set parallel port busy hold time</source>
        <translation>   GS b n : Régler la durée de maintien BUSY du port parallèle</translation>
    </message>
    <message>
        <source>Setting Barcode height (GS h n)</source>
        <translation>Réglage de la hauteur du code-barres (GS h n)</translation>
    </message>
    <message>
        <source>   GS h n : Barcode height</source>
        <translation>   GS h n : Hauteur du code-barres</translation>
    </message>
    <message>
        <source>Setting barcode magnification (GS w n)</source>
        <translation>Réglage du grossissement du code-barres (GS w n)</translation>
    </message>
    <message>
        <source>   GS w n : Barcode magnification</source>
        <translation>   GS w n : Grossissement du code-barres</translation>
    </message>
    <message>
        <source>Setting text position in barcode (GS H n)</source>
        <translation>Réglage de la position du texte du code-barres (GS H n)</translation>
    </message>
    <message>
        <source>   GS H n : Text position in barcode</source>
        <translation>   GS H n : Position du texte du code-barres</translation>
    </message>
    <message>
        <source>Setting barcode orientation (GS R n)</source>
        <translation>Réglage de l&apos;orientation du code-barres (GS R n)</translation>
    </message>
    <message>
        <source>   GS R n : Set/reset rotated barcode</source>
        <translation>   GS R n : Activer/désactiver le code-barres pivoté</translation>
    </message>
    <message>
        <source>Setting internationnal charset (ESC R n)</source>
        <translation>Réglage du jeu de caractères international (ESC R n)</translation>
    </message>
    <message>
        <source>   ESC R n : Select international char set</source>
        <translation>   ESC R n : Sélectionner le jeu de caractères international</translation>
    </message>
    <message>
        <source>Setting internal font (ESC % n)</source>
        <translation>Réglage de la police interne (ESC % n)</translation>
    </message>
    <message>
        <source>   ESC % n : Select internal font</source>
        <translation>   ESC % n : Sélectionner la police interne</translation>
    </message>
    <message>
        <source>Setting text justification (ESC C n)</source>
        <translation>Réglage de l&apos;alignement du texte (ESC C n)</translation>
    </message>
    <message>
        <source>   ESC C n : Set text justification</source>
        <translation>   ESC C n : Régler l&apos;alignement du texte</translation>
    </message>
    <message>
        <source>Setting rotated characters (ESC { n)</source>
        <translation>Réglage des caractères pivotés (ESC { n)</translation>
    </message>
    <message>
        <source>   ESC { n : Set/reset rotated characters</source>
        <translation>   ESC { n : Activer/désactiver les caractères pivotés</translation>
    </message>
    <message>
        <source>Setting print mode (ESC ! n)</source>
        <translation>Réglage du mode d&apos;impression (ESC ! n)</translation>
    </message>
    <message>
        <source>   ESC ! n : Set print mode</source>
        <translation>   ESC ! n : Régler le mode d&apos;impression</translation>
    </message>
    <message>
        <source>Setting serial com (GS B n)</source>
        <translation>Réglage de la communication série (GS B n)</translation>
    </message>
    <message>
        <source>   GS B n : Serial communication settings</source>
        <translation>   GS B n : Paramètres de communication série</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>No printer found</source>
        <translation>Aucune imprimante trouvée</translation>
    </message>
    <message>
        <source>No printer found on %1</source>
        <translation>Aucune imprimante trouvée sur %1</translation>
    </message>
    <message>
        <source>No printer found on %1 at %2 bauds</source>
        <translation>Aucune imprimante trouvée sur %1 à %2 bauds</translation>
    </message>
    <message>
        <source>No printer found on %1 at any speed</source>
        <translation>Aucune imprimante trouvée sur %1, quel que soit le débit</translation>
    </message>
    <message>
        <source>%1 found on %2</source>
        <translation>%1 détectée sur %2</translation>
    </message>
    <message>
        <source>%1 found on %2 at %3 bauds</source>
        <translation>%1 détectée sur %2 à %3 bauds</translation>
    </message>
    <message>
        <source>Power: 5V</source>
        <translation>Alimentation : 5 V</translation>
    </message>
    <message>
        <source>Power: 24V</source>
        <translation>Alimentation : 24 V</translation>
    </message>
    <message>
        <source>No Printer found</source>
        <translation>Aucune imprimante trouvée</translation>
    </message>
    <message>
        <source>NO Printer on %1 :</source>
        <translation>AUCUNE imprimante sur %1 :</translation>
    </message>
    <message>
        <source>%1 ,  %2 BAUDS </source>
        <translation>%1 ,  %2 bauds </translation>
    </message>
    <message>
        <source>This port does not exist<byte value="xd"/>%1</source>
        <translation>Ce port n&apos;existe pas
%1</translation>
    </message>
    <message>
        <source>You must select a serial port</source>
        <translation>Vous devez sélectionner un port série</translation>
    </message>
    <message>
        <source>You must select a parallel port</source>
        <translation>Vous devez sélectionner un port parallèle</translation>
    </message>
    <message>
        <source>Trying to wake-up the printer</source>
        <translation>Tentative de réveil de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1</source>
        <translation>Tentative de contact avec l&apos;imprimante sur %1</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1.</source>
        <translation>Tentative de contact avec l&apos;imprimante sur %1.</translation>
    </message>
    <message>
        <source>Attempting to contact printer on %1 at %2 bauds.</source>
        <translation>Tentative de contact avec l&apos;imprimante sur %1 à %2 bauds.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>The automatic search leaves this port out.</source>
        <translation>%1
La recherche automatique ignore ce port.</translation>
    </message>
    <message>
        <source>Need a Printer Connected<byte value="xd"/>Detect Printer Please</source>
        <translation>Une imprimante connectée est nécessaire
Veuillez détecter l&apos;imprimante</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>Nothing was sent.</source>
        <translation>%1
Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>Saving parameters</source>
        <translation>Mémorisation des paramètres</translation>
    </message>
    <message>
        <source>Parameters saved...   </source>
        <translation>Paramètres mémorisés…   </translation>
    </message>
    <message>
        <source>Saving sequence failed</source>
        <translation>Échec de la séquence de mémorisation</translation>
    </message>
    <message>
        <source>Saving Sequence Successful !</source>
        <translation>Séquence de mémorisation réussie !</translation>
    </message>
    <message>
        <source> Saving Sequence Failed<byte value="xd"/> Please verify that your software revision allow parameters modificaiton</source>
        <translation> Échec de la séquence de mémorisation
 Veuillez vérifier que la révision logicielle de l&apos;imprimante autorise la modification des paramètres</translation>
    </message>
    <message>
        <source>Saving Sequence Failed<byte value="xd"/>Please verify that your software revision<byte value="xd"/>allow parameters modificaiton</source>
        <translation>Échec de la séquence de mémorisation
Veuillez vérifier que la révision logicielle de l&apos;imprimante
autorise la modification des paramètres</translation>
    </message>
    <message>
        <source>Please reboot your printer by powering it down, then up.<byte value="xd"/>
Then, perform a printer detection again...</source>
        <translation>Veuillez redémarrer l&apos;imprimante en la mettant hors tension puis sous tension.
Ensuite, relancez une détection de l&apos;imprimante…</translation>
    </message>
    <message>
        <source>This will set the modified parameters as printer default.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>Les paramètres modifiés vont devenir les réglages par défaut de l&apos;imprimante.

Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>This will load the factory settings into the workspace<byte value="xd"/>
and transfer them to the printer.<byte value="xd"/>
<byte value="xd"/>
Do you want to continue?</source>
        <translation>Les réglages d&apos;usine vont être chargés dans l&apos;espace de travail
et transférés à l&apos;imprimante.

Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 28800 bauds<byte value="xd"/>
if the printer chipset is powered on 5V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>Impossible de régler le débit à 28800 bauds
si le circuit de l&apos;imprimante est alimenté en 5 V.

Débits disponibles : 
          1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200.

Le paramètre de débit ne sera pas modifié.</translation>
    </message>
    <message>
        <source>It is not possible to configure the baudrate at 38400 or 115200 bauds<byte value="xd"/>
if the printer chipset is powered on 3.3V.<byte value="xd"/>
<byte value="xd"/>
Available baudrates are: <byte value="xd"/>
          1200, 2400, 4800, 9600, 19200, 28800, 57600.<byte value="xd"/>
<byte value="xd"/>
The baudrate parameter will not be modified.</source>
        <translation>Impossible de régler le débit à 38400 ou 115200 bauds
si le circuit de l&apos;imprimante est alimenté en 3,3 V.

Débits disponibles : 
          1200, 2400, 4800, 9600, 19200, 28800, 57600.

Le paramètre de débit ne sera pas modifié.</translation>
    </message>
    <message>
        <source>%1 : BYTE Mode Error<byte value="xd"/>Please check you LPT setup </source>
        <translation>%1 : erreur du mode BYTE
Veuillez vérifier la configuration LPT </translation>
    </message>
    <message>
        <source>The LPT ports will be unusable !<byte value="xd"/>Please check your LPT port configuration !</source>
        <translation>Les ports LPT seront inutilisables !
Veuillez vérifier la configuration de vos ports LPT !</translation>
    </message>
    <message>
        <source>LPT Communication Port Error !</source>
        <translation>Erreur du port de communication LPT !</translation>
    </message>
    <message>
        <source>Parallel Object Error</source>
        <translation>Erreur du port parallèle</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>no such port</source>
        <translation>port inexistant</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>périphérique inexistant</translation>
    </message>
    <message>
        <source>%1: no %2 has this number</source>
        <translation>%1 : aucun périphérique de type « %2 » ne porte ce numéro</translation>
    </message>
    <message>
        <source>serial port</source>
        <translation>port série</translation>
    </message>
    <message>
        <source>USB printer</source>
        <translation>imprimante USB</translation>
    </message>
    <message>
        <source>parallel port</source>
        <translation>port parallèle</translation>
    </message>
    <message>
        <source>network printer</source>
        <translation>imprimante réseau</translation>
    </message>
    <message>
        <source>serial server</source>
        <translation>serveur série</translation>
    </message>
    <message>
        <source>speed refused</source>
        <translation>vitesse refusée</translation>
    </message>
    <message>
        <source>not a serial port</source>
        <translation>ce n&apos;est pas un port série</translation>
    </message>
    <message>
        <source>the device was disconnected</source>
        <translation>le périphérique a été déconnecté</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>utilisé par un autre programme</translation>
    </message>
    <message>
        <source>in use by %1 (process %2)</source>
        <translation>utilisé par %1 (processus %2)</translation>
    </message>
    <message>
        <source>in use by process %1</source>
        <translation>utilisé par le processus %1</translation>
    </message>
    <message>
        <source>in use by another program (%1 is held)</source>
        <translation>utilisé par un autre programme (%1 est verrouillé)</translation>
    </message>
    <message>
        <source>the port is in use by another driver or program</source>
        <translation>le port est utilisé par un autre pilote ou programme</translation>
    </message>
    <message>
        <source>%1 (ModemManager, which probes new modems, may hold it: `sudo fuser -v %2` names the holder)</source>
        <translation>%1 (ModemManager, qui interroge les nouveaux modems, l&apos;occupe peut-être : `sudo fuser -v %2` indique qui l&apos;occupe)</translation>
    </message>
    <message>
        <source>%1 (if it was not unplugged, ModemManager or brltty may have taken it: `dmesg` shows which)</source>
        <translation>%1 (s&apos;il n&apos;a pas été débranché, ModemManager ou brltty l&apos;a peut-être pris : `dmesg` indique lequel)</translation>
    </message>
    <message>
        <source>permission denied; join the dialout group (sudo adduser $USER dialout, then log in again)</source>
        <translation>accès refusé ; rejoignez le groupe dialout (sudo adduser $USER dialout, puis reconnectez-vous)</translation>
    </message>
    <message>
        <source>permission denied; join the lp group (sudo adduser $USER lp, then log in again)</source>
        <translation>accès refusé ; rejoignez le groupe lp (sudo adduser $USER lp, puis reconnectez-vous)</translation>
    </message>
    <message>
        <source>permission denied: %1 is yours%2</source>
        <translation>accès refusé : %1 vous appartient%2</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are in it%3</source>
        <translation>accès refusé : %1 appartient au groupe %2, dont vous êtes membre%3</translation>
    </message>
    <message>
        <source>permission denied: %1%2</source>
        <translation>accès refusé : %1%2</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2%3</source>
        <translation>accès refusé : %1 appartient au groupe %2%3</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, which you joined after this session started: log in again (or run newgrp %2)</source>
        <translation>accès refusé : %1 appartient au groupe %2, que vous avez rejoint après le début de cette session : reconnectez-vous (ou exécutez newgrp %2)</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are not in it</source>
        <translation>accès refusé : %1 appartient au groupe %2, dont vous n&apos;êtes pas membre</translation>
    </message>
    <message>
        <source>permission denied: %1 belongs to the group %2, and you are not in it; join it (sudo adduser $USER %2), then log in again</source>
        <translation>accès refusé : %1 appartient au groupe %2, dont vous n&apos;êtes pas membre ; rejoignez-le (sudo adduser $USER %2), puis reconnectez-vous</translation>
    </message>
    <message>
        <source>; its mode (%1) lets %2 read and write, so something else refuses it (an access control list, a security policy or a sandbox)</source>
        <translation>; son mode (%1) permet à %2 de lire et d&apos;écrire, donc autre chose refuse l&apos;accès (une liste de contrôle d&apos;accès, une politique de sécurité ou un bac à sable)</translation>
    </message>
    <message>
        <source>, but the device allows %1 no %2 (mode %3)</source>
        <translation>, mais le périphérique n&apos;accorde à %1 aucun droit en %2 (mode %3)</translation>
    </message>
    <message>
        <source>its owner</source>
        <translation>son propriétaire</translation>
    </message>
    <message>
        <source>its group</source>
        <translation>son groupe</translation>
    </message>
    <message>
        <source>everyone</source>
        <translation>tout le monde</translation>
    </message>
    <message>
        <source>read and write</source>
        <translation>lecture et écriture</translation>
    </message>
    <message>
        <source>read</source>
        <translation>lecture</translation>
    </message>
    <message>
        <source>write</source>
        <translation>écriture</translation>
    </message>
    <message>
        <source>the name now leads to another device (%1%2) than the printer was found on; detect the printer again</source>
        <translation>le nom mène maintenant à un autre périphérique (%1%2) que celui sur lequel l&apos;imprimante a été trouvée ; détectez de nouveau l&apos;imprimante</translation>
    </message>
    <message>
        <source>, not %1</source>
        <translation>, et non %1</translation>
    </message>
    <message>
        <source>another device</source>
        <translation>un autre périphérique</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>aucune réponse en %1 s</translation>
    </message>
    <message>
        <source>no address</source>
        <translation>aucune adresse</translation>
    </message>
    <message>
        <source>the name lookup failed</source>
        <translation>la résolution du nom a échoué</translation>
    </message>
    <message>
        <source>not a network address (HOST or HOST:PORT)</source>
        <translation>ce n&apos;est pas une adresse réseau (HOST ou HOST:PORT)</translation>
    </message>
    <message>
        <source>not a serial server address (HOST:PORT)</source>
        <translation>ce n&apos;est pas une adresse de serveur série (HOST:PORT)</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>l&apos;imprimante a fermé la connexion</translation>
    </message>
    <message>
        <source>the printer went away (%1)</source>
        <translation>l&apos;imprimante n&apos;est plus joignable (%1)</translation>
    </message>
    <message>
        <source>the printer stopped taking data</source>
        <translation>l&apos;imprimante n&apos;accepte plus de données</translation>
    </message>
    <message>
        <source>the server does not set serial lines (no RFC 2217)</source>
        <translation>le serveur ne règle pas les lignes série (pas de RFC 2217)</translation>
    </message>
    <message>
        <source>the serial server closed the connection</source>
        <translation>le serveur série a fermé la connexion</translation>
    </message>
    <message>
        <source>the printer sent more than 64 KiB before the server had set the line</source>
        <translation>l&apos;imprimante a envoyé plus de 64 KiB avant que le serveur ait réglé la ligne</translation>
    </message>
    <message>
        <source>the server set the line to %1, not %2</source>
        <translation>le serveur a réglé la ligne sur « %1 » et non sur « %2 »</translation>
    </message>
    <message>
        <source>no parity</source>
        <translation>sans parité</translation>
    </message>
    <message>
        <source>odd parity</source>
        <translation>parité impaire</translation>
    </message>
    <message>
        <source>even parity</source>
        <translation>parité paire</translation>
    </message>
    <message>
        <source>mark parity</source>
        <translation>parité mark</translation>
    </message>
    <message>
        <source>space parity</source>
        <translation>parité space</translation>
    </message>
    <message>
        <source>parity %1</source>
        <translation>parité %1</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <translation>1 bit de stop</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <translation>2 bits de stop</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <translation>1,5 bit de stop</translation>
    </message>
    <message>
        <source>stop size %1</source>
        <translation>valeur de bits de stop %1</translation>
    </message>
    <message>
        <source>no flow control</source>
        <translation>sans contrôle de flux</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <translation>contrôle de flux XON/XOFF</translation>
    </message>
    <message>
        <source>hardware flow control</source>
        <translation>contrôle de flux matériel</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <translation>%1 bits de données</translation>
    </message>
    <message>
        <source>%1 bit/s</source>
        <translation>%1 bits/s</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>aucune erreur</translation>
    </message>
    <message>
        <source>not implemented by this port</source>
        <translation>non implémenté par ce port</translation>
    </message>
    <message>
        <source>a capability the program needs is not available on this port</source>
        <translation>une fonction nécessaire au programme n&apos;est pas disponible sur ce port</translation>
    </message>
    <message>
        <source>the port did not answer in time</source>
        <translation>le port n&apos;a pas répondu à temps</translation>
    </message>
    <message>
        <source>the printer rejected the request</source>
        <translation>l&apos;imprimante a rejeté la demande</translation>
    </message>
    <message>
        <source>negotiation with the printer failed</source>
        <translation>la négociation avec l&apos;imprimante a échoué</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>the port could not be initialised</source>
        <translation>le port n&apos;a pas pu être initialisé</translation>
    </message>
    <message>
        <source>system error</source>
        <translation>erreur système</translation>
    </message>
    <message>
        <source>the printer gave no device ID</source>
        <translation>l&apos;imprimante n&apos;a fourni aucun identifiant de périphérique</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>le port n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>libieee1284 error %1</source>
        <translation>erreur libieee1284 %1</translation>
    </message>
    <message>
        <source>no parallel port support: %1</source>
        <translation>pas de prise en charge des ports parallèles : %1</translation>
    </message>
    <message>
        <source>the parallel port library does not list it</source>
        <translation>la bibliothèque des ports parallèles ne le répertorie pas</translation>
    </message>
    <message>
        <source>no parallel port at this address</source>
        <translation>aucun port parallèle à cette adresse</translation>
    </message>
    <message>
        <source>no parallel port at this number</source>
        <translation>aucun port parallèle sous ce numéro</translation>
    </message>
    <message>
        <source>%1: cannot claim the port: %2</source>
        <translation>%1 : impossible de réserver le port : %2</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrompu</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>file is larger than %1 bytes</source>
        <translation>le fichier dépasse %1 octets</translation>
    </message>
    <message>
        <source>file is larger than 1 byte</source>
        <translation>le fichier dépasse 1 octet</translation>
    </message>
    <message>
        <source>file is larger than %1 KiB</source>
        <translation>le fichier dépasse %1 Kio</translation>
    </message>
    <message>
        <source>file is larger than %1 MiB</source>
        <translation>le fichier dépasse %1 Mio</translation>
    </message>
    <message>
        <source>a symbolic link to a file of another user; not followed</source>
        <translation>un lien symbolique vers un fichier d&apos;un autre utilisateur ; il n&apos;est pas suivi</translation>
    </message>
    <message>
        <source>a symbolic link to a file that does not exist; not followed</source>
        <translation>un lien symbolique vers un fichier qui n&apos;existe pas ; il n&apos;est pas suivi</translation>
    </message>
    <message>
        <source>%1 is read only !</source>
        <translation>%1 est en lecture seule !</translation>
    </message>
    <message>
        <source>Some keys of %1 were skipped: their values are not valid.</source>
        <translation>Certaines clés de %1 ont été ignorées : leurs valeurs ne sont pas valides.</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>
   %2</source>
        <translation>%1
   %2</translation>
    </message>
    <message>
        <source>%1 (%2 is missing)</source>
        <translation>%1 (%2 manque)</translation>
    </message>
    <message>
        <source>print mode (%1 to %2): a group of options has no option selected</source>
        <translation>mode d&apos;impression (%1 à %2) : aucune option n&apos;est sélectionnée dans un groupe d&apos;options</translation>
    </message>
    <message>
        <source>The unit was stopped before its end</source>
        <translation>L&apos;unité a été arrêtée avant sa fin</translation>
    </message>
    <message>
        <source>The unit failed: %1</source>
        <translation>L&apos;unité a échoué : %1</translation>
    </message>
    <message>
        <source>The station stopped serving this port: %1</source>
        <translation>La station ne sert plus ce port : %1</translation>
    </message>
    <message>
        <source>The printer on %1 reports a fault: %2</source>
        <translation>L&apos;imprimante sur %1 signale un défaut : %2</translation>
    </message>
    <message>
        <source>No reply to the status request on %1</source>
        <translation>Aucune réponse à la demande d&apos;état sur %1</translation>
    </message>
    <message>
        <source>No reply to the status request on %1 at any speed</source>
        <translation>Aucune réponse à la demande d&apos;état sur %1, quel que soit le débit</translation>
    </message>
    <message>
        <source>Cannot open the audit log %1: %2</source>
        <translation>Impossible d&apos;ouvrir le journal d&apos;audit %1 : %2</translation>
    </message>
    <message>
        <source>Cannot write the audit log %1</source>
        <translation>Impossible d&apos;écrire le journal d&apos;audit %1</translation>
    </message>
    <message>
        <source>No port is chosen</source>
        <translation>Aucun port n&apos;est choisi</translation>
    </message>
    <message>
        <source>The port %1 is given twice</source>
        <translation>Le port %1 est indiqué deux fois</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Lecture impossible : %1</translation>
    </message>
    <message>
        <source>Cannot send %1: not a profile: it has none of the sections of a .pcf file</source>
        <translation>Impossible d&apos;envoyer %1 : ce n&apos;est pas un profil, il n&apos;a aucune des sections d&apos;un fichier .pcf</translation>
    </message>
    <message>
        <source>°C Head Problem</source>
        <translation>Problème de tête °C</translation>
    </message>
    <message>
        <source>Head Up</source>
        <translation>Tête levée</translation>
    </message>
    <message>
        <source>No Paper</source>
        <translation>Pas de papier</translation>
    </message>
    <message>
        <source>Vbat Problem</source>
        <translation>Problème Vbat</translation>
    </message>
    <message>
        <source>Mark Error</source>
        <translation>Erreur de marque</translation>
    </message>
    <message>
        <source>Cutter failure</source>
        <translation>Panne du massicot</translation>
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
        <translation>Impossible de régler la vitesse à %1 bauds
tant que l&apos;imprimante n&apos;a pas indiqué si son chipset est alimenté en 5 V ou en 3,3 V.

Vitesses disponibles : 
          1200, 2400, 4800, 9600, 19200, 57600.

Le paramètre de vitesse ne sera pas modifié.</translation>
    </message>
    <message>
        <source>the name now leads to another address (%1, not %2) than the printer was found at; detect the printer again</source>
        <translation>le nom mène maintenant à une autre adresse (%1, et non %2) que celle où l&apos;imprimante a été trouvée ; détectez de nouveau l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>ok</source>
        <translation>réussi</translation>
    </message>
    <message>
        <source>no_answer</source>
        <translation>aucune imprimante ne répond</translation>
    </message>
    <message>
        <source>not_stored</source>
        <translation>non enregistré</translation>
    </message>
    <message>
        <source>declined</source>
        <translation>refusé</translation>
    </message>
    <message>
        <source>bad_usage</source>
        <translation>utilisation incorrecte</translation>
    </message>
    <message>
        <source>file_error</source>
        <translation>erreur de fichier</translation>
    </message>
    <message>
        <source>output_error</source>
        <translation>erreur de sortie</translation>
    </message>
    <message>
        <source>port_absent</source>
        <translation>port absent</translation>
    </message>
    <message>
        <source>port_in_use</source>
        <translation>port occupé</translation>
    </message>
    <message>
        <source>permission_denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>port_lost</source>
        <translation>port perdu</translation>
    </message>
    <message>
        <source>port_unusable</source>
        <translation>port inutilisable</translation>
    </message>
    <message>
        <source>printer_fault</source>
        <translation>défaut de l&apos;imprimante</translation>
    </message>
</context>
<context>
    <name>SystemError</name>
    <message>
        <source>Permission denied</source>
        <translation>Permission non accordée</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce type</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Aucun périphérique de ce type</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Aucun périphérique ou adresse</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Périphérique ou ressource occupé</translation>
    </message>
    <message>
        <source>Connection refused</source>
        <translation>Connexion refusée</translation>
    </message>
    <message>
        <source>Connection timed out</source>
        <translation>Connexion terminée par expiration du délai d&apos;attente</translation>
    </message>
    <message>
        <source>No route to host</source>
        <translation>Aucun chemin d&apos;accès pour atteindre l&apos;hôte cible</translation>
    </message>
    <message>
        <source>Network is unreachable</source>
        <translation>Le réseau n&apos;est pas accessible</translation>
    </message>
    <message>
        <source>Connection reset by peer</source>
        <translation>Connexion ré-initialisée par le correspondant</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Relais brisé (pipe)</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop gros</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Aucun espace disponible sur le périphérique</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Système de fichiers accessible en lecture seulement</translation>
    </message>
    <message>
        <source>Inappropriate ioctl for device</source>
        <translation>Ioctl() inapproprié pour un périphérique</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Argument invalide</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>N&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Trop de fichiers ouverts</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Ressource temporairement non disponible</translation>
    </message>
    <message>
        <source>Protocol error</source>
        <translation>Erreur de protocole</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Nom de fichier trop long</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Débordement du quota d&apos;espace disque</translation>
    </message>
    <message>
        <source>Name or service not known</source>
        <translation>Nom ou service inconnu</translation>
    </message>
    <message>
        <source>Temporary failure in name resolution</source>
        <translation>Échec temporaire dans la résolution du nom</translation>
    </message>
    <message>
        <source>Non-recoverable failure in name resolution</source>
        <translation>Échec non récupérable lors de la résolution du nom</translation>
    </message>
    <message>
        <source>No address associated with hostname</source>
        <translation>Aucune adresse associée avec le nom de l&apos;hôte</translation>
    </message>
</context>
<context>
    <name>Tabs</name>
    <message>
        <source>Setup and hardware control</source>
        <translation>Configuration et contrôle matériel</translation>
    </message>
    <message>
        <source>Text and general commands</source>
        <translation>Commandes de texte et générales</translation>
    </message>
    <message>
        <source>Text and General commands</source>
        <translation>Commandes de texte et générales</translation>
    </message>
    <message>
        <source>Barcode commands</source>
        <translation>Commandes de code-barres</translation>
    </message>
    <message>
        <source>Hole/Black mark detection commands</source>
        <translation>Commandes de détection trou/marque noire</translation>
    </message>
    <message>
        <source>Hole and black mark detection commands</source>
        <translation>Commandes de détection trou et marque noire</translation>
    </message>
</context>
<context>
    <name>tessaro::app::ClientArea</name>
    <message>
        <source>List of modified parameters:</source>
        <translation>Liste des paramètres modifiés :</translation>
    </message>
    <message>
        <source>Set modified parameters as printer default</source>
        <translation>Définir les paramètres modifiés par défaut dans l&apos;imprimante</translation>
    </message>
    <message>
        <source>Recover Factory Settings</source>
        <translation>Restaurer les réglages d&apos;usine</translation>
    </message>
</context>
<context>
    <name>tessaro::app::ControlFactory</name>
    <message>
        <source>Serial speed</source>
        <translation>Débit série</translation>
    </message>
    <message>
        <source>Handshake</source>
        <translation>Contrôle de flux</translation>
    </message>
    <message>
        <source>IR mode</source>
        <translation>Mode IR</translation>
    </message>
</context>
<context>
    <name>tessaro::app::Form1</name>
    <message>
        <source>The configuration could not be loaded.<byte value="xd"/>
%1</source>
        <translation>La configuration n&apos;a pas pu être chargée.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>%1 no longer exists; it is removed from the recent profiles.</source>
        <translation>%1 n&apos;existe plus ; il est retiré des profils récents.</translation>
    </message>
    <message>
        <source>The configuration could not be saved.<byte value="xd"/>
%1</source>
        <translation>La configuration n&apos;a pas pu être enregistrée.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Do you want to save changes before closing?</source>
        <translation>Voulez-vous enregistrer les modifications avant de fermer ?</translation>
    </message>
    <message>
        <source>NO Port is openned. Please open a port.</source>
        <translation>AUCUN port n&apos;est ouvert. Veuillez ouvrir un port.</translation>
    </message>
    <message>
        <source>The production station has units under way. Stop it once they have ended, then close Tessaro?</source>
        <translation>Des unités sont en cours dans le poste de production. L&apos;arrêter une fois qu&apos;elles sont terminées, puis fermer Tessaro ?</translation>
    </message>
</context>
<context>
    <name>tessaro::app::Helpfrm</name>
    <message>
        <source>Tessaro Help</source>
        <translation>Aide de Tessaro</translation>
    </message>
</context>
<context>
    <name>tessaro::app::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Load Config From File to Workspace</source>
        <translation>&amp;Charger une configuration depuis un fichier</translation>
    </message>
    <message>
        <source>Recent &amp;profiles</source>
        <translation>Profils &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Save Workspace Config to File</source>
        <translation>&amp;Enregistrer la configuration dans un fichier</translation>
    </message>
    <message>
        <source>&amp;Reload Factory Settings to Workspace</source>
        <translation>Rec&amp;harger les réglages d&apos;usine dans l&apos;espace de travail</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Detect the printer</source>
        <translation>&amp;Détecter l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Configure the Printer</source>
        <translation>&amp;Configurer l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Recover Factory Settings</source>
        <translation>&amp;Restaurer les réglages d&apos;usine</translation>
    </message>
    <message>
        <source>&amp;Send Mofified Parameters to Printer</source>
        <translation>&amp;Envoyer les paramètres modifiés à l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Production station...</source>
        <translation>&amp;Poste de production…</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
</context>
<context>
    <name>tessaro::app::PortSelection</name>
    <message>
        <source>Communication Port Selection</source>
        <translation>Sélection du port de communication</translation>
    </message>
    <message>
        <source>Autodetect Printer</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>Current printer</source>
        <translation>Imprimante actuelle</translation>
    </message>
    <message>
        <source>Search progress</source>
        <translation>Avancement de la recherche</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>End the detection or the automatic search now</source>
        <translation>Mettre fin maintenant à la détection ou à la recherche automatique</translation>
    </message>
    <message>
        <source>Serial Port</source>
        <translation>Port série</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Débit (bauds) :</translation>
    </message>
    <message>
        <source>Handshake:</source>
        <translation>Contrôle de flux :</translation>
    </message>
    <message>
        <source>Detect Printer</source>
        <translation>Détecter l&apos;imprimante</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Port parallèle</translation>
    </message>
    <message>
        <source>USB and network</source>
        <translation>USB et réseau</translation>
    </message>
    <message>
        <source>Network printer</source>
        <translation>Imprimante réseau</translation>
    </message>
    <message>
        <source>host or host:port</source>
        <translation>hôte ou hôte:port</translation>
    </message>
    <message>
        <source>Network printer address</source>
        <translation>Adresse de l&apos;imprimante réseau</translation>
    </message>
    <message>
        <source>A printer on raw TCP; port 9100 unless the address names another</source>
        <translation>Une imprimante en TCP brut ; port 9100 sauf si l&apos;adresse en indique un autre</translation>
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
        <translation>Mode DSR/DTR</translation>
    </message>
    <message>
        <source>No printer found yet, please start detection.</source>
        <translation>Aucune imprimante trouvée pour l&apos;instant, veuillez lancer la détection.</translation>
    </message>
    <message>
        <source>The production station is using ports: the automatic search would reach its printers.</source>
        <translation>Le poste de production utilise des ports : la recherche automatique atteindrait ses imprimantes.</translation>
    </message>
    <message>
        <source>Enter the network printer&apos;s address (host or host:port).</source>
        <translation>Saisissez l&apos;adresse de l&apos;imprimante réseau (hôte ou hôte:port).</translation>
    </message>
    <message>
        <source>You must select a USB port or a network printer</source>
        <translation>Vous devez sélectionner un port USB ou une imprimante réseau</translation>
    </message>
    <message>
        <source>Serial server</source>
        <translation>Serveur série</translation>
    </message>
    <message>
        <source>host:port</source>
        <translation>hôte:port</translation>
    </message>
    <message>
        <source>Serial server address</source>
        <translation>Adresse du serveur série</translation>
    </message>
    <message>
        <source>A serial port on a network serial server (RFC 2217), as host:port; the speed and handshake below are set on it</source>
        <translation>Un port série sur un serveur série en réseau (RFC 2217), sous la forme hôte:port ; le débit et le contrôle de flux ci-dessous y sont appliqués</translation>
    </message>
    <message>
        <source>Enter the serial server&apos;s address (host:port).</source>
        <translation>Saisissez l&apos;adresse du serveur série (hôte:port).</translation>
    </message>
    <message>
        <source>Not a serial server&apos;s address: &quot;%1&quot;. Enter it as host:port, an IPv6 host in brackets ([::1]:2001).</source>
        <translation>Ce n&apos;est pas l&apos;adresse d&apos;un serveur série : « %1 ». Saisissez-la sous la forme hôte:port, un hôte IPv6 entre crochets ([::1]:2001).</translation>
    </message>
    <message>
        <source>Detection stopped.</source>
        <translation>Détection arrêtée.</translation>
    </message>
</context>
<context>
    <name>tessaro::app::QtFileDialogs</name>
    <message>
        <source>PCF Config Files (*.pcf)</source>
        <translation>Fichiers de configuration PCF (*.pcf)</translation>
    </message>
    <message>
        <source>Open File ...</source>
        <translation>Ouvrir un fichier…</translation>
    </message>
    <message>
        <source>Save Configuration as ...</source>
        <translation>Enregistrer la configuration sous…</translation>
    </message>
</context>
<context>
    <name>tessaro::app::SplashScreen</name>
    <message>
        <source>Rev: %1</source>
        <translation>Rév. : %1</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationDriver</name>
    <message>
        <source>stored %1, failed %2</source>
        <translation>mémorisées %1, en échec %2</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Démarrage</translation>
    </message>
    <message>
        <source>Waiting for a printer</source>
        <translation>En attente d&apos;une imprimante</translation>
    </message>
    <message>
        <source>Detecting the printer</source>
        <translation>Détection de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Waiting for the printer to leave</source>
        <translation>En attente du retrait de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Waiting for the next printer</source>
        <translation>En attente de l&apos;imprimante suivante</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Last unit: %1</source>
        <translation>Dernière imprimante : %1</translation>
    </message>
    <message>
        <source>Detecting the printer: %1</source>
        <translation>Détection de l&apos;imprimante : %1</translation>
    </message>
    <message>
        <source>Sending: %1</source>
        <translation>Envoi : %1</translation>
    </message>
    <message>
        <source>Cannot serve the port: %1</source>
        <translation>Impossible d&apos;utiliser le port : %1</translation>
    </message>
    <message>
        <source>Stored: %1 (%2)</source>
        <translation>Mémorisé : %1 (%2)</translation>
    </message>
    <message>
        <source>Failed (%1): %2</source>
        <translation>Échec (%1) : %2</translation>
    </message>
    <message>
        <source>All ports: %1</source>
        <translation>Tous les ports : %1</translation>
    </message>
    <message>
        <source>stored %1, failed %2, mean %3</source>
        <translation>mémorisées %1, en échec %2, moyenne %3</translation>
    </message>
    <message>
        <source>The station is running already</source>
        <translation>Le poste est déjà en marche</translation>
    </message>
    <message>
        <source>Stored: %1 (%2), not recorded in the audit log</source>
        <translation>Mémorisé : %1 (%2), non consigné dans le journal d&apos;audit</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationSetup</name>
    <message>
        <source>&amp;Repeat: configure each new printer as it arrives</source>
        <translation>&amp;Répéter : configurer chaque nouvelle imprimante à son arrivée</translation>
    </message>
    <message>
        <source>Profile to store</source>
        <translation>Profil à mémoriser</translation>
    </message>
    <message>
        <source>The current &amp;workspace</source>
        <translation>L&apos;&amp;espace de travail actuel</translation>
    </message>
    <message>
        <source>A profile &amp;file:</source>
        <translation>Un &amp;fichier de profil :</translation>
    </message>
    <message>
        <source>Profile file</source>
        <translation>Fichier de profil</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir…</translation>
    </message>
    <message>
        <source>Browse for a profile file</source>
        <translation>Rechercher un fichier de profil</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>No COM, USB or LPT port is there.</source>
        <translation>Aucun port COM, USB ou LPT n&apos;est présent.</translation>
    </message>
    <message>
        <source>&amp;Network printers (host or host:port):</source>
        <translation>&amp;Imprimantes réseau (hôte ou hôte:port) :</translation>
    </message>
    <message>
        <source>Network printers</source>
        <translation>Imprimantes réseau</translation>
    </message>
    <message>
        <source>Network printer to add</source>
        <translation>Imprimante réseau à ajouter</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Audit &amp;log:</source>
        <translation>&amp;Journal d&apos;audit :</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Parc&amp;ourir…</translation>
    </message>
    <message>
        <source>Browse for the audit log</source>
        <translation>Rechercher le journal d&apos;audit</translation>
    </message>
    <message>
        <source>(the file cannot be read)</source>
        <translation>(le fichier est illisible)</translation>
    </message>
    <message>
        <source>(no file chosen)</source>
        <translation>(aucun fichier choisi)</translation>
    </message>
    <message>
        <source>Name: %1
SHA-256: %2</source>
        <translation>Nom : %1
SHA-256 : %2</translation>
    </message>
    <message>
        <source>A network printer as host or host:port, or a serial printer on a network serial server as rfc2217://host:port</source>
        <translation>Une imprimante réseau sous la forme hôte ou hôte:port, ou une imprimante série sur un serveur série en réseau sous la forme rfc2217://hôte:port</translation>
    </message>
    <message>
        <source>Lab&amp;el:</source>
        <translation>Li&amp;bellé :</translation>
    </message>
    <message>
        <source>an order, a batch, an operator</source>
        <translation>une commande, un lot, un opérateur</translation>
    </message>
    <message>
        <source>Written in every record of the audit log</source>
        <translation>Écrit dans chaque enregistrement du journal d&apos;audit</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationTile</name>
    <message>
        <source>Not started</source>
        <translation>Non démarré</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Imprimante : %1</translation>
    </message>
    <message>
        <source>Run again</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>Run %1 again</source>
        <translation>Relancer %1</translation>
    </message>
</context>
<context>
    <name>tessaro::app::StationWindow</name>
    <message>
        <source>Production station</source>
        <translation>Poste de production</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Arrê&amp;ter</translation>
    </message>
    <message>
        <source>&amp;Messages:</source>
        <translation>&amp;Messages :</translation>
    </message>
    <message>
        <source>S&amp;top now</source>
        <translation>Arrê&amp;ter maintenant</translation>
    </message>
    <message>
        <source>Stopping: the units under way finish (Stop now stops them too).</source>
        <translation>Arrêt en cours : les imprimantes en cours terminent (Arrêter maintenant les arrête aussi).</translation>
    </message>
    <message>
        <source>Audit log</source>
        <translation>Journal d&apos;audit</translation>
    </message>
    <message>
        <source>Audit logs (*.jsonl);;All files (*)</source>
        <translation>Journaux d&apos;audit (*.jsonl);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Units are under way. Stop the station once they have ended, then close this window?</source>
        <translation>Des imprimantes sont en cours. Arrêter le poste dès qu&apos;elles auront terminé, puis fermer cette fenêtre ?</translation>
    </message>
    <message>
        <source>No profile file is chosen</source>
        <translation>Aucun fichier de profil n&apos;est choisi</translation>
    </message>
    <message>
        <source>The station cannot start.<byte value="xd"/>
%1</source>
        <translation>Le poste ne peut pas démarrer.<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>No audit log is chosen</source>
        <translation>Aucun journal d&apos;audit n&apos;est choisi</translation>
    </message>
    <message>
        <source>The main window is searching every port for a printer: start the station once the search has ended.</source>
        <translation>La fenêtre principale recherche une imprimante sur tous les ports : démarrez la station une fois la recherche terminée.</translation>
    </message>
    <message>
        <source>The main window is using %1: start the station once its operation has ended.</source>
        <translation>La fenêtre principale utilise %1 : démarrez la station une fois son opération terminée.</translation>
    </message>
    <message>
        <source>The profile changes no setting: every printer would only get the factory settings&apos; mark length and the saving sequence.<byte value="xd"/>
<byte value="xd"/>
Start anyway?</source>
        <translation>Le profil ne modifie aucun réglage : chaque imprimante ne recevrait que la longueur de marque des réglages d&apos;usine et la séquence d&apos;enregistrement.

Démarrer quand même ?</translation>
    </message>
    <message>
        <source>S&amp;ound on a failure</source>
        <translation>Son en cas d&apos;é&amp;chec</translation>
    </message>
    <message>
        <source>Reset &amp;counts</source>
        <translation>&amp;Remettre les compteurs à zéro</translation>
    </message>
</context>
<context>
    <name>tessaro::app::frmAbout</name>
    <message>
        <source>About Tessaro </source>
        <translation>À propos de Tessaro </translation>
    </message>
    <message>
        <source>Tessaro v: %1</source>
        <translation>Tessaro version : %1</translation>
    </message>
    <message>
        <source>Web:</source>
        <translation>Web :</translation>
    </message>
    <message>
        <source>Support:</source>
        <translation>Assistance :</translation>
    </message>
    <message>
        <source>Click to close</source>
        <translation>Cliquez pour fermer</translation>
    </message>
</context>
</TS>
