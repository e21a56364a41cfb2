#include "CPCSetupPage.h"

#include "Settings/CAppSettings.h"
#include "Settings/CLanguage.h"
#include "Settings/CSavePath.h"
#include "ui_CPCSetupPage.h"

#include <QButtonGroup>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QRegularExpression>

const QString CPCSetupPage::EDIT_REGEX = QStringLiteral("Edit([a-zA-Z]+)Path");
const QString CPCSetupPage::BUTTON_REGEX = QStringLiteral("([a-zA-Z]+)Browse");

namespace {

const int SAVE_PATH_SPACING = 10;
const QStringList SEQUENCE_SECONDS = {QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("5"),
    QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("15"), QStringLiteral("30")};

// The radio options: the buttons named prefix + id, their key and the id
// used when the key is absent.
struct RadioTable {
    const char* prefix;
    const QString& key;
    int defaultId;
};

} // namespace

CPCSetupPage::CPCSetupPage(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CPCSetupPage>())
{
    m_ui->setupUi(this);
    createButtonGroup();
    for (QPushButton* browse : findChildren<QPushButton*>(QRegularExpression(BUTTON_REGEX)))
        connect(browse, &QPushButton::clicked, this, &CPCSetupPage::OnBrowse);
    m_language = std::make_unique<CLanguage>();
    addItems();
    writeEveryOption();
    m_ui->SavePathLayout->setVerticalSpacing(SAVE_PATH_SPACING);
}

CPCSetupPage::~CPCSetupPage() = default;

void CPCSetupPage::createButtonGroup()
{
    const RadioTable table[] = {
        {"selFileFormat", CAppSettings::FILE_FORMAT, 0},
        {"selCaptureFileFormat", CAppSettings::CAPTURE_FILE_FORMAT, 0},
        {"selChName", CAppSettings::OSD_CH_NAME, CAppSettings::OSD_CH_NAME_DEFAULT},
        {"selRecordIcon", CAppSettings::OSD_RECORD, CAppSettings::OSD_RECORD_DEFAULT},
        {"selEventIcon", CAppSettings::OSD_EVENT, CAppSettings::OSD_EVENT_DEFAULT},
        {"selAlarmSound", CAppSettings::ALARM_SOUND, 0},
        {"selStreamType", CAppSettings::CODEC_TYPE, 3},
        {"selPlaybackMode", CAppSettings::PLAYBACK_MODE, 1},
        {"selReconnect", CAppSettings::RECONNECT, 1},
        {"selOpengl", CAppSettings::OPENGL, 0},
    };
    for (const RadioTable& row : table) {
        auto* group = new QButtonGroup(this);
        const QRegularExpression name(QStringLiteral("^%1(\\d+)$").arg(QLatin1String(row.prefix)));
        for (QRadioButton* button : findChildren<QRadioButton*>(name))
            group->addButton(button, name.match(button->objectName()).captured(1).toInt());
        m_radioOptions.push_back({row.key, row.defaultId, group});
    }
}

void CPCSetupPage::addItems()
{
    // Shown as spelled, stored as before.
    for (const CLanguage::Language& language : m_language->languages())
        m_ui->selLangauge->addItem(language.shown, language.stored);
    m_ui->selSequenceTime->addItems(SEQUENCE_SECONDS);
}

QList<QLineEdit*> CPCSetupPage::pathEdits() const
{
    return findChildren<QLineEdit*>(QRegularExpression(EDIT_REGEX));
}

int CPCSetupPage::MakeValidId(const QButtonGroup& group, int defaultId, int id)
{
    if (group.button(id))
        return id;
    if (group.button(defaultId))
        return defaultId;
    return 0;
}

void CPCSetupPage::writeEveryOption()
{
    CAppSettings settings;
    bool loaded = false;
    settings.saveFilling([&] {
        load(settings);
        loaded = true;
        settings.writeSettings(shownOptions());
    });
    // Without the lock the page shows what the file holds; the missing keys
    // wait for the next start.
    if (!loaded)
        load(settings);
    m_stored.setLoaded(shownOptions());
}

void CPCSetupPage::loadSettings()
{
    load(CAppSettings());
    m_stored.setLoaded(shownOptions());
}

void CPCSetupPage::load(const CAppSettings& settings)
{
    const QRegularExpression editName(EDIT_REGEX);
    for (QLineEdit* edit : pathEdits()) {
        const QString key = editName.match(edit->objectName()).captured(1);
        const QString path = settings.readSetting(key, CSavePath::defaultPath(key)).toString();
        edit->setText(path);
        if (!path.isEmpty() && !QFileInfo::exists(path))
            QDir().mkpath(path);
    }
    for (const RadioOption& option : m_radioOptions) {
        const int stored = settings.readSetting(option.key, option.defaultId).toInt();
        if (QAbstractButton* button = option.group->button(MakeValidId(*option.group, option.defaultId, stored)))
            button->setChecked(true);
    }
    QComboBox* language = m_ui->selLangauge;
    language->setEnabled(language->count() > 0);
    language->setCurrentIndex(static_cast<int>(m_language->languageIndex(settings.readLanguage())));
    const QString interval = settings.readSetting(CAppSettings::SEQ_INTERVAL, SEQUENCE_SECONDS.first()).toString();
    m_ui->selSequenceTime->setCurrentIndex(
        m_ui->selSequenceTime->findText(interval, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

CWholeFileWriter::Result CPCSetupPage::saveSettings(QString* reason)
{
    const QMap<QString, QVariant> shown = shownOptions();
    // Applying retranslates every window: only the operator's new choice is
    // worth it (start-up applied the stored language before the window was
    // built).
    const QString language = shown.value(CAppSettings::LANGUAGE).toString();
    const bool newLanguage = language != m_stored.loaded(CAppSettings::LANGUAGE).toString();
    const CWholeFileWriter::Result saved = m_stored.save(shown, reason);
    if (saved != CWholeFileWriter::Result::Failed && newLanguage)
        m_language->applyLanguage(language);
    return saved;
}

QMap<QString, QVariant> CPCSetupPage::shownOptions() const
{
    QMap<QString, QVariant> shown;
    const QRegularExpression editName(EDIT_REGEX);
    for (const QLineEdit* edit : pathEdits())
        shown.insert(editName.match(edit->objectName()).captured(1), edit->text());
    for (const RadioOption& option : m_radioOptions)
        shown.insert(option.key, option.group->checkedId());
    shown.insert(CAppSettings::LANGUAGE, m_ui->selLangauge->currentData().toString());
    shown.insert(CAppSettings::SEQ_INTERVAL, m_ui->selSequenceTime->currentText());
    return shown;
}

void CPCSetupPage::OnBrowse()
{
    const QObject* button = sender();
    if (!button)
        return;
    const QRegularExpressionMatch name = QRegularExpression(BUTTON_REGEX).match(button->objectName());
    if (!name.hasMatch())
        return;
    auto* target = findChild<QLineEdit*>(QStringLiteral("Edit") + name.captured(1));
    if (!target)
        return;
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Please select a folder."), target->text(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        target->setText(folder);
}

void CPCSetupPage::languageChange()
{
    m_ui->retranslateUi(this);
}

void CPCSetupPage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
