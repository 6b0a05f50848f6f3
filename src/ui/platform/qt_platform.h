#pragma once
// The operating-system services of the desktop program: Qt dialogs in French, the
// high-resolution counter, sound, the help viewer, standard folders (overridable by
// ONDIVEL_APPDATA_DIR, ONDIVEL_DOCUMENTS_DIR and ONDIVEL_PROGRAM_DIR), the per-user store, the
// administrator's password file (ONDIVEL_ADMIN_PASSWORD_FILE).
#include <functional>
#include <memory>

#include "core/platform.h"

class QPrinter;

namespace ondivel {

class HelpViewer;

class QtPlatform : public Platform {
  public:
    QtPlatform();
    ~QtPlatform() override;

    // The views show a window model modally; installed by the view manager. showModal runs it.
    void setModalRunner(std::function<void(Form&)> runner);
    // The zoom of the panels, which the message boxes and the help window follow above 1 (the
    // view manager tells each change); an open help window is scaled again at once.
    void setDialogZoom(double zoom);

    int messageBox(const std::string& text, int flags, const std::string& title) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> folderDialog(const std::string& title) override;
    std::optional<Color> colorDialog(Color initial) override;
    bool printSetupDialog() override;
    void showModal(Form& form) override;
    void processEvents() override;
    std::int64_t counterValue() override;
    std::int64_t counterFrequency() override;
    double wallClockSeconds() override;
    LocalDateTime localDateTime() override;
    std::string dateTimeText(const LocalDateTime& t) override;
    double random() override;
    bool playSound(const std::string& waveFile) override;
    void beep() override;
    bool launch(const std::string& programOrFileOrUrl) override;
    bool openTextFile(const std::string& path) override;
    void showHelp(const std::string& helpFile, int topic) override;
    bool windowExists(const std::string& title) override;
    void closeWindow(const std::string& title) override;
    bool calculatorAvailable() override;
    void configureToolTips(bool enabled, int widthPixels) override;
    bool showSystemInformation() override;
    std::optional<std::string> logonName() override;
    std::string specialFolder(SpecialFolder folder) override;
    std::string programFolder() override;
    void workArea(int& widthPixels, int& heightPixels) override;
    std::string userSetting(const std::string& section, const std::string& key,
                            const std::string& def) override;
    void setUserSetting(const std::string& section, const std::string& key,
                        const std::string& value) override;
    std::optional<std::string> systemPasswordHash() override;
    bool appendDurably(const std::string& path, const std::string& bytes) override;
    bool moveToTrash(const std::string& path) override;
    std::string networkNameOf(const std::string& folder) override;
    bool download(const std::string& url, const std::string& destination) override;
    bool printPage(const std::function<void(Surface&)>& drawPage) override;
    void clearClipboard() override;
    void setClipboardImage(const Surface& picture) override;
    std::unique_ptr<Surface> createSurface(int widthPixels, int heightPixels) override;
    std::unique_ptr<Surface> createSharperSurface(const Surface& shown, int minWidthPixels) override;
    std::string pngBytes(const Surface& picture) override;
    std::string pdfBytes(const std::function<void(Surface&)>& drawPage, const std::string& title) override;
    std::string pdfDocumentBytes(int pageCount, const std::function<void(Surface&, int)>& drawPage,
                                 const std::string& title, bool landscape) override;

    // The help window once F1 or the help menu opened it, else null.
    HelpViewer* helpViewer() const;
    // The printer chosen in the print set-up dialog, for the printing code.
    QPrinter& printer();

  private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

} // namespace ondivel
