#pragma once
// The printed page of the oscillograms and the "Imprimer écran" command behind it. The page is
// drawn through Surface: the graticule, the traces of the channels in use, each with its print
// line style and its markers (glyphs of the Wingdings symbol font), one legend line per trace in
// Arial and the program's signature. The printer's surface maps the page scale onto the paper.
#include <string>
#include <string_view>

namespace ondivel {

class Ondivel;
class Surface;

// The page in its own user scale: the oscilloscope screen keeps its units (−500…505 × 400…−405),
// the legend and the footer sit under it.
inline constexpr double kPageLeft = -560;
inline constexpr double kPageTop = 460;
inline constexpr double kPageRight = 565;
inline constexpr double kPageBottom = -600;

// "Ondivel v.1.0", the signature of the printout and of the clipboard picture.
std::string ProgramSignature();
// The kind of voltage a waveform keyword names, for the legend ("tension sinusoïdale").
std::string SignalTypeName(std::string_view keyword);

// Draws the whole page on `page`, which the call gives its scale.
void DrawPrintout(Ondivel& app, Surface& page);

// Prints the page on the printer of the print set-up; tells the user when no printer took it.
void PrintScreen(Ondivel& app);

} // namespace ondivel
