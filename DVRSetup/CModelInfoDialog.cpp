#include "CModelInfoDialog.h"

#include "dvr_types/DvrModel.h"
#include "dvr_types/KAssert.h"
#include "ui_CModelInfoDialog.h"

#include <QAbstractButton>
#include <QEvent>

namespace {

constexpr int HD_SDI = 0;
constexpr int AHD = 1;
constexpr int MODEL_960H = 2;

} // namespace

CModelInfoDialog::CModelInfoDialog(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CModelInfoDialog>())
{
    m_ui->setupUi(this);
    m_ui->combo_dvrModel->addItems(
        {QStringLiteral("HD-SDI DVR"), QStringLiteral("AHD DVR"), QStringLiteral("960H DVR")});
    m_ui->combo_dvrModel->setCurrentIndex(MODEL_960H);
    connect(m_ui->combo_dvrModel, &QComboBox::currentIndexChanged, this, &CModelInfoDialog::OnChangedModelType);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    m_ui->dvrChannelsGroup->setId(m_ui->channels4, 4);
    m_ui->dvrChannelsGroup->setId(m_ui->channels8, 8);
    m_ui->dvrChannelsGroup->setId(m_ui->channels16, 16);
    m_ui->videoTypeGroup->setId(m_ui->videoType0, config::VIDEO_TYPE_NTSC);
    m_ui->videoTypeGroup->setId(m_ui->videoType1, config::VIDEO_TYPE_PAL);
}

CModelInfoDialog::~CModelInfoDialog() = default;

void CModelInfoDialog::setDVRChannels(int channels)
{
    // Only 4, 8 and 16 channels name a model; any other count is offered as
    // 16, so that OK always has a channel choice to go by.
    m_channels = m_ui->dvrChannelsGroup->button(channels) ? channels : 16;
    m_ui->dvrChannelsGroup->button(m_channels)->setChecked(true);
}

void CModelInfoDialog::setVideoType(config::VideoType type)
{
    m_videoType = type;
}

void CModelInfoDialog::setModel(int model)
{
    m_ui->combo_dvrModel->setCurrentIndex(ModelIndex2Type(model));
}

int CModelInfoDialog::getDVRChannels() const
{
    return m_ui->dvrChannelsGroup->checkedId();
}

int CModelInfoDialog::getVideoType() const
{
    return m_ui->videoTypeGroup->checkedId();
}

int CModelInfoDialog::ModelIndex2Type(int model)
{
    K_ASSERT(DvrModel::IsValid(model), "DVRSetup/CModelInfoDialog.cpp, CModelInfoDialog::ModelIndex2Type");
    if ((model >= 64 && model <= 72) || model == 85)
        return HD_SDI;
    if ((model >= 51 && model <= 56) || (model >= 69 && model <= 84))
        return AHD;
    return MODEL_960H;
}

int CModelInfoDialog::ModelOfChoice(int modelType, int channels)
{
    // Rows by channel count 4, 8, 16; columns by model type.
    static constexpr int MODELS[3][3] = {{64, 53, 6}, {65, 52, 5}, {4, 51, 4}};
    const int row = channels == 4 ? 0 : channels == 8 ? 1 : 2;
    K_ASSERT(modelType >= HD_SDI && modelType <= MODEL_960H, "DVRSetup/CModelInfoDialog.cpp, ModelOfChoice");
    return MODELS[row][modelType];
}

void CModelInfoDialog::showEvent(QShowEvent* event)
{
    if (QAbstractButton* channels = m_ui->dvrChannelsGroup->button(m_channels))
        channels->setChecked(true);
    if (QAbstractButton* type = m_ui->videoTypeGroup->button(m_videoType ? config::VIDEO_TYPE_PAL : 0))
        type->setChecked(true);
    QDialog::showEvent(event);
}

void CModelInfoDialog::OnChangedModelType(int index)
{
    if (index < 0)
        return;
    if (index == HD_SDI) {
        m_ui->channels16->hide();
        m_channels = 4;
        m_ui->channels4->setChecked(true);
    } else {
        m_ui->channels16->show();
    }
    m_modelType = index;
}

void CModelInfoDialog::languageChange()
{
    m_ui->retranslateUi(this);
}

void CModelInfoDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QDialog::changeEvent(event);
}
