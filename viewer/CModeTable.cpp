#include "CModeTable.h"

using Step = CModeTable::Step;

namespace {

// Zoom and sequence end before the streams they act on; a backup and local
// playback stop before the wall they feed is cleared. Every mode change that
// may stop the streams ends the recordings to the PC before they stop, so
// that their end is told; a backup's recording is the backup's.
const CModeTable::Steps STOPS = {Step::ExitZoom, Step::SequenceOff, Step::StopBackup, Step::StopRecordToPC,
    Step::StopLocalPlayback, Step::StopDisplay};

} // namespace

CModeTable::Steps CModeTable::enter(Mode to)
{
    const Mode from = m_current;
    if (from == to && to != PC_SETUP && !isEMap(to))
        return {};
    Steps steps = leaving(from, to);
    steps += entering(to, from);
    remember(to);
    m_current = to;
    return steps;
}

CModeTable::Steps CModeTable::openEMap()
{
    Steps steps = leaving(m_current, EMAP_VIEW);
    steps += enteringEMap(EMAP_VIEW, true);
    remember(EMAP_VIEW);
    m_current = EMAP_VIEW;
    return steps;
}

CModeTable::Steps CModeTable::back()
{
    if (!hasMenuButton(m_returnTo))
        return leaves(m_current);
    Steps steps{Step::CheckMenuButton};
    steps += enter(m_returnTo);
    return steps;
}

CModeTable::Steps CModeTable::closePCSetup()
{
    if (m_current != PC_SETUP)
        return {};
    m_current = m_behindDialog;
    return hasMenuButton(m_current) ? Steps{Step::CheckMenuButton} : Steps{};
}

void CModeTable::remember(Mode to)
{
    // What is entered from the PC setup dialog goes back where the mode
    // behind it would; opened again, the dialog still has that mode behind
    // it. Setup and the E-Map entered again from themselves keep their way
    // back.
    const Mode from = shown();
    if (to == PC_SETUP)
        m_behindDialog = from;
    else if ((to == SETUP && from != SETUP) || (isEMap(to) && !isEMap(from)))
        m_returnTo = from;
}

bool CModeTable::hasMenuButton(Mode mode)
{
    return mode != EMAP_VIEW && mode != EMAP_EDIT && mode != PC_SETUP;
}

CModeTable::Page CModeTable::bottomPage() const
{
    switch (shown()) {
    case SEARCH:
    case PLAYBACK:
        return PLAYBACK_PAGE;
    case BACKUP:
        return BACKUP_PAGE;
    case EMAP_VIEW:
    case EMAP_EDIT:
        return EMAP_PAGE;
    default:
        return LIVE_PAGE;
    }
}

CModeTable::Functions CModeTable::functions() const
{
    const Page page = bottomPage();
    if (page == BACKUP_PAGE || page == EMAP_PAGE)
        return NO_FUNCTIONS;
    switch (m_current) {
    case LIVE_S:
    case LIVE_M:
        return LIVE_FUNCTIONS;
    case SEARCH:
        return SEARCH_FUNCTIONS;
    case PLAYBACK:
        return PLAYBACK_FUNCTIONS;
    default:
        return KEPT_FUNCTIONS;
    }
}

CModeTable::Steps CModeTable::leaving(Mode from, Mode to)
{
    // The dialog of PC setup opens beside whatever is on view.
    if (to == PC_SETUP || (isEMap(from) && isEMap(to)))
        return {};
    return leaves(from);
}

CModeTable::Steps CModeTable::leaves(Mode from)
{
    if (isEMap(from))
        return {Step::ShowMainMenu, Step::HideMapList, Step::CloseMaps, Step::ShowWall};
    if (from == SETUP)
        return {Step::ShowMainMenu, Step::LeaveSetup};
    return {};
}

CModeTable::Steps CModeTable::entering(Mode to, Mode from)
{
    switch (to) {
    case LIVE_S:
        return Steps{Step::ShowWall} + STOPS
            + Steps{Step::OneDvrLayout, Step::BottomPage, from == LIVE_M ? Step::Redraw : Step::Reconnect,
                Step::FunctionPage, Step::EnableRecordToPC, Step::UpdateDvrInfo, Step::UpdateTitle};
    case LIVE_M:
        // A recording to the PC keeps every channel of its DVR, which the
        // many-DVR wall has no room for: the stops end it, and the wall asks
        // for the channels on view.
        return Steps{Step::ShowWall} + STOPS
            + Steps{Step::ManyDvrLayout, Step::BottomPage, Step::SendViewChannels,
                from == LIVE_S ? Step::Redraw : Step::Reconnect, Step::FunctionPage, Step::DisableRecordToPC,
                Step::UpdateDvrInfo, Step::UpdateTitle, Step::PageText};
    case SEARCH:
        return enteringRecordings(Step::SearchCurrent);
    case PLAYBACK:
        // The folder dialog last, over the mode it opens.
        return enteringRecordings(Step::LocalFiles) + Steps{Step::RepaintWall, Step::ChooseFolder};
    case BACKUP:
        return enteringRecordings(Step::BackupCurrent);
    case EMAP_VIEW:
    case EMAP_EDIT:
        return enteringEMap(to, !isEMap(from));
    case INFORMATION:
        return Steps{Step::HideDisplayArea} + STOPS + Steps{Step::ReadInformation, Step::FunctionPage};
    case SETUP:
        return Steps{Step::HideDisplayArea} + STOPS + Steps{Step::ReadSetup, Step::FunctionPage};
    case PC_SETUP:
        return {Step::OpenPCSetup};
    }
    return {};
}

CModeTable::Steps CModeTable::enteringRecordings(Step handOver)
{
    return Steps{Step::ShowWall} + STOPS
        + Steps{Step::OneDvrLayout, Step::BottomPage, Step::Redraw, handOver, Step::FunctionPage, Step::UpdateTitle};
}

CModeTable::Steps CModeTable::enteringEMap(Mode to, bool opening)
{
    const Steps maps{to == EMAP_EDIT ? Step::EditMaps : Step::ViewMaps, Step::FunctionPage};
    if (!opening)
        return maps;
    // Dropping the connections ends zoom, sequence and the wall's pictures;
    // a backup would lose its stream.
    const Steps opens{Step::StopBackup, Step::StopRecordToPC, Step::DropConnections, Step::ShowMapList, Step::HideWall,
        Step::BottomPage};
    return opens + maps;
}
