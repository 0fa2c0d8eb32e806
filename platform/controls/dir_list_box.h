#pragma once
// A folder list: the folders from the root down to the current folder, then the
// current folder's subfolders (sorted without regard to letter case, hidden ones
// left out). Double-clicking an entry makes it the current folder; picking one
// with the mouse or the arrow keys only selects it. Change runs whenever the
// path changes, by the user or by setPath(), nested inside the assignment.
#include "platform/controls/list_control.h"

#include <functional>

namespace platform {

class DirListBox : public ListControl {
public:
    DirListBox() = default;

    // The current folder, without a trailing separator (except the root "/").
    const QString& path() const { return path_; }
    // Any way of writing a folder ("\", "/", any letter case); a folder that does
    // not exist gives its nearest existing parent.
    void setPath(const QString& path);
    // Reads the folder again (subfolders may have come or gone since), keeping the
    // selected entry while it is still there; a folder gone since gives its
    // nearest existing parent, with Change.
    void refresh();
    // list(i) is the full path of entry i: entries 0 .. the current folder are the
    // way down from the root, the rest its subfolders.
    int currentEntry() const { return currentEntry_; }

    std::function<void()> onChange;

protected:
    void resetProperties() override;
    void decorate(QListWidget& widget) const override;
    void opened(int index) override;

private:
    // Lists the way down to the current folder and its subfolders.
    void fill(bool keepSelection);
    QString path_;
    int currentEntry_ = 0;
};

}  // namespace platform
