#include "sources/bench_setup.h"

#include <random>
#include <string>

#include "core/format.h"
#include "core/user_input.h"
#include "shell/settings_store.h"

namespace ondivel::testing {

namespace fs = std::filesystem;

namespace {
fs::path freshFolder() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "ondivel-";
    if (info) name += std::string(info->test_suite_name()) + "-" + info->name();
    for (char& c : name)
        if (c == '/') c = '_';
    name += "-" + std::to_string(std::random_device{}());
    const fs::path dir = fs::temp_directory_path() / name;
    fs::create_directories(dir);
    return dir;
}
} // namespace

BenchTest::BenchTest()
    : root(freshFolder()), platform(root.string()), app(platform), g(app.g), toolbox(app.frmToolBox()),
      gbfA(app.frmGBFA()), gbfB(app.frmGBFB()) {
    g.FichierConfig = (root / "ConfOND_eleve1.ini").string();
    g.CouleurA = 65535;
    g.CouleurB = 4227072;
}

BenchTest::~BenchTest() {
    std::error_code ec;
    fs::remove_all(root, ec);
}

void BenchTest::startBench() {
    toolbox.Show();
    toolbox.optConnexion[FrmToolBox::kNoneA].setValue(1);
    toolbox.optConnexion[FrmToolBox::kNoneB].setValue(1);
}

FrmGBF& BenchTest::openGbf(int side, double r1, double r2) {
    platform.randomValues = {r1, r2};
    user::click(toolbox.optConnexion[side == SideB ? FrmToolBox::kGbfB : FrmToolBox::kGbfA]);
    return app.frmGBF(side);
}

void BenchTest::switchOnAndPlug(FrmGBF& gbf) {
    user::click(gbf.chkOn);
    user::click(gbf.imgBorne[0]);
    user::click(gbf.imgBorne[1]);
}

bool formatterReady() { return FormatNumber(6, "00.00") == "06.00"; }

bool settingsStoreReady() {
    const fs::path file = fs::temp_directory_path() / ("ondivel-probe-" + std::to_string(std::random_device{}()) + ".ini");
    WriteIniValue(file.string(), "Interface", "PosX Probe", "12");
    const bool ready = ReadIniValue(file.string(), "Interface", "PosX Probe", "0") == "12";
    std::error_code ec;
    fs::remove(file, ec);
    return ready;
}

bool refreshRebuildsChannels() {
    FakePlatform p(fs::temp_directory_path().string());
    Ondivel probe(p);
    probe.mdi().ModeLibre = false;
    probe.g.ExoSignalCH1 = "Carre";
    probe.RefreshDisplay();
    return probe.g.SignalCH1 == "Carre";
}

} // namespace ondivel::testing
