#pragma once
// The program's help window: French HTML pages of one folder, one page per topic number
// ("3300.html"), a table of contents and an alphabetical index, with back, forward, contents
// and index buttons. QtPlatform opens it for F1 and for the help menu.
#include <QSize>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "core/help_topics.h"

class QTextBrowser;
class QToolButton;

namespace ondivel {

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(const QString& pagesFolder, QWidget* parent = nullptr);

    static const QString& windowTitleText();
    // The page of a topic in the folder; the contents page when the topic has none.
    static QString pageForTopic(const QString& pagesFolder, int topic);
    // What the window shows in place of a page that is not there.
    static QString missingPageText(const QString& page);

    // The texts, the buttons' icons and the window at the zoom of the panels, as the program's
    // modal windows follow it; a size the user gave the window is kept in proportion.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }
    // The window's size at zoom 1.
    static QSize designSize() { return {760, 640}; }

    // Shows the window at the topic's page and brings it to the front.
    void showTopic(int topic);
    void showContents();
    void showIndex();

    QString pagesFolder() const { return folder_; }
    QUrl currentPage() const;
    QTextBrowser* browser() const { return browser_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void open(const QString& page);
    void updateButtons();

    QString folder_;
    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
    double zoom_ = 1;
    QSizeF unzoomed_ = designSize();
    // The size setZoom gave the window last, told apart from the user's.
    QSize sizeSet_;
};

} // namespace ondivel
