// The event rules of the classic form toolkit that the panels' handlers rely on, one row per rule,
// on two small windows whose handlers write what they receive into one log. Each row starts with
// window A shown and active and window B never loaded.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "bench/ondivel.h"
#include "core/form.h"
#include "core/user_input.h"
#include "files/testing/fake_platform.h"
#include "support/temp_folder.h"

namespace ondivel::testing {
namespace {

std::string num(double v) {
    return std::to_string(static_cast<int>(v));
}

class RulesForm : public Form {
  public:
    RulesForm(Ondivel& app, const std::string& name, std::string& log) : Form(app, name), log_(log) {
        opt[0].setGroup("opt");
        opt[1].setGroup("opt");
        opt[0].Value = 1;
        optOther.Value = 1; // alone in its own group
        lst.addItem("a");
        lst.addItem("b");
        lst.addItem("c");
        lbl.Caption = "lbl";
        tmr.Enabled = true;

        chk.on.Click = [this] { note("chk.Click=" + num(chk.Value)); };
        for (int i = 0; i < 2; ++i)
            opt[i].on.Click = [this, i] {
                note("opt(" + std::to_string(i) + ").Click[" + num(opt[0].Value) + num(opt[1].Value) + "|" +
                     num(optOther.Value) + "]");
            };
        optOther.on.Click = [this] { note("optOther.Click"); };
        lst.on.Click = [this] { note("lst.Click=" + std::to_string(lst.ListIndex)); };
        sld.on.Scroll = [this] { note("sld.Scroll=" + num(sld.Value)); };
        sld.on.Change = [this] { note("sld.Change=" + num(sld.Value)); };
        knob.on.Click = [this] { note("knob.Click"); };
        knob.on.Change = [this] { note("knob.Change"); };
        knob.on.MouseDown = [this](int b, int, double, double) { mouse("MouseDown", b); };
        knob.on.MouseMove = [this](int b, int, double, double) { mouse("MouseMove", b); };
        knob.on.MouseUp = [this](int b, int, double, double) { mouse("MouseUp", b); };
        cmd.on.Click = [this] {
            ++clicks;
            note("cmd.Click");
        };
        cmd.on.DblClick = [this] { note("cmd.DblClick"); };
        txt.on.GotFocus = [this] { note("txt.GotFocus"); };
        txt.on.Change = [this] { note("txt.Change=" + txt.Text); };
        txt.on.LostFocus = [this] { note("txt.LostFocus"); };
        tmr.on.Timer = [this] { note("tmr.Timer"); };
    }

    FormControl chk{*this, ControlKind::CheckBox, "chk"};
    ControlArray opt{*this, ControlKind::OptionButton, "opt", 2};
    FormControl optOther{*this, ControlKind::OptionButton, "optOther"};
    FormControl lst{*this, ControlKind::ListBox, "lst"};
    FormControl sld{*this, ControlKind::Slider, "sld"};
    FormControl knob{*this, ControlKind::Knob, "knob"};
    FormControl cmd{*this, ControlKind::CommandButton, "cmd"};
    FormControl txt{*this, ControlKind::TextBox, "txt"};
    FormControl lbl{*this, ControlKind::Label, "lbl"};
    FormControl tmr{*this, ControlKind::Timer, "tmr"};

    // The window's own member: the clicks of cmd since the window was loaded.
    int clicks = 0;
    bool refuseQueryUnload = false, refuseUnload = false;

    void Form_Load() override {
        note("Load");
        lbl.Caption += "+"; // a load that builds on the design-time state
    }
    void Form_Activate() override { note("Activate"); }
    void Form_QueryUnload(int& cancel) override {
        note("QueryUnload");
        cancel = refuseQueryUnload;
    }
    void Form_Unload(int& cancel) override {
        note("Unload");
        cancel = refuseUnload;
    }
    void Form_Click() override { note("Click"); }

    // The controls' state and the window's member, for the reload row.
    std::string state() const {
        return "{chk=" + num(chk.Value) + " opt=" + num(opt[0].Value) + num(opt[1].Value) +
               " lst=" + std::to_string(lst.ListIndex) + " sld=" + num(sld.Value) +
               " knob=" + num(knob.Value) + " txt=" + txt.Text + " lbl=" + lbl.Caption +
               " cmd.Enabled=" + num(cmd.Enabled) + " clicks=" + std::to_string(clicks) + "}";
    }

