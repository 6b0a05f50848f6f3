#pragma once
// The measurement cursors' read-out (frmCurseurs): four push buttons choosing the cursor the
// arrows move, then the times and the voltages of each channel shown, one line each. The cursors
// themselves are drawn by the model on the oscilloscope screen and dragged there.
#include <vector>

#include "ui/views/panel_view.h"

namespace ondivel {

class FrmCurseurs;
class ModelLabel;

class CursorsView : public PanelView {
    Q_OBJECT
  public:
    explicit CursorsView(FrmCurseurs& cursors, QWidget* parent = nullptr);

    void syncFromModel() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    FrmCurseurs& cursors_;
    std::vector<ModelLabel*> labels_;
};

} // namespace ondivel
