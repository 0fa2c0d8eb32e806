#include "tests/support/installed_folder.h"

#include "installer/install_data.h"
#include "platform/paths.h"
#include "tests/support/program_folder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace test_support {
namespace {

struct Installation {
    std::unique_ptr<QTemporaryDir> dir = std::make_unique<QTemporaryDir>();
    QString error;
};

Installation install() {
    Installation done;
    if (!done.dir->isValid()) {
        done.error = QStringLiteral("no temporary folder for the installation");
        return done;
    }
    const auto result = pendix::installer::installData(QDir(done.dir->path()));
    if (!result.ok) done.error = result.message;
    return done;
}

}  // namespace

InstalledFolder::InstalledFolder() { platform::setProgramFolder(path()); }

InstalledFolder::~InstalledFolder() { platform::setProgramFolder({}); }

QString InstalledFolder::path() {
    static const Installation installed = install();  // once per test program, kept to its end
    if (!installed.error.isEmpty()) {
        ADD_FAILURE() << "The installer's code failed: " << installed.error.toStdString();
        return {};
    }
    return installed.dir->path();
}

void InstalledFolder::copyInto(const ProgramFolder& folder) {
    const QString from = path();
    if (from.isEmpty()) return;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = folder.path() + source.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            EXPECT_TRUE(QFile::copy(source, target)) << target.toStdString();
    }
}

}  // namespace test_support
