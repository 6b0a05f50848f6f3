#include "bench/main/keyboard_focus.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "bench/bench_form.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/tab_order.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/frm_ondivel.h"
#include "core/control.h"
#include "core/form.h"
#include "core/form_host.h"
#include "core/user_input.h"

namespace ondivel {

namespace {

// "frmGBFA.Potentio(1)" in its window; null when the window has no such control.
Control* resolve(const Form& form, const std::string& path) {
    std::string name = path.substr(path.find('.') + 1);
    int index = -1;
    if (const auto open = name.find('('); open != std::string::npos) {
        index = std::stoi(name.substr(open + 1));
        name.resize(open);
    }
    return form.findControl(name, index);
}

bool isAny(const Control& c, std::initializer_list<ControlKind> kinds) {
    return std::find(kinds.begin(), kinds.end(), c.kind()) != kinds.end();
}

// The harmonic generator shows ten columns of sliders at a time, by its tab strip.
bool onShownTab(const Form& form, const Control& c) {
    if (c.name() != "sldAmpli" && c.name() != "sldPhase") return true;
    const Control* tabs = form.findControl("sstHarmo");
    return !tabs || c.index() / 10 == tabs->ListIndex;
}

// A slider moves as the desktop's does: Up and Right add a small change, Page Up a large one.
// The harmonic amplitudes stand upside down (their largest value at the top is Min).
bool pressSlider(Control& slider, NavKey key) {
    const double lo = std::min(slider.Min, slider.Max), hi = std::max(slider.Min, slider.Max);
    const double up = slider.name() == "sldAmpli" ? -1 : 1;
    double target = slider.Value;
    switch (key) {
    case NavKey::Up:
    case NavKey::Right:
        target += up * slider.SmallChange;
        break;
    case NavKey::Down:
    case NavKey::Left:
        target -= up * slider.SmallChange;
        break;
    case NavKey::PageUp:
        target += up * slider.LargeChange;
        break;
    case NavKey::PageDown:
        target -= up * slider.LargeChange;
        break;
    case NavKey::Home:
        target = up > 0 ? lo : hi;
        break;
    case NavKey::End:
        target = up > 0 ? hi : lo;
        break;
    default:
        return false;
    }
    return user::slide(slider, std::clamp(target, lo, hi));
}

// The positions of a meter's rotary selector in the order the arrows go through them, with the
// angle the pointer rests at on each: the voltmeter from OFF clockwise, the TRMS meter by number.
std::vector<std::pair<int, double>> selectorStops(const Form& meter) {
    std::vector<std::pair<int, double>> stops;
    if (meter.name() == "frmVolt") {
        stops.emplace_back(FrmVolt::kOff, FrmVolt::PositionAngle(FrmVolt::kOff));
        for (int p = 0; p < FrmVolt::kOff; ++p)
            stops.emplace_back(p, FrmVolt::PositionAngle(p));
    } else {
        for (int p = 0; p < FrmMultiRMS::kPositions; ++p)
            stops.emplace_back(p, FrmMultiRMS::PositionAngle(p));
    }
    return stops;
}

bool pressSelector(Control& selector, NavKey key) {
    Form& meter = *selector.owner();
    const auto stops = selectorStops(meter);
    const int now = static_cast<BenchForm&>(meter).app().g.PositionSelecteur;
    const auto at = std::find_if(stops.begin(), stops.end(), [now](const auto& s) { return s.first == now; });
    const long here = at == stops.end() ? 0 : at - stops.begin();
    const long last = static_cast<long>(stops.size()) - 1;
    long next = here;
    switch (key) {
    case NavKey::Up:
    case NavKey::Right:
        next = std::min(last, here + 1);
        break;
    case NavKey::Down:
    case NavKey::Left:
        next = std::max(0L, here - 1);
        break;
    case NavKey::Home:
        next = 0;
        break;
    case NavKey::End:
        next = last;
        break;
    default:
        return false;
    }
    return user::rotate(selector, stops[static_cast<std::size_t>(next)].second);
}

// The two positions of the battery's polarity switch: Up the first, Down the second, Space the
// one it is not on.
bool pressPolarity(Control& first, NavKey key) {
    Form& pile = *first.owner();
    Control* second = pile.findControl(first.name(), 1);
    if (!second) return false;
    switch (key) {
    case NavKey::Up:
        return user::click(first);
    case NavKey::Down:
        return user::click(*second);
    case NavKey::Space:
        return user::click(first.isOn() ? *second : first);
    default:
        return false;
    }
}

// A measurement cursor's button: the arrows select that cursor and move it a tenth of a
// division (Shift a hundredth), right and up forwards.
bool pressCursor(Control& button, NavKey key, bool shift) {
    double step = shift ? 0.01 : 0.1;
    switch (key) {
    case NavKey::Up:
    case NavKey::Right:
        break;
    case NavKey::Down:
    case NavKey::Left:
        step = -step;
        break;
    case NavKey::Space:
    case NavKey::Enter:
        return user::click(button);
    default:
        return false;
    }
    auto& cursors = static_cast<FrmCurseurs&>(*button.owner());
    if (!cursors.active()) return false;
    if (cursors.selected() != button.index()) user::click(button);
    cursors.NudgeSelected(step);
    return true;
}

bool pressButton(Control& button, NavKey key) {
    if (key != NavKey::Space && key != NavKey::Enter) return false;
    if (button.name() == "imgBorne") {
        // The plug is in front of its terminal: a press reaches the plug while it is in place.
        Control* plug = button.owner()->findControl("imgFiche", button.index());
        return user::click(plug && plug->Visible ? *plug : button);
    }
    return user::click(button);
}

} // namespace

std::vector<Control*> TabStops(const Form& form) {
    std::vector<Control*> stops;
    for (const std::string& path : TabOrder(form.name()))
        if (Control* c = resolve(form, path)) stops.push_back(c);
    return stops;
}

bool TakesFocus(const Form& form, const Control& stop) {
    return stop.Visible && stop.Enabled && onShownTab(form, stop);
}

Control* NextStop(const Form& form, const Control* current, bool forward) {
    const std::vector<Control*> stops = TabStops(form);
    const long n = static_cast<long>(stops.size());
    const auto it = std::find(stops.begin(), stops.end(), current);
    long i = it == stops.end() ? (forward ? -1 : n) : it - stops.begin();
    for (long k = 0; k < n; ++k) {
        i = ((forward ? i + 1 : i - 1) % n + n) % n;
        Control* c = stops[static_cast<std::size_t>(i)];
        if (TakesFocus(form, *c)) return c;
    }
    return nullptr;
}

bool PressKey(Control& focused, NavKey key, bool shift) {
    if (focused.owner() && !TakesFocus(*focused.owner(), focused)) return false;
    if (focused.name() == "imgSelecteur") return pressSelector(focused, key);
    if (focused.name() == "optPolarite") return pressPolarity(focused, key);
    if (focused.name() == "optCurseur") return pressCursor(focused, key, shift);
    if (auto* scope = dynamic_cast<FrmOndivel*>(focused.owner()); scope && &focused == &scope->picEcran)
        return PressScreenKey(*scope, key, shift);
    switch (focused.kind()) {
    case ControlKind::Knob: {
        const auto target = knob::keyTarget(key, focused.Value, focused.Min, focused.Max, shift);
        return target && user::drag(focused, *target, kLeftButton);
    }
    case ControlKind::Slider:
        return pressSlider(focused, key);
    case ControlKind::TabStrip: {
        const int step = key == NavKey::Right ? 1 : key == NavKey::Left ? -1 : 0;
        const int tab = focused.ListIndex + step;
        if (step == 0 || tab < 0 || tab >= static_cast<int>(focused.List.size())) return false;
        return user::select(focused, tab);
    }
    default:
        if (isAny(focused, {ControlKind::CommandButton, ControlKind::CheckBox, ControlKind::OptionButton,
                            ControlKind::Image}))
            return pressButton(focused, key);
        return false;
    }
}

void LeaveStop(Control& stop) {
    if (auto* scope = dynamic_cast<FrmOndivel*>(stop.owner()); scope && &stop == &scope->picEcran)
        HideScreenPointer(*scope);
}

Form* NextPanel(const Ondivel& app, const Form* current, bool forward) {
    std::vector<Form*> open;
    for (Form* f : app.forms())
        if (f != &app.mdi() && f->loaded() && f->Visible && !f->modal()) open.push_back(f);
    if (open.empty()) return nullptr;
    const long n = static_cast<long>(open.size());
    const auto it = std::find(open.begin(), open.end(), current);
    if (it == open.end()) return forward ? open.front() : open.back();
    const long i = it - open.begin();
    return open[static_cast<std::size_t>(((forward ? i + 1 : i - 1) % n + n) % n)];
}

Control* EnterPanel(Form& panel) {
    if (panel.host().activeForm() != &panel) panel.host().activate(panel);
    return NextStop(panel, nullptr, true);
}

} // namespace ondivel
