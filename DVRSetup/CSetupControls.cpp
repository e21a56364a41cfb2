#include "CSetupControls.h"

#include "Common/CEucKr.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

void CSetupControls::setRow(QComboBox* combo, int row)
{
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(row);
}

void CSetupControls::setValue(QSpinBox* spinBox, int value)
{
    const QSignalBlocker blocker(spinBox);
    spinBox->setValue(value);
}

void CSetupControls::setValue(QAbstractSlider* slider, int value)
{
    const QSignalBlocker blocker(slider);
    slider->setValue(value);
}

void CSetupControls::setText(QLineEdit* edit, const QString& text)
{
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

void CSetupControls::setItems(QComboBox* combo, const QStringList& texts)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(texts);
}

QStringList CSetupControls::numbered(const QString& prefix, int count)
{
    QStringList texts;
    for (int i = 1; i <= count; ++i)
        texts << prefix + QString::number(i);
    return texts;
}

QStringList CSetupControls::numbers(const QList<int>& values)
{
    QStringList texts;
    for (int value : values)
        texts << QString::number(value);
    return texts;
}

void CSetupControls::setSwitchIds(QButtonGroup* group, QAbstractButton* off, QAbstractButton* on)
{
    group->setId(off, 0);
    group->setId(on, 1);
}

void CSetupControls::setSwitchIds(QButtonGroup* group)
{
    const QList<QAbstractButton*> buttons = group->buttons();
    if (buttons.size() == 2)
        setSwitchIds(group, buttons.at(0), buttons.at(1));
}

void CSetupControls::setSwitch(QButtonGroup* group, bool on)
{
    QAbstractButton* button = group->button(on ? 1 : 0);
    const QSignalBlocker groupBlocker(group);
    const QSignalBlocker buttonBlocker(button);
    button->setChecked(true);
}

bool CSetupControls::isOn(const QButtonGroup* group)
{
    return group->checkedId() > 0;
}

QString CSetupControls::fromNarrow(const std::string& text)
{
    return CEucKr::toUnicode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

std::string CSetupControls::toNarrow(const QString& text)
{
    return CEucKr::fromUnicode(text).toStdString();
}
