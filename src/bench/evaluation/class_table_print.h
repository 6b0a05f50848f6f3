#pragma once
// The class table on paper: A4 sheets across, the title, the date, the filters used, the rows
// (their column titles again at the top of each sheet) and the class's shares, drawn through
// Surface calls so that the PDF is vector text. frmTableau fills a TablePrint from what it shows.
#include <string>
#include <vector>

namespace ondivel {

class Surface;

struct TablePrint {
    std::string title;
    std::vector<std::string> headerLines; // date, source, filters
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    std::string sharesTitle;
    std::vector<std::string> shareColumns;
    std::vector<std::vector<std::string>> shares; // a line of one cell is a remark across the table
};

// What one line of a sheet holds.
struct PrintLine {
    enum class Kind { TableHeader, Row, Gap, SharesTitle, SharesHeader, Share };
    Kind kind;
    int index = 0; // the row or share line
};

// The lines of each sheet: `firstCapacity` lines on the first one (under the title block),
// `capacity` on the others. A sheet that starts inside the rows or the shares repeats their
// column titles; a section's title never ends a sheet alone.
std::vector<std::vector<PrintLine>> PaginateTable(int rows, int shares, int firstCapacity, int capacity);

// How many sheets the table takes, and one sheet drawn on `page` (which it gives its scale).
int TablePrintPages(const TablePrint& print);
void DrawTablePrintPage(const TablePrint& print, Surface& page, int pageIndex);

} // namespace ondivel
