// List widgets: the scrollable `tselect` (map and server lists) and the stepped option list
// `tglist` (label, value and two arrows). Rows of a select list are placed by their row position,
// so hit tests see exactly what the last layout shows; rows scrolled out of view are never hit.
#pragma once
#include <string>
#include <vector>

#include "ui/widgets.h"

// Appends a row and keeps the list's last row in step with its scroll position.
void AddSelectItem(tselect& list, const std::string& label);
// Removes a row (later rows move up) and clears the selection.
void RemoveSelectItem(tselect& list, int32_t index);
void ClearSelectItems(tselect& list);
// Replaces the rows with `labels` and scrolls back to the top.
void SetSelectItems(tselect& list, const std::vector<std::string>& labels);

bool IsRowVisible(const tselect& list, int32_t index);
// Puts every visible row at its place for the current scroll position.
void LayoutSelectRows(tselect& list);

// A click: scrolls by an arrow under the pointer, then selects the row under it (or none).
// Returns false, changing nothing, unless the pointer is strictly inside the list's box.
bool Click(tselect& list, PixelPoint pointer, ClientSize client);
void PressArrows(tselect& list, PixelPoint pointer, ClientSize client);
void ReleaseArrows(tselect& list, PixelPoint pointer, ClientSize client);

// Screen-made option list. The options screen puts the value column at 0.8 of the width and
// stops at the ends; the other screens put it at 0.45 and wrap around.
enum class ListStyle { Options, Wrapping };
tglist MakeOptionList(const std::string& label, float x, float y, float w,
                      std::vector<std::string> options, int32_t current, ListStyle style);
void StepLeft(tglist& list);
void StepRight(tglist& list);
// Releases both arrows; an arrow under the pointer steps the list. Returns whether it stepped.
bool ReleaseListArrows(tglist& list, PixelPoint pointer, ClientSize client);
void PressListArrows(tglist& list, PixelPoint pointer, ClientSize client);
