#include "files/montage_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <set>

#include "core/format.h"
#include "core/win1252.h"
#include "files/ini_document.h"

namespace ondivel {

namespace {

// Keeps panels inside a screen of some 6000 pixels whatever the file says.
constexpr double kMaxTwips = 90000;
constexpr std::size_t kRemarksShown = 12;

constexpr const char* kSourceCaptions[kMontageSourceCount] = {"Aucune alimentation",
                                                              "GBF",
                                                              "Alimentation stabilisée",
                                                              "Pile 1,5 V",
                                                              "Pile 4,5 V",
                                                              "Pile 9 V",
                                                              "Prise secteur",
                                                              "Alternateur bicyclette",
                                                              "Générateur harmoniques"};

enum class Kind { Number, Choice, Text };

struct Section {
    std::string name;
    // Whether the section describes something of this set-up (a panel open, a source wired).
    std::function<bool(const Montage&)> relevant;
    // Why a known section was left aside, for the message.
    std::string whyIgnored;
};

struct Field {
    int section = 0;
    std::string key;
    Kind kind = Kind::Number;
    double min = 0, max = 0;
    bool integral = false;
    std::vector<std::string> choices;
    std::function<double&(Montage&)> number;
    std::function<std::string&(Montage&)> text;
};

struct Schema {
    std::vector<Section> sections;
    std::vector<Field> fields;
};

bool isBattery(MontageSource s) {
    return s == MontageSource::Battery15 || s == MontageSource::Battery45 || s == MontageSource::Battery9;
}

std::string indexed(const std::string& control, int i) {
    return control + "(" + std::to_string(i) + ")";
}

// The table of sections and keys, built once.
class SchemaBuilder {
  public:
    Schema schema;

