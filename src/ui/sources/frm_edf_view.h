#pragma once
// The panel of a mains socket (frmEDFA or frmEDFB): the world frame with its three regions, a wall
// socket plate with the "Neutre", "Terre" and "Phase" terminals and their plugs, and the blinking
// lightning logo. The pointer turns into a hand over the terminals, as the model says.
#include <vector>

#include "ui/views/panel_view.h"

namespace ondivel {

class FrmEDF;
class ModelButton;
class TerminalWidget;

class MainsView : public PanelView {
    Q_OBJECT
  public:
    explicit MainsView(FrmEDF& edf, QWidget* parent = nullptr);

    void syncFromModel() override;

    ModelButton* worldButton(int index) const { return world_[static_cast<std::size_t>(index)]; }
    TerminalWidget* terminal(int index) const { return terminals_[static_cast<std::size_t>(index)]; }
    QWidget* logo() const { return logo_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    FrmEDF& edf_;
    std::vector<ModelButton*> world_;
    std::vector<TerminalWidget*> terminals_;
    QWidget* logo_ = nullptr;
};

} // namespace ondivel
