#pragma once

#include <QByteArray>
#include <QList>

// Loops of the H.264 test pattern, one per channel and picture size, encoded
// once per process and shared by every stream of every test DVR: encoding
// while streaming would cost more than the clients under test.
class TestDvrClips {
public:
    struct Frame {
        QByteArray data;
        bool key = false;
    };

    // `frames` pictures of the channel's pattern, an I frame every
    // keyInterval; camera-like content at cameraKbps when that is not 0.
    // Empty when the encoder is not available.
    static QList<Frame> loop(int width, int height, int channel, int frames, int keyInterval, int cameraKbps = 0);
    // The loops of several channels (index = position in `channels`),
    // those not made yet encoded side by side.
    static QList<QList<Frame>> loops(
        int width, int height, const QList<int>& channels, int frames, int keyInterval, int cameraKbps = 0);
};
