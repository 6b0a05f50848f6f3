#include "bench/main/accessible_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string_view>

#include "bench/bench_form.h"
#include "bench/ondivel.h"
#include "core/color.h"
#include "core/control.h"
#include "core/form.h"
#include "core/format.h"

namespace ondivel {

namespace {

const Control* sibling(const Control& c, const std::string& name, int index = -1) {
    return c.owner() ? c.owner()->findControl(name, index) : nullptr;
}

std::string caption(const Control* c) {
    return c ? c->Caption : std::string();
}

// Every read-out of the program shows a decimal comma; so does what is read out loud.
std::string comma(std::string s) {
    Remplacer(s, ".", ",");
    return s;
}

std::string number(double v) {
    return comma(NumberText(std::abs(v) < 1e-9 ? 0 : v));
}

// A caption or tool tip as one line of words: no access-key "&", line breaks as blanks, no
// blanks at the ends.
std::string words(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&') {
            if (i + 1 < s.size() && s[i + 1] == '&') out += s[++i];
            continue;
        }
        const bool blank = s[i] == '\r' || s[i] == '\n' || s[i] == ' ' || s[i] == '\t';
        if (blank) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += s[i];
        }
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

// The first line of a tool tip: the second one says how to use the control, not what it is.
std::string firstLine(const std::string& tip) {
    return words(tip.substr(0, tip.find_first_of("\r\n")));
}

const Ondivel* appOf(const Control& c) {
    const auto* form = dynamic_cast<const BenchForm*>(c.owner());
    return form ? &form->app() : nullptr;
}

// "frmGBFB" → 'B'; the side letter of a panel that exists twice.
char sideLetter(const Control& c) {
    const std::string& form = c.owner() ? c.owner()->name() : std::string();
    return !form.empty() && form.back() == 'B' ? 'B' : 'A';
}

std::string channel(const Control& c) {
    // The toolbox's source buttons: CH1 has 0 to 5 and the even ones from 12, CH2 the others.
    if (c.name() == "optConnexion") {
        const int i = c.index();
        return i <= 5 || (i >= 12 && i % 2 == 0) ? "CH1" : "CH2";
    }
    return sideLetter(c) == 'B' ? "CH2" : "CH1";
}

bool lit(const Control* shape) {
    return shape && shape->FillColor == kLampOn;
}

// --- Values ----------------------------------------------------------------------------------

std::string powerWord(const Control& c) {
    return c.isOn() ? "allumé" : "éteint";
}
std::string checkedWord(const Control& c) {
    return c.isOn() ? "coché" : "non coché";
}
std::string selectedWord(const Control& c) {
    return c.isOn() ? "sélectionné" : "non sélectionné";
}
std::string lampWord(const Control& c) {
    return lit(&c) ? "allumé" : "éteint";
}

// A terminal and its plug share an index; the plug is in place while it is visible.
std::string plugWord(const Control& c) {
    const Control* plug = c.name() == "imgFiche" ? &c : sibling(c, "imgFiche", c.index());
    return plug && plug->Visible ? "branchée" : "débranchée";
}

std::string listWords(const Control* list) {
    return list ? comma(list->listText()) : std::string();
}

// "+1,50 div": a position knob's offset from its middle, 100 screen units a division.
std::string divisions(const Control& c) {
    const double div = (c.Value - c.Max / 2) / 100;
    const std::string text = FormatComma(div, "0.00");
    return (text.find_first_not_of("0,-") != std::string::npos && div > 0 ? "+" : "") + text + " div";
}

std::string percentOfMax(const Control& c) {
    return c.Max > 0 ? number(std::round(c.Value / c.Max * 100)) + " %" : std::string();
}

// The lit light among `count` lights from `first`, named by `names`.
std::string litAmong(const Control& c, const char* lights, int first, int count, const char* const* names) {
    for (int i = 0; i < count; ++i)
        if (lit(sibling(c, lights, first + i))) return names[i];
    return {};
}

// The generator's frequency as its read-out shows it ("1,000 kHz").
std::string frequencyReadout(const Control& c) {
    const std::string side(1, sideLetter(c));
    return caption(sibling(c, "lblFreq" + side)) + " " + caption(sibling(c, "lblUnite"));
}

std::string selectorPosition(const Control& c, const char* captions) {
    const Ondivel* app = appOf(c);
    return app ? words(caption(sibling(c, captions, app->g.PositionSelecteur))) : std::string();
}

// The voltmeter's calibre with its function, as the documents name them ("V = 20", "V ~ 2"); the
// current and resistance ranges by their caption alone.
std::string calibre(const Control& c) {
    const Ondivel* app = appOf(c);
    const std::string range = selectorPosition(c, "lblCal");
    if (!app) return range;
    const int position = app->g.PositionSelecteur;
    if (position >= 0 && position <= 3) return "V = " + range;
    if (position >= 11 && position <= 14) return "V ~ " + range;
    return range;
}

using ValueOf = std::string (*)(const Control&);

// --- The table -------------------------------------------------------------------------------

// A control of the panels by form (a panel that exists twice is named without its A or B), name
// and index (-1: every index). In the name, "{voie}" is the panel's channel, "{n}" the index
// counted from 1, "{caption}" the control's caption and "{tip}" its tool tip.
struct Entry {
    std::string_view form;
    std::string_view control;
    int index;
    std::string_view name;
    ValueOf value;
};

constexpr const char* kModes[5] = {"CH1", "CH2", "DUAL", "ADD", "XY"};
constexpr const char* kCouplings[3] = {"AC", "DC", "GND"};

// clang-format off
const Entry kTable[] = {
    // The oscilloscope.
    {"frmOndivel", "chkOn",      -1, "Marche/arrêt de l'oscilloscope", powerWord},
    {"frmOndivel", "Potentio",    0, "Focus", percentOfMax},
    {"frmOndivel", "Potentio",    1, "Intensité", percentOfMax},
    {"frmOndivel", "Potentio",    2, "Position horizontale", divisions},
    {"frmOndivel", "Potentio",    3, "Position verticale CH1", divisions},
    {"frmOndivel", "Potentio",    4, "Position verticale CH2", divisions},
    {"frmOndivel", "Potentio",    5, "Base de temps",
     [](const Control& c) { return listWords(sibling(c, "cboBaseTemps")); }},
    {"frmOndivel", "Potentio",    6, "Sensibilité verticale CH1",
     [](const Control& c) { return listWords(sibling(c, "cboSensibiliteVerticaleA")); }},
    {"frmOndivel", "Potentio",    7, "Sensibilité verticale CH2",
     [](const Control& c) { return listWords(sibling(c, "cboSensibiliteVerticaleB")); }},
    {"frmOndivel", "cboBaseTemps", -1, "Base de temps", [](const Control& c) { return listWords(&c); }},
    {"frmOndivel", "cboSensibiliteVerticaleA", -1, "Sensibilité verticale CH1",
     [](const Control& c) { return listWords(&c); }},
    {"frmOndivel", "cboSensibiliteVerticaleB", -1, "Sensibilité verticale CH2",
     [](const Control& c) { return listWords(&c); }},
    {"frmOndivel", "cmdVoie",     0, "Mode précédent",
     [](const Control& c) { return litAmong(c, "shpVoie", 0, 5, kModes); }},
    {"frmOndivel", "cmdVoie",     1, "Mode suivant",
     [](const Control& c) { return litAmong(c, "shpVoie", 0, 5, kModes); }},
    {"frmOndivel", "cmdVoie",     2, "Inverser la voie CH2",
     [](const Control& c) { return std::string(lit(sibling(c, "shpVoie", 5)) ? "inversée" : "non inversée"); }},
    {"frmOndivel", "cmdACDC",     0, "Couplage de la voie CH1",
     [](const Control& c) { return litAmong(c, "shpACDC", 0, 3, kCouplings); }},
    {"frmOndivel", "cmdACDC",     1, "Couplage de la voie CH2",
     [](const Control& c) { return litAmong(c, "shpACDC", 3, 3, kCouplings); }},
    {"frmOndivel", "shpVoie",    -1, "Voyant {caption}", lampWord},
    {"frmOndivel", "imgBorne",    0, "Fiche CH1", plugWord},
    {"frmOndivel", "imgBorne",    1, "Fiche CH2", plugWord},
    {"frmOndivel", "imgBorne",    2, "Fiche de masse", plugWord},
    {"frmOndivel", "imgFiche",    0, "Fiche CH1", plugWord},
    {"frmOndivel", "imgFiche",    1, "Fiche CH2", plugWord},
    {"frmOndivel", "imgFiche",    2, "Fiche de masse", plugWord},
    // The read-out of the pointer, as the screen shows it, while it shows.
    {"frmOndivel", "picEcran",   -1, "Écran de l'oscilloscope",
     [](const Control& c) {
         const Control* readout = sibling(c, "lblPositionCurseur");
         return readout && readout->Visible ? words(readout->Caption) : std::string();
     }},

    // The function and harmonic generators.
    {"frmGBF",     "chkOn",      -1, "Marche/arrêt du générateur", powerWord},
    {"frmGBF",     "optGamme",   -1, "Gamme de fréquence {caption}", selectedWord},
    {"frmGBF",     "Potentio",    0, "Fréquence", frequencyReadout},
    {"frmGBF",     "Potentio",    1, "Amplitude", [](const Control& c) { return number(c.Value / 1000) + " V"; }},
    {"frmGBF",     "Potentio",    2, "Rapport cyclique", [](const Control& c) { return number(c.Value) + " %"; }},
    {"frmGBF",     "Potentio",    3, "Décalage",
     [](const Control& c) { return number((c.Value - c.Max / 2) / 10) + " V"; }},
    {"frmGBF",     "sldReglage",  0, "Réglage fin de la fréquence", [](const Control& c) { return number(c.Value); }},
    {"frmGBF",     "sldReglage",  1, "Réglage fin de l'amplitude", [](const Control& c) { return number(c.Value); }},
    {"frmGBF",     "sldReglage",  2, "Réglage fin du rapport cyclique", [](const Control& c) { return number(c.Value); }},
    {"frmGBF",     "sldReglage",  3, "Réglage fin du décalage", [](const Control& c) { return number(c.Value); }},
    {"frmGBF",     "optSignal",   0, "Signal sinusoïdal", selectedWord},
    {"frmGBF",     "optSignal",   1, "Signal carré", selectedWord},
    {"frmGBF",     "optSignal",   2, "Signal triangulaire", selectedWord},
    {"frmGBF",     "imgBorne",    0, "Fiche du signal", plugWord},
    {"frmGBF",     "imgBorne",    1, "Fiche COM", plugWord},
    {"frmGBF",     "lblFreqA",   -1, "Fréquence affichée", frequencyReadout},
    {"frmGBF",     "lblFreqB",   -1, "Fréquence affichée", frequencyReadout},
    {"frmHarmonique", "chkOn",   -1, "Marche/arrêt du générateur", powerWord},
    {"frmHarmonique", "optGamme", -1, "Gamme de fréquence {caption}", selectedWord},
    {"frmHarmonique", "Potentio", 0, "Fréquence", frequencyReadout},
    {"frmHarmonique", "sldReglage", -1, "Réglage fin de la fréquence", [](const Control& c) { return number(c.Value); }},
    {"frmHarmonique", "sldAmpli", -1, "Amplitude du rang {n}",
     [](const Control& c) { return caption(sibling(c, "lblAmpli", c.index())) + " %"; }},
    {"frmHarmonique", "sldPhase", -1, "Phase du rang {n}",
     [](const Control& c) { return caption(sibling(c, "lblPhase", c.index())); }},
    {"frmHarmonique", "sldX0",   -1, "Valeur moyenne du signal",
     [](const Control& c) { return comma(caption(sibling(c, "lblAmpliX0"))) + " V"; }},
    {"frmHarmonique", "imgBorne", 0, "Fiche du signal", plugWord},
    {"frmHarmonique", "imgBorne", 1, "Fiche COM", plugWord},
    {"frmHarmonique", "lblFreqA", -1, "Fréquence affichée", frequencyReadout},
    {"frmHarmonique", "lblFreqB", -1, "Fréquence affichée", frequencyReadout},

    // The battery, the supply, the alternator and the mains socket.
    {"frmPile",    "optPolarite", -1, "Polarité",
     [](const Control& c) {
         for (int i = 0; i < 2; ++i)
             if (const Control* o = sibling(c, "optPolarite", i); o && o->isOn()) return words(o->Caption);
         return std::string();
     }},
    {"frmAlim",    "chkOnOff",   -1, "Marche/arrêt de l'alimentation", powerWord},
    {"frmAlim",    "Potentio",    0, "Tension", [](const Control& c) { return number(c.Value / 100) + " V"; }},
    {"frmAlim",    "Potentio",    1, "Réglage fin de la tension",
     [](const Control& c) { return number((c.Value - 10) / 10) + " V"; }},
    {"frmAlim",    "Potentio",    2, "Courant", [](const Control& c) { return number(c.Value / 10) + " A"; }},
    {"frmDyn",     "Potentio",    0, "Vitesse de rotation", [](const Control& c) { return number(c.Value) + " tours/min"; }},
    {"frmDyn",     "Potentio",    1, "Réglage fin de la vitesse",
     [](const Control& c) { return number((c.Value - 100) / 10) + " tours/min"; }},
    {"frmDyn",     "imgBorne",    0, "Fiche du signal", plugWord},
    {"frmDyn",     "imgBorne",    1, "Fiche COM", plugWord},
    {"frmEDF",     "optWorld",   -1, "{caption}", selectedWord},

    // The meters.
    {"frmVolt",    "imgSelecteur", -1, "Sélecteur", [](const Control& c) { return calibre(c); }},
    {"frmMulti_RMS", "imgSelecteur", -1, "Sélecteur",
     [](const Control& c) { return selectorPosition(c, "lblFonction"); }},
    {"frmChrono",  "chkStart_Stop", -1, "Marche/arrêt du chronomètre",
     [](const Control& c) { return std::string(c.isOn() ? "en marche" : "arrêté"); }},
    {"frmChrono",  "cmdRAZ",     -1, "Remise à zéro", nullptr},
    {"frmChrono",  "cmdEnd",     -1, "Fermer le chronomètre", nullptr},
    {"frmChrono",  "chkAlarme",  -1, "Alarme",
     [](const Control& c) { return std::string(c.isOn() ? "activée" : "désactivée"); }},
    {"frmCurseurs", "optCurseur", -1, "Curseur {caption}", selectedWord},
    // The windows.
    {"frmOption",  "sstOptions", -1, "Onglets des options", [](const Control& c) { return words(c.listText()); }},
    {"frmCreateFile", "lstListeData", -1, "Lignes du fichier", nullptr},
    {"frmCorrections", "lstCorrections", -1, "Corrections des oscillogrammes", nullptr},
    {"frmTableau", "lstTableau", -1, "Tableau de la classe, une ligne par évaluation", nullptr},
    {"frmTableau", "lstReussite", -1, "Réussite de la classe par oscillogramme", nullptr},
    {"frmTableau", "lstExplications", -1, "Réponses fausses de l'élève sélectionné", nullptr},
    {"frmTableau", "cboTri", -1, "Trier par", nullptr},
    {"frmCreateFile", "cboAlternatif", -1, "Forme du signal sur la voie CH{n}", nullptr},
    {"frmExo",     "cmbSignal",  -1, "Forme du signal sur la voie CH{n}", nullptr},
    {"frmToolBox", "optConnexion", -1, "{tip} sur la voie {voie}", selectedWord},
    {"frmChrono",  "sldAlarme",  -1, "Intervalle de l'alarme", [](const Control& c) { return number(c.Value) + " s"; }},
};
// clang-format on

// The panel's own words for its terminals, by index, when the table does not name them.
std::string terminalName(const Control& c) {
    const std::string& form = c.owner() ? c.owner()->name() : std::string();
    const int i = c.index();
    if (form.rfind("frmAlim", 0) == 0) return "Fiche " + words(caption(sibling(c, "lblBorne", i)));
    if (form.rfind("frmEDF", 0) == 0) {
        const char* labels[3] = {"lblNeutre", "lblPhase", "lblTerre"};
        return i >= 0 && i < 3 ? "Fiche " + words(caption(sibling(c, labels[i]))) : std::string();
    }
    if (form == "frmVolt" || form == "frmMulti_RMS") {
        const char* terminals[4] = {"V", "mA", "10A", "COM"};
        return i >= 0 && i < 4 ? std::string("Fiche ") + terminals[i] : std::string();
    }
    return {};
}

// A panel that exists twice ("frmGBFA", "frmGBFB") answers to its name without the letter.
bool formMatches(std::string_view entry, const std::string& form) {
    if (form == entry) return true;
    return form.size() == entry.size() + 1 && form.compare(0, entry.size(), entry) == 0 &&
           (form.back() == 'A' || form.back() == 'B');
}

const Entry* entryFor(const Control& c) {
    if (!c.owner()) return nullptr;
    const std::string& form = c.owner()->name();
    for (const Entry& e : kTable)
        if (e.control == c.name() && (e.index < 0 || e.index == c.index()) && formMatches(e.form, form))
            return &e;
    return nullptr;
}

std::string fillName(std::string_view pattern, const Control& c) {
    std::string out(pattern);
    const auto put = [&out](std::string_view key, const std::string& text) {
        if (const auto at = out.find(key); at != std::string::npos) out.replace(at, key.size(), text);
    };
    put("{voie}", channel(c));
    put("{n}", std::to_string(c.index() + 1));
    put("{tip}", firstLine(c.ToolTipText));
    if (out.find("{caption}") != std::string::npos) {
        std::string text = words(c.Caption);
        // The lamps of the mode are named by the label beside them.
        if (text.empty() && c.name() == "shpVoie") text = words(caption(sibling(c, "lblVoie", c.index())));
        put("{caption}", text);
    }
    return out;
}

bool overlaps(double a0, double a1, double b0, double b1) {
    return std::max(a0, b0) < std::min(a1, b1);
}

// The visible label that names a box in a dialog: on its row just to its left, else right above
// it; a label farther away names something else.
std::string labelBeside(const Control& c) {
    if (!c.owner()) return {};
    const Control* best = nullptr;
    double bestDistance = 0;
    bool bestOnRow = false;
    for (const Control* l : c.owner()->controls()) {
        if (l->kind() != ControlKind::Label || !l->Visible || words(l->Caption).empty()) continue;
        const bool onRow = overlaps(l->Top, l->Top + l->Height, c.Top, c.Top + c.Height) && l->Left < c.Left;
        const bool above = overlaps(l->Left, l->Left + l->Width, c.Left, c.Left + c.Width) && l->Top < c.Top;
        if (!onRow && !above) continue;
        const double distance =
            std::abs(onRow ? c.Left - (l->Left + l->Width) : c.Top - (l->Top + l->Height));
        if (distance > (onRow ? c.Width : 2 * c.Height)) continue;
        if (best && bestOnRow && !onRow) continue;
        if (!best || (onRow && !bestOnRow) || distance < bestDistance) {
            best = l;
            bestDistance = distance;
            bestOnRow = onRow;
        }
    }
    std::string text = best ? words(best->Caption) : std::string();
    while (!text.empty() && (text.back() == ':' || text.back() == ' '))
        text.pop_back();
    return text;
}

AccessibleText fallback(const Control& c) {
    AccessibleText t;
    // Boxes have no caption: the label beside them names them better than their tool tip.
    const bool box = c.kind() == ControlKind::TextBox || c.kind() == ControlKind::ComboBox ||
                     c.kind() == ControlKind::ListBox || c.kind() == ControlKind::Slider;
    t.name = words(c.Caption);
    // A caption of arrows says less than the tool tip.
    if (std::none_of(t.name.begin(), t.name.end(),
                     [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)); }) &&
        !c.ToolTipText.empty())
        t.name.clear();
    if (t.name.empty() && box) t.name = labelBeside(c);
    if (t.name.empty()) t.name = firstLine(c.ToolTipText);
    switch (c.kind()) {
    case ControlKind::CheckBox:
        t.value = checkedWord(c);
        break;
    case ControlKind::OptionButton:
        t.value = selectedWord(c);
        break;
    case ControlKind::Knob:
    case ControlKind::Slider:
        t.value = number(c.Value);
        break;
    // What is typed in a text box is the box's own to read out, so that a password never is.
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
        t.value = c.listText();
        break;
    case ControlKind::Image:
        if (c.name() == "imgBorne" || c.name() == "imgFiche") {
            t.name = terminalName(c);
            t.value = plugWord(c);
        }
        break;
    default:
        break;
    }
    if (t.name.empty()) t.value.clear();
    return t;
}

} // namespace

AccessibleText accessibleText(const Control& control) {
    if (const Entry* e = entryFor(control))
        return {fillName(e->name, control), e->value ? e->value(control) : std::string()};
    return fallback(control);
}

} // namespace ondivel
