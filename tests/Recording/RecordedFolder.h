#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Raw recordings written by the recorder, as local playback finds them: the
// test DVR's picture loop of each channel (a key frame every 5) at 25 frames
// a second, with A-law audio on channel 0, new dialect, into the "DVR"
// folder of the Backup folder the settings name.
namespace RecordedFolder {

// The frames of the channels from `from` for `seconds`, in stream order;
// `padding` bytes of H.264 filler make every picture that much larger; a
// `timedLength` above 0 fills every picture up to that many bytes plus one
// for each frame time since `from`, so that a picture's length tells its time.
QList<QByteArray> frames(
    int channels, quint32 from, int seconds, bool audio = true, int padding = 0, int timedLength = 0);
// Records them as one recording; false when the recorder refused.
bool record(const QList<QByteArray>& frames, int channels);
QString folder();

} // namespace RecordedFolder
