#include "bench/main/clipboard_copy.h"

#include <cmath>

#include "bench/main/preferences.h"
#include "bench/main/printout.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/scope/xy_display.h"
#include "core/platform.h"
#include "core/surface.h"
#include "physics/grey_level.h"

namespace ondivel {

namespace {

constexpr int kGreyCopy = 1;
// The signature's gap from the picture's edges, as a fraction of the scale width and height.
constexpr double kCornerGap = 0.01;

void redrawScreen(Ondivel& app) {
    FrmOndivel& scope = app.frmOndivel();
    app.renderer().DrawGrid(scope);
    if (scope.modeIndex() == ModeXY)
        DrawXY(app, scope.PhaseXY);
    else
        app.RefreshDisplay();
}

// Dark ink on a light screen, white on a dark one.
Color inkFor(Color back) {
    const double luminance = 0.3 * redOf(back) + 0.59 * greenOf(back) + 0.11 * blueOf(back);
    return luminance > 128 ? kBlack : kWhite;
}

void signCorner(Ondivel& app, Surface& screen) {
    const std::string text = ProgramSignature();
    const double width = std::abs(kScreenRight - kScreenLeft);
    const double height = std::abs(kScreenTop - kScreenBottom);
    const double x = kScreenRight - kCornerGap * width - screen.textWidth(text);
    const double y = kScreenBottom + kCornerGap * height + screen.textHeight(text);
    screen.print(x, y, text, inkFor(app.g.CouleurEcran));
}

} // namespace

void CopyScreenToClipboard(Ondivel& app, int index) {
    FrmOndivel& scope = app.frmOndivel();
    Surface& screen = scope.screen();
    Globals& g = app.g;
    if (index == kGreyCopy) {
        g.CouleurA = GreyLevel(g.CouleurA);
        g.CouleurB = GreyLevel(g.CouleurB);
        g.CouleurGrille = GreyLevel(g.CouleurGrille);
        g.CouleurCadre = GreyLevel(g.CouleurCadre);
        g.CouleurEcran = kWhite;
        redrawScreen(app);
    } else if (scope.modeIndex() == ModeXY) {
        DrawXY(app, scope.PhaseXY); // the copy shows one whole frame
    }

    Platform& platform = app.platform();
    platform.clearClipboard();
    screen.setFont(kClipboardFont, kClipboardFontPoints);
    signCorner(app, screen);
    platform.setClipboardImage(screen);

    // The grey copy brings the colours back; either way the signature leaves the live screen.
    if (index == kGreyCopy) LoadPreferences(app);
    redrawScreen(app);
}

} // namespace ondivel
