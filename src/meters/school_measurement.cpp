#include "meters/measurement.h"

namespace ondivel {

void MeasureSchoolVoltmeter(Ondivel&) {}

} // namespace ondivel
