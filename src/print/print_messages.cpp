#include "print_messages.h"

namespace gridora {

namespace {

// The queue's name and, when it gives one, the printer's own reason fill the
// sentence; neither is translated.
Message notPrinted(const char *plain, const char *withReason, const std::string &queue, const std::string &reason)
{
    if (reason.empty())
        return Message::words("Messages", plain, {Message::plain(queue)});
    return Message::words("Messages", withReason, {Message::plain(queue), Message::plain(reason)});
}

} // namespace

Message queueStoppedText(const std::string &queue, const std::string &reason)
{
    return notPrinted(
        GRIDORA_TRANSLATABLE("Messages", "The printer \"%1\" is stopped, so the page was not printed."),
        GRIDORA_TRANSLATABLE("Messages", "The printer \"%1\" is stopped (it says \"%2\"), so the page was not printed."),
        queue, reason);
}

Message queueRejectingText(const std::string &queue, const std::string &reason)
{
    return notPrinted(
        GRIDORA_TRANSLATABLE("Messages", "The printer \"%1\" is not accepting pages, so the page was not printed."),
        GRIDORA_TRANSLATABLE("Messages",
                             "The printer \"%1\" is not accepting pages (it says \"%2\"), so the page was not printed."),
        queue, reason);
}

Message pageRefusedText(const std::string &reason)
{
    std::string why = reason;
    while (!why.empty() && (why.back() == '.' || why.back() == ' '))
        why.pop_back();
    return Message::words(
        "Messages", GRIDORA_TRANSLATABLE("Messages", "The print server refused the page: %1. Nothing was printed."),
        {Message::plain(why)});
}

} // namespace gridora
