// The desktop platform: where it finds folders, how it asks questions, its clock, its store, the
// programs it starts, the sounds it plays, the files it fetches and the help window (F1 topics open
// their page, the buttons walk the history, missing pages are named). Runs offscreen; never touches
// the real home folder (QSettings and every override point at temporary folders).
#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include "bench/ondivel.h"
#include "bench/scope/scales.h"
#include "core/form.h"
#include "files/testing/fake_platform.h"
#include "ui/help/help_viewer.h"
#include "ui/platform/dialog_texts.h"
#include "ui/platform/folders.h"
#include "ui/platform/launcher.h"
#include "ui/platform/network_folder.h"
#include "ui/platform/qt_platform.h"
#include "ui/platform/system_info.h"
#include "ui/platform/text_editor.h"
#include "ui/platform/tooltip_filter.h"

using namespace ondivel;

namespace {

void writeText(const QString& path, const QString& text) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.toUtf8());
}

void writeExecutable(const QString& path, const QString& text) {
    writeText(path, text);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Presses the button with that text on the first modal box that opens.
void pressWhenShown(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* b : box->buttons())
            if (b->text() == text) b->click();
    });
}

const char* const kTitle = "Aide d'Ondivel";

QString pagesFolder() {
    return sourceResourcesFolder() + "/help";
}

