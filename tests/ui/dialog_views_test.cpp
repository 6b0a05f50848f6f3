// The tip and About windows forward their buttons to the models and show what the models say;
// the tooltip filter hides every tooltip when switched off and wraps long ones.
#include <QCheckBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "core/ondivel.h"
#include "core/testing/fake_platform.h"
#include "shell/frm_about.h"
#include "shell/frm_tip.h"
#include "shell/settings_store.h"
#include "ui/platform/system_info.h"
#include "ui/platform/tooltip_filter.h"
#include "ui/views/dialog_views.h"

using namespace ondivel;

namespace {

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

class DialogViewsTest : public QObject {
    Q_OBJECT

  private slots:
    void tipViewWalksTheTipsAndKeepsTheStartUpChoice() {
        QTemporaryDir dir;
        FakePlatform platform(dir.path().toStdString());
        QDir().mkpath(QString::fromStdString(platform.programDir));
        std::ofstream(platform.programDir + "/TipOfDayOndivel.txt", std::ios::binary) << "Un.\r\nDeux.\r\n";
        Ondivel app(platform);
        app.g.FichierConfig = dir.filePath("conf.ini").toStdString();
        platform.randomValues = {0.0};
        FrmTip& tip = app.frmTip();
        tip.Show();
        TipView view(tip);
        QVERIFY(showsText(view, "Un."));

        QPushButton* next = buttonCaptioned(view, "Astuce &suivante");
        QVERIFY(next);
        next->click();
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
        QCOMPARE(ReadIniValue(app.g.FichierConfig, "Options", "Show Tips at Startup", ""), std::string("0"));
    }

    void aboutViewShowsTheVersionAndAsksForTheSystemInformation() {
        QTemporaryDir dir;
        FakePlatform platform(dir.path().toStdString());
        Ondivel app(platform);
        FrmAbout& about = app.frmAbout();
        about.Show();
        AboutView view(about);
        QVERIFY(showsText(
            view, QStringLiteral("Version %1.%2").arg(Ondivel::versionMajor()).arg(Ondivel::versionMinor())));
        buttonCaptioned(view, "&Infos système...")->click();
        QCOMPARE(platform.systemInformationShown, 1);
    }

    void systemInformationNamesTheSystemAndQt() {
        const QString text = systemInformationText("/opt/ondivel");
        QVERIFY(text.contains("Système : "));
        QVERIFY(text.contains(QString::fromLatin1(qVersion())));
        QVERIFY(text.contains("Dossier du programme : /opt/ondivel"));
    }

    void longTooltipsWrapAndShortOnesStayPlain() {
        QCOMPARE(ToolTipFilter::wrapped("Court", 200, 40), QString("Court"));
        const QString wrapped =
            ToolTipFilter::wrapped("Une phrase <longue> & large\nsur deux lignes", 200, 420);
        QVERIFY(wrapped.startsWith("<table width=\"200\">"));
        QVERIFY(wrapped.contains("&lt;longue&gt; &amp; large<br>sur deux lignes"));
        // A tip already written in rich text is the author's layout.
        QCOMPARE(ToolTipFilter::wrapped("<b>Gras</b>", 200, 900), QString("<b>Gras</b>"));
    }

    void switchedOffTheFilterSwallowsEveryTooltip() {
        ToolTipFilter filter;
        QWidget widget;
        widget.setToolTip("Pour allumer l'oscilloscope.");
        widget.installEventFilter(&filter);
        QHelpEvent event(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        filter.configure(false, 200);
        QVERIFY(filter.eventFilter(&widget, &event));
        filter.configure(true, 200);
        QVERIFY(!filter.eventFilter(&widget, &event)); // short: Qt shows it as it is
    }
};

QTEST_MAIN(DialogViewsTest)
#include "dialog_views_test.moc"
