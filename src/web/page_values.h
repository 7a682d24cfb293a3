#pragma once

namespace discada {

// Tells the page, by name, the value of every enumerator that crosses to it as a number: the
// message boxes' icons, the menu bar's entry kinds and the file dialogs' outcomes. The page uses
// the names only, so the order of the enumerators is the game's own affair.
void tellPageValues();

}  // namespace discada
