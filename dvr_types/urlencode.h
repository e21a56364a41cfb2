#pragma once

#include <string>
#include <string_view>

// URL escaping of query values. Bytes whose entry is not zero are copied, every
// other byte becomes "%" and two lower-case hexadecimal digits; DVRs compare
// the escaped text byte for byte, so the case and the set of copied bytes are
// fixed.
extern const char URLCHARTBL[256];

std::string urlencode(std::string_view bytes);

// Reverse of urlencode: "%" and two hexadecimal digits (either case) become one
// byte; "+" stays "+". A "%" that is not followed by two hexadecimal digits is
// kept as it is. The text ends at its first zero byte.
std::string urldecode(std::string_view text);
