// The dialog view of a window model: controls at their design places, the keyboard of a desktop
// dialog (Tab order, Enter, Escape), the text boxes' key filter, the model's focus requests and
// the round trip of a multi-selection list.
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "bench/bench_form.h"
#include "bench/ondivel.h"
#include "files/testing/fake_platform.h"
#include "ui/dialogs/dialog_view.h"
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

} // namespace

class DialogViewTest : public QObject {
    Q_OBJECT
  private slots:
    void controlsSitAtTheirDesignPlacesAndScaleWithTheZoom() {
        Fixture f;
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
        QCOMPARE(f.view.widgetOf(f.form.txtUmax)->parentWidget(), frame);
        QCOMPARE(f.view.widgetOf(f.form.lstLines)->parentWidget(), &f.view);
        QCOMPARE(f.view.widgetOf(f.form.cmdOK)->geometry(), QRect(180, 207, 93, 25));

        const int fontAtOne = f.view.font().pixelSize();
        f.view.setFixedSize(f.view.designSize() * 2);
        QVERIFY(uitest::exposed(f.view));
        QCOMPARE(f.view.widgetOf(f.form.cmdOK)->geometry(), QRect(360, 413, 187, 50));
        QCOMPARE(dc->geometry(), QRect(16, 32, 360, 38));
        QCOMPARE(f.view.font().pixelSize(), 2 * fontAtOne);

        QCOMPARE(f.widget<QLineEdit>(f.form.txtPassWord)->echoMode(), QLineEdit::Password);
        QCOMPARE(f.widget<QPushButton>(f.form.cmdOK)->text(), QStringLiteral("&Valider"));
        QVERIFY(f.widget<QPushButton>(f.form.cmdOK)->isDefault());
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
        Fixture f;
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
        Fixture f;
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
        Fixture f;
        QVERIFY(f.showActive());
        auto* box = f.widget<QLineEdit>(f.form.txtUmax);
        box->setFocus();
        QTRY_COMPARE(f.form.gotFocus, 1);
        QTest::keyClicks(box, "1x.5-");
        QCOMPARE(f.form.keyPresses, 5);
        QCOMPARE(f.form.txtUmax.Text, std::string("1,5"));
        QCOMPARE(box->text(), QStringLiteral("1,5"));
        QCOMPARE(f.form.changes, 3); // one per accepted character
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(f.form.txtUmax.Text, std::string("1,"));
        QTest::keyClick(box, Qt::Key_Backspace);
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
        Fixture f;
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
        Fixture f;
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
        QCOMPARE(list->selectedItems().size(), 1);
        QVERIFY(list->item(0)->isSelected());
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(f.form.listClicks, 4); // the model's own changes raise nothing

        // The combo box: a choice is a Click with the new ListIndex.
        auto* combo = f.widget<QComboBox>(f.form.cmbShape);
        QCOMPARE(combo->currentText(), QStringLiteral("Sinusoïdale"));
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(f.form.cmbShape.ListIndex, 1);
    }
};

QTEST_MAIN(DialogViewTest)
#include "dialog_view_test.moc"
