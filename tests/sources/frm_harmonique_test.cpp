#include <gtest/gtest.h>

#include "core/testing/fake_platform.h"
#include "sources/frm_harmonique.h"

namespace ondivel {
namespace {

// The synthesis reads these from a panel that was never opened: the pure fundamental at full
// scale (|sldAmpli| / 1000), no phase, no mean value.
TEST(HarmonicPanel, AnUnopenedPanelHoldsThePureFundamental) {
    FakePlatform platform;
    Ondivel app(platform);
    for (int side : {SideA, SideB}) {
        const FrmHarmonique& h = app.frmHarmonique(side);
        for (int i = 0; i < FrmHarmonique::kHarmonics; ++i) {
            SCOPED_TRACE(i);
            EXPECT_DOUBLE_EQ(h.sldAmpli[i].Value, i == 0 ? -1000 : 0);
            EXPECT_DOUBLE_EQ(h.sldAmpli[i].Min, -1000);
            EXPECT_DOUBLE_EQ(h.pgbAmpli[i].Value, i == 0 ? 1000 : 0);
            EXPECT_EQ(h.lblAmpli[i].Caption, i == 0 ? "100" : "0");
            EXPECT_DOUBLE_EQ(h.sldPhase[i].Value, 0);
        }
        EXPECT_EQ(h.lblRang[19].Caption, "Rang 20");
        EXPECT_DOUBLE_EQ(h.sldX0.Value, 0);
        EXPECT_DOUBLE_EQ(h.pgbX0.Value, 100);
    }
}

} // namespace
} // namespace ondivel
