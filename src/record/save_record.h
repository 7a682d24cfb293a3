#pragma once

namespace discada {

class DscProg;
class TextFileDialog;

enum class SaveOutcome { NothingToSave, Saved, Cancelled, Failed };

// Writes the record of `match` from the first placement up to the one at its history cursor (the
// position shown, also while replaying) to a file chosen through `dialog`. With no placement
// applied no dialog opens. The dialog is the caller's, not the match's, because records sit above
// matches in the layers.
[[nodiscard]] SaveOutcome saveRecord(const DscProg& match, TextFileDialog& dialog);

}  // namespace discada
