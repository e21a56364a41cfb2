#pragma once

#include <QNetworkReply>
#include <QString>

// What became of one command to a DVR. Taken: the DVR answered and did not
// refuse it. Refused: the DVR answered with a refusal code. Unanswered: no
// answer came (the connection was refused or dropped, the DVR answered with
// an HTTP error status, or it outlived the sender's time limit); the DVR may
// or may not have carried it out. NotSent: it never went out, because the
// DVR could not take the query or its address is not valid. Replaced: it
// never went out, because a later command took its place while it waited.
//
// A value. It keeps what was said, not a finished text: the DVR's refusal
// code in its dialect, the network's error and the HTTP status if there was
// one, the program's reason untranslated. So text() words it in the language
// chosen when it is read, and a line told before the operator switched
// languages can be told again in the new one.
class CCommandAnswer {
public:
    enum Outcome { Taken, Refused, Unanswered, NotSent, Replaced };

    static CCommandAnswer taken() { return CCommandAnswer(Taken); }
    // The DVR's answer code in its dialect (-1: an answer that names none).
    static CCommandAnswer refused(bool oldProtocol, int code);
    // The network's error, and the HTTP error status the DVR answered with
    // (0: none).
    static CCommandAnswer unanswered(QNetworkReply::NetworkError error, int httpStatus = 0);
    // The program's reason, as marked for translation in that context; both
    // are literals, kept as given.
    static CCommandAnswer notSent(const char* context, const char* reason);
    static CCommandAnswer replaced() { return CCommandAnswer(Replaced); }

    Outcome outcome() const { return m_outcome; }
    // Why, in the language chosen now: for a refusal the text of the DVR's
    // code (as the streaming link words it, such as "[ERROR]permission
    // denied"); empty for a command taken or replaced.
    QString text() const;
    // The DVR said no, or nothing says that it carried the command out.
    bool failed() const { return m_outcome == Refused || m_outcome == Unanswered || m_outcome == NotSent; }

private:
    explicit CCommandAnswer(Outcome outcome)
        : m_outcome(outcome)
    {
    }

    Outcome m_outcome;
    bool m_oldProtocol = false;
    int m_code = 0;
    QNetworkReply::NetworkError m_error = QNetworkReply::NoError;
    int m_httpStatus = 0;
    const char* m_context = nullptr;
    const char* m_reason = nullptr;
};
