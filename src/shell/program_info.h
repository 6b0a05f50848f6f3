#pragma once
// The program's identity: its name in titles, the maker's addresses and where the teacher
// password is kept. The addresses are placeholders until the program has a home on the web.

namespace ondivel {

inline constexpr const char* kProgramName = "Ondivel";
// Opened by "Visiter le site de l'auteur" and named in the new-version notice.
inline constexpr const char* kWebSiteAddress = "https://ondivel.example/";
// A small text whose version number follows the first "=", for example "version=1.1".
inline constexpr const char* kVersionFileAddress = "https://ondivel.example/version.txt";
// The downloaded copy, in the shared folder.
inline constexpr const char* kVersionFileName = "Delete_Me.txt";

// The per-user settings entry of the teacher password.
inline constexpr const char* kPasswordSection = "Settings";
inline constexpr const char* kPasswordKey = "Password";

// Title of the system calculator's window, closed with the program.
inline constexpr const char* kCalculatorTitle = "Calculatrice";

} // namespace ondivel
