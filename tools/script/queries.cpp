// The queries of the scenario language: the settings and other files, the platform's records and
// the recorded screens.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "bench/main/accessible_text.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "core/recording_surface.h"
#include "core/win1252.h"
#include "files/settings_store.h"
#include "files/testing/fake_platform.h"
#include "physics/grey_level.h"
#include "script/evaluator.h"
#include "script/script_error.h"
#include "script/session.h"

namespace ondivel::script {

namespace fs = std::filesystem;

namespace {

void arity(const Segment& s, std::size_t count, const std::string& form) {
    if (!s.called || s.args.size() != count) throw ScriptError("write " + form);
}

void endsAt(const Expr& e, std::size_t last) {
    if (e.name.size() > last + 1)
        throw ScriptError("unexpected ." + e.name[last + 1].name + " after " + nameText(e.name, last + 1));
}

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Value count(std::size_t n) {
    return {static_cast<double>(n), {}};
}

} // namespace

Value Evaluator::query(const Expr& e) {
    const Segment& head = e.name.front();
    const std::string& name = head.name;
    FakePlatform& p = session_.platform();
    if (name == "ini") {
        arity(head, 2, "ini(\"SECTION\", \"KEY\")");
        endsAt(e, 0);
        return {ReadIniValue(session_.settingsFile(), text(head.args[0]), text(head.args[1]), ""), {}};
    }
    if (name == "file" || name == "exists") {
        arity(head, 1, name + "(\"PATH\")");
        endsAt(e, 0);
        const fs::path path = fs::path(text(head.args[0]));
        std::error_code ec;
        const bool isFile = fs::is_regular_file(path, ec);
        if (name == "exists") return {isFile || fs::exists(path, ec), {}};
        if (!isFile) return Value::none("no file " + path.string());
        std::string bytes = readBytes(path);
        return {isValidUtf8(bytes) ? bytes : cp1252ToUtf8(bytes), {}};
    }
    if (name == "fileline" || name == "filelines") {
        // filelines("PATH"): how many lines; fileline("PATH", N): line N from 1, without its line
        // end nor, on the first, a UTF-8 byte-order mark; empty past the last.
        const bool one = name == "fileline";
        arity(head, one ? 2 : 1, one ? "fileline(\"PATH\", N)" : "filelines(\"PATH\")");
        endsAt(e, 0);
        const fs::path path = fs::path(text(head.args[0]));
        std::error_code ec;
        if (!fs::is_regular_file(path, ec)) return Value::none("no file " + path.string());
        std::string bytes = readBytes(path);
        if (bytes.starts_with("\xEF\xBB\xBF")) bytes.erase(0, 3);
        if (!isValidUtf8(bytes)) bytes = cp1252ToUtf8(bytes);
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < bytes.size();) {
            std::size_t end = bytes.find('\n', at);
            if (end == std::string::npos) end = bytes.size();
            std::string line = bytes.substr(at, end - at);
            if (line.ends_with('\r')) line.pop_back();
            lines.push_back(std::move(line));
            at = end + 1;
        }
        if (!one) return count(lines.size());
        const int n = integer(head.args[1]);
        if (n < 1) throw ScriptError("lines are numbered from 1");
        return {static_cast<std::size_t>(n) <= lines.size() ? lines[static_cast<std::size_t>(n) - 1] : "",
                {}};
    }
    if (name == "accessible") {
        arity(head, 1, "accessible(WINDOW.CONTROL)");
        endsAt(e, 0);
        const Ref r = resolve(head.args[0]);
        if (r.kind != Ref::Kind::Control) throw ScriptError("accessible(...) takes a control, not " + r.text);
        return {accessibleText(*r.control).spoken(), {}};
    }
    if (name == "RGB") {
        arity(head, 3, "RGB(R, G, B)");
        endsAt(e, 0);
        int c[3];
        for (int i = 0; i < 3; ++i) {
            c[i] = integer(head.args[static_cast<std::size_t>(i)]);
            if (c[i] < 0 || c[i] > 255) throw ScriptError("RGB components run from 0 to 255");
        }
        return {static_cast<double>(RGB(c[0], c[1], c[2])), {}};
    }
    if (name == "beeps") {
        noArgs(head);
        endsAt(e, 0);
        return count(static_cast<std::size_t>(p.beeps));
    }
    if (name == "msg") return messageQuery(e);
    if (name == "focus") return focusQuery(e);
    if (name == "launched") return recordQuery(p.launched, e, "program started");
    if (name == "help") return recordQuery(p.helpRequests, e, "help request");
    if (name == "sound") return recordQuery(p.sounds, e, "sound played");
    if (name == "printed" || name == "clipboard") {
        // printed.count, clipboard.count, clipboard.back; otherwise the screen queries on the
        // last printed page or on the clipboard's picture.
        noArgs(head);
        const bool printed = name == "printed";
        if (e.name.size() == 2 && !e.name[1].called && e.name[1].name == "count")
            return count(printed ? p.printedPages.size() : static_cast<std::size_t>(p.clipboardCopies));
        const RecordingSurface* s = printed ? (p.printedPages.empty() ? nullptr : &p.printedPages.back())
                                            : (p.clipboard ? &*p.clipboard : nullptr);
        if (!s) return Value::none(printed ? "nothing printed yet" : "no picture on the clipboard");
        if (!printed && e.name.size() == 2 && !e.name[1].called && e.name[1].name == "back")
            return {static_cast<double>(s->backColor()), {}};
        return surfaceQuery(*s, e, 1, printed);
    }
    if (name == "exported") {
        // exported.count, exported.last, exported(I): "png", "pdf" or "csv"; otherwise the screen
        // queries on the last exported picture or PDF page, or on a page of a longer document.
        const bool record = head.called || (e.name.size() == 2 && !e.name[1].called &&
                                            (e.name[1].name == "count" || e.name[1].name == "last"));
        if (record) return recordQuery(p.exports, e, "screen export");
        noArgs(head);
        // exported.pages and exported.page(I).…: the pages of the last document of several pages,
        // numbered from 1.
        if (e.name.size() == 2 && !e.name[1].called && e.name[1].name == "pages")
            return count(p.exportedPages.size());
        if (e.name.size() > 1 && e.name[1].name == "page") {
            arity(e.name[1], 1, "exported.page(I)");
            const int i = integer(e.name[1].args[0]);
            if (i < 1 || i > static_cast<int>(p.exportedPages.size()))
                return Value::none("no page " + std::to_string(i) + " (" +
                                   std::to_string(p.exportedPages.size()) + " pages)");
            return surfaceQuery(p.exportedPages[static_cast<std::size_t>(i - 1)], e, 2);
        }
        if (!p.exported) return Value::none("nothing exported yet");
        return surfaceQuery(*p.exported, e, 1, !p.exports.empty() && p.exports.back() == "pdf");
    }
    // screen.…, grid.…, full.… and full.screen.…, full.grid.…
    noArgs(head);
    std::string which = name;
    std::size_t first = 1;
    if (name == "full") {
        which = "full.screen";
        if (e.name.size() > 1 && (e.name[1].name == "screen" || e.name[1].name == "grid") &&
            !e.name[1].called) {
            which = "full." + e.name[1].name;
            first = 2;
        }
    }
    return surfaceQuery(recorded(which), e, first);
}

