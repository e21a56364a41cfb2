#pragma once

#include <QIdentityProxyModel>

// The file list of the toolkit's own file dialog in the program's language:
// the toolkit's list writes sizes and dates in the system's locale and
// leaves the type "Folder" untranslated, whatever language was chosen. This
// writes sizes and dates in the default locale (the chosen language's) and
// takes "Folder" from the toolkit's translation of its file dialog; every
// other text is the list's own. Lives with its dialog; GUI thread only;
// cannot fail.
class CFileListLocale : public QIdentityProxyModel {
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
};

// Gives every toolkit file dialog of the program a CFileListLocale as it is
// shown, with list columns that fit its texts. Installed once on the
// application; GUI thread only.
class CFileDialogLocale : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
