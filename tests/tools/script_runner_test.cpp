#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "script_fixture.h"

namespace ondivel::script::testing {
namespace {

namespace fs = std::filesystem;

TEST(ScriptOutput, FailErrorAndPrintLinesAndTheCounts) {
    struct Case {
        const char* scenario;
        const char* output;
        int passed, failed;
    };
    const Case cases[] = {
        // One FAIL line per failed expectation; blank lines and comments count in the numbering.
        {"start\nset FrequenceA 1000\nexpect FrequenceA == 1000\n\n# a comment\nexpect FrequenceA > 5000\n"
         "set SignalA \"Sinus\"\nexpect SignalA == \"Carre\"\nexpect SignalA contains \"in\"\n",
         "FAIL t.scn:6: FrequenceA > 5000 \u2014 got 1000\n"
         "FAIL t.scn:8: SignalA == \"Carre\" \u2014 got \"Sinus\"\n",
         2, 2},
        // An error counts once and ends only its scenario.
        {"expect 1 == 1\nfrobnicate now\nexpect 1 == 2\n", "ERROR t.scn:2: unknown command frobnicate\n", 1,
         1},
        // Print shows values as checks see them.
        {"start\nset CouleurA 65535\nprint CouleurA\nset EntreeBrancheeCH1 false\nprint EntreeBrancheeCH1\n"
         "set frmOndivel.lblPositionCurseur.Caption \"x = \\\"1,5\\\"\"\n"
         "print frmOndivel.lblPositionCurseur.Caption\nprint msg.last\n",
         "t.scn:3: CouleurA = 65535\n"
         "t.scn:5: EntreeBrancheeCH1 = false\n"
         "t.scn:7: frmOndivel.lblPositionCurseur.Caption = \"x = \\\"1,5\\\"\"\n"
         "t.scn:8: msg.last = no message box yet\n",
         0, 0},
    };
    for (const Case& c : cases) {
        const Outcome o = runText(c.scenario);
        EXPECT_EQ(o.output, c.output) << c.scenario;
        EXPECT_EQ(o.passed, c.passed) << c.scenario;
        EXPECT_EQ(o.failed, c.failed) << c.scenario;
    }
}

class ScriptFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("ondivel-script-files-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
        return dir_ / name;
    }
    static std::string slurp(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    fs::path dir_;
};

TEST_F(ScriptFiles, TheExitCodeIsZeroOnlyWhenNothingFailed) {
    const auto good = write("good.scn", "expect 1 == 1\r\nexpect \"a\" != \"b\"\r\n");
    const auto bad = write("bad.scn", "expect 1 == 2\n");
    TestHooks hooks;
    std::ostringstream out;
    EXPECT_EQ(runScenarioFiles({good.string()}, {}, hooks, out), 0);
    EXPECT_EQ(out.str(), "2 passed, 0 failed\n");

    std::ostringstream out2;
    EXPECT_EQ(
        runScenarioFiles({good.string(), bad.string(), (dir_ / "missing.scn").string()}, {}, hooks, out2), 1);
    EXPECT_EQ(out2.str(), "FAIL bad.scn:1: 1 == 2 \u2014 got 1\n"
                          "ERROR missing.scn:0: cannot read " +
                              (dir_ / "missing.scn").string() +
                              "\n"
                              "2 passed, 2 failed\n");
}

TEST_F(ScriptFiles, EachScenarioHasItsOwnFreshFolderRemovedAfterwards) {
    const std::string text = "expect exists(\"$ROOT/mark.txt\") == false\n"
                             "file $ROOT/mark.txt <<END\nx\nEND\n"
                             "expect exists(\"$ROOT/mark.txt\") == true\n";
    TestHooks hooks;
    std::vector<fs::path> roots;
    hooks.finished = [&](Ondivel&) { roots.push_back(hooks.root); };
    EXPECT_EQ(runText(text, hooks).failed, 0);
    EXPECT_EQ(runText(text, hooks).failed, 0);
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_NE(roots[0], roots[1]);
    EXPECT_FALSE(fs::exists(roots[0]));
    EXPECT_FALSE(fs::exists(roots[1]));
}

TEST_F(ScriptFiles, SvgDumpsAndTheFinalScreen) {
    TestHooks hooks;
    hooks.created = [](Ondivel& app, FakePlatform&) {
        app.frmOndivel().cmdPauseSpot.on.Click = [&app] {
            app.frmOndivel().screen().line(-500, 0, 500, 0, RGB(1, 2, 3));
        };
    };
    RunOptions options;
    options.svgDir = dir_ / "svg";
    const Outcome o = runText("start\n"
                              "dump screen before.svg\n"
                              "click frmOndivel.cmdPauseSpot\n"
                              "dump screen \"$ROOT/after.svg\"\n"
                              "expect exists(\"$ROOT/after.svg\") == true\n"
                              "shot panel\n"
                              "shot scope frmOndivel\n",
                              hooks, options);
    EXPECT_EQ(o.output, "");
    EXPECT_TRUE(slurp(dir_ / "svg" / "before.svg").starts_with("<svg"));
    // The final screen of scenario t.scn, with the line drawn after the first dump.
    EXPECT_NE(slurp(dir_ / "svg" / "t.svg").find("stroke=\"#010203\""), std::string::npos);
    EXPECT_EQ(hooks.shots, (std::vector<std::string>{"panel", "scope frmOndivel"}));
    // A picture of a window that does not exist is an error of the scenario.
    const Outcome wrong = runText("start\nshot x frmNothing\n", hooks, options);
    EXPECT_NE(wrong.output.find("unknown window frmNothing"), std::string::npos) << wrong.output;
}

} // namespace
} // namespace ondivel::script::testing
