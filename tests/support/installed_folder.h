#pragma once
// The program folder that the installer's own code fills, exactly as tavrik.exe
// writes it: every picture, wave, help page and level. It is filled once per test
// program, when a test first asks for it, and shared by all the program's tests,
// which therefore only read it; a test that changes or damages data copies it
// into a ProgramFolder of its own.
#include <QString>

namespace test_support {

class ProgramFolder;

class InstalledFolder {
public:
    // The platform looks in the installed folder for this object's lifetime.
    InstalledFolder();
    ~InstalledFolder();
    InstalledFolder(const InstalledFolder&) = delete;
    InstalledFolder& operator=(const InstalledFolder&) = delete;

    // The folder's path; a failed installation fails the asking test.
    static QString path();
    // Copies every installed file into a test's own folder.
    static void copyInto(const ProgramFolder& folder);
};

}  // namespace test_support