QString shownPage(const HelpViewer& viewer) {
    return QFileInfo(viewer.currentPage().toLocalFile()).fileName();
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;

  private slots:
    void init() {
        for (const char* name : {"ONDIVEL_PROGRAM_DIR", "ONDIVEL_APPDATA_DIR", "ONDIVEL_DOCUMENTS_DIR"})
            qunsetenv(name);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, tmp_.filePath("settings"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, tmp_.filePath("settings"));
    }

    void foldersPreferOverridesThenInstallThenSources() {
        QDir root(tmp_.filePath("install"));
        QVERIFY(root.mkpath("bin") && root.mkpath("share/ondivel"));
        const QString bin = root.filePath("bin");
        QCOMPARE(resolveProgramFolder("/opt/ondivel/", bin, "/src/resources"), QString("/opt/ondivel"));
        QCOMPARE(resolveProgramFolder("  ", bin, "/src/resources"), root.filePath("share/ondivel"));
        QCOMPARE(resolveProgramFolder("", tmp_.filePath("elsewhere"), "/src/resources/"),
                 QString("/src/resources"));
        QCOMPARE(resolveSharedFolder("", "/home/eleve/Documents/"), QString("/home/eleve/Documents"));
        QCOMPARE(resolveSharedFolder("", ""), QString());
        const QString info = systemInformationText("/opt/ondivel");
        QVERIFY(info.contains("Système : ") && info.contains(QString::fromLatin1(qVersion())));
        QVERIFY(info.contains("Dossier du programme : /opt/ondivel"));

        // Run from the build tree (no share folder beside it) the program reads the source resources.
        QtPlatform platform;
        QCOMPARE(QString::fromStdString(platform.programFolder()), sourceResourcesFolder());
        qputenv("ONDIVEL_PROGRAM_DIR", tmp_.path().toUtf8() + "/");
        qputenv("ONDIVEL_APPDATA_DIR", tmp_.filePath("appdata/").toUtf8());
        qputenv("ONDIVEL_DOCUMENTS_DIR", tmp_.filePath("documents").toUtf8());
        QCOMPARE(QString::fromStdString(platform.programFolder()), tmp_.path());
        QCOMPARE(platform.specialFolder(SpecialFolder::CommonAppData),
                 tmp_.filePath("appdata").toStdString());
        QCOMPARE(platform.specialFolder(SpecialFolder::CommonDocuments),
                 tmp_.filePath("documents").toStdString());
    }

    void logonNameFallsBackToUsernameThenTheAccount() {
        QtPlatform platform;
        const QByteArray user = qgetenv("USER"), username = qgetenv("USERNAME");
        qputenv("USER", "eleve");
        QCOMPARE(platform.logonName().value_or("?"), std::string("eleve"));
        qputenv("USER", " ");
        qputenv("USERNAME", "prof");
        QCOMPARE(platform.logonName().value_or("?"), std::string("prof"));
        qputenv("USERNAME", "");
        // Without either variable the account database still names the user, as "id -un" does;
        // only an account without a name has none.
        QProcess id;
        id.start("id", {"-un"});
        const bool named =
            id.waitForFinished() && id.exitStatus() == QProcess::NormalExit && id.exitCode() == 0;
        const QString account = QString::fromLocal8Bit(id.readAllStandardOutput()).trimmed();
        if (named)
            QCOMPARE(QString::fromStdString(platform.logonName().value_or("?")), account);
        else
            QVERIFY(!platform.logonName().has_value());
        qputenv("USER", user);
        qputenv("USERNAME", username);
    }

    void messageBoxesAreFrenchAndAnswerWhatWasClicked() {
        // Closed without a button, a box answers No when it has no Cancel; 256 makes the second
        // button the default; an empty title is the program's name.
        const auto yesNo = buildMessageBox("?", vbYesNo | vbQuestion, "");
        QCOMPARE(yesNo->icon(), QMessageBox::Question);
        QCOMPARE(yesNo->defaultButton()->text(), QString("Oui"));
        QCOMPARE(yesNo->windowTitle(), QString("Ondivel"));
        QCOMPARE(messageBoxAnswer(*yesNo, nullptr), int(vbNo));
        const auto three =
            buildMessageBox("?", vbYesNoCancel | vbExclamation | 256, "Ondivel - Mot de passe");
        QCOMPARE(three->buttons().size(), 3);
        QCOMPARE(three->defaultButton()->text(), QString("Non"));
        QCOMPARE(messageBoxAnswer(*three, nullptr), int(vbCancel));

        QtPlatform platform;
        for (auto [flags, press, answer] : {std::tuple{vbYesNo | vbQuestion, "Non", vbNo},
                                            {vbYesNoCancel | vbMsgBoxSetForeground, "Oui", vbYes},
                                            {vbOKCancel, "Annuler", vbCancel}}) {
            pressWhenShown(press);
            QCOMPARE(platform.messageBox("Voulez-vous imprimer ?", flags, "Ondivel"), int(answer));
        }
    }

    // Above zoom 1 a message box's text and icon, and the help window's text, icons and size, are
    // that much larger; below, they keep the system's size. The open help window follows a change
    // at once.
    void messageBoxesAndTheHelpWindowFollowTheZoom() {
        QtPlatform platform;
        const std::string helpFile = platform.programFolder() + "/ondivel.chm";
        platform.showHelp(helpFile, 3300);
        HelpViewer* viewer = platform.helpViewer();
        QVERIFY(viewer);
        const double pageText = viewer->browser()->font().pointSizeF();
        const int icon = viewer->findChild<QToolButton*>("back")->iconSize().width();
        const QSize screen = viewer->screen()->availableGeometry().size();
        double iconAtOne = 0;
        for (double zoom : {1.0, 0.75, 1.25}) {
            platform.setDialogZoom(zoom);
            const double scale = std::max(1.0, zoom);
            QCOMPARE(viewer->browser()->font().pointSizeF(), pageText * scale);
            QCOMPARE(viewer->findChild<QToolButton*>("back")->iconSize().width(), qRound(icon * scale));
            QCOMPARE(viewer->size(), (QSizeF(HelpViewer::designSize()) * scale).toSize().boundedTo(screen));

            double text = 0, iconSide = 0;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                text = box->font().pointSizeF() / QApplication::font(box).pointSizeF();
                iconSide = box->findChild<QLabel*>("qt_msgboxex_icon_label")
                               ->pixmap()
                               .deviceIndependentSize()
                               .width();
                box->buttons().front()->click();
            });
            platform.messageBox("Le mot de passe saisi est faux.", vbExclamation, "Ondivel - Mot de passe");
            if (zoom == 1) iconAtOne = iconSide;
            QCOMPARE(text, scale);
            QVERIFY(iconAtOne > 0);
            QCOMPARE(iconSide, std::round(iconAtOne * scale));
        }
        // A help window opened at a zoom starts at it.
        platform.setDialogZoom(1.25);
        platform.closeWindow(kTitle);
        platform.showHelp(helpFile, 3300);
        QCOMPARE(platform.helpViewer()->browser()->font().pointSizeF(), pageText * 1.25);
    }

    void tooltipsWrapWhenLongAndAllGoWhenSwitchedOff() {
        QCOMPARE(ToolTipFilter::wrapped("Court", 200, 40), QString("Court"));
        const QString wrapped =
            ToolTipFilter::wrapped("Une phrase <longue> & large\nsur deux lignes", 200, 420);
        QVERIFY(wrapped.startsWith("<table width=\"200\">"));
        QVERIFY(wrapped.contains("&lt;longue&gt; &amp; large<br>sur deux lignes"));
        // A tip already written in rich text is the author's layout.
        QCOMPARE(ToolTipFilter::wrapped("<b>Gras</b>", 200, 900), QString("<b>Gras</b>"));

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

    void tooltipsKeepClearOfWhatShowsBesideThePointer() {
        // A tip 200 x 40 on a display 1000 x 800, beside a read-out 80 x 40 near the pointer.
        struct Case {
            const char* name;
            QRect keepOut;
            QPoint pointer;
            QRect display;
            QPoint expected;
        };
        const QRect display(0, 0, 1000, 800);
        // clang-format off
        const Case cases[] = {
            {"read-out right and below: tip on the left", {515, 410, 80, 40}, {500, 400}, display, {294, 406}},
            {"read-out flipped left at the right edge: tip on its left, the right is off the display",
                                                          {870, 410, 80, 40}, {950, 400}, display, {664, 406}},
            {"pointer at the left edge: tip right of the read-out", {35, 410, 80, 40}, {20, 400}, display, {121, 406}},
            {"bottom left corner: tip slides up, still right of it", {35, 740, 80, 40}, {20, 790}, display, {121, 760}},
            {"no room on either side: tip above", {165, 410, 80, 40}, {150, 400}, {0, 0, 300, 800}, {50, 354}},
            {"nor above: tip below", {165, 10, 80, 40}, {150, 5}, {0, 0, 300, 800}, {50, 56}},
        };
        // clang-format on
        for (const Case& c : cases)
            QVERIFY2(ToolTipFilter::clearOf(c.keepOut, c.pointer, QSize(200, 40), c.display) == c.expected,
                     c.name);
    }

    void fileFiltersBecomeQtNameFilters() {
        QCOMPARE(qtNameFilters("Fichier configuration (*.ini)|*.ini"),
                 QString("Fichier configuration (*.ini)"));
        QCOMPARE(qtNameFilters("Fichiers Ondivel|*.ond|Tous les fichiers (*.*)|*.*"),
                 QString("Fichiers Ondivel (*.ond);;Tous les fichiers (*)"));
        QCOMPARE(qtNameFilters("Textes|*.txt;*.csv"), QString("Textes (*.txt *.csv)"));
        QCOMPARE(qtNameFilters(""), QString());
    }

    void colourDialogOffersGreysAndKeepsTheColourOrder() {
        QtPlatform platform;
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget()))
                dialog->accept();
        });
        // Red 10, green 20, blue 30 is 0x1E140A in the program's colours.
        QCOMPARE(platform.colorDialog(0x1E140A).value_or(0), Color(0x1E140A));
        QCOMPARE(QColorDialog::customColor(1), QColor(15, 15, 15));
        QCOMPARE(QColorDialog::customColor(15), QColor(225, 225, 225));
    }

    void userStoreRoundTripKeepsSectionsApart() {
        QtPlatform platform;
        QCOMPARE(platform.userSetting("Ondivel", "Mot de passe", "absent"), std::string("absent"));
        platform.setUserSetting("Ondivel", "Mot de passe", "élève=1;2");
        platform.setUserSetting("Autre", "Mot de passe", "x");
        QtPlatform later; // another run of the program
        QCOMPARE(later.userSetting("Ondivel", "Mot de passe", ""), std::string("élève=1;2"));
        QCOMPARE(later.userSetting("Autre", "Mot de passe", ""), std::string("x"));
        platform.setUserSetting("Ondivel", "Mot de passe", "");
        QCOMPARE(later.userSetting("Ondivel", "Mot de passe", "absent"), std::string(""));
        QVERIFY(!QDir(tmp_.filePath("settings")).isEmpty());
    }

    void clockCountsNanosecondsForwardAndRandomSpreads() {
        QtPlatform platform;
        const std::int64_t start = platform.counterValue();
        QThread::msleep(30);
        const std::int64_t elapsed = platform.counterValue() - start;
        QVERIFY2(elapsed >= 30'000'000 && elapsed < 2'000'000'000, qPrintable(QString::number(elapsed)));
        for (std::int64_t i = 0, previous = 0, now = 0; i < 1000; ++i, previous = now)
            QVERIFY((now = platform.counterValue()) >= previous);
        const double wall = platform.wallClockSeconds();
        QVERIFY(wall >= 0 && wall < 86400);
        double low = 1, high = 0;
        for (int i = 0; i < 200; ++i) {
            const double r = platform.random();
            QVERIFY(r >= 0 && r < 1);
            low = std::min(low, r), high = std::max(high, r);
        }
        QVERIFY(high - low > 0.5);
    }

    void launchedProgramsAreFoundAndClosedByTitle() {
        Launcher launcher({"no-such-calculator-here", "sleep 30"});
        QVERIFY(launcher.calculatorAvailable());
        QVERIFY(!launcher.windowExists("Calculatrice"));
        QVERIFY(launcher.launch("Calc.exe"));
        QVERIFY(launcher.windowExists("Calculatrice"));
        launcher.closeWindow("Calculatrice");
        QTRY_VERIFY(!launcher.windowExists("Calculatrice"));
        // A program that ended by itself no longer has a window.
        Launcher brief({"sleep 0.05"});
        QVERIFY(brief.launch("Calc.exe"));
        QTRY_VERIFY_WITH_TIMEOUT(!brief.windowExists("Calculatrice"), 3000);

        Launcher none({"no-such-calculator-here"}, {"no-such-editor-here"});
        QVERIFY(!none.calculatorAvailable());
        for (const QString& command : {QString("Calc.exe"), QString("no-such-program-here --flag"),
                                       "NotePad.exe " + tmp_.filePath("absent.txt"), QString("   ")})
            QVERIFY2(!none.launch(command), qPrintable(command));
        QVERIFY(!none.windowExists("Calculatrice"));
    }

    // Results and tips files sit where pupils write. Replaced by a script, a link or a name made
    // of shell words, the file still only reaches a text editor, as one argument.
    void aTextFileOnlyEverReachesTheEditorAsOneArgument() {
        const QString dir = tmp_.filePath("editor");
        QVERIFY(QDir().mkpath(dir));
        qputenv("XDG_CONFIG_HOME", (dir + "/config").toUtf8());
        qputenv("XDG_DATA_HOME", (dir + "/data").toUtf8());
        qputenv("XDG_CONFIG_DIRS", (dir + "/none").toUtf8());
        qputenv("XDG_DATA_DIRS", (dir + "/none").toUtf8());
        const QString seen = dir + "/arguments", ran = dir + "/ran";
        const QString editor = dir + "/fake-editor";
        writeExecutable(editor,
                        "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + seen + "'\n");
        const QString results = dir + "/Resultat $(touch ran); x.txt";
        writeExecutable(results, "#!/bin/sh\ntouch '" + ran + "'\n");

        Launcher launcher({}, {"no-such-editor-here", editor});
        QVERIFY(launcher.launch(results));
        QTRY_COMPARE(readText(seen), results + "\n");
        QVERIFY(launcher.launch("NotePad.exe " + results));
        QVERIFY(!QFile::exists(ran));
        QVERIFY(!QFile::exists(dir + "/ran"));

        // The desktop's default for text/plain comes first, its Exec line read as the rules say.
        QFile::remove(seen);
        QVERIFY(QDir().mkpath(dir + "/data/applications"));
        writeText(dir + "/data/applications/fake.desktop",
                  "[Desktop Entry]\nType=Application\nName=Fake\nExec=\"" + editor + "\" --new %F\n");
        QVERIFY(QDir().mkpath(dir + "/config"));
        writeText(dir + "/config/mimeapps.list",
                  "[Default Applications]\ntext/plain=missing.desktop;fake.desktop;\n");
        Launcher preferred({}, {"no-such-editor-here"});
        QVERIFY(preferred.openTextFile(results));
        QTRY_COMPARE(readText(seen), "--new\n" + results + "\n");

        // A link, a folder or a pipe is not opened at all.
        const QString link = dir + "/lien.txt";
        QVERIFY(QFile::link(results, link));
        QVERIFY(!preferred.openTextFile(link));
        QVERIFY(!preferred.openTextFile(dir));
        QVERIFY(!preferred.launch("file://" + results));
        for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS"})
            qunsetenv(name);
    }

    // A program folder on the school's file server turns network mode on: by its name, or by the
    // file system under it.
    void aProgramFolderOnAServerIsANetworkFolder() {
        qputenv("ONDIVEL_PROGRAM_DIR", "//serveur/ecole/ondivel/");
        QtPlatform platform;
        QCOMPARE(platform.programFolder(), std::string("//serveur/ecole/ondivel"));
        QCOMPARE(platform.networkNameOf(platform.programFolder()), std::string("//serveur/ecole/ondivel"));
        QCOMPARE(networkNameOfFolder("\\\\serveur\\ecole"), QString("\\\\serveur\\ecole"));
        QCOMPARE(networkNameOfFolder(tmp_.path()), QString());
        QCOMPARE(networkNameOfFolder(tmp_.filePath("absent")), QString());
        for (long long type : {0x6969LL, 0x517BLL, 0xFF534D42LL, 0xFE534D42LL})
            QVERIFY(isNetworkFileSystemType(type));
        for (long long type : {0xEF53LL, 0x01021994LL, 0x58465342LL, 0x65735546LL}) // ext4, tmpfs, xfs, fuse
            QVERIFY(!isNetworkFileSystemType(type));
        qunsetenv("ONDIVEL_PROGRAM_DIR");
    }

    void desktopExecLinesBecomeArguments() {
        const QString file = "/tmp/a b/Resultat.txt";
        const QList<std::pair<QString, QStringList>> cases{
            {"gedit %U", {"gedit", "file:///tmp/a%20b/Resultat.txt"}},
            {"kate -b %F", {"kate", "-b", file}},
            {"\"/opt/my editor/ed\" --x=%%1 %f %i %c", {"/opt/my editor/ed", "--x=%1", file}},
            {"mousepad", {"mousepad", file}},
            {"sh -c \"echo \\\\$HOME\" %f", {"sh", "-c", "echo $HOME", file}},
            {"ed \"unclosed %f", {}},
            {"", {}},
        };
        for (const auto& [exec, expected] : cases)
            QCOMPARE(commandForDesktopExec(exec, file), expected);
    }

    void soundNeverBlocksAndAMissingOneIsSimplyNotHeard() {
        QtPlatform platform;
        const std::string click = (sourceResourcesFolder() + "/Button Click.wav").toStdString();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 5; ++i)
            QVERIFY(platform.playSound(click)); // each one cuts the previous
        QVERIFY2(timer.elapsed() < 500, "playing a click must not wait for it to end");

        // Installed without its click sound: nothing is heard and nothing is asked.
        qputenv("ONDIVEL_PROGRAM_DIR", tmp_.filePath("empty").toUtf8());
        Ondivel app(platform);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!PlayClick(app, ClickSoundPath(app)));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void downloadWritesTheFileOrFailsSilently() {
        QtPlatform platform;
        QFile remote(tmp_.filePath("version.txt"));
        QVERIFY(remote.open(QIODevice::WriteOnly));
        remote.write("Version=4.10\r\n");
        remote.close();
        const QString copy = tmp_.filePath("partage/Delete_Me.txt");
        QVERIFY(platform.download(QUrl::fromLocalFile(remote.fileName()).toString().toStdString(),
                                  copy.toStdString()));
        QFile got(copy);
        QVERIFY(got.open(QIODevice::ReadOnly));
        QCOMPARE(got.readAll(), QByteArray("Version=4.10\r\n"));
        const QString none = tmp_.filePath("none.txt");
        QVERIFY(!platform.download("http://127.0.0.1:1/version.txt", none.toStdString()));
        QVERIFY(!QFile::exists(none));
    }

    void showModalReturnsWhenTheFormCloses() {
        FakePlatform fake(tmp_.filePath("fake").toStdString());
        Ondivel app(fake);
        Form form(app, "frmEssai");
        QtPlatform platform;
        form.Show();
        QTimer::singleShot(30, [&] { form.Hide(); });
        platform.showModal(form);
        QVERIFY(!form.Visible);
        form.Show();
        QTimer::singleShot(30, [&] { form.Unload(); });
        platform.showModal(form);
        QVERIFY(!form.loaded());
        Form* ran = nullptr;
        platform.setModalRunner([&](Form& f) { ran = &f; });
        form.Show();
        platform.showModal(form);
        QCOMPARE(ran, &form);
    }

    void f1OpensThePageOfThePanelInOneWindow() {
        // A topic without a page falls back to the contents.
        for (auto [topic, page] : {std::pair{3300, "3300.html"},
                                   {4242, "contents.html"},
                                   {0, "contents.html"},
                                   {kHelpIndexTopic, "index.html"}})
            QCOMPARE(QFileInfo(HelpViewer::pageForTopic(pagesFolder(), topic)).fileName(), QString(page));

        QtPlatform platform;
        const std::string helpFile = platform.programFolder() + "/ondivel.chm";
        QVERIFY(!platform.windowExists(kTitle));
        platform.showHelp(helpFile, 3300);
        HelpViewer* viewer = platform.helpViewer();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QString(kTitle));
        QCOMPARE(shownPage(*viewer), QString("3300.html"));
        QCOMPARE(viewer->browser()->documentTitle(), QString("L'oscilloscope bicourbe"));
        QVERIFY(viewer->browser()->toPlainText().contains("VOLT / DIV"));
        platform.showHelp(helpFile, 3200);
        QCOMPARE(platform.helpViewer(), viewer); // one window, reused
        QCOMPARE(viewer->browser()->documentTitle(), QString("Le générateur de fonctions (GBF)"));
        QVERIFY(platform.windowExists(kTitle));
        platform.closeWindow(kTitle);
        QVERIFY(!platform.windowExists(kTitle) && !platform.helpViewer());
    }

    void buttonsWalkTheHistory() {
        HelpViewer viewer(pagesFolder());
        viewer.showContents();
        QVERIFY(!viewer.findChild<QToolButton*>("back")->isEnabled());
        viewer.browser()->setSource(
            viewer.currentPage().resolved(QUrl("3400.html"))); // a link of the contents
        for (auto [button, page] : {std::pair{"back", "contents.html"},
                                    {"forward", "3400.html"},
                                    {"index", "index.html"},
                                    {"contents", "contents.html"},
                                    {"back", "index.html"}}) {
            auto* b = viewer.findChild<QToolButton*>(button);
            QVERIFY(b && b->isEnabled());
            b->click();
            QCOMPARE(shownPage(viewer), QString(page));
        }
    }

    // That links lead to pages is checked with the rest of the shipped help.
    void everyPageHasATitleAndIsUtf8() {
        const QDir dir(pagesFolder());
        for (const QString& page : dir.entryList({"*.html"})) {
            QFile file(dir.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QTextDocument document;
            document.setHtml(html);
            QVERIFY2(!document.metaInformation(QTextDocument::DocumentTitle).isEmpty(), qPrintable(page));
            QVERIFY2(!html.contains(QChar::ReplacementCharacter), qPrintable(page + " is not UTF-8"));
        }
    }

    void missingPagesAreNamedInTheWindowUntilTheyAreBack() {
        QTemporaryDir empty;
        qputenv("ONDIVEL_PROGRAM_DIR", empty.path().toUtf8());
        QtPlatform platform;
        const std::string helpFile = platform.programFolder() + "/ondivel.chm";
        platform.showHelp(helpFile, 3300);
        HelpViewer* viewer = platform.helpViewer();
        QVERIFY(viewer && viewer->isVisible());
        const QString contents = QDir(empty.filePath("help")).filePath("contents.html");
        QCOMPARE(viewer->browser()->toPlainText(),
                 "Aide introuvable\nLe fichier suivant est introuvable :\n" +
                     QDir::toNativeSeparators(contents) + "\nVeuillez réinstaller Ondivel.");
        // The window's own buttons lead to the same notice, never to an empty page.
        viewer->findChild<QToolButton*>("index")->click();
        QVERIFY(viewer->browser()->toPlainText().contains("index.html"));
        QVERIFY(!QApplication::activeModalWidget());

        // Pages put back while the program runs show at the next request.
        QVERIFY(QDir(empty.path()).mkpath("help"));
        QFile page(contents);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><title>Sommaire</title></head><body><p>Bienvenue</p></body></html>");
        page.close();
        platform.showHelp(helpFile, 3300);
        QCOMPARE(viewer->browser()->documentTitle(), QString("Sommaire"));
        platform.closeWindow(kTitle);
    }
};

QTEST_MAIN(PlatformTest)
#include "platform_test.moc"
