#include "ui/widgets/bound_widget.h"

#include <QWidget>

#include "core/control.h"

namespace ondivel {

QString modelText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void syncCommon(QWidget& widget, const Control& control) {
    if (widget.isVisibleTo(widget.parentWidget()) != control.Visible) widget.setVisible(control.Visible);
    if (widget.isEnabled() != control.Enabled) widget.setEnabled(control.Enabled);
    const QString tip = modelText(control.ToolTipText);
    if (widget.toolTip() != tip) widget.setToolTip(tip);
}

namespace {
constexpr const char* kStopProperty = "ondivelStop";
} // namespace

void markStop(QWidget& widget, const Control& control) {
    widget.setProperty(kStopProperty, QString::fromStdString(control.path()));
}

QString stopPathOf(const QWidget& widget) {
    return widget.property(kStopProperty).toString();
}

} // namespace ondivel
