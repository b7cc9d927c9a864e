#include "world/vec_math.h"

#include <algorithm>
#include <cmath>
#include <numbers>

float DegToRad(float degrees) {
    return static_cast<float>(degrees * std::numbers::pi / 180.0);
}

float HeadingOf(tvec3 direction) {
    const float horizontal = std::sqrt(direction.x * direction.x + direction.z * direction.z);
    if (!(horizontal > 0)) return 0;
    const float angle = std::acos(std::clamp(direction.z / horizontal, -1.0f, 1.0f));
    const float degrees = angle * 180.0f / std::numbers::pi_v<float>;
    return direction.x > 0 ? degrees : (direction.x < 0 ? -degrees : 0.0f);
}

float PitchOf(tvec3 direction) {
    const float length = std::sqrt(direction.x * direction.x + direction.y * direction.y +
                                   direction.z * direction.z);
    if (!(length > 0)) return 0;
    const float angle = std::asin(std::clamp(direction.y / length, -1.0f, 1.0f));
    return angle * 180.0f / std::numbers::pi_v<float>;
}

tmatrix IdentityMatrix() {
    tmatrix r;
    r.m[0] = r.m[5] = r.m[10] = r.m[15] = 1;
    return r;
}

tmatrix RotationX(float degrees) {
    const float a = DegToRad(degrees), c = std::cos(a), s = std::sin(a);
    tmatrix r = IdentityMatrix();
    r.m[5] = c;
    r.m[6] = -s;
    r.m[9] = s;
    r.m[10] = c;
    return r;
}

tmatrix RotationY(float degrees) {
    const float a = DegToRad(degrees), c = std::cos(a), s = std::sin(a);
    tmatrix r = IdentityMatrix();
    r.m[0] = c;
    r.m[2] = -s;
    r.m[8] = s;
    r.m[10] = c;
    return r;
}

tmatrix RotationZ(float degrees) {
    const float a = DegToRad(degrees), c = std::cos(a), s = std::sin(a);
    tmatrix r = IdentityMatrix();
    r.m[0] = c;
    r.m[1] = -s;
    r.m[4] = s;
    r.m[5] = c;
    return r;
}

tmatrix MultiplyMatrix(const tmatrix& a, const tmatrix& b) {
    tmatrix r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a.m[4 * i + k] * b.m[4 * k + j];
            r.m[4 * i + j] = sum;
        }
    }
    return r;
}

void TransformPoint(float& x, float& y, float& z, const tmatrix& matrix) {
    const auto& m = matrix.m;
    float nx = m[0] * x + m[1] * y + m[2] * z + m[3];
    float ny = m[4] * x + m[5] * y + m[6] * z + m[7];
    float nz = m[8] * x + m[9] * y + m[10] * z + m[11];
    const float w = m[12] * x + m[13] * y + m[14] * z + m[15];
    if (w != 0) {
        nx /= w;
        ny /= w;
        nz /= w;
    }
    x = nx;
    y = ny;
    z = nz;
}

void TransformPoint(tvec3& p, const tmatrix& matrix) {
    TransformPoint(p.x, p.y, p.z, matrix);
}
