#include "script/expression.h"

#include <cctype>

#include "script/lexer.h"
#include "script/script_error.h"

namespace ondivel::script {

namespace {

// Deep enough for any sensible argument list, shallow enough that a hostile line cannot
// exhaust the stack.
constexpr int kMaxDepth = 16;

bool isNameStart(char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalpha(u) || c == '_' || u >= 0x80;
}
bool isNameChar(char c) {
    return isNameStart(c) || std::isdigit(static_cast<unsigned char>(c));
}

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {}

    Expr parseAll() {
        Expr e = parseExpr(0);
        skipBlanks();
        if (pos_ != text_.size())
            throw ScriptError("unexpected '" + std::string(text_.substr(pos_)) + "' in " +
                              std::string(text_) + (peek() == ',' ? " (numbers use a dot)" : ""));
        return e;
    }

  private:
    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    Expr parseExpr(int depth) {
        if (depth > kMaxDepth) throw ScriptError("expression nested too deeply");
        skipBlanks();
        if (atEnd()) throw ScriptError("missing expression");
        const std::size_t start = pos_;
        Expr e;
        const char c = peek();
        if (c == '"') {
            e.kind = Expr::Kind::String;
            e.text = unquote(takeString());
        } else if (std::isdigit(static_cast<unsigned char>(c)) || c == '-' || c == '.') {
            e.kind = Expr::Kind::Number;
            e.number = takeNumber();
        } else if (isNameStart(c)) {
            e.name = parseName(depth);
            if (e.name.size() == 1 && !e.name[0].called &&
                (e.name[0].name == "true" || e.name[0].name == "false")) {
                e.kind = Expr::Kind::Bool;
                e.boolean = e.name[0].name == "true";
                e.name.clear();
            } else {
                e.kind = Expr::Kind::Name;
            }
        } else {
            throw ScriptError("unexpected '" + std::string(1, c) + "' in " + std::string(text_));
        }
        e.source = std::string(text_.substr(start, pos_ - start));
        return e;
    }

    std::string_view takeString() {
        const std::size_t start = pos_++;
        while (!atEnd() && peek() != '"') {
            if (peek() == '\\') ++pos_;
            ++pos_;
        }
        if (atEnd()) throw ScriptError("unterminated string");
        ++pos_;
        return text_.substr(start, pos_ - start);
    }

    double takeNumber() {
        const std::size_t start = pos_;
        if (peek() == '-') ++pos_;
        while (!atEnd()) {
            const char c = peek();
            const bool exponentSign =
                (c == '-' || c == '+') && pos_ > start && (text_[pos_ - 1] == 'e' || text_[pos_ - 1] == 'E');
            if (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || exponentSign)
                ++pos_;
            else
                break;
        }
        double value = 0;
        const std::string_view number = text_.substr(start, pos_ - start);
        if (!parseNumber(number, value)) throw ScriptError("not a number: " + std::string(number));
        return value;
    }

    std::vector<Segment> parseName(int depth) {
        std::vector<Segment> name;
        for (;;) {
            if (!isNameStart(peek())) throw ScriptError("expected a name after '.' in " + std::string(text_));
            Segment s;
            const std::size_t start = pos_;
            while (!atEnd() && isNameChar(peek()))
                ++pos_;
            s.name = std::string(text_.substr(start, pos_ - start));
            if (peek() == '(') {
                ++pos_;
                s.called = true;
                skipBlanks();
                if (peek() == ')') {
                    ++pos_;
                } else {
                    for (;;) {
                        s.args.push_back(parseExpr(depth + 1));
                        skipBlanks();
                        if (peek() == ',') {
                            ++pos_;
                            continue;
                        }
                        if (peek() == ')') {
                            ++pos_;
                            break;
                        }
                        throw ScriptError("expected ',' or ')' in " + std::string(text_));
                    }
                }
            }
            name.push_back(std::move(s));
            if (peek() != '.') break;
            ++pos_;
        }
        return name;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

Expr parseExpression(std::string_view word) {
    return Parser(word).parseAll();
}

std::string nameText(const std::vector<Segment>& name, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < name.size() && i < count; ++i) {
        if (i) out += '.';
        out += name[i].name;
        if (name[i].called) {
            out += '(';
            for (std::size_t a = 0; a < name[i].args.size(); ++a) {
                if (a) out += ", ";
                out += name[i].args[a].source;
            }
            out += ')';
        }
    }
    return out;
}

} // namespace ondivel::script
