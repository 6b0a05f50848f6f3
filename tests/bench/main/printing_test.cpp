// Printing: what the printed page holds, the copies to the clipboard and a missing printer.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/printout.h"
#include "bench/scope/bench_fixture.h"
#include "bench/scope/renderer.h"
#include "physics/grey_level.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

// The panel on in DUAL, both channels in AC, 1 ms/div, 2 V/div, centred; the page printed on
// the fake printer.
class Printout : public testing::Bench {
  protected:
    void SetUp() override { switchOnAndPlug(); }

    const RecordingSurface& print() {
        const bool printed = app.platform().printPage([this](Surface& page) { DrawPrintout(app, page); });
        EXPECT_TRUE(printed);
        return platform.printedPages.back();
    }
    void printing(const std::string& key, int trace, const std::string& value) {
        app.WriteIni("Impression", key + (trace == 0 ? " Voie A" : " Voie B"), value);
    }
    static std::vector<RecordedText> markers(const RecordingSurface& page, Color c) {
        std::vector<RecordedText> out;
        for (const auto& t : page.texts())
            if (t.font == "Wingdings" && t.color == c) out.push_back(t);
        return out;
    }
    static std::vector<RecordedLine> linesIn(const RecordingSurface& page, Color c) {
        std::vector<RecordedLine> out;
        for (const auto& l : page.lines())
            if (l.color == c) out.push_back(l);
        return out;
    }
    // The traces' colours on paper (the screen's yellow is darkened there).
    Color ch1() const { return InkOnPaper(app.g.CouleurA); }
    Color ch2() const { return InkOnPaper(app.g.CouleurB); }
};

TEST_F(Printout, TracesFollowTheScreenWithSquareMeanAndInversion) {
    source(SideA, "Sinus", 5, 250);
    source(SideB, "Carre", 2, 1000);
    generator(SideB, 25, 100, true); // a quarter-duty square: AC coupling lowers it by half its amplitude
    user::click(scope().cmdVoie[2]); // -CH2
    const RecordingSurface& page = print();
    // Away from the square's edges, where the screen draws vertical steps and the page samples.
    for (double x : {-497.0, -490.0, -440.0, -251.0, 12.0, 60.0, 333.0, 497.0}) {
        EXPECT_NEAR(*page.yAt(ch1(), x), *screen().yAt(app.g.CouleurA, x), 1e-6) << x;
        EXPECT_NEAR(*page.yAt(ch2(), x), *screen().yAt(app.g.CouleurB, x), 1e-6) << x;
    }
    // The mean of ±2 V at 25 % is −1 V; without it the square runs from 3 V down to −1 V, that is
    // 150 and −50 units, and inverted −150 for the first quarter period, then 50.
    EXPECT_NEAR(*page.yAt(ch2(), -490), -150, 1e-6);
    EXPECT_NEAR(*page.yAt(ch2(), -440), 50, 1e-6);
}

TEST_F(Printout, EachTraceHasItsStyleMarkersAndLegend) {
    source(SideA, "Sinus", 5, 250);
    source(SideB, "Cc", 3, 0);
    printing("Style Ligne", 0, "3");
    printing("Motif Marque", 0, "2");
    printing("Taille Marque", 0, "4");
    printing("Style Ligne", 1, "1");
    printing("Marque", 1, "0");
    const RecordingSurface& page = print();

    for (const auto& l : linesIn(page, ch1()))
        EXPECT_EQ(l.style, LineStyle::DashDot);
    for (const auto& l : linesIn(page, ch2()))
        EXPECT_EQ(l.style, LineStyle::Dash);

    // A hollow square of 16 points every half division (21), one on the legend's sample line and
    // one after the legend's text; none on trace B.
    const auto a = markers(page, ch1());
    ASSERT_EQ(a.size(), 23U);
    for (const auto& m : a) {
        EXPECT_EQ(m.text, "o");
        EXPECT_EQ(m.points, 16);
    }
    EXPECT_TRUE(markers(page, ch2()).empty());

    // The second marker sits on the sine an eighth of a period in: 250·sin(π/4) up.
    RecordingSurface probe(page.widthPixels(), page.heightPixels());
    probe.setScale(page.left(), page.top(), page.right(), page.bottom());
    probe.setFont("Wingdings", 16);
    const double w = probe.textWidth("o"), h = probe.textHeight("o");
    EXPECT_NEAR(a[1].x + w / 2, -450, 1e-9);
    EXPECT_NEAR(a[1].y - h / 2, 250 * std::sin(std::numbers::pi / 4), 1e-6);
    for (const auto& t : page.texts()) // the legend's words are the print_sine_with_markers scenario's
        EXPECT_TRUE(t.font == "Wingdings" || t.font == "Arial") << t.font;
}

