#include <gtest/gtest.h>

#include <string>

#include "files/password_hash.h"

namespace ondivel {
namespace {

TEST(PasswordHash, IsSaltedSlowArgon2idAndMatchesOnlyTheSameText) {
    const std::string hash = HashPassword("sésame");
    ASSERT_TRUE(IsPasswordHash(hash)) << hash;
    // Interactive limits: 64 MiB, two passes.
    EXPECT_NE(hash.find("$m=65536,t=2,p=1$"), std::string::npos) << hash;
    EXPECT_EQ(hash.find("sésame"), std::string::npos);
    EXPECT_NE(HashPassword("sésame"), hash) << "two hashes of one password share their salt";

    EXPECT_TRUE(VerifyPassword(hash, "sésame"));
    for (const char* wrong : {"sesame", "Sésame", "sésame ", ""})
        EXPECT_FALSE(VerifyPassword(hash, wrong)) << wrong;

    const std::string empty = HashPassword("");
    EXPECT_TRUE(VerifyPassword(empty, ""));
    EXPECT_FALSE(VerifyPassword(empty, " "));
}

TEST(PasswordHash, ClearTextOrDamagedHashesMatchNothing) {
    EXPECT_FALSE(IsPasswordHash("Ohm"));
    EXPECT_FALSE(IsPasswordHash(""));
    EXPECT_FALSE(IsPasswordHash("$argon2i$v=19$m=4096,t=3,p=1$c2FsdA$aGFzaA"));
    EXPECT_FALSE(VerifyPassword("Ohm", "Ohm")) << "a clear text is no hash to check against";
    EXPECT_FALSE(VerifyPassword("", ""));
    const std::string hash = HashPassword("Ohm");
    EXPECT_FALSE(VerifyPassword(hash.substr(0, hash.size() - 4), "Ohm"));
    EXPECT_FALSE(VerifyPassword("$argon2id$", "Ohm"));
    EXPECT_FALSE(VerifyPassword(hash + std::string(200, 'A'), "Ohm"));
}

} // namespace
} // namespace ondivel
