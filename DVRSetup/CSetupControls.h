#pragma once

#include <QString>
#include <QStringList>
#include <string>

class QAbstractButton;
class QAbstractSlider;
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
    static void setValue(QAbstractSlider* slider, int value);
    static void setText(QLineEdit* edit, const QString& text);
    // Replaces a combo's rows.
    static void setItems(QComboBox* combo, const QStringList& texts);
    // The texts of a table's first count rows, from its Index2String.
    template <class Table> static QStringList rows(Table text, int count)
    {
        QStringList texts;
        for (int row = 0; row < count; ++row)
            texts << QString::fromLatin1(text(row));
        return texts;
    }
    // "Ch 1", "Ch 2"... for the prefix "Ch ".
    static QStringList numbered(const QString& prefix, int count);
    static QStringList numbers(const QList<int>& values);

    static void setSwitchIds(QButtonGroup* group, QAbstractButton* off, QAbstractButton* on);
    // The group's two buttons in the form's order: "Off" (or "No") first.
    static void setSwitchIds(QButtonGroup* group);
    static void setSwitch(QButtonGroup* group, bool on);
    static bool isOn(const QButtonGroup* group);

    // Narrow text of the configuration (names, addresses) and back.
    static QString fromNarrow(const std::string& text);
    static std::string toNarrow(const QString& text);
};
