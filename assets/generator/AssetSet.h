#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace penderlin::Assets {

struct GeneratedFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// Every picture and icon of the program, drawn from the sources in the art folder (the icons)
// and from code (the pictures). Throws std::runtime_error when a source is missing or wrong.
std::vector<GeneratedFile> GenerateAssets(const std::filesystem::path& artFolder);

} // namespace penderlin::Assets
