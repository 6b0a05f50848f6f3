// The main window and the program's dialog windows on the desktop. The main window: menus built
// from the model, menu choices and closing going to the model, panels mirrored as sub-windows,
// keys and the zoom, every window opening in a view of its own. The dialog view of a window model:
// controls at their design places, the keyboard of a desktop dialog (Tab order, Enter, Escape),
// the text boxes' key filter, the model's focus requests and the round trip of a multi-selection
// list. The windows of the evaluated mode and the teacher tools fit their texts and run as real
// modal dialogs; the tip, About and options windows forward their controls and follow the models.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <stdexcept>

#include "bench/bench_form.h"
#include "bench/evaluation/frm_name.h"
#include "bench/evaluation/frm_pass.h"
#include "bench/evaluation/frm_tableau.h"
#include "bench/main/frm_about.h"
#include "bench/main/frm_option.h"
#include "bench/main/frm_tip.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/program_info.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "core/control.h"
#include "core/form.h"
#include "core/user_input.h"
#include "files/testing/fake_platform.h"
#include "ui/dialogs/access_key.h"
#include "ui/dialogs/dialog_table.h"
#include "ui/dialogs/dialog_view.h"
#include "ui/evaluation/frm_tableau_view.h"
#include "ui/main/frm_about_view.h"
#include "ui/main/frm_option_view.h"
#include "ui/main/frm_tip_view.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/surface/qt_surface.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/form_view.h"
#include "ui/views/key_codes.h"
#include "ui/views/view_manager.h"
#include "ui/views/view_table.h"
#include "ui/widgets/colour_swatch.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

void place(Control& c, double left, double top, double width, double height, const char* caption = "") {
    c.Left = left, c.Top = top, c.Width = width, c.Height = height;
    c.Caption = caption;
}

// A small answer window: a frame with two kind options and a number box that refuses letters
// and turns "." into ",", a name box, a password box, a list of lines, a combo box, a hint label
// below the window's height and the two buttons. The tab order is not the top-to-bottom order:
// the name box comes last.
class TestDialog : public BenchForm {
  public:
    explicit TestDialog(Ondivel& app) : BenchForm(app, "frmTest") {
        Caption = "Essai";
        Width = 6120, Height = 4260; // a 400 x 250 client area
        place(fraVoie, 120, 120, 3000, 1800, "Voie &A");
        place(optKind[0], 240, 360, 2700, 285, "Tension continue");
        place(optKind[1], 240, 700, 2700, 285, "Tension alternative");
        place(txtUmax, 240, 1200, 1200, 330);
        place(lstLines, 3300, 120, 2550, 1500);
        for (const char* line : {"'Exercice 1", "sinus/5/50/CC/1/", "carre/2/100/CC/0/", "CC/3//CC/-2/"})
            lstLines.addItem(line);
        place(cmbShape, 3300, 1740, 2550, 330);
        for (const char* item : {"Sinusoïdale", "Carrée", "Triangulaire"})
            cmbShape.addItem(item);
        cmbShape.ListIndex = 0;
        place(txtPassWord, 240, 2100, 2000, 330);
        txtPassWord.PasswordChar = "*";
        place(cmdOK, 2700, 3100, 1400, 375, "&Valider");
        place(cmdCancel, 4300, 3100, 1400, 375, "&Annuler");
        place(txtName, 240, 2600, 2000, 330);
        place(lblHint, 240, 3900, 5000, 400, "Info : tout en bas");
        defaultButton = &cmdOK;
        cancelButton = &cmdCancel;

        optKind[0].setGroup("optKind");
        optKind[1].setGroup("optKind");
        txtUmax.on.KeyPress = [this](int& key) {
            ++keyPresses;
            if (key == '.') key = ',';
            if ((key < '0' || key > '9') && key != ',' && key != 8) key = 0;
        };
        txtUmax.on.Change = [this] { ++changes; };
        txtUmax.on.GotFocus = [this] { ++gotFocus; };
        txtUmax.on.LostFocus = [this] {
            ++lostFocus;
            if (txtUmax.Text.empty()) txtUmax.setText("0");
        };
        lstLines.on.Click = [this] { ++listClicks; };
        cmdOK.on.Click = [this] {
            ++okClicks;
            if (txtName.Text.empty()) txtName.SetFocus();
        };
        cmdCancel.on.Click = [this] { ++cancelClicks; };
    }

