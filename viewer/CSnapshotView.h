#pragma once

#include <QPointer>

class QBoxLayout;
class QLabel;
class QString;
class QWidget;

// A saved snapshot shown in the display area in place of the screen wall:
// a line with the file's path above the picture, unscaled, or above the
// reason the picture cannot be read. The two labels
// are made on first use and stay children of the area.
class CSnapshotView {
public:
    static constexpr int NAME_HEIGHT = 30;

    CSnapshotView(QWidget* area, QBoxLayout* layout);

    void show(const QString& path);
    // Takes the labels out of the area's layout and hides them.
    void hide();

private:
    QWidget* m_area;
    QBoxLayout* m_layout;
    QPointer<QLabel> m_name;
    QPointer<QLabel> m_image;
};
