#include <gtest/gtest.h>

#include "script/expression.h"
#include "script/lexer.h"
#include "script/script_error.h"

namespace ondivel::script {
namespace {

using Words = std::vector<std::string>;

TEST(ScriptWords, StringsAndArgumentListsKeepTheirBlanks) {
    EXPECT_EQ(splitWords("expect ini(\"Options\", \"Couleur fond\") == \"a b\""),
              (Words{"expect", "ini(\"Options\", \"Couleur fond\")", "==", "\"a b\""}));
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
    EXPECT_THROW(unquote(R"("tab\t")"), ScriptError);
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

TEST(ScriptExpressions, DottedNamesWithIndexesAndArguments) {
    const Expr e = parseExpression("frmGBFA.Potentio(0).Value");
    ASSERT_EQ(e.kind, Expr::Kind::Name);
    ASSERT_EQ(e.name.size(), 3u);
    EXPECT_EQ(e.name[1].name, "Potentio");
    ASSERT_TRUE(e.name[1].called);
    EXPECT_EQ(e.name[1].args.at(0).number, 0);

    const Expr q = parseExpression("screen.yAt(CouleurA, -12.5)");
    ASSERT_EQ(q.name.at(1).args.size(), 2u);
    EXPECT_EQ(q.name[1].args[0].name.at(0).name, "CouleurA");
    EXPECT_EQ(q.name[1].args[1].number, -12.5);
    EXPECT_EQ(nameText(q.name), "screen.yAt(CouleurA, -12.5)");

    EXPECT_EQ(parseExpression("false").kind, Expr::Kind::Bool);
    EXPECT_EQ(parseExpression("\"1,000\"").text, "1,000");
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

} // namespace
} // namespace ondivel::script
