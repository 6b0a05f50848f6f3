#include "ui/views/generic_view.h"

#include "bench/bench_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "core/control.h"
#include "core/form.h"
#include "core/user_input.h"
#include "ui/views/screen_widget.h"

namespace ondivel {

namespace {

constexpr int kColumns = 3; // pairs of (name, editor) per row

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Captions of the classic toolkit mark their access key with "&".
QString plainCaption(const std::string& caption) {
    QString s = qs(caption);
    s.replace(QLatin1String("&&"), QLatin1String("\x01"));
    s.remove('&');
    s.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return s;
}

QString colorStyle(Color c) {
    return QStringLiteral("background:#%1%2%3;border:1px solid #444;border-radius:7px;")
        .arg(redOf(c), 2, 16, QLatin1Char('0'))
        .arg(greenOf(c), 2, 16, QLatin1Char('0'))
        .arg(blueOf(c), 2, 16, QLatin1Char('0'));
}

// Knobs and sliders move on whole steps of a hundredth of their range at most.
int sliderSteps(const Control& c) {
    return c.Max - c.Min > 1000 ? 1000 : 0;
}

} // namespace

GenericView::GenericView(Form& form, QWidget* parent) : FormView(form, parent) {
    auto* outer = new QVBoxLayout(this);
    if (Control* pic = form.findControl("picEcran"); pic && pic->surface()) {
        screen_ = new ScreenWidget(static_cast<BenchForm&>(form), this);
        screen_->setMinimumSize(400, 320);
        outer->addWidget(screen_, 1);
    }
    auto* grid = new QGridLayout;
    outer->addLayout(grid);
    int slot = 0;
    for (Control* c : form.controls()) {
        if (c->kind() == ControlKind::Menu || c->kind() == ControlKind::Timer) continue;
        if (c->kind() == ControlKind::Picture) continue; // pictures are the screen, shown above
        QWidget* editor = makeEditor(*c);
        if (!editor) continue;
        auto* name =
            new QLabel(qs(c->index() >= 0 ? c->name() + "(" + std::to_string(c->index()) + ")" : c->name()));
        name->setStyleSheet(QStringLiteral("color:#555;"));
        const int row = slot / kColumns, col = (slot % kColumns) * 2;
        grid->addWidget(name, row, col);
        grid->addWidget(editor, row, col + 1);
        ++slot;
        bindings_.back().caption = name;
    }
    syncFromModel();
}

QWidget* GenericView::makeEditor(Control& c) {
    Control* cp = &c;
    switch (c.kind()) {
    case ControlKind::CommandButton:
    case ControlKind::Image: {
        auto* b = new QPushButton(this);
        connect(b, &QPushButton::clicked, this, [cp] { user::click(*cp); });
        bindings_.push_back({cp, b, nullptr, [cp, b] {
                                 b->setText(cp->Caption.empty() ? qs(cp->name()) : plainCaption(cp->Caption));
                             }});
        return b;
    }
    case ControlKind::CheckBox: {
        auto* b = new QCheckBox(this);
        connect(b, &QCheckBox::clicked, this, [cp] { user::click(*cp); });
        bindings_.push_back({cp, b, nullptr, [cp, b] {
                                 b->setText(plainCaption(cp->Caption));
                                 b->setChecked(cp->Value == kChecked);
                             }});
        return b;
    }
    case ControlKind::OptionButton: {
        auto* b = new QRadioButton(this);
        b->setAutoExclusive(false); // the model deselects the group
        connect(b, &QRadioButton::clicked, this, [cp] { user::click(*cp); });
        bindings_.push_back({cp, b, nullptr, [cp, b] {
                                 b->setText(plainCaption(cp->Caption));
                                 b->setChecked(cp->Value != 0);
                             }});
        return b;
    }
    case ControlKind::Label:
    case ControlKind::Frame: {
        auto* l = new QLabel(this);
        bindings_.push_back({cp, l, nullptr, [cp, l] { l->setText(plainCaption(cp->Caption)); }});
        return l;
    }
    case ControlKind::Shape: {
        auto* lamp = new QLabel(this);
        lamp->setFixedSize(14, 14);
        bindings_.push_back(
            {cp, lamp, nullptr, [cp, lamp] { lamp->setStyleSheet(colorStyle(cp->FillColor)); }});
        return lamp;
    }
    case ControlKind::Knob:
    case ControlKind::Slider: {
        auto* s = new QSlider(Qt::Horizontal, this);
        const bool knob = c.kind() == ControlKind::Knob;
        connect(s, &QSlider::valueChanged, this, [cp, knob](int v) {
            const int steps = sliderSteps(*cp);
            const double value = steps ? cp->Min + (cp->Max - cp->Min) * v / steps : v;
            if (knob)
                user::drag(*cp, value);
            else
                user::slide(*cp, value);
        });
        bindings_.push_back(
            {cp, s, nullptr, [cp, s] {
                 const int steps = sliderSteps(*cp);
                 const double lo = std::min(cp->Min, cp->Max), hi = std::max(cp->Min, cp->Max);
                 if (steps) {
                     s->setRange(0, steps);
                     s->setValue(static_cast<int>((cp->Value - cp->Min) / (cp->Max - cp->Min) * steps));
                 } else {
                     s->setRange(static_cast<int>(lo), static_cast<int>(hi));
                     s->setValue(static_cast<int>(cp->Value));
                 }
                 s->setAccessibleName(qs(cp->name()));
             }});
        return s;
    }
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(this);
        bindings_.push_back({cp, bar, nullptr, [cp, bar] {
                                 bar->setRange(static_cast<int>(cp->Min), static_cast<int>(cp->Max));
                                 bar->setValue(static_cast<int>(cp->Value));
                             }});
        return bar;
    }
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::TabStrip: {
        auto* box = new QComboBox(this);
        connect(box, &QComboBox::activated, this, [cp](int i) { user::select(*cp, i); });
        bindings_.push_back({cp, box, nullptr, [cp, box] {
                                 QStringList items;
                                 for (const auto& s : cp->List)
                                     items << qs(s);
                                 QStringList shown;
                                 for (int i = 0; i < box->count(); ++i)
                                     shown << box->itemText(i);
                                 if (shown != items) {
                                     box->clear();
                                     box->addItems(items);
                                 }
                                 box->setCurrentIndex(cp->ListIndex);
                             }});
        return box;
    }
    case ControlKind::TextBox: {
        auto* edit = new QLineEdit(this);
        connect(edit, &QLineEdit::editingFinished, this, [cp, edit] {
            if (edit->text().toStdString() != cp->Text) user::type(*cp, edit->text().toStdString());
        });
        bindings_.push_back({cp, edit, nullptr, [cp, edit] {
                                 if (!edit->hasFocus()) edit->setText(qs(cp->Text));
                             }});
        return edit;
    }
    case ControlKind::Picture:
    case ControlKind::Timer:
    case ControlKind::Menu:
        break;
    }
    return nullptr;
}

void GenericView::syncFromModel() {
    for (Binding& b : bindings_) {
        const QSignalBlocker block(b.widget);
        b.sync();
        b.widget->setEnabled(b.control->Enabled);
        b.widget->setToolTip(qs(b.control->ToolTipText));
        b.widget->setVisible(b.control->Visible);
        if (b.caption) b.caption->setVisible(b.control->Visible);
    }
    if (screen_) screen_->syncFromModel();
}

QSize GenericView::designSize() const {
    return sizeHint().expandedTo(QSize(320, 120));
}

} // namespace ondivel
