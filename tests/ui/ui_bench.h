#pragma once
// What the widget tests share: a fresh program on the fake platform over a temporary folder, with
// the toolbox shown and nothing wired; showing a view at a zoom; mouse drags; and pictures of the
// views for a look (ONDIVEL_UI_SNAPSHOTS=/tmp/shots build/tests/ui_<name>).
#include <QTemporaryDir>
#include <QtTest>
#include <initializer_list>

#include "bench/ondivel.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"
#include "files/testing/fake_platform.h"

namespace ondivel::uitest {

struct PanelBench {
    QTemporaryDir dir;
    FakePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    FrmToolBox& toolbox = app.frmToolBox();

    PanelBench() {
        app.g.FichierConfig = (dir.path() + "/ConfOND_eleve1.ini").toStdString();
        app.g.CouleurA = 65535;
        toolbox.Show();
        toolbox.optConnexion[FrmToolBox::kNoneA].setValue(1);
        toolbox.optConnexion[FrmToolBox::kNoneB].setValue(1);
    }
    // The user's choice in the toolbox; the panel draws r1 then r2 for its start values.
    void choose(int option, double r1 = 0.5, double r2 = 0.5) {
        platform.randomValues = {r1, r2};
        user::click(toolbox.optConnexion[option]);
    }
};

// The user's clicks on each control in turn.
inline void clickAll(std::initializer_list<Control*> controls) {
    for (Control* c : controls)
        user::click(*c);
}

inline void snapshot(QWidget& w, const QString& name) {
    const QByteArray dir = qgetenv("ONDIVEL_UI_SNAPSHOTS");
    if (!dir.isEmpty()) w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

// Shows a widget; whether it was exposed.
inline bool exposed(QWidget& w) {
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

// Shows a view at `zoom` times its design size; whether it was exposed.
template <class View> bool shown(View& view, double zoom = 1) {
    view.resize(view.designSize() * zoom);
    return exposed(view);
}

// Presses at `from`, moves to `to` with the button held, and releases there.
inline void drag(QWidget* w, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton,
                 Qt::KeyboardModifiers mods = {}) {
    QTest::mousePress(w, button, mods, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), w->mapToGlobal(QPointF(to)), Qt::NoButton, button, mods);
    QApplication::sendEvent(w, &move);
    QTest::mouseRelease(w, button, mods, to);
}

// A drag from the centre, `pixelsUp` straight up.
inline void dragUp(QWidget* w, int pixelsUp, Qt::MouseButton button = Qt::LeftButton,
                   Qt::KeyboardModifiers mods = {}) {
    const QPoint c(w->width() / 2, w->height() / 2);
    drag(w, c, c - QPoint(0, pixelsUp), button, mods);
}

} // namespace ondivel::uitest
