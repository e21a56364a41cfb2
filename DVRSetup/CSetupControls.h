#pragma once

#include <QString>
#include <QStringList>
#include <string>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QSpinBox;

// How the setup pages set their controls from a part: each control is set
// with its signals blocked and its earlier blocking restored, so that the
// pages' slots run on the operator's edits only. Two-state choices are
// radio pairs in a button group, "Off" with the id 0 and "On" with the id 1.
class CSetupControls {
public:
    CSetupControls() = delete;

    static void setRow(QComboBox* combo, int row);
    static void setValue(QSpinBox* spinBox, int value);
    static void setText(QLineEdit* edit, const QString& text);
    // Replaces a combo's rows.
    static void setItems(QComboBox* combo, const QStringList& texts);

    static void setSwitchIds(QButtonGroup* group, QAbstractButton* off, QAbstractButton* on);
    // The group's two buttons in the form's order: "Off" (or "No") first.
    static void setSwitchIds(QButtonGroup* group);
    static void setSwitch(QButtonGroup* group, bool on);
    static bool isOn(const QButtonGroup* group);

    // Narrow text of the configuration (names, addresses) and back.
    static QString fromNarrow(const std::string& text);
    static std::string toNarrow(const QString& text);
};
