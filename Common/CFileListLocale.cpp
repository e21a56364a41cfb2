#include "Common/CFileListLocale.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLocale>
#include <QTreeView>
#include <memory>

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
// other languages write longer: once the dialog's folder has been read,
// those take the room their texts need, and the names what is left. The
// columns stay as the toolkit made them, resizable by hand: the toolkit
// keeps their resize modes in settings that every program of the user
// shares.
void fitColumns(QTreeView& list)
{
    QHeaderView* header = list.header();
    int others = 0;
    for (const int column : {SIZE_COLUMN, TYPE_COLUMN, DATE_COLUMN}) {
        header->resizeSection(column,
            std::max(header->sectionSizeHint(column), static_cast<QAbstractItemView&>(list).sizeHintForColumn(column)));
        others += header->sectionSize(column);
    }
    header->resizeSection(
        NAME_COLUMN, std::max(header->sectionSizeHint(NAME_COLUMN), list.viewport()->width() - others));
}

void fitColumnsOnceRead(QFileDialog& dialog)
{
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* files = dialog.findChild<QFileSystemModel*>();
    if (!list || !files)
        return;
    auto once = std::make_shared<QMetaObject::Connection>();
    *once
        = QObject::connect(files, &QFileSystemModel::directoryLoaded, list, [files, list, once](const QString& folder) {
              if (folder == files->rootPath()) {
                  QObject::disconnect(*once);
                  fitColumns(*list);
              }
          });
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
            fitColumnsOnceRead(*dialog);
        }
    }
    return QObject::eventFilter(watched, event);
}
