#include "ui/main/frm_option_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "bench/main/frm_option.h"
#include "core/user_input.h"
#include "ui/views/accessible_names.h"
#include "ui/views/chrome_zoom.h"
#include "ui/widgets/colour_swatch.h"

namespace ondivel {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Frame captions end with " : " in the model; a group box title reads better without it.
QString frameTitle(const std::string& caption) {
    QString t = qs(caption).trimmed();
    if (t.endsWith(QLatin1Char(':'))) t.chop(1);
    return t.trimmed();
}

// The model's captions mark their access key with "&", as Qt does: they are shown as they are.
QCheckBox* checkBox(Control& c, QWidget* parent) {
    auto* box = new QCheckBox(qs(c.Caption), parent);
    QObject::connect(box, &QCheckBox::clicked, parent, [&c] { user::click(c); });
    return box;
}

QRadioButton* optionButton(Control& c, QWidget* parent) {
    auto* b = new QRadioButton(qs(c.Caption), parent);
    b->setAutoExclusive(false); // the model deselects the others of the group
    QObject::connect(b, &QRadioButton::clicked, parent, [&c] { user::click(c); });
    return b;
}

QPushButton* commandButton(Control& c, QWidget* parent) {
    auto* b = new QPushButton(qs(c.Caption), parent);
    QObject::connect(b, &QPushButton::clicked, parent, [&c] { user::click(c); });
    return b;
}

QComboBox* comboBox(Control& c, QWidget* parent, QString (*shown)(const std::string&)) {
    auto* box = new QComboBox(parent);
    for (const std::string& item : c.List)
        box->addItem(shown(item));
    QObject::connect(box, &QComboBox::activated, parent, [&c](int i) { user::select(c, i); });
    return box;
}

QString asIs(const std::string& item) {
    return qs(item);
}

} // namespace

QString markerSymbol(const std::string& letter) {
    // The symbol font's letters for the five markers.
    if (letter == "u") return QStringLiteral("\u25C6"); // black diamond
    if (letter == "l") return QStringLiteral("\u25CF"); // black circle
    if (letter == "o") return QStringLiteral("\u25A1"); // white square
    if (letter == "t") return QStringLiteral("\u29EB"); // black lozenge
    if (letter == "n") return QStringLiteral("\u25A0"); // black square
    return qs(letter);
}

OptionView::OptionView(FrmOption& options, QWidget* parent) : FormView(options, parent), options_(options) {
    auto* outer = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(interfaceTab(), qs(options.sstOptions.List.at(0)));
    tabs_->addTab(coloursTab(), qs(options.sstOptions.List.at(1)));
    tabs_->addTab(printTab(), qs(options.sstOptions.List.at(2)));
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int i) {
        if (options_.sstOptions.ListIndex != i) user::select(options_.sstOptions, i);
    });
    outer->addWidget(tabs_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton* ok = commandButton(options.cmdOK, this);
    ok->setDefault(true);
    bind(options.cmdOK, ok);
    QPushButton* cancel = commandButton(options.cmdCancel, this);
    bind(options.cmdCancel, cancel);
    QPushButton* apply = commandButton(options.cmdAppliq, this);
    bind(options.cmdAppliq, apply);
    for (QPushButton* b : {ok, cancel, apply})
        buttons->addWidget(b);
    outer->addLayout(buttons);
    syncFromModel();
}

QWidget* OptionView::interfaceTab() {
    FrmOption& f = options_;
    auto* page = new QWidget;
    auto* v = new QVBoxLayout(page);
    for (Control* c :
         {&f.chkLoadTipsAtStartup, &f.chkToolTip, &f.chkReglage, &f.chkMultimetre, &f.chkCopySensibility}) {
        QCheckBox* box = checkBox(*c, page);
        bind(*c, box, [c, box] { box->setChecked(c->Value == kChecked); });
        v->addWidget(box);
    }
    QCheckBox* arrange = checkBox(f.chkDisposer, page);
    bind(f.chkDisposer, arrange, [&f, arrange] { arrange->setChecked(f.chkDisposer.Value == kChecked); });
    v->addWidget(arrange);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(qs(f.lblColor_Fond.Caption), page);
    bind(f.lblColor_Fond, label);
    auto* sample = new ColourSwatch(qs(f.lblColor_Fond.Caption), page);
    connect(sample, &ColourSwatch::resetRequested, this, [&f] { user::dblClick(f.picColor_Fond); });
    bind(f.picColor_Fond, sample, [&f, sample] { sample->setColour(f.picColor_Fond.BackColor); });
    QPushButton* change = commandButton(f.cmdColor_Fond, page);
    bind(f.cmdColor_Fond, change);
    label->setBuddy(change);
    row->addWidget(label);
    row->addWidget(sample);
    row->addWidget(change);
    row->addStretch(1);
    v->addSpacing(8);
    v->addLayout(row);
    // Below the documents' controls, so that none of them moves.
    QCheckBox* acBlocksDc = checkBox(f.chkACBloqueDC, page);
    bind(f.chkACBloqueDC, acBlocksDc,
         [&f, acBlocksDc] { acBlocksDc->setChecked(f.chkACBloqueDC.Value == kChecked); });
    v->addSpacing(8);
    v->addWidget(acBlocksDc);
    v->addStretch(1);
    return page;
}

