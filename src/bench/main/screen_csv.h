#pragma once
// The screen's samples as a CSV table for a spreadsheet, the third format of "Fichier > Exporter
// l'écran…". French spreadsheets are the readers: ";" between cells, a decimal comma, UTF-8 behind
// a byte-order mark (the platform adds it), CR LF line ends as RFC 4180 and the program's other
// text files have them. A few lines of legend come first (the date, the traces' sources, the
// calibres, as the exported page prints them), then the columns' names, then one row a sample.
#include <optional>
#include <string>

namespace ondivel {

class Ondivel;

// Rows of a time-base screen: 2001 samples from the left edge to the right one, so that a sample
// falls every 1/200 of a division (5 µs at 1 ms/div) and the times read exactly.
inline constexpr int kCsvSamples = 2001;

// "0,00025", "-4,99999", "0,00000015", "12345700": six significant digits at most, which every
// time of the table needs (a sample number of four digits times a calibre of one) and which no
// calibre's hundredth of a division exceeds; a decimal comma whatever the locale, no exponent.
// Not finite: an empty cell.
std::string CsvNumber(double value);

// The table's text, or nullopt when the screen has nothing to put in a table: switched off, or the
// spectrum (whose pixels are no samples). CsvRefusal says why in French.
std::optional<std::string> ScreenCsv(const Ondivel& app);
std::string CsvRefusal(const Ondivel& app);

} // namespace ondivel
