// What a screen reader finds in the windows: every control a user can reach (and every plug,
// reachable or not) has a French name, and the names of knobs, plugs and switches carry their
// value and follow the model.
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QtTest>
#include <memory>

#include "bench/main/frm_option.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/control.h"
#include "core/user_input.h"
#include "ui/main/frm_option_view.h"
#include "ui/scope/frm_ondivel_view.h"
#include "ui/views/form_view.h"
#include "ui/views/view_table.h"
#include "ui/widgets/bound_widget.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/terminal_widget.h"
#include "ui_bench.h"

using namespace ondivel;

namespace {

// The toolbox's choices of each channel, every kind of source once (the batteries share a panel).
constexpr int kSourcesCH1[] = {1, 2, 3, 12, 14, 16};
constexpr int kSourcesCH2[] = {10, 9, 8, 13, 15, 17};

// Which control a widget shows, for the failure message.
QString describe(QObject* o) {
    if (!o) return QStringLiteral("(a part of the widget above)");
    QString text = QString::fromLatin1(o->metaObject()->className());
    if (auto* bound = dynamic_cast<BoundWidget*>(o); bound && bound->boundControl())
        text += QStringLiteral(" ") + QString::fromStdString(bound->boundControl()->path());
    else if (auto* w = qobject_cast<QWidget*>(o))
        text += QStringLiteral(" at %1,%2").arg(w->x()).arg(w->y());
    return text;
}

// Walks the accessibility tree under `iface`, listing the reachable controls without a name (and
// the plugs without their role). A plug counts as reachable even while it takes no focus.
void collectUnnamed(QAccessibleInterface* iface, const QString& window, QStringList& unnamed, int depth = 0) {
    if (!iface || depth > 40) return;
    const QAccessible::State state = iface->state();
    const bool plug = qobject_cast<TerminalWidget*>(iface->object()) != nullptr;
    // A label is read by its text: an empty one is no control, whatever its focus.
    const auto* label = qobject_cast<QLabel*>(iface->object());
    const bool blank = label && label->text().isEmpty();
    if ((state.focusable || plug) && !blank && !state.invisible &&
        iface->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << window + QStringLiteral(": ") + describe(iface->object());
    // Whichever view asked first, a plug reads as a box ticked while the plug is in.
    if (plug && iface->role() != QAccessible::CheckBox)
        unnamed << window + QStringLiteral(": not a check box: ") + describe(iface->object());
    for (int i = 0; i < iface->childCount(); ++i)
        collectUnnamed(iface->child(i), window, unnamed, depth + 1);
}

template <class W> W* widgetShowing(QWidget& view, const Control& c) {
    for (W* w : view.findChildren<W*>())
        if (w->boundControl() == &c) return w;
    qFatal("no widget shows %s", c.path().c_str());
}

QString nameOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QAccessible::setActive(true); }

