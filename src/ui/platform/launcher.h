#pragma once
// Starts what the program asks the shell for: web addresses with the desktop's browser, the text
// editor for a text file (also as "NotePad.exe <file>"), the desktop's calculator for "Calc.exe".
// Nothing else is started: the strings come from files a pupil may write, so a file is only ever
// one argument of a text editor, never run nor opened with the desktop's "open" action. Programs
// are remembered by window title ("Calculatrice" for the calculator) so that the program can ask
// whether that window still exists and close it. Used by QtPlatform.
#include <QString>
#include <QStringList>
#include <map>

namespace ondivel {

class Launcher {
  public:
    // calculators: command lines tried in turn for "Calc.exe" (the first that starts wins).
    // editors: text editors tried in turn when the desktop names no default for text/plain.
    explicit Launcher(QStringList calculators = defaultCalculators(), QStringList editors = defaultEditors());
    ~Launcher();

    static QStringList defaultCalculators();
    static QStringList defaultEditors();
    static const QString& calculatorTitle();

    // True when one of the calculator command lines names a program on the PATH.
    bool calculatorAvailable() const;
    // False when nothing could be started or opened.
    bool launch(const QString& target);
    // Opens a plain file in the text editor, the path as one argument; false when it is not a
    // plain file or no editor could start.
    bool openTextFile(const QString& path);
    // True while a program started under that title is still running.
    bool windowExists(const QString& title);
    // Asks the program started under that title to end.
    void closeWindow(const QString& title);

  private:
    bool startProgram(const QString& commandLine, const QString& title);

    QStringList calculators_;
    QStringList editors_;
    std::map<QString, qint64> running_; // title -> process id
};

} // namespace ondivel
