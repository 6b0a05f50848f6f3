// The bench with the keyboard alone, in the real windows: every control a panel lets the focus
// reach is a stop of its tab order, once; Tab stays in a panel, F6 goes from panel to panel; the
// focus ring follows the keyboard's focus; and a whole lesson (scope on, a generator for CH1,
// four plugs, 1 kHz) plays with Tab, Space, F6 and the arrow keys.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <map>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/tab_order.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/scope/frm_ondivel_view.h"
#include "ui/scope/screen_keyboard.h"
#include "ui/scope/screen_widget.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/focus_ring.h"
#include "ui/views/form_view.h"
#include "ui/views/keyboard_navigation.h"
#include "ui/views/panel_painting.h"
#include "ui/views/view_manager.h"
#include "ui/widgets/bound_widget.h"

using namespace ondivel;

namespace {

struct Program {
    QTemporaryDir dir;
    TeePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    ViewManager views{app};

    Program() {
        platform.randomValues = {0.5, 0.5};
        views.mainWindow().resize(1600, 1000);
        views.mainWindow().show();
        QApplication::setActiveWindow(&views.mainWindow());
        app.mdi().Show();
        settle();
    }
    void settle() {
        views.syncNow();
        QApplication::processEvents();
    }
    // A key as the user presses it: to the widget with the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers mods = {}, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QWidget* target = QApplication::focusWidget();
            QTest::keyClick(target ? target : &views.mainWindow(), key, mods);
            settle();
        }
    }
    Form* activePanel() {
        QMdiSubWindow* active = views.mainWindow().mdiArea()->activeSubWindow();
        for (Form* f : app.forms())
            if (views.subWindowOf(*f) == active && active) return f;
        return nullptr;
    }
    // F6 until the focus is on a control of `panel`; false when it never comes. (A panel just
    // opened is the active one, its face has the focus, not a control yet.)
    bool f6To(const Form& panel) {
        const auto inPanel = [&] {
            return activePanel() == &panel &&
                   focusPath().startsWith(QString::fromStdString(panel.name() + "."));
        };
        for (int i = 0; i < 20 && !inPanel(); ++i)
            press(Qt::Key_F6);
        return inPanel();
    }
    QString focusPath() {
        QWidget* w = QApplication::focusWidget();
        return w ? stopPathOf(*w) : QString();
    }
};

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private slots:
    void everyFocusableControlIsAStopOnce() {
        Program p;
        // Every panel that has a tab order, both sides.
        for (Form* f : p.app.forms())
            if (!TabOrder(f->name()).empty()) f->Show();
        p.settle();
        int panels = 0;
        for (Form* f : p.app.forms()) {
            const std::vector<std::string> order = TabOrder(f->name());
            if (order.empty()) continue;
            FormView* view = p.views.viewOf(*f);
            QVERIFY2(view, f->name().c_str());
            ++panels;
            std::map<QString, int> widgets;
            for (QWidget* w : view->findChildren<QWidget*>()) {
                // The parts of a stop (the tab strip's scroll arrows) count as the stop.
                if (!(w->focusPolicy() & Qt::TabFocus) || !stopPathOf(*w->parentWidget()).isEmpty()) continue;
                const QString path = stopPathOf(*w);
                QVERIFY2(!path.isEmpty(), qPrintable(f->name().c_str() + QStringLiteral(": a focusable ") +
                                                     w->metaObject()->className() + " is no stop"));
                ++widgets[path];
            }
            QCOMPARE(widgets.size(), order.size());
            for (const std::string& path : order)
                QVERIFY2(widgets[QString::fromStdString(path)] == 1, path.c_str());
        }
        QCOMPARE(panels, 18); // with the cursors' read-out
    }

    void tabStaysInThePanelAndF6LeavesIt() {
        Program p;
        FrmOndivel& scope = p.app.frmOndivel();
        QVERIFY(p.f6To(scope));
        QCOMPARE(p.focusPath(), QStringLiteral("frmOndivel.chkOn"));
        p.press(Qt::Key_Tab, {}, 3);
        QCOMPARE(p.focusPath(), QStringLiteral("frmOndivel.Potentio(6)")); // CH1's VOLT/DIV
        p.press(Qt::Key_Backtab, Qt::ShiftModifier, 4);
        QCOMPARE(p.focusPath(), QStringLiteral("frmOndivel.picEcran")); // round to the last
        p.press(Qt::Key_Tab);
        QCOMPARE(p.focusPath(), QStringLiteral("frmOndivel.chkOn"));
        p.press(Qt::Key_Right); // only Tab moves the focus, as in the scenario harness
        QCOMPARE(p.focusPath(), QStringLiteral("frmOndivel.chkOn"));

        // The ring stands round the focused control.
        auto* ring = p.views.viewOf(scope)->findChild<FocusRing*>();
        QVERIFY(ring && ring->isVisible());
        QCOMPARE(ring->target(), QApplication::focusWidget());
        QVERIFY(ring->geometry().contains(ring->target()->geometry()));

        // Ctrl+Tab and F6 go to the next panel, Shift+F6 and Ctrl+Shift+Tab come back.
        p.press(Qt::Key_Tab, Qt::ControlModifier);
        Form* next = p.activePanel();
        QVERIFY(next && next != &scope);
        QVERIFY(p.focusPath().startsWith(QString::fromStdString(next->name() + ".")));
        p.press(Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(p.activePanel(), &scope);
        QCOMPARE(p.focusPath(), QStringLiteral("frmOndivel.chkOn"));
    }

    // The ring alone marks the focus: a control paints the same with the focus as without (the
    // knobs and buttons had a dotted mark of their own under the ring).
    void onlyTheRingMarksTheFocus() {
        Program p;
        user::click(p.app.frmToolBox().optConnexion[3]);  // a battery on CH1
        user::click(p.app.frmToolBox().optConnexion[10]); // a generator on CH2
        p.settle();
        FrmOndivel& s = p.app.frmOndivel();
        const Form& pile = *p.app.form("frmPileA");
        FrmGBF& gbf = p.app.frmGBFB();
        const std::pair<const Form*, const Control*> stops[] = {{&s, &s.Potentio[KnobTimeBase]},
                                                                {&s, &s.cmdACDC[0]},
                                                                {&s, &s.chkOn},
                                                                {&pile, pile.findControl("optPolarite", 0)},
                                                                {&gbf, &gbf.sldReglage[0]},
                                                                {&gbf, &gbf.optGamme[1]}};
        for (auto [form, stop] : stops) {
            FormView* view = p.views.viewOf(*form);
            QVERIFY2(view && stop, form->name().c_str());
            QWidget* w = stopWidget(*view, *stop);
            QVERIFY2(w, stop->path().c_str());
            view->setFocus(Qt::OtherFocusReason); // its panel active, the control without the focus
            QApplication::processEvents();
            const QImage without = w->grab().toImage();
            FocusRing::keyboardMovesFocus();
            w->setFocus(Qt::TabFocusReason);
            w->window()->setAttribute(Qt::WA_KeyboardFocusChange); // as a Tab key leaves it
            QVERIFY2(w->hasFocus(), stop->path().c_str());
            QVERIFY2(w->grab().toImage() == without, stop->path().c_str());
            auto* ring = view->findChild<FocusRing*>();
            QVERIFY(ring && ring->isVisible() && ring->target() == w);
        }
    }

    // The screen is the scope's last stop: the ring goes round it, the arrows move the keyboard's
    // pointer (a cross) and its read-out, Escape hides them, Enter shows the full screen.
    void theScreenReadsWithTheArrows() {
        Program p;
        FrmOndivel& scope = p.app.frmOndivel();
        QVERIFY(p.f6To(scope));
        p.press(Qt::Key_Space); // on
        p.press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(p.focusPath(), QStringLiteral("frmOndivel.picEcran"));
        auto* view = qobject_cast<OscilloscopeView*>(p.views.viewOf(scope));
        QVERIFY(view);
        ScreenWidget* screen = view->screen();
        auto* ring = view->findChild<FocusRing*>();
        QVERIFY(ring && ring->isVisible() && ring->target() == screen);
        QVERIFY(ring->geometry().contains(screen->geometry()));

        auto* cross = screen->findChild<ScreenKeyboard*>();
        QVERIFY(cross && !cross->isVisible());
        p.press(Qt::Key_Right); // shows the pointer at the centre
        p.press(Qt::Key_Right, {}, 3);
        p.press(Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(scope.lblPositionCurseur.Caption, std::string(" x = 0.30 div \r\n  y = 0.01 div "));
        QVERIFY(scope.lblPositionCurseur.Visible && cross->isVisible());
        const QPointF at = screen->toWidget({30, 1});
        QVERIFY(QRectF(cross->geometry()).contains(at));
        QVERIFY(std::abs(QRectF(cross->geometry()).center().x() - at.x()) <= 1);

        p.press(Qt::Key_Escape);
        QVERIFY(!scope.lblPositionCurseur.Visible && !cross->isVisible());
        p.press(Qt::Key_Left);
        QVERIFY(cross->isVisible());
        p.press(Qt::Key_Tab); // the pointer goes with the focus
        QCOMPARE(p.focusPath(), QStringLiteral("frmOndivel.chkOn"));
        QVERIFY(!scope.lblPositionCurseur.Visible && !cross->isVisible());

        p.press(Qt::Key_Backtab, Qt::ShiftModifier);
        p.press(Qt::Key_Return);
        QVERIFY(p.app.mdi().Mnu_ViewFullScreen.Checked);
    }

    // A panel opened from the keyboard has its first control focused; one opened by a click has
    // none yet.
    void aPanelOpenedFromTheKeyboardIsEnteredAtOnce() {
        Program p;
        FrmToolBox& toolbox = p.app.frmToolBox();
        QVERIFY(p.f6To(toolbox));
        p.press(Qt::Key_Tab); // "GBF" on CH1
        p.press(Qt::Key_Space);
        QVERIFY(p.app.frmGBFA().Visible);
        QCOMPARE(p.activePanel(), &p.app.frmGBFA());
        QCOMPARE(p.focusPath(), QStringLiteral("frmGBFA.chkOn"));
        auto* ring = p.views.viewOf(p.app.frmGBFA())->findChild<FocusRing*>();
        QVERIFY(ring && ring->isVisible());

        QWidget* button = stopWidget(*p.views.viewOf(toolbox), toolbox.optConnexion[FrmToolBox::kGbfB]);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        p.settle();
        QVERIFY(p.app.frmGBFB().Visible);
        QVERIFY2(!p.focusPath().startsWith(QStringLiteral("frmGBFB.")), qPrintable(p.focusPath()));
    }

    void theRingStandsOutOnLightAndDarkFaces() {
        // WCAG's contrast of two colours, from their relative luminance.
        const auto luminance = [](const QColor& c) {
            const auto lin = [](double v) {
                return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * lin(c.redF()) + 0.7152 * lin(c.greenF()) + 0.0722 * lin(c.blueF());
        };
        const auto contrast = [&](const QColor& a, const QColor& b) {
            const double la = luminance(a), lb = luminance(b);
            return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
        };
        // The oscilloscope's and the generators' light faces, the meters' dark ones, the yellow
        // holster: one band at least 3:1 on each, and the bands apart from each other.
        const QColor faces[] = {QColor(200, 205, 210), kPanelFace, QColor(45, 45, 50), QColor(20, 22, 24),
                                QColor(240, 190, 20)};
        for (const QColor& face : faces)
            QVERIFY2(std::max(contrast(FocusRing::outerColor(), face),
                              contrast(FocusRing::innerColor(), face)) >= 3,
                     qPrintable(face.name()));
        QVERIFY(contrast(FocusRing::outerColor(), FocusRing::innerColor()) >= 3);
        QVERIFY(FocusRing::kBand >= 2);
    }

    void aLessonPlaysWithTheKeyboardAlone() {
        Program p;
        FrmOndivel& scope = p.app.frmOndivel();
        QVERIFY(p.f6To(scope));
        p.press(Qt::Key_Space); // the power switch
        QCOMPARE(scope.chkOn.Value, double(kChecked));

        QVERIFY(p.f6To(p.app.frmToolBox()));
        p.press(Qt::Key_Tab); // "GBF", second in CH1's strip
        p.press(Qt::Key_Space);
        FrmGBF& gbf = p.app.frmGBFA();
        QVERIFY(gbf.Visible);

        QVERIFY(p.f6To(gbf));
        p.press(Qt::Key_Return); // on
        p.press(Qt::Key_Tab, {}, 3);
        p.press(Qt::Key_Space); // the "1k" range
        p.press(Qt::Key_Tab, {}, 7);
        QCOMPARE(p.focusPath(), QStringLiteral("frmGBFA.imgBorne(0)"));
        p.press(Qt::Key_Space);
        p.press(Qt::Key_Tab);
        p.press(Qt::Key_Space);
        p.press(Qt::Key_Tab); // the frequency knob
        p.press(Qt::Key_End);
        p.press(Qt::Key_PageDown, {}, 2);

        QVERIFY(p.f6To(scope));
        p.press(Qt::Key_Backtab, Qt::ShiftModifier, 4);
        p.press(Qt::Key_Space); // CH1's plug
        p.press(Qt::Key_Tab, {}, 2);
        p.press(Qt::Key_Space); // the ground plug

        QCOMPARE(gbf.chkOn.Value, double(kChecked));
        QVERIFY(gbf.imgFiche[0].Visible && gbf.imgFiche[1].Visible);
        QVERIFY(scope.imgFiche[0].Visible && scope.imgFiche[2].Visible && !scope.imgFiche[1].Visible);
        QCOMPARE(p.app.g.FrequenceA, 1000.0);
        QVERIFY(p.app.g.SourceBrancheeA && p.app.g.EntreeBrancheeCH1);
        auto* screen = dynamic_cast<RecordingSurface*>(scope.picEcran.surface());
        QVERIFY(screen);
        QVERIFY(screen->countLines(p.app.g.CouleurA) > 100);
        QVERIFY(screen->maxY(p.app.g.CouleurA).value_or(0) > 0);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
