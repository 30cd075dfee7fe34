#pragma once

class QWidget;

// Empties every single- and multi-line text field below the window; nothing else changes.
// The line edit inside an editable combo box or a spin box is part of that control, not a
// text field of its own, and is left alone.
void ClearTextBoxes(QWidget* window);
