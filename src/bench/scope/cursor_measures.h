#pragma once
// The arithmetic and the texts of the measurement cursors' read-out: a cursor's screen position
// turned into a time or a voltage with the knobs of the moment, and each value written with
// three significant digits, its unit scaled to its size and a decimal comma ("2,50 ms").
#include <string>

namespace ondivel {

// The time at abscissa x (screen units, 100 a division) with the horizontal position and the
// time base in seconds a division: t = (x − PositionH) / 100 × BaseTemps.
double CursorTime(double x, double positionH, double timeBase);
// The voltage at height y with a channel's position and sensitivity in volts a division:
// V = (y − Position) / 100 × Sensibilite.
double CursorVoltage(double y, double position, double sensitivity);

// "2,50 ms", "-40,0 µs", "1,20 s", "500 ns".
std::string TimeText(double seconds);
// "400 Hz", "1,00 kHz", "2,50 MHz".
std::string FrequencyText(double hertz);
// "4,00 V", "-250 mV".
std::string VoltageText(double volts);
// 1/Δt as a frequency, "?" when the two time cursors stand together.
std::string InverseTimeText(double seconds);

} // namespace ondivel
