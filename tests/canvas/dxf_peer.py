# ezdxf as an independent reader and writer of DXF files, for the DXF tests.
#
#   dxf_peer.py read FILE [recover]   prints the file as ezdxf reads it, as JSON: version,
#                                     encoding, the audit's errors and fixes, and the modelspace
#                                     entities with their raw (OCS) coordinates
#   dxf_peer.py expect FILE...        prints, as JSON by file name, the shapes our reader should
#                                     make of each file's modelspace, in order; a file that ezdxf
#                                     cannot read as it stands is read through its recovery
#   dxf_peer.py write VERSION FOLDER  writes each drawing of CASES with ezdxf as VERSION (R12 or
#                                     R2010) to FOLDER/CASE.dxf, leaving out those the version
#                                     cannot hold
import json
import math
import sys

import ezdxf
from ezdxf import recover


def load(path, use_recover):
    if use_recover:
        doc, _ = recover.readfile(path)
        return doc
    return ezdxf.readfile(path)


def xy(point):
    return [point[0], point[1]]


def describe(e):
    kind = e.dxftype()
    d = {"type": kind, "layer": e.dxf.layer}
    if kind == "LINE":
        d["points"] = [xy(e.dxf.start), xy(e.dxf.end)]
    elif kind == "CIRCLE":
        d["points"] = [xy(e.dxf.center)]
        d["radius"] = e.dxf.radius
    elif kind == "POINT":
        d["points"] = [xy(e.dxf.location)]
    elif kind in ("TEXT", "MTEXT"):
        d["points"] = [xy(e.dxf.insert)]
        d["text"] = e.dxf.text
        if kind == "TEXT":
            d["height"] = e.dxf.height
            d["rotation"] = e.dxf.rotation
    elif kind == "POLYLINE":
        d["points"] = [xy(v.dxf.location) for v in e.vertices]
        d["closed"] = e.is_closed
        d["mesh"] = e.is_polygon_mesh or e.is_poly_face_mesh
    elif kind == "LWPOLYLINE":
        d["points"] = [xy(p) for p in e.get_points("xy")]
        d["closed"] = e.closed
    return d


def read(path, use_recover):
    doc = load(path, use_recover)
    auditor = doc.audit()
    out = {
        "version": doc.dxfversion,
        "encoding": doc.encoding,
        "errors": [str(error.message) for error in auditor.errors],
        "fixes": [str(fix.message) for fix in auditor.fixes],
        "entities": [describe(e) for e in doc.modelspace()],
    }
    print(json.dumps(out))


# What our reader makes of each entity: kind and, where the reader keeps them as they stand,
# the points. Arcs, ellipses, splines and solids become polylines whose vertices are computed.
def expected_shape(d):
    kind = d["type"]
    if kind == "LINE":
        return {"kind": "line", "points": d["points"]}
    if kind == "CIRCLE":
        return {"kind": "circle", "points": d["points"]}
    if kind == "POINT":
        return {"kind": "point", "points": d["points"]}
    if kind in ("TEXT", "MTEXT"):
        return {"kind": "text", "points": d["points"]} if d["text"] else None
    if kind in ("POLYLINE", "LWPOLYLINE"):
        if d.get("mesh") or len(d["points"]) < 2:
            return None
        return {"kind": "polyline", "points": d["points"]}
    if kind in ("ARC", "ELLIPSE", "SPLINE", "SOLID", "TRACE"):
        return {"kind": "polyline"}
    return None


def expect(paths):
    out = {}
    for path in paths:
        try:
            doc = load(path, False)
        except ezdxf.DXFStructureError:
            doc = load(path, True)
        shapes = [expected_shape(describe(e)) for e in doc.modelspace()]
        out[path] = [s for s in shapes if s]
    print(json.dumps(out))


def arc(doc, msp):
    msp.add_arc((0, 0), 5, 350, 10)


