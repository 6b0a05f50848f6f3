#pragma once
// The desktop side of the screen export: a sharper twin of the screen's picture, its PNG bytes,
// and a vector PDF page drawn through the same Surface calls as the printer's. Used by QtPlatform.
#include <functional>
#include <memory>
#include <string>

namespace ondivel {

class Surface;

// A QtSurface of the same logical size as `shown` (texts and pens keep their size against the
// picture) with at least minWidthPixels device pixels across.
std::unique_ptr<Surface> SharperQtSurface(const Surface& shown, int minWidthPixels);
// The picture behind a surface as PNG bytes; empty when it has none.
std::string PngBytesOf(const Surface& picture);
// An upright A4 page with 15 mm margins, drawn by `drawPage` as a printed page is; empty on failure.
std::string PdfBytesOf(const std::function<void(Surface&)>& drawPage, const std::string& title);
// `pageCount` A4 pages with the same margins, upright or across, page i (from 0) drawn by
// drawPage(surface, i).
std::string PdfDocumentBytesOf(int pageCount, const std::function<void(Surface&, int)>& drawPage,
                               const std::string& title, bool landscape);

} // namespace ondivel
