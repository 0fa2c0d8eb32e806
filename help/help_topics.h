#pragma once
// The five help topics of the help launcher's list, in list order, with the
// help file of the program folder that each opens.
#include "shared/data_paths.h"

#include <array>
#include <string_view>

namespace pendix::hilfe {

struct HelpTopic {
    std::string_view entry;  // the list's entry (UTF-8)
    std::string_view file;   // as the programs write it
};

inline constexpr std::array<HelpTopic, 5> kHelpTopics{{
    {"Hilfe zu Pendix", kHelpGame},
    {"Hilfe zu den verwendeten Objekten", kHelpObjects},
    {"Hilfe zum Editor zu Pendix", kHelpEditor},
    {"Menüsystem des Editors zu Pendix", kHelpEditorMenus},
    {"Menüsystem von Pendix", kHelpGameMenus},
}};

// The topic of a list index; nullptr for any index outside the list (-1: nothing selected).
constexpr const HelpTopic* helpTopicAt(int index) {
    return index >= 0 && index < static_cast<int>(kHelpTopics.size()) ? &kHelpTopics[static_cast<std::size_t>(index)]
                                                                      : nullptr;
}

}  // namespace pendix::hilfe