void Evaluator::noArgs(const Segment& s) {
    if (s.called) throw ScriptError(s.name + " takes no arguments");
}

Value Evaluator::recordQuery(const std::vector<std::string>& records, const Expr& e, const char* what) {
    const Segment& head = e.name.front();
    const std::string form = head.name + ".count, " + head.name + ".last or " + head.name + "(I)";
    if (head.called) {
        arity(head, 1, form);
        endsAt(e, 0);
        const int i = integer(head.args[0]);
        if (i < 0 || i >= static_cast<int>(records.size()))
            return Value::none("no " + std::string(what) + " " + std::to_string(i) + " (" +
                               std::to_string(records.size()) + " so far)");
        return {records[static_cast<std::size_t>(i)], {}};
    }
    if (e.name.size() != 2 || e.name[1].called) throw ScriptError("write " + form);
    if (e.name[1].name == "count") return count(records.size());
    if (e.name[1].name == "last") {
        if (records.empty()) return Value::none("no " + std::string(what) + " yet");
        return {records.back(), {}};
    }
    throw ScriptError("write " + form);
}

Value Evaluator::messageQuery(const Expr& e) {
    const auto& messages = session_.platform().messages;
    const Segment& head = e.name.front();
    const std::string form = "msg.count, msg.last, msg.last.title, msg(I) or msg(I).title";
    std::size_t next = 1;
    const ShownMessage* m = nullptr;
    std::string why;
    if (head.called) {
        arity(head, 1, form);
        const int i = integer(head.args[0]);
        if (i >= 0 && i < static_cast<int>(messages.size()))
            m = &messages[static_cast<std::size_t>(i)];
        else
            why = "no message box " + std::to_string(i) + " (" + std::to_string(messages.size()) + " so far)";
    } else {
        if (e.name.size() < 2 || e.name[1].called) throw ScriptError("write " + form);
        if (e.name[1].name == "count") {
            endsAt(e, 1);
            return count(messages.size());
        }
        if (e.name[1].name != "last") throw ScriptError("write " + form);
        if (!messages.empty())
            m = &messages.back();
        else
            why = "no message box yet";
        next = 2;
    }
    bool title = false;
    if (e.name.size() > next) {
        if (e.name[next].name != "title" || e.name[next].called) throw ScriptError("write " + form);
        title = true;
        endsAt(e, next);
    }
    if (!m) return Value::none(why);
    return {title ? m->title : m->text, {}};
}

