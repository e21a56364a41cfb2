#pragma once

#include "Common/HDD_INFO_T.h"

#include <QWidget>
#include <memory>
#include <optional>

namespace Ui {
class CHDDWidget;
}

// A small fixed-size box showing one hard disk: total, used and free space
// in MB and a bar of the used share. Does no I/O.
class CHDDWidget : public QWidget {
    Q_OBJECT

public:
    explicit CHDDWidget(QWidget* parent = nullptr);
    ~CHDDWidget() override;

    // Titled "HDD <index + 1>", untitled for a negative index.
    void setInfo(int index, const HDD_INFO_T& info);

    virtual void languageChange();

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Shown {
        int index;
        HDD_INFO_T info;
    };

    void showFigures(const Shown& shown);

    std::unique_ptr<Ui::CHDDWidget> m_ui;
    // What setInfo gave, shown again after the captions are re-applied.
    std::optional<Shown> m_shown;
};
