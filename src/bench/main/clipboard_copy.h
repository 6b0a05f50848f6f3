#pragma once
// "Copier les oscillogrammes ...": puts the oscilloscope screen picture on the clipboard with the
// program's signature in its lower right corner, as it is (index 0) or in grey levels (index 1).
// The grey copy redraws the screen in grey on white, then reloads the preferences, which brings
// the colours back. After either copy the screen is redrawn without the signature.
namespace ondivel {

class Ondivel;

inline constexpr const char* kClipboardFont = "MS Sans Serif";
inline constexpr double kClipboardFontPoints = 8;

void CopyScreenToClipboard(Ondivel& app, int index);

} // namespace ondivel
