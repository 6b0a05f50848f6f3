#pragma once
// RVB: splits a 0x00BBGGRR colour into its red, green and blue bytes. The colour preferences use
// it to fill the component globals that the spot drawing blends (RougeA, VertA, BleuA …).
#include <cstdint>

#include "core/color.h"

namespace ondivel {

class RVB {
  public:
    void setCouleur(Color c) { couleur_ = c; }
    Color Couleur() const { return couleur_; }
    std::uint8_t Rouge() const { return static_cast<std::uint8_t>(couleur_ & 255); }
    std::uint8_t Vert() const { return static_cast<std::uint8_t>((couleur_ / 256) & 255); }
    std::uint8_t Bleu() const { return static_cast<std::uint8_t>((couleur_ / 65536) & 255); }

  private:
    Color couleur_ = 0;
};

} // namespace ondivel
