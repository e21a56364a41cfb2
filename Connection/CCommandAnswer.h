#pragma once

#include <QString>

// What became of one command to a DVR. Taken: the DVR answered and did not
// refuse it. Refused: the DVR answered with a refusal code (the text of its
// answer code, such as "[ERROR]permission denied"). Unanswered: no answer
// came (the connection was refused or dropped, the DVR answered with an
// HTTP error status, or it outlived the sender's time limit); the DVR may or
// may not have carried it out. NotSent: it never went out, because the DVR
// could not take the query or its address is not valid. Replaced: it never
// went out, because a later command took its place while it waited. A
// value; the text says why, for the log and the operator.
class CCommandAnswer {
public:
    enum Outcome { Taken, Refused, Unanswered, NotSent, Replaced };

    static CCommandAnswer taken() { return CCommandAnswer(Taken, QString()); }
    static CCommandAnswer refused(const QString& text) { return CCommandAnswer(Refused, text); }
    static CCommandAnswer unanswered(const QString& text) { return CCommandAnswer(Unanswered, text); }
    static CCommandAnswer notSent(const QString& text) { return CCommandAnswer(NotSent, text); }
    static CCommandAnswer replaced() { return CCommandAnswer(Replaced, QString()); }

    Outcome outcome() const { return m_outcome; }
    const QString& text() const { return m_text; }
    // The DVR said no, or nothing says that it carried the command out.
    bool failed() const { return m_outcome == Refused || m_outcome == Unanswered || m_outcome == NotSent; }

private:
    CCommandAnswer(Outcome outcome, const QString& text)
        : m_outcome(outcome)
        , m_text(text)
    {
    }

    Outcome m_outcome;
    QString m_text;
};
