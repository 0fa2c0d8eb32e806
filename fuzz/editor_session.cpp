#include "fuzz/editor_session.h"

#include "platform/main_form.h"
#include "platform/paths.h"
#include "shared/tile_catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <vector>

namespace fuzz_support {
namespace {

char programName[] = "pendix_fuzz";

// Qt warns about file names with odd characters, which the fuzzer makes plenty of.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// Below the folder that a fuzzing run names for its scratch folders (it removes
// what a crashed or stopped worker leaves there), else below shared memory where
// there is some: no disk under the many small writes.
QString temporaryTemplate() {
    QString base = qEnvironmentVariable("PENDIX_FUZZ_SCRATCH");
    if (base.isEmpty() || !QFileInfo(base).isDir()) {
        const QString shared = QStringLiteral("/dev/shm");
        base = QFileInfo(shared).isDir() && QFileInfo(shared).isWritable() ? shared : QDir::tempPath();
    }
    return base + QStringLiteral("/pendix-fuzz-XXXXXX");
}

// One green pixel as an uncompressed 24-bit bitmap: the picture loader's quickest kind.
QByteArray onePixelBitmap() {
    const std::array<unsigned char, 58> bytes{
        'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,          // file header
        40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,        // info header: 1 x 1, 24 bits
        0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
        0, 128, 0, 0,                                            // the pixel and its row's padding
    };
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// Every picture the editor's window loads: the probe, the palettes (tile bitmaps
// in the palettes' spelling; the placement's finds the same files), the paging
// arrows, every animation frame, the cars, the target arrows and the end markers.
std::vector<std::string> editorPictures() {
    std::vector<std::string> paths{std::string(pendix::kProbeBitmap), std::string(pendix::kPageBackBitmap),
                                   std::string(pendix::kPageForwardBitmap)};
    for (int code : pendix::allTileCodes()) paths.push_back(pendix::tileBitmap(code, pendix::CurveSpelling::Palette));
    for (int kind = 1; kind <= pendix::kAnimationKinds; ++kind)
        for (int frame = 2; frame <= pendix::animationFrameCount(kind); ++frame)
            paths.push_back(pendix::animationFrameBitmap(kind, frame));
    for (int direction = pendix::kFirstDirection; direction <= pendix::kLastDirection; ++direction) {
        paths.push_back(pendix::carBitmap(direction));
        paths.push_back(pendix::arrowBitmap(direction));
    }
    for (int street = pendix::kFirstStreet; street <= pendix::kLastStreet; ++street) paths.push_back(pendix::endMarkerBitmap(street));
    return paths;
}

QString underFolder(const QString& folder, std::string_view dataPath) {
    QString relative = QString::fromUtf8(dataPath.data(), static_cast<qsizetype>(dataPath.size()));
    relative.replace(u'\\', u'/');
    return QDir::cleanPath(folder + u'/' + relative);
}

}  // namespace

EditorSession::Headless::Headless() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

EditorSession& EditorSession::get() {
    static EditorSession session;
    return session;
}

EditorSession::EditorSession()
    : argv_{programName, nullptr}, application_(argc_, argv_, QStringLiteral("Editor zu Pendix")),
      parent_(temporaryTemplate()) {
    qInstallMessageHandler(quiet);
    require(parent_.isValid());
    const QString program = programFolder();
    const QByteArray picture = onePixelBitmap();
    for (const std::string& path : editorPictures()) {
        const QString file = underFolder(program, path);
        require(QDir().mkpath(QFileInfo(file).path()));
        QFile out(file);
        require(out.open(QIODevice::WriteOnly) && out.write(picture) == picture.size());
    }
    require(QDir().mkpath(levelFolder()));
    platform::setProgramFolder(program);

    platform::setMainForm<pendix::editor::frmHaupt>();
    pendix::editor::frmHaupt& window = editor();
    window.show();
    require(window.isLoaded() && window.Timer.enabled());  // no first-start box: every picture is there
    // Nothing ticks: the animation is the tests' business, and a tick between inputs would make runs differ.
    window.Timer.setEnabled(false);
}

pendix::editor::frmHaupt& EditorSession::editor() const { return platform::instance<pendix::editor::frmHaupt>(); }

QString EditorSession::programFolder() const { return parent_.path() + QStringLiteral("/Pendix"); }

QString EditorSession::levelFolder() const { return programFolder() + QStringLiteral("/lvlneu"); }

QString EditorSession::levelPath(const QString& name) const { return levelFolder() + u'/' + name; }

void EditorSession::resetState() {
    pendix::editor::frmHaupt& window = editor();
    window.LevelName = QStringLiteral("Blanko");
    window.LevelFileName.clear();
    window.StartPos = 0;
    window.StartDir = 0;
    window.EndPos = 0;
    window.SelectedCode = pendix::editor::frmHaupt::kNoTool;
    window.AnimCells.fill(0);
    fakes_.messages.shown.clear();
    fakes_.inputs.asked.clear();
    fakes_.inputs.answers.clear();
    fakes_.cursor.calls.clear();
    fakes_.cursor.depth = 0;
}

std::string EditorSession::fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

void EditorSession::writeFile(const QString& path, std::string_view bytes) {
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()));
}

bool hasWrittenForm(std::string_view bytes) {
    std::size_t lines = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') return false;  // a line feed without its carriage return
        if (bytes[i] != '\r') continue;
        if (i + 1 == bytes.size() || bytes[i + 1] != '\n') return false;
        ++lines;
        ++i;
    }
    return lines == 405 && bytes.size() >= 2 && bytes.substr(bytes.size() - 2) == "\r\n";
}

}  // namespace fuzz_support
