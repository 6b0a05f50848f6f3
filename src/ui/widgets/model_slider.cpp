#include "ui/widgets/model_slider.h"

#include <QPainter>
#include <QStyle>
#include <cmath>

#include "core/control.h"
#include "core/user_input.h"

namespace ondivel {

ModelSlider::ModelSlider(Control& slider, int tickInterval, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), slider_(slider) {
    if (tickInterval > 0) {
        setTickPosition(QSlider::TicksBelow);
        setTickInterval(tickInterval);
    }
    setAccessibleName(QString::fromStdString(slider.name()));
    markStop(*this, slider);
    // Programmatic syncs must not reach the model as if the user had moved the slider.
    connect(this, &QSlider::valueChanged, this, [this](int v) {
        if (syncing_ || v == static_cast<int>(std::lround(slider_.Value))) return;
        user::slide(slider_, v);
        syncFromModel();
    });
    syncFromModel();
}

void paintUnmarkedSlider(QSlider& slider, QStyleOptionSlider option) {
    QPainter p(&slider);
    option.state &= ~QStyle::State_HasFocus;
    option.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    if (slider.tickPosition() != QSlider::NoTicks) option.subControls |= QStyle::SC_SliderTickmarks;
    if (slider.isSliderDown()) {
        option.activeSubControls = QStyle::SC_SliderHandle;
        option.state |= QStyle::State_Sunken;
    }
    slider.style()->drawComplexControl(QStyle::CC_Slider, &option, &p, &slider);
}

void ModelSlider::paintEvent(QPaintEvent*) {
    QStyleOptionSlider option;
    initStyleOption(&option);
    paintUnmarkedSlider(*this, option);
}

void ModelSlider::syncFromModel() {
    syncing_ = true;
    syncCommon(*this, slider_);
    setRange(static_cast<int>(std::lround(slider_.Min)), static_cast<int>(std::lround(slider_.Max)));
    setSingleStep(static_cast<int>(std::lround(slider_.SmallChange)));
    setPageStep(static_cast<int>(std::lround(slider_.LargeChange)));
    setValue(static_cast<int>(std::lround(slider_.Value)));
    syncing_ = false;
}

} // namespace ondivel
