#pragma once
// What the widget tests share: a fresh program on the fake platform over a temporary folder, with
// the toolbox shown and nothing wired, and pictures of the views for a look
// (ONDIVEL_UI_SNAPSHOTS=/tmp/shots build/tests/ui_<name>).
#include <QTemporaryDir>
#include <QtTest>

#include "core/ondivel.h"
#include "core/testing/fake_platform.h"
#include "core/user_input.h"
#include "meters/frm_toolbox.h"

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

inline void snapshot(QWidget& w, const QString& name) {
    const QByteArray dir = qgetenv("ONDIVEL_UI_SNAPSHOTS");
    if (!dir.isEmpty()) w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

} // namespace ondivel::uitest