    int section(std::string name, std::function<bool(const Montage&)> relevant, std::string why = {}) {
        schema.sections.push_back({std::move(name), std::move(relevant), std::move(why)});
        return static_cast<int>(schema.sections.size()) - 1;
    }
    void number(int s, std::string key, double min, double max, bool integral,
                std::function<double&(Montage&)> at) {
        Field f;
        f.section = s;
        f.key = std::move(key);
        f.kind = Kind::Number;
        f.min = min;
        f.max = max;
        f.integral = integral;
        f.number = std::move(at);
        schema.fields.push_back(std::move(f));
    }
    void flag(int s, std::string key, std::function<double&(Montage&)> at) {
        number(s, std::move(key), 0, 1, true, std::move(at));
    }
    void choice(int s, std::string key, std::vector<std::string> choices,
                std::function<double&(Montage&)> at) {
        Field f;
        f.section = s;
        f.key = std::move(key);
        f.kind = Kind::Choice;
        f.min = 0;
        f.max = static_cast<double>(choices.size()) - 1;
        f.integral = true;
        f.choices = std::move(choices);
        f.number = std::move(at);
        schema.fields.push_back(std::move(f));
    }
    void text(int s, std::string key, std::function<std::string&(Montage&)> at) {
        Field f;
        f.section = s;
        f.key = std::move(key);
        f.kind = Kind::Text;
        f.text = std::move(at);
        schema.fields.push_back(std::move(f));
    }
    void place(int s, std::function<MontagePlace&(Montage&)> at) {
        number(s, "PosX", 0, kMaxTwips, false, [at](Montage& m) -> double& { return at(m).left; });
        number(s, "PosY", 0, kMaxTwips, false, [at](Montage& m) -> double& { return at(m).top; });
    }
    void plugs(int s, int count, std::function<double*(Montage&)> at) {
        for (int i = 0; i < count; ++i)
            flag(s, indexed("imgFiche", i), [at, i](Montage& m) -> double& { return at(m)[i]; });
    }
};

void addSide(SchemaBuilder& b, int side) {
    const std::string letter = side == 0 ? "A" : "B";
    const std::string channel = side == 0 ? "CH1" : "CH2";
    const auto wired = [side](MontageSource kind) {
        return [side, kind](const Montage& m) { return m.side[side].source() == kind; };
    };
    const std::string why = "la boîte à outils ne branche pas ce panneau sur la voie " + channel;
    const auto at = [side](Montage& m) -> MontageSide& { return m.side[side]; };

    const int gbf = b.section("frmGBF" + letter, wired(MontageSource::Gbf), why);
    b.place(gbf, [at](Montage& m) -> MontagePlace& { return at(m).gbf.place; });
    b.flag(gbf, "chkOn", [at](Montage& m) -> double& { return at(m).gbf.on; });
    b.number(gbf, "optGamme", 0, 5, true, [at](Montage& m) -> double& { return at(m).gbf.range; });
    b.number(gbf, "optSignal", 0, 2, true, [at](Montage& m) -> double& { return at(m).gbf.waveform; });
    constexpr double kGbfMax[4] = {1200, 12000, 100, 200};
    for (int i = 0; i < 4; ++i)
        b.number(gbf, indexed("Potentio", i), 0, kGbfMax[i], false,
                 [at, i](Montage& m) -> double& { return at(m).gbf.knob[i]; });
    for (int i = 0; i < 4; ++i)
        b.number(gbf, indexed("sldReglage", i), -10, 10, true,
                 [at, i](Montage& m) -> double& { return at(m).gbf.fine[i]; });
    b.plugs(gbf, 2, [at](Montage& m) { return at(m).gbf.plug; });

    const auto harmonicShown = [side](const Montage& m) {
        return m.side[side].source() == MontageSource::Harmonic || (side == 0 && m.harmonicUnwired);
    };
    const int harmo = b.section("frmHarmonique" + letter, harmonicShown, why);
    b.place(harmo, [at](Montage& m) -> MontagePlace& { return at(m).harmo.place; });
    b.flag(harmo, "chkOn", [at](Montage& m) -> double& { return at(m).harmo.on; });
    b.number(harmo, "optGamme", 0, 5, true, [at](Montage& m) -> double& { return at(m).harmo.range; });
    b.number(harmo, "Potentio(0)", 0, 1200, false, [at](Montage& m) -> double& { return at(m).harmo.knob; });
    b.number(harmo, "sldReglage", -10, 10, true, [at](Montage& m) -> double& { return at(m).harmo.fine; });
    b.number(harmo, "Amplitude", 0, 12, false, [at](Montage& m) -> double& { return at(m).harmo.amplitude; });
    b.number(harmo, "optSignal", -1, 4, true, [at](Montage& m) -> double& { return at(m).harmo.preset; });
    for (int i = 0; i < 20; ++i)
        b.number(harmo, indexed("sldAmpli", i), -1000, 0, true,
                 [at, i](Montage& m) -> double& { return at(m).harmo.ampli[i]; });
    for (int i = 0; i < 20; ++i)
        b.number(harmo, indexed("sldPhase", i), -2, 2, true,
                 [at, i](Montage& m) -> double& { return at(m).harmo.phase[i]; });
    b.number(harmo, "sldX0", -100, 100, true, [at](Montage& m) -> double& { return at(m).harmo.mean; });
    b.number(harmo, "sstHarmo", 0, 1, true, [at](Montage& m) -> double& { return at(m).harmo.tab; });
    b.plugs(harmo, 2, [at](Montage& m) { return at(m).harmo.plug; });

    const int alim = b.section("frmAlim" + letter, wired(MontageSource::Supply), why);
    b.place(alim, [at](Montage& m) -> MontagePlace& { return at(m).alim.place; });
    b.flag(alim, "chkOnOff", [at](Montage& m) -> double& { return at(m).alim.on; });
    constexpr double kAlimMax[3] = {3000, 20, 100};
    for (int i = 0; i < 3; ++i)
        b.number(alim, indexed("Potentio", i), 0, kAlimMax[i], false,
                 [at, i](Montage& m) -> double& { return at(m).alim.knob[i]; });
    b.plugs(alim, 3, [at](Montage& m) { return at(m).alim.plug; });

    const int pile = b.section(
        "frmPile" + letter, [side](const Montage& m) { return isBattery(m.side[side].source()); }, why);
    b.place(pile, [at](Montage& m) -> MontagePlace& { return at(m).pile.place; });
    b.number(pile, "optPolarite", 0, 1, true, [at](Montage& m) -> double& { return at(m).pile.polarity; });

    const int edf = b.section("frmEDF" + letter, wired(MontageSource::Mains), why);
    b.place(edf, [at](Montage& m) -> MontagePlace& { return at(m).edf.place; });
    b.number(edf, "optWorld", 0, 2, true, [at](Montage& m) -> double& { return at(m).edf.world; });
    b.plugs(edf, 3, [at](Montage& m) { return at(m).edf.plug; });

    const int dyn = b.section("frmDyn" + letter, wired(MontageSource::Alternator), why);
    b.place(dyn, [at](Montage& m) -> MontagePlace& { return at(m).dyn.place; });
    b.number(dyn, "Potentio(0)", 0, 2500, false, [at](Montage& m) -> double& { return at(m).dyn.knob[0]; });
    b.number(dyn, "Potentio(1)", 0, 200, false, [at](Montage& m) -> double& { return at(m).dyn.knob[1]; });
    b.plugs(dyn, 2, [at](Montage& m) { return at(m).dyn.plug; });
}

void addMeter(SchemaBuilder& b, bool school) {
    const int s = b.section(
        school ? "frmVolt" : "frmMulti_RMS",
        [school](const Montage& m) { return m.meter.open && m.meter.school == school; },
        "un seul multimètre est ouvert à la fois");
    b.place(s, [](Montage& m) -> MontagePlace& { return m.meter.place; });
    b.number(s, "imgSelecteur", 0, school ? 15 : 7, true,
             [](Montage& m) -> double& { return m.meter.position; });
    b.number(s, "optVoie", 0, 1, true, [](Montage& m) -> double& { return m.meter.channel; });
    b.plugs(s, 4, [](Montage& m) { return m.meter.plug; });
    if (school) return;
    b.flag(s, "AUTO", [](Montage& m) -> double& { return m.meter.automatic; });
    b.choice(s, "Gamme", {"600 mV", "6 V", "60 V", "600 V", "1000 V"},
             [](Montage& m) -> double& { return m.meter.range; });
    b.choice(s, "MIN MAX", {"Arrêt", "MAX", "MIN"}, [](Montage& m) -> double& { return m.meter.memory; });
}

Schema buildSchema() {
    SchemaBuilder b;
    const auto always = [](const Montage&) { return true; };
    const int head = b.section("Montage", always);
    b.text(head, "Titre", [](Montage& m) -> std::string& { return m.title; });
    b.text(head, "Consigne", [](Montage& m) -> std::string& { return m.instruction; });

    const int scope = b.section("frmOndivel", always);
    const auto sc = [](Montage& m) -> MontageScope& { return m.scope; };
    b.place(scope, [sc](Montage& m) -> MontagePlace& { return sc(m).place; });
    b.flag(scope, "chkOn", [sc](Montage& m) -> double& { return sc(m).on; });
    b.choice(scope, "Mode voie", {"CH1", "CH2", "DUAL", "ADD", "XY"},
             [sc](Montage& m) -> double& { return sc(m).mode; });
    b.flag(scope, "-CH2", [sc](Montage& m) -> double& { return sc(m).invert; });
    b.choice(scope, "ACDC CH1", {"AC", "DC", "GND"},
             [sc](Montage& m) -> double& { return sc(m).coupling[0]; });
    b.choice(scope, "ACDC CH2", {"AC", "DC", "GND"},
             [sc](Montage& m) -> double& { return sc(m).coupling[1]; });
    b.flag(scope, "chkFFT", [sc](Montage& m) -> double& { return sc(m).fft; });
    b.flag(scope, "chkAuto", [sc](Montage& m) -> double& { return sc(m).freeRun; });
    constexpr double kScopeMax[8] = {20, 5, 1800, 1400, 1400, 17, 13, 13};
    for (int i = 0; i < 8; ++i)
        b.number(scope, indexed("Potentio", i), 0, kScopeMax[i], false,
                 [sc, i](Montage& m) -> double& { return sc(m).knob[i]; });
    b.plugs(scope, 3, [sc](Montage& m) { return sc(m).plug; });

    const int toolbox = b.section("frmToolBox", always);
    b.place(toolbox, [](Montage& m) -> MontagePlace& { return m.toolbox; });
    const std::vector<std::string> sources(std::begin(kSourceCaptions), std::end(kSourceCaptions));
    for (int side = 0; side < 2; ++side)
        b.choice(toolbox, side == 0 ? "Source CH1" : "Source CH2", sources,
                 [side](Montage& m) -> double& { return m.side[side].wiring; });

    addSide(b, 0);
    addSide(b, 1);
    addMeter(b, false);
    addMeter(b, true);

    const int chrono = b.section("frmChrono", [](const Montage& m) { return m.chrono.open; });
    b.place(chrono, [](Montage& m) -> MontagePlace& { return m.chrono.place; });
    b.number(chrono, "sldAlarme", 1, 10, true, [](Montage& m) -> double& { return m.chrono.interval; });
    b.flag(chrono, "chkAlarme", [](Montage& m) -> double& { return m.chrono.alarm; });

    const int mesures = b.section("frmMesures", [](const Montage& m) { return m.mesures.open; });
    b.place(mesures, [](Montage& m) -> MontagePlace& { return m.mesures.place; });
    const int curseurs = b.section("frmCurseurs", [](const Montage& m) { return m.curseurs.open; });
    b.place(curseurs, [](Montage& m) -> MontagePlace& { return m.curseurs.place; });
    // Keyed by the captions of the panel's cursor buttons; the screen is ±5 divisions wide and ±4
    // high.
    constexpr const char* kCursorKeys[4] = {"t1", "t2", "V1", "V2"};
    for (int i = 0; i < 4; ++i)
        b.number(curseurs, kCursorKeys[i], i < 2 ? -500 : -400, i < 2 ? 500 : 400, false,
                 [i](Montage& m) -> double& { return m.cursor[i]; });
    return std::move(b.schema);
}

const Schema& schema() {
    static const Schema s = buildSchema();
    return s;
}

// A number as a teacher may type it: optional sign, digits with "." or ",", optional exponent,
// nothing else. Infinities and NaN are no numbers.
bool parseNumber(std::string_view text, double& out) {
    std::string t(text);
    for (char& c : t)
        if (c == ',') c = '.';
    const char* first = t.data();
    const char* last = t.data() + t.size();
    if (first != last && *first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, last, out, std::chars_format::general);
    return ec == std::errc() && end == last && std::isfinite(out);
}

// The first `limit` characters of UTF-8 text.
std::string cutUtf8(const std::string& text, std::size_t limit, bool& cut) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (count++ == limit) {
            cut = true;
            return text.substr(0, i);
        }
    }
    cut = false;
    return text;
}

