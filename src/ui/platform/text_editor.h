#pragma once
// Finds the desktop's text editor for text/plain and the command line that opens one file in it.
// Results and tips files live where pupils can write; they are only ever handed to an editor as
// one argument, never opened with the desktop's "open" action (which runs a script or follows a
// launcher it finds there).
#include <QString>
#include <QStringList>

namespace ondivel {

// The command line of a desktop entry's Exec value for one file: quoting and escapes as the
// desktop-entry rules give them, %f/%F replaced by the path and %u/%U by its file URL, each one
// whole argument; other field codes dropped; the path appended when the entry names none. Empty
// when the value cannot be read.
QStringList commandForDesktopExec(const QString& exec, const QString& file);

// The desktop entry ids (such as "org.gnome.TextEditor.desktop") the user's and the system's
// mimeapps.list files name as defaults for text/plain, in their order of precedence.
QStringList defaultTextEditorEntries();

// The command line that opens the file in a text editor: the desktop's default for text/plain
// when it is a graphical program found on this machine, else the first of `fallbacks` on the
// PATH. Empty when there is none.
QStringList textEditorCommand(const QString& file, const QStringList& fallbacks);

// Graphical text editors of the usual desktops, tried when no default is set.
QStringList defaultTextEditors();

} // namespace ondivel
