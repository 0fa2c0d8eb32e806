#pragma once
// Counts every QObject constructed and not yet destroyed, by Qt's own object
// hooks (those debuggers use), for tests that check what a window leaves behind.
// One counter at a time; it starts counting when created.
#include <QObject>

#include <map>
#include <string>

namespace test_support {

class LiveObjects {
public:
    LiveObjects();
    ~LiveObjects();
    LiveObjects(const LiveObjects&) = delete;
    LiveObjects& operator=(const LiveObjects&) = delete;

    // Whether this Qt build offers the hooks.
    static bool available();
    // The live objects made since the counter was created (a count per class).
    std::map<std::string, int> byClass() const;
    int count() const;
};

}  // namespace test_support
