#include "view3d/Tessellate.h"

#include <GL/glu.h>

#include <array>
#include <deque>
#include <memory>

// The GLU tessellator needs no GL context: it only calls back with the triangles it finds.
namespace layrail {

namespace {

struct TessState {
    std::vector<Point> triangles;
    std::deque<std::array<GLdouble, 3>> vertices;
    bool failed = false;
};

void GLAPIENTRY onBegin(GLenum, void*) {}
void GLAPIENTRY onEnd(void*) {}
// Registering an edge-flag callback makes the tessellator emit plain triangles only, never fans or strips.
void GLAPIENTRY onEdgeFlag(GLboolean, void*) {}

void GLAPIENTRY onVertex(void* vertex, void* data)
{
    const auto* v = static_cast<const GLdouble*>(vertex);
    static_cast<TessState*>(data)->triangles.push_back(Point{v[0], v[1]});
}

void GLAPIENTRY onCombine(GLdouble coords[3], void*[4], GLfloat[4], void** out, void* data)
{
    auto* state = static_cast<TessState*>(data);
    state->vertices.push_back({coords[0], coords[1], coords[2]});
    *out = state->vertices.back().data();
}

void GLAPIENTRY onError(GLenum, void* data) { static_cast<TessState*>(data)->failed = true; }

template <typename F>
_GLUfuncptr callback(F f)
{
    return reinterpret_cast<_GLUfuncptr>(f);
}

struct TessDeleter {
    void operator()(GLUtesselator* t) const { gluDeleteTess(t); }
};

} // namespace

std::vector<Point> triangulate(const std::vector<Point>& outline)
{
    if (outline.size() < 3)
        return {};
    std::unique_ptr<GLUtesselator, TessDeleter> tess(gluNewTess());
    if (!tess)
        return {};
    TessState state;
    for (const Point& p : outline)
        state.vertices.push_back({p.x, p.y, 0.0});

    gluTessCallback(tess.get(), GLU_TESS_BEGIN_DATA, callback(onBegin));
    gluTessCallback(tess.get(), GLU_TESS_END_DATA, callback(onEnd));
    gluTessCallback(tess.get(), GLU_TESS_EDGE_FLAG_DATA, callback(onEdgeFlag));
    gluTessCallback(tess.get(), GLU_TESS_VERTEX_DATA, callback(onVertex));
    gluTessCallback(tess.get(), GLU_TESS_COMBINE_DATA, callback(onCombine));
    gluTessCallback(tess.get(), GLU_TESS_ERROR_DATA, callback(onError));
    gluTessProperty(tess.get(), GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
    gluTessNormal(tess.get(), 0.0, 0.0, 1.0);

    gluTessBeginPolygon(tess.get(), &state);
    gluTessBeginContour(tess.get());
    for (std::size_t i = 0; i < outline.size(); ++i)
        gluTessVertex(tess.get(), state.vertices[i].data(), state.vertices[i].data());
    gluTessEndContour(tess.get());
    gluTessEndPolygon(tess.get());

    if (state.failed || state.triangles.size() % 3 != 0)
        return {};
    return state.triangles;
}

} // namespace layrail
