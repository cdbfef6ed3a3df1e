// The entities of an ENTITIES section, one row each, as the import turns them into shapes on a
// new layer (colour 0, width 1).
#include "canvas/CanvasModel.h"
#include "tests/canvas/DxfTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct TEntityCase {
    const char* legend;
    const char* groups;    // inside ENTITIES, written as for DxfGroups
    const char* expected;  // DxfShapes() afterwards
};

const TEntityCase kEntityCases[] = {
    {"a LINE in its own colour", "0/LINE/8/Kerb/10/1.5/20/0/11/2.0/21/0/62/1",
     "line (1.5,0) (2,0) pen 255/1\n"},
    {"a LINE without colour takes the layer's", "0/LINE/10/1/20/2/11/3/21/4",
     "line (1,2) (3,4) pen 0/1\n"},
    {"by layer and by block take the layer's too", "0/LINE/11/1/62/256/0/LINE/11/2/62/0",
     "line (0,0) (1,0) pen 0/1\nline (0,0) (2,0) pen 0/1\n"},
    {"a CIRCLE", "0/CIRCLE/10/5/20/5/40/2.5/62/3", "circle (5,5) r 2.5 pen 65280/1\n"},
    {"an ARC from 350 to 10 degrees sweeps 20 across 0", "0/ARC/10/0/20/0/40/5/50/350/51/10",
     "polyline open 21 (4.924,-0.8682) (5,0) (4.924,0.8682) pen 0/1\n"},
    {"an ARC with equal angles gives 21 equal vertices", "0/ARC/40/5/50/30/51/30",
     "polyline open 21 (4.3301,2.5) (4.3301,2.5) (4.3301,2.5) pen 0/1\n"},
    {"an ARC without angles is a whole turn", "0/ARC/40/2",
     "polyline open 21 (2,0) (-2,0) (2,0) pen 0/1\n"},
    {"an ELLIPSE without parameters is closed, its last vertex its first",
     "0/ELLIPSE/10/1/20/1/11/4/21/0/40/0.5", "polyline closed 37 (5,1) (-3,1) (5,1) pen 0/1\n"},
    {"an elliptical arc from 5.5 to 0.8 is the short arc across 0",
     "0/ELLIPSE/11/4/21/0/40/0.5/41/5.5/42/0.8",
     "polyline open 37 (2.8347,-1.4111) (3.9999,0.0168) (2.7868,1.4347) pen 0/1\n"},
    {"a quarter arc from 3/2 pi to 0", "0/ELLIPSE/11/4/21/0/40/0.5/41/4.71238898/42/0",
     "polyline open 37 (0,-2) (2.8284,-1.4142) (4,0) pen 0/1\n"},
    {"an ELLIPSE whose major axis points north", "0/ELLIPSE/11/0/21/4/40/0.5/41/0/42/1.5707963",
     "polyline open 37 (0,4) (-1.4142,2.8284) (-2,0) pen 0/1\n"},
    {"a SOLID goes round its corners 1, 2, 4, 3", "0/SOLID/10/0/20/0/11/4/21/0/12/0/22/3/13/4/23/3",
     "polyline closed 4 (0,0) (4,0) (4,3) (0,3) pen 0/1\n"},
    {"a SOLID whose fourth corner is its third is a triangle",
     "0/SOLID/10/0/20/0/11/4/21/0/12/0/22/3/13/0/23/3/62/5",
     "polyline closed 3 (0,0) (4,0) (0,3) pen 16711680/1\n"},
    {"a TRACE like a SOLID", "0/TRACE/11/1/12/1/22/1/13/1/23/1",
     "polyline closed 3 (0,0) (1,0) (1,1) pen 0/1\n"},
    {"a POINT takes the layer's pen, whatever its colour", "0/POINT/10/3/20/4/62/1",
     "point (3,4) pen 0/1\n"},
    {"a closed SPLINE through its control points",
     "0/SPLINE/70/9/10/0/20/0/10/5/20/2/10/9/20/0/11/99/21/99",
     "polyline closed 3 (0,0) (5,2) (9,0) pen 0/1\n"},
    {"a SPLINE with more x than y is left out", "0/SPLINE/10/0/20/0/10/5", ""},
    {"an LWPOLYLINE: a 20 completes the 10 before it, once",
     "0/LWPOLYLINE/90/99/70/1/20/7/10/0/20/0/10/4/20/0/20/9/10/4/20/3",
     "polyline closed 3 (0,0) (4,0) (4,3) pen 0/1\n"},
    {"an LWPOLYLINE of one vertex is left out", "0/LWPOLYLINE/10/1/20/1", ""},
    {"a POLYLINE with its VERTEX entities and SEQEND",
     "0/POLYLINE/66/1/70/0/62/2/0/VERTEX/10/1/20/1/0/VERTEX/10/2/20/1/0/SEQEND",
     "polyline open 2 (1,1) (2,1) pen 65535/1\n"},
    {"a polyface mesh is skipped with its face records",
     "0/POLYLINE/70/64/0/VERTEX/10/1/20/1/70/192/0/VERTEX/10/0/20/0/70/128/71/1/0/SEQEND/"
     "0/LINE/11/1",
     "line (0,0) (1,0) pen 0/1\n"},
    {"a polygon mesh is skipped", "0/POLYLINE/70/16/0/VERTEX/10/5/20/5/0/VERTEX/0/SEQEND", ""},
    {"a POLYLINE cut short by another entity keeps that entity",
     "0/POLYLINE/70/1/0/VERTEX/10/0/20/0/0/VERTEX/10/1/20/0/0/VERTEX/10/1/20/1/0/LINE/11/1",
     "polyline closed 3 (0,0) (1,0) (1,1) pen 0/1\nline (0,0) (1,0) pen 0/1\n"},
    {"a TEXT: height not above 0.1 is 2.5, anchored bottom left",
     "0/TEXT/10/1/20/2/40/0.05/50/30/1/Pier 3",
     "text [Pier 3] (1,2) size 2.5 angle 30 Arial font -1 align 02 pen 0/1\n"},
    {"an MTEXT without its codes", "0/MTEXT/10/0/20/0/40/1.8/3/first part/1/\\fArial|b1;A\\PB",
     "text [A B] (0,0) size 1.8 angle 0 Arial font -1 align 02 pen 0/1\n"},
    {"an MTEXT's embedded object does not move its anchor",
     "0/MTEXT/10/22.75/20/59.97/1/SPLINE/101/Embedded Object/70/1/10/1.0/20/0.0/11/32.9/21/49.5",
     "text [SPLINE] (22.75,59.97) size 2.5 angle 0 Arial font -1 align 02 pen 0/1\n"},
    {"a TEXT of nothing but codes adds nothing", "0/TEXT/1/\\A1;", ""},
    {"an empty TEXT adds nothing", "0/TEXT/10/1/20/1", ""},
    {"a doubled backslash reads as one", "0/TEXT/1/C:\\\\data",
     "text [C:\\data] (0,0) size 2.5 angle 0 Arial font -1 align 02 pen 0/1\n"},
    {"a Windows-1254 text is decoded",
     "0/TEXT/1/\xC7"
     "e\xFEme",
     "text [\xC3\x87"
     "e\xC5\x9Fme] (0,0) size 2.5 angle 0 Arial font -1 align 02 pen 0/1\n"},
    {"an INSERT of a block that no file defined adds nothing", "0/INSERT/2/NONE/10/1/20/1", ""},
    {"unknown entities are skipped", "0/XLINE/10/0/20/0/0/DIMENSION/1/LINE/0/LINE/11/1",
     "line (0,0) (1,0) pen 0/1\n"},
    {"a solid HATCH (pattern name SOLID) is no SOLID",
     "0/HATCH/8/0/2/SOLID/70/1/10/0/20/0/10/50/20/0/10/50/20/50/0/LINE/11/1",
     "line (0,0) (1,0) pen 0/1\n"},
    {"a SEQEND on layer POINT adds no point",
     "0/POLYLINE/8/POINT/0/VERTEX/8/POINT/10/100/20/100/0/VERTEX/8/POINT/10/101/20/100/"
     "0/SEQEND/8/POINT",
     "polyline open 2 (100,100) (101,100) pen 0/1\n"},
    {"an attribute whose text is ENDSEC does not end the section",
     "0/INSERT/66/1/2/TAG/0/ATTRIB/2/NOTE/1/ENDSEC/0/SEQEND/0/LINE/11/1",
     "line (0,0) (1,0) pen 0/1\n"},
    {"nan, inf and 1e999 read 0", "0/LINE/10/nan/20/1e999/11/inf/21/2",
     "line (0,0) (0,2) pen 0/1\n"},
    {"a circle beyond the finite numbers is left out",
     "0/CIRCLE/10/1e308/40/1e308/0/ELLIPSE/10/1e308/11/1e308/21/1e308/0/LINE/11/1",
     "line (0,0) (1,0) pen 0/1\n"},
};

TEST(DxfEntities, EachEntityBecomesItsShape) {
    for (const TEntityCase& c : kEntityCases) {
        SCOPED_TRACE(c.legend);
        TCanvasModel model;
        ImportDxfBytes(model, DxfEntitiesFile(c.groups));
        EXPECT_EQ(DxfShapes(model), c.expected);
    }
}

}  // namespace
