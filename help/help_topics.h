#pragma once
// The five help topics of the help launcher's list, in list order, with the
// help file of the program folder that each opens.
#include <array>
#include <string_view>

namespace pendix::hilfe {

struct HelpTopic {
    std::string_view entry;  // the list's entry (UTF-8)
    std::string_view file;   // as the programs write it
};

inline constexpr std::array<HelpTopic, 5> kHelpTopics{{
    {"Hilfe zu Pendix", "\\hilfe\\pendix.hlp"},
    {"Hilfe zu den verwendeten Objekten", "\\hilfe\\objekte.hlp"},
    {"Hilfe zum Editor zu Pendix", "\\hilfe\\editor.hlp"},
    {"Menüsystem des Editors zu Pendix", "\\hilfe\\menueser.hlp"},
    {"Menüsystem von Pendix", "\\hilfe\\menuesch.hlp"},
}};

// The topic of a list index; nullptr for any index outside the list (-1: nothing selected).
constexpr const HelpTopic* helpTopicAt(int index) {
    return index >= 0 && index < static_cast<int>(kHelpTopics.size()) ? &kHelpTopics[static_cast<std::size_t>(index)]
                                                                       : nullptr;
}

}  // namespace pendix::hilfe
