#include "ui/select_list.h"

#include <utility>

void AddSelectItem(tselect& list, const std::string& label) {
    const auto row = static_cast<float>(list.items.size());
    list.items.push_back(MakeSelectOption(label, list.x, list.y - list.rowHeight * row,
                                          list.itemWidth, list.rowHeight));
    list.lastRow = list.firstRow + static_cast<int32_t>(list.items.size()) - 1;
}

void RemoveSelectItem(tselect& list, int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(list.items.size())) return;
    list.items.erase(list.items.begin() + index);
    list.lastRow = list.firstRow + static_cast<int32_t>(list.items.size()) - 1;
    list.selected = -1;
}

void ClearSelectItems(tselect& list) {
    list.items.clear();
    list.selected = -1;
    list.firstRow = 0;
    list.lastRow = -1;
}

void SetSelectItems(tselect& list, const std::vector<std::string>& labels) {
    ClearSelectItems(list);
    for (const std::string& label : labels) AddSelectItem(list, label);
}

bool IsRowVisible(const tselect& list, int32_t index) {
    const int32_t row = list.firstRow + index;
    return row >= 0 && row <= list.lastVisibleRow;
}

void LayoutSelectRows(tselect& list) {
    for (int32_t j = 0; j < static_cast<int32_t>(list.items.size()); ++j) {
        if (IsRowVisible(list, j))
            list.items[j].y = list.y - static_cast<float>(list.firstRow + j) * list.rowHeight;
    }
}

static bool InsideBox(const tselect& list, PixelPoint pointer, ClientSize client) {
    return ContainsNdc(list.x, list.y, list.w, list.h, PixelToNdc(pointer, client));
}

bool Click(tselect& list, PixelPoint pointer, ClientSize client) {
    if (!InsideBox(list, pointer, client)) return false;
    if (Contains(list.up, pointer, client) && list.firstRow < 0) {
        ++list.firstRow;
        ++list.lastRow;
    }
    if (Contains(list.down, pointer, client) && list.lastVisibleRow < list.lastRow) {
        --list.firstRow;
        --list.lastRow;
    }
    LayoutSelectRows(list);
    list.selected = -1;
    for (int32_t j = 0; j < static_cast<int32_t>(list.items.size()); ++j) {
        tselectoption& item = list.items[j];
        if (!IsRowVisible(list, j)) {
            item.highlighted = false;
            continue;
        }
        if (HitTest(item, pointer, client)) list.selected = j;
    }
    return true;
}

void PressArrows(tselect& list, PixelPoint pointer, ClientSize client) {
    if (!InsideBox(list, pointer, client)) return;
    if (Contains(list.up, pointer, client)) list.up.pressed = true;
    if (Contains(list.down, pointer, client)) list.down.pressed = true;
}

void ReleaseArrows(tselect& list, PixelPoint pointer, ClientSize client) {
    if (!InsideBox(list, pointer, client)) return;
    if (Contains(list.up, pointer, client)) list.up.pressed = false;
    if (Contains(list.down, pointer, client)) list.down.pressed = false;
}

static void RefreshValueText(tglist& list) {
    const bool valid =
        list.current >= 0 && list.current < static_cast<int32_t>(list.options.size());
    list.valueText = valid ? CutText(list.options[list.current]) : std::string();
}

tglist MakeOptionList(const std::string& label, float x, float y, float w,
                      std::vector<std::string> options, int32_t current, ListStyle style) {
    tglist list;
    list.x = x;
    list.y = y;
    list.w = w;
    list.label = CutText(label);
    list.options = std::move(options);
    list.current = current;
    list.wraps = style == ListStyle::Wrapping;
    list.valueColumn = style == ListStyle::Options ? 0.8f : 0.45f;
    const float rightFraction = style == ListStyle::Options ? 0.93f : 0.9f;
    list.leftAnchor = {x + list.valueColumn * w, y};
    list.rightAnchor = {x + rightFraction * w, y};
    const NdcPoint l = list.leftAnchor;
    const NdcPoint r = list.rightAnchor;
    list.left = {
        {l.x - 0.05f, l.y - 0.005f}, {l.x - 0.03f, l.y - 0.025f}, {l.x - 0.03f, l.y + 0.015f}};
    list.right = {
        {r.x + 0.05f, r.y - 0.005f}, {r.x + 0.03f, r.y + 0.015f}, {r.x + 0.03f, r.y - 0.025f}};
    RefreshValueText(list);
    return list;
}

void StepLeft(tglist& list) {
    const auto last = static_cast<int32_t>(list.options.size()) - 1;
    if (last < 0) return;
    if (list.current > 0)
        --list.current;
    else if (list.wraps)
        list.current = last;
    RefreshValueText(list);
}

void StepRight(tglist& list) {
    const auto last = static_cast<int32_t>(list.options.size()) - 1;
    if (last < 0) return;
    if (list.current < last)
        ++list.current;
    else if (list.wraps)
        list.current = 0;
    RefreshValueText(list);
}

void PressListArrows(tglist& list, PixelPoint pointer, ClientSize client) {
    if (Contains(list.left, pointer, client)) list.left.pressed = true;
    if (Contains(list.right, pointer, client)) list.right.pressed = true;
}

bool ReleaseListArrows(tglist& list, PixelPoint pointer, ClientSize client) {
    bool stepped = false;
    if (Contains(list.left, pointer, client)) {
        StepLeft(list);
        stepped = true;
    }
    if (Contains(list.right, pointer, client)) {
        StepRight(list);
        stepped = true;
    }
    list.left.pressed = false;
    list.right.pressed = false;
    return stepped;
}
