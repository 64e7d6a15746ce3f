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
    EXPECT_EQ(numberText(5), " 5");
    EXPECT_EQ(numberText(-60), "-60");
    EXPECT_EQ(numberText(3, 4), " .75");
    EXPECT_EQ(numberText(-4, 8), "-.5");
    EXPECT_EQ(numberText(104, 8), " 13");
    EXPECT_EQ(numberText(1, 8), " .125");
    EXPECT_EQ(numberText(-4095, 8), "-511.875");
    EXPECT_EQ(numberText(12, 8), " 1.5");
}

std::string caption(std::string_view key, int v, bool continuous = false) {
    return sliderCaption(control(controlId(key)), v, continuous);
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
    EXPECT_EQ(caption("SliderMarkLength", 20), "MarkLength : 2.5 mm");
    EXPECT_EQ(caption("SliderMarkLength", 20, true), "MarkLength: Continuous paper feed mode");
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
    const auto& accel = control(controlId("SlidAccel"));
    EXPECT_EQ(sliderArguments(accel, 20), oneByte(204));
    EXPECT_EQ(sliderArguments(control(controlId("SliderIntensity")), 0), oneByte(128));
    EXPECT_EQ(sliderArguments(control(controlId("SliderPFSspeed")), 62), twoBytes(2016));
    EXPECT_EQ(sliderArguments(control(controlId("SliderPLspeed")), 11), twoBytes(11363));
}

TEST(Catalogue, CountsAndFactoryValuesLieInTheirRanges) {
    int sliders = 0, lists = 0, options = 0, boxes = 0;
    for (const ControlSpec& def : controls()) {
        sliders += def.kind == ControlKind::Slider;
        lists += def.kind == ControlKind::List;
        options += def.kind == ControlKind::Option;
        boxes += def.kind == ControlKind::CheckBox;
        EXPECT_GE(def.factory, def.min) << def.key;
        EXPECT_LE(def.factory, def.max) << def.key;
        EXPECT_TRUE(findFrame(def.frame).has_value()) << def.key;
    }
    EXPECT_EQ(sliders, 20);
    EXPECT_EQ(lists, 9);
    EXPECT_EQ(options, 8);
    EXPECT_EQ(boxes, 1);
    int tooltips = 0;
    for (const FrameSpec& frame : frames()) {
        tooltips += !frame.tooltip.empty();
    }
    EXPECT_EQ(tooltips, 27);
}

} // namespace
} // namespace tessaro::workspace
