#include <gtest/gtest.h>

#include "core/user_input.h"
#include "sources/bench_setup.h"
#include "sources/frm_harmonique.h"

namespace ondivel {
namespace {

class HarmonicPanel : public testing::BenchTest {};

// The synthesis reads |sldAmpli| / 1000 for each order, sldPhase in quarter turns and sldX0.
void expectPureFundamental(const FrmHarmonique& h) {
    for (int i = 0; i < FrmHarmonique::kHarmonics; ++i) {
        SCOPED_TRACE(i);
        const bool fundamental = i == 0;
        EXPECT_DOUBLE_EQ(h.sldAmpli[i].Min, -1000);
        EXPECT_DOUBLE_EQ(h.sldAmpli[i].Max, 0);
        EXPECT_DOUBLE_EQ(h.sldAmpli[i].Value, fundamental ? -1000 : 0);
        EXPECT_DOUBLE_EQ(h.pgbAmpli[i].Max, 1000);
        EXPECT_DOUBLE_EQ(h.pgbAmpli[i].Value, fundamental ? 1000 : 0);
        EXPECT_EQ(h.lblAmpli[i].Caption, fundamental ? "100" : "0");
        EXPECT_DOUBLE_EQ(h.sldPhase[i].Value, 0);
        EXPECT_EQ(h.lblPhase[i].Caption, "0°");
    }
    EXPECT_DOUBLE_EQ(h.sldX0.Value, 0);
    EXPECT_DOUBLE_EQ(h.pgbX0.Value, 100);
}

TEST_F(HarmonicPanel, AnUnopenedPanelHoldsThePureFundamental) {
    for (int side : {SideA, SideB}) {
        const FrmHarmonique& h = app.frmHarmonique(side);
        EXPECT_FALSE(h.loaded());
        expectPureFundamental(h);
        EXPECT_EQ(h.lblRang[0].Caption, "Rang 1");
        EXPECT_EQ(h.lblRang[19].Caption, "Rang 20");
        EXPECT_EQ(h.optSignal[4].Caption, "Sinusoïde redressée double alternance");
        EXPECT_EQ(h.sstHarmo.List.at(1), "Harmoniques de rang 11 à 20");
    }
}

TEST_F(HarmonicPanel, SlidersCoverTheirDocumentedRanges) {
    FrmHarmonique& h = app.frmHarmoniqueA();
    h.Show();
    // Phases in quarter turns from -180° to 180°; the mean value from -100 to 100.
    user::slide(h.sldPhase[3], -5);
    EXPECT_DOUBLE_EQ(h.sldPhase[3].Value, -2);
    user::slide(h.sldPhase[3], 5);
    EXPECT_DOUBLE_EQ(h.sldPhase[3].Value, 2);
    user::slide(h.sldX0, -150);
    EXPECT_DOUBLE_EQ(h.sldX0.Value, -100);
    user::slide(h.sldAmpli[1], -1200);
    EXPECT_DOUBLE_EQ(h.sldAmpli[1].Value, -1000);
    user::slide(h.sldAmpli[1], 40);
    EXPECT_DOUBLE_EQ(h.sldAmpli[1].Value, 0);

    // A closed and reopened panel is back to its initial spectrum.
    user::slide(h.sldAmpli[0], -300);
    user::slide(h.sldAmpli[2], -500);
    user::close(h);
    h.Show();
    expectPureFundamental(h);
}

} // namespace
} // namespace ondivel
