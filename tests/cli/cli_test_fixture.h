#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/utf8_path.h"
#include "temp_folder.h"

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
    const TempFolder dir_{"discada-cli"};
    std::ostringstream out_;
    std::ostringstream err_;
};

}  // namespace discada
