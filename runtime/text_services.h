// Text and number conversions the game logic relies on. Texts are QStrings:
// 16-bit characters, and every length and position counts those.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

QString Integer_To_Text(int32_t value);
QString Concat(const QString &first, const QString &second);
int32_t Text_Length(const QString &text);
QString Left_Part(const QString &text, int32_t count);

// 1-based position of the first `searched` at or after `start`, 0 when absent.
int32_t Find(int32_t start, const QString &text, const QString &searched);

// Accepts blanks* [sign] digits [. digits] blanks*, with ASCII digits only
// (a lone point needs a digit on one side). Nothing else reads as a number:
// no exponent, no separators, no hexadecimal, no locale.
bool Is_Numeric(const QString &text);

// For texts Is_Numeric accepts. A value beyond the double's range reads as
// 0: only a text far longer than the length rule allows has one.
double Text_To_Double(const QString &text);
double Integer_Part(double value);

// For the blanks and digits that the game's checks let through; nothing
// when there is no digit or the value does not fit.
std::optional<int32_t> Text_To_Integer(const QString &text);
