#include "world/shadow.h"

#include <cmath>
#include <numbers>

tshad::tshad(int segments) {
    const float step = 2 * std::numbers::pi_v<float> / static_cast<float>(segments);
    for (int i = 0; i < segments; ++i) {
        const float a = static_cast<float>(i) * step;
        rim.push_back({{std::cos(a), 0, std::sin(a)}, {0, 1, 0}});
    }
}
