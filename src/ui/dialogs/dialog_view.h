#pragma once
// A window model drawn as a desktop dialog: each control at its design rectangle (frames as
// group boxes holding the controls inside them, option buttons, lists, text boxes, labels and
// push buttons), scaled with the program's zoom. Tab goes through the controls in their order,
// Enter presses the window's default button and Escape its cancel button, and the model's
// SetFocus moves the real focus. Used for the windows of the evaluated mode and the teacher tools.
#include <QSizeF>
#include <map>
#include <vector>

#include "ui/views/form_view.h"

class QButtonGroup;

namespace ondivel {

class BoundWidget;
class Control;

class DialogView : public FormView {
    Q_OBJECT
  public:
    explicit DialogView(Form& form, QWidget* parent = nullptr);

    void syncFromModel() override;
    QSize designSize() const override;
    // The widget drawing a control; null for controls a dialog does not draw.
    QWidget* widgetOf(const Control& c) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

  private:
    struct Item {
        Control* control;
        QWidget* widget;
        BoundWidget* bound;
        const Control* frame; // the frame it sits in, null for the window
        // The text and rectangle its font was last fitted to.
        QString fittedText;
        QRect fittedRect;
    };

    QWidget* makeWidget(Control& c, QWidget* parent);
    // The exclusive group of the option buttons of one frame (null: the window) and model group.
    QButtonGroup* optionGroup(const Control* frame, const std::string& group);
    void placeAll();
    // The control's design rectangle at the present scale, in its parent's coordinates.
    QRect placedRect(const Item& item) const;
    // Free design pixels below a label before the next control or its parent's edge.
    double roomBelow(const Item& item) const;
    void fitTexts(bool again);
    void followDesignSize();
    void applyFocusRequest();
    void retryFocusRequest();
    void touched();

    std::vector<Item> items_;
    std::map<const Control*, QWidget*> widgets_;
    std::map<std::pair<const Control*, std::string>, QButtonGroup*> optionGroups_;
    QSize shownDesign_;
    double scale_ = 1;
    int fontPixels_ = 12;
    const Control* shownDefault_ = nullptr;
    int focusRequestsSeen_ = 0;
    bool focusPending_ = false;
    bool syncing_ = false;
    bool resyncWanted_ = false;
};

} // namespace ondivel
