#include "meters/measurement.h"

namespace ondivel {

// Placeholders until the meters exist.
std::optional<double> ValeurEfficace(double, const std::string&) {
    return std::nullopt;
}
double ValeurCreteSignal(const Ondivel&, int, bool) {
    return 0;
}
void MesurerVoltmetre(Ondivel&) {}
void MesurerSelonOption(Ondivel&) {}
void AfficherMesure(Ondivel&, double) {}

} // namespace ondivel
