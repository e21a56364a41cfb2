#pragma once

#include <memory>

class CAppSettings;
class CLanguage;
class Viewer;

// The steps of the program's start and end around the main window.
class CStartup {
public:
    // How long the end waits for the answers to the commands still on
    // their way.
    static constexpr int PENDING_COMMANDS_WAIT_MS = 5000;

    // First of all: blocks of 128 KiB and more go back to the system when
    // they are freed. Decoder pictures, frame queues and receive buffers come
    // and go with every stream; by default the allocator raises its bar for
    // such blocks as they are freed and then keeps them in its arenas, where
    // resident memory creeps up with every reconnect for as long as the
    // program runs.
    static void prepareMemory();
    // Names the settings store and the data folder, registers the
    // meta-types of queued signals, has every combo box's open list fit its
    // items and the file dialogs' lists follow the chosen language; right
    // after the application object.
    static void prepareApplication();
    // Loads the translation of the Language setting into g_translator and
    // installs it only when it loads. False leaves the program in English.
    static bool installTranslation(const CAppSettings& settings, const CLanguage& languages);
    // Builds the main window and shows it. The building saves the settings
    // more than once (the first start's OpenGL probe, the PC options): a
    // settings file that another program holds delays it by
    // CAppSettings::LOCK_WAIT_MS at most, once.
    static std::unique_ptr<Viewer> showMainWindow();
    // Once the event loop has ended: the window goes, with every message its
    // children hold, and what the operator chose on this viewer and the
    // settings file could not take yet (CPendingSettings) is saved; a
    // settings file that another program holds delays that by
    // CAppSettings::LOCK_WAIT_MS at most, once. Then sendPendingCommands
    // with that wait, and what could still not be saved and each relay that
    // may stay on are told to the operator.
    static void end(std::unique_ptr<Viewer> window, int pendingWaitMs = PENDING_COMMANDS_WAIT_MS);
    // After the main window has gone: the relays' pending switch-offs go
    // out now, and the end waits at most the given time for every DVR's
    // line of commands (relay, PTZ and tour commands, each line in order)
    // and for the answers to every command of the application's sender (the
    // streams' stop requests too). Shortly before that time is up, a stop or
    // an Off still waiting behind an unanswered command goes out anyway.
    // What was not sent or not answered is logged with its DVR, and a relay
    // whose last command is an Off or a switch-off not taken is reported as
    // one that may stay on (CRelaySwitches::takeLeftOnMessage).
    static void sendPendingCommands(int timeoutMs = PENDING_COMMANDS_WAIT_MS);
};
