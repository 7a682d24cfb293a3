#!/usr/bin/env bash
# Prints Discada's version once the three places that write it agree: the program's version text
# in src/game/app_info.h, the upstream part of the newest debian/changelog entry and the newest
# section of NEWS. When they disagree it names all three and fails.
set -euo pipefail
cd "$(dirname "$0")/.."

program=$(sed -n 's/^constexpr std::string_view kVersionText = "Ver\.\([0-9.]*\)";$/\1/p' \
    src/game/app_info.h)
package=$(sed -n '1s/^discada (\([^)]*\)-[^-)]*).*/\1/p' debian/changelog)
news=$(sed -n 's/^Version \([0-9.]*\) (.*/\1/p' NEWS | head -1)
if [ -z "$program" ] || [ "$program" != "$package" ] || [ "$program" != "$news" ]; then
    echo "The version is not the same everywhere: src/game/app_info.h says \"$program\"," \
        "debian/changelog \"$package\" and NEWS \"$news\"." >&2
    exit 1
fi
echo "$program"
