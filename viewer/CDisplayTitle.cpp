#include "CDisplayTitle.h"

#include "Display/CDisplayWidget.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

QLabel* makeLabel(QWidget* parent, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setAlignment(alignment | Qt::AlignVCenter);
    // DVR and camera names and status texts, shown as they stand.
    label->setTextFormat(Qt::PlainText);
    QFont font = label->font();
    font.setWeight(QFont::Bold);
    label->setFont(font);
    label->setFixedHeight(label->sizeHint().height());
    return label;
}

void followSignal(QLabel* label, bool follow, CDisplayWidget* wall, void (CDisplayWidget::*signal)(QString))
{
    if (follow) {
        if (!label->isEnabled()) {
            label->setEnabled(true);
            QObject::connect(wall, signal, label, &QLabel::setText);
        }
        return;
    }
    label->clear();
    label->setEnabled(false);
    QObject::disconnect(wall, signal, label, &QLabel::setText);
}

} // namespace

CDisplayTitle::CDisplayTitle(QWidget* parent)
    : QFrame(parent)
    , m_left(makeLabel(this, Qt::AlignLeft))
    , m_centre(makeLabel(this, Qt::AlignHCenter))
    , m_right(makeLabel(this, Qt::AlignRight))
{
    setFixedHeight(HEIGHT);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(TEXT_MARGIN, 0, TEXT_MARGIN, 0);
    layout->addWidget(m_left);
    layout->addWidget(m_centre);
    layout->addWidget(m_right);
    m_centre->setEnabled(false);
    m_right->setEnabled(false);
}

CDisplayTitle::~CDisplayTitle() = default;

void CDisplayTitle::clear()
{
    m_left->clear();
    m_centre->clear();
    m_right->clear();
}

void CDisplayTitle::setLabelsVisible(bool visible)
{
    m_left->setVisible(visible);
    m_centre->setVisible(visible);
    m_right->setVisible(visible);
}

void CDisplayTitle::follow(CDisplayWidget* wall, bool time, bool status)
{
    followSignal(m_centre, time, wall, &CDisplayWidget::signalUpdateTime);
    followSignal(m_right, status, wall, &CDisplayWidget::signalChangedStatus);
}
