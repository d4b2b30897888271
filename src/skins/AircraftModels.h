// The thirty aircraft the game knows, in the order that stored skin choices keep their columns.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace harbinet {

struct AircraftModel {
    std::string_view code;  // four characters, as in the game's file names
    std::string_view displayName;
};

struct AircraftModelTable {
    static constexpr std::size_t kCount = 30;
    static const std::array<AircraftModel, kCount> kRows;

    // index 0..29.
    static std::string_view DisplayNameAt(std::size_t index) { return kRows[index].displayName; }
    static std::string_view CodeAt(std::size_t index) { return kRows[index].code; }
    // The display name of the code, ignoring letter case; empty for an unknown code.
    static std::string_view DisplayNameOf(std::string_view code);
    // The index of the code, ignoring letter case; kCount for an unknown code.
    static std::size_t IndexOf(std::string_view code);
    // The model code of a main texture "PcodeTEX.TPC": the four characters after the first,
    // upper case, whether or not the table knows them.
    static std::string CodeOfSkinFile(std::string_view fileName);
};

}  // namespace harbinet
