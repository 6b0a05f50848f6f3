#pragma once
// A fingerprint of the model state a widget paints. The views sync after every handler and, while
// the beam spot sweeps, sixty times a second: a widget repaints only when its fingerprint changed,
// so that the moving spot repaints the screen alone and a still bench repaints nothing.
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>
#include <type_traits>

namespace ondivel {

class Control;
class Form;

class PaintKey {
  public:
    // Every property of the control, whichever the picture shows.
    PaintKey& operator<<(const Control& c);
    // The window's own properties and every control's.
    PaintKey& operator<<(const Form& f);
    PaintKey& operator<<(const std::string& s);
    PaintKey& operator<<(const QString& s);
    template <class T>
    requires std::is_arithmetic_v<T> PaintKey& operator<<(T v) {
        mix(&v, sizeof v);
        return *this;
    }

    std::uint64_t value() const { return hash_; }

  private:
    void mix(const void* bytes, std::size_t size);
    std::uint64_t hash_ = 14695981039346656037ull; // FNV-1a
};

// Schedules a repaint of `widget` when `key` differs from `painted`, which then keeps it.
inline void updateWhenChanged(QWidget& widget, std::uint64_t& painted, const PaintKey& key) {
    if (key.value() == painted) return;
    painted = key.value();
    widget.update();
}

} // namespace ondivel
