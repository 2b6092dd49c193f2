#pragma once
// What the user is told when the print server itself fails: that nothing
// printed, and why. A refused page must never look printed.

#include "message.h"

#include <string>

namespace gridora {

inline constexpr const char *kPrintServerDown =
    GRIDORA_TRANSLATABLE("Messages", "The print server is not answering, so the page was not printed.");
inline constexpr const char *kPrintSetupServerDown =
    GRIDORA_TRANSLATABLE("Messages", "The print server is not answering, so no printer can be chosen now.");
/// `reason` is the printer's own word for its state, quoted when there is one.
Message queueStoppedText(const std::string &queue, const std::string &reason = {});
Message queueRejectingText(const std::string &queue, const std::string &reason = {});
Message pageRefusedText(const std::string &reason);

} // namespace gridora
