#include "files/password_hash.h"

#include <sodium.h>

#include <mutex>

namespace ondivel {

namespace {

constexpr const char kPrefix[] = "$argon2id$";

// libsodium picks its fastest code and seeds its random generator once per program.
bool initialiseOnce() {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = sodium_init() >= 0; });
    return ready;
}

} // namespace

bool IsPasswordHash(const std::string& stored) {
    return stored.rfind(kPrefix, 0) == 0;
}

std::string HashPassword(const std::string& clear) {
    if (!initialiseOnce()) return {};
    char out[crypto_pwhash_STRBYTES];
    // The interactive limits (64 MiB, a fraction of a second): the hash is checked while a teacher
    // waits at the password window, on the modest PCs of a classroom.
    if (crypto_pwhash_str(out, clear.data(), clear.size(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0)
        return {};
    return out;
}

bool VerifyPassword(const std::string& hash, const std::string& typed) {
    if (!IsPasswordHash(hash) || hash.size() >= crypto_pwhash_STRBYTES) return false;
    if (!initialiseOnce()) return false;
    return crypto_pwhash_str_verify(hash.c_str(), typed.data(), typed.size()) == 0;
}

} // namespace ondivel
