#ifndef VANDREL_FREESPACE_H
#define VANDREL_FREESPACE_H

#include <QVector>

// A walled width x height field, atoms of radius atomR centred at every node
// (originX + i * side, originY + j * side) for all integers i and j, electrons
// of radius electronR, and the field cut into equal vertical strips.
struct LatticeGeometry
{
    double width = 0.0;
    double height = 0.0;
    double originX = 0.0;
    double originY = 0.0;
    double side = 0.0;
    double atomR = 0.0;
    double electronR = 0.0;
    int strips = 0;

    bool operator==(const LatticeGeometry &other) const;
    bool operator!=(const LatticeGeometry &other) const { return !(*this == other); }
};

// The free space: the centres an electron can take, inside the walls
// (r <= x <= width - r, r <= y <= height - r) and farther than
// R = atomR + electronR from every node.
struct FreeSpace
{
    // Its area A.
    double area = 0.0;
    // The length of the lines x = r, x = width - r, y = r and y = height - r
    // that borders it: where a centre meets a wall.
    double wallLength = 0.0;
    // All of its border: the wall length and the arcs of the circles of radius R about the
    // nodes that lie inside the wall lines and outside every other circle.
    double boundaryLength = 0.0;
    // The part of A in each strip w * j <= x < w * (j + 1); they sum to 1,
    // and are NaN when A = 0.
    QVector<double> stripShares;
};

// Computed exactly from circle chords and arcs, in about a millisecond for any
// lattice the settings form allows.
FreeSpace computeFreeSpace(const LatticeGeometry &geometry);

// The value the pressure plot approaches for `electrons` spread evenly over
// the free space moving `stepLength` a step in evenly spread directions; NaN
// without free space.
double expectedWallPressure(const FreeSpace &space, int electrons, double stepLength);

#endif
