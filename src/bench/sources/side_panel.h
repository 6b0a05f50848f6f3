#pragma once
// A source panel of one channel side: the function and harmonic generators, the supply, the
// battery, the mains socket and the alternator. Each keeps its place in the settings under its
// own name and side, opens its help page on F1, and on closing hands its channel back to
// "Aucune alimentation" while the toolbox still wires it.
#include <string>

#include "bench/bench_form.h"
#include "bench/ondivel.h"
#include "core/color.h"

namespace ondivel {

class SidePanel : public BenchForm {
  public:
    int side() const { return side_; }

    void Form_KeyDown(int keyCode, int shift) override;
    void Form_Unload(int& cancel) override;

  protected:
    // `form` and `settings` take the side's letter: "frmDyn" names "frmDynA", "Dyn" the keys of
    // "DynA". `wiredA` and `wiredB`: the toolbox options that wire the panel on each side.
    SidePanel(Ondivel& app, int side, const std::string& form, const std::string& settings, int helpTopic,
              int wiredA, int wiredB);

    // The toolbox option that wires this panel to its channel; -1 when none does.
    virtual int wiredOption() const { return side_ == SideB ? wiredB_ : wiredA_; }

    // The globals of this panel's side.
    double& gamme() const;
    double& frequence() const;
    double& amplitude() const;
    bool& sourceBranchee() const;
    Color channelColour() const;

    // The panel's place from the settings; on side B it opens `topB` twips down by default.
    void loadPosition(const char* topB = "4935");
    // Sets a knob from 0 to `max` at `value`, in the order the knob component takes them.
    static void configureKnob(Control& knob, double max, double value);

  private:
    std::string settings_;
    int side_;
    int wiredA_, wiredB_;
};

} // namespace ondivel
