#pragma once
// How ondivel-tour embeds the scenario runner: each scenario's application gets real Qt windows
// over TeeSurfaces on the offscreen platform, and each `shot NAME` saves the main window as
// DIR/NAME.png.
#include <QPixmap>
#include <filesystem>
#include <memory>
#include <string>

#include "script/hooks.h"

namespace ondivel {
class ViewManager;
}

namespace ondivel::tour {

class TourHooks : public script::ScenarioHooks {
  public:
    explicit TourHooks(std::filesystem::path outDir);
    ~TourHooks() override;

    std::unique_ptr<FakePlatform> makePlatform(const std::filesystem::path& root) override;
    void applicationCreated(Ondivel& app) override;
    void start(Ondivel& app) override;
    void lineDone(Ondivel& app) override;
    void shot(Ondivel& app, const std::string& name, const std::string& window) override;
    void scenarioFinished(Ondivel& app, const script::Scenario& scenario) override;

    int shotsSaved() const { return saved_; }
    int shotsFailed() const { return failed_; }

  private:
    QPixmap windowPicture(Ondivel& app, const std::string& window) const;

    std::filesystem::path out_;
    std::unique_ptr<ViewManager> views_;
    int saved_ = 0;
    int failed_ = 0;
};

} // namespace ondivel::tour
