#include <gtest/gtest.h>

#include "script/checks.h"
#include "script/script_error.h"

namespace ondivel::script {
namespace {

Value v(ScriptValue x) {
    return {std::move(x), {}};
}

TEST(ScriptChecks, EqualityAcrossTheKindsAProgramValueCanHave) {
    // Settings are texts: a numeric text equals the number it spells.
    EXPECT_TRUE(holds(v(std::string("65535")), Op::Equal, v(65535.0), 0));
    EXPECT_FALSE(holds(v(std::string("1,000")), Op::Equal, v(1.0), 0));
    // A check box reads 1, an option button true: both equal true.
    EXPECT_TRUE(holds(v(1.0), Op::Equal, v(true), 0));
    EXPECT_TRUE(holds(v(true), Op::Equal, v(1.0), 0));
    EXPECT_TRUE(holds(v(std::string("false")), Op::Equal, v(false), 0));
    EXPECT_TRUE(holds(v(std::string("1,000")), Op::NotEqual, v(std::string("1.000")), 0));
    EXPECT_FALSE(holds(v(0.1 + 0.2), Op::Equal, v(0.3), 0));
}

TEST(ScriptChecks, ToleranceIsAbsoluteAndInclusive) {
    EXPECT_TRUE(holds(v(250.5), Op::Near, v(250.0), 0.5));
    EXPECT_FALSE(holds(v(250.51), Op::Near, v(250.0), 0.5));
    EXPECT_TRUE(holds(v(0.1 + 0.2), Op::Near, v(0.3), 1e-9));
    EXPECT_TRUE(holds(v(std::string("-3.25")), Op::Near, v(-3.0), 0.25));
}

TEST(ScriptChecks, OrderingsNeedNumbers) {
    EXPECT_FALSE(holds(v(3.0), Op::Less, v(3.0), 0));
    EXPECT_TRUE(holds(v(std::string("10")), Op::Greater, v(9.0), 0));
    // A read-out with a decimal comma is not a number: the check fails, it does not stop the run.
    EXPECT_FALSE(holds(v(std::string("1,5")), Op::Greater, v(1.0), 0));
    EXPECT_THROW(holds(v(1.0), Op::Less, v(std::string("abc")), 0), ScriptError);
}

TEST(ScriptChecks, ContainsComparesTexts) {
    EXPECT_TRUE(holds(v(std::string("1 ms|2 V")), Op::Contains, v(std::string("2 V")), 0));
    EXPECT_TRUE(holds(v(std::string("1 ms")), Op::NotContains, v(std::string("ms|")), 0));
    EXPECT_TRUE(holds(v(16777215.0), Op::Contains, v(std::string("777")), 0));
    EXPECT_TRUE(holds(v(std::string("x")), Op::Contains, v(std::string("")), 0));
}

TEST(ScriptChecks, AMissingValueFailsEveryCheck) {
    const Value none = Value::none("no segment of colour 65535");
    for (Op op : {Op::Equal, Op::NotEqual, Op::Less, Op::Near, Op::Contains, Op::NotContains})
        EXPECT_FALSE(holds(none, op, v(1.0), 1)) << static_cast<int>(op);
    EXPECT_EQ(describe(none), "no segment of colour 65535");
}

TEST(ScriptChecks, DescriptionsShowWhatWasGot) {
    EXPECT_EQ(describe(v(16777215.0)), "16777215");
    EXPECT_EQ(describe(v(0.1)), "0.1");
    EXPECT_EQ(describe(v(-0.0)), "0");
    EXPECT_EQ(describe(v(1.0 / 3)), "0.33333333333333331");
    EXPECT_EQ(describe(v(true)), "true");
    EXPECT_EQ(describe(v(std::string("a \"b\"\r\n"))), "\"a \\\"b\\\"\\r\\n\"");
}

} // namespace
} // namespace ondivel::script
