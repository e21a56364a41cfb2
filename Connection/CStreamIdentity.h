#pragma once

#include "dvr_protocol/cgi_response.pb.h"

#include <cstddef>

// A DVR's identity as a stream reports it, read within its bounds: the old
// dialect's fixed 214-byte record or the new dialect's message, and the
// model number the program shows for it.
class CStreamIdentity {
public:
    static constexpr std::size_t OLD_RECORD_SIZE = 214;
    static constexpr int MAX_NAMES = 16;

    // The old record: channel count, the channels the user may watch, the
    // model and the names of channels 0-15, each read from its 13-byte slot
    // (EUC-KR). Only slots the payload holds whole give a name; a shorter
    // payload reads as zeros beyond its end.
    static cgi::DvrInfo fromOldRecord(const unsigned char* data, std::size_t len);
    // The new dialect's message; false when the bytes are none.
    static bool fromMessage(const unsigned char* data, std::size_t len, cgi::DvrInfo* info);

    // The reported model when the dialect knows it; otherwise the model of
    // a 4, 8 or 16-channel DVR of the dialect; otherwise `current`.
    static int normalisedModel(bool oldProtocol, int model, int channels, int current);

    // How many channel names can be shown: those the DVR has and sent, at
    // most 16.
    static int namedChannels(const cgi::DvrInfo& info);
};
