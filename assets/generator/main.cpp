// Writes the program's pictures and icons: asset_generator ART_FOLDER OUTPUT_FOLDER
#include "assets/generator/AssetSet.h"

#include <exception>
#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: asset_generator ART_FOLDER OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path output = argv[2];
        std::filesystem::create_directories(output);
        for (const auto& file : penderlin::Assets::GenerateAssets(argv[1])) {
            std::ofstream stream(output / file.name, std::ios::binary | std::ios::trunc);
            stream.write(reinterpret_cast<const char*>(file.bytes.data()),
                         static_cast<std::streamsize>(file.bytes.size()));
            if (!stream) {
                std::cerr << "asset_generator: cannot write " << (output / file.name) << '\n';
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "asset_generator: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
