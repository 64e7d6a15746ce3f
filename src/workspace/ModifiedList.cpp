#include "workspace/ModifiedList.h"

#include <span>
#include <string_view>

namespace tessaro::workspace {
namespace {

struct Line {
    Param param;
    std::string_view text;
};

struct Group {
    std::string_view heading;
    std::span<const Line> lines;
};

constexpr Line kSetup[] = {
    {Param::Maxcurrent, "   GS / n : Set print speed / max current"},
    {Param::PFSspeed, "   GS s n1 n2 : Set maximum print out speed"},
    {Param::Accel, "   GS a n : Set acceleration smoothing"},
    {Param::Intensity, "   GS D n : Set print intensity"},
    {Param::Autosleep, "   ESC A n : Set the autosleep time"},
    {Param::Serial, "   GS B n : Serial communication settings"},
    {Param::Busyhold, "   GS b n : Set parallel port busy hold time"},
    {Param::PLpause, "   GS p n : Set paper loading pause"},
    {Param::PLlength, "   GS P n1 n2 : Set paper loading length"},
    {Param::PLspeed, "   GS M n1 n2 : Set paper loading speed"},
};

constexpr Line kText[] = {
    {Param::Internalfont, "   ESC % n : Select internal font"},
    {Param::Charset, "   ESC R n : Select international char set"},
    {Param::Prelinespacing, "   ESC 2 n : Set line pre-spacing"},
    {Param::Linespacing, "   ESC 3 n : Set line spacing"},
    {Param::Charspacing, "   ESC SP n : Set character spacing"},
    {Param::Maxcolumn, "   ESC c n : Set max number of columns"},
    {Param::Justification, "   ESC C n : Set text justification"},
    {Param::PrintMode, "   ESC ! n : Set print mode"},
    {Param::Rotated, "   ESC { n : Set/reset rotated characters"},
};

constexpr Line kBarcode[] = {
    {Param::Barcodeheight, "   GS h n : Barcode height"},
    {Param::Barmagn, "   GS w n : Barcode magnification"},
    {Param::Barcodepos, "   GS H n : Text position in barcode"},
    {Param::Barcodeori, "   GS R n : Set/reset rotated barcode"},
};

constexpr Line kHole[] = {
    {Param::TOFpos, "   GS T n1 n2 : Set TOF position"},
    {Param::MARKCUT, "   GS X n1 n2 : Set mark to cut position"},
    {Param::HEADCUT, "   GS x n1 n2 : Set cut line to head length"},
    {Param::OPTOHEAD, "   GS Y n1 n2 : Set opto to head length"},
    {Param::MarkLength, "   GS L n : Set mark length"},
};

constexpr Group kGroups[] = {
    {"Setup and hardware control", kSetup},
    {"Text and General commands", kText},
    {"Barcode commands", kBarcode},
    {"Hole and black mark detection commands", kHole},
};

} // namespace

std::string modifiedListText(const std::array<bool, kParamCount>& modified) {
    std::string text;
    for (const Group& group : kGroups) {
        std::string lines;
        for (const Line& line : group.lines) {
            if (modified[index(line.param)]) {
                lines.append(line.text).append("\r\n");
            }
        }
        if (!lines.empty()) {
            text.append(group.heading).append("\r\n").append(lines).append("\r\n");
        }
    }
    return text;
}

} // namespace tessaro::workspace
