#include "ui/dialogs/dialog_view.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "bench/ondivel.h"
#include "core/control.h"
#include "core/form.h"
#include "core/user_input.h"
#include "ui/dialogs/dialog_button.h"
#include "ui/dialogs/dialog_check_box.h"
#include "ui/dialogs/dialog_combo_box.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/dialog_geometry.h"
#include "ui/dialogs/dialog_label.h"
#include "ui/dialogs/dialog_list_box.h"
#include "ui/dialogs/dialog_option.h"
#include "ui/dialogs/dialog_picture.h"
#include "ui/dialogs/dialog_table.h"
#include "ui/dialogs/dialog_text_box.h"
#include "ui/dialogs/text_fit.h"
#include "ui/views/accessible_names.h"

namespace ondivel {

namespace {

// Text height at zoom 1: a little larger than the classic 8-point dialog font the designs were
// drawn for, so the windows read well in a classroom.
constexpr double kFontPixels = 12;

double area(const Control& c) {
    return c.Width * c.Height;
}

} // namespace

DialogView::DialogView(Form& form, QWidget* parent) : FormView(form, parent) {
    std::vector<Control*> drawn;
    for (Control* c : form.controls())
        if (drawnInDialog(*c)) drawn.push_back(c);

    // Frames first, outer ones before inner ones, so that every control finds its parent.
    std::vector<Control*> frames;
    for (Control* c : drawn)
        if (c->kind() == ControlKind::Frame) frames.push_back(c);
    std::stable_sort(frames.begin(), frames.end(),
                     [](const Control* a, const Control* b) { return area(*a) > area(*b); });
    const auto parentOf = [&](const Control& c) -> QWidget* {
        const Control* frame = enclosingFrame(c, form.controls());
        auto it = frame ? widgets_.find(frame) : widgets_.end();
        return it != widgets_.end() ? it->second : this;
    };
    for (Control* f : frames)
        widgets_[f] = makeWidget(*f, parentOf(*f));
    for (Control* c : drawn)
        if (c->kind() != ControlKind::Frame) widgets_[c] = makeWidget(*c, parentOf(*c));

    // In the model's order, which is the tab order.
    QWidget* previous = nullptr;
    for (Control* c : drawn) {
        QWidget* w = widgets_[c];
        items_.push_back({c, w, dynamic_cast<BoundWidget*>(w), enclosingFrame(*c, form.controls()), {}, {}});
        if (!(w->focusPolicy() & Qt::TabFocus)) continue;
        if (previous) setTabOrder(previous, w);
        previous = w;
    }
    shownDesign_ = designSize();
    resize(shownDesign_);
    placeAll();
    syncFromModel();
}

QWidget* DialogView::makeWidget(Control& c, QWidget* parent) {
    const Touched touched = [this] { this->touched(); };
    switch (c.kind()) {
    case ControlKind::CommandButton:
        return new DialogButton(c, touched, parent);
    case ControlKind::CheckBox:
        return new DialogCheckBox(c, touched, parent);
    case ControlKind::OptionButton: {
        return new DialogOption(c, optionGroup(enclosingFrame(c, form().controls()), c.group()), touched,
                                parent);
    }
    case ControlKind::Frame:
        return new DialogFrame(c, parent);
    case ControlKind::ComboBox:
        return new DialogComboBox(c, touched, parent);
    case ControlKind::ListBox:
        // A list with column titles is a table.
        if (!c.Caption.empty()) return new DialogTable(c, touched, parent);
        return new DialogListBox(c, touched, parent);
    case ControlKind::TextBox:
        return new DialogTextBox(c, touched, parent);
    case ControlKind::Image:
    case ControlKind::Picture:
        return new DialogPicture(c, parent);
    default:
        return new DialogLabel(c, parent);
    }
}

QButtonGroup* DialogView::optionGroup(const Control* frame, const std::string& group) {
    QButtonGroup*& g = optionGroups_[{frame, group}];
    if (!g) {
        g = new QButtonGroup(this);
        g->setExclusive(true);
    }
    return g;
}

QWidget* DialogView::widgetOf(const Control& c) const {
    auto it = widgets_.find(&c);
    return it == widgets_.end() ? nullptr : it->second;
}

QSize DialogView::designSize() const {
    const QSizeF s = clientSize(form());
    return QSize(static_cast<int>(std::ceil(s.width())), static_cast<int>(std::ceil(s.height())));
}

void DialogView::resizeEvent(QResizeEvent*) {
    placeAll();
}

void DialogView::placeAll() {
    const QSizeF design = clientSize(form());
    if (design.isEmpty()) return;
    scale_ = std::min(width() / design.width(), height() / design.height());
    fontPixels_ = std::max(8, static_cast<int>(std::lround(kFontPixels * scale_)));
    QFont f = font();
    if (f.pixelSize() != fontPixels_) {
        f.setPixelSize(fontPixels_);
        setFont(f);
    }
    for (const Item& item : items_)
        item.widget->setGeometry(placedRect(item));
    fitTexts(true);
}

QRect DialogView::placedRect(const Item& item) const {
    QRectF r = designRect(*item.control);
    if (item.frame) r.translate(-designRect(*item.frame).topLeft());
    return QRectF(r.left() * scale_, r.top() * scale_, r.width() * scale_, r.height() * scale_).toRect();
}

double DialogView::roomBelow(const Item& item) const {
    constexpr double kGap = 2;
    const QRectF r = designRect(*item.control);
    double limit =
        item.frame ? designRect(*item.frame).bottom() - 2 * kGap : clientSize(form()).height() - kGap;
    for (const Item& other : items_) {
        if (&other == &item || other.frame != item.frame) continue;
        const QRectF o = designRect(*other.control);
        if (o.top() >= r.bottom() - 0.5 && o.left() < r.right() && o.right() > r.left())
            limit = std::min(limit, o.top() - kGap);
    }
    return std::max(0.0, limit - r.bottom());
}

namespace {

// Texts that line up share one font, so that a column of labels, a row of buttons or a group of
// options does not mix sizes: labels by column, push buttons by row, options by group.
using FitGroup = std::tuple<const Control*, int, double, double, std::string>;

FitGroup fitGroupOf(const Control& c, const Control* frame) {
    switch (c.kind()) {
    case ControlKind::Label:
        return {frame, 0, c.Left, c.Width, {}};
    case ControlKind::CommandButton:
        return {frame, 1, c.Top, c.Height, {}};
    default:
        return {frame, 2, 0, 0, c.group()};
    }
}

} // namespace

void DialogView::fitTexts(bool again) {
    bool changed = again;
    for (Item& item : items_) {
        auto* label = qobject_cast<QLabel*>(item.widget);
        auto* button = qobject_cast<QAbstractButton*>(item.widget);
        if (!label && !button) continue;
        const QString text = (label ? label->text() : button->text()) +
                             (item.widget->isVisibleTo(this) ? QStringLiteral("\x01") : QString());
        const QRect placed = placedRect(item);
        if (text == item.fittedText && placed == item.fittedRect) continue;
        item.fittedText = text;
        item.fittedRect = placed;
        changed = true;
    }
    if (!changed) return;
    std::map<FitGroup, int> groups;
    std::vector<const Item*> fitted, wrappedLabels;
    for (const Item& item : items_) {
        const bool shown = item.widget->isVisibleTo(this);
        const QRect placed = placedRect(item);
        int pixels = 0;
        if (auto* label = qobject_cast<QLabel*>(item.widget)) {
            if (designedForOneLine(*label, placed.height(), fontPixels_))
                pixels = lineLabelPixels(*label, placed.width(), fontPixels_);
            if (!pixels) {
                wrappedLabels.push_back(&item);
                continue;
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(item.widget)) {
            pixels = button->text().isEmpty() ? fontPixels_ : captionPixels(*button, fontPixels_);
        } else {
            continue;
        }
        fitted.push_back(&item);
        auto [it, added] = groups.emplace(fitGroupOf(*item.control, item.frame), fontPixels_);
        if (shown) it->second = std::min(it->second, pixels);
    }
    for (const Item* item : fitted) {
        const QFont f = fontWithPixels(*item->widget, groups[fitGroupOf(*item->control, item->frame)]);
        if (item->widget->font() != f) item->widget->setFont(f);
        item->widget->setGeometry(placedRect(*item));
    }
    for (const Item* item : wrappedLabels)
        fitWrappedLabel(*qobject_cast<QLabel*>(item->widget), placedRect(*item),
                        static_cast<int>(roomBelow(*item) * scale_), fontPixels_);
}

void DialogView::followDesignSize() {
    // A window whose model changes its size (the password window hides its help text so) is
    // resized at the zoom it is shown at.
    const QSize design = designSize();
    if (design == shownDesign_) return;
    const double zoom = shownDesign_.width() > 0 ? static_cast<double>(width()) / shownDesign_.width() : 1;
    shownDesign_ = design;
    setFixedSize((QSizeF(design) * zoom).toSize());
    if (QWidget* host = parentWidget()) host->adjustSize();
}

void DialogView::syncFromModel() {
    if (syncing_) {
        resyncWanted_ = true; // a handler the sync set off (focus) changed the model again
        return;
    }
    syncing_ = true;
    for (int pass = 0; pass < 3; ++pass) {
        resyncWanted_ = false;
        followDesignSize();
        for (const Item& item : items_)
            if (item.bound) item.bound->syncFromModel();
        fitTexts(false);
        if (form().defaultButton != shownDefault_) {
            // The answer window hands Enter from one button to the other as the lesson goes.
            for (const Control* c : {shownDefault_, static_cast<const Control*>(form().defaultButton)})
                if (auto* button = qobject_cast<QPushButton*>(c ? widgetOf(*c) : nullptr))
                    button->setDefault(c == form().defaultButton);
            shownDefault_ = form().defaultButton;
        }
        if (auto* dialog = qobject_cast<QDialog*>(window())) {
            const QString title = QString::fromStdString(form().Caption);
            if (dialog->windowTitle() != title) dialog->setWindowTitle(title);
        }
        if (form().focusRequests() != focusRequestsSeen_) {
            focusRequestsSeen_ = form().focusRequests();
            applyFocusRequest();
        }
        if (!resyncWanted_) break;
    }
    for (const Item& item : items_)
        applyAccessibleText(*item.widget, *item.control);
    syncing_ = false;
}

void DialogView::applyFocusRequest() {
    Control* c = form().focusControl();
    QWidget* w = c ? widgetOf(*c) : nullptr;
    if (!w) return;
    if (!w->isVisible() || !w->isEnabled() || !isActiveWindow()) {
        focusPending_ = true; // met when the window shows or becomes active
        return;
    }
    focusPending_ = false;
    w->setFocus(Qt::OtherFocusReason);
}

void DialogView::showEvent(QShowEvent* event) {
    FormView::showEvent(event);
    retryFocusRequest();
}

bool DialogView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) retryFocusRequest();
    return FormView::event(event);
}

void DialogView::retryFocusRequest() {
    // After Qt has given the window its own first focus.
    if (focusPending_)
        QTimer::singleShot(0, this, [this] {
            if (focusPending_) applyFocusRequest();
        });
}

void DialogView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        event->accept();
        user::key(form(), kKeyF1, 0);
        touched();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool escape = event->key() == Qt::Key_Escape;
    Control* button = enter ? form().defaultButton : escape ? form().cancelButton : nullptr;
    if (!button || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        FormView::keyPressEvent(event);
        return;
    }
    event->accept();
    user::click(*button);
    touched();
}

void DialogView::touched() {
    form().host().requestRepaint();
    syncFromModel();
}

} // namespace ondivel
