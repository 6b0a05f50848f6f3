#pragma once
// The channel assembly: rebuilds the working set of CH1 and CH2 (amplitude, frequency, keyword,
// offset, duty cycle) from the sources in free mode or from the exercise in evaluated mode, then
// applies the couplings and the cables. Run by the renderer at the start of every refresh.

#include <string>

namespace ondivel {

class FrmOndivel;
class Ondivel;

// Toolbox connection options that wire a function generator to a channel.
constexpr int kGeneratorOnCH1 = 1;
constexpr int kGeneratorOnCH2 = 10;

void AssembleChannels(Ondivel& app);

// The offset and duty cycle of one channel (0 = CH1, 1 = CH2): zero unless the function generator
// of that side is wired and on; then the duty from its knob 2 and fine slider (0…1, 0.1…0.9 while
// its square lamp is lit) and, in DC coupling only, the offset from its knob 3 and fine slider.
void ApplyGeneratorSettings(Ondivel& app, int channel);

// With the option `CouplageACBloqueDC`, a channel (0 = CH1, 1 = CH2) in AC coupling passes no
// constant voltage: no offset, and a DC keyword's level drops to 0 V (the channel's position).
void BlockConstantVoltage(const FrmOndivel& scope, int channel, const std::string& keyword, double& amplitude,
                          double& offset);

} // namespace ondivel
