// The calculator box and menu entry follow whether the desktop has a calculator.
#include <gtest/gtest.h>

#include "core/user_input.h"
#include "sources/bench_setup.h"

namespace ondivel {
namespace {

TEST(CalculatorBox, OfferedExactlyWhereTheDesktopHasACalculator) {
    auto root = testing::freshFolder();
    for (const bool available : {false, true}) {
        FakePlatform platform(root.string());
        platform.calculator = available;
        Ondivel app(platform);
        app.frmToolBox().Show();
        EXPECT_EQ(app.frmToolBox().chkCalc.Enabled, available);
        EXPECT_EQ(app.mdi().Mnu_Calc.Enabled, available);
        EXPECT_EQ(user::click(app.frmToolBox().chkCalc), available);
        EXPECT_EQ(platform.launched.size(), available ? 1u : 0u);

        // The desktop may gain or lose its calculator between two sessions of the toolbox.
        user::close(app.frmToolBox());
        platform.calculator = !available;
        app.frmToolBox().Show();
        EXPECT_EQ(app.frmToolBox().chkCalc.Enabled, !available);
    }
    std::filesystem::remove_all(root);
}

TEST(CalculatorBox, TheMenuEntryTicksTheBoxAndStartsTheCalculator) {
    auto root = testing::freshFolder();
    {
        FakePlatform platform(root.string());
        platform.calculator = true;
        Ondivel app(platform);
        app.frmToolBox().Show();
        ASSERT_TRUE(user::click(app.mdi().Mnu_Calc));
        EXPECT_EQ(app.frmToolBox().chkCalc.Value, kChecked);
        EXPECT_TRUE(app.mdi().Mnu_Calc.Checked);
        EXPECT_EQ(platform.launched, std::vector<std::string>{"Calc.exe"});
    }
    std::filesystem::remove_all(root);
}

} // namespace
} // namespace ondivel
