#pragma once

#include "ProtoBuf/ModelInfo.pb.h"
#include "dvr_types/StreamTypes.h"
#include "sys_conf/proto/record_def.pb.h"

#include <QList>
#include <QStringList>

// The frame rates and quality names the record and network pages offer, and
// a channel's default frame rate. A combo box filled from a rate list uses
// the list position as its row. Any video type but NTSC counts as PAL.
class DefStream {
public:
    DefStream() = delete;

    // "Low", "Medium", "High", "Super": the position is the config::Quality value.
    static const QStringList Quality;
    // Selectable rates, ascending.
    static const QList<int> FPSNtsc;
    static const QList<int> FPSPal;

    // The rate at a list position (0 to 10).
    static int FPS_IDX2REAL(const config::VideoType& type, int index);
    // The position of the largest selectable rate not above rate; 0 when
    // none is.
    static int FPS_REAL2IDX(const config::VideoType& type, int rate);
    // The default rate of a channel of a DVR with that many channels; 0 for
    // kind 3 and for a channel count other than 4, 8 and 16. Kind 0 is the
    // recording stream, kind 1 the network stream.
    static int FPS_GetDefAll(
        int channels, const config::VideoType& type, const config::Resolution& resolution, const KCodecType& kind);
};
