#pragma once
// What the print server says about a queue before a page is drawn for it, and
// whether it took the page it was given. Qt hands pages to CUPS and ignores the
// answer, so a refused page would otherwise look printed.

#include <string>

namespace gridora::cups {

enum class QueueState {
    Ready,     ///< accepting pages and not stopped (it may be busy)
    Missing,   ///< the server answers but has no such queue
    Stopped,   ///< holds pages until someone starts it again
    Rejecting, ///< refuses new pages
    ServerDown ///< no print server answers
};

QueueState queueState(const std::string &queue);

/// The queue's own reason for its state (CUPS's printer-state-message, such
/// as "Paper jam in tray 2"), as one line of at most 200 characters; empty
/// when it gives none, or only the server's word for stopping ("Paused") or
/// for refusing pages ("Rejecting Jobs").
std::string stateMessage(const std::string &queue);

/// True when a print server answers on the configured address.
bool serverAnswers();

/// The server's answer to the last request this thread made: empty when it
/// succeeded, otherwise its reason.
std::string lastRefusal();
/// Whether the last refusal said the queue does not accept pages.
bool lastRefusalWasNotAccepting();

} // namespace gridora::cups