    // Every window of the program, its panels opened the way a user opens them: the scope, the
    // toolbox, each source on each channel, the meters, the options, the Help windows and the
    // windows of the evaluated mode.
    void everyReachableControlOfEveryWindowHasAName() {
        uitest::PanelBench b;
        Ondivel& app = b.app;
        app.frmOndivel().Show();
        for (std::size_t i = 0; i < std::size(kSourcesCH1); ++i) {
            b.choose(kSourcesCH1[i]);
            b.choose(kSourcesCH2[i]);
        }
        user::click(b.toolbox.chkMulti);
        user::click(b.toolbox.chkClock);
        app.frmOption().Load();

        QStringList unnamed;
        int windows = 0;
        for (Form* form : app.forms()) {
            if (form == &app.mdi()) continue;
            std::unique_ptr<FormView> view(makeView(*form));
            view->resize(view->designSize());
            QVERIFY(uitest::exposed(*view));
            view->syncFromModel();
            collectUnnamed(QAccessible::queryAccessibleInterface(view.get()),
                           QString::fromStdString(form->name()), unnamed);
            ++windows;
        }
        QVERIFY(windows > 20);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char('\n'))));
    }

    // The names read the model's value after a gesture on the widget, with the panel's words.
    void namesFollowTheModel() {
        uitest::PanelBench b;
        FrmOndivel& scope = b.app.frmOndivel();
        scope.Show();
        OscilloscopeView view(scope);
        QVERIFY(uitest::shown(view));

        auto* plug = widgetShowing<TerminalWidget>(view, scope.imgBorne[0]);
        QCOMPARE(nameOf(plug), QStringLiteral("Fiche CH1 : débranchée"));
        QTest::mouseClick(plug, Qt::LeftButton);
        view.syncFromModel();
        QAccessibleInterface* plugged = QAccessible::queryAccessibleInterface(plug);
        QCOMPARE(plugged->text(QAccessible::Name), QStringLiteral("Fiche CH1 : branchée"));
        QCOMPARE(plugged->role(), QAccessible::CheckBox);
        QVERIFY(plugged->state().checked);

        auto* power = widgetShowing<ModelButton>(view, scope.chkOn);
        power->click();
        view.syncFromModel();
        QCOMPARE(nameOf(power), QStringLiteral("Marche/arrêt de l'oscilloscope : allumé"));
        QVERIFY(QAccessible::queryAccessibleInterface(power)->state().checked);

        user::drag(scope.Potentio[KnobSensitivityCH1], 5);
        view.syncFromModel();
        auto* knob = widgetShowing<KnobWidget>(view, scope.Potentio[KnobSensitivityCH1]);
        QCOMPARE(nameOf(knob), QStringLiteral("Sensibilité verticale CH1 : 2 V/div"));
        QCOMPARE(QAccessible::queryAccessibleInterface(knob)->role(), QAccessible::Dial);

        // A button stays a button that a screen reader can press.
        auto* coupling = widgetShowing<ModelButton>(view, scope.cmdACDC[0]);
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(coupling);
        QCOMPARE(button->role(), QAccessible::Button);
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        view.syncFromModel();
        QCOMPARE(nameOf(coupling), QStringLiteral("Couplage de la voie CH1 : DC"));
    }

    // A knob's value reads as the value in its name, unit and all ("0,650 kHz", not the view's
    // own "650 Hz"): one knob of each source with knobs and of the scope.
    void knobValuesReadAsTheirNamesSay() {
        uitest::PanelBench b;
        Ondivel& app = b.app;
        app.frmOndivel().Show();
        struct Case {
            int source; // the toolbox's choice that opens the panel, -1 for the scope
            const char* form;
            int knob;
            double turnedTo;
            QString value;
        };
        // clang-format off
        const Case cases[] = {
            {FrmToolBox::kGbfA,       "frmGBFA",        0,    650, "0,650 kHz"},
            {-1,                      "frmGBFA",        1,   4500, "4,5 V"},
            {9,                       "frmAlimB",       0,    600, "6 V"},
            {14,                      "frmDynA",        0,   1200, "1200 tours/min"},
            {FrmToolBox::kHarmonicB,  "frmHarmoniqueB", 0,    650, "0,650 kHz"},
            {-1, "frmOndivel", KnobTimeBase,    10, "0,2 ms/div"},
            {-1, "frmOndivel", KnobPositionCH1, 650, "-0,50 div"},
        };
        // clang-format on
        for (const Case& c : cases) {
            if (c.source >= 0) b.choose(c.source);
            Form* form = app.form(c.form);
            QVERIFY2(form && form->Visible, c.form);
            Control& control = *form->findControl("Potentio", c.knob);
            user::drag(control, c.turnedTo);
            std::unique_ptr<FormView> view(makeView(*form));
            view->syncFromModel();
            auto* knob = widgetShowing<KnobWidget>(*view, control);
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(knob);
            QCOMPARE(iface->text(QAccessible::Value), c.value);
            QVERIFY2(iface->text(QAccessible::Name).endsWith(QStringLiteral(" : ") + c.value),
                     qPrintable(iface->text(QAccessible::Name)));
        }
    }

    // A combo box is named as the program names it, not by its current item (Qt's own way on
    // Linux); the item is its value.
    void comboBoxesReadTheirNameThenTheirItem() {
        uitest::PanelBench b;
        FrmOption& options = b.app.frmOption();
        options.Load();
        OptionView view(options);
        QVERIFY(uitest::exposed(view));
        view.syncFromModel();
        for (int trace = 0; trace < 2; ++trace) {
            auto* box = qobject_cast<QComboBox*>(view.widgetOf(options.cbxStyle[trace]));
            QVERIFY(box && box->count() > 1);
            box->setCurrentIndex(1);
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(iface->role(), QAccessible::ComboBox);
            QCOMPARE(iface->text(QAccessible::Name),
                     trace == 0 ? QStringLiteral("Voie A Style") : QStringLiteral("Voie B Style"));
            QCOMPARE(iface->text(QAccessible::Value), box->itemText(1));
            QCOMPARE(iface->childCount(), 1); // the list that drops down
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
