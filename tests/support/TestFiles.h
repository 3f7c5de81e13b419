// Reading fixture files whole in tests.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

inline std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
