#pragma once

#include <QIdentityProxyModel>
#include <QLocale>

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
    explicit CFileListLocale(QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role) const override;

private:
    // The chosen language's, as the dialog opened.
    const QLocale m_locale;
    const QString m_dateTimeFormat;
};

// Gives every toolkit file dialog of the program a CFileListLocale as it is
// shown, and fits the list's columns to its texts once the dialog's folder
// has been read; the operator can still resize them. Installed once on the
// application; GUI thread only.
class CFileDialogLocale : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
