/* The library stays loaded while the host can still call into it.
 *
 * The host loads a vessel module once per vessel and frees it with each. As
 * an active plug-in the library is held besides, and goes only when the
 * program closes or the pilot switches it off, with nothing of it open. With
 * the plug-in switched off, though, a saved scenario holding rocks or bombs
 * loads the library for them alone, and the last of them takes it away in
 * mid-session: under an open display, or an input box, whose code is then
 * gone while the host still calls it.
 *
 * So when a vessel goes while one of the module's displays is open, or an
 * input box it opened may be, and the module has had none of the plug-in
 * callbacks (which a plug-in gets from its session's first step on, and
 * before any vessel of its goes in mid-session), the library pins itself
 * for the rest of the process; its exit entry point then runs as the
 * process ends. A plug-in is never pinned, and unloads as before. */
#ifndef BRIMSTAR_HOST_STAY_LOADED_H
#define BRIMSTAR_HOST_STAY_LOADED_H

/* A member of each display: counts the module's open displays. */
class DisplayHold {
public:
    DisplayHold();
    ~DisplayHold();
    DisplayHold(const DisplayHold&) = delete;
    DisplayHold& operator=(const DisplayHold&) = delete;
};

/* The host called a plug-in callback: the module is an active plug-in. */
void NotePluginCall();
/* The host now holds an input box whose callback is the module's. */
void NoteInputBoxOpened();
/* One of the module's vessels goes, and may take the library with it. */
void StayLoadedIfHeld();

#endif
