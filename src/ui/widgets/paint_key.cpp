#include "ui/widgets/paint_key.h"

#include "core/control.h"
#include "core/form.h"

namespace ondivel {

void PaintKey::mix(const void* bytes, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i) {
        hash_ ^= p[i];
        hash_ *= 1099511628211ull;
    }
}

PaintKey& PaintKey::operator<<(const std::string& s) {
    // The length first: "ab" + "c" and "a" + "bc" must differ.
    *this << s.size();
    mix(s.data(), s.size());
    return *this;
}

PaintKey& PaintKey::operator<<(const QString& s) {
    *this << s.size();
    mix(s.constData(), static_cast<std::size_t>(s.size()) * sizeof(QChar));
    return *this;
}

PaintKey& PaintKey::operator<<(const Control& c) {
    *this << c.Value << c.Min << c.Max << c.Caption << c.Text << c.ToolTipText << c.Shortcut << c.Visible
          << c.Enabled << c.Checked << c.FillColor << c.BackColor << c.ForeColor << c.ListIndex << c.Left
          << c.Top << c.Width << c.Height << c.Picture << c.MousePointer << c.SelStart << c.SelLength
          << c.PasswordChar;
    *this << c.List.size();
    for (const std::string& item : c.List)
        *this << item;
    *this << c.Selected.size();
    for (bool selected : c.Selected)
        *this << selected;
    return *this;
}

PaintKey& PaintKey::operator<<(const Form& f) {
    *this << f.Caption << f.Width << f.Height << f.BackColor << f.MousePointer << f.loaded();
    for (const Control* c : f.controls())
        *this << *c;
    return *this;
}

} // namespace ondivel
