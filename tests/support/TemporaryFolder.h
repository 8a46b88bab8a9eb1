#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

#include <gtest/gtest.h>

namespace trimerka::testing {

// A fresh folder per test under the system's temporary folder, named `prefix` and a random number, removed
// afterwards with everything in it, even what a test left without permissions.
class TemporaryFolder : public ::testing::Test {
protected:
    explicit TemporaryFolder(const std::string& prefix) : prefix_(prefix) {}

    void SetUp() override {
        std::random_device seed;
        folder_ = std::filesystem::temp_directory_path() / (prefix_ + std::to_string(seed()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        namespace fs = std::filesystem;
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(folder_, ec)) {
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
        fs::remove_all(folder_, ec);
    }

    std::filesystem::path folder_;

private:
    std::string prefix_;
};

} // namespace trimerka::testing
