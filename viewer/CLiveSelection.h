#pragma once

#include "Connection/CDirectoryEntry.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QMetaType>
#include <QObject>

// What the live commands act on: the current DVR, whether its video stream
// is connected (and under which client id), the channel of the framed tile,
// and which pages of the live control panel the DVR has. The title, the
// live control panel, the record and setup buttons follow it through the
// one `changed` signal, and nothing else points them: the live view sets it
// anew whenever one of its sources may have changed (the current DVR, a
// stream's state, the framed tile, a DVR's record), and only a value that
// differs reaches the followers. GUI thread.
class CLiveSelection : public QObject {
    Q_OBJECT

public:
    struct Value {
        // False: no current DVR, and nothing below counts.
        bool hasDvr = false;
        DVR dvr;
        // Whose account the commands go with.
        CDirectoryEntry::Id entry = CDirectoryEntry::NONE;
        // Its video stream delivers: commands may go to it.
        bool connected = false;
        int clientId = 0;
        // Of the framed tile within the DVR; -1 when it shows none of its.
        int channel = -1;
        bool hasRelay = false;
        bool hasPicture = false;

        bool operator==(const Value& other) const;
        bool operator!=(const Value& other) const { return !(*this == other); }
    };

    explicit CLiveSelection(QObject* parent = nullptr);
    ~CLiveSelection() override;

    const Value& value() const { return m_value; }
    bool isConnected() const { return m_value.hasDvr && m_value.connected; }
    // Emits `changed` when the value differs from the one held.
    void set(const Value& value);

signals:
    void changed(const CLiveSelection::Value& now);

private:
    Value m_value;
};
