#include "ui/platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTime>
#include <QTimer>
#include <QTranslator>

#include "core/form.h"
#include "files/durable_append.h"
#include "ui/help/help_viewer.h"
#include "ui/platform/admin_password_file.h"
#include "ui/platform/date_text.h"
#include "ui/platform/dialog_texts.h"
#include "ui/platform/export_encoding.h"
#include "ui/platform/folders.h"
#include "ui/platform/launcher.h"
#include "ui/platform/network_folder.h"
#include "ui/platform/sound_player.h"
#include "ui/platform/system_info.h"
#include "ui/platform/tooltip_filter.h"
#include "ui/surface/painter_surface.h"
#include "ui/surface/qt_surface.h"
#include "ui/views/chrome_zoom.h"

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace ondivel {

namespace {

constexpr int kDownloadTimeoutMs = 5000;
constexpr int kModalPollMs = 40;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string s(const QString& q) {
    return q.toStdString();
}

// Qt's own texts of standard dialogs in French ("Oui", "Annuler", "Ouvrir" …), once per run.
void installFrenchTranslations() {
    static bool installed = false;
    if (installed || !QCoreApplication::instance()) return;
    installed = true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

QString startFolder(const FileDialogRequest& request) {
    QDir folder(q(request.initialFolder));
    return request.fileName.empty() ? folder.path() : folder.filePath(q(request.fileName));
}

} // namespace

struct QtPlatform::Impl {
    std::function<void(Form&)> modalRunner;
    QElapsedTimer counter;
    SoundPlayer sound;
    Launcher launcher;
    std::unique_ptr<HelpViewer> help;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<ToolTipFilter> toolTips;
    double zoom = 1;
};

QtPlatform::QtPlatform() : d_(std::make_unique<Impl>()) {
    d_->counter.start();
    installFrenchTranslations();
}

QtPlatform::~QtPlatform() = default;

void QtPlatform::setModalRunner(std::function<void(Form&)> runner) {
    d_->modalRunner = std::move(runner);
}

void QtPlatform::setDialogZoom(double zoom) {
    // Below 1 they keep the system's size, as the menus do: a smaller zoom makes room for the
    // panels on a small screen, and a message or a help page gains nothing by smaller words.
    d_->zoom = ChromeScale(zoom);
    if (d_->help) d_->help->setZoom(d_->zoom);
}

int QtPlatform::messageBox(const std::string& text, int flags, const std::string& title) {
    auto box = buildMessageBox(q(text), flags, q(title), d_->zoom);
    if (QWidget* parent = dialogParent()) box->setParent(parent, box->windowFlags() | Qt::Dialog);
    if (flags & vbMsgBoxSetForeground) {
        box->show();
        box->raise();
        box->activateWindow();
    }
    box->exec();
    return messageBoxAnswer(*box, box->clickedButton());
}

std::optional<std::string> QtPlatform::openFileDialog(const FileDialogRequest& request) {
    const QString file = QFileDialog::getOpenFileName(dialogParent(), q(request.title), startFolder(request),
                                                      qtNameFilters(q(request.filter)));
    if (file.isEmpty()) return std::nullopt;
    return s(QDir::toNativeSeparators(file));
}

std::optional<std::string> QtPlatform::saveFileDialog(const FileDialogRequest& request) {
    const QString file = QFileDialog::getSaveFileName(dialogParent(), q(request.title), startFolder(request),
                                                      qtNameFilters(q(request.filter)));
    if (file.isEmpty()) return std::nullopt;
    return s(QDir::toNativeSeparators(file));
}

std::optional<std::string> QtPlatform::folderDialog(const std::string& title) {
    const QString folder = QFileDialog::getExistingDirectory(dialogParent(), q(title));
    if (folder.isEmpty()) return std::nullopt;
    return s(QDir::toNativeSeparators(folder));
}

std::optional<Color> QtPlatform::colorDialog(Color initial) {
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, customGrey(i));
    const QColor chosen = QColorDialog::getColor(QColor(redOf(initial), greenOf(initial), blueOf(initial)),
                                                 dialogParent(), QStringLiteral("Couleurs"));
    if (!chosen.isValid()) return std::nullopt;
    return RGB(chosen.red(), chosen.green(), chosen.blue());
}

bool QtPlatform::printSetupDialog() {
    QPageSetupDialog dialog(&printer(), dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void QtPlatform::showModal(Form& form) {
    if (d_->modalRunner) {
        d_->modalRunner(form);
        return;
    }
    // No view manager: wait in a nested loop until the model closes itself.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!form.loaded() || !form.Visible) loop.quit();
    });
    poll.start(kModalPollMs);
    if (form.loaded() && form.Visible) loop.exec();
}

void QtPlatform::processEvents() {
    QCoreApplication::processEvents();
}

std::int64_t QtPlatform::counterValue() {
    return d_->counter.nsecsElapsed();
}

std::int64_t QtPlatform::counterFrequency() {
    return 1'000'000'000;
}

double QtPlatform::wallClockSeconds() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

LocalDateTime QtPlatform::localDateTime() {
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(),  now.date().day(),
            now.time().hour(), now.time().minute(), now.time().second()};
}