    FormControl fraVoie{*this, ControlKind::Frame, "fraVoie"};
    ControlArray optKind{*this, ControlKind::OptionButton, "optKind", 2};
    FormControl txtUmax{*this, ControlKind::TextBox, "txtUmax"};
    FormControl lstLines{*this, ControlKind::ListBox, "lstLines"};
    FormControl cmbShape{*this, ControlKind::ComboBox, "cmbShape"};
    FormControl txtPassWord{*this, ControlKind::TextBox, "txtPassWord"};
    FormControl cmdOK{*this, ControlKind::CommandButton, "cmdOK"};
    FormControl cmdCancel{*this, ControlKind::CommandButton, "cmdCancel"};
    FormControl txtName{*this, ControlKind::TextBox, "txtName"};
    FormControl lblHint{*this, ControlKind::Label, "lblHint"};
    int keyPresses = 0, changes = 0, gotFocus = 0, lostFocus = 0, listClicks = 0, okClicks = 0,
        cancelClicks = 0, helpKeys = 0;
    void Form_KeyDown(int keyCode, int) override {
        if (keyCode == kKeyF1) ++helpKeys;
    }
};

struct Fixture : uitest::PanelBench {
    TestDialog form{app};
    DialogView view{form};

    Fixture() { form.Show(); }
    // Shown and active, so the keyboard reaches it.
    bool showActive() {
        view.show();
        view.activateWindow();
        return QTest::qWaitForWindowActive(&view);
    }
    template <typename W> W* widget(const Control& c) { return qobject_cast<W*>(view.widgetOf(c)); }
};

struct DialogFixture : uitest::PanelBench {
    TestDialog form{app};
    DialogView view{form};

    DialogFixture() { form.Show(); }
    // Shown and active, so the keyboard reaches it.
    bool showActive() {
        view.show();
        view.activateWindow();
        return QTest::qWaitForWindowActive(&view);
    }
    template <typename W> W* widget(const Control& c) { return qobject_cast<W*>(view.widgetOf(c)); }
};

// The program in its main window. With `modalViews`, modal windows run as real dialogs through
// the view manager; without, the scripted platform returns from them at once.
struct Program {
    QTemporaryDir dir;
    TeePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    ViewManager views{app};
    explicit Program(bool modalViews = false) {
        platform.randomValues = {0.5, 0.5};
        if (modalViews) platform.modalRunner = views.modalRunner();
        views.mainWindow().resize(1280, 800);
        views.mainWindow().show();
        QApplication::setActiveWindow(&views.mainWindow());
        if (!modalViews) {
            app.mdi().Show();
            views.syncNow();
        }
    }
    ~Program() { platform.modalRunner = nullptr; }
    MainWindowView& window() { return views.mainWindow(); }
    QAction* action(const Control& item) { return window().actionOf(item); }

