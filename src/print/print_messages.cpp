#include "print_messages.h"

namespace gridora {

std::string queueStoppedText(const std::string &queue)
{
    return "The printer \"" + queue + "\" is stopped, so the page was not printed.";
}

std::string queueRejectingText(const std::string &queue)
{
    return "The printer \"" + queue + "\" is not accepting pages, so the page was not printed.";
}

std::string pageRefusedText(const std::string &reason)
{
    std::string why = reason;
    while (!why.empty() && (why.back() == '.' || why.back() == ' '))
        why.pop_back();
    return "The print server refused the page: " + why + ". Nothing was printed.";
}

} // namespace gridora
