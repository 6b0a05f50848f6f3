#pragma once
// The program's tooltips: switched off as a whole by the "ShowToolTip" setting, and, when on,
// wrapped onto several lines past a width instead of one long strip across the screen.
#include <QObject>
#include <QRect>
#include <QString>

namespace ondivel {

// A widget that shows something of its own beside the pointer (the screen's cursor read-out)
// says where, so that its tooltip goes clear of it instead of over it.
class ToolTipKeepOut {
  public:
    // In the widget's coordinates; empty while nothing shows.
    virtual QRect toolTipKeepOut() const = 0;

  protected:
    ~ToolTipKeepOut() = default;
};

class ToolTipFilter : public QObject {
    Q_OBJECT
  public:
    explicit ToolTipFilter(QObject* parent = nullptr) : QObject(parent) {}

    void configure(bool enabled, int widthPixels);
    bool enabled() const { return enabled_; }

    // The text as shown: plain tips wider than the width become rich text of that width, so
    // that they wrap; line breaks are kept.
    static QString wrapped(const QString& tip, int widthPixels, int textWidth);
    // Where a tip of that size goes, all in global coordinates: beside the pointer on the side
    // away from the keep-out rectangle, else above or below it, inside the display.
    static QPoint clearOf(const QRect& keepOut, const QPoint& pointer, const QSize& tip,
                          const QRect& display);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool enabled_ = true;
    int width_ = 200;
};

} // namespace ondivel
