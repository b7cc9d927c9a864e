// Widgets: the menu's own small widget set (entries, buttons, edit boxes, arrow triangles, option
// lists, scrollable select lists) as plain records, with their construction and mouse hit tests.
// Coordinates are normalised device coordinates of the whole window (x right, y up, -1..1); a
// rectangle is its top-left corner (x, y), width w and height h, covering y-h..y vertically.
// Hit tests take the pointer in window pixels plus the window's client size. Drawing lives in
// ui/draw; key handling of edit boxes in ui/edit_box.h; list behaviour in ui/select_list.h.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Text inside the program is Windows-1251; fixed-size text fields hold at most this many bytes.
inline constexpr std::size_t kWidgetTextCapacity = 64;
// The small font's height in pixels; captions are laid out with it.
inline constexpr int32_t kSmallFontPixels = 18;

// Window client size in pixels, needed to turn pixel offsets into device coordinates.
struct ClientSize {
    int32_t width = 800;
    int32_t height = 600;
};

// A pointer position in window pixels (y down), as mouse events report it.
struct PixelPoint {
    int32_t x = 0;
    int32_t y = 0;
};

struct NdcPoint {
    float x = 0;
    float y = 0;
};

NdcPoint PixelToNdc(PixelPoint pointer, ClientSize client);

// A texture looked up by name the first time it is drawn; -1 until found.
struct TextureRef {
    std::string name;
    int32_t slot = -1;
};

struct tmenuitem {
    std::string name;
    TextureRef texture;         // normal state
    TextureRef pressedTexture;  // pressed state (the highlight bar only)
    float x = 0, y = 0, w = 0, h = 0;
    int32_t state = 0;  // 0 normal, 1 pressed
};

struct tgbutton : tmenuitem {
    bool pressed = false;
    std::string caption;
    NdcPoint captionPosition;
};

struct tgedit : tmenuitem {
    TextureRef activeTexture;
    bool caretVisible = false;
    bool active = false;  // holds the keyboard focus
    bool selectAll = false;
    uint32_t lastCaretToggle = 0;
    uint32_t caretInterval = 800;
    std::string text;
    NdcPoint textPosition;
};

struct tgtriangle {
    NdcPoint a, b, c;
    bool pressed = false;
};

// An option list: a label, the current value and two arrows that step through the options.
struct tglist {
    float x = 0, y = 0, w = 0;
    int32_t current = 0;
    std::string label;
    std::string valueText;
    std::vector<std::string> options;
    NdcPoint leftAnchor, rightAnchor;
    float valueColumn = 0.45f;  // fraction of w where the value text starts
    bool wraps = true;          // false: stepping stops at the ends
    tgtriangle left, right;
};

// One row of a select list, or a caption label on a screen.
struct tselectoption {
    bool highlighted = false;
    float x = 0, y = 0, w = 0, h = 0;
    int32_t fontHeight = -kSmallFontPixels;  // negative, as the font was created
    std::string label;
    TextureRef highlightTexture{"mi_curs"};
};

struct tselect {
    float x = 0, y = 0, w = 0, h = 0;
    TextureRef background{"mi_edit"};
    int32_t selected = -1;
    std::vector<tselectoption> items;
    float itemWidth = 0;
    float rowHeight = 0.05f;
    int32_t firstRow = 0;  // row position of item 0: 0, or negative once scrolled down
    int32_t lastRow = -1;  // row position of the last item
    int32_t lastVisibleRow = 0;
    tgtriangle up, down;
};

tmenuitem MakeMenuItem(const std::string& name, float x, float y, float w, float h);
tgbutton MakeButton(const std::string& caption, float x, float y, float w, float h,
                    ClientSize client);
tgedit MakeEdit(const std::string& text, float x, float y, float w, float h, ClientSize client);
tselectoption MakeSelectOption(const std::string& label, float x, float y, float w, float h);
// A label drawn over a screen: a select option highlighted with the statistics backdrop.
tselectoption MakeLabel(const std::string& label, float x, float y, float w, float h);
tselect MakeSelect(float x, float y, float w, float h);

// Texts are cut to the widget capacity.
std::string CutText(const std::string& text, std::size_t capacity = kWidgetTextCapacity);

// Strict rectangle hit: a pointer exactly on an edge misses.
bool Contains(const tmenuitem& item, PixelPoint pointer, ClientSize client);
bool ContainsNdc(float x, float y, float w, float h, NdcPoint point);
// Area test with the tolerance 0.001 (the arrows are tiny, so the tolerance widens them a little).
bool Contains(const tgtriangle& triangle, PixelPoint pointer, ClientSize client);
// Sets the option's highlight to whether it is hit, and returns that.
bool HitTest(tselectoption& option, PixelPoint pointer, ClientSize client);