std::string shown(const std::string& text) {
    bool cut = false;
    const std::string start = cutUtf8(text, 30, cut);
    return "« " + start + (cut ? "…" : "") + " »";
}

// Puts one value read from the file into the set-up; a remark when it had to be changed.
void readValue(const Field& f, const std::string& section, const std::string& raw, Montage& m,
               MontageReading& r) {
    const std::string where = "[" + section + "] " + f.key;
    if (f.kind == Kind::Text) {
        bool cut = false;
        f.text(m) = cutUtf8(raw, kMontageTextMax, cut);
        if (cut)
            r.corrected.push_back(where + " : coupé à " + std::to_string(kMontageTextMax) + " caractères");
        return;
    }
    double& target = f.number(m);
    if (f.kind == Kind::Choice) {
        for (std::size_t i = 0; i < f.choices.size(); ++i) {
            if (IniDocument::sameName(raw, f.choices[i])) {
                target = static_cast<double>(i);
                return;
            }
        }
        r.corrected.push_back(where + " : " + shown(raw) + " n'est pas un choix possible, laissé à " +
                              f.choices[static_cast<std::size_t>(target)]);
        return;
    }
    double v = 0;
    if (!parseNumber(raw, v)) {
        r.corrected.push_back(where + " : " + shown(raw) + " n'est pas un nombre, laissé à " +
                              NumberText(target));
        return;
    }
    double kept = std::clamp(v, f.min, f.max);
    if (f.integral) kept = std::round(kept);
    if (kept != v) r.corrected.push_back(where + " : " + NumberText(v) + " ramené à " + NumberText(kept));
    target = kept;
}

