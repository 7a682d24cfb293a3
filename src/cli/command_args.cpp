#include "cli/command_args.h"

#include <charconv>

namespace discada {

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
    return value;
}

std::optional<SearchModel> parseSearchModel(std::string_view text) {
    if (text == "pruned") return SearchModel::Pruned;
    if (text == "fast") return SearchModel::Fast;
    if (text == "literal") return SearchModel::Literal;
    return {};
}

const char* nameOf(SearchModel model) {
    switch (model) {
        case SearchModel::Pruned:
            return "pruned";
        case SearchModel::Fast:
            return "fast";
        case SearchModel::Literal:
            return "literal";
    }
    return "?";
}

}  // namespace discada
