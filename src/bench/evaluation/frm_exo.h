#pragma once
// frmExo, where the pupil answers for each oscillogram and sees the score. It also holds the
// evaluation under way (exercise file, results file), which outlives the window between files.
#include "bench/bench_form.h"
#include "bench/evaluation/evaluation.h"
#include "physics/scoring.h"

namespace ondivel {

class FrmExo : public BenchForm {
  public:
    explicit FrmExo(Ondivel& app);

    // The controls of one channel, in the order the pupil tabs through them.
    struct Voie {
        Voie(Form& form, int index);
        FormControl fraVoie;
        // optACDCa(0..1) for channel A, optACDCb(0..1) for B: 0 continuous, 1 alternating.
        FormControl optACDC[2];
        FormControl cmbSignal;
        FormControl lblUmax;
        FormControl txtUmax;
        FormControl lblFreq;
        FormControl txtFreq;
        // lblReponse(4·channel + k): k = 0 kind, 1 shape, 2 peak value, 3 frequency.
        FormControl lblReponse[4];

        bool continuous() const { return optACDC[0].isOn(); }
        void layout(int index, double dy);
    };
    Voie voie[2]{{*this, 0}, {*this, 1}};
    FormControl cmdNext{*this, ControlKind::CommandButton, "cmdNext"};
    FormControl cmdNextOndivel{*this, ControlKind::CommandButton, "cmdNextOndivel"};
    FormControl lblInfoScore{*this, ControlKind::Label, "lblInfoScore"};
    FormControl lblScore{*this, ControlKind::Label, "lblScore"};
    FormControl imgLight{*this, ControlKind::Image, "imgLight"};
    // Added above the channels when the exercise file has comments: its first comment line as the
    // exercise's title, and the comment line just before the oscillogram on show.
    FormControl lblTitre{*this, ControlKind::Label, "lblTitre"};
    FormControl lblConsigne{*this, ControlKind::Label, "lblConsigne"};

    static constexpr int kLightWaiting = 14, kLightAllRight = 15;

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_QueryUnload(int& cancel) override;
    void optACDC_Click(int channel, int index);
    void cmdNext_Click();
    void cmdNextOndivel_Click();
    // The answer boxes take digits, backspace and a decimal comma ("." becomes ",").
    void answerBox_KeyPress(int& keyAscii);
    void answerBox_LostFocus(Control& box);

    // The exercise's title and this oscillogram's instruction (both empty for a file without
    // comments, which keeps the window's usual layout).
    void ShowInstructions(const std::string& title, const std::string& instruction);
    // Ready for a new oscillogram: answers open, corrections hidden, boxes at "0".
    void ResetAnswers();
    // The channel's list and frequency box follow its kind of voltage.
    void ApplyKind(int channel);
    // Unloads the window for the program (the pupil cannot close it while answering).
    void Close();

    Evaluation& evaluation() { return evaluation_; }

  private:
    // Every control in place, the channels and what is below them moved down by dy twips.
    void layout(double dy);
    ChannelAnswer answerOf(int channel) const;
    void showCorrections(int channel, const ChannelScore& score);

    Evaluation evaluation_;
    bool closing_ = false;
};

} // namespace ondivel
