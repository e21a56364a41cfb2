#include "DefStream.h"

#include "dvr_types/KAssert.h"

#include <QCoreApplication>

namespace {

bool isPal(const config::VideoType& type)
{
    return type != config::VIDEO_TYPE_NTSC;
}

const QList<int>& ratesOf(const config::VideoType& type)
{
    return isPal(type) ? DefStream::FPSPal : DefStream::FPSNtsc;
}

// Rates by resolution 0 to 3, for NTSC and PAL.
struct DefaultRates {
    int ntsc[config::Resolution_ARRAYSIZE];
    int pal[config::Resolution_ARRAYSIZE];
};

// Rows by channel count (4, 8, 16), each with the recording stream (kind 0)
// and the network stream (kind 1).
const DefaultRates g_kDefaultRates[3][2] = {
    {{{30, 30, 30, 30}, {25, 25, 25, 25}}, {{30, 15, 7, 7}, {25, 9, 6, 6}}},
    {{{30, 30, 15, 15}, {25, 25, 9, 9}}, {{15, 7, 3, 3}, {9, 6, 3, 3}}},
    {{{30, 30, 30, 15}, {25, 25, 25, 13}}, {{15, 7, 3, 1}, {12, 6, 3, 1}}},
};

int channelRow(int channels)
{
    switch (channels) {
    case 4:
        return 0;
    case 8:
        return 1;
    case 16:
        return 2;
    default:
        return -1;
    }
}

} // namespace

// Marked for translation but built before any translation is installed, so
// the names keep this wording in every language.
const QStringList DefStream::Quality
    = {QStringLiteral(QT_TRANSLATE_NOOP("QObject", "Low")), QStringLiteral(QT_TRANSLATE_NOOP("QObject", "Medium")),
        QStringLiteral(QT_TRANSLATE_NOOP("QObject", "High")), QStringLiteral(QT_TRANSLATE_NOOP("QObject", "Super"))};
const QList<int> DefStream::FPSNtsc = {0, 1, 2, 3, 4, 5, 6, 7, 10, 15, 30};
const QList<int> DefStream::FPSPal = {0, 1, 2, 3, 4, 5, 6, 7, 9, 12, 25};

int DefStream::FPS_IDX2REAL(const config::VideoType& type, int index)
{
    const QList<int>& rates = ratesOf(type);
    K_ASSERT(index >= 0 && index < rates.size(), "DVRSetup/DefStream.cpp, DefStream::FPS_IDX2REAL");
    return rates.at(index);
}

int DefStream::FPS_REAL2IDX(const config::VideoType& type, int rate)
{
    const QList<int>& rates = ratesOf(type);
    int position = 0;
    for (int i = 0; i < rates.size(); ++i) {
        if (rates.at(i) <= rate)
            position = i;
    }
    return position;
}

int DefStream::FPS_GetDefAll(
    int channels, const config::VideoType& type, const config::Resolution& resolution, const KCodecType& kind)
{
    K_ASSERT(resolution >= 0 && resolution < config::Resolution_ARRAYSIZE && KCodecType_IsValid(kind),
        "DVRSetup/DefStream.cpp, DefStream::FPS_GetDefAll");
    const int row = channelRow(channels);
    if (kind == 3 || row < 0)
        return 0;
    const DefaultRates& rates = g_kDefaultRates[row][kind];
    return isPal(type) ? rates.pal[resolution] : rates.ntsc[resolution];
}
