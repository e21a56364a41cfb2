#include "CEMapSetupDialog.h"

#include "Common/CPlainMessageBox.h"
#include "EMap/CEMapSettings.h"
#include "Settings/CAppSettings.h"
#include "sys_conf/types/event.h"
#include "ui_CEMapSetupDialog.h"

#include <QEvent>

CEMapSetupDialog::CEMapSetupDialog(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CEMapSetupDialog>())
{
    m_ui->setupUi(this);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &CEMapSetupDialog::OnAccept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &CEMapSetupDialog::reject);
    m_ui->popupGroup->setId(m_ui->popupOff, 0);
    m_ui->popupGroup->setId(m_ui->popupOn, 1);
    m_ui->imageSizeGroup->setId(m_ui->imageSizeAdjust, CEMapSettings::ADJUST);
    m_ui->imageSizeGroup->setId(m_ui->imageSizeOriginal, CEMapSettings::ORIGINAL);
    // The table's own texts, the same in every language.
    for (int row = 0; row <= config::Event_PopDownType_PopDownType_MAX; ++row)
        m_ui->selPopdown->addItem(QString::fromLatin1(config::PopDownType_Index2String(row)));
    loadSettings();
}

CEMapSetupDialog::~CEMapSetupDialog() = default;

void CEMapSetupDialog::loadSettings()
{
    m_ui->popupGroup->button(CEMapSettings::popup())->setChecked(true);
    m_ui->selPopdown->setCurrentIndex(CEMapSettings::popdown());
    m_ui->imageSizeGroup->button(CEMapSettings::imageSize())->setChecked(true);
    m_stored.setLoaded(shownChoices());
}

QMap<QString, QVariant> CEMapSetupDialog::shownChoices() const
{
    return {{CAppSettings::EMAP_POPUP, m_ui->popupGroup->checkedId()},
        {CAppSettings::EMAP_POPDOWN, m_ui->selPopdown->currentIndex()},
        {CAppSettings::EMAP_IMAGESIZE, m_ui->imageSizeGroup->checkedId()}};
}

void CEMapSetupDialog::OnAccept()
{
    QString reason;
    const CWholeFileWriter::Result saved = m_stored.save(shownChoices(), &reason);
    if (saved != CWholeFileWriter::Result::Written)
        CPlainMessageBox::warning(this, windowTitle(), CAppSettings::saveMessage(saved, reason));
    if (saved != CWholeFileWriter::Result::Failed)
        accept();
}

void CEMapSetupDialog::languageChange()
{
    m_ui->retranslateUi(this);
}

void CEMapSetupDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
