// InputState: polled keyboard and mouse state and the movement inputs.
#pragma once

struct InputState {};
