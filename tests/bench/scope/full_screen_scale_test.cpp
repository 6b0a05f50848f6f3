// The full-screen view for a projector: magnified with its height past 800 pixels, and thick
// traces in the projection colours.
#include <gtest/gtest.h>

#include <limits>

#include "bench/main/screen_colours.h"
#include "bench/scope/bench_fixture.h"
#include "bench/scope/full_screen_scale.h"
#include "bench/scope/renderer.h"
#include "bench/scope/scales.h"

namespace ondivel {
namespace {

TEST(FullScreenScale, TheDocumentsSizesUpTo800PixelsThenInProportionCapped) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double height, scale;
    };
    // clang-format off
    const Case cases[] = {
        {-100, 1},       // never smaller than the documents' sizes
        {0,    1},
        {768,  1},       // a 1024 × 768 work area
        {800,  1},       // the reference
        {801,  1.00125},
        {1080, 1.35},
        {1200, 1.5},
        {2160, 2.7},
        {4800, 6},       // the cap
        {1e9,  6},       // whatever a platform reports
        {inf,  6},
        {std::numeric_limits<double>::quiet_NaN(), 1},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(FullScreenScale(c.height), c.scale) << c.height;
}

// The full-screen view of a 1920 × 1080 work area, a 2 V DC on CH1.
class ProjectedScreen : public testing::Bench {
  protected:
    void SetUp() override {
        app.mdi().LargeurZoneTravail = 1920 * 15;
        app.mdi().HauteurZoneTravail = 1080 * 15;
        switchOnAndPlug();
        source(SideA, "Cc", 2, 0);
    }
    void projectionColours() {
        Globals& g = app.g;
        const auto projected = [](int i) {
            return kScreenColours[static_cast<std::size_t>(i)].forProjection;
        };
        g.CouleurEcran = projected(kColourScreen);
        g.CouleurGrille = projected(kColourGrid);
        g.CouleurCadre = projected(kColourFrame);
        const Color a = projected(kColourTraceA), b = projected(kColourTraceB);
        g.RougeA = static_cast<std::int16_t>(redOf(a));
        g.VertA = static_cast<std::int16_t>(greenOf(a));
        g.BleuA = static_cast<std::int16_t>(blueOf(a));
        g.RougeB = static_cast<std::int16_t>(redOf(b));
        g.VertB = static_cast<std::int16_t>(greenOf(b));
        g.BleuB = static_cast<std::int16_t>(blueOf(b));
        BlendTraceColours(g);
    }
    void openFullScreen() { user::dblClick(scope().picEcran); }
    // The width of the CH1 trace drawn on the full-screen view.
    int traceWidth() {
        for (const RecordedLine& l : fullScreen().lines())
            if (l.color == app.g.CouleurA) return l.width;
        return 0;
    }
};

TEST_F(ProjectedScreen, TheViewMagnifiesWhatTheModelDrawsAtTheDocumentsSizes) {
    openFullScreen();
    EXPECT_DOUBLE_EQ(app.frmFullScreen().viewScale(), 1.35);
    EXPECT_DOUBLE_EQ(app.frmFullScreen().readoutPoints(), 12 * 1.35);
    ASSERT_FALSE(fullScreen().texts().empty());
    for (const RecordedText& t : fullScreen().texts())
        EXPECT_EQ(t.points, 18) << t.text; // magnified once, by the view
}

TEST_F(ProjectedScreen, TracesAreThickOnlyInTheProjectionColours) {
    openFullScreen();
    EXPECT_EQ(traceWidth(), 3); // the focus knob's, in the documents' colours
    user::clickForm(app.frmFullScreen());

    projectionColours();
    openFullScreen();
    EXPECT_EQ(traceWidth(), 4);
    // The focus knob still widens them past that.
    user::drag(scope().Potentio[KnobFocus], 20);
    EXPECT_EQ(traceWidth(), 11);
    user::drag(scope().Potentio[KnobFocus], 10);
    EXPECT_EQ(traceWidth(), 4);
    user::clickForm(app.frmFullScreen());
    EXPECT_EQ(screen().drawWidth(), 1); // the front panel keeps the knob's width
}

} // namespace
} // namespace ondivel
