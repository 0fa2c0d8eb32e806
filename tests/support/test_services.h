#pragma once
// Recording doubles of every service, for tests. Each records what was asked and
// gives scripted answers; none shows a window, plays, starts or ends anything.
//
//     test_support::ScopedTestServices fakes;      // installed until the end of the scope
//     fakes.modal.script.push_back([](platform::Form& f) { /* the user clicks in f */ });
//     window.cmdOk.click();
//     EXPECT_EQ(fakes.messages.shown.at(0).title, "Fehler!");
#include "platform/services/services.h"

#include <deque>
#include <functional>
#include <vector>

namespace test_support {

class RecordingMessageBox : public platform::MessageBoxService {
public:
    struct Shown {
        QString text;
        int style;
        QString title;
    };
    std::vector<Shown> shown;
    std::deque<int> answers;  // taken in turn; when none is left, the style's first button
    int show(const QString& text, int style, const QString& title) override;
};

class RecordingInputBox : public platform::InputBoxService {
public:
    struct Asked {
        QString prompt;
        QString title;
        QString defaultText;
    };
    std::vector<Asked> asked;
    std::deque<QString> answers;  // taken in turn; when none is left, "" (Cancel)
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override;
};

class RecordingHelpViewer : public platform::HelpViewer {
public:
    struct Shown {
        QString file;
        int command;
        platform::HelpAsker asker;
    };
    std::vector<Shown> shown;
    void show(const QString& file, int command, const platform::HelpAsker& asker) override {
        shown.push_back({file, command, asker});
    }
};

class RecordingWavePlayer : public platform::WavePlayer {
public:
    struct Operation {
        QString name;   // "FileName", "DeviceType", or the command: "Close", "Open", "Play"
        QString value;  // the file name or device type; empty for commands
        bool operator==(const Operation&) const = default;
    };
    std::vector<Operation> operations;
    // The file name in force at each "Play", in order.
    std::vector<QString> played() const;
    void setFileName(const QString& fileName) override { operations.push_back({"FileName", fileName}); }
    void setDeviceType(const QString& deviceType) override { operations.push_back({"DeviceType", deviceType}); }
    void command(const QString& command) override { operations.push_back({command, {}}); }
};

class RecordingProgramStarter : public platform::ProgramStarter {
public:
    std::vector<QString> started;
    bool answer = true;
    bool start(const QString& program) override {
        started.push_back(program);
        return answer;
    }
};

class RecordingLinkOpener : public platform::LinkOpener {
public:
    std::vector<QString> opened;  // exactly as passed
    bool open(const QString& link) override {
        opened.push_back(link);
        return true;
    }
};

class RecordingProgramEnder : public platform::ProgramEnder {
public:
    int ends = 0;  // the window's code goes on after end() in a test: check what it does next
    void end() override { ++ends; }
};

class RecordingScreenCursor : public platform::ScreenCursor {
public:
    enum class Call { Wait, Default };
    std::vector<Call> calls;
    int depth = 0;  // open waits, counted as the real cursor counts them
    bool waiting() const { return depth > 0; }
    void setWait() override {
        calls.push_back(Call::Wait);
        ++depth;
    }
    void setDefault() override {
        calls.push_back(Call::Default);
        if (depth > 0) --depth;
    }
};

// Instead of spinning an event loop, a modal showing shows the form and runs the
// next scripted "user" with it, then returns: the test decides what the user does.
class ScriptedModalLoop : public platform::ModalLoop {
public:
    std::vector<platform::Form*> shownModal;                  // every form shown modally, in order
    std::deque<std::function<void(platform::Form&)>> script;  // taken in turn; none left: return at once
    std::vector<QString> popups;                              // caption of every menu popped up
    std::function<void(platform::MenuItem&)> popupChoice;     // the user's choice in a pop-up (may be empty)
    void runModal(platform::Form& form) override;
    void popupMenu(platform::MenuItem& menu) override;
};

class TestServices : public platform::Services {
public:
    RecordingMessageBox messages;
    RecordingInputBox inputs;
    RecordingHelpViewer help;
    RecordingWavePlayer waves;
    RecordingProgramStarter programs;
    RecordingLinkOpener links;
    RecordingProgramEnder ender;
    RecordingScreenCursor cursor;
    ScriptedModalLoop modal;

    platform::MessageBoxService& messageBox() override { return messages; }
    platform::InputBoxService& inputBox() override { return inputs; }
    platform::HelpViewer& helpViewer() override { return help; }
    platform::WavePlayer& wavePlayer() override { return waves; }
    platform::ProgramStarter& programStarter() override { return programs; }
    platform::LinkOpener& linkOpener() override { return links; }
    platform::ProgramEnder& programEnder() override { return ender; }
    platform::ScreenCursor& screenCursor() override { return cursor; }
    platform::ModalLoop& modalLoop() override { return modal; }
};

// Installs a fresh set of doubles for its lifetime and puts back the set before.
class ScopedTestServices : public TestServices {
public:
    ScopedTestServices() : previous_(platform::installServices(this)) {}
    ~ScopedTestServices() override { platform::installServices(previous_); }
    ScopedTestServices(const ScopedTestServices&) = delete;
    ScopedTestServices& operator=(const ScopedTestServices&) = delete;

private:
    platform::Services* previous_;
};

}  // namespace test_support
