#include "DVRSetup/CPtzfWidget.h"

#include "Connection/CApplicationSender.h"
#include "Connection/COrderedCommands.h"
#include "DVRSetup/CPresetNames.h"
#include "Settings/CPendingSettings.h"
#include "ui_CPtzfWidget.h"

#include <QEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>

// The arrows live in this static library; nothing else references them, so
// the linker keeps them only when asked here (outside any namespace, as the
// resource macro requires).
static void initPtzImages()
{
    Q_INIT_RESOURCE(PtzImages);
}

namespace {

// The slider's object name is its key in the settings store.
const QString SPEED_KEY = QStringLiteral("Speed");
const int NAME_PREFIX_LENGTH = 5; // "ptzf_"

struct Movement {
    const char* name; // the button's name without "ptzf_"
    cgi::Ptzf::Cmd command;
    const char* oldCode; // the old dialect's code before the speed; none: not sent
};

// The two dialects number the movements differently.
const Movement MOVEMENTS[] = {
    {"zoom_in", cgi::Ptzf::CMD_ZOOM_IN, "0S"},
    {"zoom_out", cgi::Ptzf::CMD_ZOOM_OUT, "1S"},
    {"focus_far", cgi::Ptzf::CMD_FOCUS_FAR, "2S"},
    {"focus_near", cgi::Ptzf::CMD_FOCUS_NEAR, "3S"},
    {"iris_open", cgi::Ptzf::CMD_IRIS_OPEN, nullptr},
    {"iris_close", cgi::Ptzf::CMD_IRIS_CLOSE, nullptr},
    {"right", cgi::Ptzf::CMD_RIGHT, "4S"},
    {"left", cgi::Ptzf::CMD_LEFT, "5S"},
    {"up", cgi::Ptzf::CMD_UP, "6S"},
    {"down", cgi::Ptzf::CMD_DOWN, "7S"},
};

const Movement* findMovement(const QString& name)
{
    for (const Movement& movement : MOVEMENTS) {
        if (name == QLatin1String(movement.name))
            return &movement;
    }
    return nullptr;
}

QString speedName(int speed)
{
    static const char* const NAMES[]
        = {QT_TRANSLATE_NOOP("CPtzfWidget", "Slow"), QT_TRANSLATE_NOOP("CPtzfWidget", "Normal"),
            QT_TRANSLATE_NOOP("CPtzfWidget", "Fast"), QT_TRANSLATE_NOOP("CPtzfWidget", "Very Fast")};
    return speed >= 0 && speed < 4 ? CPtzfWidget::tr(NAMES[speed]) : QString();
}

} // namespace

CPtzfWidget::CPtzfWidget(QWidget* parent)
    : QWidget(parent)
    , m_ui(std::make_unique<Ui::CPtzfWidget>())
    // Names the DVR; COrderedCommands sends the commands.
    , m_command(&CApplicationSender::instance())
{
    initPtzImages();
    m_ui->setupUi(this);
    CPresetNames::name(m_ui->presetNum);
    m_ui->presetNum->setCurrentIndex(0);

    connect(m_ui->Set, &QPushButton::clicked, this, &CPtzfWidget::OnSendPreset);
    connect(m_ui->Go, &QPushButton::clicked, this, &CPtzfWidget::OnSendPreset);
    connect(m_ui->Speed, &QSlider::valueChanged, this, &CPtzfWidget::OnChangedSpeed);

    m_ptzfButtons = findChildren<QPushButton*>(QRegularExpression(QStringLiteral("ptzf_*")));
    for (QPushButton* button : std::as_const(m_ptzfButtons)) {
        connect(button, &QPushButton::pressed, this, &CPtzfWidget::OnPressedPTZF);
        connect(button, &QPushButton::released, this, &CPtzfWidget::OnReleasedPTZF);
    }

    m_repeatTimer = new QTimer(this);
    connect(m_repeatTimer, &QTimer::timeout, this, &CPtzfWidget::OnTimer);

    readSpeed();
    // Another viewer's later speed stands; one being dragged is the
    // operator's later choice still.
    connect(&CPendingSettings::ofApplication(), &CPendingSettings::overtaken, this, [this](const QStringList& keys) {
        if (m_storedSpeed.showsAny(keys) && !m_ui->Speed->isSliderDown())
            readSpeed();
    });
    // The operator's speed is kept as soon as it is chosen, a dragged one
    // once let go.
    connect(m_ui->Speed, &QSlider::valueChanged, this, [this] {
        if (!m_ui->Speed->isSliderDown())
            keepSpeed();
    });
    connect(m_ui->Speed, &QSlider::sliderReleased, this, &CPtzfWidget::keepSpeed);
}

CPtzfWidget::~CPtzfWidget()
{
    endHeldMovement();
    // A speed still being dragged.
    keepSpeed();
}

void CPtzfWidget::readSpeed()
{
    {
        // Read, not chosen.
        const QSignalBlocker quiet(m_ui->Speed);
        m_ui->Speed->setValue(CPendingSettings::ofApplication().value(SPEED_KEY, 0).toInt());
    }
    OnChangedSpeed(m_ui->Speed->value());
    m_storedSpeed.setLoaded(shownSpeed());
}

QMap<QString, QVariant> CPtzfWidget::shownSpeed() const
{
    return {{SPEED_KEY, m_ui->Speed->value()}};
}

void CPtzfWidget::keepSpeed()
{
    m_storedSpeed.keep(shownSpeed(), [] { return tr("the PTZ speed"); });
}

