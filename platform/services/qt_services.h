#pragma once
// The services as the running programs have them, on Qt. Each is created on
// first use, so a test that installs its doubles never creates a real one.
#include "platform/services/services.h"

#include <QByteArray>
#include <QPointer>

#include <memory>

class QTextBrowser;
class QUrl;
class QWidget;

namespace platform {

class HelpBrowser;
class SoundOutput;

class QtMessageBox : public MessageBoxService {
public:
    int show(const QString& text, int style, const QString& title) override;
};

class QtInputBox : public InputBoxService {
public:
    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override;
};

// One modeless help window, reused for every file shown. It reads the file
// within a bound and shows a notice naming it where it holds no page; it opens
// beside the asking window (where the user moved it, it stays), titled with the
// page's title and with the asker's icon. A link leads to another help page of
// the help folder or, for the web and mail, to the link opener; any other is not
// followed.
class QtHelpViewer : public HelpViewer {
public:
    QtHelpViewer();
    ~QtHelpViewer() override;
    void show(const QString& file, int command, const HelpAsker& asker) override;
    QTextBrowser* browser() const;  // tests read what it shows
    QWidget* window() const { return window_.get(); }

private:
    void showPage(const QString& file);
    void follow(const QUrl& link);
    void placeFor(const QWidget* asker);

    std::unique_ptr<QWidget> window_;
    HelpBrowser* browser_;
};

// Reads and checks the wave at every "Open"; the sound itself comes from the
// sound module, loaded at the first "Play" (see sound_output.h).
class QtWavePlayer : public WavePlayer {
public:
    QtWavePlayer();
    ~QtWavePlayer() override;
    void setFileName(const QString& fileName) override { fileName_ = fileName; }
    void setDeviceType(const QString& deviceType) override { deviceType_ = deviceType; }
    void command(const QString& command) override;

private:
    QString fileName_;
    QString deviceType_;
    QString openedPath_;      // empty while closed or when the file is missing or damaged
    QByteArray openedBytes_;  // the opened file as "Open" read it from disk
    std::unique_ptr<SoundOutput> output_;
};

class QtProgramStarter : public ProgramStarter {
public:
    bool start(const QString& program) override;
};

class QtLinkOpener : public LinkOpener {
public:
    bool open(const QString& link) override;
};

class QtProgramEnder : public ProgramEnder {
public:
    void end() override;
};

class QtScreenCursor : public ScreenCursor {
public:
    ~QtScreenCursor() override;
    void setWait() override;
    void setDefault() override;

private:
    int depth_ = 0;
    bool shown_ = false;  // the outermost wait put the hourglass up
};

class QtModalLoop : public ModalLoop {
public:
    void runModal(Form& form) override;
    void popupMenu(MenuItem& menu) override;
};

class QtServices : public Services {
public:
    QtServices();
    ~QtServices() override;
    MessageBoxService& messageBox() override;
    InputBoxService& inputBox() override;
    HelpViewer& helpViewer() override;
    WavePlayer& wavePlayer() override;
    ProgramStarter& programStarter() override;
    LinkOpener& linkOpener() override;
    ProgramEnder& programEnder() override;
    ScreenCursor& screenCursor() override;
    ModalLoop& modalLoop() override;

private:
    std::unique_ptr<QtMessageBox> messageBox_;
    std::unique_ptr<QtInputBox> inputBox_;
    std::unique_ptr<QtHelpViewer> helpViewer_;
    std::unique_ptr<QtWavePlayer> wavePlayer_;
    std::unique_ptr<QtProgramStarter> programStarter_;
    std::unique_ptr<QtLinkOpener> linkOpener_;
    std::unique_ptr<QtProgramEnder> programEnder_;
    std::unique_ptr<QtScreenCursor> screenCursor_;
    std::unique_ptr<QtModalLoop> modalLoop_;
};

}  // namespace platform
