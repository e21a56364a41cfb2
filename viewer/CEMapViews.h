#pragma once

#include "ProtoBuf/EMapList.pb.h"

#include <QList>
#include <QPointer>

class CDVRListTree;
class CEMapList;
class CEMapWidget;
class QBoxLayout;
class QPushButton;
class QTextEdit;
class QWidget;

// The maps open in the E-Map modes: a map view per map in the display area
// and its event log on the E-Map page of the bottom panel, beside the log's
// Save button. One map, the current one, is shown with its log at a time.
// Also the map list beside them, and the DVR tree that cameras are dragged
// from while maps are edited. GUI thread.
// A log keeps its newest MAX_LOG_LINES lines: a map left open for weeks
// would otherwise grow its log without end.
class CEMapViews {
public:
    // Where the views and logs go, and the neighbours they are wired to.
    struct Places {
        QWidget* display = nullptr;
        QBoxLayout* displayLayout = nullptr;
        QWidget* bottom = nullptr;
        QWidget* logPage = nullptr;
        QPushButton* logSave = nullptr;
        CDVRListTree* tree = nullptr;
        CEMapList* list = nullptr;
    };

    static constexpr int SAVE_GAP = 10;
    static constexpr int MAX_LOG_LINES = 10000;

    explicit CEMapViews(const Places& places);
    ~CEMapViews();
    CEMapViews(const CEMapViews&) = delete;
    CEMapViews& operator=(const CEMapViews&) = delete;

    // Opens a view of the map, editable or live, with its log; a shown one
    // becomes visible in the display area (the log's Save button too, unless
    // the map is edited).
    void open(const EMap& map, bool editable, bool show);
    // The map list's chosen map alone.
    void openMap(const EMap& map, bool editable);
    // Every map of the list's chosen group, the current one shown; a group
    // is not opened while maps are edited.
    void openGroup(const EMapList& group, bool editing);
    // Closes every view and its log; the map list's icons go plain and the
    // first map is current again.
    void closeAll();
    // The map list with no map open; while maps are edited the tree shows
    // the cameras to drag onto them.
    void showList(bool editable);
    // The E-Map setup dialog; a new image size lays every view out again.
    void runSetup();
    // With two maps or more open: hides the current map, and shows the one
    // at the index, which becomes current; an index no open map has leaves
    // none shown.
    void showAt(int index);
    // Every view lays its map out again by the image size setting.
    void updateImageSize();

    int count() const { return static_cast<int>(m_views.size()); }
    int current() const { return m_current; }
    // The first log shown, in map order; nullptr when none is.
    const QTextEdit* shownLog() const;

private:
    void setShown(int index, bool shown);

    Places m_places;
    QList<QPointer<CEMapWidget>> m_views;
    QList<QPointer<QTextEdit>> m_logs;
    int m_current = 0;
};
