#include "ui/views/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "bench/main/accessible_text.h"
#include "core/control.h"
#include "ui/widgets/bound_widget.h"
#include "ui/widgets/colour_swatch.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/terminal_widget.h"

namespace ondivel {

namespace {

// A custom-painted control as what it stands for: a push button, a check box or an option
// button (pressed in while set), a plug (a check box, ticked while the plug is in) or a lamp.
class ControlAccessible : public QAccessibleWidget {
  public:
    ControlAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::CheckBox || role() == QAccessible::RadioButton) {
            s.checkable = true;
            s.checked = checked();
        }
        return s;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()) names.prepend(role() == QAccessible::Button ? pressAction() : toggleAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (button() && (action == pressAction() || action == toggleAction()))
            button()->click(); // the button's own click path reaches the model
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    ModelButton* button() const { return qobject_cast<ModelButton*>(widget()); }
    bool checked() const {
        if (const ModelButton* b = button()) return b->pressedIn();
        if (const auto* t = qobject_cast<const TerminalWidget*>(widget())) return t->plugged();
        return false;
    }
};

QAccessible::Role buttonRole(const ModelButton& b) {
    switch (b.control().kind()) {
    case ControlKind::CheckBox:
        return QAccessible::CheckBox;
    case ControlKind::OptionButton:
        return QAccessible::RadioButton;
    default:
        return QAccessible::Button;
    }
}

// Asked for each class of a widget from the most derived up, before Qt's own interfaces.
QAccessibleInterface* controlAccessibleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* w = static_cast<QWidget*>(object);
    if (className == QLatin1String("ondivel::ModelButton"))
        return new ControlAccessible(w, buttonRole(*static_cast<ModelButton*>(w)));
    if (className == QLatin1String("ondivel::TerminalWidget"))
        return new ControlAccessible(w, QAccessible::CheckBox);
    if (className == QLatin1String("ondivel::LampWidget") ||
        className == QLatin1String("ondivel::PowerLampWidget"))
        return new ControlAccessible(w, QAccessible::Indicator);
    if (className == QLatin1String("ondivel::DigitalReadout") ||
        className == QLatin1String("ondivel::ScaleDisplay"))
        return new ControlAccessible(w, QAccessible::StaticText);
    return nullptr;
}

// Qt's own widgets read out their state, text or current item themselves: the name alone.
bool readsItsOwnValue(const QWidget& w) {
    return qobject_cast<const QLineEdit*>(&w) || qobject_cast<const QComboBox*>(&w) ||
           qobject_cast<const QAbstractItemView*>(&w) || qobject_cast<const QCheckBox*>(&w) ||
           qobject_cast<const QRadioButton*>(&w);
}

// Installed with the program, before any widget is asked for its interface: Qt keeps the first
// interface it makes of a widget.
const bool factoryInstalled = [] {
    QAccessible::installFactory(controlAccessibleFactory);
    return true;
}();

} // namespace

void applyAccessibleText(QWidget& widget, const Control& control) {
    (void)factoryInstalled;
    // The colour samples say the colour they show themselves.
    if (qobject_cast<ColourSwatch*>(&widget)) return;
    const AccessibleText text = accessibleText(control);
    if (text.name.empty()) return;
    const bool own = readsItsOwnValue(widget);
    const QString name = QString::fromStdString(own ? text.name : text.spoken());
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
    if (own) return;
    // Empty, the description falls back to the tool tip.
    const QString value = QString::fromStdString(text.value);
    if (widget.accessibleDescription() != value) widget.setAccessibleDescription(value);
}

void applyAccessibleText(BoundWidget& bound) {
    const Control* control = bound.boundControl();
    auto* widget = dynamic_cast<QWidget*>(&bound);
    if (control && widget) applyAccessibleText(*widget, *control);
}

} // namespace ondivel
