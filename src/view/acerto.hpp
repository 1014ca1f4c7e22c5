// Hit tests of the pointer against the section, in world metres.
#pragma once

namespace zidod {

long double Distancia(long double x1, long double y1, long double x2, long double y2);

// Direction of the vector from (x1, y1) to (x2, y2), counter-clockwise from
// +X, in degrees in [0, 360).
long double AnguloDirecao(long double x1, long double y1, long double x2, long double y2);

// Whether (px, py) lies in the band that reaches `t` to either side of the
// segment and ends square at its end points. A segment of zero length has no band.
bool DentroDaFaixa(long double x1, long double y1, long double x2, long double y2, long double px,
                   long double py, long double t);

}  // namespace zidod
