#include "ui/draw/widget_draw.h"

#include <SDL_opengl.h>

#include "platform/bitmap_font.h"
#include "ui/edit_box.h"
#include "ui/menu_textures.h"
#include "ui/select_list.h"

namespace {

// Bitmap text is drawn untextured, or the glyphs would take the colour of a texel.
void DrawLabel(const WidgetPainter& painter, float x, float y, const std::string& text) {
    glDisable(GL_TEXTURE_2D);
    DrawText(painter.smallFont, x, y, text);
    glEnable(GL_TEXTURE_2D);
}

void DrawTexturedItem(const WidgetPainter& painter, tmenuitem& item, TextureRef& texture) {
    BindTexture(painter, texture);
    DrawBlendedQuad(item.x, item.y, item.w, item.h);
}

}  // namespace

void BindTexture(const WidgetPainter& painter, TextureRef& texture) {
    const int32_t slot = ResolveSlot(texture, painter.textures);
    glBindTexture(GL_TEXTURE_2D, slot >= 0 ? TextureNameForSlot(painter.textures, slot) : 0);
}

void DrawBlendedQuad(float x, float y, float w, float h) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(x, y, 0);
    glTexCoord2f(0, 1);
    glVertex3f(x, y - h, 0);
    glTexCoord2f(1, 1);
    glVertex3f(x + w, y - h, 0);
    glTexCoord2f(1, 0);
    glVertex3f(x + w, y, 0);
    glEnd();
    glDisable(GL_BLEND);
}

void Draw(const WidgetPainter& painter, tmenuitem& item) {
    DrawTexturedItem(painter, item, item.state == 1 ? item.pressedTexture : item.texture);
}

void Draw(const WidgetPainter& painter, tgbutton& button) {
    glColor3f(1, 1, 1);
    DrawTexturedItem(painter, button, button.pressed ? button.pressedTexture : button.texture);
    const float shade = button.pressed ? 0.5f : 1.0f;
    glColor3f(shade, shade, shade);
    DrawLabel(painter, button.captionPosition.x, button.captionPosition.y, button.caption);
    glColor3f(1, 1, 1);
}

void Draw(const WidgetPainter& painter, tgedit& edit) {
    glColor3f(1, 1, 1);
    DrawTexturedItem(painter, edit, edit.active ? edit.activeTexture : edit.texture);
    glDisable(GL_TEXTURE_2D);
    if (edit.selectAll) {
        const float right = edit.x +
                            kSmallFontPixels * static_cast<float>(edit.text.size()) /
                                static_cast<float>(painter.client.width) +
                            0.01f;
        glColor3f(0.2f, 0.1f, 0.7f);
        glBegin(GL_QUADS);
        glVertex3f(edit.x, edit.y - 0.01f, 0);
        glVertex3f(edit.x, edit.y - edit.h + 0.01f, 0);
        glVertex3f(right, edit.y - edit.h + 0.01f, 0);
        glVertex3f(right, edit.y - 0.01f, 0);
        glEnd();
    }
    glColor3f(1, 1, 1);
    const bool caret = UpdateCaret(edit, painter.now);
    DrawText(painter.smallFont, edit.textPosition.x, edit.textPosition.y,
             caret ? edit.text + "|" : edit.text);
    glEnable(GL_TEXTURE_2D);
}

void Draw(const tgtriangle& triangle) {
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    if (triangle.pressed)
        glColor4f(1, 0, 0, 1);
    else
        glColor4f(1, 0.5f, 0.5f, 1);
    glBegin(GL_TRIANGLES);
    glVertex3f(triangle.a.x, triangle.a.y, 0);
    glVertex3f(triangle.b.x, triangle.b.y, 0);
    glVertex3f(triangle.c.x, triangle.c.y, 0);
    glEnd();
    glEnable(GL_BLEND);
    glEnable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
}

void Draw(const WidgetPainter& painter, tglist& list) {
    glColor3f(1, 1, 1);
    DrawLabel(painter, list.x, list.y - 0.02f, list.label);
    DrawLabel(painter, list.x + list.valueColumn * list.w, list.y - 0.02f, list.valueText);
    Draw(list.left);
    Draw(list.right);
    glDisable(GL_BLEND);
}

void Draw(const WidgetPainter& painter, tselectoption& option) {
    const float baseline =
        (2 * option.y - option.h) / 2 +
        static_cast<float>(option.fontHeight) * 0.5f / static_cast<float>(painter.client.height);
    if (option.highlighted) {
        glColor3f(1, 0.5f, 1);
        BindTexture(painter, option.highlightTexture);
        DrawBlendedQuad(option.x, option.y, option.w, option.h);
    }
    glColor3f(1, 1, 1);
    DrawLabel(painter, option.x + 0.02f, baseline, option.label);
}

void Draw(const WidgetPainter& painter, tselect& list) {
    glColor3f(0.5f, 0.5f, 0.5f);
    BindTexture(painter, list.background);
    DrawBlendedQuad(list.x, list.y, list.w, list.h);
    LayoutSelectRows(list);
    for (int32_t j = 0; j < static_cast<int32_t>(list.items.size()); ++j) {
        if (IsRowVisible(list, j)) Draw(painter, list.items[j]);
    }
    Draw(list.up);
    Draw(list.down);
    glDisable(GL_BLEND);
}
