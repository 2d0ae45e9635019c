// Message table search.
#include "message_map.h"

const MessageMap CCmdTarget::messageMap = {nullptr, nullptr, 0};

namespace {

bool Matches(const MessageEntry& entry, const Message& message) {
    if (entry.message != message.id) {
        return false;
    }
    if (message.id != WM_COMMAND) {
        return true;
    }
    const UINT code = HIWORD(message.wParam);
    const UINT id = LOWORD(message.wParam);
    return entry.code == code && entry.firstId <= id && id <= entry.lastId;
}

} // namespace

bool CCmdTarget::Dispatch(const Message& message, LRESULT& result) {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            if (Matches(map->entries[i], message)) {
                return map->entries[i].handler(*this, message, result);
            }
        }
    }
    return false;
}
