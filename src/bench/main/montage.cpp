#include "bench/main/montage.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/program_info.h"
#include "bench/main/screen_export.h"
#include "bench/meters/frm_chrono.h"
#include "bench/meters/frm_mesures.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_dyn.h"
#include "bench/sources/frm_edf.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/sources/frm_pile.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/format.h"
#include "core/platform.h"
#include "files/text_file.h"

namespace ondivel {

namespace fs = std::filesystem;

const ExampleMontage kExampleMontageList[kExampleMontages] = {
    {"pile.ondm", "Tension continue d'une pile"},
    {"periode_sinus.ondm", "Période et fréquence d'un signal sinusoïdal"},
    {"couplage_ac_dc.ondm", "Couplage AC et DC d'un signal carré décalé"},
    {"somme.ondm", "Somme de deux signaux"},
    {"lissajous.ondm", "Figure de Lissajous"},
    {"spectre_carre.ondm", "Spectre d'un signal carré"},
    {"alternateur.ondm", "Alternateur de bicyclette"},
    {"secteur.ondm", "Tension du secteur"},
};

namespace {

constexpr const char* kErrorTitle = "Ondivel - Erreur";
constexpr const char* kDefaultName = "montage.ondm";

int selectedIndex(const ControlArray& options, int none = 0) {
    for (int i = 0; i < options.size(); ++i)
        if (options[i].isOn()) return i;
    return none;
}

double shown(const Control& c) {
    return c.Visible ? 1 : 0;
}

MontagePlace placeOf(const Form& form) {
    return {form.Left, form.Top};
}

MontageSource wiredSource(const FrmToolBox& toolbox, int side) {
    constexpr int kOptions[2][kMontageSourceCount] = {{0, 1, 2, 3, 4, 5, 12, 14, 16},
                                                      {11, 10, 9, 8, 7, 6, 13, 15, 17}};
    for (int kind = 0; kind < kMontageSourceCount; ++kind)
        if (toolbox.optConnexion[kOptions[side][kind]].isOn()) return static_cast<MontageSource>(kind);
    return MontageSource::None;
}

void captureHarmo(Ondivel& app, MontageHarmo& m, int side) {
    const FrmHarmonique& p = app.frmHarmonique(side);
    m.place = placeOf(p);
    m.on = p.isOn();
    m.range = selectedIndex(p.optGamme, 2);
    m.knob = p.Potentio[0].Value;
    m.fine = p.sldReglage.Value;
    m.amplitude = std::clamp(side == SideB ? app.g.AmplitudeB : app.g.AmplitudeA, 0.0, 12.0);
    m.preset = selectedIndex(p.optSignal, -1);
    for (int i = 0; i < FrmHarmonique::kHarmonics; ++i) {
        m.ampli[i] = p.sldAmpli[i].Value;
        m.phase[i] = p.sldPhase[i].Value;
    }
    m.mean = p.sldX0.Value;
    m.slidersGiven = true;
    m.tab = std::max(0, p.sstHarmo.ListIndex);
    for (int i = 0; i < 2; ++i)
        m.plug[i] = shown(p.imgFiche[i]);
}

void captureSide(Ondivel& app, MontageSide& m, int side) {
    m.wiring = static_cast<double>(wiredSource(app.frmToolBox(), side));
    switch (m.source()) {
    case MontageSource::Gbf: {
        const FrmGBF& p = app.frmGBF(side);
        m.gbf.place = placeOf(p);
        m.gbf.on = p.isOn();
        m.gbf.range = selectedIndex(p.optGamme, 2);
        m.gbf.waveform = selectedIndex(p.optSignal);
        for (int i = 0; i < 4; ++i) {
            m.gbf.knob[i] = p.Potentio[i].Value;
            m.gbf.fine[i] = p.sldReglage[i].Value;
        }
        for (int i = 0; i < 2; ++i)
            m.gbf.plug[i] = shown(p.imgFiche[i]);
        break;
    }
    case MontageSource::Harmonic:
        captureHarmo(app, m.harmo, side);
        break;
    case MontageSource::Supply: {
        const FrmAlim& p = app.frmAlim(side);
        m.alim.place = placeOf(p);
        m.alim.on = p.isOn();
        for (int i = 0; i < 3; ++i) {
            m.alim.knob[i] = p.Potentio[i].Value;
            m.alim.plug[i] = shown(p.imgFiche[i]);
        }
        break;
    }
    case MontageSource::Alternator: {
        const FrmDyn& p = app.frmDyn(side);
        m.dyn.place = placeOf(p);
        for (int i = 0; i < 2; ++i) {
            m.dyn.knob[i] = p.Potentio[i].Value;
            m.dyn.plug[i] = shown(p.imgFiche[i]);
        }
        break;
    }
    case MontageSource::Mains: {
        const FrmEDF& p = app.frmEDF(side);
        m.edf.place = placeOf(p);
        m.edf.world = selectedIndex(p.optWorld);
        for (int i = 0; i < 3; ++i)
            m.edf.plug[i] = shown(p.imgFiche[i]);
        break;
    }
    case MontageSource::Battery15:
    case MontageSource::Battery45:
    case MontageSource::Battery9: {
        const FrmPile& p = app.frmPile(side);
        m.pile.place = placeOf(p);
        m.pile.polarity = p.optPolarite[1].isOn() ? 1 : 0;
        break;
    }
    case MontageSource::None:
        break;
    }
}

// The mode and couplings live in the lights while the oscilloscope is on, and in the settings it
// lights them from while it is off.
void captureScope(Ondivel& app, MontageScope& m) {
    const FrmOndivel& s = app.frmOndivel();
    m.place = placeOf(s);
    m.on = s.isOn();
    if (s.isOn()) {
        m.mode = s.modeIndex() < ModeNone ? s.modeIndex() : 2;
        m.invert = s.lit(s.shpVoie[kInvertLight]);
        for (int c = 0; c < 2; ++c)
            for (int offset = 0; offset < 3; ++offset)
                if (s.couplingLit(c, static_cast<Coupling>(offset))) m.coupling[c] = offset;
    } else {
        const auto stored = [&app](const char* key, const char* def, double low, double high,
                                   double fallback) {
            const double v = Val(app.ReadIni("Interface", key, def));
            return v >= low && v <= high ? std::round(v) - low : fallback;
        };
        m.mode = stored("Mode voie", "2", 0, 4, 2);
        m.invert = app.ReadIni("Interface", "Mode voie -CH2", "0") != "0";
        m.coupling[0] = stored("ACDC CH1", "0", 0, 2, 0);
        m.coupling[1] = stored("ACDC CH2", "3", 3, 5, 0);
    }
    m.fft = s.chkFFT.isOn();
    m.freeRun = s.chkAuto.isOn();
    for (int i = 0; i < 8; ++i)
        m.knob[i] = s.Potentio[i].Value;
    for (int i = 0; i < 3; ++i)
        m.plug[i] = shown(s.imgFiche[i]);
}

void captureMeter(Ondivel& app, MontageMeter& m) {
    const FrmVolt& volt = app.frmVolt();
    const FrmMultiRMS& trms = app.frmMulti_RMS();
    m.open = volt.loaded() || trms.loaded();
    if (!m.open) return;
    m.school = volt.loaded();
    m.position = app.g.PositionSelecteur;
    const Form& meter = m.school ? static_cast<const Form&>(volt) : trms;
    m.place = placeOf(meter);
    const ControlArray& plugs = m.school ? volt.imgFiche : trms.imgFiche;
    for (int i = 0; i < 4; ++i)
        m.plug[i] = shown(plugs[i]);
    m.channel = (m.school ? volt.optVoie[1] : trms.optVoie[1]).isOn() ? 1 : 0;
    if (m.school) return;
    m.automatic = trms.automatic();
    // In automatic mode the label shows the range chosen for the reading; the manual one waits in
    // the settings.
    const std::string range =
        trms.automatic() ? app.ReadIni("Multi TRMS", "Gamme", "60 V") : trms.lblGamme.Caption;
    constexpr const char* kRanges[5] = {"600 mV", "6 V", "60 V", "600 V", "1000 V"};
    for (int i = 0; i < 5; ++i)
        if (range == kRanges[i]) m.range = i;
    m.memory = static_cast<int>(trms.memory());
}

std::string utf8(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

bool sameNoCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string fileNameOf(const std::string& path) {
    return utf8(PathFromUtf8(path).filename());
}

std::string folderOf(const std::string& path) {
    return utf8(PathFromUtf8(path).parent_path());
}

// The file, read whole up to one byte past the limit: a longer one is refused without reading it
// all.
std::optional<std::string> readCapped(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(PathFromUtf8(path), ec)) return std::nullopt;
    std::ifstream in(PathFromUtf8(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(kMontageMaxBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

void showMontageText(Ondivel& app, const std::string& title, const std::string& instruction) {
    MDIOndivel& mdi = app.mdi();
    mdi.TitreMontage = title;
    mdi.ConsigneMontage = instruction;
    mdi.UpdateStatus();
}

} // namespace

std::string ExampleMontageFolder(const Ondivel& app) {
    return utf8(PathFromUtf8(app.programFolder()) / "montages");
}

std::string ExampleMontagePath(const Ondivel& app, int index) {
    return utf8(PathFromUtf8(ExampleMontageFolder(app)) / kExampleMontageList[index].file);
}

Montage CaptureMontage(Ondivel& app) {
    Montage m;
    m.title = app.mdi().TitreMontage;
    m.instruction = app.mdi().ConsigneMontage;
    captureScope(app, m.scope);
    m.toolbox = placeOf(app.frmToolBox());
    for (int side : {SideA, SideB})
        captureSide(app, m.side[side], side);
    if (m.side[SideA].source() != MontageSource::Harmonic && app.frmHarmoniqueA().loaded()) {
        m.harmonicUnwired = true;
        captureHarmo(app, m.side[SideA].harmo, SideA);
    }
    captureMeter(app, m.meter);
    const FrmChrono& chrono = app.frmChrono();
    m.chrono.open = chrono.loaded();
    if (m.chrono.open) {
        m.chrono.place = placeOf(chrono);
        m.chrono.interval = chrono.sldAlarme.Value;
        m.chrono.alarm = shown(chrono.lblAlarme);
    }
    m.mesures = {app.frmMesures().loaded(), placeOf(app.frmMesures())};
    m.curseurs = {app.frmCurseurs().loaded(), placeOf(app.frmCurseurs())};
    if (m.curseurs.open)
        for (int i = 0; i < FrmCurseurs::kCount; ++i)
            m.cursor[i] = app.frmCurseurs().position(i);
    return m;
}

bool OpenMontageFile(Ondivel& app, const std::string& path) {
    Platform& platform = app.platform();
    const std::string name = fileNameOf(path);
    const std::optional<std::string> bytes = readCapped(path);
    if (!bytes) {
        platform.messageBox("Le fichier « " + name + " » ne peut pas être lu : il n'a pas été ouvert.",
                            vbOKOnly | vbExclamation, kErrorTitle);
        return false;
    }
    const MontageReading reading = ReadMontage(*bytes, name);
    if (!reading.ok) {
        platform.messageBox(reading.refusal, vbOKOnly | vbExclamation, kErrorTitle);
        return false;
    }
    MDIOndivel& mdi = app.mdi();
    ApplyMontage(app, reading.montage);
    mdi.montageInitial = reading.montage;
    mdi.FichierMontage = path;
    mdi.Mnu_MontageInitial.Enabled = mdi.ModeLibre;
    showMontageText(app, reading.montage.title, reading.montage.instruction);
    const std::string remarks = MontageRemarks(reading, name);
    if (!remarks.empty()) platform.messageBox(remarks, vbOKOnly | vbInformation, kProgramName);
    return true;
}

void OpenCommandLineFile(Ondivel& app, const std::string& path) {
    if (!app.mdi().ModeLibre || app.mdi().ended()) return;
    if (sameNoCase(utf8(PathFromUtf8(path).extension()), kMontageExtension)) {
        OpenMontageFile(app, path);
        return;
    }
    app.platform().messageBox(
        "« " + fileNameOf(path) +
            " » n'est pas un montage (fichier .ondm) : Ondivel ne l'ouvre pas au démarrage. "
            "Un exercice se fait par « Fichier > Mode évalué ».",
        vbOKOnly | vbInformation, kProgramName);
}

void OpenMontageCommand(Ondivel& app) {
    MDIOndivel& mdi = app.mdi();
    if (!mdi.ModeLibre) return;
    FileDialogRequest request;
    request.title = "Ouvrir un montage";
    request.initialFolder =
        mdi.FichierMontage.empty() ? ExampleMontageFolder(app) : folderOf(mdi.FichierMontage);
    request.filter = kMontageFilter;
    request.mustExist = true;
    const std::optional<std::string> chosen = app.platform().openFileDialog(request);
    if (chosen) OpenMontageFile(app, *chosen);
}

void SaveMontageCommand(Ondivel& app) {
    MDIOndivel& mdi = app.mdi();
    if (!mdi.ModeLibre) return;
    FileDialogRequest request;
    request.title = "Enregistrer le montage";
    // The examples' folder belongs to the installation: a teacher's set-ups go to the shared
    // documents.
    const std::string lastFolder = folderOf(mdi.FichierMontage);
    request.initialFolder = mdi.FichierMontage.empty() || lastFolder == ExampleMontageFolder(app)
                                ? app.g.DossierPartage
                                : lastFolder;
    request.fileName = mdi.FichierMontage.empty() ? kDefaultName : fileNameOf(mdi.FichierMontage);
    request.filter = kMontageFilter;
    std::optional<std::string> chosen = app.platform().saveFileDialog(request);
    if (!chosen) return;
    std::string path = *chosen;
    const std::string extension = utf8(PathFromUtf8(path).extension());
    if (!sameNoCase(extension, kMontageExtension)) path += kMontageExtension;
    if (const auto refusal = WriteExport(path, MontageBytes(CaptureMontage(app)))) {
        app.platform().messageBox(*refusal, vbOKOnly | vbExclamation, kErrorTitle);
        return;
    }
    mdi.FichierMontage = path;
}

void MontageInitialCommand(Ondivel& app) {
    MDIOndivel& mdi = app.mdi();
    if (!mdi.ModeLibre || !mdi.montageInitial) return;
    ApplyMontage(app, *mdi.montageInitial);
    showMontageText(app, mdi.montageInitial->title, mdi.montageInitial->instruction);
}

} // namespace ondivel
