#pragma once
// What the About box's "Infos système..." shows: the operating system, the Qt version, the
// screens and the folders the program uses, in a small dialog whose text can be copied into a
// message to the maker.
#include <QString>

class QWidget;

namespace ondivel {

// The lines shown, one fact a line ("Système : Debian GNU/Linux 12 (bookworm)").
QString systemInformationText(const QString& programFolder);

void showSystemInformationDialog(const QString& programFolder, QWidget* parent = nullptr);

} // namespace ondivel
