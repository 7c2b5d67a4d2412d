#pragma once

// The value records of the geometry commands: points and vectors, lines,
// planes in coordinate and parameter form, spheres.

#include "shell/extended.h"

namespace lumatik {

struct Vec3 {
  Extended x1 = 0;
  Extended x2 = 0;
  Extended x3 = 0;
};

inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x1 + b.x1, a.x2 + b.x2, a.x3 + b.x3}; }
inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x1 - b.x1, a.x2 - b.x2, a.x3 - b.x3}; }
inline Vec3 operator*(Extended s, const Vec3& a) { return {s * a.x1, s * a.x2, s * a.x3}; }
inline Extended Dot(const Vec3& a, const Vec3& b) { return a.x1 * b.x1 + a.x2 * b.x2 + a.x3 * b.x3; }
inline Vec3 Cross(const Vec3& a, const Vec3& b) {
  return {a.x2 * b.x3 - a.x3 * b.x2, a.x3 * b.x1 - a.x1 * b.x3, a.x1 * b.x2 - a.x2 * b.x1};
}

// x = p + s*u
struct Line3 {
  Vec3 p;  // "Aufpunkt"
  Vec3 u;  // "Richtungsvektor"
};

// a*x1 + b*x2 + c*x3 = d; (a, b, c) is the normal vector.
struct PlaneEquation {
  Extended a = 0;
  Extended b = 0;
  Extended c = 0;
  Extended d = 0;
  Vec3 normal() const { return {a, b, c}; }
};

// x = p + s*u + t*v
struct PlaneParam {
  Vec3 p;
  Vec3 u;
  Vec3 v;
};

struct Sphere {
  Vec3 m;
  Extended r = 0;
};

}  // namespace lumatik
