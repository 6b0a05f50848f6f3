#include "core/user_input.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "core/control.h"
#include "core/form.h"
#include "core/form_host.h"
#include "core/win1252.h"

namespace ondivel::user {

namespace {
// Activates the control's window when needed; false when the control cannot take user events.
bool reach(Control& c) {
    if (!c.Enabled || !c.Visible) return false;
    if (Form* f = c.owner()) {
        if (f->host().activeForm() != f && c.kind() != ControlKind::Menu) f->host().activate(*f);
    }
    return true;
}

void repaint(Control& c) {
    if (Form* f = c.owner()) f->host().requestRepaint();
}
} // namespace

bool click(Control& c) {
    if (!reach(c)) return false;
    switch (c.kind()) {
    case ControlKind::CheckBox:
        c.setValue(c.Value == kChecked ? kUnchecked : kChecked);
        break;
    case ControlKind::OptionButton:
        c.setValue(1);
        break;
    default:
        c.raise(c.on.Click);
        break;
    }
    repaint(c);
    return true;
}

bool dblClick(Control& c) {
    if (!reach(c)) return false;
    c.raise(c.on.DblClick);
    repaint(c);
    return true;
}

bool drag(Control& knob, double value, int button) {
    if (!reach(knob)) return false;
    knob.Value = std::clamp(value, std::min(knob.Min, knob.Max), std::max(knob.Min, knob.Max));
    if (knob.on.MouseDown) knob.on.MouseDown(button, 0, 0, 0);
    if (knob.on.MouseMove) knob.on.MouseMove(button, 0, 0, 0);
    if (knob.on.MouseUp) knob.on.MouseUp(button, 0, 0, 0);
    repaint(knob);
    return true;
}

namespace {
bool knobStage(Control& knob, double value, int button, int shift,
               const std::function<void(int, int, double, double)>& event) {
    if (!reach(knob)) return false;
    knob.Value = std::clamp(value, std::min(knob.Min, knob.Max), std::max(knob.Min, knob.Max));
    if (event) event(button, shift, 0, 0);
    repaint(knob);
    return true;
}
} // namespace

bool knobDown(Control& knob, double value, int button, int shift) {
    return knobStage(knob, value, button, shift, knob.on.MouseDown);
}
bool knobMove(Control& knob, double value, int button, int shift) {
    return knobStage(knob, value, button, shift, knob.on.MouseMove);
}
bool knobUp(Control& knob, double value, int button, int shift) {
    return knobStage(knob, value, button, shift, knob.on.MouseUp);
}

bool press(Control& c, int button) {
    if (!reach(c)) return false;
    if (c.on.MouseDown) c.on.MouseDown(button, 0, 0, 0);
    if (c.on.MouseUp) c.on.MouseUp(button, 0, 0, 0);
    repaint(c);
    return true;
}

void pointAtAngle(double degrees, double cx, double cy, double r, double& x, double& y) {
    const double a = degrees * std::numbers::pi / 180.0;
    x = cx + r * std::sin(a);
    y = cy - r * std::cos(a);
}

bool rotate(Control& selector, double degrees, int button) {
    if (!reach(selector)) return false;
    const double w = selector.Width > 0 ? selector.Width : 100;
    const double h = selector.Height > 0 ? selector.Height : 100;
    double x = 0, y = 0;
    pointAtAngle(degrees, w / 2, h / 2, std::min(w, h) * 0.4, x, y);
    if (selector.on.MouseMove) selector.on.MouseMove(button, 0, x, y);
    if (selector.on.MouseUp) selector.on.MouseUp(button, 0, x, y);
    repaint(selector);
    return true;
}

bool slide(Control& slider, double value) {
    if (!reach(slider)) return false;
    slider.Value = std::clamp(value, std::min(slider.Min, slider.Max), std::max(slider.Min, slider.Max));
    slider.raise(slider.on.Scroll);
    slider.raise(slider.on.Change);
    repaint(slider);
    return true;
}

bool select(Control& list, int index) {
    if (!reach(list)) return false;
    // A plain click in a list box selects that one line; adding lines to a multiple selection
    // sets their Selected flags.
    if (list.kind() == ControlKind::ListBox) {
        list.Selected.assign(list.List.size(), false);
        if (index >= 0 && index < static_cast<int>(list.List.size()))
            list.Selected[static_cast<std::size_t>(index)] = true;
    }
    list.setListIndex(index);
    repaint(list);
    return true;
}

bool type(Control& box, const std::string& utf8Text) {
    if (!reach(box)) return false;
    box.raise(box.on.GotFocus);
    const std::string text = utf8ToCp1252(utf8Text);
    for (unsigned char ch : text) {
        int keyAscii = ch;
        if (box.on.KeyPress) box.on.KeyPress(keyAscii);
        if (keyAscii == 0) continue;
        std::string current = utf8ToCp1252(box.Text);
        const auto start =
            static_cast<std::size_t>(std::clamp(box.SelStart, 0, static_cast<int>(current.size())));
        const auto length =
            static_cast<std::size_t>(std::clamp(box.SelLength, 0, static_cast<int>(current.size() - start)));
        current.replace(start, length, 1, static_cast<char>(keyAscii));
        box.SelStart = static_cast<int>(start + 1);
        box.SelLength = 0;
        box.setText(cp1252ToUtf8(current));
    }
    box.raise(box.on.LostFocus);
    repaint(box);
    return true;
}

bool move(Control& c, double x, double y, int button) {
    if (!c.Enabled || !c.Visible) return false;
    if (c.on.MouseMove) c.on.MouseMove(button, 0, x, y);
    repaint(c);
    return true;
}

bool leave(Control& c) {
    if (!c.Enabled || !c.Visible) return false;
    c.raise(c.on.MouseLeave);
    repaint(c);
    return true;
}

void key(Form& form, int keyCode, int shift) {
    form.Form_KeyDown(keyCode, shift);
    form.host().requestRepaint();
}

void clickForm(Form& form) {
    if (form.host().activeForm() != &form) form.host().activate(form);
    form.Form_Click();
    form.host().requestRepaint();
}

void moveOverForm(Form& form, double x, double y, int button) {
    form.Form_MouseMove(button, 0, x, y);
    form.host().requestRepaint();
}

void close(Form& form) {
    form.Unload();
}

} // namespace ondivel::user