void CPtzfWidget::setConnectedDVR(const DVR& dvr, int clientId, CDirectoryEntry::Id entry)
{
    // The same entry under a new client id, or with an edited record, goes
    // on moving.
    if (!m_command.isSameDVR(dvr) || m_command.entry() != entry)
        endHeldMovement();
    m_command.setDVR(dvr, clientId, entry);
    m_ui->ptzProblem->follow(entry);
    // The old dialect has no iris codes.
    m_ui->ptzf_iris_open->setEnabled(!dvr.oldprotocol());
    m_ui->ptzf_iris_close->setEnabled(!dvr.oldprotocol());
}

void CPtzfWidget::clearConnectedDVR()
{
    endHeldMovement();
    m_command.clearDVR();
    m_ui->ptzProblem->follow(CDirectoryEntry::NONE);
}

void CPtzfWidget::endHeldMovement()
{
    if (!m_repeatTimer->isActive())
        return;
    sendCommand(QString());
    m_repeatTimer->stop();
    for (QPushButton* button : std::as_const(m_ptzfButtons))
        button->setDown(false);
}

void CPtzfWidget::setRepeatInterval(int milliseconds)
{
    m_repeatIntervalMs = milliseconds;
}

void CPtzfWidget::setChannel(int channel)
{
    if (channel != m_channel)
        endHeldMovement();
    m_channel = channel;
}

void CPtzfWidget::OnChangedSpeed(int speed)
{
    m_ui->SpeedLabel->setText(speedName(speed));
}

void CPtzfWidget::OnSendPreset()
{
    sendCommand(sender()->objectName());
}

void CPtzfWidget::OnPressedPTZF()
{
    sendCommand(sender()->objectName());
    m_repeatTimer->start(m_repeatIntervalMs);
}

void CPtzfWidget::OnReleasedPTZF()
{
    sendCommand(QString());
    m_repeatTimer->stop();
}

void CPtzfWidget::OnTimer()
{
    for (QPushButton* button : std::as_const(m_ptzfButtons)) {
        if (button->isDown()) {
            sendCommand(button->objectName(), true);
            return;
        }
    }
    // Nothing is held any more: the movement has ended.
    m_repeatTimer->stop();
}

void CPtzfWidget::sendCommand(const QString& name, bool repeat)
{
    const int preset = m_ui->presetNum->currentIndex();
    const QByteArray presetNumber = QByteArray::number(preset + 1);
    if (name.contains(QLatin1String("Set"))) {
        send(QStringLiteral("preset %1 set").arg(preset + 1), cgi::Ptzf::CMD_PRESET_SET, "9S" + presetNumber, preset,
            repeat);
    } else if (name.contains(QLatin1String("Go"))) {
        send(QStringLiteral("preset %1 go").arg(preset + 1), cgi::Ptzf::CMD_PRESET_GO, "9G" + presetNumber, preset,
            repeat);
    } else if (name.contains(QLatin1String("ptzf_"))) {
        const Movement* movement = findMovement(name.mid(NAME_PREFIX_LENGTH));
        if (!movement)
            return;
        const QByteArray speed = QByteArray::number(m_ui->Speed->value());
        send(QLatin1String(movement->name), movement->command,
            movement->oldCode ? movement->oldCode + speed : QByteArray(), 0, repeat);
    } else {
        send(QStringLiteral("stop"), cgi::Ptzf::CMD_STOP, "8", 0, repeat);
    }
}

void CPtzfWidget::send(
    const QString& what, cgi::Ptzf::Cmd command, const QByteArray& oldRequest, int preset, bool repeat)
{
    if (!m_command.hasDVR() || (m_command.isOldProtocol() && oldRequest.isEmpty()))
        return;
    cgi::Ptzf ptzf;
    ptzf.set_cmd(command);
    ptzf.set_channel(static_cast<quint32>(m_channel));
    ptzf.set_speed(static_cast<quint32>(m_ui->Speed->value()));
    // Presets travel as the list position: the first entry is 0.
    if (command == cgi::Ptzf::CMD_PRESET_SET || command == cgi::Ptzf::CMD_PRESET_GO)
        ptzf.set_preset(static_cast<quint32>(preset));

    COrderedCommands::Command line;
    line.kind = {COrderedCommands::Kind::Ptz, m_channel};
    line.what = QStringLiteral("PTZ %1 on channel %2").arg(what).arg(m_channel + 1);
    line.repeat = repeat;
    line.ending = command == cgi::Ptzf::CMD_STOP;
    line.act = command == cgi::Ptzf::CMD_PRESET_SET || command == cgi::Ptzf::CMD_PRESET_GO;
    line.query = [ptzf, oldRequest, channel = m_channel](const DVR& dvr, int clientId) {
        if (!dvr.oldprotocol())
            return CLiveCommand::newQuery(dvr, cgi::MODE_PTZF, ptzf);
        return oldRequest.isEmpty() ? QString()
                                    : CLiveCommand::oldQuery(clientId, CLiveCommand::OLD_OP_PTZF, channel, oldRequest);
    };
    line.answered = m_ui->ptzProblem->teller();
    COrderedCommands::ofApplication().send(m_command.giver(), std::move(line));
}

void CPtzfWidget::languageChange()
{
    m_ui->retranslateUi(this);
    CPresetNames::name(m_ui->presetNum);
    OnChangedSpeed(m_ui->Speed->value());
    // The layout of a page not shown is not laid out again as its texts
    // change: it would keep the widths of the language before.
    m_ui->gridLayout_2->activate();
}

void CPtzfWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}
