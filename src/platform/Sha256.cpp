#include "platform/Sha256.h"

#include <openssl/evp.h>

#include <cstdlib>

namespace sorbeta::platform {
namespace {

EVP_MD_CTX* contextOf(void* context) { return static_cast<EVP_MD_CTX*>(context); }

void start(EVP_MD_CTX* context) {
    // Only fails when memory runs out; nothing sensible follows a half-made hash.
    if (EVP_DigestInit_ex(context, EVP_sha256(), nullptr) != 1) std::abort();
}

}  // namespace

Sha256::Sha256() : context_(EVP_MD_CTX_new()) {
    if (!context_) std::abort();
    start(contextOf(context_));
}

Sha256::~Sha256() { EVP_MD_CTX_free(contextOf(context_)); }

void Sha256::update(const void* data, std::size_t size) {
    if (size > 0) EVP_DigestUpdate(contextOf(context_), data, size);
}

Sha256::Digest Sha256::finish() {
    Digest digest{};
    unsigned length = 0;
    EVP_DigestFinal_ex(contextOf(context_), digest.data(), &length);
    start(contextOf(context_));
    return digest;
}

std::string Sha256::hex(const Digest& digest) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(digest.size() * 2);
    for (const uint8_t byte : digest) {
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0x0f]);
    }
    return text;
}

}  // namespace sorbeta::platform