const Section* findSection(const std::string& name, int& index) {
    const auto& sections = schema().sections;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (IniDocument::sameName(sections[i].name, name)) {
            index = static_cast<int>(i);
            return &sections[i];
        }
    }
    return nullptr;
}

const Field* findField(int section, const std::string& key) {
    for (const Field& f : schema().fields)
        if (f.section == section && IniDocument::sameName(f.key, key)) return &f;
    return nullptr;
}

void listOnce(std::vector<std::string>& list, std::set<std::string>& seen, const std::string& text) {
    if (seen.insert(text).second) list.push_back(text);
}

// Plugs that cannot stand together on the panels: the supply has one signal plug, the socket's
// lead two plugs, a meter one measuring plug.
void settlePlugs(Montage& m, MontageReading& r) {
    for (int side = 0; side < 2; ++side) {
        const std::string letter = side == 0 ? "A" : "B";
        MontageSide& s = m.side[side];
        if (s.source() == MontageSource::Supply && s.alim.plug[0] != 0 && s.alim.plug[1] != 0) {
            s.alim.plug[0] = 0;
            r.corrected.push_back("[frmAlim" + letter +
                                  "] imgFiche(0) : une seule fiche de signal, celle de POS est gardée");
        }
        if (s.source() == MontageSource::Mains && s.edf.plug[0] != 0 && s.edf.plug[1] != 0 &&
            s.edf.plug[2] != 0) {
            s.edf.plug[2] = 0;
            r.corrected.push_back(
                "[frmEDF" + letter +
                "] imgFiche(2) : le cordon n'a que deux fiches, celle de la terre est retirée");
        }
    }
    if (!m.meter.open) return;
    const char* meter = m.meter.school ? "[frmVolt] " : "[frmMulti_RMS] ";
    for (int i = 1; i < 3; ++i) {
        for (int j = 0; j < i; ++j) {
            if (m.meter.plug[i] != 0 && m.meter.plug[j] != 0) {
                m.meter.plug[i] = 0;
                r.corrected.push_back(meter + indexed("imgFiche", i) +
                                      " : une seule fiche de mesure, la première est gardée");
            }
        }
    }
}

} // namespace

