#pragma once
// A program folder of its own for each test, which the platform looks in for the
// object's lifetime: the icon frames and the animation frames as small pictures,
// or nothing, and whatever else the test writes into it.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <string_view>

namespace test_support {

class ProgramFolder {
public:
    enum class Contents { SmallPictures, Nothing };

    explicit ProgramFolder(Contents contents = Contents::SmallPictures);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    QString path() const { return dir_.path(); }
    // The real path of a data path written as the programs do ("\ico\auto01.ico"),
    // in the letter case given.
    QString file(std::string_view dataPath) const;
    // Writes a small picture (BMP or ICO by the name's ending), creating folders.
    void writePicture(std::string_view dataPath) const;
    // Writes a text file, creating folders.
    void writeText(std::string_view dataPath, const QByteArray& bytes = {}) const;
    void remove(std::string_view dataPath) const;

private:
    QTemporaryDir dir_;
};

}  // namespace test_support
