#include "print_messages.h"

namespace gridora {

namespace {

std::string notPrinted(const std::string &queue, const std::string &state, const std::string &reason)
{
    const std::string says = reason.empty() ? std::string() : " (it says \"" + reason + "\")";
    return "The printer \"" + queue + "\" " + state + says + ", so the page was not printed.";
}

} // namespace

std::string queueStoppedText(const std::string &queue, const std::string &reason)
{
    return notPrinted(queue, "is stopped", reason);
}

std::string queueRejectingText(const std::string &queue, const std::string &reason)
{
    return notPrinted(queue, "is not accepting pages", reason);
}

std::string pageRefusedText(const std::string &reason)
{
    std::string why = reason;
    while (!why.empty() && (why.back() == '.' || why.back() == ' '))
        why.pop_back();
    return "The print server refused the page: " + why + ". Nothing was printed.";
}

} // namespace gridora
