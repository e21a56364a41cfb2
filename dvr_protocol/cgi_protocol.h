#pragma once

#include "dvr_protocol/cgi_request.pb.h"

#include <string>

namespace google::protobuf {
class MessageLite;
}

namespace cgi {

// What a DVR accepts: it reads the query and each of its values into fixed
// buffers, so a longer one would reach it cut short or not at all.
constexpr std::size_t MAX_QUERY_LENGTH = 1023;
constexpr std::size_t MAX_USER_TEXT_LENGTH = 255;

// Results of Data2Url.
constexpr int DATA2URL_OK = 0;
constexpr int DATA2URL_USER_TOO_LONG = -1;
constexpr int DATA2URL_QUERY_TOO_LONG = -2;

// Builds the query "MODE=%d&USER=%s&DATA=%s" (USER and DATA each serialized,
// base64-coded, then URL-escaped) into *output, always whole. A result other
// than DATA2URL_OK means the DVR could not take the query: it must not be sent
// (Data2UrlErrorText says why).
[[nodiscard]] int Data2Url(
    const Mode& mode, const User& user, const google::protobuf::MessageLite& data, std::string* output);

const char* Data2UrlErrorText(int result);

bool Mode_IsStream(const Mode& mode);

// The decoding side, as a DVR takes a query apart.

// The leading decimal number of the text (white space skipped, optional sign);
// 0 when there is none; out-of-range numbers are clamped to the int range.
int Url2Mode(const std::string& text);

// URL-unescape, base64-decode and parse a USER or DATA value into the message.
// Returns 0, or -1 when the text is not valid base64 (the message is then
// empty) or its bytes are not a valid message.
int Url2User(const std::string& text, User* user);
int Url2Data(const std::string& text, google::protobuf::MessageLite* data);

} // namespace cgi
