#include "bench/main/pending_features.h"

#include "bench/main/program_info.h"
#include "bench/ondivel.h"
#include "bench/scope/auto_settings.h"
#include "core/platform.h"

namespace ondivel {

void RunAutomaticSensitivities(Ondivel& app) {
    AutoSettings(app);
}

} // namespace ondivel
