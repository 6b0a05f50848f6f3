#pragma once
// The toolbox window (frmToolBox): two frames in the channels' trace colours with nine picture
// buttons each (no source, generator, supply, three batteries, mains, alternator, harmonics),
// then the meter, stopwatch and calculator boxes. Everything sits where the model places it.
#include <cstdint>
#include <vector>

#include "ui/views/form_view.h"
#include "ui/widgets/panel_layout.h"

namespace ondivel {

class BoundWidget;
class FrmToolBox;
class ModelButton;

class ToolboxView : public FormView {
    Q_OBJECT
  public:
    explicit ToolboxView(FrmToolBox& toolbox, QWidget* parent = nullptr);

    void syncFromModel() override;
    QSize designSize() const override;

    ModelButton* connectionButton(int index) const { return connections_[static_cast<std::size_t>(index)]; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    FrmToolBox& toolbox_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
    PanelLayout layout_;
    std::vector<BoundWidget*> bound_;
    std::vector<ModelButton*> connections_;
};

} // namespace ondivel
