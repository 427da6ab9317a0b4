// Runs a function when the scope is left, however it is left.
#pragma once

#include <utility>

namespace win {

template <class Fn>
class ScopeExit {
public:
    explicit ScopeExit(Fn fn) : m_fn(std::move(fn)) {}
    ~ScopeExit() { m_fn(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Fn m_fn;
};

}  // namespace win
