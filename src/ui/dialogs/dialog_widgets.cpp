#include "ui/dialogs/dialog_widgets.h"

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <cctype>

#include "bench/evaluation/frm_exo.h"
#include "bench/ondivel.h"
#include "core/control.h"
#include "core/form.h"
#include "core/user_input.h"
#include "core/win1252.h"
#include "ui/dialogs/text_fit.h"

namespace ondivel {

namespace {

constexpr int kPictureLightWaiting = FrmExo::kLightWaiting;
constexpr int kPictureLightAllRight = FrmExo::kLightAllRight;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

bool endsWithNoCase(const std::string& s, const std::string& end) {
    if (s.size() < end.size()) return false;
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[s.size() - end.size() + i])) != end[i]) return false;
    return true;
}

// The one-byte code of the character a key typed (Windows-1252, as the models expect), 0 when
// the key types no character the model hears.
int typedCode(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace) return 8;
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return 0;
    const QString text = event.text();
    if (text.size() != 1 || !text.at(0).isPrint()) return 0;
    const std::string byte = utf8ToCp1252(text.toStdString());
    return byte.size() == 1 ? static_cast<unsigned char>(byte[0]) : 0;
}

// Black, the toolkit's default ink, leaves the desktop's own text colour.
void setTextColour(QWidget& w, Color c) {
    const QColor wanted = c == kBlack ? QApplication::palette(&w).color(QPalette::WindowText) : toQColor(c);
    if (w.palette().color(QPalette::WindowText) == wanted) return;
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, wanted);
    w.setPalette(p);
}

} // namespace

QString captionWithoutAccessKey(const std::string& caption) {
    QString s = modelText(caption);
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s.at(i) == QLatin1Char('&')) {
            if (i + 1 < s.size() && s.at(i + 1) == QLatin1Char('&')) out += s.at(++i);
            continue;
        }
        out += s.at(i);
    }
    return out;
}

bool isPasswordBox(const Control& c) {
    return c.kind() == ControlKind::TextBox && !c.PasswordChar.empty();
}

DialogButton::DialogButton(Control& c, Touched touched, QWidget* parent) : QPushButton(parent), control_(c) {
    setObjectName(qs(c.path()));
    // The editor's arrow buttons have no caption: they show arrows.
    if (c.Caption.empty() && endsWithNoCase(c.name(), "up"))
        setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    else if (c.Caption.empty() && endsWithNoCase(c.name(), "down"))
        setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    connect(this, &QPushButton::clicked, this, [this, touched] {
        user::click(control_);
        touched();
    });
}

void DialogButton::syncFromModel() {
    const QString caption = modelText(control_.Caption);
    if (text() != caption) setText(caption);
    syncCommon(*this, control_);
}

DialogCheckBox::DialogCheckBox(Control& c, Touched touched, QWidget* parent)
    : QCheckBox(parent), control_(c) {
    setObjectName(qs(c.path()));
    connect(this, &QCheckBox::clicked, this, [this, touched] {
        user::click(control_);
        touched();
    });
}

void DialogCheckBox::syncFromModel() {
    const QSignalBlocker block(this);
    const QString caption = modelText(control_.Caption);
    if (text() != caption) setText(caption);
    setChecked(control_.Value == kChecked);
    syncCommon(*this, control_);
}

DialogOption::DialogOption(Control& c, QButtonGroup* group, Touched touched, QWidget* parent)
    : QRadioButton(parent), control_(c), group_(group) {
    setObjectName(qs(c.path()));
    group_->addButton(this);
    connect(this, &QRadioButton::clicked, this, [this, touched] {
        user::click(control_);
        touched();
    });
}

void DialogOption::syncFromModel() {
    const QString caption = modelText(control_.Caption);
    if (text() != caption) setText(caption);
    const bool on = control_.Value != 0;
    if (isChecked() != on) {
        // An exclusive group refuses to clear its last button; the model may clear them all.
        const QSignalBlocker block(this);
        group_->setExclusive(false);
        setChecked(on);
        group_->setExclusive(true);
    }
    syncCommon(*this, control_);
}

