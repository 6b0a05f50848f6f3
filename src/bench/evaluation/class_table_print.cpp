#include "bench/evaluation/class_table_print.h"

#include <algorithm>
#include <numeric>

#include "bench/evaluation/class_table.h"
#include "core/color.h"
#include "core/surface.h"

namespace ondivel {

namespace {

// A sheet across in its own units, y down: the printable area of an A4 sheet with 15 mm margins
// (267 × 180 mm) is 1000 × 674 of them.
constexpr double kWidth = 1000;
constexpr double kHeight = 674;
constexpr const char* kFont = "Arial";
constexpr double kTitlePoints = 14;
constexpr double kHeaderPoints = 9;
constexpr double kTablePoints = 8;
constexpr double kSmallestPoints = 5;
constexpr double kTitleHeight = 30;
constexpr double kHeaderPitch = 14;
constexpr double kPitch = 15;
constexpr double kPadding = 5;
constexpr double kFooterTop = 660;
constexpr double kTableBottom = 650;
constexpr Color kRuleColor = RGB(190, 190, 190);
constexpr Color kRightColor = RGB(0, 120, 0);
constexpr Color kWrongColor = RGB(200, 0, 0);

double firstTableTop(const TablePrint& print) {
    return kTitleHeight + kHeaderPitch * static_cast<double>(print.headerLines.size()) + kPitch / 2;
}

int capacityBelow(double top) {
    return std::max(4, static_cast<int>((kTableBottom - top) / kPitch));
}

// Column widths at `points`, and the size of type that lets them fit across the sheet.
struct Columns {
    std::vector<double> widths;
    double points = kTablePoints;
};

Columns fitColumns(Surface& page, const std::vector<std::string>& titles,
                   const std::vector<std::vector<std::string>>& lines) {
    page.setFont(kFont, kTablePoints);
    Columns c;
    c.widths.assign(titles.size(), 0);
    const auto widen = [&](std::size_t i, const std::string& text) {
        if (i < c.widths.size()) c.widths[i] = std::max(c.widths[i], page.textWidth(text) + 2 * kPadding);
    };
    for (std::size_t i = 0; i < titles.size(); ++i)
        widen(i, titles[i]);
    for (const std::vector<std::string>& line : lines)
        for (std::size_t i = 0; line.size() > 1 && i < line.size(); ++i)
            widen(i, line[i]);
    const double total = std::accumulate(c.widths.begin(), c.widths.end(), 0.0);
    if (total > kWidth) {
        // Text widths follow the size of type: a smaller type makes every column narrower alike.
        const double ratio = std::max(kSmallestPoints / kTablePoints, kWidth / total);
        c.points = kTablePoints * ratio;
        for (double& w : c.widths)
            w *= ratio;
    }
    return c;
}

void printCells(Surface& page, const Columns& columns, const std::vector<std::string>& cells, double y,
                bool marks) {
    double x = 0;
    for (std::size_t i = 0; i < cells.size() && i < columns.widths.size(); ++i) {
        const std::string& cell = cells[i];
        if (marks && i >= static_cast<std::size_t>(kFixedColumns)) {
            // The marks in colour, so that a wrong answer stands out on the sheet.
            double at = x + kPadding;
            for (std::size_t from = 0; from < cell.size();) {
                std::size_t to = cell.find(' ', from);
                if (to == std::string::npos) to = cell.size();
                const std::string token = cell.substr(from, to - from);
                const Color ink = token == mark::kRight   ? kRightColor
                                  : token == mark::kWrong ? kWrongColor
                                                          : kBlack;
                page.print(at, y, token, ink);
                at += page.textWidth(token + " ");
                from = to + 1;
            }
        } else {
            page.print(x + kPadding, y, cell, kBlack);
        }
        x += columns.widths[i];
    }
}

void rule(Surface& page, double y, double width, Color color) {
    page.line(0, y, width, y, color);
}

} // namespace

std::vector<std::vector<PrintLine>> PaginateTable(int rows, int shares, int firstCapacity, int capacity) {
    using K = PrintLine::Kind;
    std::vector<std::vector<PrintLine>> pages;
    std::vector<PrintLine> current;
    std::size_t room = static_cast<std::size_t>(firstCapacity);
    const auto newPage = [&] {
        pages.push_back(std::move(current));
        current.clear();
        room = static_cast<std::size_t>(capacity);
    };
    const auto left = [&] { return room > current.size() ? room - current.size() : 0; };

    current.push_back({K::TableHeader});
    for (int r = 0; r < rows; ++r) {
        if (left() == 0) {
            newPage();
            current.push_back({K::TableHeader});
        }
        current.push_back({K::Row, r});
    }
    if (shares > 0) {
        // The gap, the title, the column titles and one line together, or a new sheet.
        if (left() < 4)
            newPage();
        else
            current.push_back({K::Gap});
        current.push_back({K::SharesTitle});
        current.push_back({K::SharesHeader});
        for (int s = 0; s < shares; ++s) {
            if (left() == 0) {
                newPage();
                current.push_back({K::SharesHeader});
            }
            current.push_back({K::Share, s});
        }
    }
    pages.push_back(std::move(current));
    return pages;
}

namespace {

std::vector<std::vector<PrintLine>> pagesOf(const TablePrint& print) {
    return PaginateTable(static_cast<int>(print.rows.size()), static_cast<int>(print.shares.size()),
                         capacityBelow(firstTableTop(print)), capacityBelow(0));
}

} // namespace

int TablePrintPages(const TablePrint& print) {
    return static_cast<int>(pagesOf(print).size());
}

void DrawTablePrintPage(const TablePrint& print, Surface& page, int pageIndex) {
    const std::vector<std::vector<PrintLine>> pages = pagesOf(print);
    if (pageIndex < 0 || pageIndex >= static_cast<int>(pages.size())) return;
    page.setScale(0, 0, kWidth, kHeight);
    page.setDrawStyle(LineStyle::Solid);
    page.setDrawWidth(1);

    double y = 0;
    if (pageIndex == 0) {
        page.setFont(kFont, kTitlePoints);
        page.print(0, y, print.title, kBlack);
        y = kTitleHeight;
        page.setFont(kFont, kHeaderPoints);
        for (const std::string& line : print.headerLines) {
            page.print(0, y, line, kBlack);
            y += kHeaderPitch;
        }
        y = firstTableTop(print);
    }
    const Columns table = fitColumns(page, print.columns, print.rows);
    const Columns shares = fitColumns(page, print.shareColumns, print.shares);
    const double tableWidth = std::accumulate(table.widths.begin(), table.widths.end(), 0.0);
    const double sharesWidth = std::accumulate(shares.widths.begin(), shares.widths.end(), 0.0);
    for (const PrintLine& line : pages[static_cast<std::size_t>(pageIndex)]) {
        switch (line.kind) {
        case PrintLine::Kind::TableHeader:
            page.setFont(kFont, table.points);
            printCells(page, table, print.columns, y, false);
            rule(page, y + kPitch - 1, tableWidth, kBlack);
            break;
        case PrintLine::Kind::Row:
            page.setFont(kFont, table.points);
            printCells(page, table, print.rows[static_cast<std::size_t>(line.index)], y, true);
            rule(page, y + kPitch - 1, tableWidth, kRuleColor);
            break;
        case PrintLine::Kind::Gap:
            break;
        case PrintLine::Kind::SharesTitle:
            page.setFont(kFont, kHeaderPoints);
            page.print(0, y, print.sharesTitle, kBlack);
            break;
        case PrintLine::Kind::SharesHeader:
            page.setFont(kFont, shares.points);
            printCells(page, shares, print.shareColumns, y, false);
            rule(page, y + kPitch - 1, sharesWidth, kBlack);
            break;
        case PrintLine::Kind::Share: {
            const std::vector<std::string>& cells = print.shares[static_cast<std::size_t>(line.index)];
            page.setFont(kFont, shares.points);
            if (cells.size() == 1)
                page.print(kPadding, y, cells.front(), kBlack);
            else
                printCells(page, shares, cells, y, false);
            rule(page, y + kPitch - 1, sharesWidth, kRuleColor);
            break;
        }
        }
        y += kPitch;
    }
    page.setFont(kFont, kTablePoints);
    const std::string footer =
        "Ondivel — page " + std::to_string(pageIndex + 1) + " sur " + std::to_string(pages.size());
    page.print(kWidth - page.textWidth(footer), kFooterTop, footer, kBlack);
}

} // namespace ondivel
