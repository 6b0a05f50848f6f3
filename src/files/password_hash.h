#pragma once
// The teacher password is kept only as a salted, slow hash (Argon2id, in the self-describing
// "$argon2id$v=19$m=…,t=…,p=…$salt$hash" form), so that reading the settings never reveals it.
#include <string>

namespace ondivel {

// True for a value written by HashPassword; anything else in the store is a clear text left by
// an older version of the program.
bool IsPasswordHash(const std::string& stored);

// A new hash of the password with a fresh random salt; empty only when the system cannot spare
// the memory the hash needs (or its random source fails).
std::string HashPassword(const std::string& clear);

// Whether the typed text is the password of that hash. A value that is not a hash matches nothing.
bool VerifyPassword(const std::string& hash, const std::string& typed);

} // namespace ondivel
