#pragma once

#include <QDialog>
#include <memory>

class CDisplayInfo;
class CScreen;

// The small window that shows the live video of one map camera: a wall of
// one screen that always fills the window. Made by the camera icon, which
// sets its title to the time of the latest I frame; deletes itself when
// closed and says so by closeVideo, once, however it was closed.
class CShowVideoDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int MIN_WIDTH = 320;
    static constexpr int MIN_HEIGHT = 240;

    explicit CShowVideoDialog(QWidget* parent = nullptr);
    ~CShowVideoDialog() override;

    void setDisplayInfo(const CDisplayInfo& info);
    // Escape ends the dialog without a close event: it is told the same way.
    void done(int result) override;
    // For tests: the wall.
    CScreen* screen() const { return m_screen.get(); }

signals:
    void closeVideo();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void fill(const QSize& size);
    void tellClosed();

    std::unique_ptr<CScreen> m_screen;
    bool m_closeTold = false;
};
