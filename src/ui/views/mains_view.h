#pragma once
// The panel of a mains socket (frmEDFA or frmEDFB): the world frame with its three regions, a wall
// socket plate with the "Neutre", "Terre" and "Phase" terminals and their plugs, and the blinking
// lightning logo. The pointer turns into a hand over the terminals, as the model says.
#include <cstdint>
#include <vector>

#include "ui/views/form_view.h"
#include "ui/widgets/panel_layout.h"

namespace ondivel {

class BoundWidget;
class FrmEDF;
class ModelButton;
class TerminalWidget;

class MainsView : public FormView {
    Q_OBJECT
  public:
    explicit MainsView(FrmEDF& edf, QWidget* parent = nullptr);

    void syncFromModel() override;
    QSize designSize() const override;

    ModelButton* worldButton(int index) const { return world_[static_cast<std::size_t>(index)]; }
    TerminalWidget* terminal(int index) const { return terminals_[static_cast<std::size_t>(index)]; }
    QWidget* logo() const { return logo_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    template <class W> W* add(W* widget, QRectF designRect);

    FrmEDF& edf_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
    PanelLayout layout_;
    std::vector<BoundWidget*> bound_;
    std::vector<ModelButton*> world_;
    std::vector<TerminalWidget*> terminals_;
    QWidget* logo_ = nullptr;
};

} // namespace ondivel
