#include "ui/help/help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

#include "bench/main/program_info.h"
#include "ui/views/chrome_zoom.h"

namespace ondivel {

namespace {

QToolButton* makeButton(QWidget* parent, const QString& text, QStyle::StandardPixmap icon,
                        const QString& tip) {
    auto* b = new QToolButton(parent);
    b->setText(text);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

} // namespace

HelpViewer::HelpViewer(const QString& pagesFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(pagesFolder) {
    setWindowTitle(windowTitleText());
    setObjectName(QStringLiteral("helpViewer"));
    sizeSet_ = designSize();
    if (const QScreen* s = screen()) sizeSet_ = sizeSet_.boundedTo(s->availableGeometry().size());
    resize(sizeSet_);

    back_ = makeButton(this, QStringLiteral("Précédent"), QStyle::SP_ArrowBack,
                       QStringLiteral("Page précédente (Alt+Gauche)"));
    forward_ = makeButton(this, QStringLiteral("Suivant"), QStyle::SP_ArrowForward,
                          QStringLiteral("Page suivante (Alt+Droite)"));
    auto* contents = makeButton(this, QStringLiteral("Sommaire"), QStyle::SP_DirHomeIcon,
                                QStringLiteral("Sommaire de l'aide"));
    auto* index = makeButton(this, QStringLiteral("Index"), QStyle::SP_FileDialogContentsView,
                             QStringLiteral("Index alphabétique"));
    back_->setObjectName(QStringLiteral("back"));
    forward_->setObjectName(QStringLiteral("forward"));
    contents->setObjectName(QStringLiteral("contents"));
    index->setObjectName(QStringLiteral("index"));
    back_->setShortcut(QKeySequence::Back);
    forward_->setShortcut(QKeySequence::Forward);

    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder_});
    QFont font = browser_->font();
    font.setPointSizeF(font.pointSizeF() * 1.15); // read from the back of a classroom
    browser_->setFont(font);
    browser_->document()->setDocumentMargin(16);
    browser_->document()->setDefaultStyleSheet(
        QStringLiteral("h1 { color: #1d4f7c; } h2 { color: #2a6496; } a { color: #1565c0; }"
                       "th { background-color: #e3ecf5; } td, th { padding: 4px; }"));

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 4, 6, 4);
    for (QToolButton* b : std::initializer_list<QToolButton*>{back_, forward_, contents, index})
        bar->addWidget(b);
    bar->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QToolButton::clicked, this, &HelpViewer::showContents);
    connect(index, &QToolButton::clicked, this, &HelpViewer::showIndex);
    connect(browser_, &QTextBrowser::backwardAvailable, this, &HelpViewer::updateButtons);
    connect(browser_, &QTextBrowser::forwardAvailable, this, &HelpViewer::updateButtons);
    updateButtons();
}

void HelpViewer::setZoom(double zoom) {
    if (zoom <= 0 || zoom == zoom_) return;
    zoom_ = zoom;
    ScaleTexts(*this, zoom);
    const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    for (QToolButton* b : findChildren<QToolButton*>())
        b->setIconSize(QSize(icon, icon) * zoom);
    // Never larger than the screen: a projector at 1.5 still shows the whole window.
    QSize wanted = (unzoomed_ * zoom).toSize();
    if (const QScreen* s = screen()) wanted = wanted.boundedTo(s->availableGeometry().size());
    sizeSet_ = wanted;
    resize(wanted);
}

void HelpViewer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The user's own size, kept for the next zoom as it would be at 1.
    if (size() != sizeSet_) unzoomed_ = QSizeF(size()) / zoom_;
}

const QString& HelpViewer::windowTitleText() {
    static const QString title = QString::fromUtf8(kHelpWindowTitle);
    return title;
}

QString HelpViewer::pageForTopic(const QString& pagesFolder, int topic) {
    const QDir dir(pagesFolder);
    if (topic == kHelpIndexTopic) return dir.filePath(QStringLiteral("index.html"));
    const QString page = dir.filePath(QStringLiteral("%1.html").arg(topic));
    if (topic != kHelpContentsTopic && QFileInfo(page).isFile()) return page;
    return dir.filePath(QStringLiteral("contents.html"));
}

void HelpViewer::showTopic(int topic) {
    open(pageForTopic(folder_, topic));
    show();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

void HelpViewer::showContents() {
    showTopic(kHelpContentsTopic);
}

void HelpViewer::showIndex() {
    showTopic(kHelpIndexTopic);
}

QUrl HelpViewer::currentPage() const {
    return browser_->source();
}

void HelpViewer::open(const QString& page) {
    const QFileInfo file(page);
    if (!file.isFile()) {
        // A copy of the program without its help pages: say which file is missing rather than
        // show an empty window.
        browser_->setHtml(missingPageText(file.absoluteFilePath()));
        return;
    }
    const QUrl url = QUrl::fromLocalFile(file.absoluteFilePath());
    if (browser_->source() != url) browser_->setSource(url);
}

QString HelpViewer::missingPageText(const QString& page) {
    return QStringLiteral("<h2>Aide introuvable</h2><p>Le fichier suivant est introuvable :<br>%1</p>"
                          "<p>Veuillez réinstaller Ondivel.</p>")
        .arg(QDir::toNativeSeparators(page).toHtmlEscaped());
}

void HelpViewer::updateButtons() {
    back_->setEnabled(browser_->isBackwardAvailable());
    forward_->setEnabled(browser_->isForwardAvailable());
}

} // namespace ondivel
