#pragma once

#include <string>
#include <string_view>

// Standard base64 (capitals, small letters, digits, "+", "/"), the last group
// filled with "=" to four characters, no line breaks.
std::string to64frombits(std::string_view bytes);

// Decodes base64 text into *bytes (replacing its content); the text ends at its
// first zero byte. A leading "+ " is skipped and a carriage return ends the
// text, as DVRs send it. Returns 0, or -1 on a character outside the alphabet
// (including a last group cut short), in which case *bytes holds the groups
// decoded before it.
int from64tobits(std::string_view text, std::string* bytes);
