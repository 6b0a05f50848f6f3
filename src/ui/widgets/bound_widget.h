#pragma once
// The common face of the widgets bound to one control of a window model: the views keep a list of
// them and call syncFromModel() after every handler.
#include <QColor>
#include <QString>

#include "core/color.h"
#include "ui/surface/qt_drawing.h"

class QWidget;

namespace ondivel {

class Control;

class BoundWidget {
  public:
    virtual ~BoundWidget() = default;
    // Reads the control again (value, caption, colour, visibility, enabled state, tooltip).
    virtual void syncFromModel() = 0;
    // The control the widget stands for, whose words the accessibility layer reads; null for none.
    virtual const Control* boundControl() const { return nullptr; }
};

// Model texts may hold CR LF line breaks; Qt wants LF.
QString modelText(const std::string& text);

// Visibility, enabled state and tooltip, shared by every bound widget.
void syncCommon(QWidget& widget, const Control& control);

// A widget that takes the keyboard focus says which stop of its window's tab order it is
// ("frmGBFA.imgBorne(0)"); the view manager finds it by that path.
void markStop(QWidget& widget, const Control& control);
// The path a widget was marked with, empty for the others.
QString stopPathOf(const QWidget& widget);

} // namespace ondivel
