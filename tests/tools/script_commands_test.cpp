#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "bench/main/frm_option.h"
#include "bench/scope/frm_full_screen.h"
#include "core/platform.h"
#include "core/recording_surface.h"
#include "script_fixture.h"

namespace ondivel::script::testing {
namespace {

namespace fs = std::filesystem;

// Handlers leave a trace in a caption nothing else writes (the picture beside the power switch
// has none), the way a window model's handlers would change the bench.
void note(Ondivel& app, const std::string& what) {
    app.frmOndivel().imgPicto.Caption += what + " ";
}

TEST(ScriptEvents, KnobDragClampsThenRaisesDownMoveUpWithTheButton) {
    TestHooks hooks;
    hooks.created = [](Ondivel& app, FakePlatform&) {
        Control& knob = app.frmOndivel().Potentio[3];
        knob.on.MouseDown = [&app](int b, int, double, double) { note(app, "down" + std::to_string(b)); };
        knob.on.MouseMove = [&app, &knob](int b, int, double, double) {
            note(app, "move" + std::to_string(b) + "@" + std::to_string(static_cast<int>(knob.Value)));
        };
        knob.on.MouseUp = [&app](int b, int, double, double) { note(app, "up" + std::to_string(b)); };
    };
    const Outcome o = runText("start\n"
                              "set frmOndivel.Potentio(3).Max 10\n"
                              "drag frmOndivel.Potentio(3) 25 button=2\n"
                              "expect frmOndivel.imgPicto.Caption == \"down2 move2@10 up2 \"\n"
                              "set frmOndivel.imgPicto.Caption \"\"\n"
                              "set frmOndivel.Potentio(3).Enabled false\n"
                              "drag frmOndivel.Potentio(3) 4\n"
                              "expect frmOndivel.imgPicto.Caption == \"\"\n"
                              "expect frmOndivel.Potentio(3).Value == 10\n",
                              hooks);
    EXPECT_EQ(o.output, "");
    EXPECT_EQ(o.passed, 3);
}

TEST(ScriptEvents, SetActsAsProgramCodeAndClickAsAUser) {
    TestHooks hooks;
    hooks.created = [](Ondivel& app, FakePlatform&) {
        app.frmOndivel().chkFFT.on.Click = [&app] { note(app, "fft"); };
    };
    const Outcome o = runText("start\n"
                              // From code a check box raises Click when its value changes only.
                              "set frmOndivel.chkFFT.Value 1\n"
                              "set frmOndivel.chkFFT.Value 1\n"
                              "click frmOndivel.chkFFT\n"
                              "expect frmOndivel.chkFFT.Value == 0\n"
                              "expect frmOndivel.imgPicto.Caption == \"fft fft \"\n"
                              "set MDIOndivel.ModeLibre false\n"
                              "expect ModeLibre == false\n"
                              "set frmOndivel.Visible false\n"
                              "expect frmOndivel.Loaded == true\n"
                              "click frmOndivel.chkFFT\n",
                              hooks);
    EXPECT_EQ(o.output, "ERROR t.scn:11: frmOndivel is not shown\n");
    EXPECT_EQ(o.passed, 4);
}

TEST(ScriptEvents, ListsSelectByIndexOrText) {
    TestHooks hooks;
    hooks.created = [](Ondivel& app, FakePlatform&) {
        Control& list = app.frmOndivel().cboBaseTemps;
        list.on.Click = [&app, &list] { note(app, list.listText()); };
        app.frmOndivel().cmdPauseSpot.on.Click = [&app, &list] {
            app.frmOndivel().imgPicto.Caption.clear(); // forget the clicks of the panel's own load
            list.List.clear();
            list.Selected.clear();
            for (const char* item : {"1 ms", "2 ms", "5 ms"})
                list.addItem(item);
        };
    };
    const Outcome o = runText("start\n"
                              "click frmOndivel.cmdPauseSpot\n"
                              "select frmOndivel.cboBaseTemps 1\n"
                              "select frmOndivel.cboBaseTemps \"5 ms\"\n"
                              "expect frmOndivel.imgPicto.Caption == \"2 ms 5 ms \"\n"
                              "expect frmOndivel.cboBaseTemps.ListCount == 3\n"
                              "set frmOndivel.cboBaseTemps.Selected(1) true\n"
                              "expect frmOndivel.cboBaseTemps.Selected(1) == true\n"
                              "expect frmOndivel.cboBaseTemps.List(7) == \"1 ms\"\n"
                              "select frmOndivel.cboBaseTemps 3\n",
                              hooks);
    EXPECT_EQ(o.output,
              "FAIL t.scn:9: frmOndivel.cboBaseTemps.List(7) == \"1 ms\" \u2014 got no item 7 (ListCount 3)\n"
              "ERROR t.scn:10: frmOndivel.cboBaseTemps has no item 3 (ListCount 3)\n");
    EXPECT_EQ(o.passed, 3);
}

// frmOndivel.cmdPauseSpot opens frmOption modally; frmOption.cmdOK hides it.
TestHooks modalHooks() {
    TestHooks hooks;
    hooks.created = [](Ondivel& app, FakePlatform&) {
        app.frmOndivel().cmdPauseSpot.on.Click = [&app] {
            note(app, "open");
            app.frmOption().ShowModal();
            note(app, "closed");
        };
        app.frmOption().cmdOK.on.Click = [&app] {
            note(app, "ok");
            app.frmOption().Hide();
        };
    };
    return hooks;
}

TEST(ScriptModal, OtherWindowsTakeNoUserEventsWhileAModalWindowIsOpen) {
    TestHooks hooks = modalHooks();
    const Outcome o = runText("start\n"
                              "click frmOndivel.cmdPauseSpot\n"
                              "set frmOndivel.lblPositionCurseur.Caption \"code may\"\n"
                              "click frmOndivel.chkFFT\n"
                              "expect 1 == 1\n",
                              hooks);
    EXPECT_EQ(o.output, "ERROR t.scn:4: frmOption is open modally: frmOndivel takes no user events\n");
    EXPECT_EQ(o.failed, 1);
    // A scenario may end with the modal window open.
    const Outcome open =
        runText("start\nclick frmOndivel.cmdPauseSpot\nexpect frmOption.Visible == true\n", hooks);
    EXPECT_EQ(open.output, "");
    EXPECT_EQ(open.passed, 1);
}

// frmOndivel.cmdPauseSpot asks a yes/no question and keeps the answer in ExoPoints.
TestHooks questionHooks(bool swallow) {
    TestHooks hooks;
    hooks.created = [swallow](Ondivel& app, FakePlatform&) {
        app.frmOndivel().cmdPauseSpot.on.Click = [&app, swallow] {
            try {
                app.g.ExoPoints = app.platform().messageBox("Quitter ?", vbYesNo | vbQuestion, "Ondivel");
            } catch (...) {
                if (!swallow) throw;
            }
        };
        app.frmOndivel().chkFFT.on.Click = [&app] {
            app.platform().messageBox("Fini.", vbOKOnly, "Ondivel");
        };
    };
    return hooks;
}

TEST(ScriptAnswers, MessageBoxesTakeTheQueuedAnswersInOrder) {
    TestHooks hooks = questionHooks(false);
    const Outcome o = runText("answer no\n"
                              "answer yes\n"
                              "start\n"
                              "click frmOndivel.cmdPauseSpot\n"
                              "expect ExoPoints == 7\n"
                              "click frmOndivel.chkFFT\n"
                              "click frmOndivel.cmdPauseSpot\n"
                              "expect ExoPoints == 6\n"
                              "expect msg.count == 3\n"
                              "expect msg(1) == \"Fini.\"\n"
                              "expect msg(0).title == \"Ondivel\"\n"
                              "expect msg(3) == \"\"\n",
                              hooks);
    EXPECT_EQ(o.output, "FAIL t.scn:12: msg(3) == \"\" \u2014 got no message box 3 (3 so far)\n");
    EXPECT_EQ(o.passed, 5);
}

TEST(ScriptAnswers, AnUnansweredQuestionIsAnErrorOfItsLineEvenWhenTheProgramSwallowsIt) {
    for (bool swallow : {false, true}) {
        TestHooks hooks = questionHooks(swallow);
        const Outcome o = runText("start\nclick frmOndivel.cmdPauseSpot\nexpect 1 == 1\n", hooks);
        EXPECT_EQ(o.output, "ERROR t.scn:2: unanswered question box \"Ondivel\": Quitter ?\n") << swallow;
        EXPECT_EQ(o.failed, 1);
        EXPECT_EQ(o.passed, 0);
    }
}

TEST(ScriptAnswers, UnusedAnswersAreAnErrorAtTheFirstOne) {
    TestHooks hooks = questionHooks(false);
    const Outcome o =
        runText("answer yes\nchoose cancel\nanswer no\nstart\nclick frmOndivel.cmdPauseSpot\n", hooks);
    EXPECT_EQ(o.output, "ERROR t.scn:2: this answer was never asked for\n");
}

TEST(ScriptAnswers, FileAndColourDialogsTakeTheirAnswersAndAnUnansweredOneIsAnError) {
    TestHooks hooks;
    hooks.created = [](Ondivel& app, FakePlatform&) {
        app.frmOndivel().cmdPauseSpot.on.Click = [&app] {
            const auto path = app.platform().openFileDialog({"Ouvrir", "", "", "*.ond", true});
            app.g.ExoSignalCH2 = path ? *path : "cancel";
            if (const auto c = app.platform().colorDialog(0)) app.g.CouleurB = *c;
        };
    };
    const Outcome o = runText("choose cancel\n"
                              "choosecolor RGB(255, 128, 0)\n"
                              "start\n"
                              "click frmOndivel.cmdPauseSpot\n"
                              "expect ExoSignalCH2 == \"cancel\"\n"
                              "expect CouleurB == 33023\n"
                              "click frmOndivel.cmdPauseSpot\n",
                              hooks);
    EXPECT_EQ(o.output, "ERROR t.scn:7: unanswered open dialog \"Ouvrir\"\n");
    EXPECT_EQ(o.passed, 2);
}

TEST(ScriptFilesOnDisk, HeredocLinesAreWrittenVerbatimInWindows1252WithCrLf) {
    TestHooks hooks;
    std::string bytes;
    hooks.finished = [&](Ondivel&) {
        std::ifstream in(hooks.root / "documents" / "Marvane" / "Ondivel" / "exo1.ond", std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    hooks.created = [](Ondivel&, FakePlatform& p) {
        std::ofstream(fs::path(p.documentsDir) / "utf8.txt", std::ios::binary) << "élève\n";
    };
    const Outcome o = runText(
        "file $DOCUMENTS/Marvane/Ondivel/exo1.ond <<FIN\n"
        "[Oscillogramme 1]\n"
        "  Signal = sinusoïdale  \n"
        "\n"
        "# not a comment here\n"
        "FIN\n"
        "expect file(\"$DOCUMENTS/Marvane/Ondivel/exo1.ond\") contains \"sinusoïdale  \\r\\n\\r\\n#\"\n"
        "expect file(\"$DOCUMENTS/utf8.txt\") == \"élève\\n\"\n"
        "expect file(\"$DOCUMENTS/none.txt\") == \"\"\n",
        hooks);
    EXPECT_EQ(bytes, "[Oscillogramme 1]\r\n  Signal = sinuso\xEF"
                     "dale  \r\n\r\n# not a comment here\r\n");
    EXPECT_EQ(o.output, "FAIL t.scn:9: file(\"$DOCUMENTS/none.txt\") == \"\" \u2014 got no file " +
                            (hooks.root / "documents" / "none.txt").string() + "\n");
    EXPECT_EQ(o.passed, 2);
}

TEST(ScriptQueries, RecordedScreensAnswerCountsExtremesAndHeights) {
    TestHooks hooks;
    hooks.created = [](Ondivel& app, FakePlatform&) {
        app.frmOndivel().cmdPauseSpot.on.Click = [&app] {
            Surface& s = app.frmOndivel().screen();
            // A yellow tent from (-500, 0) up to (0, 250) and down to (500, 0), and a green flat line.
            s.line(-500, 0, 0, 250, 65535);
            s.line(0, 250, 500, 0, 65535);
            s.line(-500, -100, 500, -100, 65280);
            app.frmOndivel().grid().line(-500, 0, 500, 0, 0);
            app.frmFullScreen().screen().line(-500, 10, 500, 10, 65535);
        };
    };
    const Outcome o = runText("start\n"
                              "click frmOndivel.cmdPauseSpot\n"
                              "set CouleurA 65535\n"
                              "expect screen.lines == 3\n"
                              "expect screen.lines(CouleurA) == 2\n"
                              "expect screen.yAt(CouleurA, -250) ~= 125\n"
                              "expect grid.lines == 95\n" // the graticule's 94 and the one drawn here
                              "expect full.screen.maxY(CouleurA) == 10\n"
                              "expect full.grid.lines == 0\n"
                              "expect screen.maxX(255) == 1\n"
                              "expect screen.yAt(65280, 600) == 1\n",
                              hooks);
    EXPECT_EQ(
        o.output,
        "FAIL t.scn:10: screen.maxX(255) == 1 \u2014 got no segment of colour 255\n"
        "FAIL t.scn:11: screen.yAt(65280, 600) == 1 \u2014 got no segment of colour 65280 spans x = 600\n");
    EXPECT_EQ(o.passed, 6);
}

// The set-up commands, launched programs, help pages and beeps are checked by the scenarios that
// use them; here what they do not reach.
TEST(ScriptQueries, PlatformRecords) {
    TestHooks hooks;
    hooks.created = [](Ondivel& app, FakePlatform&) {
        app.frmOndivel().cmdPauseSpot.on.Click = [&app] {
            app.platform().launch("notepad.exe");
            app.platform().launch("https://example.org");
            app.platform().playSound("Button Click.wav");
        };
    };
    const Outcome o = runText("start\n"
                              "expect help.last == \"x\"\n"
                              "click frmOndivel.cmdPauseSpot\n"
                              "expect launched(0) == \"notepad.exe\"\n"
                              "expect sound.last == \"Button Click.wav\"\n",
                              hooks);
    EXPECT_EQ(o.output, "FAIL t.scn:2: help.last == \"x\" \u2014 got no help request yet\n");
    EXPECT_EQ(o.passed, 2);
}

} // namespace
} // namespace ondivel::script::testing
