#pragma once
// The main window of the desktop program: a QMainWindow whose menu bar is built from
// MDIOndivel's menu tree and whose MDI area holds the panels. Title, background and menu states
// follow the model, and so does the status bar that says why a trace is flat; a menu choice or
// closing the window goes to the model. Built by the view manager.
#include <QMainWindow>
#include <map>

class QLabel;
class QMdiArea;
class QMenuBar;

namespace ondivel {

class Control;
class MDIOndivel;

class MainWindowView : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindowView(MDIOndivel& model, QWidget* parent = nullptr);

    void syncFromModel();
    QMdiArea* mdiArea() const { return area_; }
    // The action standing for a menu item of the model (top-level menus and submenus included).
    QAction* actionOf(const Control& item) const;
    // The menu bar and its menus at the zoom of the panels (chrome_zoom.h).
    void setChromeZoom(double zoom);
    // How much taller the menu bar will be at that zoom than it is now, measured without changing
    // it: the work area left to the panels depends on it.
    int menuBarGrowthAt(double zoom) const;

  signals:
    // After every user action, so the manager re-syncs the views.
    void modelTouched();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();

    MDIOndivel& model_;
    QMdiArea* area_;
    QLabel* status_;
    QLabel* montage_; // the set-up's title and instruction
    // A hidden menu bar with the same titles, measured at other sizes.
    QMenuBar* probe_;
    double chromeScale_ = 1.0;
    std::map<const Control*, QAction*> actions_;
};

} // namespace ondivel