DialogLabel::DialogLabel(Control& c, QWidget* parent) : QLabel(parent), control_(c) {
    setObjectName(qs(c.path()));
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void DialogLabel::syncFromModel() {
    const QString caption = captionWithoutAccessKey(control_.Caption);
    if (text() != caption) setText(caption);
    setTextColour(*this, control_.ForeColor);
    syncCommon(*this, control_);
}

DialogFrame::DialogFrame(Control& c, QWidget* parent) : QGroupBox(parent), control_(c) {
    setObjectName(qs(c.path()));
}

void DialogFrame::syncFromModel() {
    const QString caption = modelText(control_.Caption);
    if (title() != caption) setTitle(caption);
    syncCommon(*this, control_);
}

void DialogFrame::paintEvent(QPaintEvent*) {
    // The classic frame: an etched rounded box whose top line runs through the middle of the
    // title, so the controls designed below the title keep their room whatever the style.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const double top = fm.height() / 2.0;
    const QRectF box = QRectF(rect()).adjusted(0.5, top + 0.5, -1.5, -1.5);
    const double radius = std::max(2.0, fm.height() / 4.0);
    p.setPen(palette().color(QPalette::Light));
    p.drawRoundedRect(box.translated(1, 1), radius, radius);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRoundedRect(box, radius, radius);
    const QString caption = title();
    if (caption.isEmpty()) return;
    const int pad = std::max(2, fm.height() / 5);
    // A title longer than the frame gets a smaller font, as the other captions do.
    const QString shown = captionWithoutAccessKey(caption.toStdString());
    QFont f = font();
    const int room = width() - fm.height() - 2 * pad - 2;
    for (int pixels = f.pixelSize();
         pixels > smallestFitPixels(font().pixelSize()) && QFontMetrics(f).horizontalAdvance(shown) > room;)
        f.setPixelSize(--pixels);
    p.setFont(f);
    const QRect text(fm.height() / 2, 0, QFontMetrics(f).horizontalAdvance(shown) + 2 * pad, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(text.adjusted(pad, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, caption);
}

DialogComboBox::DialogComboBox(Control& c, Touched touched, QWidget* parent)
    : QComboBox(parent), control_(c) {
    setObjectName(qs(c.path()));
    connect(this, &QComboBox::activated, this, [this, touched](int index) {
        user::select(control_, index);
        touched();
    });
}

void DialogComboBox::syncFromModel() {
    const QSignalBlocker block(this);
    QStringList items;
    for (const std::string& s : control_.List)
        items << qs(s);
    bool same = count() == items.size();
    for (int i = 0; same && i < count(); ++i)
        same = itemText(i) == items.at(i);
    if (!same) {
        clear();
        addItems(items);
    }
    if (currentIndex() != control_.ListIndex) setCurrentIndex(control_.ListIndex);
    syncCommon(*this, control_);
}

DialogListBox::DialogListBox(Control& c, Touched touched, QWidget* parent)
    : QListWidget(parent), control_(c), touched_(std::move(touched)) {
    setObjectName(qs(c.path()));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!syncing_) selectionChangedByUser();
    });
    // A click on the line already selected changes nothing in Qt but still raises Click.
    connect(this, &QListWidget::clicked, this, [this] {
        if (selectionChanges_ != changesAtPress_) return;
        clickedOn(currentRow());
    });
}

bool DialogListBox::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) changesAtPress_ = selectionChanges_;
    return QListWidget::viewportEvent(event);
}

void DialogListBox::selectionChangedByUser() {
    ++selectionChanges_;
    control_.Selected.assign(control_.List.size(), false);
    for (int i = 0; i < count() && i < static_cast<int>(control_.List.size()); ++i)
        control_.Selected[static_cast<std::size_t>(i)] = item(i)->isSelected();
    clickedOn(currentRow());
}

void DialogListBox::clickedOn(int row) {
    // Not user::select, which would make this line the only one selected.
    if (!control_.Enabled || !control_.Visible) return;
    if (Form* f = control_.owner(); f && f->host().activeForm() != f) f->host().activate(*f);
    control_.setListIndex(row);
    touched_();
}

