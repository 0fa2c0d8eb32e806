#pragma once
// A program folder of its own for each test: the icon frames, the animation
// frames and whatever else a test writes into it. The platform looks there for
// the test's lifetime.
#include <QString>
#include <QTemporaryDir>

#include <string_view>

namespace dialogs_test {

class ProgramFolder {
public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    QString path() const { return dir_.path(); }
    // The real path of a data path written as the programs do ("\ico\auto01.ico").
    QString file(std::string_view dataPath) const;
    // Writes a small picture (BMP or ICO by the name's ending), creating folders.
    void writePicture(std::string_view dataPath) const;
    // Writes a text file, creating folders.
    void writeText(std::string_view dataPath, const QByteArray& bytes = {}) const;
    void remove(std::string_view dataPath) const;

private:
    QTemporaryDir dir_;
};

}  // namespace dialogs_test
