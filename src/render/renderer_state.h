// Renderer: view cameras, render mode and the renderer's cached GL names (no GL headers).
#pragma once

struct Renderer {};
