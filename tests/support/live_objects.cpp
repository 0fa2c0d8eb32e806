#include "live_objects.h"

#include <QtGlobal>

#include <unordered_map>

// Qt's hook table, as its debugging tools reach it (qhooks_p.h in Qt's sources).
extern quintptr qtHookData[];

namespace test_support {
namespace {

enum HookIndex { HookDataVersion = 0, HookDataSize = 1, QtVersion = 2, AddQObject = 3, RemoveQObject = 4 };
using ObjectHook = void (*)(QObject*);

std::unordered_map<QObject*, bool>& live() {
    static std::unordered_map<QObject*, bool> objects;
    return objects;
}

void added(QObject* object) { live().emplace(object, true); }
void removed(QObject* object) { live().erase(object); }

}  // namespace

bool LiveObjects::available() {
    return qtHookData[HookDataVersion] >= 1 && qtHookData[HookDataSize] > RemoveQObject &&
           qtHookData[QtVersion] == QT_VERSION;
}

LiveObjects::LiveObjects() {
    live().clear();
    if (!available()) return;
    qtHookData[AddQObject] = reinterpret_cast<quintptr>(static_cast<ObjectHook>(added));
    qtHookData[RemoveQObject] = reinterpret_cast<quintptr>(static_cast<ObjectHook>(removed));
}

LiveObjects::~LiveObjects() {
    if (available()) {
        qtHookData[AddQObject] = 0;
        qtHookData[RemoveQObject] = 0;
    }
    live().clear();
}

std::map<std::string, int> LiveObjects::byClass() const {
    std::map<std::string, int> counts;
    for (const auto& entry : live()) ++counts[entry.first->metaObject()->className()];
    return counts;
}

int LiveObjects::count() const { return static_cast<int>(live().size()); }

}  // namespace test_support
