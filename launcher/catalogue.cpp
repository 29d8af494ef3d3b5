#include "catalogue.h"

namespace {

constexpr std::string_view Vectors = "Vectors";
constexpr std::string_view LinesAndCircles = "Lines and circles";
constexpr std::string_view Segments = "Segments";
constexpr std::string_view Polygons = "Polygons";

constexpr Demonstration Demonstrations[] = {
    {"cross_product", "PRODUS VECTORIAL", Vectors,
     "press near a point, drag it with the left button"},
    {"vector_angle", "UNGHIUL DINTRE 2 VECTORI", Vectors,
     "grab a tip (red circle) with the left button"},
    {"perpendicular", "PERPENDICULARITATE", Vectors, "a random picture; any key ends it"},
    {"circumcircle", "CERCUL CIRCUMSCRIS TRIUNGHIULUI", LinesAndCircles,
     "a key: a new triangle; Esc ends it"},
    {"normal_line", "DREAPTA DEFINITA PRIN DISTANTA SI NORMALA", LinesAndCircles,
     "watch it turn; any key ends it"},
    {"line_circle", "INTERSECTIE INTRE DREAPTA SI CERC", LinesAndCircles,
     "watch it turn; any key ends it"},
    {"segment_crossing", "INTERSECTII DE SEGMENTE", Segments,
     "left button drags B, right button drags D"},
    {"intersections", "INTERSECTII", Segments, "a key: a new pair; Esc ends it"},
    {"segment_distance", "CEA MAI MICA DISTANTA DINTRE SEGMENTE", Segments,
     "left, right, both or middle button drags an end"},
    {"point_in_polygon", "INTERIORUL POLIGONULUI", Polygons,
     "a key: a new quadrilateral; Esc ends it"},
    {"polygon_overlap", "INTERSECTIA POLIGOANELOR", Polygons,
     "left clicks: vertices; right click, then a key"},
};

}  // namespace

std::span<const Demonstration> catalogue() { return Demonstrations; }
