#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/utf8_path.h"

namespace discada {

// A command-line test: a fresh folder for the record files it writes, removed afterwards, and
// the command's two output streams.
class CliTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& bytes) {
        const std::filesystem::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return utf8Of(path);
    }
    void clearOutput() {
        out_.str("");
        err_.str("");
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    const std::filesystem::path dir_ = [] {
        const auto* test = ::testing::UnitTest::GetInstance();
        auto folder = std::filesystem::temp_directory_path() /
                      ("discada-cli-" + std::to_string(test->random_seed()) +
                       test->current_test_info()->test_suite_name() + "." +
                       test->current_test_info()->name());
        std::filesystem::create_directories(folder);
        return folder;
    }();
    std::ostringstream out_;
    std::ostringstream err_;
};

}  // namespace discada