TEST_F(Printout, WithoutSettingsBothTracesAreSolidWithSmallDiamondsThatInterleave) {
    source(SideA, "Cc", 1, 0);
    source(SideB, "Cc", 1, 0);
    const RecordingSurface& page = print();
    const auto a = markers(page, ch1());
    const auto b = markers(page, ch2());
    ASSERT_EQ(a.size(), 23U); // −500, −450 … 500, then the legend's two
    ASSERT_EQ(b.size(), 22U); // −474 … 476, then the legend's two
    EXPECT_EQ(a[0].text, "u");
    EXPECT_EQ(a[0].points, 8);
    EXPECT_LT(a[0].x, b[0].x);
    EXPECT_LT(b[0].x, a[1].x);
    for (const auto& l : page.lines())
        EXPECT_EQ(l.style, l.y1 == 250 || l.y1 == -250 ? LineStyle::Dot : LineStyle::Solid);
}

TEST_F(Printout, NothingLeavesTheScreen) {
    source(SideA, "Cc", 20, 0); // 10 divisions up
    const RecordingSurface& high = print();
    for (const auto& l : linesIn(high, ch1()))
        EXPECT_LE(std::max(l.y1, l.y2), 400);
    EXPECT_EQ(markers(high, ch1()).size(), 2U); // the legend's only
}

TEST_F(Printout, AddAndXYPrintOneTraceWithOneLegend) {
    source(SideA, "Sinus", 2, 1000);
    source(SideB, "Cc", 2, 0);
    user::click(scope().cmdVoie[1]); // DUAL → ADD
    const RecordingSurface& add = print();
    EXPECT_NE(add.joinedTexts().find("Voies CH1 + CH2 : tension sinusoïdale + tension continue"),
              std::string::npos);
    EXPECT_EQ(linesIn(add, ch2()).size(), 0U);
    EXPECT_NEAR(*add.maxY(ch1()), 200, 1); // 1 + 1 division

    user::click(scope().cmdVoie[1]); // ADD → XY
    const RecordingSurface& xy = print();
    EXPECT_NE(xy.joinedTexts().find("XY, CH1 en X : tension sinusoïdale, CH2 en Y : tension continue"),
              std::string::npos);
    // CH1 sweeps across ±1 division while CH2 holds the spot 1 division up.
    EXPECT_NEAR(*xy.minX(ch1()), -500, 1e-9); // the legend's sample line starts at the left edge
    EXPECT_NEAR(*xy.yAt(ch1(), 50), 100, 1e-6);
}

using PrintMenus = testing::AppFixture;

TEST_F(PrintMenus, AMissingPrinterIsReportedAndNothingIsPrinted) {
    start();
    platform.messageAnswers = {vbYes};
    platform.noPrinter = true;
    user::click(app.mdi().Mnu_Print);
    ASSERT_EQ(platform.messages.size(), 2U);
    EXPECT_EQ(platform.messages[0].flags, vbYesNo | vbQuestion);
    EXPECT_EQ(platform.messages[1].title, "Ondivel - Erreur");
    EXPECT_EQ(platform.messages[1].flags, vbExclamation);
    EXPECT_TRUE(platform.printedPages.empty());
}

// Regression: the signature stayed on the live screen and piled up copy after copy.
TEST_F(PrintMenus, TheSignatureGoesOnTheCopyNotOnTheLiveScreen) {
    start();
    const auto& screen = static_cast<const RecordingSurface&>(app.frmOndivel().screen());
    for (int copy = 0; copy < 2; ++copy) {
        user::click(app.mdi().Mnu_ClipBoard[copy]);
        ASSERT_TRUE(platform.clipboard.has_value());
        const std::string texts = platform.clipboard->joinedTexts();
        EXPECT_NE(texts.find("Ondivel v.1.0"), std::string::npos) << texts;
        EXPECT_EQ(texts.find("Ondivel v.1.0"), texts.rfind("Ondivel v.1.0")) << texts;
        EXPECT_EQ(screen.joinedTexts().find("Ondivel"), std::string::npos);
    }
    EXPECT_EQ(platform.clipboardCopies, 2);
}

} // namespace
} // namespace ondivel
