// Menu textures: the pictures BuildMenus loads (menu entries, buttons, edit boxes, panels, the
// HUD icons, the menu background and the loading picture), and the lookup that turns a widget's
// texture name into its slot the first time it is drawn.
#pragma once
#include "ui/menus.h"
#include "world/textures.h"

class Gpu;

// Fresh texture slots, then every menu picture in its fixed order; records the slots others use.
void LoadMenuTextures(TextureTable& table, Gpu& gpu, MenuVariant variant, MenuPictures& pictures);

// Caches the first slot of the last picture named exactly like the reference; stays -1 (and is
// looked up again next time) while no picture has that name. Returns the slot.
int32_t ResolveSlot(TextureRef& texture, const TextureTable& table);
