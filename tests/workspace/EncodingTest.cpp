// SPDX-License-Identifier: GPL-3.0-or-later
// Captions and argument bytes of the sliders, at the edges the printer cares about.

#include "workspace/Encoding.h"

#include "workspace/Catalogue.h"
#include "workspace/NumberText.h"

#include <gtest/gtest.h>

namespace tessaro::workspace {
namespace {

TEST(NumberText, LeadingBlankShortestFormNoZeroBeforeThePoint) {
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(-60), "-60");
    EXPECT_EQ(numberText(3, 4), " .75");
    EXPECT_EQ(numberText(-4, 8), "-.5");
    EXPECT_EQ(numberText(104, 8), " 13");
    EXPECT_EQ(numberText(-4095, 8), "-511.875");
    EXPECT_EQ(numberText(12, 8), " 1.5");
}

std::string caption(std::string_view key, int v) {
    return sliderCaption(control(controlId(key)), v);
}

TEST(SliderCaption, LabelNumberAndUnit) {
    EXPECT_EQ(caption("SliderMaxcurrent", 1), "Dynamic Division : 1 Black Byte");
    EXPECT_EQ(caption("SliderMaxcurrent", 2), "Dynamic Division : 2 Black Bytes");
    EXPECT_EQ(caption("SliderIntensity", -60), "Intensity :-60%");
    EXPECT_EQ(caption("SlidAccel", 20), "Acceleration smoothing :    20%");
    EXPECT_EQ(caption("SliderAutosleep", 3), "Autosleep Time : 15 s");
    EXPECT_EQ(caption("SliderBusyhold", 255), "Busy Hold Time : 285µs");
    EXPECT_EQ(caption("SliderPLpause", 3), "Paper Loading Pause : .75 sec");
    EXPECT_EQ(caption("SliderPLpause", 124), "Paper Loading Pause : 31 sec");
    EXPECT_EQ(caption("SliderPLlength", 40), "Paper Loading Length : 40 mm");
    EXPECT_EQ(caption("SliderMaxcolumn", 255), "Max Characters/Line : 255");
    EXPECT_EQ(caption("SliderBarcodeheight", 128), "Barcode Height : 16mm");
    EXPECT_EQ(caption("SliderBarmagn", 3), "Barcode Magnification : .375mm");
    EXPECT_EQ(caption("SliderOPTOHEAD", 104), "Opto To Head Length : 13 mm");
    EXPECT_EQ(caption("SliderTOFpos", -4), "Top Of Form Position :-.5 mm");
}

TEST(SliderArguments, EveryPositionInRangeFitsItsBytes) {
    // Walk every position, with and without continuous paper: each number fits its bytes.
    for (const ControlSpec& def : controls()) {
        if (def.kind != ControlKind::Slider) {
            continue;
        }
        for (int v = def.min; v <= def.max; ++v) {
            for (const bool continuous : {false, true}) {
                const ArgumentValue a = sliderArgumentValue(def, v, continuous);
                ASSERT_TRUE(a.fits()) << def.key << " at " << v << " sends " << a.value;
                EXPECT_EQ(sliderArguments(def, v, continuous).size, a.bytes);
            }
        }
    }
}

TEST(Catalogue, FactoryValuesLieInTheirRanges) {
    for (const ControlSpec& def : controls()) {
        EXPECT_GE(def.factory, def.min) << def.key;
        EXPECT_LE(def.factory, def.max) << def.key;
    }
}

} // namespace
} // namespace tessaro::workspace
