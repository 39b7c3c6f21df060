// Helper routines for list boxes, trees and focus that need widgets (the tree
// path helpers work on any tree through controls/TreeHelpers.h).
#pragma once

class QLineEdit;
class QListWidget;
class QTreeView;
class QWidget;

// Selects the first entry of List that begins with the text of Edit
// (letters a-z compared without case); with no such entry, or an empty
// text, the selection stays as it is.
void ListTypeAhead(QLineEdit* Edit, QListWidget* List);
// Gives Control the focus only if it is showing and its window is visible.
void SafeFocus(QWidget* Control);
void ScrollTreeToTop(QTreeView* Tree);
