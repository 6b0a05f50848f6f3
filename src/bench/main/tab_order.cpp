#include "bench/main/tab_order.h"

#include "bench/scope/scales.h"

namespace ondivel {

namespace {

// The stops of one window, written without its name.
class Stops {
  public:
    explicit Stops(std::string form) : form_(std::move(form)) {}
    Stops& add(const std::string& control) {
        paths_.push_back(form_ + "." + control);
        return *this;
    }
    Stops& add(const std::string& array, int index) { return add(array + "(" + std::to_string(index) + ")"); }
    Stops& range(const std::string& array, int first, int last) {
        for (int i = first; i <= last; ++i)
            add(array, i);
        return *this;
    }
    std::vector<std::string> paths() const { return paths_; }

  private:
    std::string form_;
    std::vector<std::string> paths_;
};

std::vector<std::string> scope() {
    Stops s("frmOndivel");
    s.add("chkOn").add("Potentio", KnobIntensity).add("Potentio", KnobFocus);
    s.add("Potentio", KnobSensitivityCH1).add("Potentio", KnobPositionCH1).add("cmdACDC", 0);
    s.add("Potentio", KnobSensitivityCH2).add("Potentio", KnobPositionCH2).add("cmdACDC", 1);
    s.range("cmdVoie", 0, 2).add("chkFFT");
    s.add("Potentio", KnobTimeBase).add("Potentio", KnobPositionH).add("cmdPauseSpot").add("chkAuto");
    s.range("imgBorne", 0, 2);
    // The screen last: its arrows move a pointer that reads the screen (screen_keys.h).
    s.add("picEcran");
    return s.paths();
}

std::vector<std::string> toolbox() {
    // Each channel's strip as the toolbox shows it, top to bottom.
    constexpr int kStripCH1[9] = {0, 1, 2, 3, 4, 5, 12, 14, 16};
    constexpr int kStripCH2[9] = {11, 10, 9, 8, 7, 6, 13, 15, 17};
    Stops s("frmToolBox");
    for (int i : kStripCH1)
        s.add("optConnexion", i);
    for (int i : kStripCH2)
        s.add("optConnexion", i);
    s.add("chkMulti").add("chkClock").add("chkCalc");
    return s.paths();
}

// The heading row and the range buttons of both kinds of generator.
Stops& generatorTop(Stops& s) {
    return s.add("chkOn").range("optGamme", 0, 5);
}

std::vector<std::string> functionGenerator(const std::string& name) {
    Stops s(name);
    generatorTop(s).range("optSignal", 0, 2).range("imgBorne", 0, 1);
    for (int i = 0; i < 4; ++i)
        s.add("Potentio", i).add("sldReglage", i);
    return s.paths();
}

std::vector<std::string> harmonicGenerator(const std::string& name) {
    constexpr int kHarmonics = 20;
    Stops s(name);
    generatorTop(s).add("Potentio", 0).add("sldReglage").range("imgBorne", 0, 1).add("sstHarmo");
    // Column by column: the amplitude, then the phase below it.
    for (int i = 0; i < kHarmonics; ++i)
        s.add("sldAmpli", i).add("sldPhase", i);
    s.add("sldX0").range("optSignal", 0, 4);
    return s.paths();
}

} // namespace

std::vector<std::string> TabOrder(const std::string& formName) {
    const auto sided = [&formName](const char* stem) {
        return formName == std::string(stem) + "A" || formName == std::string(stem) + "B";
    };
    if (formName == "frmOndivel") return scope();
    if (formName == "frmToolBox") return toolbox();
    if (sided("frmGBF")) return functionGenerator(formName);
    if (sided("frmHarmonique")) return harmonicGenerator(formName);
    if (sided("frmPile")) return Stops(formName).add("optPolarite", 0).paths();
    if (sided("frmAlim"))
        return Stops(formName).range("Potentio", 0, 2).add("chkOnOff").range("imgBorne", 0, 2).paths();
    if (sided("frmDyn")) return Stops(formName).range("Potentio", 0, 1).range("imgBorne", 0, 1).paths();
    if (sided("frmEDF")) return Stops(formName).range("optWorld", 0, 2).range("imgBorne", 0, 2).paths();
    if (formName == "frmVolt")
        return Stops(formName).add("imgSelecteur").range("imgBorne", 0, 3).range("optVoie", 0, 1).paths();
    if (formName == "frmMulti_RMS")
        return Stops(formName)
            .range("cmdBouton", 0, 1)
            .add("chkACDC")
            .add("imgSelecteur")
            .range("optVoie", 0, 1)
            .range("imgBorne", 0, 3)
            .paths();
    if (formName == "frmChrono")
        return Stops(formName)
            .add("chkStart_Stop")
            .add("cmdRAZ")
            .add("chkAlarme")
            .add("sldAlarme")
            .add("cmdEnd")
            .paths();
    // The cursors themselves: the arrows move the one that has the focus.
    if (formName == "frmCurseurs") return Stops(formName).range("optCurseur", 0, 3).paths();
    return {};
}

} // namespace ondivel
