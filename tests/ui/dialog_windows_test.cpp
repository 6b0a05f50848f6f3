// The program's dialog windows on the desktop. Those of the evaluated mode and the teacher tools
// are dialog views whose controls lie inside the window and whose texts fit their places, and the
// modal ones run as real modal dialogs through the view manager; the tip and About windows forward
// their buttons to the models and show what the models say; the tabs, boxes, samples and lists of
// the options window reach the model and follow it.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <functional>

#include "bench/evaluation/frm_name.h"
#include "bench/evaluation/frm_pass.h"
#include "bench/main/frm_about.h"
#include "bench/main/frm_option.h"
#include "bench/main/frm_tip.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/program_info.h"
#include "bench/ondivel.h"
#include "core/control.h"
#include "core/form.h"
#include "ui/dialogs/access_key.h"
#include "ui/dialogs/dialog_view.h"
#include "ui/main/frm_about_view.h"
#include "ui/main/frm_option_view.h"
#include "ui/main/frm_tip_view.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/view_manager.h"
#include "ui/views/view_table.h"
#include "ui/widgets/colour_swatch.h"
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

// A started program with the options window loaded, as the start-up leaves it.
struct Options {
    QTemporaryDir dir;
    FakePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    FrmOption& f = app.frmOption();

    Options() { app.mdi().Show(); }
};

template <typename W> W* widget(const OptionView& view, const Control& c) {
    auto* w = qobject_cast<W*>(view.widgetOf(c));
    if (!w) qFatal("no widget of the expected kind for %s", c.path().c_str());
    return w;
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
            QVERIFY(uitest::exposed(*view));
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
        QCOMPARE(tip.chkLoadTipsAtStartup.Value, kUnchecked);
        QVERIFY(!box->isChecked());
        buttonCaptioned(view, "OK")->click();
        QVERIFY(!tip.loaded());

        FrmAbout& about = b.app.frmAbout();
        about.Show();
        AboutView aboutView(about);
        QVERIFY(showsText(
            aboutView,
            QStringLiteral("Version %1.%2").arg(Ondivel::versionMajor()).arg(Ondivel::versionMinor())));
        buttonCaptioned(aboutView, "&Infos système...")->click();
        QCOMPARE(b.platform.systemInformationShown, 1);
    }

    void checkBoxesAndButtonsWorkWithTheMouseAndTheKeyboard() {
        Options b;
        OptionView view(b.f);
        QVERIFY(uitest::exposed(view));
        auto* tips = widget<QCheckBox>(view, b.f.chkLoadTipsAtStartup);
        QVERIFY(tips->isChecked());
        QTest::mouseClick(tips, Qt::LeftButton);
        QCOMPARE(b.f.chkLoadTipsAtStartup.Value, double(kUnchecked));
        // Space on the focused box toggles it back.
        auto* tooltips = widget<QCheckBox>(view, b.f.chkToolTip);
        tooltips->setFocus();
        QTest::keyClick(tooltips, Qt::Key_Space);
        QCOMPARE(b.f.chkToolTip.Value, double(kUnchecked));
        QCOMPARE(tooltips->toolTip(),
                 QStringLiteral("Info-bulle : phrase qui décrit la fonction d'un bouton"));
        // The access keys of the model's captions are Qt's mnemonics.
        QCOMPARE(tips->text(), QStringLiteral("&Afficher les astuces au démarrage"));
        QVERIFY(widget<QPushButton>(view, b.f.cmdOK)->isDefault());

        // The background sample resets on a double-click or Delete, without a colour dialog.
        b.f.picColor_Fond.BackColor = RGB(9, 9, 9);
        auto* sample = widget<ColourSwatch>(view, b.f.picColor_Fond);
        QTest::mouseDClick(sample, Qt::LeftButton);
        QCOMPARE(b.f.picColor_Fond.BackColor, Color(kWhite));
        b.f.picColor_Fond.BackColor = RGB(9, 9, 9);
        sample->setFocus();
        QTest::keyClick(sample, Qt::Key_Delete);
        QCOMPARE(b.f.picColor_Fond.BackColor, Color(kWhite));
        QVERIFY(b.platform.colorAnswers.empty());
    }

    void colourSamplesShowTheModelAndSelectTheirColour() {
        Options b;
        b.f.sstOptions.ListIndex = 1;
        OptionView view(b.f);
        QVERIFY(uitest::exposed(view));
        auto* screen = widget<ColourSwatch>(view, b.f.shpColor[3]);
        QCOMPARE(screen->colour(), Color(10135975));
        QTest::mouseClick(screen, Qt::LeftButton);
        QVERIFY(b.f.optColor[3].isOn());
        view.syncFromModel();
        QVERIFY(widget<QRadioButton>(view, b.f.optColor[3])->isChecked());
        QVERIFY(!widget<QRadioButton>(view, b.f.optColor[0])->isChecked());

        b.platform.colorAnswers.push_back(RGB(1, 2, 3));
        QTest::mouseClick(widget<QPushButton>(view, b.f.cmdChange), Qt::LeftButton);
        view.syncFromModel();
        QCOMPARE(screen->colour(), RGB(1, 2, 3));
    }

    void opensOnTheModelsTabWhereNoMarkerGreysTheListsAndMarkersShowAsSymbols() {
        Options b;
        b.f.sstOptions.ListIndex = 2;
        OptionView view(b.f);
        QVERIFY(uitest::exposed(view));
        QCOMPARE(view.tabs()->count(), 3);
        QCOMPARE(view.tabs()->tabText(1), QStringLiteral("Oscillogrammes"));
        QCOMPARE(view.tabs()->currentIndex(), 2);
        snapshot(view, "options_print");
        auto* glyphs = widget<QComboBox>(view, b.f.cbxMarque[0]);
        QStringList items;
        for (int i = 0; i < glyphs->count(); ++i)
            items << glyphs->itemText(i);
        QCOMPARE(items, QStringList({"\u25C6", "\u25CF", "\u25A1", "\u29EB", "\u25A0"}));
        QVERIFY(glyphs->isEnabled());

        auto* none = widget<QRadioButton>(view, b.f.optMarqueA[0]);
        QTest::mouseClick(none, Qt::LeftButton, {}, QPoint(8, none->height() / 2)); // on its circle
        view.syncFromModel();
        QVERIFY(!glyphs->isEnabled());
        QVERIFY(!widget<QComboBox>(view, b.f.cbxWidth[0])->isEnabled());
        QVERIFY(widget<QComboBox>(view, b.f.cbxWidth[1])->isEnabled());
        QVERIFY(!widget<QRadioButton>(view, b.f.optMarqueA[1])->isChecked());

        auto* style = widget<QComboBox>(view, b.f.cbxStyle[1]);
        style->setFocus();
        QTest::keyClick(style, Qt::Key_Down);
        QCOMPARE(b.f.cbxStyle[1].ListIndex, 1);
        view.tabs()->setCurrentIndex(1); // the model hears of tab changes
        QCOMPARE(b.f.sstOptions.ListIndex, 1);
    }
};

QTEST_MAIN(DialogWindowsTest)
#include "dialog_windows_test.moc"
