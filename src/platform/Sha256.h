#pragma once
// SHA-256 through OpenSSL, which uses the processor's SHA instructions where
// there are any (several times faster than a portable implementation).
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace sorbeta::platform {

class Sha256 {
public:
    using Digest = std::array<uint8_t, 32>;

    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void update(const void* data, std::size_t size);
    // The digest of everything added; the hash starts afresh afterwards.
    Digest finish();

    // 64 lower-case hexadecimal digits.
    static std::string hex(const Digest& digest);

private:
    void* context_;  // EVP_MD_CTX, kept out of this header
};

}  // namespace sorbeta::platform