def ellipses(doc, msp):
    msp.add_ellipse((0, 0), major_axis=(4, 0), ratio=0.5)
    msp.add_ellipse((20, 0), major_axis=(4, 0), ratio=0.5, start_param=5.5, end_param=0.8)


def polylines(doc, msp):
    if doc.dxfversion > "AC1009":
        msp.add_lwpolyline([(0, 0), (4, 0), (4, 3)], close=True)
    msp.add_polyline2d([(10, 0), (14, 0), (14, 3), (10, 3)], close=True)
    msp.add_solid([(20, 0), (24, 0), (20, 3)])


def texts(doc, msp):
    msp.add_text("Çeşme", dxfattribs={"insert": (1, 2), "height": 0.5, "rotation": 30})
    if doc.dxfversion > "AC1009":
        msp.add_mtext("LINE1\\PLINE2\\Lunderlined\\l", dxfattribs={"insert": (0, 10)})


def block(doc, msp):
    b = doc.blocks.new(name="MARK", base_point=(1, 1))
    b.add_line((1, 1), (3, 1))
    b.add_line((1, 1), (1, 2))
    b.add_circle((1, 1), 1)
    msp.add_blockref("MARK", (10, 20), dxfattribs={"xscale": 2, "yscale": 3, "rotation": 90})


def layer_colours(doc, msp):
    doc.layers.add("PIER", color=3)
    msp.add_line((0, 0), (1, 0), dxfattribs={"layer": "PIER"})
    msp.add_line((0, 1), (1, 1), dxfattribs={"layer": "PIER", "color": 1})
    msp.add_line((0, 2), (1, 2), dxfattribs={"layer": "PIER", "color": 256})


def hatch(doc, msp):
    h = msp.add_hatch(color=2)
    h.paths.add_polyline_path([(0, 0), (50, 0), (50, 50)], is_closed=True)
    msp.add_line((1, 1), (2, 2))


def polyline_on_point_layer(doc, msp):
    msp.add_polyline2d([(100, 100), (101, 100)], dxfattribs={"layer": "POINT"})
    msp.add_point((102, 100))


def attribute_endsec(doc, msp):
    b = doc.blocks.new(name="TAG")
    b.add_attdef("NOTE", (0, 0))
    ref = msp.add_blockref("TAG", (0, 0))
    ref.add_attrib("NOTE", "ENDSEC", (0, 0))
    msp.add_line((5, 5), (6, 6))


def edited_block(doc, msp):
    b = doc.blocks.new(name="MARK")
    b.add_line((0, 0), (0, 5))
    msp.add_blockref("MARK", (0, 0))


def earlier_block_only(doc, msp):
    # A reference to a block this file does not define; ezdxf insists on one, so it is
    # written under another name and the reference renamed.
    doc.blocks.new(name="UNUSED")
    ref = msp.add_blockref("UNUSED", (100, 0))
    ref.dxf.name = "MARK"


CASES = {
    "arc": arc,
    "ellipses": ellipses,
    "polylines": polylines,
    "texts": texts,
    "block": block,
    "layer_colours": layer_colours,
    "hatch": hatch,
    "polyline_on_point_layer": polyline_on_point_layer,
    "attribute_endsec": attribute_endsec,
    "edited_block": edited_block,
    "earlier_block_only": earlier_block_only,
}


def write(version, folder):
    for case, build in CASES.items():
        doc = ezdxf.new(version)
        if version == "R12":
            doc.encoding = "cp1254"
        try:
            build(doc, doc.modelspace())
        except ezdxf.DXFVersionError:
            continue
        doc.saveas(f"{folder}/{case}.dxf")


def main():
    command = sys.argv[1]
    if command == "read":
        read(sys.argv[2], len(sys.argv) > 3)
    elif command == "expect":
        expect(sys.argv[2:])
    elif command == "write":
        write(sys.argv[2], sys.argv[3])
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main()
