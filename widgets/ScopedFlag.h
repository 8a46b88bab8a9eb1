#pragma once

namespace trimerka {

// Sets a flag for the span of a scope and gives it back its earlier value however the scope ends, so that
// an error raised inside (by a delegate, a signal's receiver or the platform) cannot leave it set.
class ScopedFlag {
public:
    explicit ScopedFlag(bool& flag) : flag_(flag), earlier_(flag) { flag_ = true; }
    ~ScopedFlag() { flag_ = earlier_; }
    ScopedFlag(const ScopedFlag&) = delete;
    ScopedFlag& operator=(const ScopedFlag&) = delete;

private:
    bool& flag_;
    bool earlier_;
};

} // namespace trimerka