const RecordingSurface& Evaluator::recorded(const std::string& which) const {
    Ondivel& app = session_.app();
    const Surface* s = nullptr;
    if (which == "screen")
        s = &app.frmOndivel().screen();
    else if (which == "grid")
        s = &app.frmOndivel().grid();
    else if (which == "full.screen")
        s = &app.frmFullScreen().screen();
    else
        s = &app.frmFullScreen().grid();
    const auto* rec = dynamic_cast<const RecordingSurface*>(s);
    if (!rec) throw ScriptError(which + " is not recorded on this platform");
    return *rec;
}

Value Evaluator::surfaceQuery(const RecordingSurface& s, const Expr& e, std::size_t first, bool onPaper) {
    const std::string owner = nameText(e.name, first);
    // On paper a trace takes its printing colour: printed.maxY(CouleurA) is CH1's printed trace.
    auto traceColor = [&](const Expr& arg) { return onPaper ? InkOnPaper(color(arg)) : color(arg); };
    const std::string form =
        owner + ".lines, .lines(C), .minX(C), .maxX(C), .minY(C), .maxY(C), .yAt(C, X) or .texts";
    if (e.name.size() != first + 1) throw ScriptError("write " + form);
    const Segment& q = e.name[first];
    if (q.name == "texts") {
        noArgs(q);
        return {s.joinedTexts(), {}};
    }
    if (q.name == "lines") {
        if (!q.called) return count(s.countLines());
        arity(q, 1, owner + ".lines(C)");
        return count(s.countLines(traceColor(q.args[0])));
    }
    std::optional<double> v;
    if (q.name == "yAt") {
        arity(q, 2, owner + ".yAt(C, X)");
        const Color c = traceColor(q.args[0]);
        const double x = number(q.args[1]);
        v = s.yAt(c, x);
        if (!v)
            return Value::none("no segment of colour " + std::to_string(c) + " spans x = " + numberText(x));
        return {*v, {}};
    }
    if (q.name != "minX" && q.name != "maxX" && q.name != "minY" && q.name != "maxY")
        throw ScriptError("write " + form);
    arity(q, 1, owner + "." + q.name + "(C)");
    const Color c = traceColor(q.args[0]);
    if (q.name == "minX")
        v = s.minX(c);
    else if (q.name == "maxX")
        v = s.maxX(c);
    else if (q.name == "minY")
        v = s.minY(c);
    else
        v = s.maxY(c);
    if (!v) return Value::none("no segment of colour " + std::to_string(c));
    return {*v, {}};
}

} // namespace ondivel::script
