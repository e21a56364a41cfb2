#pragma once

#include "ProtoBuf/EMapList.pb.h"

#include <QDialog>
#include <memory>

namespace Ui {
class CSetEMapInfoDialog;
}

// The map dialog of the map tree: a map's group name, map name and image
// file, for adding a map and for editing or moving one. Modal; accepted
// only with all three filled in.
class CSetEMapInfoDialog : public QDialog {
    Q_OBJECT

public:
    explicit CSetEMapInfoDialog(QWidget* parent = nullptr);
    ~CSetEMapInfoDialog() override;

    void setEMap(const QString& groupName, const EMap& map);
    // Name and image path, both always present; no cameras.
    EMap getEMap() const;
    QString getGroupName() const;

    void accept() override;
    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void OnBrowser();

private:
    std::unique_ptr<Ui::CSetEMapInfoDialog> m_ui;
};
