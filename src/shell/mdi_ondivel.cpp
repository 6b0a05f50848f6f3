#include "shell/mdi_ondivel.h"

namespace ondivel {

MDIOndivel::MDIOndivel(Ondivel& app) : Form(app, "MDIOndivel") {
    registerMember("ModeLibre", VarRef(&ModeLibre));
}
void MDIOndivel::Form_Load() {}
void MDIOndivel::Form_QueryUnload(int&) {}
void MDIOndivel::Form_Unload(int&) {}
void MDIOndivel::Form_MouseMove(int, int, double, double) {}

} // namespace ondivel
