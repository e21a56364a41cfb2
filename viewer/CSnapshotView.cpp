#include "CSnapshotView.h"

#include <QBoxLayout>
#include <QDir>
#include <QLabel>
#include <QPixmap>

CSnapshotView::CSnapshotView(QWidget* area, QBoxLayout* layout)
    : m_area(area)
    , m_layout(layout)
{
}

void CSnapshotView::show(const QString& path)
{
    if (!m_name) {
        m_name = new QLabel(m_area);
        m_name->setObjectName(QStringLiteral("snapshotName"));
        m_name->setFixedHeight(NAME_HEIGHT);
        m_name->setAlignment(Qt::AlignCenter);
        m_image = new QLabel(m_area);
        m_image->setObjectName(QStringLiteral("snapshotImage"));
        m_image->setAlignment(Qt::AlignCenter);
    }
    hide();
    m_name->setText(QDir::toNativeSeparators(path));
    m_image->setPixmap(QPixmap(path));
    m_layout->addWidget(m_name);
    m_layout->addWidget(m_image);
    m_name->show();
    m_image->show();
}

void CSnapshotView::hide()
{
    for (QLabel* label : {m_name.data(), m_image.data()}) {
        if (!label)
            continue;
        m_layout->removeWidget(label);
        label->hide();
    }
}
