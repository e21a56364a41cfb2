#pragma once

#include "Settings/CPCHddInfo.h"

#include <QWidget>
#include <memory>

class CHDDWidget;

namespace Ui {
class CPCInfoPage;
}

// The information page of the PC setup dialog: the program's version and
// the space of a local drive chosen from the list of root drives.
class CPCInfoPage : public QWidget {
    Q_OBJECT

public:
    explicit CPCInfoPage(QWidget* parent = nullptr);
    ~CPCInfoPage() override;

    // Lists the root drives and shows the first one's space.
    void LoadLocalDrive();
    // Reads the chosen drive's space again: drives fill up while the
    // program runs.
    void refresh();

    // Where the drive figures come from; the operating system unless a test
    // says otherwise. Reads the chosen drive again.
    void setFileSystemQuery(CPCHddInfo::FileSystemQuery query);

    virtual void languageChange();

public slots:
    void OnChangedDrive(const QString& path);

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<Ui::CPCInfoPage> m_ui;
    CHDDWidget* m_hdd;
    CPCHddInfo::FileSystemQuery m_query = CPCHddInfo::queryFileSystem;
};
