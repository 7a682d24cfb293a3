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
    for (const SearchModel model : {SearchModel::Pruned, SearchModel::Fast, SearchModel::Literal}) {
        if (text == nameOf(model)) return model;
    }
    return {};
}

}  // namespace discada
