#include "name_list.h"

#include <algorithm>
#include <utility>
#include <variant>

namespace gridora::names {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";

constexpr const char *kContext = "Class lists";

Message reason(const char *text, std::vector<Message> fillers = {})
{
    return Message::words(kContext, text, std::move(fillers));
}

Message number(std::size_t n)
{
    return Message::plain(std::to_string(n));
}

NameList refused(int line, Message why)
{
    return {{}, NameListError{line, std::move(why)}};
}

bool isLineBreak(char c) { return c == '\n' || c == '\r'; }

// Steps over the line break at `at` (LF, CRLF or CR); returns where the next
// line starts.
std::size_t afterLineBreak(std::string_view text, std::size_t at)
{
    return text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? at + 2 : at + 1;
}

// The length of the UTF-8 sequence at `at`, or 0 when it is not one: no
// overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    return length;
}

// The line the end of `text` lies on.
int lineAtEnd(std::string_view text)
{
    int line = 1;
    for (std::size_t at = 0; at < text.size();) {
        if (isLineBreak(text[at])) {
            at = afterLineBreak(text, at);
            ++line;
        } else {
            ++at;
        }
    }
    return line;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    static constexpr unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLead[length] | (c >> (6 * (length - 1))));
    for (int i = length - 2; i >= 0; --i)
        out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
}

// UTF-16 after its byte-order mark, as a spreadsheet saves "Unicode text",
// in UTF-8; or the line where it stops being UTF-16 (half a character at the
// end, a surrogate without its other half).
std::variant<std::string, NameListError> utf8FromUtf16(std::string_view bytes, bool bigEndian)
{
    const auto unitAt = [&](std::size_t at) {
        const auto first = static_cast<unsigned char>(bytes[at]), second = static_cast<unsigned char>(bytes[at + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    const auto isHigh = [](char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; };
    const auto isLow = [](char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; };
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size(); at += 2) {
        if (at + 1 == bytes.size())
            return NameListError{lineAtEnd(text), reason(GRIDORA_TRANSLATABLE("Class lists", "is not UTF-16 text"))};
        const char16_t unit = unitAt(at);
        char32_t c = unit;
        if (isHigh(unit) && at + 3 < bytes.size() && isLow(unitAt(at + 2))) {
            c = 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (unitAt(at + 2) - 0xDC00);
            at += 2;
        } else if (isHigh(unit) || isLow(unit)) {
            return NameListError{lineAtEnd(text), reason(GRIDORA_TRANSLATABLE("Class lists", "is not UTF-16 text"))};
        }
        appendUtf8(text, c);
    }
    return text;
}

// What makes the text no list of names: a byte that is not UTF-8, or a NUL,
// which no text file holds (a binary file does, and UTF-16 text without its
// mark).
std::optional<NameListError> notText(std::string_view text)
{
    int line = 1;
    for (std::size_t at = 0; at < text.size();) {
        if (isLineBreak(text[at])) {
            at = afterLineBreak(text, at);
            ++line;
            continue;
        }
        if (text[at] == '\0')
            return NameListError{line, reason(GRIDORA_TRANSLATABLE("Class lists", "holds a NUL byte: it is no text file, or not UTF-8"))};
        const std::size_t length = sequenceLength(text, at);
        if (length == 0)
            return NameListError{line, reason(GRIDORA_TRANSLATABLE("Class lists", "is not UTF-8 text"))};
        at += length;
    }
    return std::nullopt;
}

char32_t decodeAt(std::string_view text, std::size_t at, std::size_t length)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (length == 1)
        return byte(at);
    static constexpr unsigned char kLeadBits[] = {0, 0, 0x1F, 0x0F, 0x07};
    char32_t c = byte(at) & kLeadBits[length];
    for (std::size_t i = 1; i < length; ++i)
        c = (c << 6) | (byte(at + i) & 0x3F);
    return c;
}

// Unicode's White_Space characters.
bool isSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// `text` (valid UTF-8) without the white space around it.
std::string_view trimmed(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t length = sequenceLength(text, begin);
        if (!isSpace(decodeAt(text, begin, length)))
            break;
        begin += length;
    }
    std::size_t end = text.size();
    while (end > begin) {
        std::size_t start = end - 1;
        while (start > begin && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
            --start;
        if (!isSpace(decodeAt(text, start, end - start)))
            break;
        end = start;
    }
    return text.substr(begin, end - begin);
}

std::size_t codePoints(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// One line of a text list, or one record of a CSV, with its first field.
struct Record {
    int line = 0;       // where it starts
    std::string first;  // the first field (the whole line of a text list)
    bool blank = true;  // nothing but white space in the whole record
};

class RecordReader {
public:
    RecordReader(std::string_view text, ListFormat format) : text_(text), csv_(format == ListFormat::Csv)
    {
        if (csv_)
            separator_ = separatorOfFirstRecord();
    }

    bool atEnd() const { return at_ >= text_.size(); }
    /// Empty when a quoted field never ends; `line()` then says where it began.
    std::optional<Record> next()
    {
        return csv_ ? nextCsvRecord() : nextLine();
    }
    int line() const { return line_; }

private:
    std::optional<Record> nextLine()
    {
        Record record{line_, {}, true};
        const std::size_t begin = at_;
        while (at_ < text_.size() && !isLineBreak(text_[at_]))
            ++at_;
        record.first = std::string(text_.substr(begin, at_ - begin));
        record.blank = trimmed(record.first).empty();
        endLine();
        return record;
    }

    std::optional<Record> nextCsvRecord()
    {
        Record record{line_, {}, true};
        const std::size_t begin = at_;
        bool firstField = true;
        while (at_ < text_.size() && !isLineBreak(text_[at_])) {
            if (text_[at_] == separator_) {
                firstField = false;
                ++at_;
                continue;
            }
            std::string field;
            if (text_[at_] == '"') {
                if (!quotedField(field))
                    return std::nullopt;
            } else {
                while (at_ < text_.size() && !isLineBreak(text_[at_]) && text_[at_] != separator_)
                    field += text_[at_++];
            }
            if (firstField)
                record.first = std::move(field);
        }
        record.blank = trimmed(text_.substr(begin, at_ - begin)).empty();
        endLine();
        return record;
    }

    // From the opening quote to the closing one, then up to the next
    // separator or line break.
    bool quotedField(std::string &field)
    {
        const int opened = line_;
        ++at_;
        for (;;) {
            if (at_ >= text_.size()) {
                line_ = opened;
                return false;
            }
            const char c = text_[at_];
            if (c == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    field += '"';
                    at_ += 2;
                    continue;
                }
                ++at_;
                break;
            }
            if (isLineBreak(c)) {
                const std::size_t next = afterLineBreak(text_, at_);
                field.append(text_.substr(at_, next - at_));
                at_ = next;
                ++line_;
                continue;
            }
            field += c;
            ++at_;
        }
        while (at_ < text_.size() && !isLineBreak(text_[at_]) && text_[at_] != separator_)
            field += text_[at_++];
        return true;
    }

    void endLine()
    {
        if (at_ < text_.size()) {
            at_ = afterLineBreak(text_, at_);
            ++line_;
        }
    }

    char separatorOfFirstRecord() const
    {
        bool quoted = false, content = false, semicolon = false;
        for (std::size_t i = 0; i < text_.size(); ++i) {
            const char c = text_[i];
            if (c == '"')
                quoted = !quoted;
            else if (!quoted && isLineBreak(c) && content)
                break;
            else if (!quoted && c == ',')
                return ',';
            else if (!quoted && c == ';')
                semicolon = true;
            content = content || !(c == ' ' || c == '\t' || isLineBreak(c));
        }
        return semicolon ? ';' : ',';
    }

    std::string_view text_;
    bool csv_;
    char separator_ = ',';
    std::size_t at_ = 0;
    int line_ = 1;
};

} // namespace

