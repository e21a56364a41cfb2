#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// The image of a map as its view shows it: read from the map's file unless
// the path names no plain file or the file holds a picture too large to
// hold in memory, and scaled once for each size it is shown at. A map whose
// image is refused or cannot be read is shown without one; a map with no
// image path has none and says nothing.
class CEMapPicture {
public:
    static constexpr qint64 MAX_PIXELS = qint64(64) * 1000 * 1000;

    // False when the picture was refused; refusal() then says why.
    bool load(const QString& path);
    const QString& refusal() const { return m_refusal; }

    const QPixmap& original() const { return m_original; }
    const QPixmap& scaled(const QSize& size);

private:
    QPixmap m_original;
    QPixmap m_scaled;
    QString m_refusal;
};
