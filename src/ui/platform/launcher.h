#pragma once
// Starts what the program asks the shell for: web addresses and documents with the desktop's
// default application, the text editor for "NotePad.exe <file>", the desktop's calculator for
// "Calc.exe", and any other program detached. Programs are remembered by window title
// ("Calculatrice" for the calculator, else the program's base name) so that the program can ask
// whether that window still exists and close it. Used by QtPlatform.
#include <QString>
#include <QStringList>
#include <map>

namespace ondivel {

class Launcher {
  public:
    // calculators: command lines tried in turn for "Calc.exe" (the first that starts wins).
    explicit Launcher(QStringList calculators = defaultCalculators());
    ~Launcher();

    static QStringList defaultCalculators();
    static const QString& calculatorTitle();

    // True when one of the calculator command lines names a program on the PATH.
    bool calculatorAvailable() const;
    // False when nothing could be started or opened.
    bool launch(const QString& target);
    // True while a program started under that title is still running.
    bool windowExists(const QString& title);
    // Asks the program started under that title to end.
    void closeWindow(const QString& title);

  private:
    bool startProgram(const QString& commandLine, const QString& title);

    QStringList calculators_;
    std::map<QString, qint64> running_; // title -> process id
};

} // namespace ondivel
