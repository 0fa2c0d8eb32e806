#include "installed_folder.h"

#include "installer/install_data.h"

#include <QDir>

namespace game_test {

namespace {
QString folderPath;  // set once by the environment, read by the fixtures
}

void InstalledFolder::SetUp() {
    dir_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(dir_->isValid());
    const auto result = pendix::installer::installData(QDir(dir_->path()));
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    folderPath = dir_->path();
}

void InstalledFolder::TearDown() {
    folderPath.clear();
    dir_.reset();
}

QString InstalledFolder::path() { return folderPath; }

}  // namespace game_test
