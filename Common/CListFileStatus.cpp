#include "CListFileStatus.h"

#include <QCoreApplication>
#include <QDir>

CListFileStatus::CListFileStatus(Code code, const QString& path, const QString& detail)
    : m_code(code)
    , m_path(path)
    , m_detail(detail)
{
}

bool CListFileStatus::isUnusableFile() const
{
    return m_code == Unreadable || m_code == InvalidFormat || m_code == Damaged;
}

bool CListFileStatus::needsAttention() const
{
    return isUnusableFile() || m_code == SaveFailed || m_code == SaveUnconfirmed || !m_asidePath.isEmpty();
}

QString CListFileStatus::message() const
{
    const QString path = QDir::toNativeSeparators(m_path);
    const QString kept = QCoreApplication::translate("CListFileStatus",
        "The default list is shown. The file is kept and will be moved aside when the list is saved.");
    QString text;
    switch (m_code) {
    case Ok:
    case Missing:
        break;
    case Unreadable:
        text = QCoreApplication::translate("CListFileStatus", "The list file %1 cannot be read (%2).")
                   .arg(path, m_detail)
            + QLatin1Char(' ') + kept;
        break;
    case InvalidFormat:
        text = QCoreApplication::translate("CListFileStatus", "The file %1 is not a list file of this program.")
                   .arg(path)
            + QLatin1Char(' ') + kept;
        break;
    case Damaged:
        text = QCoreApplication::translate("CListFileStatus", "The list file %1 is damaged.").arg(path)
            + QLatin1Char(' ') + kept;
        break;
    case SaveFailed:
        text = QCoreApplication::translate(
            "CListFileStatus", "The list could not be saved to %1 (%2). The previous file is unchanged.")
                   .arg(path, m_detail);
        break;
    case SaveUnconfirmed:
        text = QCoreApplication::translate("CListFileStatus",
            "The list was saved to %1, but the system could not confirm that it is on the disk (%2).")
                   .arg(path, m_detail);
        break;
    }
    if (!m_asidePath.isEmpty()) {
        const QString aside = QCoreApplication::translate("CListFileStatus", "The unusable list file was moved to %1.")
                                  .arg(QDir::toNativeSeparators(m_asidePath));
        text = text.isEmpty() ? aside : text + QLatin1Char(' ') + aside;
    }
    return text;
}