void DialogListBox::syncFromModel() {
    syncing_ = true;
    bool same = count() == static_cast<int>(control_.List.size());
    for (int i = 0; same && i < count(); ++i)
        same = item(i)->text() == qs(control_.List[static_cast<std::size_t>(i)]);
    if (!same) {
        clear();
        for (const std::string& s : control_.List)
            addItem(qs(s));
    }
    for (int i = 0; i < count(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const bool selected = at < control_.Selected.size() && control_.Selected[at];
        if (item(i)->isSelected() != selected) item(i)->setSelected(selected);
    }
    const int row = control_.ListIndex;
    if (row >= 0 && row < count() && currentRow() != row) setCurrentRow(row, QItemSelectionModel::NoUpdate);
    syncing_ = false;
    syncCommon(*this, control_);
}

DialogTextBox::DialogTextBox(Control& c, Touched touched, QWidget* parent)
    : QLineEdit(parent), control_(c), touched_(std::move(touched)) {
    setObjectName(qs(c.path()));
    if (isPasswordBox(c)) setEchoMode(QLineEdit::Password);
    // Pasting, cutting and undoing reach the model too.
    connect(this, &QLineEdit::textEdited, this, [this] { pushText(); });
}

void DialogTextBox::pushText() {
    control_.SelStart = cursorPosition();
    control_.SelLength = 0;
    const std::string shown = text().toStdString();
    if (shown == control_.Text) return;
    control_.setText(shown);
    touched_();
}

void DialogTextBox::keyPressEvent(QKeyEvent* event) {
    const int typed = typedCode(*event);
    if (typed == 0 || !control_.on.KeyPress) {
        QLineEdit::keyPressEvent(event);
        pushText();
        return;
    }
    int key = typed;
    control_.on.KeyPress(key);
    if (key == typed) {
        QLineEdit::keyPressEvent(event);
    } else if (key == 8) {
        backspace();
    } else if (key != 0) {
        insert(QString::fromStdString(cp1252ToUtf8(std::string(1, static_cast<char>(key)))));
    }
    event->accept(); // a refused key stops here
    pushText();
    touched_();
}

void DialogTextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Focus coming back from a message box or a popup is no entry into the box.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    control_.raise(control_.on.GotFocus);
    // After the mouse press that gave the focus, which would place the cursor.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
    touched_();
}

void DialogTextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    pushText();
    control_.raise(control_.on.LostFocus);
    touched_();
}

void DialogTextBox::syncFromModel() {
    const QString wanted = qs(control_.Text);
    if (text() != wanted) {
        const QSignalBlocker block(this);
        const int cursor = cursorPosition();
        setText(wanted);
        setCursorPosition(std::min(cursor, static_cast<int>(wanted.size())));
    }
    syncCommon(*this, control_);
}

DialogPicture::DialogPicture(Control& c, QWidget* parent) : QWidget(parent), control_(c) {
    setObjectName(qs(c.path()));
}

void DialogPicture::syncFromModel() {
    if (shown_ != control_.Picture) {
        shown_ = control_.Picture;
        setAccessibleDescription(shown_ == kPictureLightAllRight ? QStringLiteral("vert") : QString());
        update();
    }
    syncCommon(*this, control_);
}

void DialogPicture::paintEvent(QPaintEvent*) {
    if (shown_ != kPictureLightWaiting && shown_ != kPictureLightAllRight) return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(width(), height()) - 2.0;
    const QRectF r((width() - side) / 2, (height() - side) / 2, side, side);
    const QColor lit = shown_ == kPictureLightAllRight ? QColor(40, 190, 60) : QColor(170, 170, 170);
    QRadialGradient glow(r.center() - QPointF(side * 0.15, side * 0.15), side * 0.6);
    glow.setColorAt(0, lit.lighter(160));
    glow.setColorAt(1, lit.darker(120));
    p.setBrush(glow);
    p.setPen(QPen(lit.darker(200), 1));
    p.drawEllipse(r);
}

} // namespace ondivel
