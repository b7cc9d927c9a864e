// tusersettings: the user settings stored in conf2.cfg.
#pragma once

struct tusersettings {};
