#include "CEMapViews.h"

#include "Connection/CDVRListTree.h"
#include "EMap/CEMapList.h"
#include "EMap/CEMapSetupDialog.h"
#include "EMap/CEMapWidget.h"
#include "Settings/CAppSettings.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

// A log line as it stands: the names of maps, DVRs and cameras in it are
// never read as markup.
void appendPlain(QTextEdit* log, const QString& line)
{
    QTextCursor cursor(log->document());
    cursor.movePosition(QTextCursor::End);
    if (!log->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(line);
}

const int SAVE_X_GAP = 4;
const int SAVE_Y = 5;

} // namespace

CEMapViews::CEMapViews(const Places& places)
    : m_places(places)
{
}

CEMapViews::~CEMapViews() = default;

void CEMapViews::open(const EMap& map, bool editable, bool show)
{
    auto* view = new CEMapWidget(m_places.display);
    view->setEditable(editable);
    view->setSelectedEMap(map);
    m_views.append(view);

    auto* log = new QTextEdit(m_places.logPage);
    log->setReadOnly(true);
    log->document()->setMaximumBlockCount(MAX_LOG_LINES);
    log->setFixedSize(m_places.bottom->width() - m_places.logSave->width() - SAVE_GAP, m_places.bottom->height());
    m_logs.append(log);

    QObject::connect(m_places.tree, &CDVRListTree::dragCameraItem, view, &CEMapWidget::setCameraItem);
    QObject::connect(view, &CEMapWidget::signalSaveEMap, m_places.list, &CEMapList::OnSaveEMap);
    QObject::connect(view, &CEMapWidget::updateLog, log, [log](const QString& line) { appendPlain(log, line); });

    if (!show) {
        view->hide();
        log->hide();
        return;
    }
    m_places.logSave->move(log->width() + SAVE_X_GAP, SAVE_Y);
    m_places.logSave->setVisible(!editable);
    setShown(count() - 1, true);
}

void CEMapViews::openMap(const EMap& map, bool editable)
{
    closeAll();
    open(map, editable, true);
}

void CEMapViews::openGroup(const EMapList& group, bool editing)
{
    if (editing)
        return;
    closeAll();
    for (int i = 0; i < group.emap_size(); ++i)
        open(group.emap(i), false, i == m_current);
}

void CEMapViews::closeAll()
{
    if (!m_views.isEmpty() && m_views.value(m_current))
        m_places.displayLayout->removeWidget(m_views.at(m_current));
    for (const QPointer<CEMapWidget>& view : std::as_const(m_views)) {
        if (view)
            view->close();
    }
    m_views.clear();
    // A log holds nothing once its map is closed.
    for (const QPointer<QTextEdit>& log : std::as_const(m_logs)) {
        if (log) {
            log->hide();
            log->deleteLater();
        }
    }
    m_logs.clear();
    m_places.list->clearIcon();
    m_current = 0;
}

void CEMapViews::showList(bool editable)
{
    closeAll();
    m_places.tree->setVisible(editable);
    m_places.list->show();
    m_places.list->setEditable(editable);
    if (editable)
        m_places.tree->setCameraNameShow(true);
    m_places.bottom->show();
    m_places.logSave->hide();
}

void CEMapViews::runSetup()
{
    const auto imageSize = [] { return CAppSettings().readSetting(CAppSettings::EMAP_IMAGESIZE, 0).toInt(); };
    const int before = imageSize();
    CEMapSetupDialog dialog;
    dialog.exec();
    if (imageSize() != before)
        updateImageSize();
}

void CEMapViews::showAt(int index)
{
    if (count() < 2)
        return;
    if (CEMapWidget* shown = m_views.value(m_current))
        shown->closeVideoWidget();
    setShown(m_current, false);
    if (index < 0 || index >= count())
        return;
    m_current = index;
    setShown(index, true);
}

void CEMapViews::setShown(int index, bool shown)
{
    CEMapWidget* view = m_views.value(index);
    QTextEdit* log = m_logs.value(index);
    if (log)
        log->setVisible(shown);
    if (!view)
        return;
    view->setVisible(shown);
    if (shown)
        m_places.displayLayout->addWidget(view);
    else
        m_places.displayLayout->removeWidget(view);
}

void CEMapViews::updateImageSize()
{
    for (const QPointer<CEMapWidget>& view : std::as_const(m_views)) {
        if (view)
            view->updateImageSize();
    }
}

const QTextEdit* CEMapViews::shownLog() const
{
    for (const QPointer<QTextEdit>& log : m_logs) {
        if (log && !log->isHidden())
            return log;
    }
    return nullptr;
}
