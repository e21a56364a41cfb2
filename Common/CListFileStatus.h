#pragma once

#include <QString>

// What became of loading or saving a list file, in a form the directory can
// show to the operator. A list file that cannot be used is never overwritten:
// it stays where it is until the next save moves it aside.
class CListFileStatus {
public:
    enum Code {
        Ok, // loaded or saved
        Missing, // no file yet: the defaults apply and nothing is lost
        Unreadable, // the file exists but cannot be opened or read
        InvalidFormat, // the file does not start with its code
        Damaged, // the code is right but the rest is not a valid list
        SaveFailed, // nothing was written; the previous file is unchanged
        SaveUnconfirmed // the list is in the file, but the system could not confirm that it is on the disk
    };

    CListFileStatus() = default;
    CListFileStatus(Code code, const QString& path, const QString& detail = QString());

    Code code() const { return m_code; }
    const QString& path() const { return m_path; }
    // The system's reason (for example "Permission denied"), when there is one.
    const QString& detail() const { return m_detail; }
    // Where an unusable file was moved before the save, or empty.
    const QString& asidePath() const { return m_asidePath; }
    void setAsidePath(const QString& asidePath) { m_asidePath = asidePath; }

    bool isOk() const { return m_code == Ok; }
    // After a save: true when the file holds the list.
    bool isSaved() const { return m_code == Ok || m_code == SaveUnconfirmed; }
    // True when the file in place could not be used: a save must move it aside first.
    bool isUnusableFile() const;
    // True when the operator should be told: an unusable file, a failed or
    // unconfirmed save, or a file moved aside.
    bool needsAttention() const;
    // A translated sentence for the operator; empty when nothing needs telling.
    QString message() const;

private:
    Code m_code = Ok;
    QString m_path;
    QString m_detail;
    QString m_asidePath;
};
