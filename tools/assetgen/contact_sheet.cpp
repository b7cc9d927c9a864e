#include "contact_sheet.h"

#include <algorithm>

#include "text.h"

Image ContactSheet(const std::vector<TextureFile>& textures, TextPainter& text) {
    const int columns = 8, cellWidth = 176, thumb = 160, cellHeight = thumb + 28;
    const int rows = (static_cast<int>(textures.size()) + columns - 1) / columns;
    Image sheet(columns * cellWidth, rows * cellHeight, Rgb(36, 38, 44));
    TextStyle label;
    label.size = 13, label.color = Rgb(230, 232, 240);
    for (size_t i = 0; i < textures.size(); ++i) {
        const Image& picture = textures[i].image;
        int col = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
        int x0 = col * cellWidth + (cellWidth - thumb) / 2, y0 = row * cellHeight + 6;
        float fit = std::min(static_cast<float>(thumb) / picture.width(),
                             static_cast<float>(thumb) / picture.height());
        int w = std::max(1, static_cast<int>(picture.width() * fit));
        int h = std::max(1, static_cast<int>(picture.height() * fit));
        int px = x0 + (thumb - w) / 2, py = y0 + (thumb - h) / 2;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                sheet.at(px + x, py + y) =
                    ((x / 8 + y / 8) % 2) ? Rgb(150, 150, 150) : Rgb(100, 100, 100);
        sheet.Draw(picture.Resized(w, h), px, py);
        std::string name = TextureFileName(textures[i]);
        text.Draw(sheet, name, col * cellWidth + (cellWidth - text.Width(name, label)) / 2,
                  y0 + thumb + 16, label);
    }
    return sheet;
}
