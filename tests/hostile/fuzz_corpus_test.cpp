#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/property_checks.h"
#include "hostile_files.h"

namespace discada {
namespace {

namespace fs = std::filesystem;

struct Target {
    const char* name;
    std::string (*check)(std::string_view);
    // The bytes random inputs are drawn from most of the time: those that steer the target.
    std::string_view alphabet;
};

constexpr Target kTargets[] = {
    {"record_reader", checkRecordBytes, " 0123456789:,()\r\n+-"},
    {"match_history", checkHistoryBytes, ""},
    {"search", checkSearchBytes, ""},
};

// The seed corpus and every failure a fuzzer has found, kept so that it stays fixed.
std::vector<fs::path> keptInputs(const Target& target) {
    std::vector<fs::path> inputs;
    for (const char* kind : {"corpus", "regressions"}) {
        const fs::path folder = fs::path(DISCADA_FUZZ_DIR) / kind / target.name;
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder))
            inputs.push_back(entry.path());
    }
    return inputs;
}

TEST(FuzzProperties, HoldForEveryKeptInput) {
    for (const Target& target : kTargets) {
        const std::vector<fs::path> inputs = keptInputs(target);
        EXPECT_GE(inputs.size(), 4u) << target.name;
        for (const fs::path& input : inputs) {
            EXPECT_EQ(target.check(contentsOf(input.string())), "") << input;
        }
    }
}

TEST(FuzzProperties, HoldForSeededRandomInputs) {
    std::mt19937 random(2024);
    for (const Target& target : kTargets) {
        for (int n = 0; n < 300; ++n) {
            std::string bytes(random() % 200, '\0');
            for (char& c : bytes) {
                const bool steered = !target.alphabet.empty() && random() % 8 != 0;
                c = static_cast<char>(steered ? target.alphabet[random() % target.alphabet.size()]
                                              : random());
            }
            ASSERT_EQ(target.check(bytes), "") << target.name << " input " << n;
        }
    }
}

}  // namespace
}  // namespace discada
