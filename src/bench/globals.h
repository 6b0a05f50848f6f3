#pragma once
// The bench state shared by every window: the global variables of the program, with their own
// names, held by the application object so that each test builds a fresh bench.
#include <cstdint>
#include <string>

#include "core/color.h"

namespace ondivel {

struct Globals {
    // Source state per side (A feeds CH1, B feeds CH2).
    double AmplitudeA = 0, AmplitudeB = 0;
    double FrequenceA = 0, FrequenceB = 0;
    std::string SignalA, SignalB;
    double GammeA = 0, GammeB = 0;
    bool SourceBrancheeA = false, SourceBrancheeB = false;

    // Cables on the oscilloscope and the meters.
    bool EntreeBrancheeCH1 = false, EntreeBrancheeCH2 = false;
    bool VoltmetreBranche = false;
    double NiveauDeclenchement = 0;

    // Channel working set, rebuilt by the channel assembly at every refresh.
    double AmplitudeCH1 = 0, AmplitudeCH2 = 0;
    double FrequenceCH1 = 0, FrequenceCH2 = 0;
    std::string SignalCH1, SignalCH2;
    double OffsetCH1 = 0, OffsetCH2 = 0;
    float RapportCycliqueCH1 = 0, RapportCycliqueCH2 = 0;
    // Option "Le couplage AC bloque aussi les tensions continues" (off by default): AC coupling
    // then removes every constant voltage, as the input capacitor of a real oscilloscope does.
    bool CouplageACBloqueDC = false;

    // Oscilloscope settings from the knobs.
    double BaseTemps = 0;
    double SensibiliteCH1 = 0, SensibiliteCH2 = 0;
    double PositionH = 0, PositionCH1 = 0, PositionCH2 = 0;
    std::int16_t EpaisseurTrace = 1;
    double FacteurIntensite = 0;
    std::int16_t StyleTraceCH1 = 0, StyleTraceCH2 = 0;

    // Colours: the trace colours after intensity, and the full-brightness components.
    Color CouleurA = 0, CouleurB = 0;
    Color CouleurEcran = 0, CouleurGrille = 0, CouleurCadre = 0;
    std::int16_t RougeA = 0, VertA = 0, BleuA = 0;
    std::int16_t RougeB = 0, VertB = 0, BleuB = 0;
    std::int16_t RougeEcran = 0, VertEcran = 0, BleuEcran = 0;

    // Beam-spot sweep.
    double PositionSpot = 0;
    std::int64_t CompteurPrecedent = 0;
    std::int64_t FrequenceCompteur = 1;

    // Meters.
    int PositionSelecteur = 0;

    // Folders and files.
    std::string DossierPartage;
    std::string SousDossierAuteur;
    std::string DossierDonneesCommunes;
    std::string DossierDocumentsCommuns;
    std::string FichierConfig;
    std::string DossierDepot;
    bool MotDePasseValide = false;
    std::string NomUtilisateur;

    // Evaluated mode: the oscillogram on show and the score.
    std::string ExoSignalCH1, ExoSignalCH2;
    double ExoAmplitudeCH1 = 0, ExoAmplitudeCH2 = 0;
    double ExoFrequenceCH1 = 0, ExoFrequenceCH2 = 0;
    int ExoNombreOscillogrammes = 0;
    int ExoNumeroOscillogramme = 0;
    double ExoPoints = 0;
    double ExoPointsMax = 0;
};

} // namespace ondivel
