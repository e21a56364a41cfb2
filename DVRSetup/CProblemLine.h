#pragma once

#include "Connection/CDirectoryEntry.h"
#include "Connection/CSendCommand.h"

#include <QLabel>
#include <QList>

// The line of a live control page that tells why a command the page gave
// was not carried out: the DVR refused it (with the DVR's own text), did not
// answer it, or it could not be sent. A smaller type below the page's
// buttons, within the page, and plain text, since the DVR's text is never
// markup. It speaks for the directory entry whose commands the page gives:
// what it told goes when the page turns to another entry, and answers to an
// earlier entry's commands are not told. It keeps the answers it tells, not
// their sentences, and words them again when the operator switches
// languages. GUI thread.
class CProblemLine : public QLabel {
    Q_OBJECT

public:
    explicit CProblemLine(QWidget* parent = nullptr);

    // What a failed answer tells the operator, in the language chosen now;
    // empty for a command taken or replaced.
    static QString textOf(const CCommandAnswer& answer);

    // Tells these failed answers, one a line, in place of what it told.
    void tell(const QList<CCommandAnswer>& failures);

    // The page gives its commands for that entry from now on (NONE: for
    // none).
    void follow(CDirectoryEntry::Id entry);
    // To be called with the answer to a command the page gives now: a
    // failure is told until a later command is taken; a command replaced
    // before it went out changes nothing.
    CSendCommand::Answered teller();

protected:
    void changeEvent(QEvent* event) override;

private:
    void word();

    QList<CCommandAnswer> m_told;
    CDirectoryEntry::Id m_entry = CDirectoryEntry::NONE;
};
