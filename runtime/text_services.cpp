#include "text_services.h"

#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// Possessive, so that a megabyte of digits is read once, never backtracked.
const QRegularExpression Number_Pattern(QRegularExpression::anchoredPattern(
    QStringLiteral(" *+[-+]?+(?:[0-9]++(?:\\.[0-9]*+)?+|\\.[0-9]++) *+")));

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

bool Is_Numeric(const QString &text) { return Number_Pattern.match(text).hasMatch(); }

double Text_To_Double(const QString &text)
{
    // Qt's own conversion takes 70 ms for a pasted megabyte of digits, on every keystroke after it.
    const std::string ascii = text.trimmed().toStdString();
    const char *begin = ascii.data() + ascii.starts_with('+'); // from_chars takes no '+' of its own
    double value = 0;
    std::from_chars(begin, ascii.data() + ascii.size(), value);
    return value;
}

double Integer_Part(double value) { return std::trunc(value); }

std::optional<int32_t> Text_To_Integer(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int32_t>(value) : std::nullopt;
}
