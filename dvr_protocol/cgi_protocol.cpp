#include "cgi_protocol.h"

#include "dvr_protocol/base64.h"
#include "dvr_types/KAssert.h"
#include "dvr_types/urlencode.h"

#include <cctype>
#include <climits>
#include <google/protobuf/message_lite.h>

namespace cgi {

namespace {

std::string messageToText(const google::protobuf::MessageLite& message)
{
    std::string bytes;
    const bool serialized = message.SerializePartialToString(&bytes);
    K_ASSERT(serialized, "cgi_protocol.cpp");
    return urlencode(to64frombits(bytes));
}

int textToMessage(const std::string& text, google::protobuf::MessageLite* message)
{
    std::string bytes;
    const int decoded = from64tobits(urldecode(text), &bytes);
    if (decoded != 0)
        bytes.clear();
    const bool parsed = message->ParsePartialFromString(bytes);
    return decoded == 0 && parsed ? 0 : -1;
}

} // namespace

int Data2Url(const Mode& mode, const User& user, const google::protobuf::MessageLite& data, std::string* output)
{
    K_ASSERT(output != NULL, "cgi_protocol.cpp");
    const std::string userText = messageToText(user);
    *output = "MODE=" + std::to_string(static_cast<int>(mode)) + "&USER=" + userText + "&DATA=" + messageToText(data);
    if (userText.size() > MAX_USER_TEXT_LENGTH)
        return DATA2URL_USER_TOO_LONG;
    if (output->size() > MAX_QUERY_LENGTH)
        return DATA2URL_QUERY_TOO_LONG;
    return DATA2URL_OK;
}

const char* Data2UrlErrorText(int result)
{
    switch (result) {
    case DATA2URL_OK:
        return "";
    case DATA2URL_USER_TOO_LONG:
        return "user id and password are too long for the DVR";
    case DATA2URL_QUERY_TOO_LONG:
        return "request is too long for the DVR";
    default:
        return "unknown request error";
    }
}

bool Mode_IsStream(const Mode& mode)
{
    return mode == MODE_LIVE || mode == MODE_PLAYBACK || mode == MODE_BACKUP;
}

int Url2Mode(const std::string& text)
{
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';

    long long value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            break;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

int Url2User(const std::string& text, User* user)
{
    K_ASSERT(user != NULL, "cgi_protocol.cpp");
    return textToMessage(text, user);
}

int Url2Data(const std::string& text, google::protobuf::MessageLite* data)
{
    K_ASSERT(data != NULL, "cgi_protocol.cpp");
    return textToMessage(text, data);
}

} // namespace cgi
