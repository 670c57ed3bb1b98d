#include "platform/UniqueFd.h"

#include <unistd.h>

namespace sorbeta::platform {

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        reset();
        fd_ = other.release();
    }
    return *this;
}

void UniqueFd::reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

}  // namespace sorbeta::platform
