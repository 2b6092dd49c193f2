#pragma once
// What the user is told when the print server itself fails: that nothing
// printed, and why. A refused page must never look printed.

#include <string>

namespace gridora {

inline constexpr const char *kPrintServerDown = "The print server is not answering, so the page was not printed.";
inline constexpr const char *kPrintSetupServerDown =
    "The print server is not answering, so no printer can be chosen now.";
/// `reason` is the printer's own word for its state, quoted when there is one.
std::string queueStoppedText(const std::string &queue, const std::string &reason = {});
std::string queueRejectingText(const std::string &queue, const std::string &reason = {});
std::string pageRefusedText(const std::string &reason);

} // namespace gridora
