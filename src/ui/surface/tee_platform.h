#pragma once
// A scripted platform whose pictures are TeeSurfaces: the widget tests compare the painted
// pixels with the lines the same surfaces recorded, and the screenshot tool shows real pixels
// while the scenario's screen queries still work. A document of several pages (a pupil's
// worksheet) is written as the real PDF, its pages still recorded for the queries. Only for
// targets that link the fake platform.
#include <memory>
#include <string>

#include "files/testing/fake_platform.h"
#include "ui/platform/export_encoding.h"
#include "ui/surface/tee_surface.h"

namespace ondivel {

class TeePlatform : public FakePlatform {
  public:
    explicit TeePlatform(const std::string& root) : FakePlatform(root) {}
    std::unique_ptr<Surface> createSurface(int widthPixels, int heightPixels) override {
        return std::make_unique<TeeSurface>(widthPixels, heightPixels);
    }
    std::string pdfDocumentBytes(int pageCount, const std::function<void(Surface&, int)>& drawPage,
                                 const std::string& title, bool landscape) override {
        if (FakePlatform::pdfDocumentBytes(pageCount, drawPage, title, landscape).empty()) return {};
        return PdfDocumentBytesOf(pageCount, drawPage, title, landscape);
    }
};

} // namespace ondivel
