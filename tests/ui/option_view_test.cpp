// The options window view: its tabs, boxes, samples and lists reach the model and follow it.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/ondivel.h"
#include "core/testing/fake_platform.h"
#include "shell/frm_option.h"
#include "shell/mdi_ondivel.h"
#include "ui/views/option_view.h"
#include "ui/widgets/colour_swatch.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

// A started program with the options window loaded, as the start-up leaves it.
struct Bench {
    QTemporaryDir dir;
    FakePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    FrmOption& f = app.frmOption();

    Bench() { app.mdi().Show(); }
};

template <typename W> W* widget(const OptionView& view, const Control& c) {
    auto* w = qobject_cast<W*>(view.widgetOf(c));
    if (!w) qFatal("no widget of the expected kind for %s", c.path().c_str());
    return w;
}

} // namespace

class OptionViewTest : public QObject {
    Q_OBJECT
  private slots:
    void checkBoxesAndButtonsWorkWithTheMouseAndTheKeyboard() {
        Bench b;
        OptionView view(b.f);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
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
        Bench b;
        b.f.sstOptions.ListIndex = 1;
        OptionView view(b.f);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
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
        QTest::mouseClick(widget<QPushButton>(view, b.f.cmdPrint), Qt::LeftButton);
        view.syncFromModel();
        QCOMPARE(screen->colour(), Color(kWhite));
        QCOMPARE(widget<ColourSwatch>(view, b.f.shpColor[2])->colour(), Color(8421504));
    }

    void opensOnTheModelsTabWhereNoMarkerGreysTheListsAndMarkersShowAsSymbols() {
        Bench b;
        b.f.sstOptions.ListIndex = 2;
        OptionView view(b.f);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
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

QTEST_MAIN(OptionViewTest)
#include "option_view_test.moc"
