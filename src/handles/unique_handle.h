// UniqueHandle: the one owner of a handle, closed when the owner goes. Traits says what a
// handle is and how it closes:
//   using Handle = ...;           the handle type
//   static Handle Invalid();      what an empty owner holds
//   static bool IsValid(Handle);  optional: when more than one value means "none"
//   void Close(Handle) (const);   may be static; an instance is kept for traits with state
#pragma once

#include <utility>

template <class Traits> class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle, Traits traits = {})
        : handle(handle), traits(std::move(traits)) {}
    ~UniqueHandle() { Close(); }

    UniqueHandle(UniqueHandle&& other) noexcept
        : handle(std::exchange(other.handle, Traits::Invalid())), traits(other.traits) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle = std::exchange(other.handle, Traits::Invalid());
            traits = other.traits;
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle; }
    explicit operator bool() const { return IsValid(handle); }

    // Closes the handle held, if any, and holds the replacement.
    void Reset(Handle replacement = Traits::Invalid()) {
        Close();
        handle = replacement;
    }
    // Closes the handle held, if any; the place where a call that opens a handle puts it.
    Handle* Receive() {
        Reset();
        return &handle;
    }

private:
    static bool IsValid(Handle candidate) {
        if constexpr (requires { Traits::IsValid(candidate); }) {
            return Traits::IsValid(candidate);
        } else {
            return candidate != Traits::Invalid();
        }
    }

    void Close() {
        if (IsValid(handle)) {
            traits.Close(handle);
        }
    }

    Handle handle = Traits::Invalid();
    [[no_unique_address]] Traits traits{};
};
