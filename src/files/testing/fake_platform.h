#pragma once
// A scripted operating system for tests and the script harness: queued answers for dialogs, a
// fake counter and clock, queued random numbers, folders under a temporary root, and records of
// everything shown, started, played or asked for.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/platform.h"
#include "core/recording_surface.h"

namespace ondivel {

// Thrown when the program asks something the script did not answer.
class UnansweredQuestion : public PlatformInterrupt {
  public:
    using PlatformInterrupt::PlatformInterrupt;
};

struct ShownMessage {
    std::string text;
    int flags;
    std::string title;
};

class FakePlatform : public Platform {
  public:
    // Folders: program, common application data and common documents live under root.
    explicit FakePlatform(const std::string& root = {});

    int messageBox(const std::string& text, int flags, const std::string& title) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> folderDialog(const std::string& title) override;
    std::optional<Color> colorDialog(Color initial) override;
    bool printSetupDialog() override;
    void showModal(Form& form) override;
    void processEvents() override {}

    std::int64_t counterValue() override { return counter_; }
    std::int64_t counterFrequency() override { return 1'000'000'000; }
    double wallClockSeconds() override { return wallClock_; }
    LocalDateTime localDateTime() override { return now; }
    double random() override;

    bool playSound(const std::string& waveFile) override;
    void beep() override { ++beeps; }

    bool launch(const std::string& target) override;
    bool openTextFile(const std::string& path) override;
    void showHelp(const std::string& helpFile, int topic) override;
    bool windowExists(const std::string& title) override;
    void closeWindow(const std::string& title) override;
    bool calculatorAvailable() override { return calculator; }
    void configureToolTips(bool enabled, int widthPixels) override {
        toolTipsEnabled = enabled;
        toolTipWidth = widthPixels;
    }
    bool showSystemInformation() override {
        ++systemInformationShown;
        return systemInformation;
    }

    std::optional<std::string> logonName() override { return logon; }
    std::string specialFolder(SpecialFolder folder) override;
    std::string programFolder() override { return programDir; }
    void workArea(int& widthPixels, int& heightPixels) override;

    std::string userSetting(const std::string& section, const std::string& key,
                            const std::string& def) override;
    void setUserSetting(const std::string& section, const std::string& key,
                        const std::string& value) override;
    std::optional<std::string> systemPasswordHash() override { return systemPassword; }

    bool appendDurably(const std::string& path, const std::string& bytes) override;
    bool moveToTrash(const std::string& path) override;
    std::string networkNameOf(const std::string& folder) override;

    bool download(const std::string& url, const std::string& destination) override;
    bool printPage(const std::function<void(Surface&)>& drawPage) override;
    void clearClipboard() override { clipboard.reset(); }
    void setClipboardImage(const Surface& picture) override;
    std::unique_ptr<Surface> createSurface(int widthPixels, int heightPixels) override;
    // Scaled-up surfaces from createSurface; the encoded files are small stand-ins (a PNG
    // signature, a "%PDF" header), the picture or page itself kept in `exported`.
    std::unique_ptr<Surface> createSharperSurface(const Surface& shown, int minWidthPixels) override;
    std::string pngBytes(const Surface& picture) override;
    std::string pdfBytes(const std::function<void(Surface&)>& drawPage, const std::string& title) override;
    // Every sheet kept in `exportedPages`, the last one in `exported` too.
    std::string pdfDocumentBytes(int pageCount, const std::function<void(Surface&, int)>& drawPage,
                                 const std::string& title, bool landscape) override;
    // The real bytes: a CSV file is read back by the tests.
    std::string csvBytes(const std::string& text) override;

    // --- scripting ---
    // Answers, consumed in order: message boxes take vbYes/vbNo/vbOK/vbCancel; file and folder
    // dialogs a path or nullopt (cancel); colour dialogs a colour or nullopt.
    std::deque<int> messageAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<Color>> colorAnswers;
    std::deque<double> randomValues; // when empty, random() returns 0.5
    // Runs the script lines of a modal window; without it showModal hides nothing and returns.
    std::function<void(Form&)> modalRunner;

    void advanceSeconds(double seconds);
    std::int64_t counter_ = 0;
    double wallClock_ = 8 * 3600.0; // 08:00, a morning lesson
    LocalDateTime now{2026, 12, 3, 9, 5, 7};

    std::optional<std::string> logon = std::string("eleve1");
    std::string programDir, appDataDir, documentsDir;
    int workWidth = 1280, workHeight = 800;
    bool calculator = false;
    bool systemInformation = true;          // whether the system information can be shown
    std::optional<std::string> versionFile; // content served by download(); nullopt: it fails
    std::vector<std::string> openWindows;   // titles of foreign windows ("Calculatrice")
    // Faults: appends fail (full or unreachable disk); the trash refuses files.
    bool failAppends = false;
    bool failTrash = false;
    std::map<std::string, std::string> networkNames; // local folder → network name
    bool noPrinter = false;                          // printPage fails
    // The administrator's password file: its content, nullopt when there is none.
    std::optional<std::string> systemPassword;

    // --- records ---
    std::vector<ShownMessage> messages;
    std::vector<std::string> launched;
    std::vector<std::string> helpRequests; // "ondivel.chm#3300": file name and topic
    std::vector<std::string> sounds;
    std::vector<std::string> downloads; // addresses asked for
    bool toolTipsEnabled = false;
    int toolTipWidth = 0;
    int systemInformationShown = 0;
    int beeps = 0;
    std::vector<std::string> trashed; // paths moved to the trash
    int durableAppends = 0;
    std::vector<std::string> dialogs; // "open: title", "save: title", "folder: title", "color", "printsetup"
    std::map<std::string, std::string> userSettings; // "section/key" → value
    std::vector<Color> colorDialogStarts;            // the colour each colour dialog started from
    // Pages printed, each drawn on a recording surface of the page's size.
    std::vector<RecordingSurface> printedPages;
    // The clipboard's picture: the lines of its background (the graticule) come first, then the
    // drawings, so that one surface answers every query. Empty once cleared.
    std::optional<RecordingSurface> clipboard;
    int clipboardCopies = 0;
    // Screen exports asked for, "png", "pdf" or "csv", and the last exported picture or page.
    std::vector<std::string> exports;
    std::optional<RecordingSurface> exported;
    // The pages of the last PDF document of several pages (a pupil's worksheet).
    std::vector<RecordingSurface> exportedPages;
    bool failExports = false; // the pictures cannot be encoded
};

} // namespace ondivel