std::string QtPlatform::dateTimeText(const LocalDateTime& t) {
    return systemDateTimeText(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second)).toStdString();
}

double QtPlatform::random() {
    return QRandomGenerator::global()->generateDouble();
}

bool QtPlatform::playSound(const std::string& waveFile) {
    return d_->sound.play(q(waveFile));
}

void QtPlatform::beep() {
    QApplication::beep();
}

bool QtPlatform::launch(const std::string& programOrFileOrUrl) {
    return d_->launcher.launch(q(programOrFileOrUrl));
}

bool QtPlatform::openTextFile(const std::string& path) {
    return d_->launcher.openTextFile(q(path));
}

void QtPlatform::showHelp(const std::string& helpFile, int topic) {
    // The pages live in the "help" folder beside the file the program names.
    const QString pages = QFileInfo(q(helpFile)).dir().filePath(QStringLiteral("help"));
    if (!d_->help || d_->help->pagesFolder() != pages) {
        d_->help = std::make_unique<HelpViewer>(pages);
        d_->help->setZoom(d_->zoom);
    }
    d_->help->showTopic(topic);
}

void QtPlatform::configureToolTips(bool enabled, int widthPixels) {
    if (!d_->toolTips) {
        if (!QCoreApplication::instance()) return;
        d_->toolTips = std::make_unique<ToolTipFilter>();
        QCoreApplication::instance()->installEventFilter(d_->toolTips.get());
    }
    d_->toolTips->configure(enabled, widthPixels);
}

bool QtPlatform::showSystemInformation() {
    showSystemInformationDialog(q(programFolder()), dialogParent());
    return true;
}

bool QtPlatform::windowExists(const std::string& title) {
    if (q(title) == HelpViewer::windowTitleText()) return d_->help && d_->help->isVisible();
    return d_->launcher.windowExists(q(title));
}

bool QtPlatform::calculatorAvailable() {
    return d_->launcher.calculatorAvailable();
}

void QtPlatform::closeWindow(const std::string& title) {
    if (q(title) == HelpViewer::windowTitleText()) {
        d_->help.reset();
        return;
    }
    d_->launcher.closeWindow(q(title));
}

std::optional<std::string> QtPlatform::logonName() {
    QString name = qEnvironmentVariable("USER").trimmed();
    if (name.isEmpty()) name = qEnvironmentVariable("USERNAME").trimmed();
#ifndef _WIN32
    // A session started without a login (a service, some display managers) has no USER; the
    // account database still knows the name, and users must not share one settings file.
    if (name.isEmpty())
        if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_name)
            name = QString::fromLocal8Bit(account->pw_name).trimmed();
#endif
    if (name.isEmpty()) return std::nullopt;
    return s(name);
}

