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

// A drop-down list of the windows, named as its label names it. On Linux Qt's own interface
// gives a combo box its current item for a name and leaves the label to a buddy relation, which
// these boxes have not: a screen reader said "Sinusoïdale" and never which choice that was. This
// one reads the name the program gave the box, the item as its value, and opens the list as
// Qt's does.
class ComboAccessible : public QAccessibleWidget {
  public:
    explicit ComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText();
        if (t == QAccessible::Name && box()->accessibleName().isEmpty()) return box()->currentText();
        return QAccessibleWidget::text(t);
    }
    // The list that drops down, as the one child.
    int childCount() const override { return box()->view() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && box()->view() ? QAccessible::queryAccessibleInterface(box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* comboAccessibleFactory(const QString& className, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    if (className == QLatin1String("QComboBox") && box && !box->isEditable()) return new ComboAccessible(box);
    return nullptr;
}

// Qt asks the factory installed last first: this one is installed when the first widget of a
// window is named, after the application installed Qt's, so that it comes before it.
void installComboFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(comboAccessibleFactory);
        return true;
    }();
    (void)installed;
}

// A box Qt made an interface for before (a screen reader listening as the window was built)
// gets this one instead.
void readComboName(QComboBox& box) {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&box);
    if (iface && !dynamic_cast<ComboAccessible*>(iface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        QAccessible::queryAccessibleInterface(&box);
    }
}

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
    installComboFactory();
    // The colour samples say the colour they show themselves.
    if (qobject_cast<ColourSwatch*>(&widget)) return;
    const AccessibleText text = accessibleText(control);
    if (text.name.empty()) return;
    const bool own = readsItsOwnValue(widget);
    const QString name = QString::fromStdString(own ? text.name : text.spoken());
    if (widget.accessibleName() != name) widget.setAccessibleName(name);
    if (auto* box = qobject_cast<QComboBox*>(&widget); box && !box->isEditable()) readComboName(*box);
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
