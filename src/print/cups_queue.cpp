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

namespace {

// Text from outside on one line: control characters and runs of white space
// become single spaces, cut to `longest` characters (not bytes) of UTF-8.
std::string oneLine(const std::string &text, std::size_t longest)
{
    std::string line;
    std::size_t characters = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool space = byte < 0x20 || byte == 0x7F || byte == ' ';
        if (space && (line.empty() || line.back() == ' '))
            continue;
        const bool starts = (byte & 0xC0) != 0x80;
        if (starts && characters++ == longest)
            break;
        line += space ? ' ' : c;
    }
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

} // namespace

std::string stateMessage(const std::string &queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     queue.c_str());
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    ipp_attribute_t *found = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
    const char *text = found ? ippGetString(found, 0, nullptr) : nullptr;
    std::string message = text ? oneLine(text, 200) : std::string();
    ippDelete(response);
    // What cupsdisable and cupsreject set when given no reason says no more
    // than the state itself.
    if (message == "Paused" || message == "Rejecting Jobs")
        message.clear();
    return message;
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
