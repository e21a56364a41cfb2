#pragma once

#include "Connection/CCommandAnswer.h"
#include "Connection/CDirectoryEntry.h"
#include "Connection/CSendCommand.h"
#include "ProtoBuf/DVRList.pb.h"

#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

// The one line of commands to each DVR: every PTZ, preset tour and relay
// command the operator gives goes through it, on the application's sender
// (CApplicationSender), so that a DVR takes them in the order given,
// whatever becomes of the page or window that gave them. A DVR is its
// address and port (CDvrIdentity).
//
// One command of a line is on its way at a time: the next goes when the
// DVR has answered the one before, refused it, or the sender gave it up at
// its time limit, so a slow link cannot let a later command overtake an
// earlier one. What waits meanwhile is bounded: a command takes the place of
// the waiting one of its kind (the same camera's moves and stop, the same
// camera's tour, the same relay) that its own directory entry gave, so the
// DVR follows the operator's last intent. Another entry's command goes with
// another account, which the DVR may refuse: it never takes the place of
// what waits, so a stop, a tour's end or an Off of one entry reaches the DVR
// whatever the other entry gives. A repeat, which only keeps a movement
// going, is dropped while anything is on its way or waits. An act (a preset
// stored or recalled) is a state of its own: it never takes another's place
// nor gives up its own, and what of its kind was given before it, by any
// entry, is not replaced by what comes after it, so the DVR gets a stop
// before the act that follows it. At most MAX_WAITING_ACTS of a kind wait
// for each entry; beyond that the entry's oldest is dropped. A command
// dropped unsent is logged with its DVR: as a warning when what the
// DVR ends with changes (an act, or a stop or an Off replaced by a command
// that ends nothing), otherwise as a debug line.
//
// A command goes as the directory entry whose page gave it: a DVR listed
// twice under two accounts gets each command with the account of its own
// entry, in the one order of its line. A line knows each entry's record and
// its live link's client id from the directory and the link alone (know());
// a page's record names the DVR and serves only while the line knows
// nothing of the entry, so a page holding an older record cannot put stale
// credentials back on the commands that wait. A query is built when its
// command goes out, from what the line then knows of its entry: a record
// edited in the tree, or a live link that connected again under a new
// client id, reaches the commands that wait. An entry deleted, or edited to
// name another DVR, leaves the line its last record for the commands it
// gave. A refusal, or a command that got no answer, is logged with the DVR
// and the answer's text, and each command's giver hears what became of it
// (never from within send()).
//
// An entry deleted, or edited to name another DVR, while another entry
// still names its DVR (handOver()): listeners give what that entry held
// pending for the DVR to the other entry, whose account it then goes with.
// When no directory entry names a DVR any more (unlist()), what is pending
// for it ends (unlisted), and its line goes, its entries' records and all,
// once nothing of it is on its way or waits.
//
// At the program's end (sendEndingNow) the commands that end something (a
// stop, a tour's end, an Off) still waiting go out at once, even behind one
// that has not been answered; reportUnfinished logs what was never sent or
// never answered. GUI thread.
class COrderedCommands : public QObject {
    Q_OBJECT

public:
    struct Kind {
        enum Family { Ptz, Tour, Relay };
        Family family;
        // The camera's channel, or the relay's number.
        int number;
        bool operator==(const Kind& other) const { return family == other.family && number == other.number; }
    };
    // The query for the record and the live link's client id of the entry
    // that gave it, as the line knows them when the command goes out; empty
    // when the DVR cannot take it.
    using Query = std::function<QString(const DVR& record, int clientId)>;

    // The directory entry whose page gives a command, with the record and
    // the client id that the page holds, which name the DVR.
    struct Giver {
        CDirectoryEntry::Id entry = CDirectoryEntry::NONE;
        DVR record;
        int clientId = 0;
    };

    struct Command {
        Kind kind;
        // What it is, for the log: "PTZ stop on channel 4".
        QString what;
        Query query;
        // Only keeps a movement going.
        bool repeat = false;
        // Ends something: goes out at the program's end whatever waits ahead.
        bool ending = false;
        // An act of its own, neither replacing nor replaced.
        bool act = false;
        CSendCommand::Answered answered;
    };

