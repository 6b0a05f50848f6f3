#pragma once
// Translations between the classic toolkit's dialog conventions and Qt's: message-box flags to
// a ready QMessageBox and its answer back, "Desc (*.ini)|*.ini" filters to Qt name filters, and
// the grey custom colours of the colour dialog. Used by QtPlatform and its tests.
#include <QColor>
#include <QString>
#include <memory>

class QAbstractButton;
class QMessageBox;

namespace ondivel {

// A French message box for the flags (buttons, icon, default button, foreground); not shown yet.
// At a zoom of the panels other than 1 its texts and its icon are that much larger or smaller, as
// the program's own modal windows are.
std::unique_ptr<QMessageBox> buildMessageBox(const QString& text, int flags, const QString& title,
                                             double zoom = 1);
// The answer (vbOK, vbYes …) for the button that closed the box, or for no button (closed
// with the window's close box or Escape).
int messageBoxAnswer(const QMessageBox& box, const QAbstractButton* clicked);

// "Fichier configuration (*.ini)|*.ini|Tous (*.*)|*.*" to "Fichier configuration (*.ini);;Tous (*)".
QString qtNameFilters(const QString& pipeFilter);

// Custom colour n (0..15) of the colour dialog: the grey RGB(15n, 15n, 15n).
QColor customGrey(int n);

} // namespace ondivel
