#pragma once
// Registers the view of the oscilloscope front panel with the view factory ("frmOndivel");
// called once by registerAllViews().
namespace ondivel {

void registerScopeViews();

} // namespace ondivel
