#include "ui/widgets/digital_readout.h"

#include <QPainter>
#include <QPolygonF>
#include <array>

#include "core/control.h"

namespace ondivel {

namespace {

struct Cell {
    int segments = 0;
    bool point = false;
};

// Splits "06,00" into digit cells, attaching each comma or point to the cell before it.
std::vector<Cell> cellsOf(const QString& text) {
    std::vector<Cell> cells;
    for (QChar ch : text) {
        if (ch == QLatin1Char(',') || ch == QLatin1Char('.')) {
            if (cells.empty()) cells.push_back({});
            cells.back().point = true;
        } else {
            cells.push_back({DigitalReadout::segmentsOf(ch), false});
        }
    }
    return cells;
}

// One segment as a hexagon between two points, `w` thick.
QPolygonF segment(QPointF a, QPointF b, double w) {
    const bool horizontal = std::abs(a.y() - b.y()) < 1e-9;
    const double h = w / 2;
    if (horizontal)
        return QPolygonF({QPointF(a.x(), a.y()), QPointF(a.x() + h, a.y() - h), QPointF(b.x() - h, b.y() - h),
                          QPointF(b.x(), b.y()), QPointF(b.x() - h, b.y() + h),
                          QPointF(a.x() + h, a.y() + h)});
    return QPolygonF({QPointF(a.x(), a.y()), QPointF(a.x() + h, a.y() + h), QPointF(b.x() + h, b.y() - h),
                      QPointF(b.x(), b.y()), QPointF(b.x() - h, b.y() - h), QPointF(a.x() - h, a.y() + h)});
}

void paintDigit(QPainter& p, const QRectF& cell, const Cell& d, const QColor& on, const QColor& off) {
    const double w = cell.width() * 0.16;
    const double slant = cell.width() * 0.12; // the usual forward lean
    const double left = cell.left() + w, right = cell.right() - w;
    const double top = cell.top() + w * 0.6, bottom = cell.bottom() - w * 0.6, mid = cell.center().y();
    auto lean = [&](QPointF q) {
        return QPointF(q.x() + slant * (mid - q.y()) / (cell.height() / 2), q.y());
    };
    const double g = w * 0.12; // gap between segments
    const std::array<QPolygonF, 7> segs = {
        segment(lean({left + g, top}), lean({right - g, top}), w),
        segment(lean({right, top + g}), lean({right, mid - g}), w),
        segment(lean({right, mid + g}), lean({right, bottom - g}), w),
        segment(lean({left + g, bottom}), lean({right - g, bottom}), w),
        segment(lean({left, mid + g}), lean({left, bottom - g}), w),
        segment(lean({left, top + g}), lean({left, mid - g}), w),
        segment(lean({left + g, mid}), lean({right - g, mid}), w),
    };
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 7; ++i) {
        p.setBrush((d.segments >> i) & 1 ? on : off);
        p.drawPolygon(segs[static_cast<std::size_t>(i)]);
    }
    p.setBrush(d.point ? on : off);
    const QPointF dot = lean({cell.right() + w * 0.1, bottom});
    p.drawEllipse(dot, w * 0.62, w * 0.62);
}

} // namespace

int DigitalReadout::segmentsOf(QChar ch) {
    switch (ch.unicode()) {
    case '0':
        return 0x3F;
    case '1':
        return 0x06;
    case '2':
        return 0x5B;
    case '3':
        return 0x4F;
    case '4':
        return 0x66;
    case '5':
        return 0x6D;
    case '6':
        return 0x7D;
    case '7':
        return 0x07;
    case '8':
        return 0x7F;
    case '9':
        return 0x6F;
    case '-':
        return 0x40;
    default:
        return 0;
    }
}

DigitalReadout::DigitalReadout(Control& label, int digits, QWidget* parent)
    : QWidget(parent), label_(label), digits_(digits) {
    setAccessibleName(QString::fromStdString(label.name()));
    syncFromModel();
}

void DigitalReadout::syncFromModel() {
    setEnabled(label_.Enabled);
    const QString tip = modelText(label_.ToolTipText);
    if (toolTip() != tip) setToolTip(tip);
    const QString text = label_.Visible ? modelText(label_.Caption).trimmed() : QString();
    if (text != shown_) {
        shown_ = text;
        setAccessibleDescription(shown_);
        update();
    }
}

void DigitalReadout::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = r.height() * 0.08;
    // Bezel and dark smoked window.
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(60, 60, 64));
    p.drawRoundedRect(r, radius, radius);
    const double inset = r.height() * 0.08;
    const QRectF window = r.adjusted(inset, inset, -inset, -inset);
    QLinearGradient glass(window.topLeft(), window.bottomLeft());
    glass.setColorAt(0, QColor(38, 8, 8));
    glass.setColorAt(1, QColor(18, 2, 2));
    p.setBrush(glass);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(window, radius * 0.6, radius * 0.6);

    std::vector<Cell> cells = cellsOf(shown_);
    const int count = std::max(digits_, static_cast<int>(cells.size()));
    // Right-aligned like a real counter.
    cells.insert(cells.begin(), static_cast<std::size_t>(count - static_cast<int>(cells.size())), Cell{});
    const double pad = window.height() * 0.14;
    const double cellW = std::min((window.width() - 2 * pad) / count, (window.height() - 2 * pad) * 0.62);
    const double totalW = cellW * count;
    const QColor on(255, 48, 32), off(70, 18, 16);
    for (int i = 0; i < count; ++i) {
        const QRectF cell(window.right() - pad - totalW + i * cellW + cellW * 0.08, window.top() + pad,
                          cellW * 0.8, window.height() - 2 * pad);
        paintDigit(p, cell, cells[static_cast<std::size_t>(i)], isEnabled() ? on : off, off);
    }
    // Reflection on the glass.
    QLinearGradient sheen(window.topLeft(), window.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, 28));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRoundedRect(window, radius * 0.6, radius * 0.6);
}

} // namespace ondivel
