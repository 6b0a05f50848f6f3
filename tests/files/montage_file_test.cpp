// The set-up file on its own: what is refused outright, what is ignored or brought back into range
// and listed, and that the program's own file reads back as written.
#include <gtest/gtest.h>

#include <string>

#include "files/montage_file.h"

namespace ondivel {
namespace {

MontageReading read(const std::string& text) {
    return ReadMontage(text, "tp.ondm");
}

TEST(MontageFile, WhatIsNotASetUpOrIsNewerIsRefusedWithItsName) {
    struct Case {
        const char* text;
        const char* starts;
    };
    // clang-format off
    const Case cases[] = {
        {"",                                      "Le fichier « tp.ondm » n'est pas un montage Ondivel"},
        {"[Options]\r\nColorYa=255\r\n",          "Le fichier « tp.ondm » n'est pas un montage Ondivel"},
        {"[Montage]\r\nTitre=Pile\r\n",           "Le fichier « tp.ondm » n'est pas un montage Ondivel"},
        {"[Montage]\r\nVersion=un\r\n",           "Le fichier « tp.ondm » n'est pas un montage Ondivel"},
        {"[Montage]\r\nVersion=0\r\n",            "Le fichier « tp.ondm » n'est pas un montage Ondivel"},
        {"[Montage]\r\nVersion=1.5\r\n",          "Le fichier « tp.ondm » n'est pas un montage Ondivel"},
        {"[Montage]\r\nVersion=2\r\n",            "Le montage « tp.ondm » vient d'une version plus récente d'Ondivel (format 2"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const MontageReading r = read(c.text);
        EXPECT_FALSE(r.ok) << c.text;
        EXPECT_TRUE(r.refusal.starts_with(c.starts)) << r.refusal;
    }
    // NUL bytes make the text no settings text: refused, whatever key it also holds.
    const std::string withNul("[Montage]\r\nVersion=1\r\n\0x\r\n", 25);
    EXPECT_FALSE(read(withNul).ok);
    EXPECT_TRUE(read("[montage]\r\nversion = 1 \r\n").ok) << "names are compared as the settings file does";
}

TEST(MontageFile, AFileLargerThanTheLimitIsRefusedUnread) {
    std::string big = "[Montage]\r\nVersion=1\r\n";
    big += std::string(kMontageMaxBytes, ';');
    const MontageReading r = read(big);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.refusal.find("trop grand"), std::string::npos);
}

TEST(MontageFile, UnknownSectionsAndKeysAreListedOnceAndChangeNothing) {
    const MontageReading r =
        read("Perdu=1\r\n[Montage]\r\nVersion=1\r\nAuteur=M. X\r\n[frmFoo]\r\na=1\r\nb=2\r\n"
             "[frmOndivel]\r\nPotentio(8)=3\r\nchkOn=1\r\n[frmGBFB]\r\nchkOn=1\r\n");
    ASSERT_TRUE(r.ok);
    const std::vector<std::string> expected = {
        "Perdu (hors section)", "[Montage] Auteur", "[frmFoo]", "[frmOndivel] Potentio(8)",
        "[frmGBFB] (la boîte à outils ne branche pas ce panneau sur la voie CH2)"};
    EXPECT_EQ(r.ignored, expected);
    EXPECT_TRUE(r.corrected.empty());
    EXPECT_EQ(r.montage.scope.on, 1);
    EXPECT_EQ(r.montage.side[1].source(), MontageSource::None);
}

TEST(MontageFile, ValuesAreBroughtIntoTheControlsRangesAndListed) {
    const MontageReading r = read("[Montage]\r\nVersion=1\r\n"
                                  "[frmToolBox]\r\nSource CH1=gbf\r\nSource CH2=Pile 12 V\r\n"
                                  "[frmOndivel]\r\nPotentio(5)=25\r\nPotentio(6)=-3\r\nPotentio(1)=2,5\r\n"
                                  "Mode voie=xy\r\nACDC CH1=ACDC\r\nchkFFT=oui\r\nPosX=1e300\r\n"
                                  "[frmGBFA]\r\noptGamme=2.6\r\nPotentio(1)=13000\r\nsldReglage(0)=nan\r\n");
    ASSERT_TRUE(r.ok);
    const Montage& m = r.montage;
    EXPECT_EQ(m.side[0].source(), MontageSource::Gbf);
    EXPECT_EQ(m.side[1].source(), MontageSource::None);
    EXPECT_EQ(m.scope.knob[5], 17);
    EXPECT_EQ(m.scope.knob[6], 0);
    EXPECT_EQ(m.scope.knob[1], 2.5) << "a decimal comma is a number";
    EXPECT_EQ(m.scope.mode, 4);
    EXPECT_EQ(m.scope.coupling[0], 0);
    EXPECT_EQ(m.scope.fft, 0);
    EXPECT_EQ(m.scope.place.left, 90000);
    EXPECT_EQ(m.side[0].gbf.range, 3);
    EXPECT_EQ(m.side[0].gbf.knob[1], 12000);
    EXPECT_EQ(m.side[0].gbf.fine[0], 0);
    const std::vector<std::string> expected = {
        "[frmToolBox] Source CH2 : « Pile 12 V » n'est pas un choix possible, laissé à Aucune alimentation",
        "[frmOndivel] Potentio(5) : 25 ramené à 17",
        "[frmOndivel] Potentio(6) : -3 ramené à 0",
        "[frmOndivel] ACDC CH1 : « ACDC » n'est pas un choix possible, laissé à AC",
        "[frmOndivel] chkFFT : « oui » n'est pas un nombre, laissé à 0",
        "[frmOndivel] PosX : 1e+300 ramené à 90000",
        "[frmGBFA] optGamme : 2.6 ramené à 3",
        "[frmGBFA] Potentio(1) : 13000 ramené à 12000",
        "[frmGBFA] sldReglage(0) : « nan » n'est pas un nombre, laissé à 0",
    };
    EXPECT_EQ(r.corrected, expected);
}

TEST(MontageFile, PlugsThatCannotStandTogetherAreSettled) {
    const MontageReading r =
        read("[Montage]\r\nVersion=1\r\n[frmToolBox]\r\nSource CH1=Alimentation stabilisée\r\n"
             "Source CH2=Prise secteur\r\n[frmAlimA]\r\nimgFiche(0)=1\r\nimgFiche(1)=1\r\n"
             "[frmEDFB]\r\nimgFiche(0)=1\r\nimgFiche(1)=1\r\nimgFiche(2)=1\r\n"
             "[frmVolt]\r\nimgFiche(1)=1\r\nimgFiche(2)=1\r\nimgFiche(3)=1\r\n[frmMulti_RMS]\r\n");
    ASSERT_TRUE(r.ok);
    const Montage& m = r.montage;
    EXPECT_EQ(m.side[0].alim.plug[0], 0);
    EXPECT_EQ(m.side[0].alim.plug[1], 1);
    EXPECT_EQ(m.side[1].edf.plug[2], 0);
    EXPECT_TRUE(m.meter.open && m.meter.school) << "the first meter named is the one";
    EXPECT_EQ(m.meter.position, 15) << "the school voltmeter starts on OFF";
    EXPECT_EQ(m.meter.plug[1], 1);
    EXPECT_EQ(m.meter.plug[2], 0);
    EXPECT_EQ(m.meter.plug[3], 1);
    EXPECT_EQ(r.corrected.size(), 3U);
    EXPECT_EQ(r.ignored,
              std::vector<std::string>{"[frmMulti_RMS] (un seul multimètre est ouvert à la fois)"});
}

TEST(MontageFile, TheProgramsOwnFileReadsBackAsWrittenAndTextsAreCut) {
    Montage m;
    m.title = "Tension d'une pile à 4,5 V";
    m.instruction = std::string(300, 'e');
    m.side[0].wiring = static_cast<double>(MontageSource::Harmonic);
    m.side[0].harmo.preset = -1;
    m.side[0].harmo.ampli[4] = -123;
    m.side[0].harmo.phase[19] = 2;
    m.side[1].wiring = static_cast<double>(MontageSource::Battery9);
    m.side[1].pile.polarity = 1;
    m.meter.open = true;
    m.meter.range = 4;
    m.meter.memory = 2;
    m.chrono.open = true;
    m.chrono.place = {1500, -1};
    const std::string bytes = MontageBytes(m);
    EXPECT_TRUE(
        bytes.starts_with("; Montage Ondivel : le banc tel que l'\xE9l\xE8ve le trouve.\r\n[Montage]\r\n"
                          "Version=1\r\nTitre=Tension d'une pile \xE0 4,5 V\r\n"))
        << "Windows-1252 and CR LF, as the settings file";
    EXPECT_NE(bytes.find("[frmMulti_RMS]\r\nimgSelecteur=0\r\n"), std::string::npos)
        << "no place given, none written";
    EXPECT_NE(bytes.find("Gamme=1000 V\r\nMIN MAX=MIN\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("[frmChrono]\r\nPosX=1500\r\nsldAlarme=1\r\n"), std::string::npos);

    const MontageReading r = read(bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.ignored.empty());
    ASSERT_EQ(r.corrected.size(), 1U);
    EXPECT_EQ(r.corrected[0], "[Montage] Consigne : coupé à 240 caractères");
    EXPECT_EQ(r.montage.title, m.title);
    EXPECT_EQ(r.montage.instruction, std::string(240, 'e'));
    EXPECT_EQ(r.montage.side[0].harmo.ampli[4], -123);
    EXPECT_EQ(r.montage.side[0].harmo.ampli[0], -1000);
    EXPECT_EQ(r.montage.side[0].harmo.phase[19], 2);
    EXPECT_EQ(r.montage.side[0].harmo.preset, -1);
    EXPECT_EQ(r.montage.side[1].pile.polarity, 1);
    EXPECT_EQ(r.montage.meter.range, 4);
    EXPECT_EQ(r.montage.meter.memory, 2);
    EXPECT_EQ(r.montage.chrono.place.left, 1500);
    EXPECT_EQ(r.montage.chrono.place.top, -1);
    EXPECT_FALSE(r.montage.mesures.open);
}

TEST(MontageFile, TheRemarksMessageShowsAtMostADozenLinesOfEachKind) {
    std::string text = "[Montage]\r\nVersion=1\r\n[frmOndivel]\r\n";
    for (int i = 0; i < 20; ++i)
        text += "Bouton" + std::to_string(i) + "=1\r\n";
    const MontageReading r = read(text);
    const std::string message = MontageRemarks(r, "tp.ondm");
    EXPECT_TRUE(message.starts_with("Le montage « tp.ondm » a été ouvert, avec ces remarques."));
    EXPECT_NE(message.find("- [frmOndivel] Bouton11\r\n… et 8 autres."), std::string::npos) << message;
    EXPECT_EQ(message.find("Bouton12"), std::string::npos);
    EXPECT_EQ(message.find("Corrigé"), std::string::npos);
    EXPECT_EQ(MontageRemarks(read("[Montage]\r\nVersion=1\r\n"), "tp.ondm"), "");
}

} // namespace
} // namespace ondivel
