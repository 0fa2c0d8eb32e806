#include "drive_list_box.h"

#include "platform/controls/event_widget.h"
#include "platform/paths.h"

#include <QComboBox>
#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

#include <algorithm>

namespace platform {

QStringList mountedDrives() {
    QStringList drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !drives.contains(volume.rootPath()))
            drives.append(volume.rootPath());
    }
    std::sort(drives.begin(), drives.end(), [](const QString& a, const QString& b) {
        if (a == u"/" || b == u"/") return a == u"/" && b != u"/";
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    if (!drives.contains(QStringLiteral("/"))) drives.prepend(QStringLiteral("/"));
    return drives;
}

QWidget* DriveListBox::createWidget(QWidget* parent) {
    auto* combo = new detail::EventWidget<QComboBox>(this, parent);
    combo->whileOwned(&QComboBox::currentIndexChanged, [this](int index) { take(list(index)); });
    return combo;
}

void DriveListBox::applyProperties() {
    auto* combo = as<QComboBox>();
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(props_.drives);
    combo->setCurrentIndex(static_cast<int>(props_.drives.indexOf(props_.drive)));
}

void DriveListBox::resetProperties() {
    props_.drives = mountedDrives();
    props_.drive = props_.drives.value(0);
}

void DriveListBox::setDrive(const QString& path) {
    const QString real = resolvePath(path);
    QString best = props_.drives.value(0);
    for (const QString& drive : props_.drives) {
        const bool holds = real == drive || real.startsWith(drive.endsWith(u'/') ? drive : drive + u'/');
        if (holds && drive.size() > best.size()) best = drive;
    }
    if (auto* combo = as<QComboBox>()) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(static_cast<int>(props_.drives.indexOf(best)));
    }
    take(best);
}

void DriveListBox::take(const QString& drive) {
    if (drive.isEmpty() || drive == props_.drive) return;
    props_.drive = drive;
    if (onChange) onChange();
}

}  // namespace platform
