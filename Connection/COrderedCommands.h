#pragma once

#include "ProtoBuf/DVRList.pb.h"

#include <QList>
#include <QObject>
#include <QString>
#include <vector>

// Sends commands through the application's sender (CApplicationSender) so
// that a DVR takes them in the order given, whatever becomes of their
// connections on the way: a command goes to a DVR once the one before it
// has been answered or given up. A repeat, which only keeps a movement
// going, is dropped while another command to that DVR is still on its way
// or waits: the DVR has not taken the one it repeats yet. So the stop of a
// PTZ movement comes after the movement it stops, also when the window
// closes right after it: the waiting commands live with the application,
// and the program's end waits for them as for the sender's replies. A DVR
// is its address and port (CDvrIdentity). GUI thread; a DVR that never
// answers holds each later command up to the sender's time limit.
class COrderedCommands : public QObject {
    Q_OBJECT

public:
    enum class Kind { Once, Repeat };

    // The application's one instance, made on first use; it goes with the
    // application object.
    static COrderedCommands& ofApplication();

    // An empty query, or one to an invalid address, is neither sent nor
    // kept.
    void send(const DVR& dvr, const QString& query, Kind kind = Kind::Once);

private:
    struct Command {
        DVR dvr;
        QString query;
    };

    // The commands to one DVR: a line is kept while a command of it is on
    // its way, with those waiting behind it.
    struct Line {
        DVR dvr;
        QList<Command> waiting;
    };
    using Lines = std::vector<Line>;

    explicit COrderedCommands(QObject* parent);
    Lines::iterator lineOf(const DVR& dvr);
    // False when the sender refused it.
    bool start(const Command& command);
    // The command on its way to the DVR has ended: the next waiting goes.
    void next(const DVR& dvr);

    Lines m_lines;
};
