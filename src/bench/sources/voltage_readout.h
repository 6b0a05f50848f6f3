#pragma once
// The voltage read-out of the DC supply panels: the text shown for a voltage, and the procedures
// that fix the side's sign from the signal plug and write the read-out of frmAlimA or frmAlimB.
#include <string>

namespace ondivel {

class BenchForm;

// The magnitude of `volts` with a decimal comma: two decimals below 10 V ("9,99", "0,00"), one
// from 10 V up ("12,3"). The sign is never part of the text: the panel shows it apart.
std::string VoltageReadoutText(double volts);

// On a supply panel of the side: the signal plug on NEG makes the side's amplitude negative, on
// POS positive (neither plug leaves it as it is); lblAffichage shows the magnitude and lblSigne
// shows exactly while the amplitude is negative. Other windows are left alone.
void AfficherTensionA(BenchForm& form);
void AfficherTensionB(BenchForm& form);

} // namespace ondivel
