// Whole files as bytes, for tests that compare what the program wrote byte
// for byte or hand it a file written out by hand.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

namespace tervala::testing {

inline void WriteTextFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// Empty when the file does not exist.
inline std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace tervala::testing
