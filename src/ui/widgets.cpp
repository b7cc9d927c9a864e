#include "ui/widgets.h"

#include <cmath>

NdcPoint PixelToNdc(PixelPoint pointer, ClientSize client) {
    const float width = static_cast<float>(client.width > 0 ? client.width : 1);
    const float height = static_cast<float>(client.height > 0 ? client.height : 1);
    return {2.0f * static_cast<float>(pointer.x) / width - 1.0f,
            1.0f - 2.0f * static_cast<float>(pointer.y) / height};
}

std::string CutText(const std::string& text, std::size_t capacity) {
    return text.size() > capacity ? text.substr(0, capacity) : text;
}

tmenuitem MakeMenuItem(const std::string& name, float x, float y, float w, float h) {
    tmenuitem item;
    item.name = name;
    item.texture.name = name;
    item.x = x;
    item.y = y;
    item.w = w;
    item.h = h;
    return item;
}

// Captions are centred assuming each character is 0.6 of the font height wide.
tgbutton MakeButton(const std::string& caption, float x, float y, float w, float h,
                    ClientSize client) {
    tgbutton button;
    static_cast<tmenuitem&>(button) = MakeMenuItem("mi_btnup", x, y, w, h);
    button.pressedTexture.name = "mi_btndown";
    button.caption = CutText(caption);
    const float font = static_cast<float>(kSmallFontPixels);
    const float length = static_cast<float>(button.caption.size());
    button.captionPosition = {(2 * x + w) / 2 - length * 0.6f * font / client.width,
                              (2 * y - h) / 2 - font * 0.5f / client.height};
    return button;
}

tgedit MakeEdit(const std::string& text, float x, float y, float w, float h, ClientSize client) {
    tgedit edit;
    static_cast<tmenuitem&>(edit) = MakeMenuItem("mi_edit", x, y, w, h);
    edit.activeTexture.name = "mi_edita";
    edit.text = CutText(text);
    const float font = static_cast<float>(kSmallFontPixels);
    edit.textPosition = {x + 5.0f / client.width, (2 * y - h) / 2 - font * 0.5f / client.height};
    return edit;
}

tselectoption MakeSelectOption(const std::string& label, float x, float y, float w, float h) {
    tselectoption option;
    option.label = CutText(label);
    option.x = x;
    option.y = y;
    option.w = w;
    option.h = h;
    return option;
}

tselectoption MakeLabel(const std::string& label, float x, float y, float w, float h) {
    tselectoption option = MakeSelectOption(label, x, y, w, h);
    option.highlightTexture.name = "tra_bk";
    return option;
}

tselect MakeSelect(float x, float y, float w, float h) {
    tselect list;
    list.x = x;
    list.y = y;
    list.w = w;
    list.h = h;
    list.itemWidth = 0.8f * w;
    list.lastVisibleRow = static_cast<int32_t>(std::trunc(h / list.rowHeight + 1e-4f)) - 1;
    list.up = {
        {x + w - 0.025f, y - 0.075f}, {x + w - 0.05f, y - 0.025f}, {x + w - 0.075f, y - 0.075f}};
    list.down = {{x + w - 0.075f, y - h + 0.075f},
                 {x + w - 0.05f, y - h + 0.025f},
                 {x + w - 0.025f, y - h + 0.075f}};
    return list;
}

bool ContainsNdc(float x, float y, float w, float h, NdcPoint point) {
    return x < point.x && point.x < x + w && y - h < point.y && point.y < y;
}

bool Contains(const tmenuitem& item, PixelPoint pointer, ClientSize client) {
    return ContainsNdc(item.x, item.y, item.w, item.h, PixelToNdc(pointer, client));
}

static float TriangleArea(NdcPoint a, NdcPoint b, NdcPoint c) {
    return std::fabs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) * 0.5f;
}

bool Contains(const tgtriangle& triangle, PixelPoint pointer, ClientSize client) {
    const NdcPoint p = PixelToNdc(pointer, client);
    const float whole = TriangleArea(triangle.a, triangle.b, triangle.c);
    const float parts = TriangleArea(p, triangle.a, triangle.b) +
                        TriangleArea(p, triangle.b, triangle.c) +
                        TriangleArea(p, triangle.c, triangle.a);
    return std::fabs(whole - parts) < 0.001f;
}

bool HitTest(tselectoption& option, PixelPoint pointer, ClientSize client) {
    option.highlighted =
        ContainsNdc(option.x, option.y, option.w, option.h, PixelToNdc(pointer, client));
    return option.highlighted;
}
