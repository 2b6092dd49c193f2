#include "text_line.h"

#include "painted_text.h"

namespace gridora {

namespace {

bool mustEscape(char16_t c)
{
    return !paintedEscape(c).empty();
}

QString escape(char16_t c)
{
    return QString::fromStdString(paintedEscape(c));
}

} // namespace

QString escapedControls(const QString &text)
{
    // None of the characters escaped is half of a surrogate pair, so a UTF-16
    // unit at a time is enough. Most text has nothing to escape: it is
    // returned as it is, not copied.
    qsizetype first = 0;
    while (first < text.size() && !mustEscape(text[first].unicode()))
        ++first;
    if (first == text.size())
        return text;
    QString shown = text.left(first);
    shown.reserve(text.size() + 16);
    for (qsizetype i = first; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (mustEscape(c))
            shown += escape(c);
        else
            shown += QChar(c);
    }
    return shown;
}

QString paintedLine(const std::string &text)
{
    // fromStdString takes the whole size, embedded NULs included.
    return escapedControls(QString::fromStdString(text));
}

} // namespace gridora
