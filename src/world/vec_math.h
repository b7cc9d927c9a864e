// Vector math: tvec3 and the row-major 4x4 tmatrix the model loader bakes geometry with.
// Angles are in degrees everywhere; Y is up and yaw 0 looks along -z.
#pragma once
#include <array>
#include <cmath>

struct tvec3 {
    float x = 0, y = 0, z = 0;
};

inline tvec3 operator+(tvec3 a, tvec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline tvec3 operator-(tvec3 a, tvec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline bool operator==(tvec3 a, tvec3 b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}
inline tvec3 Scaled(tvec3 v, float factor) {
    return {v.x * factor, v.y * factor, v.z * factor};
}
inline float Length(tvec3 v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}
// False for a vector with a NaN or infinite component (from a damaged file or a hostile datagram).
inline bool Finite(tvec3 v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// Element (row r, column c) is m[4r + c]; points are column vectors (p' = M p), so entries
// 3, 7, 11 are the translation and 12..15 the projective row.
struct tmatrix {
    std::array<float, 16> m{};
};

// Degrees to radians, rounded to single precision before any sine or cosine is taken.
float DegToRad(float degrees);

// The heading (degrees) of a direction's horizontal part: 0 along +z, positive towards +x; 0 for
// a vertical or zero direction. PitchOf: its angle above the horizontal; 0 for a zero direction.
float HeadingOf(tvec3 direction);
float PitchOf(tvec3 direction);

tmatrix IdentityMatrix();
tmatrix RotationX(float degrees);
tmatrix RotationY(float degrees);  // x' = c x - s z, z' = s x + c z
tmatrix RotationZ(float degrees);

// A * B. Both inputs are read before the result exists, so it may be assigned to either.
tmatrix MultiplyMatrix(const tmatrix& a, const tmatrix& b);

// p = M p in place, divided by w unless w is 0.
void TransformPoint(float& x, float& y, float& z, const tmatrix& matrix);
void TransformPoint(tvec3& p, const tmatrix& matrix);