const char* MontageSourceCaption(MontageSource source) {
    const int i = static_cast<int>(source);
    return i >= 0 && i < kMontageSourceCount ? kSourceCaptions[i] : kSourceCaptions[0];
}

MontageReading ReadMontage(std::string_view bytes, const std::string& name) {
    MontageReading r;
    const std::string notMontage =
        "Le fichier « " + name + " » n'est pas un montage Ondivel : il n'a pas été ouvert.";
    if (bytes.size() > kMontageMaxBytes) {
        r.refusal = "Le fichier « " + name + " » est trop grand pour être un montage Ondivel (plus de " +
                    std::to_string(kMontageMaxBytes / 1024) + " Ko) : il n'a pas été ouvert.";
        return r;
    }
    const IniDocument doc = IniDocument::fromBytes(bytes);
    const std::optional<std::string> version =
        doc.rewritable() ? doc.value("Montage", "Version") : std::nullopt;
    double number = 0;
    if (!version || !parseNumber(*version, number) || number < 1 || number != std::floor(number)) {
        r.refusal = notMontage;
        return r;
    }
    if (number > kMontageVersion) {
        r.refusal = "Le montage « " + name + " » vient d'une version plus récente d'Ondivel (format " +
                    NumberText(number) + ", celle-ci lit le format " + std::to_string(kMontageVersion) +
                    ") : il n'a pas été ouvert.";
        return r;
    }

    const std::vector<IniDocument::Item> items = doc.items();
    Montage& m = r.montage;
    // The panels open by the sections present; the wiring first, since it says which source
    // sections count.
    bool meterSeen = false;
    for (const IniDocument::Item& item : items) {
        if (!item.header) continue;
        int index = -1;
        const Section* s = findSection(item.section, index);
        if (!s) continue;
        if ((s->name == "frmMulti_RMS" || s->name == "frmVolt") && !meterSeen) {
            meterSeen = true;
            m.meter.open = true;
            m.meter.school = s->name == "frmVolt";
            if (m.meter.school) m.meter.position = 15; // its OFF position
        }
        if (s->name == "frmChrono") m.chrono.open = true;
        if (s->name == "frmMesures") m.mesures.open = true;
        if (s->name == "frmCurseurs") m.curseurs.open = true;
        // Open from the menu unless the wiring, read next, makes it CH1's source.
        if (s->name == "frmHarmoniqueA") m.harmonicUnwired = true;
    }
    std::set<std::string> seen;
    const auto pass = [&](bool toolbox) {
        for (const IniDocument::Item& item : items) {
            int index = -1;
            const Section* s = findSection(item.section, index);
            if ((s && s->name == "frmToolBox") != toolbox) continue;
            if (!s) {
                if (item.header || item.section.empty())
                    listOnce(r.ignored, seen,
                             item.section.empty() ? item.key + " (hors section)" : "[" + item.section + "]");
                continue;
            }
            if (!s->relevant(m)) {
                listOnce(r.ignored, seen, "[" + s->name + "] (" + s->whyIgnored + ")");
                continue;
            }
            if (item.header) continue;
            if (s->name == "Montage" && IniDocument::sameName(item.key, "Version")) continue;
            const Field* f = findField(index, item.key);
            if (!f) {
                listOnce(r.ignored, seen, "[" + s->name + "] " + item.key);
                continue;
            }
            readValue(*f, s->name, item.value, m, r);
            if (s->name.starts_with("frmHarmonique") && f->key.starts_with("sld") && f->key != "sldReglage")
                m.side[s->name.ends_with('B') ? 1 : 0].harmo.slidersGiven = true;
        }
    };
    pass(true);
    if (m.side[0].source() == MontageSource::Harmonic) m.harmonicUnwired = false;
    pass(false);
    settlePlugs(m, r);
    r.ok = true;
    return r;
}

