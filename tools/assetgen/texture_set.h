// The catalogue of every texture the game loads by name, painted procedurally.
// A name with frames yields one entry per frame file ("PLTEX1", "PLTEX1_fr1", ...). Entries marked
// `alpha` are written as 32-bit TGA so their transparency is exact; the others as 24-bit BMP.
#pragma once
#include <string>
#include <vector>

#include "image.h"

class TextPainter;

struct TextureFile {
    std::string name;  // file name without extension
    Image image;
    bool alpha = false;
};

std::string TextureFileName(const TextureFile& texture);  // name + ".tga" or ".bmp"

// Appends `count` frames of one texture: the first keeps the name, frame k is name_frk.
void AddFrames(std::vector<TextureFile>& out, const std::string& name, bool alpha, int count,
               const std::vector<Image>& frames);

std::vector<TextureFile> WorldTextures(TextPainter& text);  // floors, skies, cylinders, props
std::vector<TextureFile> PlayerTextures();                  // skins of the player and bullet
std::vector<TextureFile> EffectTextures();                  // muzzle flash and explosion frames
std::vector<TextureFile> MenuTextures(TextPainter& text);   // menus, widgets, HUD, logos
std::vector<TextureFile> AllTextures(TextPainter& text);
