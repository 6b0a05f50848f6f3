#pragma once
// Registers the views of the other source panels with the view factory; each lives beside its
// view and is called once by registerAllViews().
namespace ondivel {

void registerBatteryViews();    // "frmPileA", "frmPileB"
void registerSupplyViews();     // "frmAlimA", "frmAlimB"
void registerAlternatorViews(); // "frmDynA", "frmDynB"
void registerMainsViews();      // "frmEDFA", "frmEDFB"
void registerHarmonicViews();   // "frmHarmoniqueA", "frmHarmoniqueB"

} // namespace ondivel
