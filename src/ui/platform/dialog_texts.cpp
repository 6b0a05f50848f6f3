#include "ui/platform/dialog_texts.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <vector>

#include "core/platform.h"
#include "ui/views/chrome_zoom.h"

namespace ondivel {

namespace {

constexpr int kButtonMask = 7;
constexpr int kIconMask = 0x70;
constexpr int kDefaultButtonMask = 0x300;
constexpr int kAbortRetryIgnore = 2;
constexpr int kRetryCancel = 5;
// Answers of the two button sets the program never asks for, kept for completeness.
constexpr int kAnswerAbort = 3, kAnswerRetry = 4, kAnswerIgnore = 5;

struct ButtonSpec {
    const char* text;
    QMessageBox::ButtonRole role;
    int answer;
};

std::vector<ButtonSpec> buttonsFor(int flags) {
    switch (flags & kButtonMask) {
    case vbOKCancel:
        return {{"OK", QMessageBox::AcceptRole, vbOK}, {"Annuler", QMessageBox::RejectRole, vbCancel}};
    case kAbortRetryIgnore:
        return {{"Abandonner", QMessageBox::RejectRole, kAnswerAbort},
                {"Réessayer", QMessageBox::AcceptRole, kAnswerRetry},
                {"Ignorer", QMessageBox::AcceptRole, kAnswerIgnore}};
    case vbYesNoCancel:
        return {{"Oui", QMessageBox::YesRole, vbYes},
                {"Non", QMessageBox::NoRole, vbNo},
                {"Annuler", QMessageBox::RejectRole, vbCancel}};
    case vbYesNo:
        return {{"Oui", QMessageBox::YesRole, vbYes}, {"Non", QMessageBox::NoRole, vbNo}};
    case kRetryCancel:
        return {{"Réessayer", QMessageBox::AcceptRole, kAnswerRetry},
                {"Annuler", QMessageBox::RejectRole, vbCancel}};
    default:
        return {{"OK", QMessageBox::AcceptRole, vbOK}};
    }
}

QMessageBox::Icon iconFor(int flags) {
    switch (flags & kIconMask) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

const char* kAnswerProperty = "ondivelAnswer";

// The box's icon at the zoom: drawn afresh at that size where the style has it, else the
// nearest drawing smoothly scaled.
void scaleIcon(QMessageBox& box, double zoom) {
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"));
    if (!label || box.icon() == QMessageBox::NoIcon) return;
    QStyle::StandardPixmap kind = QStyle::SP_MessageBoxInformation;
    if (box.icon() == QMessageBox::Warning) kind = QStyle::SP_MessageBoxWarning;
    if (box.icon() == QMessageBox::Critical) kind = QStyle::SP_MessageBoxCritical;
    if (box.icon() == QMessageBox::Question) kind = QStyle::SP_MessageBoxQuestion;
    const QSizeF shown = box.iconPixmap().deviceIndependentSize();
    const QSize wanted = (shown * zoom).toSize().expandedTo(QSize(1, 1));
    const qreal dpr = box.devicePixelRatio();
    QPixmap icon = box.style()->standardIcon(kind, nullptr, &box).pixmap(wanted, dpr);
    if (icon.deviceIndependentSize().toSize() != wanted) {
        icon = icon.scaled(wanted * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        icon.setDevicePixelRatio(dpr);
    }
    label->setPixmap(icon);
}

} // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const QString& text, int flags, const QString& title,
                                             double zoom) {
    auto box = std::make_unique<QMessageBox>();
    box->setWindowTitle(title.isEmpty() ? QStringLiteral("Ondivel") : title);
    box->setText(text);
    box->setTextFormat(Qt::PlainText);
    box->setIcon(iconFor(flags));
    box->setWindowModality(Qt::ApplicationModal);
    if (flags & (vbSystemModal | vbMsgBoxSetForeground)) box->setWindowFlag(Qt::WindowStaysOnTopHint, true);

    const auto choices = buttonsFor(flags);
    std::vector<QPushButton*> buttons;
    QPushButton* escape = nullptr;
    for (const auto& choice : choices) {
        QPushButton* b = box->addButton(QString::fromUtf8(choice.text), choice.role);
        b->setProperty(kAnswerProperty, choice.answer);
        buttons.push_back(b);
        if (choice.answer == vbCancel || (choices.size() == 1)) escape = b;
    }
    // Without a Cancel button Qt makes No the escape button; the close box answers the same.
    if (escape) box->setEscapeButton(escape);
    const std::size_t defaultIndex = static_cast<std::size_t>((flags & kDefaultButtonMask) >> 8);
    box->setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0]);
    if (zoom > 0 && zoom != 1) {
        ScaleTexts(*box, zoom);
        scaleIcon(*box, zoom);
    }
    return box;
}

int messageBoxAnswer(const QMessageBox& box, const QAbstractButton* clicked) {
    if (clicked) {
        const QVariant answer = clicked->property(kAnswerProperty);
        if (answer.isValid()) return answer.toInt();
    }
    // Closed without a button: the escape button's answer, else the last button's (No).
    if (const QAbstractButton* escape = box.escapeButton()) return escape->property(kAnswerProperty).toInt();
    const auto list = box.buttons();
    for (const QAbstractButton* b : list)
        if (b->property(kAnswerProperty).toInt() == vbNo) return vbNo;
    return vbCancel;
}

QString qtNameFilters(const QString& pipeFilter) {
    const QStringList parts = pipeFilter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const qsizetype paren = description.lastIndexOf('(');
        if (paren > 0 && description.endsWith(')')) description = description.left(paren).trimmed();
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            if (p == "*.*") p = "*";
        }
        filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(' '));
    }
    if (filters.isEmpty() && !pipeFilter.trimmed().isEmpty()) filters << pipeFilter.trimmed();
    return filters.join(QStringLiteral(";;"));
}

QColor customGrey(int n) {
    const int level = 15 * n;
    return QColor(level, level, level);
}

} // namespace ondivel
