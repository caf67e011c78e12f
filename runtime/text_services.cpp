#include "text_services.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool Is_Digit(QChar c) { return c >= u'0' && c <= u'9'; }

// The text between leading and trailing blanks, as [first, last).
std::pair<qsizetype, qsizetype> Without_Blanks(const QString &text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return {first, last};
}

// Reads blanks, [sign] digits, blanks, refusing anything else and any value
// outside [lowest, highest]. Stops as soon as the value is too large, so any
// length of text takes linear time.
std::optional<int64_t> Whole_Number(const QString &text, int64_t lowest, int64_t highest)
{
    auto [first, last] = Without_Blanks(text);
    bool negative = false;
    if (first < last && (text[first] == u'-' || text[first] == u'+'))
        negative = text[first++] == u'-';
    if (first == last)
        return std::nullopt;
    const int64_t limit = negative ? -lowest : highest;
    int64_t value = 0;
    for (qsizetype i = first; i < last; ++i) {
        if (!Is_Digit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > limit)
            return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

QString Integer_To_Text(int32_t value) { return QString::number(value); }

QString Concat(const QString &first, const QString &second) { return first + second; }

int32_t Text_Length(const QString &text)
{
    // QLineEdit holds at most a 32-bit count of characters
    return static_cast<int32_t>(text.size());
}

QString Left_Part(const QString &text, int32_t count) { return text.left(count); }

int32_t Find(int32_t start, const QString &text, const QString &searched)
{
    return static_cast<int32_t>(text.indexOf(searched, start - 1, Qt::CaseSensitive) + 1);
}

bool Is_Numeric(const QString &text)
{
    auto [i, last] = Without_Blanks(text);
    if (i < last && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    qsizetype digits = 0;
    bool point = false;
    for (; i < last; ++i) {
        if (Is_Digit(text[i]))
            ++digits;
        else if (text[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits > 0;
}

double Text_To_Double(const QString &text)
{
    auto [first, last] = Without_Blanks(text);
    std::string ascii = text.mid(first, last - first).toStdString();
    // from_chars takes no '+' of its own
    const char *begin = ascii.data() + ascii.starts_with('+');
    const char *end = ascii.data() + ascii.size();
    double value = 0;
    if (std::from_chars(begin, end, value).ec == std::errc::result_out_of_range) {
        // Too large when a digit before the point is not 0, else too small.
        const char *point = std::find(begin, end, '.');
        bool large = std::find_if(begin, point, [](char c) { return c >= '1' && c <= '9'; }) != point;
        double magnitude = large ? std::numeric_limits<double>::infinity() : 0.0;
        return ascii.starts_with('-') ? -magnitude : magnitude;
    }
    return value;
}

double Integer_Part(double value) { return std::trunc(value); }

std::optional<uint8_t> Text_To_Byte(const QString &text)
{
    auto value = Whole_Number(text, 0, 255);
    return value ? std::optional<uint8_t>(static_cast<uint8_t>(*value)) : std::nullopt;
}

std::optional<int32_t> Text_To_Integer(const QString &text)
{
    auto value = Whole_Number(text, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    return value ? std::optional<int32_t>(static_cast<int32_t>(*value)) : std::nullopt;
}
