#pragma once

#include <string>

namespace discada {

class DscProg;

// The position as 8 lines of 8 characters, row 1 first and column 1 leftmost: '.' empty,
// 'X' black, 'O' white.
std::string boardText(const DscProg& match);

// "black=B white=W moves=N status=S tomove=C".
std::string summaryLine(const DscProg& match);

}  // namespace discada
