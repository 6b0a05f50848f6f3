#include "bench/main/preferences.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "bench/main/desktop_services.h"
#include "bench/main/frm_option.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/rvb.h"
#include "bench/main/screen_colours.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/meters/measurement.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/format.h"

namespace ondivel {

namespace {

constexpr const char* kOptions = "Options";
constexpr const char* kPrinting = "Impression";
constexpr const char* kArrangeKey = "Disposer fenetres";
// The realistic AC coupling, "1" when on; missing means off, the classic behaviour.
constexpr const char* kACBlocksDCKey = "Couplage AC bloque DC";

// Toolbox pictures of the meter button: the TRMS multimeter and the school voltmeter.
constexpr int kPictureMultimeter = 4;
constexpr int kPictureSchoolVoltmeter = 5;

std::string checkText(const Control& box) {
    return box.isOn() ? "1" : "0";
}

void setChecked(Control& box, bool on) {
    box.setValue(on ? kChecked : kUnchecked);
}

// A list index from the file; one outside the list selects the first item.
void selectFromText(Control& list, const std::string& text) {
    const double i = Val(text);
    const bool inside = i >= 0 && i < static_cast<double>(list.List.size());
    list.setListIndex(inside ? static_cast<int>(i) : 0);
}

std::string traceKey(const char* key, int trace) {
    return std::string(key) + (trace == 0 ? " Voie A" : " Voie B");
}

void setComponents(Color c, std::int16_t& red, std::int16_t& green, std::int16_t& blue) {
    RVB rvb;
    rvb.setCouleur(c);
    red = rvb.Rouge();
    green = rvb.Vert();
    blue = rvb.Bleu();
}

void showMeterButtonPicture(Ondivel& app, bool schoolVoltmeter) {
    app.frmToolBox().chkMulti.Picture = schoolVoltmeter ? kPictureSchoolVoltmeter : kPictureMultimeter;
}

} // namespace

Color ColourFromSetting(const std::string& text) {
    return static_cast<Color>(std::clamp(std::round(Val(text)), 0.0, 16777215.0));
}

Color& ColourGlobal(Globals& g, int colourIndex) {
    switch (colourIndex) {
    case kColourTraceA:
        return g.CouleurA;
    case kColourTraceB:
        return g.CouleurB;
    case kColourGrid:
        return g.CouleurGrille;
    case kColourScreen:
        return g.CouleurEcran;
    default:
        return g.CouleurCadre;
    }
}

void SetColourComponents(Globals& g, int colourIndex, Color c) {
    switch (colourIndex) {
    case kColourTraceA:
        setComponents(c, g.RougeA, g.VertA, g.BleuA);
        break;
    case kColourTraceB:
        setComponents(c, g.RougeB, g.VertB, g.BleuB);
        break;
    case kColourScreen:
        setComponents(c, g.RougeEcran, g.VertEcran, g.BleuEcran);
        break;
    default:
        break;
    }
}

bool ProjectionColoursInUse(const Globals& g) {
    const auto projected = [](int i) { return kScreenColours[static_cast<std::size_t>(i)].forProjection; };
    return g.CouleurEcran == projected(kColourScreen) && g.CouleurGrille == projected(kColourGrid) &&
           g.CouleurCadre == projected(kColourFrame) &&
           RGB(g.RougeA, g.VertA, g.BleuA) == projected(kColourTraceA) &&
           RGB(g.RougeB, g.VertB, g.BleuB) == projected(kColourTraceB);
}

void ApplySampleColours(Ondivel& app) {
    FrmOption& f = app.frmOption();
    for (int i = 0; i < static_cast<int>(kScreenColours.size()); ++i) {
        ColourGlobal(app.g, i) = f.shpColor[i].FillColor;
        SetColourComponents(app.g, i, f.shpColor[i].FillColor);
    }
    ApplyTraceColoursToOscilloscope(app);
}

void RestoreSavedColours(Ondivel& app) {
    FrmOption& f = app.frmOption();
    for (int i = 0; i < static_cast<int>(kScreenColours.size()); ++i) {
        const ScreenColour& c = kScreenColours[static_cast<std::size_t>(i)];
        f.shpColor[i].FillColor = ColourFromSetting(app.ReadIni(kOptions, c.key, NumberText(c.byDefault)));
    }
    ApplySampleColours(app);
}

void LoadPreferences(Ondivel& app) {
    FrmOption& f = app.frmOption();
    MDIOndivel& mdi = app.mdi();

    f.picColor_Fond.BackColor = ColourFromSetting(app.ReadIni(kOptions, "Couleur fond", "16777215"));
    setChecked(f.chkLoadTipsAtStartup, app.ReadIni(kOptions, "Show Tips at Startup", "1") == "1");
    setChecked(f.chkToolTip, app.ReadIni(kOptions, "ShowToolTip", "1") == "1");
    setChecked(f.chkCopySensibility, app.ReadIni(kOptions, "Copy Sensibility", "1") != "0");
    setChecked(f.chkACBloqueDC, app.ReadIni(kOptions, kACBlocksDCKey, "0") == "1");
    app.g.CouplageACBloqueDC = f.chkACBloqueDC.isOn();

    if (!mdi.ModeLibre) {
        f.chkReglage.Enabled = false;
    } else {
        f.chkReglage.Enabled = true;
        setChecked(f.chkReglage, app.ReadIni(kOptions, "Reglage auto", "0") != "0");
        mdi.setMenuEnabled(mdi.Mnu_Reglages, f.chkReglage.isOn());
    }

    RestoreSavedColours(app);

    const bool schoolVoltmeter = app.ReadIni(kOptions, "Multimetre college", "0") != "0";
    setChecked(f.chkMultimetre, schoolVoltmeter);
    showMeterButtonPicture(app, schoolVoltmeter);
    setChecked(f.chkDisposer, ArrangesAtEachOpening(app));

    for (int trace = 0; trace < 2; ++trace) {
        selectFromText(f.cbxStyle[trace], app.ReadIni(kPrinting, traceKey("Style Ligne", trace), "0"));
        const bool marker = Val(app.ReadIni(kPrinting, traceKey("Marque", trace), "1")) != 0;
        f.markerOptions(trace)[marker ? 1 : 0].setValue(1);
        f.applyMarkerChoice(trace);
        selectFromText(f.cbxMarque[trace], app.ReadIni(kPrinting, traceKey("Motif Marque", trace), "0"));
        selectFromText(f.cbxWidth[trace], app.ReadIni(kPrinting, traceKey("Taille Marque", trace), "0"));
    }
}

bool ArrangesAtEachOpening(const Ondivel& app) {
    return app.ReadIni(kOptions, kArrangeKey, "0") == "1";
}

void SavePreferences(Ondivel& app) {
    FrmOption& f = app.frmOption();
    MDIOndivel& mdi = app.mdi();

    app.WriteIni(kOptions, "Couleur fond", NumberText(f.picColor_Fond.BackColor));
    app.WriteIni(kOptions, "Show Tips at Startup", checkText(f.chkLoadTipsAtStartup));
    app.WriteIni(kOptions, "ShowToolTip", checkText(f.chkToolTip));
    ConfigureToolTips(app, f.chkToolTip.isOn(), kToolTipWidth); // at once, not at the next start
    app.WriteIni(kOptions, "Copy Sensibility", checkText(f.chkCopySensibility));
    // Never chosen, the option leaves the settings file as the classic program writes it.
    if (f.chkACBloqueDC.isOn() || !app.ReadIni(kOptions, kACBlocksDCKey, "").empty())
        app.WriteIni(kOptions, kACBlocksDCKey, checkText(f.chkACBloqueDC));
    app.g.CouplageACBloqueDC = f.chkACBloqueDC.isOn();
    if (mdi.ModeLibre) {
        app.WriteIni(kOptions, "Reglage auto", checkText(f.chkReglage));
        mdi.setMenuEnabled(mdi.Mnu_Reglages, f.chkReglage.isOn());
    }
    for (int i = 0; i < static_cast<int>(kScreenColours.size()); ++i)
        app.WriteIni(kOptions, kScreenColours[static_cast<std::size_t>(i)].key,
                     NumberText(f.shpColor[i].FillColor));
    app.WriteIni(kOptions, "Multimetre college", checkText(f.chkMultimetre));
    showMeterButtonPicture(app, f.chkMultimetre.isOn());
    app.WriteIni(kOptions, kArrangeKey, checkText(f.chkDisposer));

    for (int trace = 0; trace < 2; ++trace) {
        app.WriteIni(kPrinting, traceKey("Style Ligne", trace), NumberText(f.cbxStyle[trace].ListIndex));
        app.WriteIni(kPrinting, traceKey("Marque", trace), f.markerOptions(trace)[1].isOn() ? "1" : "0");
        app.WriteIni(kPrinting, traceKey("Motif Marque", trace), NumberText(f.cbxMarque[trace].ListIndex));
        app.WriteIni(kPrinting, traceKey("Taille Marque", trace), NumberText(f.cbxWidth[trace].ListIndex));
    }

    ApplySampleColours(app);
    RepaintColourSamples(app);
    RefreshOpenMultimeter(app);
}

void ApplyTraceColoursToOscilloscope(Ondivel& app) {
    RepaintColourSamples(app);
    // The oscilloscope applies the colours itself when it loads; an open one takes them now.
    if (app.frmOndivel().loaded()) ApplyKnob(app, kLeftButton, KnobIntensity); // blends and redraws
}

void RepaintColourSamples(Ondivel& app) {
    FrmOndivel& scope = app.frmOndivel();
    if (scope.loaded()) {
        for (int i = 0; i < 2; ++i) {
            scope.shpConnectCH1[i].FillColor = app.g.CouleurA;
            scope.shpConnectCH2[i].FillColor = app.g.CouleurB;
        }
    }
    FrmToolBox& toolbox = app.frmToolBox();
    if (toolbox.loaded()) {
        toolbox.fraAlim[0].BackColor = app.g.CouleurA;
        toolbox.fraAlim[1].BackColor = app.g.CouleurB;
    }
}

void RefreshOpenMultimeter(Ondivel& app) {
    if (app.frmVolt().loaded() || app.frmMulti_RMS().loaded()) MesurerSelonOption(app);
}

} // namespace ondivel