QWidget* OptionView::coloursTab() {
    FrmOption& f = options_;
    auto* page = new QWidget;
    auto* h = new QHBoxLayout(page);
    auto* frame = new QGroupBox(frameTitle(f.fraColor.Caption), page);
    bind(f.fraColor, frame);
    auto* grid = new QFormLayout(frame);
    for (int i = 0; i < f.optColor.size(); ++i) {
        Control& option = f.optColor[i];
        QRadioButton* button = optionButton(option, frame);
        bind(option, button, [&option, button] { button->setChecked(option.isOn()); });
        Control& shape = f.shpColor[i];
        auto* sample = new ColourSwatch(qs(option.Caption), frame);
        sample->setFocusPolicy(Qt::NoFocus); // the option button before it takes the focus
        connect(sample, &ColourSwatch::clicked, this, [&option] { user::click(option); });
        bind(shape, sample, [&shape, sample] { sample->setColour(shape.FillColor); });
        grid->addRow(sample, button);
    }
    h->addWidget(frame);

    auto* side = new QVBoxLayout;
    for (Control* c : {&f.cmdChange, &f.cmdDefault, &f.cmdPrint, &f.cmdProjection}) {
        QPushButton* b = commandButton(*c, page);
        bind(*c, b);
        side->addWidget(b);
    }
    side->addStretch(1);
    h->addLayout(side);
    return page;
}

QWidget* OptionView::printTab() {
    auto* page = new QWidget;
    auto* h = new QHBoxLayout(page);
    h->addWidget(traceBox(0));
    h->addWidget(traceBox(1));
    return page;
}

QWidget* OptionView::traceBox(int trace) {
    FrmOption& f = options_;
    auto* frame = new QGroupBox(frameTitle(f.fraVoie[trace].Caption));
    bind(f.fraVoie[trace], frame);
    auto* form = new QFormLayout(frame);

    const auto list = [&](Control& label, Control& box, QString (*shown)(const std::string&)) {
        auto* l = new QLabel(qs(label.Caption).trimmed(), frame);
        QComboBox* combo = comboBox(box, frame, shown);
        // "Voie A Style", without the label's access key and colon.
        QString name = qs(f.fraVoie[trace].Caption + " " + label.Caption).remove('&').trimmed();
        if (name.endsWith(QLatin1Char(':'))) name.chop(1);
        combo->setAccessibleName(name.trimmed());
        l->setBuddy(combo);
        bind(label, l);
        bind(box, combo, [&box, combo] { combo->setCurrentIndex(box.ListIndex); });
        form->addRow(l, combo);
    };
    list(f.lblStyle[trace], f.cbxStyle[trace], asIs);

    auto* marker = new QGroupBox(frameTitle(f.fraMarque[trace].Caption), frame);
    bind(f.fraMarque[trace], marker);
    auto* mv = new QVBoxLayout(marker);
    for (int i = 0; i < 2; ++i) {
        Control& option = f.markerOptions(trace)[i];
        QRadioButton* b = optionButton(option, marker);
        bind(option, b, [&option, b] { b->setChecked(option.isOn()); });
        mv->addWidget(b);
    }
    form->addRow(marker);
    list(f.lblMarque[trace], f.cbxMarque[trace], markerSymbol);
    // The symbols are small in the dialog's font: a size larger makes them tell apart.
    if (auto* glyphs = qobject_cast<QComboBox*>(widgetOf(f.cbxMarque[trace]))) {
        QFont larger = glyphs->font();
        larger.setPointSizeF(larger.pointSizeF() * 1.4);
        glyphs->setFont(larger);
    }
    list(f.lblWidth[trace], f.cbxWidth[trace], asIs);
    return frame;
}

void OptionView::bind(Control& control, QWidget* widget, std::function<void()> sync) {
    bindings_.push_back({&control, widget, std::move(sync)});
}

QWidget* OptionView::widgetOf(const Control& c) const {
    for (const Binding& b : bindings_)
        if (b.control == &c) return b.widget;
    return nullptr;
}

void OptionView::syncFromModel() {
    {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(options_.sstOptions.ListIndex);
    }
    applyAccessibleText(*tabs_, options_.sstOptions);
    for (Binding& b : bindings_) {
        const QSignalBlocker block(b.widget);
        if (b.sync) b.sync();
        b.widget->setEnabled(b.control->Enabled);
        b.widget->setToolTip(qs(b.control->ToolTipText));
        applyAccessibleText(*b.widget, *b.control);
    }
}

QSize OptionView::designSize() const {
    // Laid out by Qt around its texts: at zoom 1, the size its texts take at the scale they have.
    return (QSizeF(sizeHint()) / TextScale(*this)).toSize().expandedTo(QSize(520, 300));
}

} // namespace ondivel
