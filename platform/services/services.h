#pragma once
// The services the windows call on beyond their own controls, each behind a small
// interface. `services()` gives the set in force: the Qt implementations that
// platform::Application installs, or the recording doubles of a test
// (tests/support/test_services.h). Windows normally use the free functions at the end.
#include <QString>

namespace platform {

class Form;
class MenuItem;

// Styles and answers of a message box, as the classic constants number them.
struct MsgBoxStyle {
    static constexpr int OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5;
    static constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
    static constexpr int DefaultButton2 = 256, DefaultButton3 = 512;
};
struct MsgBoxResult {
    static constexpr int Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Modal; returns the button pressed (MsgBoxResult). `title` is never empty here.
    virtual int show(const QString& text, int style, const QString& title) = 0;
};

class InputBoxService {
public:
    virtual ~InputBoxService() = default;
    // Modal; the text entered, or "" for Cancel.
    virtual QString ask(const QString& prompt, const QString& title, const QString& defaultText) = 0;
};

// Where the keyboard is once a help file shows: in the help window, since help
// chosen from a menu is there to be read, or still in the window that asked for
// it (the help launcher's list, whose arrow keys go on from topic to topic).
enum class HelpKeyboard { ToHelp, StaysWithAsker };

// Who asks for a help file: the help window opens beside that window (or centred
// on it), with its icon. No form: the help window opens centred on the screen.
struct HelpAsker {
    const Form* form = nullptr;
    HelpKeyboard keyboard = HelpKeyboard::ToHelp;
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows a help file (an HTML document, whatever its name ends in) without
    // waiting. `command` 3 is "contents": the file from its beginning.
    virtual void show(const QString& file, int command, const HelpAsker& asker) = 0;
};

class WavePlayer {
public:
    virtual ~WavePlayer() = default;
    // The operations of the multimedia control, in the order the window gives them.
    virtual void setFileName(const QString& fileName) = 0;
    virtual void setDeviceType(const QString& deviceType) = 0;
    virtual void command(const QString& command) = 0;  // "Close", "Open", "Play"
};

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts a program by its full path in a normal window, without waiting; false when it did not start.
    virtual bool start(const QString& program) = 0;
};

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // Opens a web or mail link with the desktop's program for it ("open").
    virtual bool open(const QString& link) = 0;
};

class ProgramEnder {
public:
    virtual ~ProgramEnder() = default;
    // Ends the program at once: no window is unloaded, no handler runs.
    virtual void end() = 0;
};

class ScreenCursor {
public:
    virtual ~ScreenCursor() = default;
    // Waits nest: the hourglass shows from the first setWait until the matching
    // setDefault (a handler that sets and restores it inside another's long work
    // leaves the outer wait in force). A setDefault with no wait open does nothing.
    virtual void setWait() = 0;
    virtual void setDefault() = 0;
};

class ModalLoop {
public:
    virtual ~ModalLoop() = default;
    // Shows a loaded form modally and returns once it is hidden or unloaded.
    virtual void runModal(Form& form) = 0;
    // Pops up a menu's items at the mouse position; returns once it is closed
    // (a chosen item's Click has run by then).
    virtual void popupMenu(MenuItem& menu) = 0;
};

class Services {
public:
    virtual ~Services() = default;
    virtual MessageBoxService& messageBox() = 0;
    virtual InputBoxService& inputBox() = 0;
    virtual HelpViewer& helpViewer() = 0;
    virtual WavePlayer& wavePlayer() = 0;
    virtual ProgramStarter& programStarter() = 0;
    virtual LinkOpener& linkOpener() = 0;
    virtual ProgramEnder& programEnder() = 0;
    virtual ScreenCursor& screenCursor() = 0;
    virtual ModalLoop& modalLoop() = 0;
};

// The set in force. Throws std::logic_error when none is installed (no
// platform::Application and no test scope).
Services& services();
// Installs a set and returns the one it replaces (nullptr for none).
Services* installServices(Services* set);

// --- What the windows call -------------------------------------------------

// A modal message box; an empty title shows the program's title ("Pendix").
int messageBox(const QString& text, int style = MsgBoxStyle::OkOnly, const QString& title = {});
// A modal input box; an empty title shows the program's title. Cancel gives "".
QString inputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {});
// Starts a program file ("\" or "/", any letter case) without waiting.
bool startProgram(const QString& program);
// Opens a link as given, without encoding anything.
bool openLink(const QString& link);
// Ends the program at once.
void endProgram();
void setWaitCursor();
void setDefaultCursor();

}  // namespace platform
