#pragma once
// Every operating-system service the program asks for. QtPlatform serves the desktop program;
// FakePlatform serves the tests and the script harness with scripted answers and a fake clock.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/color.h"

namespace ondivel {

class Form;
class Surface;

// Message-box flags and answers of the classic toolkit.
enum MsgBoxFlags : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbSystemModal = 4096,
    vbMsgBoxSetForeground = 65536,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// Raised when the platform cannot give an answer the program asked for (a script that queued
// none). Error traps of the program let it through instead of reporting it as their own error.
class PlatformInterrupt : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class SpecialFolder { CommonAppData = 35, CommonDocuments = 46 };

// Local calendar date and time of day.
struct LocalDateTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

struct FileDialogRequest {
    std::string title;
    std::string initialFolder;
    std::string fileName;
    std::string filter; // "Fichier configuration (*.ini)|*.ini"
    bool mustExist = false;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // Dialogs. messageBox returns one of MsgBoxResult.
    virtual int messageBox(const std::string& text, int flags, const std::string& title) = 0;
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> folderDialog(const std::string& title) = 0;
    virtual std::optional<Color> colorDialog(Color initial) = 0;
    virtual bool printSetupDialog() = 0;
    // Returns when the form is hidden or unloaded.
    virtual void showModal(Form& form) = 0;
    // Lets pending window messages run (the classic DoEvents).
    virtual void processEvents() = 0;

    // Time.
    virtual std::int64_t counterValue() = 0;     // high-resolution counter, counts
    virtual std::int64_t counterFrequency() = 0; // counts per second
    virtual double wallClockSeconds() = 0;       // seconds since midnight
    virtual LocalDateTime localDateTime() = 0;
    // The date and time as the user's system writes them (short date, long time).
    virtual std::string dateTimeText(const LocalDateTime& t);
    // Uniform random number in [0, 1).
    virtual double random() = 0;

    // Sound.
    virtual bool playSound(const std::string& waveFile) = 0;
    virtual void beep() = 0;

    // Programs, documents, help.
    virtual bool launch(const std::string& programOrFileOrUrl) = 0;
    // Opens a plain file in the desktop's text editor, the path as one argument: never runs it,
    // whatever its mode or first line. False when it is not a plain file or no editor started.
    virtual bool openTextFile(const std::string& path) = 0;
    virtual void showHelp(const std::string& helpFile, int topic) = 0;
    virtual bool windowExists(const std::string& title) = 0;
    virtual void closeWindow(const std::string& title) = 0;
    // Whether "Calc.exe" can start a calculator here.
    virtual bool calculatorAvailable() { return false; }
    // Tooltips on or off; long ones wrap past widthPixels.
    virtual void configureToolTips(bool enabled, int widthPixels) { (void)enabled, (void)widthPixels; }
    // Shows what the system is made of (for the About box); false when it cannot.
    virtual bool showSystemInformation() { return false; }
    // Lets the desktop open files of the extension (".ond") with a text editor. Where the type is
    // installed with the program, there is nothing left to do.
    virtual void registerFileType(const std::string& extension, const std::string& typeName,
                                  const std::string& description) {
        (void)extension, (void)typeName, (void)description;
    }

    // Identity, folders, screen.
    virtual std::optional<std::string> logonName() = 0;
    virtual std::string specialFolder(SpecialFolder folder) = 0; // "" when unknown
    virtual std::string programFolder() = 0;
    virtual void workArea(int& widthPixels, int& heightPixels) = 0;
    virtual int twipsPerPixel() { return 15; }

    // Per-user application settings (teacher password).
    virtual std::string userSetting(const std::string& section, const std::string& key,
                                    const std::string& def) = 0;
    virtual void setUserSetting(const std::string& section, const std::string& key,
                                const std::string& value) = 0;
    // The teacher password a school administrator fixed for every account of the computer, in a
    // system-wide file pupils cannot write: its hash, "" when the file exists but cannot be read
    // (which then unlocks nothing), nullopt when there is no such file.
    virtual std::optional<std::string> systemPasswordHash() { return std::nullopt; }

    // Files that must survive a crash: appends the bytes in one write (so that two programs
    // appending to the same file interleave whole writes), then waits until they are on disk.
    // Creates the file when missing; false when it cannot be written.
    virtual bool appendDurably(const std::string& path, const std::string& bytes) = 0;
    // Moves a file to the desktop's trash, where the user can still recover it.
    virtual bool moveToTrash(const std::string& path) = 0;
    // The network name of a folder reached through a mapped drive, "" for a local folder.
    virtual std::string networkNameOf(const std::string&) { return {}; }

    // Small file download for the new-version notice; false when it fails.
    virtual bool download(const std::string& url, const std::string& destination) = 0;

    // Printer and clipboard. printPage draws one page on the printer of the print set-up through
    // a surface covering the printable area (the drawing sets its scale; the surface keeps it
    // undistorted and centred); false when no printer took the page.
    virtual bool printPage(const std::function<void(Surface&)>& drawPage) = 0;
    virtual void clearClipboard() = 0;
    // Puts a copy of a surface's current picture on the clipboard as an image.
    virtual void setClipboardImage(const Surface& picture) = 0;

    // A drawing surface for a picture of a window model.
    virtual std::unique_ptr<Surface> createSurface(int widthPixels, int heightPixels) = 0;

    // Screen export. A picture painted like `shown` (the same size in the user's eyes: texts and
    // pens keep their size against the picture) on at least minWidthPixels device pixels across.
    virtual std::unique_ptr<Surface> createSharperSurface(const Surface& shown, int minWidthPixels) = 0;
    // A surface's picture as the bytes of a PNG file; empty when it cannot be encoded.
    virtual std::string pngBytes(const Surface& picture) = 0;
    // A one-page vector PDF document drawn through `drawPage`, which sets the scale, as printPage
    // draws on paper; empty when it cannot be made.
    virtual std::string pdfBytes(const std::function<void(Surface&)>& drawPage, const std::string& title) = 0;
    // A vector PDF document of `pageCount` A4 sheets, page i (from 0) drawn by drawPage(surface, i)
    // on a fresh surface as pdfBytes draws its one page; `landscape` turns the sheets across. Empty
    // when it cannot be made.
    virtual std::string pdfDocumentBytes(int pageCount, const std::function<void(Surface&, int)>& drawPage,
                                         const std::string& title, bool landscape) = 0;
    // A table's text as the bytes of a CSV file: UTF-8 behind a byte-order mark, without which
    // spreadsheets take it for the system's 8-bit code page. Virtual for a test platform's records.
    virtual std::string csvBytes(const std::string& text);
};

} // namespace ondivel
