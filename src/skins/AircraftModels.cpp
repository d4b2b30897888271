#include "skins/AircraftModels.h"

#include "platform/Text.h"

namespace harbinet {

const std::array<AircraftModel, AircraftModelTable::kCount> AircraftModelTable::kRows = {{
    {"P38H", "P-38H"},         {"P38J", "P-38J"},       {"P47C", "P-47C"},
    {"P47D", "P-47D"},         {"P51B", "P-51B"},       {"P51D", "P-51D"},
    {"BB17", "B-17F"},         {"B24A", "B-24D"},       {"B26A", "B-26B"},
    {"HURR", "Hurricane I"},   {"SP2A", "Spitfire Ia"}, {"SP09", "Spitfire IXC"},
    {"SP14", "Spitfire XIVE"}, {"TYPH", "Typhoon IB"},  {"TEMP", "Tempest V"},
    {"MOSQ", "Mosquito IV"},   {"109E", "Bf 109E-4"},   {"109G", "Bf 109G-6"},
    {"109K", "Bf 109K-4"},     {"110C", "Bf 110C-4"},   {"110G", "Bf 110G-2"},
    {"M410", "Me 410A-1"},     {"190A", "Fw 190A-8"},   {"190D", "Fw 190D-9"},
    {"262A", "Me 262A-1"},     {"J88A", "Ju 88A-4"},    {"J88C", "Ju 88C-6"},
    {"JU87", "Ju 87B-2"},      {"H111", "He 111H-2"},   {"V1V1", "Fi 103 V-1"},
}};

std::size_t AircraftModelTable::IndexOf(std::string_view code) {
    for (std::size_t i = 0; i < kCount; ++i)
        if (EqualIgnoringCase(kRows[i].code, code)) return i;
    return kCount;
}

std::string_view AircraftModelTable::DisplayNameOf(std::string_view code) {
    const std::size_t index = IndexOf(code);
    return index < kCount ? kRows[index].displayName : std::string_view();
}

std::string AircraftModelTable::CodeOfSkinFile(std::string_view fileName) {
    const std::string_view stem = fileName.substr(0, fileName.rfind('.'));
    std::string code(stem.substr(std::min<std::size_t>(1, stem.size()), 4));
    for (char& c : code)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return code;
}

}  // namespace harbinet