    // Shows the window modally and runs `inside` in its event loop; a window still open after
    // five seconds is closed, so that a fault fails the test instead of hanging it.
    void runModal(Form& form, const std::function<void(QDialog&, DialogView&)>& inside) {
        QTimer::singleShot(0, [this, inside] {
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

QStringList titles(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions)
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

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

class WindowsTest : public QObject {
    Q_OBJECT
  private slots:
    // The class table's header sorts as the keyboard's "Trier par" and "Ordre décroissant" do:
    // a new column in the usual order, the same column again the other way.
    void theClassTableSortsFromItsHeader() {
        Program p;
        FrmTableau& table = p.app.frmTableau();
        table.Load();
        TableauView view(table);
        auto* tree = view.findChild<DialogTable*>();
        QVERIFY(tree);
        QCOMPARE(tree->columnCount(), 7);
        QCOMPARE(tree->headerItem()->text(5), QStringLiteral("Note /20"));
        emit tree->header()->sectionClicked(5);
        QCOMPARE(table.cboTri.ListIndex, 5);
        QCOMPARE(table.chkDecroissant.Value, double(kUnchecked));
        QCOMPARE(tree->header()->sortIndicatorSection(), 5);
        emit tree->header()->sectionClicked(5);
        QCOMPARE(table.chkDecroissant.Value, double(kChecked));
        QCOMPARE(tree->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        emit tree->header()->sectionClicked(1);
        QCOMPARE(table.cboTri.ListIndex, 1);
        QCOMPARE(table.chkDecroissant.Value, double(kUnchecked));
    }

    void theMenuBarFollowsTheModelsTree() {
        Program p;
        QCOMPARE(titles(p.window().menuBar()->actions()),
                 QStringList({"&Fichier", "&Edition", "Aff&ichage", "&Options", "&Aide"}));
        QMenu* file = p.window().menuBar()->actions().at(0)->menu();
        // The documents' 14, "Tableau de la classe…", "Exporter l'écran…", and the set-ups' separator, three
        // items and submenu.
        QCOMPARE(file->actions().size(), 21);
        QCOMPARE(titles(file->actions()).count("-"), 5);
        QMenu* examples = p.action(p.app.mdi().Mnu_Exemples)->menu();
        QVERIFY(examples);
        QCOMPARE(examples->actions().size(), 8);
        QCOMPARE(examples->actions().at(7)->text(), QStringLiteral("Tension du secteur"));
        // The copy item opens a submenu of two choices.
        QMenu* copy = p.action(p.app.mdi().Mnu_Copier)->menu();
        QVERIFY(copy);
        QCOMPARE(titles(copy->actions()), QStringList({"identique à l'écran", "en niveau de gris"}));
        QCOMPARE(p.action(p.app.mdi().Mnu_Pref[0])->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
        QVERIFY(p.window().windowTitle().endsWith("Mode libre"));

        // After a choice the states follow the model.
        QAction* fullScreen = p.action(p.app.mdi().Mnu_ViewFullScreen);
        fullScreen->trigger(); // the scripted platform returns from the modal view at once
        p.views.syncNow();
        QVERIFY(fullScreen->isChecked());

        p.app.mdi().Mnu_Volt.Enabled = false;
        p.views.syncNow();
        QVERIFY(!p.action(p.app.mdi().Mnu_Volt)->isEnabled());
    }

    void theFullScreenViewIsMagnifiedByItsHeightNotByThePanelsZoom() {
        Program p;
        p.platform.workWidth = 1920;
        p.platform.workHeight = 1080;
        p.app.mdi().LargeurZoneTravail = 1920 * 15;
        p.app.mdi().HauteurZoneTravail = 1080 * 15;
        p.views.setZoom(2.0);
        p.action(p.app.mdi().Mnu_ViewFullScreen)->trigger(); // the scripted platform returns at once
        FormView* view = p.views.modalViewFor(p.app.frmFullScreen());
        QCOMPARE(view->size(), QSize(1920, 1080));
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
        // Pens and fonts 1080 / 800 times the documents' sizes, whatever the panels' zoom.
        const QtSurface* screen = qtSurfaceOf(p.app.frmFullScreen().picEcran.surface());
        QVERIFY(screen);
        QCOMPARE(screen->devicePixelRatio(), 1.35 * view->devicePixelRatioF());
    }

    void theColoursTabHasNoAccessKeyTwice() {
        Program p;
        FrmOption& options = p.app.frmOption();
        options.sstOptions.ListIndex = 1;
        OptionView view(options);
        auto* tabs = view.findChild<QTabWidget*>();
        QVERIFY(tabs);
        QList<QAbstractButton*> buttons = tabs->widget(1)->findChildren<QAbstractButton*>();
        for (QAbstractButton* b : view.findChildren<QAbstractButton*>())
            if (b->parentWidget() == &view) buttons << b; // OK, Annuler, Appliquer
        std::set<int> keys;
        for (QAbstractButton* b : buttons) {
            const QKeySequence key = QKeySequence::mnemonic(b->text());
            if (key.isEmpty()) continue;
            QVERIFY2(keys.insert(key[0].toCombined()).second, qPrintable(b->text()));
        }
        QVERIFY(keys.count((Qt::ALT | Qt::Key_R).toCombined()) == 1); // "Couleurs pour la p&rojection"
    }

    void theStatusBarShowsWhyATraceIsFlat() {
        Program p;
        auto* status = p.window().statusBar()->findChild<QLabel*>(QStringLiteral("MDIOndivel.lblStatus"));
        QVERIFY(status);
        QCOMPARE(status->text(), QString());
        user::click(p.app.frmOndivel().chkOn);
        p.views.syncNow();
        QCOMPARE(status->text(), QStringLiteral("CH1 : aucune source n'est branchée.  "
                                                "CH2 : aucune source n'est branchée."));
        QVERIFY(status->isVisible());
    }

    void quittingAsksTheModelAndClosingTheWindowEnds() {
        Program p;
        QSignalSpy ended(&p.views, &ViewManager::programEnded);
        p.platform.messageAnswers = {vbNo};
        p.action(p.app.mdi().Mnu_End)->trigger();
        p.views.syncNow();
        QVERIFY(p.app.mdi().loaded() && p.window().isVisible());
        QCOMPARE(ended.count(), 0);
        // Closing the window ends the program without a question.
        QVERIFY(p.window().close());
        p.views.syncNow();
        QVERIFY(p.app.mdi().ended());
        QCOMPARE(ended.count(), 1);
    }

    void panelsAreSubWindowsAtTheModelsPosition() {
        Program p;
        FrmOndivel& scope = p.app.frmOndivel();
        QMdiSubWindow* sub = p.views.subWindowOf(scope);
        QVERIFY(sub && sub->isVisible());
        p.views.setZoom(1.0);
        scope.Left = 1500; // twips: 100 pixels at 15 a pixel
        scope.Top = 750;
        p.views.syncNow();
        QCOMPARE(sub->pos(), QPoint(100, 50));

        sub->move(200, 30); // the user drags it
        QCOMPARE(scope.Left, 3000.0);
        QCOMPARE(scope.Top, 450.0);

        // The user closes a generator: the model unloads it and its window goes.
        FrmGBF& gbf = p.app.frmGBFA();
        gbf.Show();
        p.views.syncNow();
        QMdiSubWindow* generator = p.views.subWindowOf(gbf);
        QVERIFY(generator && generator->isVisible());
        generator->close();
        QVERIFY(!gbf.loaded() && !generator->isVisible());
    }

    void keysReachTheModelWithWindowsCodesAndZoomThePanels() {
        QCOMPARE(windowsKeyCode(Qt::Key_F12), 123);
        QCOMPARE(shiftMask(Qt::ShiftModifier | Qt::ControlModifier), 3);
        Program p;
        QTest::keyClick(p.views.viewOf(p.app.frmOndivel()), Qt::Key_F1);
        QCOMPARE(p.platform.helpRequests.size(), std::size_t(1));

        // A first start on 1280 x 800 takes the step at which the toolbox (812 pixels high at
        // zoom 1 with its title) stands whole above the status bar.
        QCOMPARE(p.views.zoom(), 0.9);
        p.views.setZoom(1.0);
        // Ctrl++ and Ctrl+0 zoom every panel; the zoom is saved. A large screen: at 1280 x 800
        // the toolbox leaves Ctrl++ no room.
        p.window().resize(1920, 1080);
        QApplication::processEvents();
        QMdiSubWindow* sub = p.views.subWindowOf(p.app.frmOndivel());
        const QSize before = p.views.viewOf(p.app.frmOndivel())->size();
        QTest::keyClick(&p.window(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 1.25);
        QCOMPARE(p.views.viewOf(p.app.frmOndivel())->size(), before * 1.25);
        QCOMPARE(p.app.ReadIni("Interface", "Zoom", ""), std::string("1.25"));
        // Positions scale too: the same twips are farther from the corner.
        p.app.frmOndivel().Left = 1500;
        p.views.syncNow();
        QCOMPARE(sub->x(), 125);
        // Ctrl+0 is the zoom that fits the work area (the arrangement_test's), not 1.
        QTest::keyClick(&p.window(), Qt::Key_Minus, Qt::ControlModifier);
        QTest::keyClick(&p.window(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 0.9);
        QTest::keyClick(&p.window(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 1.25);
    }

    void controlsSitAtTheirDesignPlacesAndScaleWithTheZoom() {
        DialogFixture f;
        // 6120 x 4260 twips less the border and caption: 400 x 250 pixels; the hint label starts
        // below that and stays cut off, as in a window too short for it.
        QCOMPARE(f.view.designSize(), QSize(400, 250));
        auto* frame = f.widget<QGroupBox>(f.form.fraVoie);
        QVERIFY(frame);
        QCOMPARE(frame->geometry(), QRect(8, 8, 200, 120));
        // Inside the frame, placed relative to it.
        auto* dc = f.widget<QRadioButton>(f.form.optKind[0]);
        QCOMPARE(dc->parentWidget(), frame);
        QCOMPARE(dc->geometry(), QRect(8, 16, 180, 19));
        QCOMPARE(f.view.widgetOf(f.form.lstLines)->parentWidget(), &f.view);
        QCOMPARE(f.view.widgetOf(f.form.cmdOK)->geometry(), QRect(180, 207, 93, 25));

        const int fontAtOne = f.view.font().pixelSize();
        f.view.setFixedSize(f.view.designSize() * 2);
        QVERIFY(uitest::exposed(f.view));
        QCOMPARE(f.view.widgetOf(f.form.cmdOK)->geometry(), QRect(360, 413, 187, 50));
        QCOMPARE(dc->geometry(), QRect(16, 32, 360, 38));
        QCOMPARE(f.widget<QPushButton>(f.form.cmdOK)->text(), QStringLiteral("&Valider"));
        QCOMPARE(f.view.font().pixelSize(), 2 * fontAtOne);
        snapshot(f.view, "dialog_view_zoom2");

        // The window follows the model's height at its zoom: taller, the hint label is inside
        // and shown; a hidden control gives no room.
        f.form.Height = 4260 + 900;
        f.view.syncFromModel();
        QCOMPARE(f.view.designSize(), QSize(400, 310));
        QCOMPARE(f.view.size(), QSize(800, 620));
        f.form.lblHint.Visible = false;
        f.form.Height = 4260;
        f.view.syncFromModel();
        QCOMPARE(f.view.size(), QSize(800, 500));
    }

    void nestedFramesHoldTheControlsWhollyInsideThem() {
        uitest::PanelBench b;
        Form form(b.app, "frmNested");
        form.Width = 6120, form.Height = 4260;
        FormControl outer(form, ControlKind::Frame, "fraOuter"), inner(form, ControlKind::Frame, "fraInner");
        FormControl deep(form, ControlKind::CheckBox, "chkDeep"),
            across(form, ControlKind::TextBox, "txtAcross");
        // Declared inner first: the view must still make the outer frame the inner one's parent.
        place(inner, 600, 600, 2400, 1200);
        place(outer, 300, 300, 4500, 2700);
        place(deep, 900, 900, 1500, 300);
        place(across, 2700, 1500, 2400, 300); // starts inside the outer frame, ends outside it
        DialogView view(form);
        auto* outerBox = view.widgetOf(outer);
        QCOMPARE(view.widgetOf(inner)->parentWidget(), outerBox);
        QCOMPARE(view.widgetOf(inner)->geometry(), QRect(20, 20, 160, 80));
        QCOMPARE(view.widgetOf(deep)->parentWidget(), view.widgetOf(inner));
        QCOMPARE(view.widgetOf(deep)->geometry(), QRect(20, 20, 100, 20));
        QCOMPARE(view.widgetOf(across)->parentWidget(), &view);
    }

    void optionButtonsAndTabFollowTheModel() {
        DialogFixture f;
        QVERIFY(f.showActive());
        auto* dc = f.widget<QRadioButton>(f.form.optKind[0]);
        auto* ac = f.widget<QRadioButton>(f.form.optKind[1]);
        QTest::mouseClick(ac, Qt::LeftButton);
        QVERIFY(f.form.optKind[1].Value == 1 && f.form.optKind[0].Value == 0);
        // Arrow keys move the choice inside the frame; the model may clear them all.
        ac->setFocus();
        QTest::keyClick(ac, Qt::Key_Up);
        QVERIFY(f.form.optKind[0].Value == 1 && f.form.optKind[1].Value == 0);
        f.form.optKind[0].setValue(0);
        f.view.syncFromModel();
        QVERIFY(!dc->isChecked() && !ac->isChecked());

        // Tab follows the control order, not the places.
        f.view.widgetOf(f.form.txtUmax)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), f.view.widgetOf(f.form.txtUmax));
        const std::vector<const Control*> order = {&f.form.lstLines, &f.form.cmbShape,  &f.form.txtPassWord,
                                                   &f.form.cmdOK,    &f.form.cmdCancel, &f.form.txtName};
        for (const Control* c : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), f.view.widgetOf(*c));
        }
    }

    void enterAndEscapePressTheWindowsButtons() {
        DialogFixture f;
        QVERIFY(f.showActive());
        f.form.txtName.Text = "Dupont";
        auto* box = f.widget<QLineEdit>(f.form.txtUmax);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.form.okClicks, 1);
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(f.form.cancelClicks, 1);
        // From the list too: Enter is the window's, not the list's.
        auto* list = f.widget<QListWidget>(f.form.lstLines);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Enter);
        QCOMPARE(f.form.okClicks, 2);
        // A disabled default button is not pressed.
        f.form.cmdOK.Enabled = false;
        f.view.syncFromModel();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.form.okClicks, 2);
        // The window hands Enter to another button: the look and the key follow.
        f.form.defaultButton = &f.form.cmdCancel;
        f.view.syncFromModel();
        QVERIFY(f.widget<QPushButton>(f.form.cmdCancel)->isDefault());
        QVERIFY(!f.widget<QPushButton>(f.form.cmdOK)->isDefault());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.form.cancelClicks, 2);
        // F1 from a text box reaches the window, which opens its help page.
        QTest::keyClick(box, Qt::Key_F1);
        QCOMPARE(f.form.helpKeys, 1);
    }

    void typedKeysGoThroughTheModelsFilter() {
        DialogFixture f;
        QVERIFY(f.showActive());
        auto* box = f.widget<QLineEdit>(f.form.txtUmax);
        box->setFocus();
        QTRY_COMPARE(f.form.gotFocus, 1);
        QTest::keyClicks(box, "1x.5-");
        QCOMPARE(f.form.keyPresses, 5);
        QCOMPARE(box->text(), QStringLiteral("1,5"));
        QCOMPARE(f.form.changes, 3); // one per accepted character
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(f.form.txtUmax.Text, std::string(""));

        // Leaving the empty box: the model puts 0 in it, and the box shows it.
        f.view.widgetOf(f.form.txtName)->setFocus();
        QTRY_COMPARE(f.form.lostFocus, 1);
        QCOMPARE(box->text(), QStringLiteral("0"));

        // Coming back selects the text: the next digit replaces it.
        box->setFocus();
        QTRY_COMPARE(box->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(box, "7");
        QCOMPARE(f.form.txtUmax.Text, std::string("7"));

        // A box without a filter takes accented letters as they are.
        auto* name = f.widget<QLineEdit>(f.form.txtName);
        name->setFocus();
        QTest::keyClicks(name, "Zo");
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_Eacute, QStringLiteral("é"), Qt::NoModifier);
        QCOMPARE(f.form.txtName.Text, std::string("Zoé"));
    }

    void focusRequestsMoveTheRealFocus() {
        DialogFixture f;
        QVERIFY(f.showActive());
        auto* ok = f.widget<QPushButton>(f.form.cmdOK);
        ok->setFocus();
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(f.form.okClicks, 1);
        QTRY_COMPARE(QApplication::focusWidget(), f.view.widgetOf(f.form.txtName));

        // A request made while the window had no view yet is met when it shows.
        uitest::PanelBench b;
        TestDialog form{b.app};
        form.Show();
        form.txtUmax.SetFocus();
        DialogView view(form);
        view.show();
        view.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        QTRY_COMPARE(QApplication::focusWidget(), view.widgetOf(form.txtUmax));
        QTRY_COMPARE(form.gotFocus, 1);
    }

    void listSelectionMakesTheRoundTrip() {
        DialogFixture f;
        QVERIFY(f.showActive());
        auto* list = f.widget<QListWidget>(f.form.lstLines);
        QCOMPARE(list->count(), 4);
        const auto rowPoint = [list](int row) { return list->visualItemRect(list->item(row)).center(); };
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(3));
        QCOMPARE(f.form.lstLines.Selected, (std::vector<bool>{false, true, false, true}));
        QCOMPARE(f.form.lstLines.ListIndex, 3);
        QCOMPARE(f.form.listClicks, 2);
        // Clicking the line already alone in the selection raises Click again (the editor fills
        // its boxes from it once more).
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(1));
        QCOMPARE(f.form.listClicks, 3);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowPoint(1));
        QCOMPARE(f.form.listClicks, 4);
        QCOMPARE(f.form.lstLines.Selected, (std::vector<bool>{false, true, false, false}));

        // The model moves the line up and keeps it selected; it also renames a line.
        std::swap(f.form.lstLines.List[0], f.form.lstLines.List[1]);
        f.form.lstLines.Selected = {true, false, false, false};
        f.form.lstLines.ListIndex = 0;
        f.form.lstLines.List[3] = "CC/4//CC/-2/";
        f.view.syncFromModel();
        QCOMPARE(list->item(0)->text(), QStringLiteral("sinus/5/50/CC/1/"));
        QCOMPARE(list->item(3)->text(), QStringLiteral("CC/4//CC/-2/"));
        QCOMPARE(list->selectedItems(), QList<QListWidgetItem*>{list->item(0)});
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(f.form.listClicks, 4); // the model's own changes raise nothing
        // A new selection over the same lines lets the old one go.
        f.form.lstLines.Selected = {false, false, true, false};
        f.view.syncFromModel();
        QCOMPARE(list->selectedItems(), QList<QListWidgetItem*>{list->item(2)});

        // The combo box: a choice is a Click with the new ListIndex.
        auto* combo = f.widget<QComboBox>(f.form.cmbShape);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(f.form.cmbShape.ListIndex, 1);
    }

    // No window falls back on a plain layout of its controls: each one opens in its own view. Those
    // of the evaluated mode and the teacher tools are dialog views whose controls lie inside the
    // window and whose texts fit their places.
    void everyWindowHasItsOwnViewAndTheDialogsTextsFit() {
        Program p;
        const std::set<std::string> dialogs{"frmName", "frmExo",      "frmNote",  "frmCreateFile",
                                            "frmPass", "frmPassWord", "frmDepot", "frmCorbeille"};
        std::size_t dialogsSeen = 0;
        for (Form* form : p.app.forms()) {
            if (form == &p.app.mdi()) continue; // the main window itself
            std::unique_ptr<FormView> made;
            try {
                made.reset(makeView(*form));
            } catch (const std::logic_error&) {
            }
            const char* name = form->name().c_str();
            QVERIFY2(made, name);
            if (!dialogs.contains(form->name())) continue;
            ++dialogsSeen;
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
        QCOMPARE(dialogsSeen, dialogs.size());
    }

    void theIdentityWindowIsAModalDialogWorkedWithTheKeyboard() {
        Program p(true);
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
        Program p(true);
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
        buttonCaptioned(view, "Astuce &suivante")->click();
        view.syncFromModel();
        QVERIFY(showsText(view, "Deux."));
        auto* box = view.findChild<QCheckBox*>();
        QVERIFY(box && box->isChecked());
        box->click();
        QCOMPARE(tip.chkLoadTipsAtStartup.Value, kUnchecked);
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

        auto* style = widget<QComboBox>(view, b.f.cbxStyle[1]);
        style->setFocus();
        QTest::keyClick(style, Qt::Key_Down);
        QCOMPARE(b.f.cbxStyle[1].ListIndex, 1);
        view.tabs()->setCurrentIndex(1); // the model hears of tab changes
        QCOMPARE(b.f.sstOptions.ListIndex, 1);
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
