#include "workspace/ProfileKeys.h"

#include <array>
#include <cctype>

namespace tessaro::workspace {
namespace {

using SV = std::string_view;

constexpr std::array<SV, 1> key(SV k) {
    return {k};
}

constexpr auto kMaxcurrent = key("SliderMaxcurrent");
constexpr auto kIntensity = key("SliderIntensity");
constexpr auto kAccel = key("SlidAccel");
constexpr auto kPFSspeed = key("SliderPFSspeed");
constexpr auto kAutosleep = key("SliderAutosleep");
constexpr std::array<SV, 3> kSerial{"serialspeed", "serialhandshake", "irda"};
constexpr auto kBusyhold = key("SliderBusyhold");
constexpr auto kPLpause = key("SliderPLpause");
constexpr auto kPLspeed = key("SliderPLspeed");
constexpr auto kPLlength = key("SliderPLlength");
constexpr auto kPrelinespacing = key("SliderPrelinespacing");
constexpr auto kLinespacing = key("SliderLinespacing");
constexpr auto kCharspacing = key("SliderCharspacing");
constexpr auto kMaxcolumn = key("SliderMaxcolumn");
constexpr std::array<SV, 8> kPrintMode{"height1", "height2", "height4",  "width1",
                                       "width2",  "width4",  "underyes", "underno"};
constexpr auto kCharset = key("Charset");
constexpr auto kJustification = key("Justification");
constexpr auto kInternalfont = key("Internalfont");
constexpr auto kRotated = key("Rotated");
constexpr auto kBarcodeori = key("Barcodeori");
constexpr auto kBarcodepos = key("Barcodepos");
constexpr auto kBarcodeheight = key("SliderBarcodeheight");
constexpr auto kBarmagn = key("SliderBarmagn");
constexpr auto kTOFpos = key("SliderTOFpos");
constexpr auto kMARKCUT = key("SliderMARKCUT");
constexpr auto kHEADCUT = key("SliderHEADCUT");
constexpr auto kOPTOHEAD = key("SliderOPTOHEAD");
constexpr auto kMarkLength = key("SliderMarkLength");

constexpr std::array<ProfileRow, 28> kRows{{
    {kSetupSection, kMaxcurrent, Param::Maxcurrent},
    {kSetupSection, kIntensity, Param::Intensity},
    {kSetupSection, kAccel, Param::Accel},
    {kSetupSection, kPFSspeed, Param::PFSspeed},
    {kSetupSection, kAutosleep, Param::Autosleep},
    {kSetupSection, kSerial, Param::Serial},
    {kSetupSection, kBusyhold, Param::Busyhold},
    {kSetupSection, kPLpause, Param::PLpause},
    {kSetupSection, kPLspeed, Param::PLspeed},
    {kSetupSection, kPLlength, Param::PLlength},
    {kTextSection, kPrelinespacing, Param::Prelinespacing},
    {kTextSection, kLinespacing, Param::Linespacing},
    {kTextSection, kCharspacing, Param::Charspacing},
    {kTextSection, kMaxcolumn, Param::Maxcolumn},
    {kTextSection, kPrintMode, Param::PrintMode},
    {kTextSection, kCharset, Param::Charset},
    {kTextSection, kJustification, Param::Justification},
    {kTextSection, kInternalfont, Param::Internalfont},
    {kTextSection, kRotated, Param::Rotated},
    {kBarcodeSection, kBarcodeori, Param::Barcodeori},
    {kBarcodeSection, kBarcodepos, Param::Barcodepos},
    {kBarcodeSection, kBarcodeheight, Param::Barcodeheight},
    {kBarcodeSection, kBarmagn, Param::Barmagn},
    {kHoleSection, kTOFpos, Param::TOFpos},
    {kHoleSection, kMARKCUT, Param::MARKCUT},
    {kHoleSection, kHEADCUT, Param::HEADCUT},
    {kHoleSection, kOPTOHEAD, Param::OPTOHEAD},
    {kHoleSection, kMarkLength, Param::MarkLength},
}};

} // namespace

std::span<const ProfileRow> profileRows() {
    return kRows;
}

std::string_view configNameFromFileTitle(std::string_view fileTitle) {
    constexpr std::string_view kExtension = ".pcf";
    if (fileTitle.size() <= kExtension.size()) {
        return fileTitle;
    }
    const auto tail = fileTitle.substr(fileTitle.size() - kExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const auto c = static_cast<unsigned char>(tail[i]);
        if (std::tolower(c) != kExtension[i]) {
            return fileTitle;
        }
    }
    return fileTitle.substr(0, fileTitle.size() - kExtension.size());
}

} // namespace tessaro::workspace
