// Sound: loaded sounds, per-player channels and volumes.
#pragma once

struct Sound {};
