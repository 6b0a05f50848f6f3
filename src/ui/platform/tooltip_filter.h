#pragma once
// The program's tooltips: switched off as a whole by the "ShowToolTip" setting, and, when on,
// wrapped onto several lines past a width instead of one long strip across the screen.
#include <QObject>
#include <QString>

namespace ondivel {

class ToolTipFilter : public QObject {
    Q_OBJECT
  public:
    explicit ToolTipFilter(QObject* parent = nullptr) : QObject(parent) {}

    void configure(bool enabled, int widthPixels);
    bool enabled() const { return enabled_; }

    // The text as shown: plain tips wider than the width become rich text of that width, so
    // that they wrap; line breaks are kept.
    static QString wrapped(const QString& tip, int widthPixels, int textWidth);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool enabled_ = true;
    int width_ = 200;
};

} // namespace ondivel
