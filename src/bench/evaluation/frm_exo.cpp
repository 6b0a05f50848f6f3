#include "bench/evaluation/frm_exo.h"

#include "bench/evaluation/dialog_kit.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "core/format.h"
#include "core/platform.h"

namespace ondivel {

namespace {

constexpr int kBackspace = 8;

// Layout in twips: the two channel frames side by side, the score and the buttons below them.
constexpr double kFrameLeft = 120;
constexpr double kFrameTop = 120;
constexpr double kFrameWidth = 4800;
constexpr double kFrameHeight = 2400;
constexpr double kInside = 120;
constexpr double kAnswerColumn = 2280; // boxes and corrections, from the frame's left
constexpr double kClientWidth = 3 * kFrameLeft + 2 * kFrameWidth;
constexpr double kBottomRow = kFrameTop + kFrameHeight + dialog::kMargin;
// The teacher's title and instruction above the channels: a line, then up to three lines.
constexpr double kTitleHeight = 300;
constexpr double kInstructionHeight = 720;
constexpr double kBandHeight = kTitleHeight + kInstructionHeight + 60;

const char* const kTypes[] = {"Sinusoïdale", "Carrée", "Triangulaire", "Alternateur vélo"};

} // namespace

FrmExo::Voie::Voie(Form& form, int index)
    : fraVoie(form, ControlKind::Frame, "fraVoie", index), optACDC{{form, ControlKind::OptionButton,
                                                                    index == 0 ? "optACDCa" : "optACDCb", 0},
                                                                   {form, ControlKind::OptionButton,
                                                                    index == 0 ? "optACDCa" : "optACDCb", 1}},
      cmbSignal(form, ControlKind::ComboBox, "cmbSignal", index),
      lblUmax(form, ControlKind::Label, "lblUmax", index),
      txtUmax(form, ControlKind::TextBox, "txtUmax", index),
      lblFreq(form, ControlKind::Label, "lblFreq", index),
      txtFreq(form, ControlKind::TextBox, "txtFreq", index),
      lblReponse{{form, ControlKind::Label, "lblReponse", 4 * index},
                 {form, ControlKind::Label, "lblReponse", 4 * index + 1},
                 {form, ControlKind::Label, "lblReponse", 4 * index + 2},
                 {form, ControlKind::Label, "lblReponse", 4 * index + 3}} {
    layout(index, 0);
    fraVoie.Caption = index == 0 ? "Voie A" : "Voie B";

    optACDC[0].Caption = "Tension continue";
    optACDC[0].Value = 1;
    optACDC[1].Caption = "Tension alternative";

    for (const char* type : kTypes)
        cmbSignal.addItem(type);
    cmbSignal.ListIndex = 0;
    cmbSignal.Enabled = false; // until "Tension alternative" is chosen
    cmbSignal.ToolTipText = "Choisir dans la liste déroulante le type de signal";

    lblUmax.Caption = "Tension maximale (en V) : ";
    txtUmax.Text = "0";
    txtUmax.ToolTipText = "Entrer ici la valeur de la tension en volt";

    lblFreq.Caption = "Fréquence (en Hz) : ";
    txtFreq.Text = "0";
    txtFreq.Enabled = false;
    txtFreq.ToolTipText = "Entrer ici la valeur de la fréquence en hertz";

    for (FormControl& label : lblReponse) {
        label.Visible = false;
        label.ForeColor = 0x0000C0; // corrections in red
    }
}

void FrmExo::Voie::layout(int index, double dy) {
    using dialog::place;
    const double fx = kFrameLeft + index * (kFrameWidth + kFrameLeft);
    const double x = fx + kInside;
    const double answerX = fx + kAnswerColumn;
    place(fraVoie, fx, dy + kFrameTop, kFrameWidth, kFrameHeight);
    place(optACDC[0], x, dy + 360, 2040, 285);
    place(optACDC[1], x, dy + 690, 2040, 285);
    place(lblReponse[0], answerX, dy + 525, 2400, dialog::kLabelHeight);
    place(cmbSignal, x, dy + 1080, 2040, dialog::kBoxHeight);
    place(lblReponse[1], answerX, dy + 1110, 2400, dialog::kLabelHeight);
    place(lblUmax, x, dy + 1560 + dialog::kLabelDrop, 2160, dialog::kLabelHeight);
    place(txtUmax, answerX, dy + 1560, 1080, dialog::kBoxHeight);
    place(lblReponse[2], answerX + 1200, dy + 1560 + dialog::kLabelDrop, 1200, dialog::kLabelHeight);
    place(lblFreq, x, dy + 2040 + dialog::kLabelDrop, 2160, dialog::kLabelHeight);
    place(txtFreq, answerX, dy + 2040, 1080, dialog::kBoxHeight);
    place(lblReponse[3], answerX + 1200, dy + 2040 + dialog::kLabelDrop, 1200, dialog::kLabelHeight);
}

FrmExo::FrmExo(Ondivel& app) : BenchForm(app, "frmExo"), evaluation_(app) {
    HelpTopic = 3900; // the page that explains the evaluated mode to the pupil
    Caption = "Mode évalué";
    layout(0);
    imgLight.Picture = kLightWaiting;
    lblInfoScore.Caption = "Score : ";
    lblScore.ToolTipText = "1 point par bonne réponse";
    lblTitre.Visible = lblConsigne.Visible = false;
    lblTitre.ForeColor = 0x800000; // dark blue: the title stands apart from the instruction
    cmdNext.Caption = "Validation des réglages";
    cmdNext.ToolTipText = "Valider une fois toutes les valeurs saisies";
    cmdNextOndivel.Caption = "Oscillogrammes suivants";
    cmdNextOndivel.ToolTipText = "Pour afficher les oscillogrammes suivants";
    cmdNextOndivel.Enabled = false;
    defaultButton = &cmdNext;

    for (int ch = 0; ch < 2; ++ch) {
        Voie& v = voie[ch];
        for (int k = 0; k < 2; ++k)
            v.optACDC[k].on.Click = [this, ch, k] { optACDC_Click(ch, k); };
        for (Control* box : {&v.txtUmax, &v.txtFreq}) {
            box->on.KeyPress = [this](int& key) { answerBox_KeyPress(key); };
            box->on.GotFocus = [box] { dialog::SelectWholeText(*box); };
            box->on.LostFocus = [this, box] { answerBox_LostFocus(*box); };
        }
    }
    cmdNext.on.Click = [this] { cmdNext_Click(); };
    cmdNextOndivel.on.Click = [this] { cmdNextOndivel_Click(); };
}

void FrmExo::layout(double dy) {
    using dialog::place;
    place(lblTitre, kFrameLeft, kFrameLeft, kClientWidth - 2 * kFrameLeft, dialog::kLabelHeight);
    place(lblConsigne, kFrameLeft, kFrameLeft + kTitleHeight, kClientWidth - 2 * kFrameLeft,
          kInstructionHeight);
    for (int ch = 0; ch < 2; ++ch)
        voie[ch].layout(ch, dy);
    place(imgLight, kFrameLeft, dy + kBottomRow - 60, 480, 480);
    place(lblInfoScore, kFrameLeft + 600, dy + kBottomRow + dialog::kLabelDrop, 720, dialog::kLabelHeight);
    place(lblScore, kFrameLeft + 1320, dy + kBottomRow + dialog::kLabelDrop, 3000, dialog::kLabelHeight);
    dialog::placeButtonsRight({&cmdNext, &cmdNextOndivel}, kClientWidth, dy + kBottomRow, 2280);
    dialog::setClientSize(*this, kClientWidth, dy + kBottomRow + dialog::kButtonHeight + dialog::kMargin);
}

void FrmExo::ShowInstructions(const std::string& title, const std::string& instruction) {
    // A file without comments keeps the window as it always was; one with comments gets the band
    // above the channels for all its oscillograms, so that the answer boxes stay put between them.
    const bool band = !title.empty();
    layout(band ? kBandHeight : 0);
    lblTitre.Caption = title;
    lblConsigne.Caption = instruction;
    lblTitre.Visible = lblConsigne.Visible = band;
}

void FrmExo::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(HelpTopic);
}

