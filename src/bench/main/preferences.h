#pragma once
// The preferences kept in sections "Options" and "Impression" of the settings file, loaded into
// the options window (frmOption, loaded hidden at start-up) and the colour globals, and saved back
// from it by its OK and Apply buttons.
#include <string>

#include "core/color.h"

namespace ondivel {

class Ondivel;
struct Globals;

// A colour as the settings file holds it: the decimal 0x00BBGGRR value; text that is not a
// number reads black, values outside the 24 bits are clamped.
Color ColourFromSetting(const std::string& text);

void LoadPreferences(Ondivel& app);
void SavePreferences(Ondivel& app);

// The saved choice of the options window: arrange the panels side by side again whenever one
// opens or closes (off unless the settings file says "1").
bool ArrangesAtEachOpening(const Ondivel& app);

// Copies the five colours of the options window's samples into the colour globals and their
// red, green and blue components, then applies the trace colours to the oscilloscope.
void ApplySampleColours(Ondivel& app);

// The colour global of an optColor index (CouleurA, CouleurB, CouleurGrille, CouleurEcran,
// CouleurCadre).
Color& ColourGlobal(Globals& g, int colourIndex);
// The red, green and blue components kept for the trace A, trace B and screen colours; the grid
// and frame colours have none, so nothing changes for them.
void SetColourComponents(Globals& g, int colourIndex, Color c);
// Whether the screen shows the projection preset: the screen, grid and frame colours and the
// full-brightness trace colours are the preset's (the intensity knob may still dim the traces).
bool ProjectionColoursInUse(const Globals& g);
// Puts the colours of the settings file back into the globals, the samples and the oscilloscope
// (the options window closed without applying its changes).
void RestoreSavedColours(Ondivel& app);

// The open windows that follow a change of preferences.
// Re-applies the intensity knob so that CouleurA and CouleurB blend the new trace colours.
void ApplyTraceColoursToOscilloscope(Ondivel& app);
// Repaints the colour samples of the oscilloscope panel and of the toolbox.
void RepaintColourSamples(Ondivel& app);
// Refreshes the multimeter's reading when it is open.
void RefreshOpenMultimeter(Ondivel& app);

} // namespace ondivel
