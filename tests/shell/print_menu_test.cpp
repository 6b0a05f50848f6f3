#include <gtest/gtest.h>

#include "app_fixture.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "scope/frm_ondivel.h"

namespace ondivel {
namespace {

using testing::AppFixture;

using PrintMenus = AppFixture;

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
