#pragma once

#include <cstdint>
#include <functional>

#include "framework/core/String.h"
#include "framework/core/TextEncoding.h"

// The framework's text functions. Positions and lengths count characters (code points),
// not bytes, and positions start at 1.
namespace fw {

// The text in the target encoding; UTF-8 is the one a text is held in.
String ConvertEncoding(String text, TextEncoding target);

// The one-character text for a Unicode code point.
String Chr(std::uint32_t codePoint);

// Removes white space (Unicode's White_Space characters) at both ends.
String Trim(String text);

// The position of the first occurrence of `find` at or after `start` (0 and 1 both
// mean from the first character); 0 when it does not occur or `find` is empty.
int InStr(int start, const String& text, const String& find);

// The first `count` characters, at most the whole text; nothing for count <= 0.
String Left(const String& text, int count);

// `count` characters from position `start`. A count that runs past the end, or a
// negative count, gives the text to its end; a start below 1 counts from 1.
String Mid(const String& text, int start, int count);

// The text with the first occurrence of `find` replaced; unchanged when there is none.
String Replace(String text, const String& find, const String& replacement);

// What replacing the first occurrence of `find` gives, again and again until none is
// left, with `afterEach` called after every replacement.
String ReplaceUntilGone(String text, const String& find, const String& replacement,
                        const std::function<void()>& afterEach);

// The leading number of a text: optional blanks, a sign, digits with at most one "."
// as decimal point. 0 when the text does not start with a number.
double Val(const String& text);

// Plain decimal text of an integer.
String Str(std::int64_t value);

// A number written after a pattern of "#" and "0": rounded half away from zero to a
// whole number, at least as many digits as the pattern has "0"s ("#" alone gives "0"
// for a value that comes to 0).
String Format(double value, const String& pattern);

}  // namespace fw
