#include <GL/gl.h>

#include "view3d/FramePlan.h"
#include "view3d/ui/TrackGLCanvas.h"

// The lights, the one-time GL state and the drawing of one frame.
namespace layrail {

namespace {

constexpr float kGridExtent = 3500.0f;
constexpr float kGridStep = 100.0f;

void loadMatrix(GLenum mode, const Matrix4& matrix)
{
    glMatrixMode(mode);
    glLoadMatrixf(matrix.m.data());
}

} // namespace

void TrackGLCanvas::setUpGL()
{
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_NORMALIZE);

    // The lights are placed with an identity model-view, so they stay fixed to the eye.
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat ambient0[] = {0.22f, 0.22f, 0.2f, 1.0f};
    const GLfloat diffuse0[] = {0.92f, 0.9f, 0.84f, 1.0f};
    const GLfloat specular0[] = {0.35f, 0.35f, 0.38f, 1.0f};
    const GLfloat position0[] = {700.0f, 500.0f, 1000.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient0);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse0);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular0);
    glLightfv(GL_LIGHT0, GL_POSITION, position0);
    const GLfloat ambient1[] = {0.04f, 0.04f, 0.07f, 1.0f};
    const GLfloat diffuse1[] = {0.22f, 0.26f, 0.34f, 1.0f};
    const GLfloat position1[] = {-500.0f, -700.0f, 250.0f, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient1);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse1);
    glLightfv(GL_LIGHT1, GL_POSITION, position1);

    const GLfloat specular[] = {0.35f, 0.35f, 0.38f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 20.0f);
    glClearColor(0.14f, 0.16f, 0.19f, 1.0f);
}

FrameStats TrackGLCanvas::drawFrame(int width, int height)
{
    FrameStats stats;
    if (width >= 1 && height >= 1) {
        glViewport(0, 0, width, height);
        loadMatrix(GL_PROJECTION, camera_.projection(width, height));
    }
    const Matrix4 view = camera_.modelView();
    loadMatrix(GL_MODELVIEW, view);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    drawGrid();

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    buffers_.draw(scene_.baseboard);

    for (const SceneryInstance& item : scene_.scenery) {
        if (item.model < 0 || static_cast<std::size_t>(item.model) >= scene_.sceneryModels.size())
            continue;
        glLoadMatrixf((view * sceneryTransform(item)).m.data());
        buffers_.draw(scene_.sceneryModels[static_cast<std::size_t>(item.model)]);
    }
    glLoadMatrixf(view.m.data());
    buffers_.draw(scene_.structures);

    buffers_.unbind();
    drawOutlines();

    // Track is pulled a little toward the eye so it wins over the boards and shapes it lies on.
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(-1.0f, -1.0f);
    const Mesh* bound = nullptr;
    for (const TrackDraw& draw : planTrackDraws(scene_, camera_, width, height)) {
        const TrackMesh& mesh = scene_.trackMeshes[static_cast<std::size_t>(draw.mesh)];
        const Mesh& detailed = mesh.meshFor(draw.detail);
        if (&detailed != bound) {
            buffers_.bind(detailed);
            bound = &detailed;
        }
        glLoadMatrixf(draw.modelView.m.data());
        const std::uint32_t count = mesh.indexCount(draw.detail);
        buffers_.drawBound(count);
        ++stats.trackDraws;
        stats.triangles += count / 3;
    }
    glDisable(GL_POLYGON_OFFSET_FILL);
    glLoadMatrixf(view.m.data());

    buffers_.draw(scene_.tunnels);
    buffers_.unbind();
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    return stats;
}

void TrackGLCanvas::drawGrid() const
{
    // The ground lies under everything: it writes no depth, so the baseboard at its height covers it.
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);
    glLineWidth(1.0f);
    glColor3f(0.22f, 0.24f, 0.22f);
    glBegin(GL_LINES);
    for (float v = -kGridExtent; v <= kGridExtent; v += kGridStep) {
        glVertex3f(v, -kGridExtent, -0.5f);
        glVertex3f(v, kGridExtent, -0.5f);
        glVertex3f(-kGridExtent, v, -0.5f);
        glVertex3f(kGridExtent, v, -0.5f);
    }
    glEnd();

    glLineWidth(2.0f);
    glBegin(GL_LINES);
    glColor3f(0.45f, 0.18f, 0.18f);
    glVertex3f(0.0f, -kGridExtent, -0.3f);
    glVertex3f(0.0f, kGridExtent, -0.3f);
    glColor3f(0.18f, 0.45f, 0.18f);
    glVertex3f(-kGridExtent, 0.0f, -0.3f);
    glVertex3f(kGridExtent, 0.0f, -0.3f);
    glEnd();
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
    glDepthMask(GL_TRUE);
}

void TrackGLCanvas::drawOutlines() const
{
    if (scene_.outlines.empty())
        return;
    glDisable(GL_LIGHTING);
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    for (const OutlineSegment& segment : scene_.outlines) {
        glColor3f(segment.colour.r, segment.colour.g, segment.colour.b);
        glVertex3d(segment.a.x, segment.a.y, segment.a.z);
        glVertex3d(segment.b.x, segment.b.y, segment.b.z);
    }
    glEnd();
    glLineWidth(1.0f);
    glEnable(GL_LIGHTING);
}

} // namespace layrail
