#pragma once
// The real editor window inside a fuzz target: one application on Qt's offscreen
// platform, every service a recording double, and a program folder of its own
// below a parent folder of its own, holding every picture the editor loads as a
// 1 x 1 bitmap, so a full board costs little more than its file reads. Made on
// the first call and kept for the whole run; the folders go at its end.
#include "editor/frm_haupt.h"
#include "platform/application.h"
#include "tests/support/test_services.h"

#include <QString>
#include <QTemporaryDir>

#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz_support {

// Every invariant of a target: a broken one aborts, and the fuzzer keeps the input.
inline void require(bool condition) {
    if (!condition) std::abort();
}

class EditorSession {
public:
    static EditorSession& get();
    EditorSession(const EditorSession&) = delete;
    EditorSession& operator=(const EditorSession&) = delete;

    pendix::editor::frmHaupt& editor() const;
    test_support::TestServices& fakes() { return fakes_; }

    // The parent folder holds nothing but the program folder "Pendix".
    QString parentFolder() const { return parent_.path(); }
    QString programFolder() const;
    // The real folder "\lvlneu\" and a file in it.
    QString levelFolder() const;
    QString levelPath(const QString& name) const;

    // The state after start-up: the level name "Blanko", no file name, no start,
    // no end, no tool, nothing recorded. The board is the caller's.
    void resetState();

    static std::string fileBytes(const QString& path);
    static void writeFile(const QString& path, std::string_view bytes);

private:
    EditorSession();

    // Qt's offscreen platform unless the run names another, set before the application starts.
    struct Headless {
        Headless();
    } headless_;
    int argc_ = 1;
    char* argv_[2];
    platform::Application application_;
    test_support::ScopedTestServices fakes_;
    QTemporaryDir parent_;
};

// A level file's written form: exactly 405 lines, each ended by CR LF, and no CR
// or LF anywhere else.
bool hasWrittenForm(std::string_view bytes);

}  // namespace fuzz_support
