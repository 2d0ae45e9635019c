// Static per-class message tables: a class lists (message, notification code, control
// id range, handler) entries; dispatch searches the most derived table first, then its
// base's. Handlers are ordinary member functions reached through type-checked thunks.
#pragma once

#include <windows.h>

#include <cstddef>
#include <type_traits>

class CCmdTarget;

struct Message {
    UINT id;
    WPARAM wParam;
    LPARAM lParam;
};

// Returns true when the message was handled (result then holds the answer); false asks
// for the platform's default processing.
using MessageHandler = bool (*)(CCmdTarget& target, const Message& message, LRESULT& result);

struct MessageEntry {
    UINT message;
    UINT code;    // WM_COMMAND only: the notification code
    UINT firstId; // WM_COMMAND only: the control or command id range
    UINT lastId;
    MessageHandler handler;
};

struct MessageMap {
    const MessageMap* base;
    const MessageEntry* entries;
    std::size_t count;
};

namespace message_map_detail {
template <class> struct MemberOf;
template <class Class, class Result, class... Parameters>
struct MemberOf<Result (Class::*)(Parameters...)> {
    using Type = Class;
    using ResultType = Result;
};
} // namespace message_map_detail

// Handler<&Class::Method, arguments...>: calls target.Method(arguments...). A method that
// returns bool decides itself whether default processing follows (false = it does).
template <auto Method, auto... Arguments>
bool Handler(CCmdTarget& target, const Message&, LRESULT& result) {
    using Traits = message_map_detail::MemberOf<decltype(Method)>;
    auto& object = static_cast<typename Traits::Type&>(target);
    result = 0;
    if constexpr (std::is_same_v<typename Traits::ResultType, bool>) {
        return (object.*Method)(Arguments...);
    } else {
        (object.*Method)(Arguments...);
        return true;
    }
}

// An entry that only asks for default processing.
inline bool DefaultProcessing(CCmdTarget&, const Message&, LRESULT&) { return false; }

constexpr MessageEntry OnMessage(UINT message, MessageHandler handler) {
    return {message, 0, 0, 0, handler};
}

constexpr MessageEntry OnCommand(UINT code, UINT controlId, MessageHandler handler) {
    return {WM_COMMAND, code, controlId, controlId, handler};
}

// The base of every class with a message table.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Searches this object's tables; true when a handler took the message.
    bool Dispatch(const Message& message, LRESULT& result);

protected:
    virtual const MessageMap* GetMessageMap() const { return &messageMap; }
    static const MessageMap messageMap;
};
