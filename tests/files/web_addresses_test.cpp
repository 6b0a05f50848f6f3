#include <gtest/gtest.h>

#include "files/web_addresses.h"

namespace ondivel {
namespace {

// The About box and the Help menu offer the site only when it can be a real one.
TEST(WebAddresses, NamesKeptForExamplesAreNoRealSite) {
    // clang-format off
    const struct { const char* address; bool real; } cases[] = {
        {"https://ondivel.example/",            false}, // the build's default
        {"HTTPS://Ondivel.EXAMPLE/",            false},
        {"https://example.com/ondivel/",        false},
        {"http://www.example.org",              false},
        {"https://lycee.test/",                 false},
        {"https://site.invalid./",              false}, // the root's dot
        {"https://localhost:8080/ondivel",      false},
        {"https://moi@example.net/",            false},
        {"",                                    false},
        {"ftp://lycee-ondivel.fr/",             false}, // not a web page
        {"https://",                            false},
        {"https://lycee-ondivel.fr/ondivel/",   true},
        {"http://sciences.lycee-ondivel.fr",    true},
        {"https://notexample.com/",             true},  // a name that merely ends alike
        {"https://example.com.lycee.fr/",       true},
        {"https://exemple.fr:443/?q=example",   true},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(IsRealWebAddress(c.address), c.real) << c.address;
}

} // namespace
} // namespace ondivel
