#pragma once

#include "SysData/HdbFileHeader.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

namespace cgi {
class DvrInfo;
}

// Writes a DVR's frames as received into raw recording files: per minute of
// DVR time a frame file (".hav") and its frame index (".hrf"), and per
// recording one minute database (".hdb") that tells which channels recorded
// in which minute and why. No lock of its own: the recorder serialises calls.
//
// Every frame reaches the disk before its index record, and its index record
// before its minute is noted, so that after a failed write or a crash nothing
// points at data that is not there; a finished minute's record is handed to
// the system as soon as the next minute begins.
class CCreateRaw {
public:
    enum Result {
        Written,
        // Not written, for a reason of the frame's own (damaged header, or no
        // recording prepared); the next frame may be written.
        Dropped,
        // A file could not be created or written: the recording cannot go on;
        // errorString() tells why.
        Failed
    };

    // A minute's frame file is continued up to this size; beyond it a new
    // pair begins, so that the index's 32-bit offsets always hold (a DVR
    // whose clock stands still would otherwise fill one pair forever).
    static constexpr qint64 MAX_FRAME_FILE_SIZE = 0x7FFFFFFF;

    CCreateRaw();
    ~CCreateRaw();
    CCreateRaw(const CCreateRaw&) = delete;
    CCreateRaw& operator=(const CCreateRaw&) = delete;

    // Prepares a recording into folder (which must exist) for the DVR; opens
    // no file. The DVR's channel count is capped at 16. A recording still
    // under way is ended first.
    void init(const QString& dvrName, const QString& folder, const cgi::DvrInfo& info);
    // One whole frame (header and payload) of the given dialect.
    Result writeData(bool oldProtocol, const QByteArray& frame);
    // Ends the recording: closes the pair, appends the pending minute and
    // closes the database. Frames are dropped until the next init. False
    // when the last minute could not be stored.
    bool deinit();

    QString errorString() const { return m_error; }

private:
    struct MinuteRecord {
        static constexpr int SIZE = 76;
        quint32 start = 0;
        quint32 end = 0;
        quint16 mask = 0;
        quint8 kinds[16] = {};

        void write(unsigned char* out) const;
    };

    bool openDatabase(std::int64_t seconds);
    bool openPair(std::int64_t seconds);
    void closePair();
    // Notes a written frame's channel and kind in the pending minute, which
    // becomes the frame's minute when none is pending.
    void SaveDB(int channel, std::uint32_t minute, int kind);
    // Appends the pending minute when it is not the given one.
    bool writeDB(std::uint32_t minute);
    bool appendPending();
    bool write(QFile& file, const char* data, qint64 size);
    bool createNew(QFile& file, const QString& path, const char* debugLine, bool& taken);
    Result fail(const QString& error);

    QFile m_hav;
    QFile m_hrf;
    QFile m_hdb;
    bool m_pairOpen = false;
    std::int64_t m_pairMinute = 0;
    qint64 m_havSize = 0;
    qint64 m_hrfSize = 0;
    HdbFileHeader m_dbHeader;
    MinuteRecord m_pending;
    QByteArray m_havHeader;
    QString m_folder;
    QString m_error;
};
