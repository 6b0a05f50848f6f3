#pragma once
// The title bars of the panels' sub-windows: they grow with the zoom of the panels (never below
// the system's size, see chrome_zoom.h), and a title wider than its bar is set condensed, then on
// two lines in a taller bar, before it would lose letters: the toolbox, narrow by design, keeps
// "Boîte à outils" whole. Only the title bar changes; the style draws everything else as the
// application's does. The sub-windows' keeper gives it to each sub-window (a widget's style
// does not pass to its children, so the panels inside keep the application's).
#include <QFont>
#include <QProxyStyle>
#include <QStringList>

class QMdiSubWindow;

namespace ondivel {

class TitleBarStyle : public QProxyStyle {
  public:
    TitleBarStyle();

    // The zoom of the panels; the title bars follow it on their next layout.
    void setZoom(double zoom) { zoom_ = zoom; }
    double zoom() const { return zoom_; }

    // What a sub-window's title bar will take at a zoom and a window width, to arrange the panels
    // before the zoom is applied: its height, and the least width of the window it needs (its
    // buttons and a stub of title).
    int titleBarHeightAt(const QMdiSubWindow& window, double zoom, int width) const;
    int leastWidthAt(const QMdiSubWindow& window, double zoom) const;

    // A title set within `width` pixels: in `base` when it fits, else condensed, else on two
    // lines cut at a blank, condensed and smaller down to 75 %; past that on one line at 75 %,
    // which the bar then cuts.
    struct Title {
        QFont font;
        QStringList lines;
    };
    static Title fittedTitle(const QFont& base, const QString& title, int width);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                         const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

  private:
    // The title bar's height for one line of title, and what a second line adds to it.
    int oneLineHeight(const QMdiSubWindow& window, double zoom) const;
    int secondLineHeight(const QMdiSubWindow& window, double zoom, int width) const;

    double zoom_ = 1.0;
};

} // namespace ondivel
