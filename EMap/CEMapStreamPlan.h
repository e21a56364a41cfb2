#pragma once

#include "ProtoBuf/EMapList.pb.h"

#include <QList>

// Which streams a map view opens: one per DVR among the map's cameras (one
// address and port, compared exactly), asking for the channels placed on
// the map. The record of a DVR's first camera names, authenticates and
// speaks for the stream. A camera whose channel lies outside 0-15 joins no
// stream.
struct CEMapStreamPlan {
    static constexpr int CHANNELS = 16;

    // The stream requests: each a DVR record whose channel mask holds the
    // map's channels of that DVR.
    QList<DVR> streams;
    // Per camera of the map: the index of its stream, or -1.
    QList<int> streamOfCamera;

    static bool isStreamChannel(int channel) { return channel >= 0 && channel < CHANNELS; }
    static CEMapStreamPlan build(const EMap& map);
};
