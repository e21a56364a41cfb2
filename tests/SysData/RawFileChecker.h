#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Reads a folder of raw recording files (".hdb" minute databases, ".hav"
// frame files with their ".hrf" indexes) straight from their byte layouts,
// without any of the writer's code, and checks every rule of the format:
// header codes and zeros, record sizes, offsets chaining through each frame
// file, index entries agreeing with the frames they point at, file names
// made from frame times, and minute records agreeing with the indexes.
class RawFileChecker {
public:
    struct Entry {
        int channel = 0;
        int type = 0;
        quint32 seconds = 0;
        quint32 microseconds = 0;
        QByteArray frame;
    };
    struct Pair {
        QString stem; // file name without extension
        QByteArray dvrName;
        QList<QByteArray> cameraNames;
        QList<Entry> entries;
    };
    struct Minute {
        quint32 start = 0;
        quint32 mask = 0;
        QList<int> kinds;
    };
    struct Database {
        QString stem;
        int channels = 0;
        QList<Minute> minutes;
    };

    // Every pair and database of the folder, by file name. A pair whose name
    // is in `unfinished` (the one being written when a process died) may end
    // in a cut frame or index record and is read up to its last whole frame.
    explicit RawFileChecker(const QString& folder, const QStringList& unfinished = {});

    bool ok() const { return m_problems.isEmpty(); }
    QString problems() const { return m_problems.join(QLatin1Char('\n')); }

    QList<Pair> pairs;
    QList<Database> databases;

private:
    void readDatabase(const QString& path);
    void readPair(const QString& havPath, bool unfinished);
    void checkMinutesAgainstIndexes();
    void problem(const QString& text) { m_problems << text; }

    QStringList m_unfinished;
    QStringList m_problems;
};

// The name a recording file takes from a frame time: "yyyyMMdd_hhmmss".
QString fileTime(quint32 seconds);
