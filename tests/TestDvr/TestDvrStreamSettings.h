#pragma once

// What the test DVR's streams carry and how they misbehave. One setting for
// all streams of a DVR; a stream takes the setting that holds when it starts.
struct TestDvrStreamSettings {
    enum class Fault {
        None,
        Refuse, // the response packet with answer code faultValue, then the DVR closes (unless it accepts)
        Garbage, // junk bytes between packets
        BadLength, // now and then a packet whose length field lies, too short or too long
        Oversize, // early in the stream, one video packet larger than a 5 MiB receive buffer
        Split, // every packet written in pieces, a start marker cut in two
        CloseAfter, // the DVR closes each stream after faultValue packets
        Silence, // accepted and identified, then nothing at all
        SlowDrip, // one byte every faultValue ms, so that no packet ever completes in time
        CorruptVideo, // every third video frame with scrambled H.264
        LyingHeaders, // extra frames naming a channel beyond 15 or a size beyond their payload
        ShortNames, // an identity with more channels than names
    };

    int width = 352;
    int height = 240;
    int fps = 25;
    // Frames of the picture loop per channel, and an I frame every keyInterval.
    int clipFrames = 10;
    int keyInterval = 5;
    // 0: the test pattern, all channels' frames sent together. Otherwise
    // camera-like content at this many kbit/s per channel, the channels'
    // frames spread over each frame interval as unsynchronised cameras send
    // them.
    int cameraKbps = 0;
    bool audio = true;
    int statusIntervalMs = 500;
    // A backup runs this many times faster than real time.
    int backupSpeed = 4;
    // A playback command takes effect this many frame times late, as if
    // those frames had been on their way when it came.
    int playbackCommandLag = 0;
    Fault fault = Fault::None;
    int faultValue = 0;
};
