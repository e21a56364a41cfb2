#pragma once

class TestDvr;

// Makes the test DVR honour channel selections, as a DVR does: a new-dialect
// mode 3 (StreamChannel) changes the video, header-only and audio channels of
// the stream it names (the audio also of that stream's audio stream, client
// id + 100), and an old-dialect "MODE=5&CID=n&OP=3&CH=<hex>" the channels of
// stream n, from the stream's next frame. An empty mask leaves a stream with
// its status only. Other old-dialect MODE 5 operations go on to the handler
// that was set before, or get the standard answer.
class TestDvrChannelSelect {
public:
    static constexpr int OLD_COMMAND_MODE = 5;
    static constexpr int OLD_OP_CHANNELS = 3;

    static void install(TestDvr* dvr);
};
