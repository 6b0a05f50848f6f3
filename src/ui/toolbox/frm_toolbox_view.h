#pragma once
// The toolbox window (frmToolBox): two frames in the channels' trace colours with nine picture
// buttons each (no source, generator, supply, three batteries, mains, alternator, harmonics),
// then the meter, stopwatch and calculator boxes. Everything sits where the model places it.
#include <vector>

#include "ui/views/panel_view.h"

namespace ondivel {

class FrmToolBox;
class ModelButton;

class ToolboxView : public PanelView {
    Q_OBJECT
  public:
    explicit ToolboxView(FrmToolBox& toolbox, QWidget* parent = nullptr);

    void syncFromModel() override;

    ModelButton* connectionButton(int index) const { return connections_[static_cast<std::size_t>(index)]; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FrmToolBox& toolbox_;
    std::vector<ModelButton*> connections_;
};

} // namespace ondivel
