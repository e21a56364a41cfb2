#include "CSnapshotView.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QImageReader>
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
        m_name->setTextFormat(Qt::PlainText);
        m_image = new QLabel(m_area);
        m_image->setObjectName(QStringLiteral("snapshotImage"));
        m_image->setAlignment(Qt::AlignCenter);
        m_image->setTextFormat(Qt::PlainText);
    }
    hide();
    m_name->setText(QDir::toNativeSeparators(path));
    // A file that is gone or holds no picture is said so where it would show.
    QImageReader reader(path);
    const QPixmap picture = QPixmap::fromImageReader(&reader);
    if (picture.isNull())
        m_image->setText(QCoreApplication::translate("CSnapshotView", "The image %1 cannot be read (%2).")
                             .arg(QDir::toNativeSeparators(path), reader.errorString()));
    else
        m_image->setPixmap(picture);
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
