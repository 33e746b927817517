#pragma once
// Names for screen readers where Qt derives none.
class QWidget;

namespace vinaxo {

// The text box inside each editable drop-down list of `window` takes the name of the
// list's label (or the list's own accessible name): focus lands in the box, and Qt
// names only the list.
void nameComboEditors(QWidget* window);

} // namespace vinaxo
