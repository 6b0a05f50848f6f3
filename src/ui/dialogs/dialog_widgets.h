#pragma once
// The desktop widgets of a dialog view, one per control of the window model: each reads its
// control again in syncFromModel() and turns the user's gestures into the model's events, then
// calls `touched` so the view reads the whole window again.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "ui/widgets/bound_widget.h"

class QButtonGroup;

namespace ondivel {

class Control;

using Touched = std::function<void()>;

// Captions of the classic toolkit mark their access key with "&"; labels show it plainly.
QString captionWithoutAccessKey(const std::string& caption);
// Text boxes with a PasswordChar hide what is typed (the desktop's own echo character).
bool isPasswordBox(const Control& c);

class DialogButton : public QPushButton, public BoundWidget {
    Q_OBJECT
  public:
    DialogButton(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  private:
    Control& control_;
};

class DialogCheckBox : public QCheckBox, public BoundWidget {
    Q_OBJECT
  public:
    DialogCheckBox(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  private:
    Control& control_;
};

// An option button; the buttons of one frame and one model group share an exclusive group, so
// the arrow keys move the choice as on any desktop dialog.
class DialogOption : public QRadioButton, public BoundWidget {
    Q_OBJECT
  public:
    DialogOption(Control& c, QButtonGroup* group, Touched touched, QWidget* parent);
    void syncFromModel() override;

  private:
    Control& control_;
    QButtonGroup* group_;
};

class DialogLabel : public QLabel, public BoundWidget {
    Q_OBJECT
  public:
    DialogLabel(Control& c, QWidget* parent);
    void syncFromModel() override;

  private:
    Control& control_;
};

class DialogFrame : public QGroupBox, public BoundWidget {
    Q_OBJECT
  public:
    DialogFrame(Control& c, QWidget* parent);
    void syncFromModel() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& control_;
};

class DialogComboBox : public QComboBox, public BoundWidget {
    Q_OBJECT
  public:
    DialogComboBox(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  private:
    Control& control_;
};

// A list box: several lines may be selected (Ctrl and Shift with the mouse), the model's
// Selected follows the selection, ListIndex the current line, and each click raises Click.
class DialogListBox : public QListWidget, public BoundWidget {
    Q_OBJECT
  public:
    DialogListBox(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  protected:
    bool viewportEvent(QEvent* event) override;

  private:
    void selectionChangedByUser();
    void clickedOn(int row);

    Control& control_;
    Touched touched_;
    bool syncing_ = false;
    int selectionChanges_ = 0;
    int changesAtPress_ = 0;
};

// A text box: each typed character goes through the model's KeyPress first, which may refuse
// it (key 0) or change it; the text then goes to the model (Change). Entering the box raises
// GotFocus and selects its text; leaving it raises LostFocus.
class DialogTextBox : public QLineEdit, public BoundWidget {
    Q_OBJECT
  public:
    DialogTextBox(Control& c, Touched touched, QWidget* parent);
    void syncFromModel() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void pushText();

    Control& control_;
    Touched touched_;
};

// A picture of the window: the answer light of the evaluation (grey while waiting, green when
// every answer was right), or an empty well for any other picture.
class DialogPicture : public QWidget, public BoundWidget {
    Q_OBJECT
  public:
    DialogPicture(Control& c, QWidget* parent);
    void syncFromModel() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Control& control_;
    int shown_ = -1;
};

} // namespace ondivel
