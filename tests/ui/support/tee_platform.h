#pragma once
// A scripted platform whose pictures are TeeSurfaces: the widget tests compare the painted
// pixels with the lines the same surfaces recorded.
#include <QTemporaryDir>
#include <memory>

#include "core/testing/fake_platform.h"
#include "ui/surface/tee_surface.h"

namespace ondivel::testing {

class TeePlatform : public FakePlatform {
  public:
    explicit TeePlatform(const QTemporaryDir& root) : FakePlatform(root.path().toStdString()) {}
    std::unique_ptr<Surface> createSurface(int widthPixels, int heightPixels) override {
        return std::make_unique<TeeSurface>(widthPixels, heightPixels);
    }
};

} // namespace ondivel::testing
