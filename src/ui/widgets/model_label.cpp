#include "ui/widgets/model_label.h"

#include "core/control.h"

namespace ondivel {

ModelLabel::ModelLabel(Control& label, QWidget* parent) : QLabel(parent), label_(label) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    syncFromModel();
}

void ModelLabel::syncFromModel() {
    syncCommon(*this, label_);
    const QString caption = modelText(label_.Caption);
    if (text() != caption) setText(caption);
}

} // namespace ondivel
