#pragma once
// The program's identity: its name in titles, its help window and where the teacher password is
// kept. The maker's web addresses are settings of the installation (shell/web_addresses.h).

namespace ondivel {

inline constexpr const char* kProgramName = "Ondivel";
// Title of the help window, closed with the program.
inline constexpr const char* kHelpWindowTitle = "Aide d'Ondivel";
// The downloaded copy, in the shared folder.
inline constexpr const char* kVersionFileName = "Delete_Me.txt";

// The per-user settings entry of the teacher password.
inline constexpr const char* kPasswordSection = "Settings";
inline constexpr const char* kPasswordKey = "Password";

// Title of the system calculator's window, closed with the program.
inline constexpr const char* kCalculatorTitle = "Calculatrice";

} // namespace ondivel
