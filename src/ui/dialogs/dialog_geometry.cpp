#include "ui/dialogs/dialog_geometry.h"

#include <algorithm>

#include "core/control.h"
#include "core/form.h"

namespace ondivel {

namespace {

// The border and caption of a desktop window at 96 dpi, in twips.
constexpr double kBorderTwips = 120;
constexpr double kCaptionTwips = 510;
// Space kept right of and below the last control, in pixels.
constexpr double kMargin = 8;

} // namespace

QRectF designRect(const Control& c) {
    return QRectF(c.Left / kDialogTwipsPerPixel, c.Top / kDialogTwipsPerPixel, c.Width / kDialogTwipsPerPixel,
                  c.Height / kDialogTwipsPerPixel);
}

const Control* enclosingFrame(const Control& c, const std::vector<Control*>& controls) {
    const QRectF r = designRect(c);
    const Control* best = nullptr;
    double bestArea = 0;
    for (const Control* f : controls) {
        if (f == &c || f->kind() != ControlKind::Frame) continue;
        const QRectF fr = designRect(*f);
        if (!fr.contains(r)) continue;
        const double area = fr.width() * fr.height();
        // A frame of the same size as the control is its twin, not its parent.
        if (fr == r) continue;
        if (!best || area < bestArea) {
            best = f;
            bestArea = area;
        }
    }
    return best;
}

bool drawnInDialog(const Control& c) {
    switch (c.kind()) {
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::Label:
    case ControlKind::Image:
    case ControlKind::Picture:
    case ControlKind::Frame:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::TextBox:
        return true;
    default:
        return false;
    }
}

QSizeF clientSize(const Form& form) {
    const double formWidth = std::max(0.0, (form.Width - kBorderTwips) / kDialogTwipsPerPixel);
    const double formHeight = std::max(0.0, (form.Height - kCaptionTwips) / kDialogTwipsPerPixel);
    double width = formWidth, height = formHeight;
    for (const Control* c : form.controls()) {
        if (!drawnInDialog(*c) || !c->Visible) continue;
        const QRectF r = designRect(*c);
        // A control placed wholly below or right of the window is hidden by the window's size,
        // as a short window hides its last line; one that merely overflows gets room.
        if (r.isEmpty() || (formWidth > 0 && r.left() >= formWidth) ||
            (formHeight > 0 && r.top() >= formHeight))
            continue;
        width = std::max(width, r.right() + kMargin);
        height = std::max(height, r.bottom() + kMargin);
    }
    return QSizeF(width, height);
}

} // namespace ondivel