  protected:
    void resetMembers() override { clicks = 0; }

  private:
    void note(const std::string& what) {
        if (!log_.empty()) log_ += ' ';
        log_ += name() + "." + what;
    }
    void mouse(const char* event, int button) {
        note("knob." + std::string(event) + "(" + std::to_string(button) + ")=" + num(knob.Value));
    }

    std::string& log_;
};

struct Bench {
    TempFolder tmp;
    FakePlatform platform{tmp.path().string()};
    Ondivel app{platform};
    std::string log;
    RulesForm a{app, "A", log};
    RulesForm b{app, "B", log};

    // Every kind of user event on every control of the window; logs how many the controls took.
    void everyUserEvent(RulesForm& f) {
        const int taken = user::click(f.chk) + user::click(f.opt[1]) + user::select(f.lst, 1) +
                          user::slide(f.sld, 40) + user::drag(f.knob, 60) + user::click(f.cmd) +
                          user::dblClick(f.cmd) + user::type(f.txt, "x");
        log += (log.empty() ? "taken=" : " taken=") + std::to_string(taken);
    }
    // One period of a timer, as the desktop and the script harness run them.
    static void tick(Control& timer) {
        if (timer.timerRunning() && timer.owner()->loaded()) timer.raise(timer.on.Timer);
    }
};

struct Rule {
    const char* name;
    std::function<void(Bench&)> act;
    const char* log;
};

const Rule kRules[] = {
    {"CheckBoxSetFromCodeClicksAsAUserDoes",
     [](Bench& t) {
         t.a.chk.setValue(kChecked);
         t.a.chk.setValue(kChecked); // no change, no Click
         user::click(t.a.chk);
         t.a.chk.setProperty("Value", 1.0);
     },
     "A.chk.Click=1 A.chk.Click=0 A.chk.Click=1"},
    {"OptionChosenByTheUserDeselectsItsGroupAndClicksOnlyOnAChange",
     [](Bench& t) {
         user::click(t.a.opt[1]);
         user::click(t.a.opt[1]);
     },
     "A.opt(1).Click[01|1]"},
    {"OptionChosenFromCodeDeselectsItsGroupAndClicksOnlyOnAChange",
     [](Bench& t) {
         t.a.opt[0].setValue(1); // already chosen
         t.a.opt[1].setValue(1);
         t.a.opt[1].setProperty("Value", true);
         t.a.opt[0].setValue(1);
     },
     "A.opt(1).Click[01|1] A.opt(0).Click[10|1]"},
    {"ListIndexSetFromCodeClicks",
     [](Bench& t) {
         t.a.lst.setListIndex(2);
         t.a.lst.setProperty("ListIndex", 0.0);
     },
     "A.lst.Click=2 A.lst.Click=0"},
    {"SliderSetFromCodeChangesAndDraggedScrollsThenChanges",
     [](Bench& t) {
         t.a.sld.setValue(30);
         user::slide(t.a.sld, 40);
     },
     "A.sld.Change=30 A.sld.Scroll=40 A.sld.Change=40"},
    {"KnobSetFromCodeRaisesNothing",
     [](Bench& t) {
         t.a.knob.setValue(30);
         t.a.knob.setProperty("Value", 40.0);
         t.log += "knob=" + num(t.a.knob.Value);
     },
     "knob=40"},
    {"KnobDraggedTakesItsValueThenRaisesDownMoveUpWithTheButtons",
     [](Bench& t) {
         user::drag(t.a.knob, 70, kRightButton);
         user::drag(t.a.knob, 140); // beyond Max
     },
     "A.knob.MouseDown(2)=70 A.knob.MouseMove(2)=70 A.knob.MouseUp(2)=70 "
     "A.knob.MouseDown(1)=100 A.knob.MouseMove(1)=100 A.knob.MouseUp(1)=100"},
    {"AnEnabledVisibleControlTakesEveryUserEvent", [](Bench& t) { t.everyUserEvent(t.a); },
     "A.chk.Click=1 A.opt(1).Click[01|1] A.lst.Click=1 A.sld.Scroll=40 A.sld.Change=40 "
     "A.knob.MouseDown(1)=60 A.knob.MouseMove(1)=60 A.knob.MouseUp(1)=60 A.cmd.Click A.cmd.DblClick "
     "A.txt.GotFocus A.txt.Change=x A.txt.LostFocus taken=8"},
    {"ADisabledOrInvisibleControlTakesNoUserEventNorActivatesItsWindow",
     [](Bench& t) {
         t.b.Show();
         t.a.Show();
         t.log.clear();
         for (Control* c : t.b.controls())
             c->Enabled = false;
         t.everyUserEvent(t.b);
         for (Control* c : t.b.controls()) {
             c->Enabled = true;
             c->Visible = false;
         }
         t.everyUserEvent(t.b);
         t.log += " " + t.b.state();
     },
     "taken=0 taken=0 {chk=0 opt=10 lst=-1 sld=0 knob=0 txt= lbl=lbl+ cmd.Enabled=1 clicks=0}"},
    {"ShowingAWindowMakesItActiveOnce",
     [](Bench& t) {
         t.b.Show();
         t.b.Show();
         t.a.Show();
         t.log += t.app.activeForm() == &t.a ? " A active" : " A not active";
     },
     "B.Load B.Activate A.Activate A active"},
    {"AUserEventOnAnInactiveWindowActivatesItFirst",
     [](Bench& t) {
         t.b.Show();
         user::click(t.a.cmd);
         user::click(t.a.cmd);
         user::clickForm(t.b);
     },
     "B.Load B.Activate A.Activate A.cmd.Click A.cmd.Click B.Activate B.Click"},
    {"LoadIsRaisedOncePerLoad",
     [](Bench& t) {
         t.b.Load();
         t.b.Load();
         t.b.Show();
         t.b.Hide();
         t.b.Show();
     },
     "B.Load B.Activate B.Activate"},
    {"ClosingRaisesQueryUnloadThenUnload",
     [](Bench& t) {
         user::close(t.a);
         t.log += t.a.loaded() ? " loaded" : " unloaded";
     },
     "A.QueryUnload A.Unload unloaded"},
    {"ACancelledCloseLeavesTheWindowLoaded",
     [](Bench& t) {
         t.a.refuseQueryUnload = true;
         user::close(t.a);
         t.a.refuseQueryUnload = false;
         t.a.refuseUnload = true;
         user::close(t.a);
         t.log += t.a.loaded() && t.a.Visible ? " shown" : " closed";
     },
     "A.QueryUnload A.QueryUnload A.Unload shown"},
    {"AWindowLoadedAgainStartsFromItsDesignTimeState",
     [](Bench& t) {
         t.a.chk.setValue(kChecked);
         t.a.opt[1].setValue(1);
         t.a.lst.setListIndex(2);
         t.a.sld.setValue(50);
         user::drag(t.a.knob, 70);
         t.a.txt.Text = "abc";
         user::click(t.a.cmd);
         t.a.cmd.Enabled = false;
         t.log.clear();
         t.log += t.a.state();
         t.a.Unload();
         t.a.Show();
         t.log += t.a.state();
     },
     "{chk=1 opt=01 lst=2 sld=50 knob=70 txt=abc lbl=lbl+ cmd.Enabled=0 clicks=1} "
     "A.QueryUnload A.Unload A.Load A.Activate"
     "{chk=0 opt=10 lst=-1 sld=0 knob=0 txt= lbl=lbl+ cmd.Enabled=1 clicks=0}"},
    {"ATimerTicksOnlyWhileEnabledWithAnIntervalAboveZero",
     [](Bench& t) {
         Control& tmr = t.a.tmr;
         Bench::tick(tmr); // enabled, no interval
         tmr.Interval = 100;
         Bench::tick(tmr);
         tmr.Enabled = false;
         Bench::tick(tmr);
         tmr.Enabled = true;
         tmr.Interval = -1;
         Bench::tick(tmr);
     },
     "A.tmr.Timer"},
};

// A failing row names itself rather than its bytes.
void PrintTo(const Rule& rule, std::ostream* os) {
    *os << rule.name;
}

class ControlRules : public ::testing::TestWithParam<Rule> {};

TEST_P(ControlRules, RaiseTheToolkitsEvents) {
    Bench t;
    t.a.Show();
    t.log.clear();
    GetParam().act(t);
    EXPECT_EQ(t.log, GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(Rows, ControlRules, ::testing::ValuesIn(kRules),
                         [](const ::testing::TestParamInfo<Rule>& row) {
                             return std::string(row.param.name);
                         });

} // namespace
} // namespace ondivel::testing
