#pragma once
// The pages of a pupil's worksheet (worksheet.h), drawn through Surface in tenths of a millimetre
// on the printable part of an upright A4 sheet: the pupil's name, class and date, the title and
// the teacher's introduction on the first page; four oscillograms a page, each its screen drawn by
// the oscilloscope's renderer with the calibres under it, its instruction and a row of answer
// boxes per channel; then the answer key.
#include <string>
#include <vector>

namespace ondivel {

class Ondivel;
class Surface;
struct ExerciseOscillogram;
struct Worksheet;

// The printable part of the sheet, 180 mm × 267 mm, in tenths of a millimetre, y downwards.
inline constexpr double kSheetWidth = 1800;
inline constexpr double kSheetHeight = 2670;

// Sets a bench of its own up for the worksheet's screens, as an evaluated lesson shows them: the
// oscilloscope on in DUAL with both channels in DC coupling and plugged, the traces centred, the
// print colours (black traces on a white screen, a grey graticule), CH2 dashed so that the two
// traces part on a black-and-white copy, and traces wide enough for paper.
void PrepareWorksheetBench(Ondivel& bench);

// Puts an oscillogram of the exercise on that bench, with its calibres (CalibresFor).
void ShowWorksheetOscillogram(Ondivel& bench, const ExerciseOscillogram& oscillogram);

// The calibres a pupil reads under a screen: {"Voie CH1 : 2 V/div ; Voie CH2 : 0.5 V/div",
// "Base de temps : 1 ms/div"}.
std::vector<std::string> WorksheetCalibreLines(const Ondivel& bench);

// Draws page `index` (from 0) of the worksheet on `page`, which the call gives its scale.
void DrawWorksheetPage(Ondivel& bench, const Worksheet& sheet, int index, Surface& page);

} // namespace ondivel
