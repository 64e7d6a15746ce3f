#include "protocol/CommandTable.h"

namespace tessaro::protocol {

using workspace::Param;

const std::array<CommandRow, 28>& commandTable() {
    static constexpr std::array<CommandRow, 28> kTable{{
        {1, Param::Autosleep, ESC, 'A', "Setting autosleep (ESC A n)"},
        {2, Param::PFSspeed, GS, 's', "Setting max speed (GS s n1 n2)"},
        {3, Param::PLlength, GS, 'P', "Setting paper loading length (GS P n1 n2)"},
        {4, Param::PLspeed, GS, 'M', "Setting paper loading speed (GS M n1 n2)"},
        {5, Param::PLpause, GS, 'p', "Setting paper loading pause (GS p n)"},
        {6, Param::TOFpos, GS, 'T', "Setting TOF position (GS T n1 n2)"},
        {7, Param::MARKCUT, GS, 'X', "Setting mark to cut position (GS X n1 n2)"},
        {8, Param::HEADCUT, GS, 'x', "Setting Cut line to head dot line length (GS x n1 n2)"},
        {9, Param::OPTOHEAD, GS, 'Y', "Setting opto to head dot line length (GS Y n1 n2)"},
        {10, Param::MarkLength, GS, 'L', "Setting mark length (GS L n1)"},
        {11, Param::Accel, GS, 'a', "Setting Acceleration (GS a n)"},
        {12, Param::Prelinespacing, ESC, '2', "Setting line pre-spacing (ESC 2 n)"},
        {13, Param::Linespacing, ESC, '3', "Setting line spacing (ESC 3 n)"},
        {14, Param::Charspacing, ESC, ' ', "Setting character spacing (ESC SP n)"},
        {15, Param::Maxcolumn, ESC, 'c', "Setting maximun number of columns (ESC c n)"},
        {16, Param::Maxcurrent, GS, '/', "Setting dynamic division (GS / n)"},
        // The text says GA; the bytes are GS D n.
        {17, Param::Intensity, GS, 'D', "Setting print intensity (GA D n)"},
        {18, Param::Busyhold, GS, 'b', "Setting busy hold time (GS b n)"},
        {19, Param::Barcodeheight, GS, 'h', "Setting Barcode height (GS h n)"},
        {20, Param::Barmagn, GS, 'w', "Setting barcode magnification (GS w n)"},
        {21, Param::Barcodepos, GS, 'H', "Setting text position in barcode (GS H n)"},
        {22, Param::Barcodeori, GS, 'R', "Setting barcode orientation (GS R n)"},
        {23, Param::Charset, ESC, 'R', "Setting internationnal charset (ESC R n)"},
        {24, Param::Internalfont, ESC, '%', "Setting internal font (ESC % n)"},
        {25, Param::Justification, ESC, 'C', "Setting text justification (ESC C n)"},
        {26, Param::Rotated, ESC, '{', "Setting rotated characters (ESC { n)"},
        {27, Param::PrintMode, ESC, '!', "Setting print mode (ESC ! n)"},
        {28, Param::Serial, GS, 'B', "Setting serial com (GS B n)"},
    }};
    return kTable;
}

} // namespace tessaro::protocol
