#include "Common/CFileListLocale.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>

namespace {

const int NAME_COLUMN = 0;
const int SIZE_COLUMN = 1;
const int TYPE_COLUMN = 2;
const int DATE_COLUMN = 3;

// The toolkit's word, looked up in the toolkit's translation, not in the
// program's (named through constants, so that it is not collected into
// the program's translation sources).
const char* const TOOLKIT_CONTEXT = "QFileDialog";
const char* const FOLDER = "Folder";

// The toolkit keeps the day period letter of some locales' short times (the
// Chinese "Bh:mm") as a literal "B"; its morning and afternoon texts stand in.
QString shortDateTimeFormat(const QLocale& locale)
{
    QString format = locale.dateTimeFormat(QLocale::ShortFormat);
    return format.replace(QLatin1String("Bh"), QLatin1String("APh"));
}

// The toolkit sizes the columns for English sizes, types and dates, which
// other languages write longer: those take the room their texts need, and
// the names what is left.
void fitColumns(QFileDialog& dialog)
{
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!list)
        return;
    QHeaderView* header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(NAME_COLUMN, QHeaderView::Stretch);
    for (const int column : {SIZE_COLUMN, TYPE_COLUMN, DATE_COLUMN})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

} // namespace

CFileListLocale::CFileListLocale(QObject* parent)
    : QIdentityProxyModel(parent)
    , m_dateTimeFormat(shortDateTimeFormat(m_locale))
{
}

QVariant CFileListLocale::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || !files)
        return QIdentityProxyModel::data(index, role);
    const QModelIndex file = mapToSource(index);
    switch (index.column()) {
    case SIZE_COLUMN:
        return files->isDir(file) ? QString() : m_locale.formattedDataSize(files->size(file));
    case TYPE_COLUMN: {
        const QString type = QIdentityProxyModel::data(index, role).toString();
        return type == QLatin1String(FOLDER) ? QCoreApplication::translate(TOOLKIT_CONTEXT, FOLDER) : type;
    }
    case DATE_COLUMN:
        return m_locale.toString(files->lastModified(file), m_dateTimeFormat);
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

bool CFileDialogLocale::eventFilter(QObject* watched, QEvent* event)
{
    // Shown, the dialog has built its own widgets, unless the platform's
    // dialog stands in for it, which speaks the system's language itself.
    if (event->type() == QEvent::Show) {
        if (auto* dialog = qobject_cast<QFileDialog*>(watched); dialog && !dialog->proxyModel()) {
            dialog->setProxyModel(new CFileListLocale(dialog));
            fitColumns(*dialog);
        }
    }
    return QObject::eventFilter(watched, event);
}
