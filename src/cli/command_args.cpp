#include "cli/command_args.h"

#include <charconv>

namespace discada {

std::optional<std::int32_t> parseInteger(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return {};
    return value;
}

std::optional<SearchKind> parseSearchKind(std::string_view text) {
    for (const SearchKind kind :
         {SearchKind::Pruned, SearchKind::BitboardWalk, SearchKind::MatchWalk}) {
        if (text == nameOf(kind)) return kind;
    }
    return {};
}

}  // namespace discada
