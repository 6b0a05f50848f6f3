#include "bench/sources/side_panel.h"

#include "bench/scope/frm_ondivel.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/format.h"

namespace ondivel {

namespace {

std::string sideLetter(int side) {
    return side == SideB ? "B" : "A";
}

} // namespace

SidePanel::SidePanel(Ondivel& app, int side, const std::string& form, const std::string& settings,
                     int helpTopic, int wiredA, int wiredB)
    : BenchForm(app, form + sideLetter(side)), settings_(settings + sideLetter(side)), side_(side),
      wiredA_(wiredA), wiredB_(wiredB) {
    HelpTopic = helpTopic;
}

double& SidePanel::gamme() const {
    return side_ == SideB ? app().g.GammeB : app().g.GammeA;
}
double& SidePanel::frequence() const {
    return side_ == SideB ? app().g.FrequenceB : app().g.FrequenceA;
}
double& SidePanel::amplitude() const {
    return side_ == SideB ? app().g.AmplitudeB : app().g.AmplitudeA;
}
bool& SidePanel::sourceBranchee() const {
    return side_ == SideB ? app().g.SourceBrancheeB : app().g.SourceBrancheeA;
}
Color SidePanel::channelColour() const {
    return side_ == SideB ? app().g.CouleurB : app().g.CouleurA;
}

void SidePanel::loadPosition(const char* topB) {
    KeyPreview = true;
    const Form& scope = app().frmOndivel();
    Left = Val(app().ReadIni("Interface", "PosX " + settings_, NumberText(scope.Left + scope.Width)));
    Top = Val(app().ReadIni("Interface", "PosY " + settings_, side_ == SideB ? topB : "0"));
}

void SidePanel::configureKnob(Control& knob, double max, double value) {
    knob.Max = max;
    knob.Value = value;
    knob.Min = 0;
}

void SidePanel::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(HelpTopic);
}

void SidePanel::Form_Unload(int&) {
    app().WriteIni("Interface", "PosX " + settings_, NumberText(Left));
    app().WriteIni("Interface", "PosY " + settings_, NumberText(Top));
    FrmToolBox& toolbox = app().frmToolBox();
    const int wired = wiredOption();
    if (wired >= 0 && toolbox.optConnexion[wired].isOn())
        toolbox.optConnexion[side_ == SideB ? FrmToolBox::kNoneB : FrmToolBox::kNoneA].setValue(1);
}

} // namespace ondivel
