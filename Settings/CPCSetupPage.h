#pragma once

#include "Common/CWholeFileWriter.h"
#include "Settings/CChangedSettings.h"

#include <QMap>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>
#include <vector>

class CAppSettings;
class CLanguage;
class QButtonGroup;
class QLineEdit;

namespace Ui {
class CPCSetupPage;
}

// The PC options page of the PC setup dialog: the program's own options
// (folders, file formats, on-screen marks, language, alarm sound, stream
// type, playback mode, sequence interval, reconnection, drawing mode),
// read from the settings store into the controls and written back. Each
// radio option is a button group whose button ids are the stored values.
// Built once with the dialog: it writes every option, as the file holds it
// once the settings lock is had (a missing key with its default, a value
// no control offers as shown), so that from the first start every option
// has its key and the folders exist. After that a save writes only the
// options changed since the page loaded: another viewer on the same
// settings file keeps the options it saved meanwhile.
class CPCSetupPage : public QWidget {
    Q_OBJECT

public:
    // Capture: the settings key of a path field ("EditCapturePath").
    static const QString EDIT_REGEX;
    // Capture: the part of the name its path field shares ("CapturePathBrowse").
    static const QString BUTTON_REGEX;

    explicit CPCSetupPage(QWidget* parent = nullptr);
    ~CPCSetupPage() override;

    // Store to controls; creates a folder that does not exist yet. A stored
    // value no control offers shows the default (radio options) or no
    // choice (language, sequence interval).
    void loadSettings();
    // The options changed since the last load to store, all or nothing;
    // then applies a newly chosen language. Failed, with the reason, when
    // the store could not be saved (also when another program holds it):
    // it keeps the previous settings and nothing is applied.
    // Unconfirmed (the new settings are in the file, but the system could
    // not confirm that they are on the disk) applies them, as the next start
    // reads them.
    CWholeFileWriter::Result saveSettings(QString* reason = nullptr);

    // The id when a button of the group has it, else the default id when
    // one has that, else 0.
    static int MakeValidId(const QButtonGroup& group, int defaultId, int id);

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnBrowse();

private:
    struct RadioOption {
        QString key;
        int defaultId;
        QButtonGroup* group;
    };

    void createButtonGroup();
    void addItems();
    QList<QLineEdit*> pathEdits() const;
    // Each option's key and the value its control shows, as stored.
    QMap<QString, QVariant> shownOptions() const;
    // The start-up write; without the lock it only loads.
    void writeEveryOption();
    void load(const CAppSettings& settings);

    std::unique_ptr<Ui::CPCSetupPage> m_ui;
    std::unique_ptr<CLanguage> m_language;
    std::vector<RadioOption> m_radioOptions;
    CChangedSettings m_stored;
};
