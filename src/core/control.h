#pragma once
// A control of a window model: a small value object with the properties the program uses and
// the events it raises. Views, the script harness and the tests all address controls through
// their window model by name (and index, inside a control array).
#include <functional>
#include <string>
#include <vector>

#include "core/color.h"
#include "core/script_value.h"

namespace ondivel {

class Form;
class Surface;

enum class ControlKind {
    CommandButton,
    CheckBox,
    OptionButton,
    Label,
    Image,
    Picture,
    Shape,
    Frame,
    Knob,
    Slider,
    ProgressBar,
    ComboBox,
    ListBox,
    TextBox,
    Timer,
    Menu,
    TabStrip,
};

// Mouse-button masks and check-box values of the classic toolkit.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kUnchecked = 0;
constexpr int kChecked = 1;
// Key code of the help key.
constexpr int kKeyF1 = 112;

// The design-time properties; copied back when an unloaded window is loaded again.
struct ControlProps {
    double Value = 0;
    double Min = 0;
    double Max = 0;
    std::string Caption;
    std::string Text;
    std::string ToolTipText;
    std::string Shortcut; // menu items: "Ctrl+I" …
    bool Visible = true;
    bool Enabled = true;
    bool Checked = false;
    Color FillColor = kWhite;
    Color BackColor = kWhite;
    Color ForeColor = kBlack;
    int Interval = 0;
    int ListIndex = -1;
    std::vector<std::string> List;
    std::vector<bool> Selected;
    double Left = 0, Top = 0, Width = 0, Height = 0;
    int Picture = 0;      // resource number of the picture shown (lamp icons …)
    int MousePointer = 0; // 0 default, 11 hourglass, 99 custom cursor
    double SmallChange = 1, LargeChange = 1;
    int SelStart = 0, SelLength = 0;
    // Text boxes: the character shown for each typed one (passwords); empty shows the text.
    std::string PasswordChar;
};

struct ControlEvents {
    std::function<void()> Click, DblClick, Change, Scroll, Timer, GotFocus, LostFocus;
    std::function<void(int button, int shift, double x, double y)> MouseDown, MouseMove, MouseUp;
    std::function<void(int& keyAscii)> KeyPress;
    // The pointer went off the control: what it showed beside the pointer goes.
    std::function<void()> MouseLeave;
};

class Control : public ControlProps {
  public:
    Control(ControlKind kind, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }
    // "frmGBFA.Potentio(1)"
    std::string path() const;
    Form* owner() const { return owner_; }

    // Option buttons deselect the other buttons of their form that share this group.
    const std::string& group() const { return group_; }
    void setGroup(std::string g) { group_ = std::move(g); }

    ControlEvents on;

    // Program-side changes, with the events the classic toolkit raises for them:
    // a check box raises Click when its value changes; an option button set to true deselects
    // its group and raises Click when the selection changes; a slider raises Change when its
    // value changes; a knob raises nothing; a text box raises Change.
    void setValue(double v);
    bool isOn() const { return Value != 0; } // check box checked, option button selected
    // Setting ListIndex raises Click.
    void setListIndex(int i);
    void setText(std::string text);
    void addItem(std::string item);
    std::string listText() const; // the selected item's text, "" when none
    // Asks the window to put the keyboard focus here.
    void SetFocus();

    // Generic access by property name for views and the harness. Unknown names throw
    // std::invalid_argument.
    ScriptValue property(const std::string& prop, int listItem = -1) const;
    void setProperty(const std::string& prop, const ScriptValue& v);
    static bool isProperty(const std::string& prop);

    // Pictures have a drawing surface (the oscilloscope screen); null for other kinds.
    Surface* surface() const { return surface_; }
    void setSurface(Surface* s) { surface_ = s; }

    // Timers run when enabled with an interval above 0.
    bool timerRunning() const { return kind_ == ControlKind::Timer && Enabled && Interval > 0; }

    void raise(const std::function<void()>& handler) const {
        if (handler) handler();
    }

  private:
    friend class Form;
    void snapshotDesign() { design_ = static_cast<const ControlProps&>(*this); }
    void restoreDesign() { static_cast<ControlProps&>(*this) = design_; }

    ControlKind kind_;
    std::string name_;
    int index_;
    std::string group_;
    Form* owner_ = nullptr;
    Surface* surface_ = nullptr;
    ControlProps design_;
};

} // namespace ondivel
