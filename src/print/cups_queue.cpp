#include "cups_queue.h"

#include <cups/cups.h>

#include <cstring>

namespace gridora::cups {

namespace {

const char *option(const cups_dest_t &dest, const char *name)
{
    return cupsGetOption(name, dest.num_options, dest.options);
}

QueueState stateOf(const cups_dest_t &dest)
{
    const char *accepting = option(dest, "printer-is-accepting-jobs");
    if (accepting && std::strcmp(accepting, "false") == 0)
        return QueueState::Rejecting;
    const char *state = option(dest, "printer-state");
    if (state && std::strcmp(state, "5") == 0) // IPP_PSTATE_STOPPED
        return QueueState::Stopped;
    return QueueState::Ready;
}

} // namespace

QueueState queueState(const std::string &queue)
{
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
    if (!dest)
        return serverAnswers() ? QueueState::Missing : QueueState::ServerDown;
    const QueueState state = stateOf(*dest);
    cupsFreeDests(1, dest);
    return state;
}

bool serverAnswers()
{
    // A missing queue and a missing server look alike to cupsGetNamedDest.
    http_t *http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr);
    if (!http)
        return false;
    httpClose(http);
    return true;
}

std::string lastRefusal()
{
    if (cupsLastError() <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    const char *reason = cupsLastErrorString();
    return reason && *reason ? reason : ippErrorString(cupsLastError());
}

bool lastRefusalWasNotAccepting()
{
    return cupsLastError() == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS;
}

} // namespace gridora::cups
