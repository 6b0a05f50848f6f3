#include "shell/pending_features.h"

#include "bench/ondivel.h"
#include "core/platform.h"
#include "scope/auto_settings.h"
#include "shell/program_info.h"

namespace ondivel {

void RunAutomaticSensitivities(Ondivel& app) {
    AutoSettings(app);
}

} // namespace ondivel
