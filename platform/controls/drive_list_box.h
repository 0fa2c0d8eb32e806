#pragma once
// The machine's mounted volumes in a drop-down list, the root "/" first. Change
// runs whenever the drive changes, by the user or by setDrive(), nested inside
// the assignment.
#include "platform/controls/control.h"

#include <QStringList>

#include <functional>

namespace platform {

class DriveListBox : public Control {
public:
    DriveListBox() = default;

    // The selected volume's root folder ("/", "/media/usb").
    const QString& drive() const { return props_.drive; }
    // A volume's root or any path on it: the volume that holds the path is selected.
    void setDrive(const QString& path);
    int listCount() const { return static_cast<int>(props_.drives.size()); }
    QString list(int index) const { return props_.drives.value(index); }

    std::function<void()> onChange;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void resetProperties() override;

private:
    void take(const QString& drive);
    struct Props {
        QStringList drives;
        QString drive;
    };
    Props props_;
};

// The root folders of the mounted volumes that are ready, "/" first, the rest sorted.
QStringList mountedDrives();

}  // namespace platform
