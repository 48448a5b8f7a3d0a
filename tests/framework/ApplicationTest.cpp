#include "framework/core/Application.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(ApplicationTest, ExecutableFileIsTheRunningProgram) {
    // The booking script is found from here, two folders up.
    const auto file = fw::Application().ExecutableFile();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->AbsolutePath().Bytes(), std::filesystem::read_symlink("/proc/self/exe").string());
    EXPECT_EQ(file->Name().Bytes(), "framework_tests");
    EXPECT_EQ(file->Parent()->Parent()->Name().Bytes(), "Contents");
}

}  // namespace