std::string QtPlatform::specialFolder(SpecialFolder folder) {
    if (folder == SpecialFolder::CommonAppData)
        return s(resolveSharedFolder(qEnvironmentVariable("ONDIVEL_APPDATA_DIR"),
                                     QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)));
    return s(resolveSharedFolder(qEnvironmentVariable("ONDIVEL_DOCUMENTS_DIR"),
                                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
}

std::string QtPlatform::programFolder() {
    const QString exeDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return s(
        resolveProgramFolder(qEnvironmentVariable("ONDIVEL_PROGRAM_DIR"), exeDir, sourceResourcesFolder()));
}

void QtPlatform::workArea(int& widthPixels, int& heightPixels) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    widthPixels = area.width();
    heightPixels = area.height();
}

std::string QtPlatform::userSetting(const std::string& section, const std::string& key,
                                    const std::string& def) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ondivel"),
                    QStringLiteral("Ondivel"));
    store.beginGroup(q(section));
    const QVariant value = store.value(q(key));
    return value.isValid() ? s(value.toString()) : def;
}

void QtPlatform::setUserSetting(const std::string& section, const std::string& key,
                                const std::string& value) {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Ondivel"),
                    QStringLiteral("Ondivel"));
    store.beginGroup(q(section));
    store.setValue(q(key), q(value));
    store.endGroup();
    store.sync();
}

std::optional<std::string> QtPlatform::systemPasswordHash() {
    return readAdminPasswordFile(adminPasswordFilePath());
}

bool QtPlatform::appendDurably(const std::string& path, const std::string& bytes) {
    return appendDurablyToFile(path, bytes);
}

bool QtPlatform::moveToTrash(const std::string& path) {
    QFile file(q(path));
    return file.moveToTrash();
}

std::string QtPlatform::networkNameOf(const std::string& folder) {
    return networkNameOfFolder(q(folder)).toStdString();
}

bool QtPlatform::download(const std::string& url, const std::string& destination) {
    QNetworkAccessManager network;
    QNetworkRequest request{QUrl(q(url))};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(kDownloadTimeoutMs);
    QNetworkReply* reply = network.get(request);
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(kDownloadTimeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool ok = reply->error() == QNetworkReply::NoError;
    const QByteArray body = ok ? reply->readAll() : QByteArray();
    reply->deleteLater();
    if (!ok) return false;

    const QString target = q(destination);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(body);
    return file.commit();
}

bool QtPlatform::printPage(const std::function<void(Surface&)>& drawPage) {
    QPrinter& p = printer();
    if (p.outputFormat() == QPrinter::NativeFormat && !p.isValid()) return false;
    p.setDocName(QStringLiteral("Ondivel"));
    QPainter painter;
    if (!painter.begin(&p)) return false;
    PainterSurface page(painter, QRectF(0, 0, painter.device()->width(), painter.device()->height()));
    drawPage(page);
    page.flush();
    return painter.end();
}

void QtPlatform::clearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardImage(const Surface& picture) {
    if (const QImage* image = surfaceImage(&picture)) QGuiApplication::clipboard()->setImage(*image);
}

std::unique_ptr<Surface> QtPlatform::createSurface(int widthPixels, int heightPixels) {
    return std::make_unique<QtSurface>(QSize(widthPixels, heightPixels));
}

std::unique_ptr<Surface> QtPlatform::createSharperSurface(const Surface& shown, int minWidthPixels) {
    return SharperQtSurface(shown, minWidthPixels);
}

std::string QtPlatform::pngBytes(const Surface& picture) {
    return PngBytesOf(picture);
}

std::string QtPlatform::pdfBytes(const std::function<void(Surface&)>& drawPage, const std::string& title) {
    return PdfBytesOf(drawPage, title);
}

std::string QtPlatform::pdfDocumentBytes(int pageCount, const std::function<void(Surface&, int)>& drawPage,
                                         const std::string& title, bool landscape) {
    return PdfDocumentBytesOf(pageCount, drawPage, title, landscape);
}

HelpViewer* QtPlatform::helpViewer() const {
    return d_->help.get();
}

QPrinter& QtPlatform::printer() {
    if (!d_->printer) d_->printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *d_->printer;
}

} // namespace ondivel