void FrmExo::Form_Load() {
    // Beside the oscilloscope, whose screen the pupil reads, where the default layout puts it;
    // under it when the screen is too narrow for both side by side.
    const FrmOndivel& scope = app().frmOndivel();
    const double rightEdge = scope.Left + scope.Width;
    if (rightEdge + Width <= app().mdi().LargeurZoneTravail) {
        Left = rightEdge;
        Top = 0;
    } else {
        Left = scope.Left;
        Top = scope.Top + scope.Height;
    }
}

void FrmExo::Form_QueryUnload(int& cancel) {
    // Leaving the evaluation goes through "Mode libre"; the program itself may close the window.
    if (!closing_ && !app().mdi().unloading()) cancel = 1;
}

void FrmExo::Close() {
    closing_ = true;
    Unload();
    closing_ = false;
}

void FrmExo::optACDC_Click(int channel, int) {
    ApplyKind(channel);
}

void FrmExo::ApplyKind(int channel) {
    Voie& v = voie[channel];
    const bool alternating = !v.continuous();
    v.cmbSignal.Enabled = alternating;
    v.txtFreq.Enabled = alternating;
}

void FrmExo::ResetAnswers() {
    imgLight.Picture = kLightWaiting;
    cmdNext.Enabled = true;
    cmdNextOndivel.Enabled = false;
    defaultButton = &cmdNext;
    for (int ch = 0; ch < 2; ++ch) {
        Voie& v = voie[ch];
        v.optACDC[0].Enabled = v.optACDC[1].Enabled = true;
        v.txtUmax.Enabled = true;
        ApplyKind(ch);
        for (FormControl& label : v.lblReponse)
            label.Visible = false;
        v.txtUmax.setText("0");
        v.txtFreq.setText("0");
    }
}

