#pragma once
// The drawing model's colours and line styles as Qt's.
#include <QColor>
#include <Qt>

#include "core/color.h"
#include "core/surface.h"

namespace ondivel {

// The model's 0x00BBGGRR colours as Qt colours.
inline QColor toQColor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

inline Qt::PenStyle toPenStyle(LineStyle style) {
    switch (style) {
    case LineStyle::Dash:
        return Qt::DashLine;
    case LineStyle::Dot:
        return Qt::DotLine;
    case LineStyle::DashDot:
        return Qt::DashDotLine;
    case LineStyle::DashDotDot:
        return Qt::DashDotDotLine;
    case LineStyle::Solid:
        break;
    }
    return Qt::SolidLine;
}

} // namespace ondivel
