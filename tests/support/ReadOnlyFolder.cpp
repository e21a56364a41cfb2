#include "ReadOnlyFolder.h"

#include "PlainUser.h"

#include <QFile>
#include <sys/stat.h>

bool withReadOnlyFolder(const QString& folder, const std::function<bool()>& check)
{
    const QByteArray path = QFile::encodeName(folder);
    chmod(path.constData(), 0555);
    bool ok = false;
    {
        const PlainUser asPlainUser;
        ok = check();
    }
    chmod(path.constData(), 0755);
    return ok;
}