void FrmExo::answerBox_KeyPress(int& keyAscii) {
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == kBackspace || keyAscii == ',') return;
    if (keyAscii == '.') {
        keyAscii = ',';
        return;
    }
    const char* text =
        keyAscii == '-' ? "Les valeurs négatives ne sont pas autorisées." : "Veuillez saisir un chiffre.";
    keyAscii = 0;
    app().platform().messageBox(text, vbCritical | vbSystemModal, "Ondivel");
}

void FrmExo::answerBox_LostFocus(Control& box) {
    if (box.Text.find_first_not_of(" \t") == std::string::npos) box.setText("0");
}

ChannelAnswer FrmExo::answerOf(int channel) const {
    const Voie& v = voie[channel];
    ChannelAnswer a;
    a.continuous = v.continuous();
    a.shape = v.cmbSignal.ListIndex < 0 ? 0 : v.cmbSignal.ListIndex;
    a.typedAmplitude = Val(v.txtUmax.Text);
    a.frequency = Val(v.txtFreq.Text);
    return a;
}

void FrmExo::showCorrections(int channel, const ChannelScore& score) {
    const std::string* texts[] = {&score.kindCorrection, &score.shapeCorrection, &score.amplitudeCorrection,
                                  &score.frequencyCorrection};
    for (int k = 0; k < 4; ++k) {
        FormControl& label = voie[channel].lblReponse[k];
        label.Caption = *texts[k];
        label.Visible = !texts[k]->empty();
    }
}

void FrmExo::cmdNext_Click() {
    cmdNext.Enabled = false;
    for (Voie& v : voie)
        for (Control* c : {&v.optACDC[0], &v.optACDC[1], &v.cmbSignal, &v.txtUmax, &v.txtFreq})
            c->Enabled = false;
    cmdNextOndivel.Enabled = true;
    defaultButton = &cmdNextOndivel;

    Globals& g = app().g;
    const ChannelExpected expected[2] = {{g.ExoSignalCH1, g.ExoAmplitudeCH1, g.ExoFrequenceCH1},
                                         {g.ExoSignalCH2, g.ExoAmplitudeCH2, g.ExoFrequenceCH2}};
    std::vector<std::string> record;
    int points = 0, available = 0;
    ReviewedOscillogram review;
    review.number = g.ExoNumeroOscillogramme;
    for (int ch = 0; ch < 2; ++ch) {
        const ChannelScore s = ScoreChannel(ch, answerOf(ch), expected[ch]);
        review.channel[ch] = {answerOf(ch), expected[ch], s, ch == 0 ? g.SensibiliteCH1 : g.SensibiliteCH2};
        (ch == 0 ? g.SignalA : g.SignalB) = s.type;
        (ch == 0 ? g.AmplitudeA : g.AmplitudeB) = s.amplitude;
        (ch == 0 ? g.FrequenceA : g.FrequenceB) = s.frequency;
        points += s.points;
        available += s.available;
        showCorrections(ch, s);
        record.push_back(s.record);
    }
    g.ExoPoints += points;
    g.ExoPointsMax += available;
    for (const std::string& line : ScoreLines(g.ExoPoints))
        record.push_back(line);
    lblScore.Caption =
        FormatNumber(g.ExoPoints, "#0") + " points sur " + FormatNumber(g.ExoPointsMax, "#0") + " points";
    if (points == available) imgLight.Picture = kLightAllRight;
    evaluation_.reviewed().push_back(review);
    evaluation_.results().append(record);
}

void FrmExo::cmdNextOndivel_Click() {
    evaluation_.ReadNextOscillogram();
}

} // namespace ondivel
