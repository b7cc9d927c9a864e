// Tuning: the tuning values read from config.txt.
#pragma once

struct Tuning {};
