#pragma once
// The one owner of a file descriptor in the program: closed when dropped or
// replaced, never twice.
namespace sorbeta::platform {

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Gives the descriptor up without closing it.
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Closes the descriptor now.
    void reset();

private:
    int fd_ = -1;
};

}  // namespace sorbeta::platform
