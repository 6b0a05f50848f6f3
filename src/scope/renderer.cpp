#include "scope/renderer.h"

#include "core/ondivel.h"
#include "scope/frm_ondivel.h"

namespace ondivel {

Renderer::Renderer(Ondivel& app) : app_(app) {}
void Renderer::RefreshDisplay() {}
void Renderer::DrawOscillogram() {}
void Renderer::DrawChannelTrace(int) {}
void Renderer::DrawFlatTrace(double, Color) {}
void Renderer::DrawGrid(Form&) {}
void Renderer::DrawSettingsOverlay() {}
Surface& Renderer::targetScreen() const { return app_.frmOndivel().screen(); }
Surface& Renderer::targetGrid() const { return app_.frmOndivel().grid(); }

} // namespace ondivel
