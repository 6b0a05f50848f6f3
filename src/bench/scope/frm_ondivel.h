#pragma once
// frmOndivel, the dual-trace oscilloscope front panel: power, channel modes and couplings held as
// indicator lights, the eight knobs, the scale lists, the input terminals, the screen with its
// cursor read-out, and the sweep and XY timers.
#include <memory>

#include "bench/bench_form.h"
#include "bench/scope/screen_keys.h"
#include "core/surface.h"

namespace ondivel {

// The channel modes, as the index of the lit light among shpVoie 0…4; ModeNone when none is lit.
enum ChannelMode { ModeCH1 = 0, ModeCH2 = 1, ModeDUAL = 2, ModeADD = 3, ModeXY = 4, ModeNone = 5 };
// shpVoie(5): the inversion of CH2, lit independently of the mode.
inline constexpr int kInvertLight = 5;
// Offsets of a channel's three coupling lights from shpACDC(3 × channel).
enum class Coupling { AC = 0, DC = 1, GND = 2 };

class FrmOndivel : public BenchForm {
  public:
    explicit FrmOndivel(Ondivel& app);
    ~FrmOndivel() override;

    FormControl fraPower{*this, ControlKind::Frame, "fraPower"};
    FormControl chkOn{*this, ControlKind::CheckBox, "chkOn"};
    FormControl imgOn{*this, ControlKind::Image, "imgOn"};
    FormControl imgPicto{*this, ControlKind::Image, "imgPicto"};
    ControlArray cmdVoie{*this, ControlKind::CommandButton, "cmdVoie", 3};
    ControlArray lblVoie{*this, ControlKind::Label, "lblVoie", 6};
    ControlArray shpVoie{*this, ControlKind::Shape, "shpVoie", 6};
    ControlArray cmdACDC{*this, ControlKind::CommandButton, "cmdACDC", 2};
    ControlArray lblACDC{*this, ControlKind::Label, "lblACDC", 2};
    ControlArray shpACDC{*this, ControlKind::Shape, "shpACDC", 6};
    ControlArray Potentio{*this, ControlKind::Knob, "Potentio", 8};
    FormControl cboBaseTemps{*this, ControlKind::ComboBox, "cboBaseTemps"};
    FormControl cboSensibiliteVerticaleA{*this, ControlKind::ComboBox, "cboSensibiliteVerticaleA"};
    FormControl cboSensibiliteVerticaleB{*this, ControlKind::ComboBox, "cboSensibiliteVerticaleB"};
    FormControl chkFFT{*this, ControlKind::CheckBox, "chkFFT"};
    FormControl chkAuto{*this, ControlKind::CheckBox, "chkAuto"};
    FormControl picEcran{*this, ControlKind::Picture, "picEcran"};
    FormControl picGrille{*this, ControlKind::Picture, "picGrille"};
    FormControl picEcranPrint{*this, ControlKind::Picture, "picEcranPrint"};
    FormControl lblPositionCurseur{*this, ControlKind::Label, "lblPositionCurseur"};
    // The same place in volts and time, under the read-out (pointer_readout.h).
    FormControl lblPositionVolts{*this, ControlKind::Label, "lblPositionVolts"};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 3};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 3};
    ControlArray shpConnectCH1{*this, ControlKind::Shape, "shpConnectCH1", 2};
    ControlArray shpConnectCH2{*this, ControlKind::Shape, "shpConnectCH2", 2};
    FormControl tmrSpot{*this, ControlKind::Timer, "tmrSpot"};
    FormControl tmrXY{*this, ControlKind::Timer, "tmrXY"};
    FormControl tmrSeuil{*this, ControlKind::Timer, "tmrSeuil"};
    // Pauses and resumes the beam-spot sweep.
    FormControl cmdPauseSpot{*this, ControlKind::CommandButton, "cmdPauseSpot"};
    ControlArray lblindic{*this, ControlKind::Label, "lblindic", 2};
    ControlArray lblHorizontal{*this, ControlKind::Label, "lblHorizontal", 2};
    ControlArray lblVertical{*this, ControlKind::Label, "lblVertical", 2};
    ControlArray lblPosition{*this, ControlKind::Label, "lblPosition", 3};
    ControlArray lblYA{*this, ControlKind::Label, "lblYA", 2};
    ControlArray lblYB{*this, ControlKind::Label, "lblYB", 2};

    // Time offset of the XY drawing, advanced by tmrXY.
    double PhaseXY = 0;
    // The keyboard's pointer on the screen (screen_keys.h).
    ScreenPointer keyboardPointer;

    Surface& screen() const { return *screen_; }
    Surface& grid() const { return *grid_; }

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_MouseMove(int button, int shift, double x, double y) override;

    void chkOn_Click();
    void cmdVoie_Click(int index);
    void cmdACDC_Click(int index);
    void chkFFT_Click();
    void chkAuto_Click();
    void cboBaseTemps_Click();
    void cboSensibiliteVerticaleA_Click();
    void cboSensibiliteVerticaleB_Click();
    void Potentio_MouseDown(int index, int button, int shift, double x, double y);
    void Potentio_MouseMove(int index, int button, int shift, double x, double y);
    void Potentio_DblClick(int index);
    void imgBorne_Click(int index);
    void imgFiche_Click(int index);
    void picEcran_MouseMove(int button, int shift, double x, double y);
    void lblPositionCurseur_MouseMove(int button, int shift, double x, double y);
    void picEcran_MouseLeave();
    void picEcran_DblClick();
    void tmrSpot_Timer();
    void tmrXY_Timer();
    void cmdPauseSpot_Click();

    // The pointer's place in volts and time again after a refresh (a knob turned from the
    // keyboard, the mode, a test starting), the pointer where it last moved.
    void UpdatePointerVolts();

    // The oscilloscope is on when its power switch reads "Off".
    bool isOn() const { return chkOn.Caption == "Off"; }
    // Index of the first lit light among shpVoie 0..4, 5 when none is lit.
    int modeIndex() const;
    bool lit(const Control& light) const { return light.FillColor == kLampOn; }
    // Channel 0 = CH1, 1 = CH2.
    bool couplingLit(int channel, Coupling c) const {
        return lit(shpACDC[3 * channel + static_cast<int>(c)]);
    }

  protected:
    void resetMembers() override {
        PhaseXY = 0;
        keyboardPointer = {};
    }

  private:
    void bindHandlers();
    void setDesignValues();
    // EntreeBrancheeCH1/CH2 from the plugs: a channel needs its signal plug and the ground plug.
    void updateInputFlags();
    void setAllLights(Color color);

    std::unique_ptr<Surface> screen_;
    std::unique_ptr<Surface> grid_;
    std::unique_ptr<Surface> print_;
    double pointerX_ = 0, pointerY_ = 0; // screen units
};

} // namespace ondivel