NameList readNameList(std::string_view text, ListFormat format, HeaderRow header)
{
    if (text.size() > kMaxListBytes)
        return refused(0, reason(GRIDORA_TRANSLATABLE("Class lists", "is larger than %1 MB"), {number(kMaxListBytes >> 20)}));
    std::string fromUtf16;
    if (text.starts_with(kUtf16LittleMark) || text.starts_with(kUtf16BigMark)) {
        auto decoded = utf8FromUtf16(text.substr(2), text.starts_with(kUtf16BigMark));
        if (auto *fault = std::get_if<NameListError>(&decoded))
            return {{}, std::move(*fault)};
        fromUtf16 = std::move(std::get<std::string>(decoded));
        text = fromUtf16;
    } else if (text.starts_with(kUtf8Mark)) {
        text.remove_prefix(kUtf8Mark.size());
    }
    if (auto fault = notText(text))
        return {{}, std::move(fault)};

    NameList list;
    bool headerPending = header == HeaderRow::Skip;
    RecordReader reader(text, format);
    while (!reader.atEnd()) {
        const auto record = reader.next();
        if (!record)
            return refused(reader.line(), reason(GRIDORA_TRANSLATABLE("Class lists", "opens a quoted field that never ends")));
        if (record->blank)
            continue;
        if (std::exchange(headerPending, false))
            continue;
        const std::string_view name = trimmed(record->first);
        if (name.empty())
            continue;
        if (codePoints(name) > kMaxNameLength)
            return refused(record->line, reason(GRIDORA_TRANSLATABLE("Class lists", "holds a name longer than %1 characters"),
                                                {number(kMaxNameLength)}));
        if (list.names.size() == kMaxNames)
            return refused(record->line, reason(GRIDORA_TRANSLATABLE("Class lists", "holds name %1, over the limit of %2"),
                                                {number(kMaxNames + 1), number(kMaxNames)}));
        list.names.emplace_back(name);
    }
    if (list.names.empty())
        return refused(0, reason(GRIDORA_TRANSLATABLE("Class lists", "holds no names")));
    return list;
}

Message errorMessage(const NameListError &error, std::string_view fileName)
{
    const Message file = Message::plain(std::string(fileName));
    const Message line = number(static_cast<std::size_t>(error.line));
    Message where = error.line == 0 ? (fileName.empty() ? reason(GRIDORA_TRANSLATABLE("Class lists", "The list")) : file)
                    : fileName.empty() ? reason(GRIDORA_TRANSLATABLE("Class lists", "Line %1"), {line})
                                       : reason(GRIDORA_TRANSLATABLE("Class lists", "Line %1 of %2"), {line, file});
    // Where, then why: "Line 3 of 7b.csv" "is not UTF-8 text".
    return reason(GRIDORA_TRANSLATABLE("Class lists", "%1 %2."), {std::move(where), error.reason});
}

std::string errorSentence(const NameListError &error, std::string_view fileName)
{
    return errorMessage(error, fileName).english();
}

ListFormat formatOfFile(std::string_view fileName)
{
    constexpr std::string_view suffix = ".csv";
    if (fileName.size() < suffix.size())
        return ListFormat::Text;
    const std::string_view tail = fileName.substr(fileName.size() - suffix.size());
    const bool csv = std::equal(tail.begin(), tail.end(), suffix.begin(),
                                [](char a, char b) { return (a >= 'A' && a <= 'Z' ? char(a + 32) : a) == b; });
    return csv ? ListFormat::Csv : ListFormat::Text;
}

} // namespace gridora::names
