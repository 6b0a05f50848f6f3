#pragma once
// A bench with the school voltmeter chosen in the settings and shown from the toolbox.
#include "../sources/bench_setup.h"
#include "bench/meters/frm_volt.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_pile.h"

namespace ondivel::testing {

class VoltBench : public BenchTest {
  protected:
    VoltBench() {
        app.WriteIni("Options", "Multimetre college", "1");
        user::click(toolbox.chkMulti);
    }

    // Cables CH1 of the oscilloscope (signal and ground plugs).
    void cableScopeCh1() {
        FrmOndivel& scope = app.frmOndivel();
        user::click(scope.chkOn);
        user::click(scope.imgBorne[0]);
        user::click(scope.imgBorne[2]);
    }
    void plugMeter() {
        user::click(volt.imgBorne[FrmVolt::kPlugV]);
        user::click(volt.imgBorne[FrmVolt::kPlugCom]);
    }
    // The 9 V battery on CH1, every cable in place.
    void batteryOnCh1() {
        cableScopeCh1();
        user::click(toolbox.optConnexion[5]);
        plugMeter();
    }
    void turnTo(int position) { user::rotate(volt.imgSelecteur, FrmVolt::PositionAngle(position)); }
    std::string display() const {
        if (volt.lblValueError.Visible) return "1";
        return (volt.lblSigne.Visible ? "-" : "") + volt.lblValue.Caption;
    }

    FrmVolt& volt = app.frmVolt();
};

} // namespace ondivel::testing
