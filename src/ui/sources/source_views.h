#pragma once
// Registers the views of the source panels and of the toolbox with the view factory
// ("frmGBFA", "frmGBFB", "frmToolBox"); called once by registerAllViews().
namespace ondivel {

void registerSourceViews();

} // namespace ondivel
