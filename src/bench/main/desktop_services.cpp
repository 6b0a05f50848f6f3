#include "bench/main/desktop_services.h"

#include "bench/main/program_info.h"
#include "bench/ondivel.h"
#include "core/platform.h"

namespace ondivel {

void ConfigureToolTips(Ondivel& app, bool enabled, int width) {
    app.platform().configureToolTips(enabled, width);
}

void ReleaseToolTips(Ondivel& app) {
    app.platform().configureToolTips(false, kToolTipWidth);
}

void CloseHelpViewer(Ondivel& app) {
    Platform& platform = app.platform();
    if (platform.windowExists(kHelpWindowTitle)) platform.closeWindow(kHelpWindowTitle);
}

void RegisterFileType(Ondivel& app) {
    app.platform().registerFileType(".ond", "Ondivel_File", "Fichier Ondivel");
}

} // namespace ondivel
