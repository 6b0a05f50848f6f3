#include <gtest/gtest.h>

#include "script/checks.h"
#include "script/expression.h"
#include "script/lexer.h"
#include "script/script_error.h"

namespace ondivel::script {
namespace {

using Words = std::vector<std::string>;

TEST(ScriptWords, StringsAndArgumentListsKeepTheirBlanks) {
    // Quoted blanks and calls with blanks run in every scenario; here the tab and a "(" in a string.
    EXPECT_EQ(splitWords("  type\tfrmX.txt   \"say \\\"hi\\\" (now\"  "),
              (Words{"type", "frmX.txt", "\"say \\\"hi\\\" (now\""}));
    EXPECT_EQ(splitWords("   "), Words{});
}

TEST(ScriptWords, UnbalancedLinesAreRefused) {
    EXPECT_THROW(splitWords("print \"open"), ScriptError);
    EXPECT_THROW(splitWords("print f(1"), ScriptError);
    EXPECT_THROW(splitWords("print f)1("), ScriptError);
    EXPECT_THROW(splitWords("print \"ends with a backslash\\"), ScriptError);
}

TEST(ScriptWords, EscapesOfStrings) {
    EXPECT_EQ(unquote(R"("a\r\nb \"q\" \\")"), "a\r\nb \"q\" \\");
    EXPECT_EQ(unquote("\"\""), "");
    EXPECT_EQ(unquote(R"("a\tb")"), "a\tb"); // the cells of a table list
    EXPECT_THROW(unquote(R"("bell\a")"), ScriptError);
    EXPECT_THROW(unquote(R"("a"b)"), ScriptError);
    EXPECT_EQ(wordText("$ROOT/a.ond"), "$ROOT/a.ond");
}

TEST(ScriptWords, NumbersUseADotAndNothingElse) {
    double d = 0;
    EXPECT_TRUE(parseNumber("-2.5e-3", d));
    EXPECT_DOUBLE_EQ(d, -0.0025);
    for (const char* bad : {"1,5", "12abc", "", "inf", "nan", "1e999", " 1"})
        EXPECT_FALSE(parseNumber(bad, d)) << bad;
}

TEST(ScriptExpressions, MalformedExpressionsAreRefused) {
    for (const char* bad :
         {"a.", ".a", "a..b", "a(1", "a(1,)", "a b", "1.2.3", "-x", "a(\"s\"", "\"s\"x", "f(,)"})
        EXPECT_THROW(parseExpression(bad), ScriptError) << bad;
}

TEST(ScriptExpressions, DeepNestingIsAnErrorNotAStackOverflow) {
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "f(";
    deep += "1";
    for (int i = 0; i < 100000; ++i)
        deep += ")";
    EXPECT_THROW(parseExpression(deep), ScriptError);
}

Value v(ScriptValue x) {
    return {std::move(x), {}};
}

using S = std::string;

// The everyday comparisons run in the harness_checks scenario; these are the edges between the
// kinds a program value can have.
TEST(ScriptChecks, ComparisonsAcrossTheKindsOfValues) {
    struct Case {
        ScriptValue actual;
        Op op;
        ScriptValue expected;
        double tolerance;
        bool holds;
    };
    const Case cases[] = {
        {S("1,000"), Op::Equal, 1.0, 0, false}, // a numeric text equals only the number it spells
        {1.0, Op::Equal, true, 0, true},        // a check box reads 1, an option button true
        {S("false"), Op::Equal, false, 0, true},
        {0.1 + 0.2, Op::Equal, 0.3, 0, false},
        {250.5, Op::Near, 250.0, 0.5, true}, // the tolerance is absolute and inclusive
        {250.51, Op::Near, 250.0, 0.5, false},
        {S("-3.25"), Op::Near, -3.0, 0.25, true},
        {3.0, Op::Less, 3.0, 0, false},
        {S("10"), Op::Greater, 9.0, 0, true},
        // A read-out with a decimal comma is not a number: the check fails, it does not stop the run.
        {S("1,5"), Op::Greater, 1.0, 0, false},
        {16777215.0, Op::Contains, S("777"), 0, true},
        {S("x"), Op::Contains, S(""), 0, true},
        {S("1 ms"), Op::NotContains, S("ms|"), 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(holds(v(c.actual), c.op, v(c.expected), c.tolerance), c.holds)
            << describe(v(c.actual)) << " op " << static_cast<int>(c.op) << " " << describe(v(c.expected));
    EXPECT_THROW(holds(v(1.0), Op::Less, v(S("abc")), 0), ScriptError);

    const Value none = Value::none("no segment of colour 65535");
    for (Op op : {Op::Equal, Op::NotEqual, Op::Less, Op::Near, Op::Contains, Op::NotContains})
        EXPECT_FALSE(holds(none, op, v(1.0), 1)) << static_cast<int>(op);
    EXPECT_EQ(describe(none), "no segment of colour 65535");
}

TEST(ScriptChecks, DescriptionsShowWhatWasGot) {
    EXPECT_EQ(describe(v(16777215.0)), "16777215");
    EXPECT_EQ(describe(v(-0.0)), "0");
    EXPECT_EQ(describe(v(1.0 / 3)), "0.33333333333333331");
    EXPECT_EQ(describe(v(true)), "true");
    EXPECT_EQ(describe(v(S("a \"b\"\r\n"))), "\"a \\\"b\\\"\\r\\n\"");
}

} // namespace
} // namespace ondivel::script
