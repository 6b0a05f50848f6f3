#pragma once
// A window model: its controls (registered by name so views, the harness and tests address them
// alike), its own members, and its event handlers. Loading, showing, hiding and unloading follow
// the classic form toolkit: Load runs once per load, closing raises QueryUnload then Unload, and a
// window loaded again starts from its design-time state.
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/control.h"
#include "core/script_value.h"

namespace ondivel {

class FormHost;

class Form {
  public:
    Form(FormHost& host, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    FormHost& host() const { return host_; }

    // Window properties; positions in twips.
    std::string Caption;
    double Left = 0, Top = 0, Width = 0, Height = 0;
    bool Visible = false;
    Color BackColor = 0xC0C0C0;
    bool KeyPreview = false;
    int MousePointer = 0;
    // The F1 topic of this window, 0 when it has none.
    int HelpTopic = 0;
    // The buttons that Enter and Escape press in a dialog; null when the window has none.
    Control* defaultButton = nullptr;
    Control* cancelButton = nullptr;

    bool loaded() const { return loaded_; }
    // Loads the window hidden when it is not loaded yet.
    void Load();
    // Shows non-modally: loads when needed, makes it visible and the active window.
    void Show();
    // Shows modally through the platform; returns when the window is hidden or unloaded.
    void ShowModal();
    void Hide();
    // Closes the window; false when QueryUnload or Unload cancelled it.
    bool Unload();
    bool modal() const { return modal_; }
    // True while QueryUnload and Unload run.
    bool unloading() const { return unloading_; }

    // Event handlers.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_QueryUnload(int& cancel) { (void)cancel; }
    virtual void Form_Unload(int& cancel) { (void)cancel; }
    virtual void Form_KeyDown(int keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void Form_Click() {}
    virtual void Form_DblClick() {}
    virtual void Form_MouseMove(int button, int shift, double x, double y) {
        (void)button, (void)shift, (void)x, (void)y;
    }

    // Control registry.
    Control* findControl(const std::string& name, int index = -1) const;
    bool hasControlNamed(const std::string& name) const { return byName_.count(name) != 0; }
    const std::vector<Control*>& controls() const { return controls_; }
    void registerControl(Control& c);

    // The control the program put the keyboard focus in (SetFocus); the view moves the real
    // focus there. The request number grows with each request, so a view sees repeated ones.
    void setFocusTo(Control& c) {
        focusControl_ = &c;
        ++focusRequests_;
    }
    Control* focusControl() const { return focusControl_; }
    int focusRequests() const { return focusRequests_; }

    // Members the documents give the window (frmOndivel.PhaseXY, MDIOndivel.ModeLibre).
    VarRef member(const std::string& name) const;
    const std::map<std::string, VarRef>& members() const { return members_; }

    // Window property by name (.Visible, .Caption, .Left …, .Loaded); throws on unknown names.
    ScriptValue property(const std::string& prop) const;
    void setProperty(const std::string& prop, const ScriptValue& v);

  protected:
    void registerMember(const std::string& name, VarRef ref) { members_[name] = ref; }
    // Puts the window's own members back to their design-time values before a new load.
    virtual void resetMembers() {}

  private:
    FormHost& host_;
    std::string name_;
    bool loaded_ = false;
    bool designSnapshotTaken_ = false;
    bool modal_ = false;
    bool unloading_ = false;
    std::vector<Control*> controls_;
    std::map<std::string, std::vector<Control*>> byName_;
    std::map<std::string, VarRef> members_;
    Control* focusControl_ = nullptr;
    int focusRequests_ = 0;
};

// A control that registers itself with the window declaring it.
class FormControl : public Control {
  public:
    FormControl(Form& owner, ControlKind kind, std::string name, int index = -1)
        : Control(kind, std::move(name), index) {
        owner.registerControl(*this);
    }
};

// A control array: indexed controls sharing one name (Potentio(0..7), imgBorne(0..2) …).
class ControlArray {
  public:
    ControlArray(Form& owner, ControlKind kind, const std::string& name, int count, int first = 0);
    Control& operator[](int index) { return *items_.at(static_cast<std::size_t>(index - first_)); }
    const Control& operator[](int index) const {
        return *items_.at(static_cast<std::size_t>(index - first_));
    }
    int size() const { return static_cast<int>(items_.size()); }
    int first() const { return first_; }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }

  private:
    int first_;
    std::vector<std::unique_ptr<FormControl>> items_;
};

} // namespace ondivel
