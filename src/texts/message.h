#pragma once
// Words for the user from layers that know no Qt: an English sentence with
// %1, %2, … and what fills them, each filler words of their own or plain
// text (a printer's name, a number) that is never translated. The window
// says it in its language through its catalogue (i18n::say), the browser
// through the same catalogue, and gridora-sheet in English.

#include "translatable.h"

#include <string>
#include <utility>
#include <vector>

namespace gridora {

struct Message {
    /// The catalogue's context of `text`; empty for plain text shown as it is.
    std::string context;
    std::string text;
    std::vector<Message> args;

    /// Words marked GRIDORA_TRANSLATABLE(context, text), filled from `args`.
    static Message words(const char *context, const char *text, std::vector<Message> args = {})
    {
        return {context, text, std::move(args)};
    }
    static Message plain(std::string text) { return {{}, std::move(text), {}}; }

    /// The sentence in English: each %N (N one digit) filled from args.
    std::string english() const
    {
        std::string said;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char next = i + 1 < text.size() ? text[i + 1] : '\0';
            const std::size_t n = static_cast<std::size_t>(next - '1');
            if (!context.empty() && text[i] == '%' && next >= '1' && next <= '9' && n < args.size()) {
                said += args[n].english();
                ++i;
            } else {
                said += text[i];
            }
        }
        return said;
    }
};

} // namespace gridora
