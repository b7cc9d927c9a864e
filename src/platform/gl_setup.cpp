#include "platform/gl_setup.h"

#include <SDL_opengl.h>

namespace {

// The one stencil bit the see-through pass writes and tests.
constexpr GLuint kStencilBit = 1;

struct LightSetting {
    GLenum light;
    GLfloat ambient[4];
    GLfloat diffuse[4];
    GLfloat position[4];
};

constexpr LightSetting kLights[] = {
    {GL_LIGHT0, {0.1f, 0.1f, 0.1f, 1.0f}, {0.5f, 0.5f, 0.5f, 1.0f}, {0.0f, 1000.0f, -3.0f, 1.0f}},
    {GL_LIGHT1, {1.0f, 1.0f, 1.0f, 1.0f}, {1.5f, 1.5f, 1.5f, 1.0f}, {-100.0f, 0.0f, 0.0f, 1.0f}},
    {GL_LIGHT2, {0.0f, 0.0f, 0.0f, 1.0f}, {0.0f, 0.0f, 0.0f, 1.0f}, {0.0f, 2.0f, -10.0f, 1.0f}},
};

}  // namespace

void SetUpLightsAndStencil() {
    for (const LightSetting& setting : kLights) {
        glLightfv(setting.light, GL_AMBIENT, setting.ambient);
        glLightfv(setting.light, GL_DIFFUSE, setting.diffuse);
        glLightfv(setting.light, GL_POSITION, setting.position);
    }
    glEnable(GL_LIGHTING);
    for (const LightSetting& setting : kLights) glEnable(setting.light);
    glClearStencil(1);
    glStencilMask(kStencilBit);
    glDisable(GL_STENCIL_TEST);
}

void ClearDepthAndStencil(bool withColour) {
    glStencilMask(~0u);
    glClear(GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT | (withColour ? GL_COLOR_BUFFER_BIT : 0));
    glStencilMask(kStencilBit);
}
