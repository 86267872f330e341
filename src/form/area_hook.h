#pragma once
// A call from one screen area into another, set by the main form when it builds the areas.
// Calling a hook nobody set is a wiring fault: under the tests it stops the run at once,
// in the program it is logged and ignored.

#include <functional>
#include <utility>

namespace area_hooks {
// Reports a hook called before it was set.
void missing(const char* name);
// The tests make a missing hook fatal.
void setStrict(bool strict);
}  // namespace area_hooks

template <typename Signature>
class AreaHook;

template <typename R, typename... Args>
class AreaHook<R(Args...)> {
public:
    explicit AreaHook(const char* name) : name_(name) {}
    AreaHook& operator=(std::function<R(Args...)> f) {
        f_ = std::move(f);
        return *this;
    }
    // Whether the other area is there to call (a feature may not exist yet).
    explicit operator bool() const { return bool(f_); }
    R operator()(Args... args) const {
        if (!f_) {
            area_hooks::missing(name_);
            return R();
        }
        return f_(std::forward<Args>(args)...);
    }

private:
    const char* name_;
    std::function<R(Args...)> f_;
};
