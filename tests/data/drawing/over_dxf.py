"""Checks a DXF drawing with an independent reader (ezdxf) and lists its content.

Usage: python3 over_dxf.py FILE.dxf

Fails (exit 1, reasons on stdout) when ezdxf cannot read the file, when its
audit reports an error, when a layer has an invalid colour or a TEXT has no
positive height. Otherwise prints, one item per line:
  LAYER <name> <colour>               for every layer of the layer table
  COUNT <layer> <entity type> <n>     entities of the model space per layer
  POLY <layer> <vertices> <closed>    every POLYLINE: vertex count and whether
                                      its last vertex equals its first (1/0)
and finally OK.
"""
import collections
import sys

import ezdxf


def main(path):
    try:
        doc = ezdxf.readfile(path)
    except Exception as e:  # noqa: BLE001 - any read failure fails the check
        print("READ", type(e).__name__, e)
        return 1
    auditor = doc.audit()
    failures = []
    for err in auditor.errors:
        failures.append("AUDIT %s %s" % (err.code, err.message))
    for layer in doc.layers:
        color = layer.dxf.get("color", 7)
        if color == 0 or abs(color) > 255:
            failures.append("COLOR %s %s" % (layer.dxf.name, color))
        print("LAYER %s %d" % (layer.dxf.name, color))
    msp = doc.modelspace()
    counts = collections.Counter()
    for e in msp:
        counts[(e.dxf.layer, e.dxftype())] += 1
        if e.dxftype() == "TEXT":
            if not e.dxf.height > 0:
                failures.append("HEIGHT %s %r" % (e.dxf.layer, e.dxf.height))
        if e.dxftype() == "POLYLINE":
            v = [tuple(x.dxf.location) for x in e.vertices]
            closed = 1 if v and v[0] == v[-1] else 0
            print("POLY %s %d %d" % (e.dxf.layer, len(v), closed))
    for (layer, kind), n in sorted(counts.items()):
        print("COUNT %s %s %d" % (layer, kind, n))
    for f in failures:
        print(f)
    if failures:
        return 1
    print("OK")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