    // Acts of one kind and entry waiting at a time.
    static constexpr int MAX_WAITING_ACTS = 4;

    // The application's one instance, made on first use; it goes with the
    // application object.
    static COrderedCommands& ofApplication();

    // The entry's record as it now stands (edited in the tree, or its live
    // link connected), with that link's client id, or keeping the one known
    // when none is given: the entry's commands to that DVR are built from
    // them from now on, its line made for them if need be.
    void know(CDirectoryEntry::Id entry, const DVR& record, std::optional<int> clientId = std::nullopt);
    // No directory entry names the record's DVR any more: listeners end what
    // they hold pending for it, and its line goes once nothing of it is on
    // its way or waits. Its live link connecting again (know()) keeps it.
    void unlist(const DVR& record);
    // That entry no longer names the record's DVR, which the heir's entry,
    // holding heirRecord, still does: listeners hand it what they hold
    // pending for that DVR as that entry's. The line knows the heir from
    // now on, by that record unless it knew it already.
    void handOver(CDirectoryEntry::Id entry, const DVR& record, CDirectoryEntry::Id heir, const DVR& heirRecord);
    // Queues the command on the line of the giver's DVR, to be built from
    // what the line knows of the giver's entry by then; an entry the line
    // does not know yet is known by the record and client id given.
    void send(const Giver& giver, Command command);

    // A command is on its way to a DVR, or waits for one.
    bool isBusy() const;
    // The program ends: every waiting command that ends something goes out
    // now, in the order given.
    void sendEndingNow();
    // Logs each command still on its way (not answered) or waiting (not
    // sent), with its DVR.
    void reportUnfinished() const;

signals:
    // A DVR's record or client id was made known: a command that failed may
    // go again.
    void known(const DVR& record);
    // What that entry held pending for the record's DVR goes as the heir's
    // (handOver()), with the record and client id the line knows for it.
    void handedOver(CDirectoryEntry::Id entry, const DVR& record, const COrderedCommands::Giver& heir);
    // No directory entry names that DVR any more: what is pending for it
    // ends now, not at the program's end. What is given to it meanwhile
    // still goes on its line.
    void unlisted(const DVR& record);

private:
    // What the line knows of one entry.
    struct Known {
        DVR record;
        int clientId = 0;
    };
    struct Queued {
        quint64 serial;
        CDirectoryEntry::Id entry;
        Command command;
    };
    struct Line {
        // Names the DVR: its address and port.
        DVR dvr;
        std::map<CDirectoryEntry::Id, Known> entries;
        std::deque<Queued> waiting;
        std::vector<Queued> onItsWay;
        // No directory entry names the DVR: the line goes once idle.
        bool unlisted = false;
    };
    using Lines = std::vector<std::unique_ptr<Line>>;

    explicit COrderedCommands(QObject* parent);
    Line* findLine(const DVR& dvr) const;
    Line& lineOf(const DVR& dvr);
    void queue(Line& line, Queued queued);
    // A command other than an act takes the place of the one of its kind
    // that its own entry gave since that kind's last act.
    void replaceWaiting(Line& line, const Queued& newer);
    // The oldest act of the kind that the same entry gave goes when the
    // bound is reached.
    void makeRoomForAct(Line& line, const Queued& newer);
    // Logs a command that will not be sent and tells its giver.
    void drop(const Line& line, Queued queued, const QString& why, bool changesTheEnd);
    // Sends what waits while nothing is on its way.
    void pump(Line& line);
    // An unlisted line with nothing on its way or waiting goes.
    void dropIfDone(const Line& line);
    // One that cannot go out is logged, and its giver hears so.
    void start(Line& line, Queued queued);
    void onAnswer(quint64 serial, const CCommandAnswer& answer);
    // Outside the caller's call, so that a giver never hears within send().
    void tellLater(Queued queued, const CCommandAnswer& answer);
    static void log(const Line& line, const Queued& queued, const QString& what);
    static QString describe(const Line& line, const Queued& queued, const QString& what);

    Lines m_lines;
    quint64 m_lastSerial = 0;
};