std::string MontageBytes(const Montage& montage) {
    Montage m = montage; // the accessors hand out references
    IniDocument doc =
        IniDocument::fromBytes(utf8ToCp1252("; Montage Ondivel : le banc tel que l'élève le trouve.\r\n"));
    doc.set("Montage", "Version", std::to_string(kMontageVersion));
    const Schema& s = schema();
    for (const Field& f : s.fields) {
        const Section& section = s.sections[static_cast<std::size_t>(f.section)];
        if (!section.relevant(m)) continue;
        if (f.kind == Kind::Text) {
            if (!f.text(m).empty()) doc.set(section.name, f.key, f.text(m));
            continue;
        }
        const double v = f.number(m);
        if ((f.key == "PosX" || f.key == "PosY") && v < 0) continue;
        if (f.kind == Kind::Choice) {
            const auto i = static_cast<std::size_t>(std::clamp(v, f.min, f.max));
            doc.set(section.name, f.key, f.choices[i]);
        } else {
            doc.set(section.name, f.key, NumberText(v));
        }
    }
    return doc.bytes();
}

std::string MontageRemarks(const MontageReading& reading, const std::string& name) {
    if (reading.ignored.empty() && reading.corrected.empty()) return {};
    std::string text = "Le montage « " + name + " » a été ouvert, avec ces remarques.";
    const auto list = [&text](const char* heading, const std::vector<std::string>& lines) {
        if (lines.empty()) return;
        text += "\r\n\r\n";
        text += heading;
        for (std::size_t i = 0; i < lines.size() && i < kRemarksShown; ++i)
            text += "\r\n- " + lines[i];
        if (lines.size() > kRemarksShown)
            text += "\r\n… et " + std::to_string(lines.size() - kRemarksShown) + " autres.";
    };
    list("Ignoré (inconnu ou sans objet ici) :", reading.ignored);
    list("Corrigé (hors des limites de la commande) :", reading.corrected);
    return text;
}

std::vector<MontageKey> MontageKeys() {
    std::vector<MontageKey> keys;
    const Schema& s = schema();
    for (const Field& f : s.fields)
        keys.push_back({s.sections[static_cast<std::size_t>(f.section)].name, f.key, f.kind == Kind::Number,
                        f.min, f.max});
    return keys;
}

} // namespace ondivel
