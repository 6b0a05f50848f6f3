// The program's dialog windows on the desktop. Those of the evaluated mode and the teacher tools
// are dialog views whose controls lie inside the window and whose texts fit their places, and the
// modal ones run as real modal dialogs through the view manager; the tip and About windows forward
// their buttons to the models and show what the models say.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <functional>

#include "core/control.h"
#include "core/form.h"
#include "core/ondivel.h"
#include "evaluation/frm_name.h"
#include "evaluation/frm_pass.h"
#include "shell/frm_about.h"
#include "shell/frm_tip.h"
#include "shell/mdi_ondivel.h"
#include "shell/program_info.h"
#include "shell/settings_store.h"
#include "ui/dialogs/dialog_view.h"
#include "ui/dialogs/dialog_widgets.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/dialog_views.h"
#include "ui/views/main_window_view.h"
#include "ui/views/view_factory.h"
#include "ui/views/view_manager.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

const char* const kWindows[] = {"frmName", "frmExo",      "frmNote",  "frmCreateFile",
                                "frmPass", "frmPassWord", "frmDepot", "frmCorbeille"};

struct Program {
    QTemporaryDir dir;
    TeePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    ViewManager views{app};
    Program() {
        platform.modalRunner = views.modalRunner();
        views.mainWindow().resize(1280, 800);
        views.mainWindow().show();
        QApplication::setActiveWindow(&views.mainWindow());
    }
    ~Program() { platform.modalRunner = nullptr; }

    // Shows the window modally and runs `inside` in its event loop; a window still open after
    // five seconds is closed, so that a fault fails the test instead of hanging it.
    void runModal(Form& form, const std::function<void(QDialog&, DialogView&)>& inside) {
        QTimer::singleShot(0, [this, &form, inside] {
            auto* view = qobject_cast<DialogView*>(views.modalView());
            auto* host = view ? qobject_cast<QDialog*>(view->window()) : nullptr;
            QVERIFY2(host, "no dialog view in a dialog");
            QVERIFY(QTest::qWaitForWindowActive(host));
            inside(*host, *view);
        });
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&form] {
            if (form.loaded() && form.Visible) form.Unload();
        });
        guard.start(5000);
        form.ShowModal();
        QVERIFY2(guard.isActive(), "the modal window had to be closed by force");
    }
};

QPushButton* buttonCaptioned(QWidget& view, const QString& caption) {
    for (QPushButton* b : view.findChildren<QPushButton*>())
        if (b->text() == caption) return b;
    return nullptr;
}

bool showsText(QWidget& view, const QString& text) {
    for (QLabel* l : view.findChildren<QLabel*>())
        if (l->text() == text) return true;
    return false;
}

} // namespace

class DialogWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void everyWindowIsADialogWhoseControlsAndTextsFit() {
        Program p;
        for (const char* name : kWindows) {
            Form* form = p.app.form(name);
            QVERIFY2(form, name);
            std::unique_ptr<FormView> made(makeView(*form));
            auto* view = qobject_cast<DialogView*>(made.get());
            QVERIFY2(view, name);
            view->setFixedSize(view->designSize());
            view->show();
            QVERIFY(QTest::qWaitForWindowExposed(view));
            snapshot(*view, QString::fromLatin1(name));
            for (const Control* c : form->controls()) {
                QWidget* w = view->widgetOf(*c);
                if (!w || !c->Visible) continue;
                const QString where = QString::fromStdString(c->path());
                // Inside its parent: the window or its frame.
                QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(where));
                if (auto* label = qobject_cast<QLabel*>(w)) {
                    QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(where));
                } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                    const QString text = captionWithoutAccessKey(button->text().toStdString());
                    const int indicator = qobject_cast<QPushButton*>(button) ? 4 : 18;
                    QVERIFY2(button->fontMetrics().horizontalAdvance(text) + indicator <= button->width(),
                             qPrintable(where));
                }
            }
        }
    }

    void theIdentityWindowIsAModalDialogWorkedWithTheKeyboard() {
        Program p;
        FrmName& name = p.app.frmName();
        bool typed = false;
        // A window that gives itself a place goes there, in the main window's client area.
        name.Left = 3000, name.Top = 1500;
        const QPoint place = p.views.mainWindow().mdiArea()->viewport()->mapToGlobal(QPoint(200, 100));
        p.runModal(name, [&](QDialog& host, DialogView& view) {
            QVERIFY(host.isModal());
            QCOMPARE(host.windowTitle(), QStringLiteral("Qui êtes-vous ?"));
            QCOMPARE(host.pos(), place);
            auto* box = qobject_cast<QLineEdit*>(view.widgetOf(name.txtIdent[1]));
            box->setFocus();
            QTest::keyClicks(box, "Dupont");
            QTest::keyClick(box, Qt::Key_Tab);
            typed = name.txtIdent[1].Text == "Dupont" &&
                    QApplication::focusWidget() == view.widgetOf(name.txtIdent[2]);
            // Escape is "Annuler": the boxes are emptied and the window closes.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        QVERIFY(typed);
        QVERIFY(!name.loaded());
        QVERIFY(!p.views.modalView());
    }

    void thePasswordWindowIsTallOnlyWhileNoPasswordIsStored() {
        Program p;
        FrmPass& pass = p.app.frmPass();
        int tall = 0, small = 0;
        bool helpShown = false;
        p.runModal(pass, [&](QDialog& host, DialogView& view) {
            tall = host.height();
            helpShown = view.widgetOf(pass.lblInfo)->isVisible();
            QTest::keyClick(&host, Qt::Key_Escape);
        });
        p.platform.setUserSetting(kPasswordSection, kPasswordKey, "secret");
        p.runModal(pass, [&](QDialog& host, DialogView& view) {
            small = host.height();
            QVERIFY(!view.widgetOf(pass.lblInfo)->isVisible());
            // The wrong password leaves the window open; the right one unlocks.
            p.platform.messageAnswers.push_back(1);
            auto* box = qobject_cast<QLineEdit*>(view.widgetOf(pass.txtPassWord));
            QCOMPARE(box->echoMode(), QLineEdit::Password);
            // The window asks for the focus in its box when it loads, the second time too.
            QTRY_COMPARE(QApplication::focusWidget(), box);
            QTest::keyClicks(box, "Secret");
            QTest::keyClick(box, Qt::Key_Return);
            QVERIFY(pass.Visible);
            box->selectAll();
            QTest::keyClicks(box, "secret");
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(helpShown);
        QVERIFY(p.app.g.MotDePasseValide);
        // The short window is 2310 twips high, 120 pixels inside; the tall one holds the help text,
        // whose bottom is at 160 pixels, and a margin of 8.
        QCOMPARE(tall - small, 168 - 120);
    }

    void theTipWindowWalksTheTipsAndAboutAsksForTheSystemInformation() {
        uitest::PanelBench b;
        QDir().mkpath(QString::fromStdString(b.platform.programDir));
        std::ofstream(b.platform.programDir + "/TipOfDayOndivel.txt", std::ios::binary) << "Un.\r\nDeux.\r\n";
        b.platform.randomValues = {0.0};
        FrmTip& tip = b.app.frmTip();
        tip.Show();
        TipView view(tip);
        QVERIFY(showsText(view, "Un."));
        buttonCaptioned(view, "Astuce &suivante")->click();
        view.syncFromModel();
        QVERIFY(showsText(view, "Deux."));
        auto* box = view.findChild<QCheckBox*>();
        QVERIFY(box && box->isChecked());
        box->click();
        view.syncFromModel();
        QVERIFY(!box->isChecked());
        buttonCaptioned(view, "OK")->click();
        QVERIFY(!tip.loaded());
        QCOMPARE(ReadIniValue(b.app.g.FichierConfig, "Options", "Show Tips at Startup", ""),
                 std::string("0"));

        FrmAbout& about = b.app.frmAbout();
        about.Show();
        AboutView aboutView(about);
        QVERIFY(showsText(
            aboutView,
            QStringLiteral("Version %1.%2").arg(Ondivel::versionMajor()).arg(Ondivel::versionMinor())));
        buttonCaptioned(aboutView, "&Infos système...")->click();
        QCOMPARE(b.platform.systemInformationShown, 1);
    }
};

QTEST_MAIN(DialogWindowsTest)
#include "dialog_windows_test.moc"
