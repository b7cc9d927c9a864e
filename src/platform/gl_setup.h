// The fixed GL state set once after the context is created: the three lights and the stencil
// defaults the shadow pass relies on.
#pragma once

void SetUpLightsAndStencil();
